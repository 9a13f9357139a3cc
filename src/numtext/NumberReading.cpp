#include "numtext/NumberReading.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>
#include <type_traits>

#include "numtext/Decimal.h"

namespace vantrel::numtext {

namespace {

[[noreturn]] void throwTypeMismatch() {
  throw NumberError(NumberError::Kind::TypeMismatch, "Type mismatch");
}

// Beyond this many significant digits only "something non-zero follows" matters; a float or a
// double never needs more than 768 digits to decide its rounding.
constexpr std::size_t kMaxDigits = 800;
// Exponents are saturated here; any larger magnitude is far outside every target range.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000LL;
// Decimal magnitudes outside 10^-400 ... 10^400 are zero or overflow for float and double alike.
constexpr std::int64_t kPointLimit = 400;

bool isAsciiDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

struct Scanned {
  Decimal value;
  bool negative = false;
  bool hasMantissa = false;
  qsizetype end = 0;  // index just after the last character of the number
};

// Reads the longest prefix that is a number. With skipBlanks, blanks, tabs and line feeds are
// passed over wherever they stand.
class Scanner {
 public:
  Scanner(QStringView text, bool skipBlanks) : text_(text), skipBlanks_(skipBlanks) {}

  Scanned scan() {
    Scanned s;
    const char16_t first = peek();
    if (first == u'+' || first == u'-') {
      s.negative = first == u'-';
      advance();
    }
    std::string digits;
    bool sticky = false;
    std::int64_t point = 0;
    auto addDigit = [&](char16_t c, bool fraction) {
      s.hasMantissa = true;
      if (digits.empty() && c == u'0') {
        if (fraction) --point;
        return;
      }
      if (!fraction) ++point;
      if (digits.size() < kMaxDigits) {
        digits.push_back(static_cast<char>(c));
      } else if (c != u'0') {
        sticky = true;
      }
    };
    while (isAsciiDigit(peek()))
      addDigit(advance(), false);
    if (peek() == u'.') {
      advance();
      while (isAsciiDigit(peek()))
        addDigit(advance(), true);
    }
    if (!s.hasMantissa) return Scanned{};
    s.end = pos_;

    const char16_t letter = peek();
    if (letter == u'E' || letter == u'e' || letter == u'D' || letter == u'd') {
      const qsizetype mark = pos_;
      advance();
      bool negativeExponent = false;
      const char16_t sign = peek();
      if (sign == u'+' || sign == u'-') {
        negativeExponent = sign == u'-';
        advance();
      }
      if (isAsciiDigit(peek())) {
        std::int64_t exponent = 0;
        while (isAsciiDigit(peek())) {
          exponent = std::min(exponent * 10 + (advance() - u'0'), kExponentCap);
        }
        point += negativeExponent ? -exponent : exponent;
        s.end = pos_;
      } else {
        pos_ = mark;
      }
    }

    if (sticky) {
      // Stands for the dropped non-zero digits; trailing zeros must stay to keep its place.
      digits.push_back('1');
    }
    s.value.digits = std::move(digits);
    s.value.point = point;
    normalise(s.value);
    return s;
  }

