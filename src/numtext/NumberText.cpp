#include "numtext/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

namespace vantrel::numtext {

namespace {

[[noreturn]] void throwOverflow() {
  throw NumberError(NumberError::Kind::Overflow, "Overflow");
}

[[noreturn]] void throwTypeMismatch() {
  throw NumberError(NumberError::Kind::TypeMismatch, "Type mismatch");
}

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

// The value of |x| rounded to 7 significant digits, half away from zero. The rounding works on
// the exact binary expansion (at most 112 significant digits): rounding a shorter, already
// rounded text could round twice.
Decimal sevenDigits(Single x) {
  Decimal d;
  if (x == 0 || !std::isfinite(x)) return d;
  std::array<char, 160> buf{};
  const double magnitude = std::fabs(static_cast<double>(x));
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                    std::chars_format::scientific, 111);
  // "d.ddd...e+XX": the 7 kept digits and the first dropped one are all that rounding needs.
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
  normalise(d);
  roundKeeping(d, 7);
  return d;
}

// ----------------------------------------------------------------------------------------------
// Reading numbers

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

// The binary value nearest the exact decimal, ties to even, in one correctly rounded step.
template <typename Float>
Float toBinary(const Scanned& s) {
  const Decimal& d = s.value;
  if (d.isZero() || d.point < -kPointLimit) return Float{0};
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

// ----------------------------------------------------------------------------------------------
// General form

void appendExponentDigits(std::string& out, std::int64_t magnitude, std::int64_t minDigits) {
  const std::string digits = std::to_string(magnitude);
  for (std::int64_t i = static_cast<std::int64_t>(digits.size()); i < minDigits; ++i)
    out += '0';
  out += digits;
}

std::string generalText(Single value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  if (value == 0) return "0";
  const Decimal d = sevenDigits(value);
  const std::int64_t x = d.point - 1;
  std::string out;
  out.reserve(16);
  if (value < 0) out += '-';
  if (x >= -4 && x <= 6) {
    if (x >= 0) {
      for (std::int64_t i = 0; i <= x; ++i)
        out += d.digitAt(i);
      if (d.size() > x + 1) {
        out += '.';
        out.append(d.digits, static_cast<std::size_t>(x + 1));
      }
    } else {
      out += "0.";
      out.append(static_cast<std::size_t>(-x - 1), '0');
      out += d.digits;
    }
  } else {
    out += d.digits[0];
    if (d.size() > 1) {
      out += '.';
      out.append(d.digits, 1);
    }
    out += 'E';
    out += x < 0 ? '-' : '+';
    appendExponentDigits(out, x < 0 ? -x : x, 2);
  }
  return out;
}

// ----------------------------------------------------------------------------------------------
// Format patterns

enum class TokenKind { Zero, Hash, Point, Comma, Percent, Exponent, Literal };

struct Token {
  TokenKind kind;
  QStringView text;  // shown text of a literal
  QChar letter;      // exponent marker letter
  bool plusSign = false;
  std::int64_t exponentZeros = 0;
};

struct Section {
  std::vector<Token> tokens;
  std::int64_t integerPlaceholders = 0;
  std::int64_t fractionPlaceholders = 0;
  std::int64_t zeroPadding = 0;       // integer placeholders from the leftmost '0' on
  std::int64_t lastFractionZero = 0;  // 1-based position of the last '0' after the point
  std::int64_t percents = 0;
  std::int64_t scalingCommas = 0;
  bool grouping = false;
  bool hasExponent = false;
};

bool isPlaceholder(TokenKind kind) {
  return kind == TokenKind::Zero || kind == TokenKind::Hash;
}

Section parseSection(QStringView s) {
  Section sec;
  std::vector<Token>& tokens = sec.tokens;
  tokens.reserve(static_cast<std::size_t>(s.size()));
  auto literal = [&](QStringView text) { tokens.push_back(Token{TokenKind::Literal, text, {}}); };
  bool hasPoint = false;
  bool afterExponent = false;
  std::int64_t placeholders = 0;
  const qsizetype n = s.size();
  qsizetype i = 0;
  while (i < n) {
    const QChar c = s[i];
    if (c == u'"') {
      qsizetype close = s.indexOf(u'"', i + 1);
      if (close < 0) close = n;
      if (close > i + 1) literal(s.sliced(i + 1, close - i - 1));
      i = close + 1;
      continue;
    }
    if (c == u'\\') {
      if (i + 1 < n) {
        const qsizetype len =
            (s[i + 1].isHighSurrogate() && i + 2 < n && s[i + 2].isLowSurrogate()) ? 2 : 1;
        literal(s.sliced(i + 1, len));
        i += 1 + len;
      } else {
        i = n;
      }
      continue;
    }
    if (afterExponent) {
      if (c == u'%') {
        tokens.push_back(Token{TokenKind::Percent, {}, {}});
      } else {
        literal(s.sliced(i, 1));
      }
      ++i;
      continue;
    }
    switch (c.unicode()) {
      case u'0':
        tokens.push_back(Token{TokenKind::Zero, {}, {}});
        ++placeholders;
        break;
      case u'#':
        tokens.push_back(Token{TokenKind::Hash, {}, {}});
        ++placeholders;
        break;
      case u'.':
        if (hasPoint) {
          literal(s.sliced(i, 1));
        } else {
          tokens.push_back(Token{TokenKind::Point, {}, {}});
          hasPoint = true;
        }
        break;
      case u',':
        tokens.push_back(Token{TokenKind::Comma, s.sliced(i, 1), {}});
        break;
      case u'%':
        tokens.push_back(Token{TokenKind::Percent, {}, {}});
        break;
      case u'E':
      case u'e':
        if (placeholders > 0 && i + 1 < n && (s[i + 1] == u'+' || s[i + 1] == u'-')) {
          Token marker{TokenKind::Exponent, {}, c};
          marker.plusSign = s[i + 1] == u'+';
          qsizetype j = i + 2;
          while (j < n && (s[j] == u'0' || s[j] == u'#')) {
            if (s[j] == u'0') ++marker.exponentZeros;
            ++j;
          }
          tokens.push_back(marker);
          afterExponent = true;
          sec.hasExponent = true;
          i = j;
          continue;
        }
        literal(s.sliced(i, 1));
        break;
      default:
        literal(s.sliced(i, 1));
        break;
    }
    ++i;
  }

  // Placeholder counts; placeholders after an exponent marker are literals already.
  bool seenPoint = false;
  std::int64_t firstZero = -1;
  for (const Token& t : tokens) {
    if (t.kind == TokenKind::Point) seenPoint = true;
    if (t.kind == TokenKind::Percent) ++sec.percents;
    if (!isPlaceholder(t.kind)) continue;
    if (!seenPoint) {
      if (t.kind == TokenKind::Zero && firstZero < 0) firstZero = sec.integerPlaceholders;
      ++sec.integerPlaceholders;
    } else {
      ++sec.fractionPlaceholders;
      if (t.kind == TokenKind::Zero) sec.lastFractionZero = sec.fractionPlaceholders;
    }
  }
  sec.zeroPadding = firstZero < 0 ? 0 : sec.integerPlaceholders - firstZero;

  // What each run of commas means depends on the placeholders around it.
  std::int64_t placeholdersBefore = 0;
  for (std::size_t k = 0; k < tokens.size();) {
    if (isPlaceholder(tokens[k].kind)) ++placeholdersBefore;
    if (tokens[k].kind != TokenKind::Comma) {
      ++k;
      continue;
    }
    std::size_t end = k;
    while (end < tokens.size() && tokens[end].kind == TokenKind::Comma)
      ++end;
    const bool placeholderAfter = placeholdersBefore < placeholders;
    if (placeholdersBefore == 0) {
      for (std::size_t r = k; r < end; ++r)
        tokens[r].kind = TokenKind::Literal;
    } else if (sec.hasExponent) {
      // Grouping and scaling have no meaning next to an exponent; the run shows nothing.
    } else if ((end < tokens.size() && tokens[end].kind == TokenKind::Point) || !placeholderAfter) {
      sec.scalingCommas += static_cast<std::int64_t>(end - k);
    } else {
      sec.grouping = true;
    }
    k = end;
  }
  return sec;
}

// Shows the magnitude `v` through a section; `negative` asks for the minus sign of section 1.
QString renderSection(const Section& sec, Decimal v, bool negative) {
  QString out;
  out.reserve(static_cast<qsizetype>(sec.tokens.size()) + 16);
  const std::int64_t k = sec.integerPlaceholders;
  const std::int64_t n = sec.fractionPlaceholders;

  if (k + n == 0) {
    // The value is not shown, only the section's own characters.
    for (const Token& t : sec.tokens) {
      if (t.kind == TokenKind::Literal) out += t.text;
      if (t.kind == TokenKind::Percent) out += u'%';
      if (t.kind == TokenKind::Point) out += u'.';
    }
    return out;
  }

  if (!v.isZero()) v.point += 2 * sec.percents;
  std::int64_t exponent = 0;
  if (sec.hasExponent) {
    if (!v.isZero()) {
      const std::int64_t e = v.point - 1;
      exponent = k >= 1 ? e - k + 1 : e + 1;
      v.point -= exponent;
      roundToDecimals(v, n);
      if (v.point > k) {  // rounding reached 10^k
        --v.point;
        ++exponent;
      }
    }
  } else {
    if (!v.isZero()) v.point -= 3 * sec.scalingCommas;
    roundToDecimals(v, n);
  }

  std::string whole;
  for (std::int64_t i = 0; i < v.point; ++i)
    whole += v.digitAt(i);
  if (static_cast<std::int64_t>(whole.size()) < sec.zeroPadding)
    whole.insert(0, static_cast<std::size_t>(sec.zeroPadding) - whole.size(), '0');
  std::string fraction;
  std::int64_t shownFraction = sec.lastFractionZero;
  for (std::int64_t i = 0; i < n; ++i) {
    fraction += v.digitAt(v.point + i);
    if (fraction.back() != '0') shownFraction = std::max(shownFraction, i + 1);
  }
  const bool nonZeroShown = whole.find_first_not_of('0') != std::string::npos ||
                            fraction.find_first_not_of('0') != std::string::npos;
  bool minusPending = negative && nonZeroShown;
  auto produce = [&]() {
    if (minusPending) {
      out += u'-';
      minusPending = false;
    }
  };

  const auto wholeSize = static_cast<std::int64_t>(whole.size());
  const bool grouping = sec.grouping && !sec.hasExponent;
  auto writeWhole = [&](std::int64_t begin, std::int64_t end) {
    for (std::int64_t idx = std::max<std::int64_t>(begin, 0); idx < end; ++idx) {
      produce();
      out += QLatin1Char(whole[static_cast<std::size_t>(idx)]);
      const std::int64_t after = wholeSize - 1 - idx;
      if (grouping && after > 0 && after % 3 == 0) out += u',';
    }
  };
  std::int64_t integerIndex = 0;
  std::int64_t fractionIndex = 0;
  bool seenPoint = false;
  for (const Token& t : sec.tokens) {
    switch (t.kind) {
      case TokenKind::Zero:
      case TokenKind::Hash:
        if (!seenPoint) {
          // Digits are laid from the right; the first placeholder takes any surplus.
          const std::int64_t j = integerIndex++;
          const std::int64_t end = wholeSize - k + j + 1;
          const std::int64_t begin = j == 0 ? 0 : end - 1;
          writeWhole(begin, end);
        } else {
          const std::int64_t f = ++fractionIndex;
          if (f <= shownFraction) {
            produce();
            out += QLatin1Char(fraction[static_cast<std::size_t>(f - 1)]);
          }
        }
        break;
      case TokenKind::Point:
        seenPoint = true;
        produce();
        if (k == 0) writeWhole(0, wholeSize);  // digits in front of the point belong to it
        out += u'.';
        break;
      case TokenKind::Comma:
        break;
      case TokenKind::Percent:
        out += u'%';
        break;
      case TokenKind::Exponent: {
        std::string text;
        text += static_cast<char>(t.letter.unicode());
        if (exponent < 0) {
          text += '-';
        } else if (t.plusSign) {
          text += '+';
        }
        appendExponentDigits(text, exponent < 0 ? -exponent : exponent, t.exponentZeros);
        out += QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
        break;
      }
      case TokenKind::Literal:
        out += t.text;
        break;
    }
  }
  return out;
}

bool equalsIgnoringAsciiCase(QStringView text, const char* name) {
  qsizetype i = 0;
  for (; name[i] != '\0'; ++i) {
    if (i >= text.size()) return false;
    char16_t c = text[i].unicode();
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    char16_t expected = static_cast<char16_t>(name[i]);
    if (expected >= u'A' && expected <= u'Z')
      expected = static_cast<char16_t>(expected - u'A' + u'a');
    if (c != expected) return false;
  }
  return i == text.size();
}

}  // namespace

Single leadingSingle(QStringView text) {
  return toBinary<Single>(Scanner(text, true).scan());
}

double leadingDouble(QStringView text) {
  return toBinary<double>(Scanner(text, true).scan());
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

QString generalForm(Single value) {
  return QString::fromLatin1(generalText(value));
}

QString leadingSpaceForm(Single value) {
  std::string text = generalText(value);
  if (!(value < 0)) text.insert(0, 1, ' ');
  return QString::fromLatin1(text);
}

QString formatPattern(Single value, QStringView pattern) {
  if (!std::isfinite(value)) return generalForm(value);
  if (equalsIgnoringAsciiCase(pattern, "General Number")) return generalForm(value);
  if (equalsIgnoringAsciiCase(pattern, "Fixed")) return formatPattern(value, u"0.00");
  if (equalsIgnoringAsciiCase(pattern, "Standard")) return formatPattern(value, u"#,##0.00");
  if (equalsIgnoringAsciiCase(pattern, "Percent")) return formatPattern(value, u"0.00%");
  if (equalsIgnoringAsciiCase(pattern, "Scientific")) return formatPattern(value, u"0.00E+00");
  if (pattern.isEmpty()) return generalForm(value);

  // Split at each ";" outside quotes and not escaped; sections after the fourth are ignored.
  std::array<QStringView, 4> sections;
  std::size_t count = 0;
  qsizetype start = 0;
  bool inQuote = false;
  for (qsizetype i = 0; i < pattern.size() && count < sections.size(); ++i) {
    const QChar c = pattern[i];
    if (inQuote) {
      if (c == u'"') inQuote = false;
    } else if (c == u'"') {
      inQuote = true;
    } else if (c == u'\\') {
      ++i;
    } else if (c == u';') {
      sections[count++] = pattern.sliced(start, i - start);
      start = i + 1;
    }
  }
  if (count < sections.size()) sections[count++] = pattern.sliced(std::min(start, pattern.size()));

  QStringView chosen = sections[0];
  bool minus = false;
  if (value == 0) {
    if (count >= 3 && !sections[2].isEmpty()) chosen = sections[2];
  } else if (value < 0) {
    if (count >= 2 && !sections[1].isEmpty()) {
      chosen = sections[1];
    } else {
      minus = true;
    }
  }
  if (chosen.isEmpty()) return generalForm(value);
  return renderSection(parseSection(chosen), sevenDigits(value), minus);
}

}  // namespace vantrel::numtext
