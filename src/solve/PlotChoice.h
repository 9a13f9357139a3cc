#pragma once
// The plot of a run of vantrel-solve, for --plot and the calculation record: the unknown against
// an entry row (--x; else the row of the last entry given, else the flow rate, else the first
// row entered), or on C.White the Moody chart (--moody). It is computed without a window, each
// point through a copy of the page session.

#include "calc/PageSession.h"
#include "curves/Figure.h"
#include "datafile/PageTables.h"
#include "solve/Arguments.h"
#include "solve/PageCase.h"

namespace vantrel::solve {

struct PlotChoice {
  Integer entry = 0;  // the row of --x; 0: the row of the last entry, as the window's plot
  bool moody = false;
};

// What request asks of the plot on setup's page. Throws SolveError(kBadUsage) for a name that is
// no row entered on the page, and for --moody on a page that is not a Colebrook-White page.
PlotChoice plotChoiceOf(const datafile::PageTables& tables, const CaseSetup& setup,
                        const Request& request);

// The figure of the page on show in session, whose tables are `tables`.
curves::Figure plotOf(const datafile::PageTables& tables, const calc::PageSession& session,
                      const PlotChoice& choice);

}  // namespace vantrel::solve
