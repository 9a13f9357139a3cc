// Number text under arbitrary text, values and patterns. Reading is checked against the C
// library's correctly rounded conversion of the same digits, formatting against reading its own
// output back.

#include <QRegularExpression>
#include <QString>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "entries/FuzzEntries.h"
#include "entries/Inputs.h"
#include "numtext/NumberFormat.h"
#include "numtext/NumberReading.h"

namespace vantrel::fuzz {
namespace {

using numtext::NumberError;

bool isDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

// The digits the leading-number rule reads from text, as the C library spells a number ("" when
// there is none): blanks, tabs and line feeds dropped, then [sign] mantissa [exponent].
std::string numberPrefix(const QString& text) {
  QString s = text;
  s.remove(u' ').remove(u'\t').remove(u'\n');
  std::string out;
  qsizetype i = 0;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) out += static_cast<char>(s[i++].unicode());
  bool digits = false;
  while (i < s.size() && isDigit(s[i])) {
    out += static_cast<char>(s[i++].unicode());
    digits = true;
  }
  if (i < s.size() && s[i] == u'.') {
    out += '.';
    ++i;
    while (i < s.size() && isDigit(s[i])) {
      out += static_cast<char>(s[i++].unicode());
      digits = true;
    }
  }
  if (!digits) return std::string();
  if (i < s.size() && QStringLiteral("EeDd").contains(s[i])) {
    qsizetype j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
      exponent += static_cast<char>(s[j++].unicode());
    const qsizetype firstDigit = j;
    while (j < s.size() && isDigit(s[j]))
      exponent += static_cast<char>(s[j++].unicode());
    if (j > firstDigit) out += exponent;
  }
  return out;
}

template <typename Number>
bool readsOrOverflows(Number (*read)(QStringView), QStringView text, Number& value) {
  try {
    value = read(text);
    return true;
  } catch (const NumberError& error) {
    require(error.kind() == NumberError::Kind::Overflow,
            "leading-number rule raised type mismatch");
    return false;
  }
}

void checkReading(const QString& text) {
  const std::string prefix = numberPrefix(text);
  const std::string what = " of \"" + text.toStdString() + "\"";

  errno = 0;
  const float cFloat = prefix.empty() ? 0.0f : std::strtof(prefix.c_str(), nullptr);
  Single single = 0;
  if (readsOrOverflows(&numtext::leadingSingle, text, single)) {
    require(single == cFloat && !std::isinf(cFloat), "Single" + what + " is not the nearest float");
    require(single != 0 || !std::signbit(single), "Single" + what + " is a negative zero");
  } else {
    require(std::isinf(cFloat), "Single" + what + " overflows but fits a float");
  }

  const double cDouble = prefix.empty() ? 0.0 : std::strtod(prefix.c_str(), nullptr);
  double value = 0;
  const bool fitsDouble = readsOrOverflows(&numtext::leadingDouble, text, value);
  if (fitsDouble) {
    require(value == cDouble && !std::isinf(cDouble), "double" + what + " is not the nearest");
  } else {
    require(std::isinf(cDouble), "double" + what + " overflows but fits a double");
  }

  // The characters the rule reads hold the whole number: reading them alone gives the same.
  const qsizetype length = numtext::leadingNumberLength(text);
  require(length >= 0 && length <= text.size() && (length == 0) == prefix.empty(),
          "the length read" + what + " does not match the number read");
  double part = 0;
  const bool partFits = readsOrOverflows(&numtext::leadingDouble, text.left(length), part);
  require(partFits == fitsDouble && (!fitsDouble || part == value),
          "the characters read" + what + " do not read as its number");

  // The Integer is rounded from the exact value, so only the double's neighbourhood is known.
  Integer whole = 0;
  if (readsOrOverflows(&numtext::leadingInteger, text, whole)) {
    require(fitsDouble && std::fabs(whole - value) <= 0.5 + 1e-6,
            "Integer" + what + " is not the nearest whole number");
  } else {
    require(!fitsDouble || value >= 32767.5 - 1e-6 || value <= -32768.5 + 1e-6,
            "Integer" + what + " overflows inside -32768 ... 32767");
  }

  // Complete-number reading is the leading-number rule on a text that is nothing but a number.
  const QString trimmed = QString(text).remove(QRegularExpression("^[ \\t\\r\\n]+|[ \\t\\r\\n]+$"));
  try {
    const Integer complete = numtext::completeInteger(text);
    Integer leading = 0;
    require(readsOrOverflows(&numtext::leadingInteger, trimmed, leading) && leading == complete,
            "complete Integer" + what + " differs from the leading number of the trimmed text");
  } catch (const NumberError& error) {
    Integer leading = 0;
    if (error.kind() == NumberError::Kind::Overflow)
      require(!readsOrOverflows(&numtext::leadingInteger, trimmed, leading),
              "complete Integer" + what + " overflows where the leading number fits");
  }
}

// A pattern of digit placeholders with at most one decimal point and nothing else.
const QRegularExpression& plainPlaceholders() {
  static const QRegularExpression re(QStringLiteral("^[0#]*(\\.([0#]*))?$"));
  return re;
}

void checkFormatting(Single value, const QString& pattern) {
  const QString general = numtext::generalForm(value);
  const QString shown = numtext::formatPattern(value, pattern);
  const std::string what =
      " of " + general.toStdString() + " through \"" + pattern.toStdString() + "\"";
  if (!std::isfinite(value)) {
    require(shown == general, "non-finite value" + what + " is not shown in general form");
    return;
  }
  require(numtext::formatPattern(value, QString()) == general, "empty pattern" + what);

  // The general form keeps 7 significant digits: reading it back is within half a unit of the
  // seventh digit.
  const double back = numtext::leadingDouble(general);
  require(std::fabs(back - value) <= 5.000001e-7 * std::fabs(value),
          "general form" + what + " does not read back as the value");

  const QRegularExpressionMatch match = plainPlaceholders().match(pattern);
  if (!match.hasMatch() || !pattern.contains(QRegularExpression("[0#]"))) return;
  const int decimals = static_cast<int>(match.captured(2).size());
  // Shown to `decimals` places from the value rounded to 7 significant digits.
  const double bound =
      0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 5.000001e-7 * std::fabs(value);
  const double read = numtext::leadingDouble(shown);
  require(shown.isEmpty() ? std::fabs(value) <= bound : std::fabs(read - value) <= bound,
          "pattern" + what + " shows " + shown.toStdString());
}

}  // namespace

Outcome fuzzNumberText(const std::uint8_t* data, std::size_t size) {
  checkReading(QString::fromUtf8(bytesOf(data, size)));
  if (size < 4) return Outcome::Refused;
  Single value = 0;
  std::memcpy(&value, data, sizeof value);
  checkFormatting(value, QString::fromUtf8(bytesOf(data + 4, size - 4)));
  return Outcome::Accepted;
}

}  // namespace vantrel::fuzz
