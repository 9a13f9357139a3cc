#include "solve/TableEntries.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "datafile/DataFilePlaces.h"
#include "numtext/NumberFormat.h"
#include "numtext/NumberReading.h"
#include "solve/Matching.h"
#include "solve/SolveError.h"
#include "tables/TablesOnDemand.h"

namespace vantrel::solve {

namespace {

// Rows named in a refusal; more are counted.
constexpr std::size_t kRowsNamed = 12;

QString fitsMessage(const QString& text, const QString& variable, const tables::Lookup& found) {
  if (found.fits.empty()) {
    QString message =
        QStringLiteral("No row of the tables for %1 fits \"%2\"").arg(variable, text.trimmed());
    if (!found.note.isEmpty()) message += QStringLiteral(" (%1)").arg(found.note);
    return message + QStringLiteral("; vantrel-solve --tables WORDS lists the rows.");
  }
  QString message = QStringLiteral("\"%1\" fits %2 rows of the tables for %3; name one of them:")
                        .arg(text.trimmed())
                        .arg(found.fits.size())
                        .arg(variable);
  for (std::size_t i = 0; i < found.fits.size() && i < kRowsNamed; ++i)
    message += QStringLiteral("\n  ") + found.fits[i].name;
  if (found.fits.size() > kRowsNamed)
    message += QStringLiteral("\n  and %1 more.").arg(found.fits.size() - kRowsNamed);
  return message;
}

// What the tables serving row var make of text: the one row it names, or why there is none
// (empty when no table serves the row) and whether any row fits at all.
struct TableLookup {
  std::optional<tables::Found> row;
  QString why;
  bool anyFits = false;
};

TableLookup lookUp(const datafile::PageTables& t, const CaseSetup& setup, Integer var,
                   const QString& text) {
  const QString variable = variableName(t.VarCaptionRTF(setup.page, var).plainText());
  const tables::TableList served =
      setup.tables ? setup.tables->get().serving(t.PageCaption(setup.page).trimmed(), variable)
                   : tables::TableList();
  if (served.empty()) return {};
  const tables::Lookup found = tables::lookup(text, served);
  if (found.found) return {found.found, QString(), true};
  return {std::nullopt, fitsMessage(text, variable, found), !found.fits.empty()};
}

// Words that end in a unit of row var ("pe 110 sdr11 in"): the words before it and the unit.
std::optional<std::pair<QString, Integer>> unitAtEnd(const datafile::PageTables& t,
                                                     const CaseSetup& setup, Integer var,
                                                     const QString& text) {
  const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
  for (qsizetype n = std::min<qsizetype>(2, words.size() - 1); n >= 1; --n) {
    try {
      const Integer unit = findUnit(t, setup.page, var, words.mid(words.size() - n).join(u' '));
      return std::pair{words.first(words.size() - n).join(u' '), unit};
    } catch (const SolveError&) {
    }
  }
  return std::nullopt;
}

// The row's value as a number in unit u of row var, as it would be typed into its box.
void take(const datafile::PageTables& t, const CaseSetup& setup, const tables::Found& row,
          CaseEntry& entry) {
  const double shown = row.siValue() * t.UnitFactor(setup.page, entry.var, entry.unit);
  entry.number = record::enteredText(shown);
  entry.table = {row.name, row.source, 0};
}

}  // namespace

QStringList tableFolders(const QString& dataFile, const QString& programFolder) {
  QStringList places;
  if (!dataFile.isEmpty()) places << QFileInfo(dataFile).absolutePath();
  places << datafile::DataFileFolders(QDir::currentPath(), programFolder);
  QStringList folders;
  const QString shipped = tables::shippedTablesFolder(places);
  if (!shipped.isEmpty()) folders << shipped;
  return folders << tables::userTablesFolder();
}

CaseEntry assignmentEntry(const datafile::PageTables& t, const CaseSetup& setup,
                          const Assignment& a) {
  CaseEntry entry = entryOf(t, setup, a.name, QString());
  entry.number = a.number;
  if (a.unit.isEmpty()) return entry;
  try {
    entry.unit = findUnit(t, setup.page, entry.var, a.unit);
    return entry;
  } catch (const SolveError& notAUnit) {
    const QString words = (a.number + u' ' + a.unit).trimmed();
    TableLookup found = lookUp(t, setup, entry.var, words);
    // The row's words, then the unit to enter its value in.
    const auto split = found.anyFits ? std::nullopt : unitAtEnd(t, setup, entry.var, words);
    if (split) {
      TableLookup inUnit = lookUp(t, setup, entry.var, split->first);
      if (inUnit.anyFits) found = std::move(inUnit);
      if (found.row) entry.unit = split->second;
    }
    // A number with a word that is no unit: the unit is what went wrong, unless some row fits.
    if (found.row) {
      take(t, setup, *found.row, entry);
      return entry;
    }
    if (found.why.isEmpty() || (!a.number.isEmpty() && !found.anyFits)) throw;
    throw SolveError(kBadUsage, found.why);
  }
}

bool tableCellEntry(const datafile::PageTables& t, const CaseSetup& setup, CaseEntry& entry,
                    const QString& cell, QString& why) {
  const TableLookup found = lookUp(t, setup, entry.var, cell);
  if (found.row) take(t, setup, *found.row, entry);
  // A number with words after it that fit no row is a number spoilt, not a row looked for.
  const bool number = numtext::leadingNumberLength(cell) > 0 && !found.anyFits;
  why = number ? QString() : found.why;
  return found.row.has_value();
}

void cite(record::RowCitations& citations, const CaseEntry& entry,
          const calc::PageSession& session) {
  if (entry.table.entry.isEmpty()) {
    citations.erase(entry.var);
    return;
  }
  record::TableCitation citation = entry.table;
  citation.value = session.value(entry.var);
  citations[entry.var] = citation;
}

void addCitations(PageReport& report, const record::RowCitations& citations) {
  for (const auto& [var, citation] : citations) {
    const auto at = static_cast<std::size_t>(var - 1);
    if (at < report.variables.size()) report.variables[at].table = citation;
  }
}

}  // namespace vantrel::solve
