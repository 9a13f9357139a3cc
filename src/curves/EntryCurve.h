#pragma once
// The page's unknown plotted against one of its entries: every other entry held, the entry
// swept over a span around its present value, the unknown solved at each point by a commit
// through a page session, as the window commits a typed value.

#include <vector>

#include "curves/Figure.h"
#include "datafile/PageTables.h"

namespace vantrel::curves {

// Points of a curve unless asked otherwise.
inline constexpr int kCurvePoints = 200;

// The rows of the page on show that can be the horizontal axis: those the user enters, other
// than the unknown.
std::vector<Integer> entryRows(const datafile::PageTables& tables, Integer unknown);

// The row a plot opens on: the one last edited when it can be plotted (`lastEdited`, 0 for
// none), else the flow rate, else the first entry row; 0 when the page has none.
Integer defaultEntry(const datafile::PageTables& tables, Integer unknown, Integer lastEdited);

// The curve of `unknown` against row `entry` of the page on show (tables.CurPage with the
// values tables.CurValue), computed on a copy: the tables are not changed. A point where the
// solver gives up or the unknown leaves its accepted range breaks the line. The parts of the
// span where the engineer's checks warn are shaded, one band a warning. A figure that cannot
// be drawn has no series and says why in its note.
Figure entryCurve(const datafile::PageTables& tables, Integer unknown, Integer entry,
                  int count = kCurvePoints);

}  // namespace vantrel::curves
