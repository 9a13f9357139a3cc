#include "plot/AxisMap.h"

#include <cmath>

namespace vantrel::plot {

AxisMap::AxisMap(const curves::Axis& axis, double from, double to)
    : log_(axis.scale == curves::Scale::Log && axis.low > 0),
      low_(axis.low),
      high_(axis.high),
      from_(from),
      to_(to) {
  if (!std::isfinite(low_) || !std::isfinite(high_)) {
    // Nothing to place on it; an empty axis is still drawn.
    log_ = false;
    low_ = 0;
    high_ = 1;
  }
  if (high_ > low_) return;
  // A span of one value (a row whose range admits only it) still gets an axis around it.
  const double reach = low_ != 0 ? std::fabs(low_) / 2 : 1;
  low_ = log_ ? low_ / 2 : low_ - reach;
  high_ = log_ ? high_ * 2 : high_ + reach;
}

bool AxisMap::places(double value) const {
  return std::isfinite(value) && (!log_ || value > 0);
}

double AxisMap::at(double value) const {
  if (log_) return std::log10(value / low_) / std::log10(high_ / low_);
  return (value - low_) / (high_ - low_);
}

double AxisMap::operator()(double value) const {
  return from_ + at(value) * (to_ - from_);
}

std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF& box) {
  const QPointF d = b - a;
  double t0 = 0, t1 = 1;
  // Each edge as p t <= q for the points a + t d inside it.
  const double p[] = {-d.x(), d.x(), -d.y(), d.y()};
  const double q[] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                      box.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return std::nullopt;
  }
  return std::make_pair(a + t0 * d, a + t1 * d);
}

}  // namespace vantrel::plot
