#pragma once
// What a page computes: the shipped data file's pages, and commits of typed values that re-solve
// the page's unknown through the real formulas and solver, as the window's commit does.

#include <QString>
#include <utility>
#include <vector>

#include "common/OneBased.h"
#include "datafile/PageTables.h"
#include "numtext/NumberTypes.h"

namespace vantrel::accuracy {

class ShippedPages {
 public:
  // Loads the data file at path through the real loaders; exits with a message if it fails.
  explicit ShippedPages(const QString& path);

  // The first page with this caption.
  int pageOf(const QString& caption) const;
  Array1<Single> defaults(int page) const;
  int defaultUnknown(int page) const { return tables_.UnknownVar(page); }
  const datafile::PageTables& tables() const { return tables_; }

 private:
  datafile::PageTables tables_;
};

struct PageResult {
  bool solved = false;  // false when the solver gave up (the prompt answered No) or overflowed
  Array1<Single> values;
};

// Starting from `values`, makes `unknown` the page's unknown and commits each (position, value)
// in turn; every commit re-solves the unknown from the state before it.
PageResult commitOnPage(const QString& caption, Array1<Single> values, int unknown,
                        const std::vector<std::pair<int, Single>>& inputs);

}  // namespace vantrel::accuracy
