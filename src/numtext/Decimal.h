#pragma once
// Exact decimal numbers, the common ground of reading and formatting: a value is held as its
// decimal digits so that rounding to a number of digits never rounds twice.

#include <cstdint>
#include <string>

#include "numtext/NumberTypes.h"

namespace vantrel::numtext {

// A non-negative decimal number 0.d1d2d3... x 10^point. The first digit is never 0 and there
// are no trailing zeros, so equal values have equal representations; no digits means zero.
struct Decimal {
  std::string digits;
  std::int64_t point = 0;

  bool isZero() const { return digits.empty(); }
  std::int64_t size() const { return static_cast<std::int64_t>(digits.size()); }
  // The digit worth 10^(point - 1 - index); zero outside the stored digits.
  char digitAt(std::int64_t index) const {
    return index >= 0 && index < size() ? digits[static_cast<std::size_t>(index)] : '0';
  }
};

// Drops trailing zeros (zero has no digits).
void normalise(Decimal& d);
// Keeps the first `keep` digits (keep may be zero or negative), rounding half away from zero.
void roundKeeping(Decimal& d, std::int64_t keep);
// Keeps `decimals` digits after the point, rounding half away from zero.
void roundToDecimals(Decimal& d, std::int64_t decimals);
// The value of |x| rounded to 7 significant digits, half away from zero.
Decimal sevenDigits(Single x);

}  // namespace vantrel::numtext
