#pragma once
// What vantrel-solve prints: every variable of the page with the text its value box would show,
// in three formats (aligned text for people, CSV for spreadsheets, one JSON object for
// programs), and the engineer's checks of the page (the Reynolds number and the findings after
// the text table, the findings on standard error beside the CSV table, fields of the JSON
// object).

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "calc/PageSession.h"
#include "checks/PageChecks.h"
#include "record/Sources.h"
#include "solve/Arguments.h"

namespace vantrel::solve {

struct VariableLine {
  QString name;   // as matched on the command line
  QString value;  // what the value box shows
  QString unit;   // as printed (no blanks around it)
  Single base = 0;
  bool unknown = false;
  record::TableCitation table;  // the table row the value was taken from; empty entry: none
};

// One pass of the solver: the step of its continuation (from 1), the unknown's trial value and
// the formula's residual there.
struct IterationLine {
  int step = 0;
  Single trial = 0;
  Single residual = 0;
};

struct PageReport {
  QString page;   // tab caption
  QString title;  // window title
  QString unknown;
  std::vector<VariableLine> variables;
  checks::PageChecks checks;
  // The passes of the solve that gave the unknown its value, for JSON's "iterations" (empty when
  // no solve did); none when not asked for.
  std::optional<std::vector<IterationLine>> iterations;
};

// The page on show in session, its rows named by `names` (rowNames of that page, made once: a
// batch reports one page over and over). Throws SolveError(kBadUsage) for a value that its unit
// cannot show, which only a data file's default can be.
PageReport reportOf(const calc::PageSession& session, const std::vector<QString>& names);
// The name of each row of the page, as matched on the command line.
std::vector<QString> rowNames(const datafile::PageTables& tables, Integer page);

QString formatReport(const PageReport& report, Format format);
// The JSON form of formatReport, appended to `out`.
void appendJsonReport(QString& out, const PageReport& report);
// The findings of the checks as the command line words them: "warning: ...", "note: ...".
QStringList findingLines(const checks::PageChecks& checks);
// What goes to standard error beside the report: the checks of a CSV report, whose standard
// output is the table alone.
QString reportNotes(const PageReport& report, Format format);

}  // namespace vantrel::solve
