#pragma once
// Where a value of an axis lies on the page, and the part of a line that lies in the plot box.

#include <QPointF>
#include <QRectF>
#include <optional>
#include <utility>

#include "curves/Figure.h"

namespace vantrel::plot {

class AxisMap {
 public:
  // The axis [low, high] drawn from pixel `from` to pixel `to`. An axis without extent is
  // widened around its value; a logarithmic one with a bound not above zero drawn linear.
  AxisMap(const curves::Axis& axis, double from, double to);

  bool logarithmic() const { return log_; }
  double low() const { return low_; }
  double high() const { return high_; }
  // Whether the axis can place the value (a logarithmic one only above zero).
  bool places(double value) const;
  double operator()(double value) const;

 private:
  double at(double value) const;
  bool log_;
  double low_, high_;
  double from_, to_;
};

// The part of segment a-b inside box, if any (Liang-Barsky).
std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF& box);

}  // namespace vantrel::plot
