#pragma once
// What a batch's lines mean: the columns its header names, the case each further line is, and
// the line of output each case gives (CSV, or the one-page JSON object with the case's line,
// status and message added).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "datafile/PageTables.h"
#include "solve/Arguments.h"
#include "solve/PageCase.h"

namespace vantrel::solve {

// The header's columns as entries of setup's page (each with its variable and unit; the number
// comes from each line). A cell is a name as on the command line, with a unit in brackets when
// it is not the default one: "Flow Rate [l/s]"; empty cells at the end are no columns. Throws
// SolveError(kBadUsage) naming the column for a cell that names no variable, or no unit of it, or
// the variable solved for.
std::vector<CaseEntry> batchColumns(const datafile::PageTables& tables, const CaseSetup& setup,
                                    const QStringList& headerCells);

// setup with every column's unit among the units to show, before its own (--unit wins): each
// column is shown in one unit in every case, whether or not the case got as far as that column.
CaseSetup withColumnUnits(CaseSetup setup, const std::vector<CaseEntry>& columns);

// Solves the case of one line (a record of the batch file): its non-empty cells are committed
// from left to right. A cell that is not a number refuses the case (status 3); a line with more
// cells than the header (empty ones at its end aside), or with a quote left open, is not a
// case (status 2).
CaseOutcome solveLine(PageCase& page, const std::vector<CaseEntry>& columns,
                      const QByteArray& record);

// The first line of CSV output: every variable of the page with the unit it is shown in, as a
// header cell names it, then "status", "message", "reynolds", "regime" and "checks".
QString csvHeader(const datafile::PageTables& tables, const CaseSetup& setup);

// One case's output line. CSV: every variable's value as shown, the status, the message, the
// Reynolds number, the regime and the findings of the checks ("warning: ... | note: ..."; all
// but status and message empty when refused). JSON: the one-page object with "line", "status"
// and "message" added (only these three when refused). The message is on one line.
// It is appended to `out`.
void appendCaseLine(QString& out, const CaseOutcome& outcome, std::int64_t line, Format format,
                    int rowCount);

}  // namespace vantrel::solve
