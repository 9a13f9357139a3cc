#include "solve/BatchCases.h"

#include <charconv>

#include "numtext/NumberFormat.h"
#include "numtext/NumberReading.h"
#include "solve/CsvInput.h"
#include "solve/Escaping.h"
#include "solve/Matching.h"
#include "solve/SolveError.h"
#include "solve/TableEntries.h"

namespace vantrel::solve {

namespace {

// "Flow Rate [l/s]" names Flow Rate in l/s; "Flow Rate" in its default unit.
void splitHeaderCell(const QString& cell, QString& name, QString& unit) {
  const QString text = cell.trimmed();
  const qsizetype open = text.lastIndexOf(u'[');
  if (open < 0 || !text.endsWith(u']')) {
    name = text;
    unit.clear();
    return;
  }
  name = text.left(open).trimmed();
  unit = text.sliced(open + 1, text.size() - open - 2).trimmed();
}

// Empty cells at the end of a line name or hold nothing: spreadsheets write a comma after the
// last column. At least one cell stays, so that an empty header still names no variable.
QStringList withoutTrailingBlanks(QStringList cells) {
  while (cells.size() > 1 && cells.last().trimmed().isEmpty())
    cells.removeLast();
  return cells;
}

// A message's lines joined, for a cell or a JSON string that holds one line of text.
QString oneLine(const QString& message) {
  if (message.isEmpty()) return message;
  QStringList lines = message.split(u'\n', Qt::SkipEmptyParts);
  for (QString& line : lines)
    line = line.trimmed();
  lines.removeAll(QString());
  return lines.join(u' ');
}

void appendNumber(QString& out, std::int64_t n) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  out += QLatin1StringView(digits, end - digits);
}

// The Reynolds number, the regime and the findings joined into one cell, each led by ",".
void appendCsvChecks(QString& out, const checks::PageChecks& c) {
  out += u',';
  if (c.reynolds) out += numtext::shortestText(static_cast<Single>(*c.reynolds));
  out += u',';
  if (c.regime) out += checks::regimeName(*c.regime);
  out += u',';
  if (!c.findings.empty()) appendCsvField(out, findingLines(c).join(QStringLiteral(" | ")));
}

void appendCsvLine(QString& out, const CaseOutcome& outcome, int rowCount) {
  if (outcome.report) {
    for (const VariableLine& v : outcome.report->variables) {
      appendCsvField(out, v.value);
      out += u',';
    }
  } else {
    for (int i = 0; i < rowCount; ++i)
      out += u',';
  }
  appendNumber(out, outcome.status);
  out += u',';
  appendCsvField(out, oneLine(outcome.message));
  if (outcome.report)
    appendCsvChecks(out, outcome.report->checks);
  else
    out += QLatin1StringView(",,,");
  out += u'\n';
}

void appendJsonLine(QString& out, const CaseOutcome& outcome, std::int64_t line) {
  if (outcome.report) {
    // The one-page object, whatever fields it has, ends in "}\n": the case's fields go before
    // its closing brace.
    appendJsonReport(out, *outcome.report);
    out.chop(2);
    out += QLatin1StringView(", ");
  } else {
    out += u'{';
  }
  out += QLatin1StringView("\"line\": ");
  appendNumber(out, line);
  out += QLatin1StringView(", \"status\": ");
  appendNumber(out, outcome.status);
  out += QLatin1StringView(", \"message\": ");
  appendJsonString(out, oneLine(outcome.message));
  out += QLatin1StringView("}\n");
}

}  // namespace

std::vector<CaseEntry> batchColumns(const datafile::PageTables& t, const CaseSetup& setup,
                                    const QStringList& headerCells) {
  const QStringList header = withoutTrailingBlanks(headerCells);
  std::vector<CaseEntry> columns;
  for (qsizetype c = 0; c < header.size(); ++c) {
    QString name;
    QString unit;
    splitHeaderCell(header[c], name, unit);
    const QString where =
        QStringLiteral("Column %1 of the batch header, \"%2\": ").arg(c + 1).arg(header[c]);
    if (name.isEmpty()) throw SolveError(kBadUsage, where + QStringLiteral("names no variable."));
    try {
      columns.push_back(entryOf(t, setup, name, unit));
    } catch (const SolveError& error) {
      throw SolveError(error.status(), where + error.message());
    }
    columns.back().position = static_cast<std::size_t>(c + 1);
  }
  return columns;
}

CaseSetup withColumnUnits(CaseSetup setup, const std::vector<CaseEntry>& columns) {
  std::vector<std::pair<Integer, Integer>> units;
  for (const CaseEntry& column : columns)
    units.emplace_back(column.var, column.unit);
  units.insert(units.end(), setup.shownUnits.begin(), setup.shownUnits.end());
  setup.shownUnits = std::move(units);
  return setup;
}

CaseOutcome solveLine(PageCase& page, const std::vector<CaseEntry>& columns,
                      const QByteArray& record) {
  bool closed = true;
  const QStringList cells = withoutTrailingBlanks(csvCells(record, closed));
  if (!closed) return {kBadUsage, std::nullopt, QStringLiteral("A quote is not closed.\n")};
  if (cells.size() > static_cast<qsizetype>(columns.size())) {
    return {kBadUsage, std::nullopt,
            QStringLiteral("The line has %1 cells; the header names %2 columns.\n")
                .arg(cells.size())
                .arg(columns.size())};
  }
  std::vector<CaseEntry> entries;
  for (qsizetype c = 0; c < cells.size(); ++c) {
    const QString number = cells[c].trimmed();
    if (number.isEmpty()) continue;
    entries.push_back(columns[static_cast<std::size_t>(c)]);
    entries.back().number = number;
    entries.back().typed = number;
    if (numtext::leadingNumberLength(number) == number.size()) continue;
    // Not a number: a table row, or nothing.
    QString why;
    if (tableCellEntry(page.pageTables(), page.setup(), entries.back(), number, why)) continue;
    if (why.isEmpty()) {
      return {kRefused, std::nullopt,
              QStringLiteral("Column %1: \"%2\" is not a number.\n").arg(c + 1).arg(cells[c])};
    }
    return {kBadUsage, std::nullopt, QStringLiteral("Column %1: %2\n").arg(c + 1).arg(why)};
  }
  return page.solve(entries);
}

QString csvHeader(const datafile::PageTables& t, const CaseSetup& setup) {
  std::vector<Integer> shown;
  for (Integer i = 1; i <= t.VarCount(setup.page); ++i)
    shown.push_back(t.VarUnitDefault(setup.page, i));
  for (const auto& [var, unit] : setup.shownUnits)
    shown[static_cast<std::size_t>(var - 1)] = unit;
  QString out;
  for (Integer i = 1; i <= t.VarCount(setup.page); ++i) {
    QString cell = variableName(t.VarCaptionRTF(setup.page, i).plainText());
    const QString unit =
        printedUnitName(t.UnitName(setup.page, i, shown[static_cast<std::size_t>(i - 1)]));
    if (!unit.isEmpty()) cell += QStringLiteral(" [%1]").arg(unit);
    out += csvField(cell) + u',';
  }
  return out + QStringLiteral("status,message,reynolds,regime,checks\n");
}

void appendCaseLine(QString& out, const CaseOutcome& outcome, std::int64_t line, Format format,
                    int rowCount) {
  if (format == Format::Json)
    appendJsonLine(out, outcome, line);
  else
    appendCsvLine(out, outcome, rowCount);
}

}  // namespace vantrel::solve
