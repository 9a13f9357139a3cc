#pragma once
// Double-precision arithmetic of the formulas and the solver, checked the way a run-time error
// trap would see it. Nothing here traps or raises floating-point exceptions: a division by zero,
// a square root or logarithm outside its domain, a fractional power of a negative number, a
// result that is not finite and a value that does not fit a Single are all found by testing
// operands and results, so no NaN or infinity is ever produced for the caller to store.

#include <cfloat>
#include <cmath>

#include "numtext/NumberTypes.h"

namespace vantrel::calc {

// Doubles from here up round to infinity when stored as a Single (the tie at 2^128 - 2^103 goes
// to the even neighbour, which is infinity because FLT_MAX has an odd last digit).
inline constexpr double kSingleOverflowBound = 0x1p128 - 0x1p103;

// Stores a double as a Single, rounding to nearest. False, and out untouched, when the value is
// NaN, infinite or would round beyond the Single range.
inline bool storeSingle(double x, Single& out) {
  if (!std::isfinite(x)) return false;
  const double magnitude = std::fabs(x);
  if (magnitude >= kSingleOverflowBound) return false;
  // Between FLT_MAX and the bound the value rounds down to FLT_MAX; stating it avoids relying on
  // the conversion of a value outside the Single range.
  out =
      magnitude > FLT_MAX ? std::copysign(FLT_MAX, static_cast<float>(x)) : static_cast<Single>(x);
  return true;
}

// A chain of checked operations. The first failure latches failed() and every failing operation
// yields 0, so that the rest of an expression stays finite and cheap; callers test failed()
// before they store anything.
class CheckedMath {
 public:
  bool failed() const { return failed_; }

  double finite(double x) { return std::isfinite(x) ? x : fail(); }
  double div(double a, double b) { return b == 0.0 ? fail() : finite(a / b); }
  double sqrt(double a) { return a >= 0.0 ? std::sqrt(a) : fail(); }
  double log(double a) { return a > 0.0 ? finite(std::log(a)) : fail(); }
  // a ^ p: a negative base needs a whole exponent, and zero has no negative power.
  double pow(double a, double p) {
    if (a < 0.0 && std::trunc(p) != p) return fail();
    if (a == 0.0 && p < 0.0) return fail();
    return finite(std::pow(a, p));
  }
  // The value as it is once held in a Single, returned for further double arithmetic.
  double single(double a) {
    Single s = 0;
    return storeSingle(a, s) ? static_cast<double>(s) : fail();
  }
  // Latches a failure found elsewhere (in a term computed earlier from the same operands).
  double fail() {
    failed_ = true;
    return 0.0;
  }

 private:
  bool failed_ = false;
};

}  // namespace vantrel::calc
