#include "numtext/Decimal.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vantrel::numtext {

void normalise(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0')
    d.digits.pop_back();
  if (d.digits.empty()) d.point = 0;
}

// Keeps the first `keep` digits (keep may be zero or negative), rounding half away from zero.
// The digits are exact, so the first dropped digit alone decides.
void roundKeeping(Decimal& d, std::int64_t keep) {
  if (d.isZero() || keep >= d.size()) return;
  if (keep < 0) {
    d.digits.clear();
    d.point = 0;
    return;
  }
  const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    std::int64_t i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
      --i;
    if (i < 0) {
      d.digits.clear();
      d.digits.push_back('1');
      ++d.point;
    } else {
      d.digits.resize(static_cast<std::size_t>(i) + 1);
      ++d.digits[static_cast<std::size_t>(i)];
    }
  }
  normalise(d);
}

void roundToDecimals(Decimal& d, std::int64_t decimals) {
  if (!d.isZero()) roundKeeping(d, d.point + decimals);
}

namespace {

// The first 8 digits and the exponent of "d.ddd...e+XX", |x| written by to_chars with
// `decimals` digits after the point: all that rounding to 7 digits needs.
Decimal eightDigits(double magnitude, int decimals, std::array<char, 160>& buf) {
  Decimal d;
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                    std::chars_format::scientific, decimals);
  const char* p = buf.data();
  d.digits.push_back(*p++);
  if (*p == '.') ++p;
  while (p < result.ptr && *p != 'e' && d.digits.size() < 8)
    d.digits.push_back(*p++);
  while (p < result.ptr && *p != 'e')
    ++p;
  int exponent = 0;
  if (p < result.ptr) {
    ++p;
    if (*p == '+') ++p;
    std::from_chars(p, result.ptr, exponent);
  }
  d.point = exponent + 1;
  return d;
}

}  // namespace

// The value of |x| rounded to 7 significant digits, half away from zero. Rounding must work on
// the exact binary expansion (at most 112 significant digits): rounding a shorter, already
// rounded text could round twice. Nine correctly rounded digits are as good, except when their
// last two read 50: the exact digits lie within half a unit of the ninth digit, so only "50"
// leaves open which side of the half they are on, and only then is the expansion written.
Decimal sevenDigits(Single x) {
  if (x == 0 || !std::isfinite(x)) return Decimal();
  std::array<char, 160> buf{};
  const double magnitude = std::fabs(static_cast<double>(x));
  Decimal d = eightDigits(magnitude, 8, buf);
  // "d.dddddddde+XX": the eighth and ninth digits are at 8 and 9.
  if (buf[8] == '5' && buf[9] == '0') d = eightDigits(magnitude, 111, buf);
  normalise(d);
  roundKeeping(d, 7);
  return d;
}

}  // namespace vantrel::numtext
