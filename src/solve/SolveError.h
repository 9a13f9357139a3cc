#pragma once
// Exit statuses of vantrel-solve, the failure that ends a run with one of them, and its messages
// in terminal form.

#include <QString>
#include <exception>
#include <utility>

namespace vantrel::solve {

enum ExitStatus : int {
  kSolved = 0,
  // Something unforeseen went wrong inside the program.
  kInternalFailure = 1,
  // The command line cannot be understood, or the data file is missing or malformed.
  kBadUsage = 2,
  // An entry lies outside its accepted range (or cannot be held as a number at all).
  kRefused = 3,
  // The solver used up its run budget on an entry.
  kNoSolution = 4,
  // Some case of a batch was refused or not solved (each case has its own status).
  kSomeCasesFailed = 5,
};

// A message of the window (lines broken by carriage returns) as a terminal wants it: lines
// ending in line feeds.
inline QString terminalLines(QString text) {
  text.replace(u'\r', u'\n');
  return text.endsWith(u'\n') ? text : text + u'\n';
}

class SolveError : public std::exception {
 public:
  SolveError(ExitStatus status, QString message) : status_(status), message_(std::move(message)) {}
  ExitStatus status() const { return status_; }
  const QString& message() const { return message_; }
  const char* what() const noexcept override { return "vantrel-solve failure"; }

 private:
  ExitStatus status_;
  QString message_;
};

}  // namespace vantrel::solve
