#pragma once
// The flow formulas of the pages. A page is tied to its formula by its tab caption; the formula
// is evaluated as a residual (zero when the page's values satisfy it) and, as a side effect,
// writes the page's derived quantities back into the value vector. Values are in base SI units.

#include <QString>
#include <cstdint>

#include "calc/CalcUi.h"
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

// Number of FormulaResidual calls made so far on this thread (a cost measure for the solver).
std::uint64_t FormulaEvaluationCount();

}  // namespace vantrel::calc
