#include "tables/Csv.h"

namespace vantrel::tables {

namespace {

// Reads a quoted cell from just after its opening quote; returns the position after the closing
// quote, or -1 when the line ends inside the quotes.
qsizetype readQuoted(QStringView line, qsizetype at, QString& cell) {
  while (at < line.size()) {
    const QChar c = line[at++];
    if (c != u'"') {
      cell += c;
    } else if (at < line.size() && line[at] == u'"') {
      cell += c;
      ++at;
    } else {
      return at;
    }
  }
  return -1;
}

}  // namespace

CsvLine splitCsvLine(QStringView line) {
  CsvLine result;
  qsizetype at = 0;
  while (true) {
    while (at < line.size() && line[at] == u' ')
      ++at;
    QString cell;
    if (at < line.size() && line[at] == u'"') {
      at = readQuoted(line, at + 1, cell);
      if (at < 0) {
        result.error = QStringLiteral("a quoted cell is not closed");
        return result;
      }
      while (at < line.size() && line[at] == u' ')
        ++at;
      if (at < line.size() && line[at] != u',') {
        result.error = QStringLiteral("text follows a quoted cell's closing quote");
        return result;
      }
    } else {
      const qsizetype comma = line.indexOf(u',', at);
      const qsizetype end = comma < 0 ? line.size() : comma;
      cell = line.mid(at, end - at).trimmed().toString();
      at = end;
    }
    result.cells << cell;
    if (at >= line.size()) return result;
    ++at;  // the comma
  }
}

}  // namespace vantrel::tables
