#include "calc/ResultRows.h"

#include <algorithm>
#include <array>

namespace vantrel::calc {

namespace {

// Row 0 fills the places of a formula that writes fewer than three rows.
struct FormulaResults {
  QStringView formula;
  std::array<Integer, 3> rows;
};

const std::array<FormulaResults, 9> kResultRows{{
    {u"H.Williams", {6, 7, 8}},
    {u"C.White", {7, 8, 9}},
    {u"Manning", {7, 8, 9}},
    {u"Orifice", {6, 7, 8}},
    {u"Bends", {5, 0, 0}},
    {u"Valves", {5, 0, 0}},
    {u"In/Out", {5, 0, 0}},
    {u"Expansion", {6, 7, 8}},
    {u"Contraction", {6, 7, 8}},
}};

QStringView withoutBlanks(QStringView text) {
  while (!text.isEmpty() && text.front() == u' ')
    text = text.sliced(1);
  while (!text.isEmpty() && text.back() == u' ')
    text.chop(1);
  return text;
}

}  // namespace

bool isResultRow(QStringView formula, Integer row) {
  const QStringView caption = withoutBlanks(formula);
  for (const FormulaResults& f : kResultRows) {
    if (f.formula == caption) return row != 0 && std::ranges::find(f.rows, row) != f.rows.end();
  }
  return false;
}

}  // namespace vantrel::calc
