#pragma once
// Each formula in two double-precision forms: as the pages write it, with the constants they were
// calibrated with, and as the textbooks write it. Both are solved for any one variable to the
// last bit, so comparing them isolates what the constants and the form change, and comparing the
// page's own result with the page form isolates single precision and the Newton tolerance.

#include <QString>
#include <array>

namespace vantrel::accuracy {

// A page's variables by position (1 ... 9, as the page's rows), in base SI units.
using State = std::array<double, 10>;

enum class Form { Page, Textbook };

// The textbook's constants.
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kGravity = 9.80665;
inline constexpr double kHazenFactor = 10.67;
inline constexpr double kHazenExponent = 1.852;
inline constexpr double kHazenDiameterExponent = 4.8704;

// Residual of the formula named by a page caption: zero when `s` satisfies it.
double residual(const QString& caption, Form form, const State& s);

// Solves position `unknown` of `s` (a positive quantity) by bracketing and bisection until the
// bracket cannot shrink any more. False when no sign change is found.
bool solve(const QString& caption, Form form, State& s, int unknown);

// Writes the derived quantities (gradient, velocities, loss coefficient, area ratio) of the
// textbook form into `s`.
void textbookOutputs(const QString& caption, State& s);

// Area of a circle of diameter d with pi exact.
inline double circle(double d) {
  return kPi * d * d / 4;
}

}  // namespace vantrel::accuracy