 private:
  static bool isSkipped(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

  char16_t peek() {
    if (skipBlanks_) {
      while (pos_ < text_.size() && isSkipped(text_[pos_]))
        ++pos_;
    }
    return pos_ < text_.size() ? text_[pos_].unicode() : char16_t{0};
  }
  char16_t advance() { return text_[pos_++].unicode(); }

  QStringView text_;
  bool skipBlanks_;
  qsizetype pos_ = 0;
};

// A decimal of at most 7 (15) digits times a power of ten up to 10^10 (10^22): both factors are
// exact floats (doubles), so one multiplication or division rounds the exact value correctly,
// and most entries and range bounds need nothing more.
template <typename Float>
bool fewDigitsToBinary(const Decimal& d, Float& out) {
  constexpr bool isFloat = std::is_same_v<Float, float>;
  constexpr std::int64_t kDigits = isFloat ? 7 : 15;
  constexpr std::int64_t kLargestPower = isFloat ? 10 : 22;
  static constexpr std::array<Float, 23> kPowers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const std::int64_t power = d.point - d.size();
  if (d.size() > kDigits || power < -kLargestPower || power > kLargestPower) return false;
  std::int64_t whole = 0;
  for (const char digit : d.digits)
    whole = whole * 10 + (digit - '0');
  const auto mantissa = static_cast<Float>(whole);
  const Float scale = kPowers[static_cast<std::size_t>(power < 0 ? -power : power)];
  out = power < 0 ? mantissa / scale : mantissa * scale;
  return true;
}

// The binary value nearest the exact decimal, ties to even, in one correctly rounded step.
template <typename Float>
Float toBinary(const Scanned& s) {
  const Decimal& d = s.value;
  if (d.isZero() || d.point < -kPointLimit) return Float{0};
  if (Float value{}; fewDigitsToBinary(d, value)) return s.negative ? -value : value;
  if (d.point > kPointLimit) throwOverflow();
  std::string text;
  text.reserve(d.digits.size() + 12);
  text += "0.";
  text += d.digits;
  text += 'e';
  text += std::to_string(d.point);
  Float value{};
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Reported both for overflow and for a magnitude below half the smallest subnormal.
    if (d.point > 0) throwOverflow();
    return Float{0};
  }
  if (result.ec != std::errc{} || std::isinf(value)) throwOverflow();
  if (value == 0) return Float{0};
  return s.negative ? -value : value;
}

// Rounds the exact decimal to a whole number, half to even.
Integer toInteger(const Decimal& d, bool negative) {
  if (d.isZero()) return 0;
  if (d.point > 5) throwOverflow();  // at least 100000
  std::int64_t whole = 0;
  for (std::int64_t i = 0; i < d.point; ++i)
    whole = whole * 10 + (d.digitAt(i) - '0');
  // Compare the fraction with one half.
  int versusHalf = -1;
  if (d.point >= 0 && d.point < d.size()) {
    const char first = d.digitAt(d.point);
    if (first > '5') {
      versusHalf = 1;
    } else if (first == '5') {
      versusHalf = d.point + 1 < d.size() ? 1 : 0;  // no trailing zeros: any digit is non-zero
    }
  }
  if (versusHalf > 0 || (versusHalf == 0 && whole % 2 != 0)) ++whole;
  const std::int64_t result = negative ? -whole : whole;
  if (result < std::numeric_limits<Integer>::min() || result > std::numeric_limits<Integer>::max())
    throwOverflow();
  return static_cast<Integer>(result);
}

}  // namespace

Single leadingSingle(QStringView text) {
  return toBinary<Single>(Scanner(text, true).scan());
}

double leadingDouble(QStringView text) {
  return toBinary<double>(Scanner(text, true).scan());
}

Single generalFormValue(Single value) {
  Scanned s;
  s.value = sevenDigits(value);
  s.negative = value < 0;
  return toBinary<Single>(s);
}

qsizetype leadingNumberLength(QStringView text) {
  return Scanner(text, true).scan().end;
}

Integer leadingInteger(QStringView text) {
  const Scanned s = Scanner(text, true).scan();
  return toInteger(s.value, s.negative);
}

Integer completeInteger(QStringView text) {
  auto trimmed = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
  while (!text.isEmpty() && trimmed(text.front()))
    text = text.sliced(1);
  while (!text.isEmpty() && trimmed(text.back()))
    text.chop(1);
  if (text.isEmpty()) throwTypeMismatch();
  const Scanned s = Scanner(text, false).scan();
  if (!s.hasMantissa || s.end != text.size()) throwTypeMismatch();
  return toInteger(s.value, s.negative);
}

Integer roundToInteger(double value) {
  if (!std::isfinite(value)) throwOverflow();
  double whole = std::floor(value);
  const double fraction = value - whole;  // exact: no double above 2^52 has a fraction
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  if (whole < -32768 || whole > 32767) throwOverflow();
  return static_cast<Integer>(whole);
}

double intPart(double value) {
  if (!std::isfinite(value)) return value;
  const double whole = std::floor(value);
  return whole == 0 ? 0.0 : whole;  // never a negative zero
}

}  // namespace vantrel::numtext
