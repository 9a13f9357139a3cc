#pragma once
// Reading a batch's CSV as it arrives: whole records from a file descriptor, and the cells of
// one record. A record is one line, whatever quotes it holds; a quoted cell may hold commas and
// doubled quotes.

#include <QByteArray>
#include <QStringList>
#include <cstdint>

namespace vantrel::solve {

class RecordReader {
 public:
  // Reads from fd (not closed here).
  explicit RecordReader(int fd) : fd_(fd) {}

  // The next record without its line end ("\n" or "\r\n"), and the number of its line, from 1. A
  // UTF-8 byte-order mark before the first record is dropped. False at the end of the input. Throws
  // SolveError(kBadUsage) when the input cannot be read.
  bool next(QByteArray& record, std::int64_t& line);
  // Whether a whole line is already read in, so that next() will not wait for more input.
  bool lineWaiting() const;

 private:
  bool fill();

  int fd_;
  QByteArray buffer_;
  qsizetype start_ = 0;  // where the unread part of buffer_ begins
  std::int64_t line_ = 1;
  bool ended_ = false;
  bool first_ = true;
};

// The cells of a record, each without its quotes and with its doubled quotes single. `closed`
// is false when a quote is still open at the end of the record.
QStringList csvCells(const QByteArray& record, bool& closed);

}  // namespace vantrel::solve
