#pragma once
// The rows each formula writes: its derived quantities (gradient, K factor, velocities, ...),
// which it computes from the other rows at every evaluation. Such a row is shown but never
// entered to any effect, and solving for it never converges.

#include <QStringView>

#include "numtext/NumberTypes.h"

namespace vantrel::calc {

// True when row `row` of a page whose tab caption is `formula` is written by that formula. The
// caption is compared as the formulas compare it (exactly, once the blanks around it are
// dropped); a caption that names no formula has no result rows.
bool isResultRow(QStringView formula, Integer row);

}  // namespace vantrel::calc
