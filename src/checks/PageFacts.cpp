#include "checks/PageFacts.h"

#include <algorithm>
#include <cmath>

#include "calc/CaptionText.h"

namespace vantrel::checks {

namespace {

using calc::Formula;
using calc::Quantity;

// The pipe whose Reynolds number the page has: the one its velocity row describes; at a sudden
// change of section, the one whose velocity the loss coefficient is referred to.
struct Pipe {
  Quantity diameter;
  Quantity velocity;
};

std::optional<Pipe> pipeOf(Formula formula) {
  switch (formula) {
    case Formula::Expansion:
      return Pipe{Quantity::UpstreamDiameter, Quantity::UpstreamVelocity};
    case Formula::Contraction:
      return Pipe{Quantity::DownstreamDiameter, Quantity::DownstreamVelocity};
    case Formula::None:
      return std::nullopt;
    default:
      return Pipe{Quantity::Diameter, Quantity::Velocity};
  }
}

// 4 A / P of the flowing section of a circular pipe of diameter d filled to y/D.
double hydraulicDiameter(double d, double depthRatio) {
  if (!(depthRatio > 0 && depthRatio <= 1)) return NAN;
  const double theta = std::acos(1 - 2 * depthRatio);  // half the wetted angle
  return d * (theta - std::sin(theta) * std::cos(theta)) / theta;
}

// A page with fewer rows than its formula has positions cannot be computed; nothing is said
// about it.
Formula formulaOfPage(const calc::PageSession& session) {
  const Formula formula = calc::formulaOf(session.pageCaption());
  const auto positions = static_cast<int>(calc::positionsOf(formula).size());
  return session.rowCount() >= positions ? formula : Formula::None;
}

}  // namespace

bool above(double x, double limit) {
  return x > limit + kOnTheLimit * std::fabs(limit);
}

bool below(double x, double limit) {
  return x < limit - kOnTheLimit * std::fabs(limit);
}

PageFacts::PageFacts(const calc::PageSession& session)
    : session_(session),
      formula_(formulaOfPage(session)),
      water_(calc::positionOf(formula_, Quantity::Viscosity) == 0),
      reynolds_(reynoldsNumber()) {}

Integer PageFacts::row(Quantity quantity) const {
  return static_cast<Integer>(calc::positionOf(formula_, quantity));
}

double PageFacts::value(Quantity quantity) const {
  return session_.value(row(quantity));
}

QString PageFacts::shown(Quantity quantity) const {
  return shownAs(quantity, value(quantity));
}

QString PageFacts::shownAs(Quantity quantity, double base) const {
  return shownInRow(row(quantity), base);
}

QString PageFacts::shownInRow(Integer r, double base) const {
  const QString unit = session_.unitName(r).trimmed();
  QString text = session_.textInUnit(r, base).trimmed();
  // A figure that the row's format rounds to nothing, or that the unit cannot hold, is given to
  // three digits instead: "0.0000 m" would tell nothing.
  const bool saysNothing =
      std::none_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
  if (saysNothing && base != 0) text = QString::number(session_.factor(r) * base, 'g', 3);
  return unit.isEmpty() ? text : text + u' ' + unit;
}

QString PageFacts::rowName(Integer row) const {
  return calc::variableName(session_.caption(row));
}

bool PageFacts::written(Integer row) const {
  return calc::isWritten(formula_, row);
}

std::optional<double> PageFacts::reynoldsNumber() const {
  const std::optional<Pipe> pipe = pipeOf(formula_);
  if (!pipe || row(pipe->diameter) == 0 || row(pipe->velocity) == 0) return std::nullopt;
  const double nu = water_ ? kWaterViscosity : value(Quantity::Viscosity);
  double d = value(pipe->diameter);
  if (formula_ == Formula::Manning) d = hydraulicDiameter(d, value(Quantity::DepthRatio));
  // A diameter solved below zero (the head loss of a fitting fits D and -D alike) has no flow
  // regime; the range warning on its row already says what is wrong.
  if (!(d > 0)) return std::nullopt;
  const double re = std::fabs(value(pipe->velocity)) * d / nu;
  if (!(nu > 0) || !std::isfinite(re)) return std::nullopt;
  return re;
}

}  // namespace vantrel::checks
