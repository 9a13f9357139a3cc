#include "numtext/NumberFormat.h"

#include <QVarLengthArray>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/TextKeys.h"
#include "numtext/Decimal.h"

namespace vantrel::numtext {

namespace {

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
// The characters of a shown value, gathered on the stack and made a QString once.
class Chars {
 public:
  Chars& operator+=(QChar c) {
    chars_.append(c);
    return *this;
  }
  Chars& operator+=(QLatin1Char c) { return *this += QChar(c); }
  Chars& operator+=(QStringView text) {
    chars_.append(text.data(), text.size());
    return *this;
  }
  Chars& operator+=(QLatin1StringView text) {
    for (const char c : text)
      chars_.append(QChar(QLatin1Char(c)));
    return *this;
  }
  QString text() const { return QString(chars_.constData(), chars_.size()); }

 private:
  QVarLengthArray<QChar, 48> chars_;
};

QString renderSection(const Section& sec, Decimal v, bool negative) {
  Chars out;
  const std::int64_t k = sec.integerPlaceholders;
  const std::int64_t n = sec.fractionPlaceholders;

  if (k + n == 0) {
    // The value is not shown, only the section's own characters.
    for (const Token& t : sec.tokens) {
      if (t.kind == TokenKind::Literal) out += t.text;
      if (t.kind == TokenKind::Percent) out += u'%';
      if (t.kind == TokenKind::Point) out += u'.';
    }
    return out.text();
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
        out += QLatin1StringView(text.data(), static_cast<qsizetype>(text.size()));
        break;
      }
      case TokenKind::Literal:
        out += t.text;
        break;
    }
  }
  return out.text();
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

// A pattern split into its sections (at each ";" outside quotes and not escaped; those after
// the fourth are ignored), each read; or a named format that gives the general form.
struct ReadPattern {
  QString text;  // the characters the sections' literals are views of
  bool general = false;
  std::size_t count = 0;
  std::array<Section, 4> sections;
  std::array<bool, 4> empty{};
};

ReadPattern readPatternText(QString text) {
  ReadPattern read;
  read.text = std::move(text);
  const QStringView pattern = read.text;
  std::array<QStringView, 4> parts;
  qsizetype start = 0;
  bool inQuote = false;
  for (qsizetype i = 0; i < pattern.size() && read.count < parts.size(); ++i) {
    const QChar c = pattern[i];
    if (inQuote) {
      if (c == u'"') inQuote = false;
    } else if (c == u'"') {
      inQuote = true;
    } else if (c == u'\\') {
      ++i;
    } else if (c == u';') {
      parts[read.count++] = pattern.sliced(start, i - start);
      start = i + 1;
    }
  }
  if (read.count < parts.size())
    parts[read.count++] = pattern.sliced(std::min(start, pattern.size()));
  for (std::size_t k = 0; k < read.count; ++k) {
    read.empty[k] = parts[k].isEmpty();
    read.sections[k] = parseSection(parts[k]);
  }
  return read;
}

ReadPattern readNamedPattern(QStringView pattern) {
  if (equalsIgnoringAsciiCase(pattern, "General Number") || pattern.isEmpty()) {
    ReadPattern general;
    general.general = true;
    return general;
  }
  if (equalsIgnoringAsciiCase(pattern, "Fixed")) return readPatternText(QStringLiteral("0.00"));
  if (equalsIgnoringAsciiCase(pattern, "Standard"))
    return readPatternText(QStringLiteral("#,##0.00"));
  if (equalsIgnoringAsciiCase(pattern, "Percent")) return readPatternText(QStringLiteral("0.00%"));
  if (equalsIgnoringAsciiCase(pattern, "Scientific"))
    return readPatternText(QStringLiteral("0.00E+00"));
  return readPatternText(pattern.toString());
}

// A page's values are shown through the same few dozen patterns over and over: each is read on
// this thread's first use and kept (past a few hundred patterns, only until the next one).
const ReadPattern& readPattern(QStringView pattern) {
  constexpr std::size_t kKept = 256;
  thread_local std::unordered_map<QString, ReadPattern, TextHash, TextEqual> kept;
  thread_local ReadPattern unkept;
  const auto found = kept.find(pattern);
  if (found != kept.end()) return found->second;
  if (kept.size() >= kKept) return unkept = readNamedPattern(pattern);
  return kept.emplace(pattern.toString(), readNamedPattern(pattern)).first->second;
}

}  // namespace

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
  const ReadPattern& read = readPattern(pattern);
  if (read.general) return generalForm(value);
  const Section* chosen = &read.sections[0];
  bool minus = false;
  if (value == 0) {
    if (read.count >= 3 && !read.empty[2]) chosen = &read.sections[2];
  } else if (value < 0) {
    if (read.count >= 2 && !read.empty[1]) {
      chosen = &read.sections[1];
    } else {
      minus = true;
    }
  }
  if (chosen == &read.sections[0] && read.empty[0]) return generalForm(value);
  return renderSection(*chosen, sevenDigits(value), minus);
}

QString shortestText(Single value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

}  // namespace vantrel::numtext
