#include "calc/RangeData.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "calc/RangeRule.h"
#include "calc/SingleValue.h"
#include "numtext/NumberFormat.h"
#include "numtext/NumberReading.h"

namespace vantrel::calc {
namespace {

constexpr double kLog10OfE = 0.434294481;
constexpr int kDisplayDigits = 2;

bool isAnything(const QString& item) {
  return trimBlanks(item) == QStringLiteral("*");
}

// A number of a range bound as the message shows it: in the display unit, to two significant
// digits, with the leading blank of a non-negative number.
QString displayBound(const QString& text, Single factor) {
  double value = 0;
  try {
    value = numtext::leadingDouble(text);
  } catch (const numtext::NumberError&) {
    // Beyond even the double range: only the sign matters for the saturated bound below.
    const QString compact = QString(text).remove(u' ').remove(u'\t').remove(u'\n');
    value = compact.startsWith(u'-') ? -std::numeric_limits<double>::max()
                                     : std::numeric_limits<double>::max();
  }
  const double product = static_cast<double>(factor) * value;
  Single bound = std::numeric_limits<Single>::quiet_NaN();
  if (!std::isnan(product) && !storeSingle(product, bound))
    bound = product > 0 ? FLT_MAX : -FLT_MAX;
  return numtext::leadingSpaceForm(RoundSignificant(bound, kDisplayDigits));
}

Single storeOrThrow(double value) {
  Single stored = 0;
  if (!storeSingle(value, stored))
    throw numtext::NumberError(numtext::NumberError::Kind::Overflow,
                               "Rounded value beyond the Single range");
  return stored;
}

}  // namespace

QString PopItem(QString& text) {
  const qsizetype comma = text.indexOf(u',');
  if (comma < 0) {
    QString whole = text;
    text.clear();
    return whole;
  }
  QString item = text.left(comma);
  text.remove(0, comma + 1);
  return item;
}

bool CheckRange(QString& expression, QString& entry, Single& numValue, QString& textValue) {
  const RangeRule rule(expression);
  bool entryRead = true;
  const bool accepted = rule.check(entry, numValue, textValue, &entryRead);
  // Consumed as the items are read: all of it, unless the entry's number could not be read,
  // which ends the check before the first item.
  if (entryRead) {
    expression.clear();
  } else {
    expression = expression.toUpper();
    PopItem(expression);
  }
  return accepted;
}

QString RangeToDisplay(QString& expression, Single factor) {
  if (factor == 1.0f) return expression;
  expression = expression.toUpper();
  const QString first = PopItem(expression);
  if (first == QStringLiteral("S")) return QString();
  QString out = first;
  do {
    out += u',';
    const QString item = PopItem(expression);
    const qsizetype tilde = item.indexOf(u'~');
    if (isAnything(item)) {
      out += item;
    } else if (tilde >= 0) {
      QString low = item.left(tilde);
      QString high = item.mid(tilde + 1);
      if (low.startsWith(u'>')) {
        out += u'>';
        low.remove(0, 1);
      }
      out += displayBound(low, factor) + u'~';
      if (high.startsWith(u'<')) {
        out += u'<';
        high.remove(0, 1);
      }
      out += displayBound(high, factor);
    } else {
      out += displayBound(item, factor);
    }
  } while (!expression.isEmpty());
  return out;
}

QString RangeMessage(const QString& shown, QString& caption, const QString& unit) {
  QString s = shown.mid(2);
  for (qsizetype at = s.indexOf(QStringLiteral("?,")); at >= 0;
       at = s.indexOf(QStringLiteral("?,")))
    s.remove(at, 2);
  const qsizetype hidden = s.indexOf(QStringLiteral(",?"));
  if (hidden >= 0) s.truncate(hidden);
  s.replace(u',', QStringLiteral(", "));
  const qsizetype lastComma = s.lastIndexOf(u',');
  if (lastComma >= 0) s.replace(lastComma, 1, QStringLiteral(" or "));
  s.replace(u'~', QStringLiteral(" to "));
  s.replace(u'<', QStringLiteral(" less than "));
  s.replace(u'>', QStringLiteral(" greater than "));

  const qsizetype accelerator = caption.indexOf(u'&');
  if (accelerator >= 0) caption[accelerator] = u' ';
  const qsizetype equals = caption.indexOf(u'=');
  if (equals >= 0) caption[equals] = u' ';

  QString message = caption + QStringLiteral(" out of Range!");
  if (shown.size() < 2) return message;
  return message + QChar(13) + QStringLiteral("Accepted range is: ") + s + unit;
}

QString RangeWords(const QString& expression, Single factor) {
  QString rest = expression;
  QString noCaption;
  const QString message = RangeMessage(RangeToDisplay(rest, factor), noCaption, QString());
  const QString label = QStringLiteral("Accepted range is: ");
  const qsizetype at = message.indexOf(label);
  return at < 0 ? QString() : message.mid(at + label.size()).simplified();
}

Single RoundSignificant(Single value, Integer digits) {
  if (value == 0.0f) return 0.0f;
  if (!std::isfinite(value)) return value;
  if (value < 0.0f) return -RoundSignificant(-value, digits);
  const Single exponent = storeOrThrow(std::log(static_cast<double>(value)) * kLog10OfE);
  const Single whole = static_cast<Single>(numtext::intPart(exponent));
  const Single mantissa = storeOrThrow(std::pow(10.0, static_cast<double>(exponent) - whole));
  const double scale = std::pow(10.0, digits - 1);
  const Integer rounded = numtext::roundToInteger(scale * mantissa);
  if (rounded == 0) return 0.0f;
  const Single quotient = storeOrThrow(rounded / scale);
  return storeOrThrow(std::pow(10.0, static_cast<double>(whole)) * quotient);
}

}  // namespace vantrel::calc
