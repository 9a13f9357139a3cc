#pragma once
// vantrel-solve --list: what there is to compute. The pages with their numbers, captions and
// titles; or one page's variables, each with its default, accepted range, units and whether the
// formula computes it.

#include <QString>

#include "datafile/PageTables.h"

namespace vantrel::solve {

// One line per page: number, tab caption, title.
QString pageList(const datafile::PageTables& tables);

// A table of page's variables: name ("?" marks the page's unknown), default in its default
// unit, accepted range in that unit, "result" for a row the formula computes and "entry" for
// the others, and the units it can be shown in. Puts page on show in tables, with its defaults.
QString variableList(datafile::PageTables& tables, Integer page);

}  // namespace vantrel::solve
