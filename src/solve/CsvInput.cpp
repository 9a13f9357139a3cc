#include "solve/CsvInput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "solve/SolveError.h"

namespace vantrel::solve {

namespace {

constexpr qsizetype kReadSize = 64 * 1024;

}  // namespace

bool RecordReader::fill() {
  if (ended_) return false;
  // What is read is dropped once it has been handed out, so the buffer holds about one read.
  buffer_.remove(0, start_);
  start_ = 0;
  const qsizetype had = buffer_.size();
  buffer_.resize(had + kReadSize);
  ssize_t got = 0;
  do {
    got = ::read(fd_, buffer_.data() + had, static_cast<std::size_t>(kReadSize));
  } while (got < 0 && errno == EINTR);
  if (got < 0) {
    const int error = errno;
    buffer_.resize(had);
    throw SolveError(kBadUsage, QStringLiteral("The batch input cannot be read: %1.\n")
                                    .arg(QString::fromLocal8Bit(std::strerror(error))));
  }
  buffer_.resize(had + got);
  ended_ = got == 0;
  return got > 0;
}

bool RecordReader::lineWaiting() const {
  return buffer_.indexOf('\n', start_) >= 0;
}

// A number never holds a line break, so every line is a record of its own: a quote left open
// spoils its own line only, not the rest of the batch.
bool RecordReader::next(QByteArray& record, std::int64_t& line) {
  qsizetype at = buffer_.indexOf('\n', start_);
  while (at < 0) {
    // Reading on moves the unread part to the front of the buffer.
    const qsizetype offset = buffer_.size() - start_;
    if (!fill()) break;
    at = buffer_.indexOf('\n', start_ + offset);
  }
  if (at < 0) {
    if (start_ == buffer_.size()) return false;
    at = buffer_.size();
  }
  qsizetype length = at - start_;
  if (length > 0 && buffer_.at(at - 1) == '\r') --length;
  record = buffer_.mid(start_, length);
  if (first_ && record.startsWith("\xEF\xBB\xBF")) record.remove(0, 3);
  first_ = false;
  line = line_++;
  start_ = at < buffer_.size() ? at + 1 : at;
  return true;
}

QStringList csvCells(const QByteArray& record, bool& closed) {
  QStringList cells;
  closed = true;
  const qsizetype size = record.size();
  for (qsizetype start = 0;; ++start) {
    qsizetype end = start;
    while (end < size && record[end] != ',' && record[end] != '"')
      ++end;
    if (end == size || record[end] == ',') {
      // No quotes, as in most cells: copied whole.
      cells << QString::fromUtf8(QByteArrayView(record).sliced(start, end - start));
    } else {
      // The text without its quotes, a doubled quote inside them standing for one.
      QByteArray cell = record.sliced(start, end - start);
      bool quoted = false;
      for (; end < size && (quoted || record[end] != ','); ++end) {
        if (record[end] != '"') {
          cell += record[end];
        } else if (quoted && end + 1 < size && record[end + 1] == '"') {
          cell += '"';
          ++end;
        } else {
          quoted = !quoted;
        }
      }
      cells << QString::fromUtf8(cell);
      closed = closed && !quoted;
    }
    if (end >= size) return cells;
    start = end;
  }
}

}  // namespace vantrel::solve
