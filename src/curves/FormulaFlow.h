#pragma once
// The flow a pipe formula gives for the rest of its values, evaluated by the formula itself.
// The pipe-friction formulas are written as a residual Q - Q(values), so the formula's own
// flow is a trial flow less its residual; a few rounds make the trial flow that flow.

#include <QString>

#include "common/OneBased.h"
#include "numtext/NumberTypes.h"

namespace vantrel::curves {

// Sets position `flow` of values to the formula's flow, starting from the trial value there,
// and evaluates the formula once more so that its written outputs (velocity, loss coefficient)
// belong to that flow. False when the formula fails at these values.
bool formulaFlow(Array1<Single>& values, int flow, const QString& formula);

}  // namespace vantrel::curves
