#pragma once
// Where a value came from when a table gave it: the table row's entry and the source the table
// names for it. The window remembers it for each row of each page until the row's value is
// changed; the record cites it in the row's Source column and lists every source used.

#include <QString>
#include <map>
#include <utility>

#include "calc/PageSession.h"

namespace vantrel::record {

struct TableCitation {
  QString entry;   // the row's name as the table writes it ("Steel, ASME B36.10M | NPS 6 | Sch 40")
  QString source;  // the standard or handbook the table names for the row
  Single value = 0;  // the value the row took from it, base unit
};

// The citations of the page on show, by row.
using RowCitations = std::map<Integer, TableCitation>;

// The text a value a table gives is committed as, in the row's unit: nine significant digits,
// which carry every single-precision number.
QString enteredText(double valueInUnit);

// "Steel, ASME B36.10M, NPS 6, Sch 40": the entry's parts, one after the other.
QString entryText(const TableCitation& citation);
// "from table: Steel, ASME B36.10M, NPS 6, Sch 40": the Source column's text.
QString citationText(const TableCitation& citation);

// The citations of every page, each kept while its row still holds the value it took from the
// table: a row solved for, reset to its default or given another value cites nothing.
class ValueSources {
 public:
  void cite(Integer page, Integer var, TableCitation citation) {
    cited_[{page, var}] = std::move(citation);
  }
  void forget(Integer page, Integer var) { cited_.erase({page, var}); }
  // Row var of the page on show, when it still holds its table value.
  const TableCitation* of(const calc::PageSession& session, Integer var) const;
  RowCitations ofPage(const calc::PageSession& session) const;

 private:
  std::map<std::pair<Integer, Integer>, TableCitation> cited_;
};

}  // namespace vantrel::record
