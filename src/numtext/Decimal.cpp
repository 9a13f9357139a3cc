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

// The first 8 digits and the exponent of |x| written out exactly ("d.ddd...e+XX", at most 112
// significant digits): all that rounding to 7 digits needs.
Decimal eightExactDigits(double magnitude) {
  Decimal d;
  std::array<char, 160> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                    std::chars_format::scientific, 111);
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

// magnitude x 10^n, each factor an exact power of ten (up to 10^22), so with at most a few
// roundings of half a unit in the last place.
double timesPowerOfTen(double magnitude, int n) {
  static constexpr std::array<double, 23> kPowers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  for (; n > 22; n -= 22)
    magnitude *= kPowers[22];
  for (; n < -22; n += 22)
    magnitude /= kPowers[22];
  return n >= 0 ? magnitude * kPowers[static_cast<std::size_t>(n)]
                : magnitude / kPowers[static_cast<std::size_t>(-n)];
}

// The 7 digits of |x| rounded half away from zero, from |x| scaled into [10^6, 10^7) in double
// precision. The scaling is off by a few 10^-9 at most, which decides nothing unless what
// follows the 7 digits lies within 10^-6 of a half: false then, for the exact digits to decide.
bool sevenScaledDigits(double magnitude, Decimal& d) {
  // The decimal exponent from the binary one: log10(2) times it is within one of the exact
  // exponent, and the scaled value tells which way.
  constexpr double kLog10Of2 = 0.30102999566398120;
  int exponent = static_cast<int>(std::floor(std::ilogb(magnitude) * kLog10Of2));
  double y = timesPowerOfTen(magnitude, 6 - exponent);
  if (y >= 1e7 || y < 1e6) {
    exponent += y >= 1e7 ? 1 : -1;
    y = timesPowerOfTen(magnitude, 6 - exponent);
  }
  const double whole = std::floor(y);
  const double rest = y - whole;
  if (std::fabs(rest - 0.5) < 1e-6) return false;
  auto digits = static_cast<std::int64_t>(whole) + (rest > 0.5 ? 1 : 0);
  if (digits == 10'000'000) {
    digits = 1'000'000;
    ++exponent;
  }
  if (digits < 1'000'000 || digits >= 10'000'000) return false;
  // Seven digits, the trailing zeros dropped.
  while (digits % 10 == 0)
    digits /= 10;
  char text[8];
  char* end = std::to_chars(text, text + sizeof text, digits).ptr;
  d.digits.assign(text, end);
  d.point = exponent + 1;
  return true;
}

}  // namespace

// The value of |x| rounded to 7 significant digits, half away from zero. Rounding must follow
// the exact binary expansion: rounding a shorter, already rounded text could round twice. The
// value scaled in double precision gives the same digits except next to a half, where the
// expansion is written out.
Decimal sevenDigits(Single x) {
  Decimal d;
  if (x == 0 || !std::isfinite(x)) return d;
  const double magnitude = std::fabs(static_cast<double>(x));
  if (sevenScaledDigits(magnitude, d)) return d;
  d = eightExactDigits(magnitude);
  normalise(d);
  roundKeeping(d, 7);
  return d;
}

}  // namespace vantrel::numtext
