#include "curves/Span.h"

#include <cmath>

#include "calc/RangeData.h"
#include "calc/SingleValue.h"
#include "numtext/NumberFormat.h"

namespace vantrel::curves {

namespace {

constexpr double kPositiveReach = 5;  // a fifth to five times the value
constexpr double kLinearReach = 4;    // the value, plus and less four times its size
constexpr double kLogFrom = 10;       // the smallest span ratio given a logarithmic axis
constexpr int kBisections = 60;       // enough to close on a bound to the last bit of a Single

// The accepted value nearest to `outside` between it and `inside` (which is accepted), as the
// range check reads it: a value just past a bound can pass as the bound in its seven-digit text,
// and would be stored past it.
double clipTowards(const QString& expression, double inside, double outside, bool logScale) {
  if (rangeAccepts(expression, outside)) return outside;
  for (int i = 0; i < kBisections; ++i) {
    const double middle = logScale ? std::sqrt(inside * outside) : (inside + outside) / 2;
    (rangeAccepts(expression, middle) ? inside : outside) = middle;
  }
  return rangeRead(expression, inside).value_or(inside);
}

}  // namespace

double Span::at(double t) const {
  if (scale == Scale::Log) return low * std::pow(high / low, t);
  return low + (high - low) * t;
}

std::optional<double> rangeRead(const QString& expression, double value) {
  Single stored = 0;
  if (!calc::storeSingle(value, stored)) return std::nullopt;
  QString consumed = expression;
  QString entry = numtext::leadingSpaceForm(stored);
  Single number = 0;
  QString text;
  if (!calc::CheckRange(consumed, entry, number, text)) return std::nullopt;
  return number;
}

bool rangeAccepts(const QString& expression, double value) {
  return rangeRead(expression, value).has_value();
}

Span spanAround(double value, const QString& expression, double unitFactor) {
  const bool positive =
      value > 0 && !rangeAccepts(expression, 0) && !rangeAccepts(expression, -value);
  Span span;
  if (positive) {
    span = {value / kPositiveReach, value * kPositiveReach, Scale::Log};
  } else {
    const double oneUnit = unitFactor > 0 ? 1 / unitFactor : 1;
    const double reach = value != 0 ? kLinearReach * std::fabs(value) : oneUnit;
    span = {value - reach, value + reach, Scale::Linear};
  }
  // A present value the range refuses (a data file's default can be) leaves nothing to close on.
  if (rangeAccepts(expression, value)) {
    const bool logScale = span.scale == Scale::Log;
    span.low = clipTowards(expression, value, span.low, logScale);
    span.high = clipTowards(expression, value, span.high, logScale);
  }
  if (span.scale == Scale::Log && span.high / span.low < kLogFrom) span.scale = Scale::Linear;
  return span;
}

}  // namespace vantrel::curves
