#pragma once
// The Moody chart of a Colebrook-White page: the Darcy friction factor against the Reynolds
// number for a family of relative roughnesses, the laminar line, the transition zone, and the
// page's own pipe and operating point. Every turbulent curve is the page's formula evaluated.

#include "calc/PageSession.h"
#include "curves/Figure.h"

namespace vantrel::curves {

// The chart of the page on show; a figure with a note when the page is not a Colebrook-White
// page or has no Reynolds number.
Figure moodyChart(const calc::PageSession& page);

}  // namespace vantrel::curves
