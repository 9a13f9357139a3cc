#pragma once
// Entries that name a row of a table instead of a number: "dia=NPS 6 Sch 40", "visc=water 10 °C",
// "k=galvanised", on the command line and in the cells of a batch. The words must fit exactly one
// row of the tables that serve the entry's variable; the row's value is then committed as its
// number in the entry's unit, and the row is cited in the report and the record.

#include <QString>
#include <QStringList>

#include "record/Sources.h"
#include "solve/Arguments.h"
#include "solve/PageCase.h"
#include "solve/Report.h"

namespace vantrel::solve {

// The tables' folders for a run on dataFile ("" when none is loaded): the shipped tables beside
// the data file, else beside the data file's usual places; then the user's own.
QStringList tableFolders(const QString& dataFile, const QString& programFolder);

// The entry an assignment makes: its number in its unit, or else the table row its value names.
// Throws SolveError(kBadUsage) for a name, unit or table row not found, naming the rows that fit
// when there are several.
CaseEntry assignmentEntry(const datafile::PageTables& tables, const CaseSetup& setup,
                          const Assignment& assignment);

// A batch cell that is not a number, as a table row for its column's entry: true with the row's
// value in the column's unit in entry, else false with why in `why` (empty when the cell is no
// table row either: no table serves the column's variable, or a number leads words no row fits).
bool tableCellEntry(const datafile::PageTables& tables, const CaseSetup& setup, CaseEntry& entry,
                    const QString& cell, QString& why);

// After entry is committed: the row cites its table row, or nothing when a number was entered.
void cite(record::RowCitations& citations, const CaseEntry& entry,
          const calc::PageSession& session);
void addCitations(PageReport& report, const record::RowCitations& citations);

}  // namespace vantrel::solve
