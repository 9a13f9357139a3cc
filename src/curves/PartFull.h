#pragma once
// The part-full curves of a Manning page: flow and velocity as fractions of the full pipe's
// against the depth y/D, the page's depth marked, and the zone where one flow runs at two
// depths shaded. Every point is the page's formula evaluated.

#include "calc/PageSession.h"
#include "curves/Figure.h"

namespace vantrel::curves {

// The curves of the page on show; a figure with a note when the page is not a Manning page or
// its values cannot carry a flow.
Figure partFullCurves(const calc::PageSession& page);

}  // namespace vantrel::curves
