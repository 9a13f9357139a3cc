#include "curves/MoodyChart.h"

#include <algorithm>
#include <cmath>

#include "calc/FormulaLayout.h"
#include "checks/PageChecks.h"
#include "checks/PageFacts.h"
#include "curves/FormulaFlow.h"

namespace vantrel::curves {

namespace {

using calc::Quantity;

constexpr double kLowestRe = 600;
constexpr double kHighestRe = 1e8;
// Where the checks put the ends of the transitional regime (checks::regimeOf).
constexpr double kLaminarBelow = 2000;
constexpr double kTurbulentFrom = 4000;
constexpr double kLaminarTo = kTurbulentFrom;  // the laminar line runs on into the zone
constexpr double kEdgeMargin = 1.15;
constexpr int kPointsPerDecade = 16;

// The family, roughest first, as the chart labels them.
struct Roughness {
  double relative;
  const char* label;
};
constexpr Roughness kFamily[] = {
    {0.05, "0.05"},    {0.03, "0.03"},    {0.02, "0.02"},     {0.01, "0.01"},   {0.005, "0.005"},
    {0.002, "0.002"},  {0.001, "0.001"},  {5e-4, "0.0005"},   {2e-4, "0.0002"}, {1e-4, "0.0001"},
    {5e-5, "0.00005"}, {1e-5, "0.00001"}, {1e-6, "0.000001"}, {0, "smooth"},
};

// A pipe of the page's formula, 1 m across and 1 m long, carrying a fluid of 1e-6 m²/s: its
// Reynolds number runs with the velocity, and the formula gives the friction factor through
// its loss coefficient, f = K D / L.
class Pipe {
 public:
  Pipe(const checks::PageFacts& facts, double relative)
      : formula_(facts.session().pageCaption()), values_(facts.session().rowCount()) {
    const auto set = [&](Quantity q, double v) { values_(pos(q)) = static_cast<Single>(v); };
    set(Quantity::Diameter, 1);
    set(Quantity::Roughness, relative);
    set(Quantity::Viscosity, kViscosity);
    set(Quantity::Length, 1);
  }

  // The point whose Re times the square root of f is s: the formula takes the friction
  // velocity sqrt(2 g D hf / L) = s nu / D as its given.
  bool pointAt(double s, QPointF& point) {
    const double w = s * kViscosity;
    values_(pos(Quantity::Head)) = static_cast<Single>(w * w / (2 * checks::kGravity));
    values_(pos(Quantity::Flow)) = static_cast<Single>(w / kTrialRootF);
    if (!formulaFlow(values_, pos(Quantity::Flow), formula_)) return false;
    const double re = values_(pos(Quantity::Velocity)) / kViscosity;
    point = {re, static_cast<double>(values_(pos(Quantity::LossCoefficient)))};
    return true;
  }

 private:
  static constexpr double kViscosity = 1e-6;
  static constexpr double kTrialRootF = 0.15;  // a trial flow near the answer
  static int pos(Quantity q) { return calc::positionOf(calc::Formula::ColebrookWhite, q); }
  QString formula_;
  Array1<Single> values_;
};

// The curve of one relative roughness from Re `from` to the chart's end.
Series roughnessCurve(const checks::PageFacts& facts, double relative, double from, double to,
                      const QString& name, Role role) {
  Series series{name, role, {}};
  Pipe pipe(facts, relative);
  // s = Re sqrt(f), with f between 0.005 and 0.12 over the chart.
  const double sLow = from * std::sqrt(0.005), sHigh = to * std::sqrt(0.12);
  const int steps = static_cast<int>(std::log10(sHigh / sLow) * kPointsPerDecade) + 1;
  for (int i = 0; i <= steps; ++i) {
    QPointF p;
    if (!pipe.pointAt(sLow * std::pow(sHigh / sLow, static_cast<double>(i) / steps), p)) continue;
    if (p.x() >= from && p.x() <= to) series.points.push_back(p);
  }
  return series;
}

QString figure(double x, int digits) {
  return QString::number(x, 'g', digits);
}

}  // namespace

Figure moodyChart(const calc::PageSession& page) {
  Figure fig;
  fig.title = QStringLiteral("Moody chart");
  fig.x = {QStringLiteral("Reynolds number Re"), Scale::Log, kLowestRe, kHighestRe};
  fig.y = {QStringLiteral("Darcy friction factor f"), Scale::Log, 0.006, 0.1};
  const checks::PageFacts facts(page);
  if (facts.formula() != calc::Formula::ColebrookWhite) {
    return withNote(std::move(fig),
                    QStringLiteral("The Moody chart belongs to the Colebrook-White page."));
  }
  const std::optional<double> re = facts.reynolds();
  const double d = facts.value(Quantity::Diameter);
  // The page's friction factor, from the loss coefficient its formula wrote.
  const double f = facts.value(Quantity::LossCoefficient) * d / facts.value(Quantity::Length);
  const double relative = facts.value(Quantity::Roughness) / d;
  if (!re || !(f > 0) || !std::isfinite(relative)) {
    return withNote(
        std::move(fig),
        QStringLiteral("The page's values give no Reynolds number and friction factor."));
  }
  fig.x.low = std::min(kLowestRe, *re / kEdgeMargin);
  fig.x.high = std::max(kHighestRe, *re * kEdgeMargin);

  for (const Roughness& r : kFamily)
    fig.series.push_back(roughnessCurve(facts, r.relative, kLaminarBelow, fig.x.high,
                                        QString::fromLatin1(r.label), Role::Family));
  // Straight on log-log axes: its two ends draw it.
  Series laminar{QStringLiteral("Laminar flow, f = 64/Re"), Role::Reference, {}};
  for (const double x : {fig.x.low, kLaminarTo})
    laminar.points.emplace_back(x, 64 / x);
  fig.series.push_back(std::move(laminar));
  const QString kd = QStringLiteral("k/D ") + figure(relative, 2);
  // The page's own pipe drawn out over the whole chart, laminar part included: the page uses
  // Colebrook-White there too, and its point lies on this curve.
  Series own = roughnessCurve(facts, relative, fig.x.low, fig.x.high,
                              QStringLiteral("This pipe, ") + kd, Role::Main);
  fig.bands.push_back(
      {kLaminarBelow, kTurbulentFrom, QStringLiteral("Transition zone (Re 2000 to 4000)")});
  const QString at =
      QStringLiteral("Re ") + checks::reynoldsFigure(*re) + QStringLiteral(", f ") + figure(f, 3);
  fig.markers.push_back({{*re, f}, at});

  double lowest = f, highest = f;
  for (const Series& s : fig.series)
    for (const QPointF& p : s.points) {
      lowest = std::min(lowest, p.y());
      highest = std::max(highest, p.y());
    }
  fig.y.low = std::min(fig.y.low, lowest / kEdgeMargin);
  fig.y.high = std::max(fig.y.high, highest);

  fig.table.header = QStringList{fig.x.title, fig.y.title};
  for (const QPointF& p : own.points)
    fig.table.rows.push_back({figure(p.x(), 4), figure(p.y(), 4)});
  fig.series.push_back(std::move(own));
  fig.description = QStringLiteral("Moody chart, Darcy friction factor against Reynolds number, ") +
                    checks::reynoldsFigure(fig.x.low) + QStringLiteral(" to ") +
                    checks::reynoldsFigure(fig.x.high) + QStringLiteral("; this pipe (") + kd +
                    QStringLiteral(") at ") + at;
  return fig;
}

}  // namespace vantrel::curves
