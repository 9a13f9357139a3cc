#pragma once
// A system data file that cannot be loaded. The message says what is wrong; the context says
// where (section kind, page, record), built from the inside out as the error passes through
// the loaders.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <exception>
#include <utility>

namespace vantrel::datafile {

class DataFileError : public std::exception {
 public:
  explicit DataFileError(QString problem) : problem_(std::move(problem)) {}

  // Called by each enclosing loader on the way out, so the outermost place ends up first.
  void addContext(const QString& place) { context_.prepend(place); }

  const QString& problem() const { return problem_; }
  // "page 3, "\UNIT/" section, row 2" (empty when the problem concerns the whole file).
  QString location() const { return context_.join(QStringLiteral(", ")); }
  // The problem followed by its location, as one sentence.
  QString message() const;
  const char* what() const noexcept override;

 private:
  QString problem_;
  QStringList context_;
  mutable QByteArray what_;
};

// Runs body(); a DataFileError escaping from it gets place added to its context.
template <typename Body>
decltype(auto) withContext(const QString& place, Body&& body) {
  try {
    return body();
  } catch (DataFileError& error) {
    error.addContext(place);
    throw;
  }
}

}  // namespace vantrel::datafile
