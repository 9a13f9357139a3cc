#pragma once
// The flow formulas of the pages. A page is tied to its formula by its tab caption; the formula
// is evaluated as a residual (zero when the page's values satisfy it) and, as a side effect,
// writes the page's derived quantities back into the value vector. Values are in base SI units.

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

#include "calc/CalcUi.h"
#include "calc/FormulaLayout.h"
#include "common/OneBased.h"
#include "numtext/NumberTypes.h"

namespace vantrel::calc {

// Residual of the formula named by `formula` (a page caption such as "H.Williams", compared
// exactly once the blanks around it are dropped) for the current `values`, written outputs
// included. `errFlag` is set to 0, or to 1 when an arithmetic operation fails; the procedure
// then ends at once, returns 0 and keeps the outputs it had already written. An unknown caption
// shows "Formular not available!" through `ui` and returns 0 with `errFlag` 0. A vector shorter
// than the formula's positions throws IndexError before anything is written.
Single FormulaResidual(Array1<Single>& values, Integer& errFlag, const QString& formula,
                       CalcUi& ui);

// A term of a formula (one or two values and whether its checked arithmetic failed) kept with
// the operands it was computed from.
struct FormulaTerm {
  std::array<double, 3> from{};
  std::array<double, 2> value{};
  bool failed = false;
  bool known = false;
};

// A page's formula, found from its caption once, for the many evaluations of one solve. Between
// two evaluations of a solve only the unknown changes (and, between Newton runs, the edited
// variable), so most terms of the formula are what they were: each is kept with its operands and
// computed again only when they differ. Every result is exactly FormulaResidual's.
class PageFormula {
 public:
  explicit PageFormula(QStringView caption)
      : kind_(formulaOf(caption)), positions_(static_cast<int>(positionsOf(kind_).size())) {}

  Formula kind() const { return kind_; }
  // FormulaResidual for this formula.
  Single residual(Array1<Single>& values, Integer& errFlag, CalcUi& ui);

  static constexpr std::size_t kTerms = 4;

 private:
  Formula kind_;
  int positions_;
  std::array<FormulaTerm, kTerms> terms_{};
};

// Number of FormulaResidual calls made so far on this thread (a cost measure for the solver).
std::uint64_t FormulaEvaluationCount();
// Counts an evaluation whose result the caller already holds (the solver's converged pass
// evaluates its last iterate again), as the solver's cost measure counts every evaluation.
void CountEvaluationRepeated();

}  // namespace vantrel::calc
