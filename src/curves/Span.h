#pragma once
// The part of an entry's axis a curve is drawn over: around the present value, inside the
// accepted range of the row.

#include <QString>
#include <optional>

#include "curves/Figure.h"

namespace vantrel::curves {

struct Span {
  double low = 0;  // base unit
  double high = 0;
  Scale scale = Scale::Linear;

  // The value at the fraction t (0 ... 1) of the span as its axis draws it.
  double at(double t) const;
};

// Whether the range expression accepts a value (base unit), as a typed entry is checked.
bool rangeAccepts(const QString& expression, double value);
// The number the range check reads for an accepted value: the value as a Single, to the seven
// digits of its text form.
std::optional<double> rangeRead(const QString& expression, double value);

// The span of a row whose present value is `value` and accepted range `expression`. A quantity
// that must be positive runs from a fifth to five times its value, drawn on a logarithmic axis
// where the clipped span still covers a factor of ten; any other from its value less four times
// its size to its value plus four times it (one unit shown either side of a zero, `unitFactor`
// being the shown unit's factor). Either is clipped to the accepted range.
Span spanAround(double value, const QString& expression, double unitFactor);

}  // namespace vantrel::curves
