#pragma once
// What a run of one page draws besides its report: the calculation record (--record, --format
// html) with its plot and working, and the plot of --plot; and the solver's passes for JSON.

#include <vector>

#include "calc/SolveWorking.h"
#include "solve/PageCase.h"
#include "solve/PlotChoice.h"
#include "solve/Report.h"
#include "solve/SolveRun.h"

namespace vantrel::solve {

// The passes of working, step by step; none for no working.
std::vector<IterationLine> iterationsOf(const calc::SolveWorking* working);

// Draws what request asks for of the page as `page` left it (its tables `tables`) through the
// drawing module found from programFolder: the record's HTML becomes the standard output of
// --format html; a file that cannot be written is told on standard error, with status 2.
void addDrawings(RunResult& result, const PageCase& page, const datafile::PageTables& tables,
                 const Request& request, const PlotChoice& plot, const QString& dataFile,
                 const QString& programFolder);

}  // namespace vantrel::solve
