#pragma once
// One case of a page: from the page's defaults, the entries are committed in order through the
// page session, as the window's value boxes commit them, and the page is reported. A single run
// of vantrel-solve is one case; a batch runs one per line of its file.

#include <QString>
#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "calc/PageSession.h"
#include "calc/SolveWorking.h"
#include "datafile/PageTables.h"
#include "solve/Arguments.h"
#include "solve/Report.h"
#include "solve/SolveError.h"

namespace vantrel::tables {
class TablesOnDemand;
}

namespace vantrel::solve {

// What a run does on its page, found in the data file once for all its cases.
struct CaseSetup {
  Integer page = 0;
  Integer unknown = 0;  // the row solved for
  // Rows shown in a unit of their own once the entries are in, in this order (a later choice
  // for the same row wins).
  std::vector<std::pair<Integer, Integer>> shownUnits;
  // The tables an entry may name a row of instead of a number, read when one does.
  std::shared_ptr<tables::TablesOnDemand> tables;
};

// One value entered into a row.
struct CaseEntry {
  Integer var = 0;
  Integer unit = 0;          // the unit the value is read in; the row is shown in it from then on
  QString number;            // the text committed, as a value box holds it
  QString typed;             // the entry as given, for messages
  std::size_t position = 0;  // which entry (or column) it is, from 1, for messages
  record::TableCitation table;  // the table row the entry named; an empty entry for a number
};

struct CaseOutcome {
  ExitStatus status = kSolved;
  std::optional<PageReport> report;  // the page; none when an entry was refused
  QString message;                   // what the run says about it, in lines ending "\n"
};

// The page, the unknown (--for) and the units to show (--unit) that request names. Throws
// SolveError(kBadUsage) for a name that fits nothing or more than one thing.
CaseSetup setupOf(const datafile::PageTables& tables, const Request& request);

// The row `name` and its unit `unit` ("" for the default unit) as an entry of setup's page.
// Throws SolveError(kBadUsage) for a name or unit not found, and for the row solved for.
CaseEntry entryOf(const datafile::PageTables& tables, const CaseSetup& setup, const QString& name,
                  const QString& unit);

// Throws SolveError(kBadUsage) when entries are to be made but the page has no row to solve for.
void checkSolvable(const datafile::PageTables& tables, const CaseSetup& setup, bool anyEntries);

// A page to run cases on. Each case starts from the page's defaults, so one PageCase runs any
// number of cases; it changes `tables` as the window's commits would.
class PageCase {
 public:
  PageCase(datafile::PageTables& tables, CaseSetup setup);
  // The session refers to this object's own unknown.
  PageCase(const PageCase&) = delete;
  PageCase& operator=(const PageCase&) = delete;

  // Commits entries in order. The first refused entry ends the case (status 3, no page); an
  // entry the solver gives up on ends it with the page as it was before that entry (status 4).
  CaseOutcome solve(const std::vector<CaseEntry>& entries);
  // Keeps the working of each case's last solve from now on, for the record and the iterations.
  void keepWorking() { session_.watchSolves(&working_); }
  // The page as the last case left it.
  const calc::PageSession& session() const { return session_; }
  // The case's last solve when it reached its answer, which the page's values are; else null.
  const calc::SolveWorking* working() const {
    return working_.finalRun() != nullptr ? &working_ : nullptr;
  }
  // The rows the last case's entries took from tables.
  const record::RowCitations& citations() const { return citations_; }
  const CaseSetup& setup() const { return setup_; }
  const datafile::PageTables& pageTables() const { return t_; }

 private:
  void startFromDefaults();

  datafile::PageTables& t_;
  CaseSetup setup_;
  Integer unknown_ = 0;
  calc::EntryRecord lastEntry_;     // what the checks say of the last entry
  record::RowCitations citations_;  // the rows the last solve's entries took from tables
  calc::SolveWorking working_;
  calc::PageSession session_;
  const std::vector<QString> rowNames_;  // of setup_.page, for every case's report
};

}  // namespace vantrel::solve
