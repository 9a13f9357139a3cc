#pragma once
// The rows of the page on show as the copy of a page and the calculation record give them: the
// caption, the value as its box shows it, the unit, the value in SI base units, and where the
// value comes from.

#include <QString>
#include <vector>

#include "calc/FormulaLayout.h"
#include "calc/PageSession.h"

namespace vantrel::record {

// Default: still the page's default; Entered: typed, or changed by a solve, in this run.
enum class Source { Default, Entered, Computed, SolvedFor };

struct RowFacts {
  QString caption;  // as the check box shows it, without the access key and the unknown's "?"
  QString value;    // as the value box shows it; empty when its unit cannot hold it
  QString unit;     // the unit shown, without the blanks around it
  QString siValue;  // the stored value, the shortest text that reads back as the same number
  QString siUnit;   // its SI unit; empty for a number without one or a page without a formula
  Source source = Source::Default;
  bool unknown = false;  // the row ticked as the one to solve for
};

std::vector<RowFacts> pageRows(const calc::PageSession& session);

// The SI unit of quantity; empty for a number without one.
QString siUnitOf(calc::Quantity quantity);

// "default", "entered", "computed by the formula", "solved for".
QString sourceName(Source source);

}  // namespace vantrel::record
