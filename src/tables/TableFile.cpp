#include "tables/TableFile.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QStringDecoder>
#include <cmath>

#include "tables/Csv.h"
#include "tables/Units.h"

namespace vantrel::tables {

namespace {

// What the "#" lines before the heading say.
struct Description {
  QString title;
  QStringList serves, pages;
  QString unit, valueHeading;
  int unitLine = 0, valueLine = 0;
  bool water = false;
};

class Reader {
 public:
  explicit Reader(QString fileName) : file_(std::move(fileName)) {}
  FileReading read(const QString& text);

 private:
  void note(int line, const QString& what) {
    messages_ << QStringLiteral("%1, line %2: %3").arg(file_).arg(line).arg(what);
  }
  void noteFile(const QString& what) { messages_ << QStringLiteral("%1: %2").arg(file_, what); }
  void describe(QStringList cells);
  bool begin(const QStringList& heading, int line);
  void addRow(QStringList cells, int line);

  QString file_;
  QStringList messages_;
  Description description_;
  Table table_;
  int cellCount_ = 0;
  QHash<QString, int> names_;  // folded name, line
};

std::optional<double> numberIn(const QString& cell) {
  bool ok = false;
  const double value = QLocale::c().toDouble(cell, &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

void Reader::describe(QStringList cells) {
  while (!cells.isEmpty() && cells.last().isEmpty())
    cells.removeLast();  // a spreadsheet's padding
  if (cells.isEmpty()) return;
  const QString key = cells.takeFirst().trimmed().toLower();
  Description& d = description_;
  if (key == u"table")
    d.title = cells.join(QStringLiteral(", "));
  else if (key == u"serves")
    d.serves << cells;
  else if (key == u"pages")
    d.pages << cells;
  else if (key == u"unit")
    d.unit = cells.value(0);
  else if (key == u"value")
    d.valueHeading = cells.value(0);
  else if (key == u"computed")
    d.water = cells.contains(QStringLiteral("water"), Qt::CaseInsensitive);
}

// Takes the heading line and the description into the table; false when the file cannot serve.
bool Reader::begin(const QStringList& heading, int line) {
  const Description& d = description_;
  table_.file = file_;
  table_.title = d.title;
  table_.serves = d.serves;
  table_.pages = d.pages;
  table_.unit = d.unit;
  table_.water = d.water;
  table_.columns = heading.mid(1, heading.size() - 2);
  cellCount_ = static_cast<int>(heading.size());
  if (d.serves.isEmpty()) {
    noteFile(QStringLiteral("no \"#serves\" line names the variables the table serves"));
    return false;
  }
  const std::optional<double> factor = siFactor(d.unit);
  if (!factor || d.unitLine == 0) {
    note(d.unitLine ? d.unitLine : line,
         d.unitLine ? QStringLiteral("the unit \"%1\" is not one the tables know").arg(d.unit)
                    : QStringLiteral("no \"#unit\" line names the unit of the values"));
    return false;
  }
  table_.toSi = *factor;
  if (table_.columns.isEmpty()) {
    note(line, QStringLiteral("the heading line names no value column between the entry and its "
                              "source"));
    return false;
  }
  if (!d.valueHeading.isEmpty()) {
    table_.valueColumn = static_cast<int>(table_.columns.indexOf(d.valueHeading));
    if (table_.valueColumn < 0) {
      note(d.valueLine, QStringLiteral("\"#value\" names \"%1\", which the heading line does not")
                            .arg(d.valueHeading));
      return false;
    }
  }
  return true;
}

void Reader::addRow(QStringList cells, int line) {
  while (cells.size() > cellCount_ && cells.last().isEmpty())
    cells.removeLast();
  if (cells.size() != cellCount_) {
    note(line, QStringLiteral("the row has %1 cells where the heading line has %2")
                   .arg(cells.size())
                   .arg(cellCount_));
    return;
  }
  TableRow row;
  row.name = cells.first();
  row.source = cells.last();
  row.line = line;
  if (row.name.isEmpty()) return note(line, QStringLiteral("the entry has no name"));
  if (row.source.isEmpty()) return note(line, QStringLiteral("the entry has no source"));
  for (int c = 0; c < table_.columns.size(); ++c) {
    const QString& cell = cells[c + 1];
    const std::optional<double> value = cell.isEmpty() ? std::nullopt : numberIn(cell);
    const QString& heading = table_.columns[c];
    if (!cell.isEmpty() && !value)
      return note(line, QStringLiteral("\"%1\" under \"%2\" is not a number").arg(cell, heading));
    if (c == table_.valueColumn && !value)
      return note(line, QStringLiteral("there is no value under \"%1\"").arg(heading));
    if (c == table_.valueColumn && *value < 0)
      return note(line, QStringLiteral("the value under \"%1\" is negative").arg(heading));
    row.values.push_back(value);
  }
  const QString folded = row.name.toCaseFolded();
  if (const auto earlier = names_.constFind(folded); earlier != names_.cend()) {
    return note(
        line, QStringLiteral("\"%1\" is already the entry of line %2").arg(row.name).arg(*earlier));
  }
  names_.insert(folded, line);
  row.words = wordsOf(row.name);
  table_.rows.push_back(std::move(row));
}

FileReading Reader::read(const QString& text) {
  const QStringList lines = text.split(u'\n');
  bool started = false;
  for (int i = 0; i < lines.size(); ++i) {
    QStringView line = lines[i];
    if (line.endsWith(u'\r')) line.chop(1);
    if (i == 0 && line.startsWith(QChar(0xFEFF))) line = line.mid(1);
    if (line.trimmed().isEmpty()) continue;
    const bool hash = line.startsWith(u'#');
    if (started && hash) continue;
    const CsvLine csv = splitCsvLine(hash ? line.mid(1) : line);
    if (!csv.error.isEmpty()) {
      note(i + 1, csv.error);
      if (!started && !hash) return {std::nullopt, messages_};  // the heading line is damaged
      continue;
    }
    if (hash) {
      const QString key = csv.cells.value(0).trimmed().toLower();
      if (key == u"unit") description_.unitLine = i + 1;
      if (key == u"value") description_.valueLine = i + 1;
      describe(csv.cells);
    } else if (!started) {
      if (!begin(csv.cells, i + 1)) return {std::nullopt, messages_};
      started = true;
    } else {
      addRow(csv.cells, i + 1);
    }
  }
  if (!started) {
    noteFile(QStringLiteral("the file has no heading line naming its columns"));
    return {std::nullopt, messages_};
  }
  return {std::move(table_), messages_};
}

}  // namespace

FileReading readTableText(const QString& text, const QString& fileName) {
  return Reader(fileName).read(text);
}

FileReading readTableFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {std::nullopt, {QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString())}};
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString text = decoder(file.readAll());
  if (decoder.hasError())
    return {std::nullopt, {QStringLiteral("%1: is not UTF-8 text").arg(path)}};
  return readTableText(text, path);
}

}  // namespace vantrel::tables
