#pragma once
// The calculation record's section "Working": how the page's answer was reached. The residual of
// the formula, the quantity the solver drives to zero, in symbols and then with every entered
// value put in (SI units); the solver's passes for the unknown (trial value and residual) in the
// steps of its continuation, and the residual at the answer; on a Colebrook-White page also the
// Reynolds number, the relative roughness and the Darcy friction factor.

#include <QString>
#include <optional>

#include "calc/PageSession.h"
#include "calc/SolveWorking.h"

namespace vantrel::record {

// At most this many passes are listed; a longer solve lists its last steps and counts the rest.
inline constexpr int kMostListedPasses = 40;

// The section without its heading. `solve` is the solve that left the page's values as they are,
// or null when none is known (the page's defaults, another row ticked since).
QString workingHtml(const calc::PageSession& session, const calc::SolveWorking* solve);

// The formula's residual at the page's stored values; none when the page names no formula or the
// formula fails there.
std::optional<Single> residualAt(const calc::PageSession& session);

}  // namespace vantrel::record
