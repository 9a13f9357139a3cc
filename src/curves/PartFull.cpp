#include "curves/PartFull.h"

#include <cmath>

#include "calc/FormulaLayout.h"
#include "checks/PageFacts.h"
#include "curves/FormulaFlow.h"

namespace vantrel::curves {

namespace {

using calc::Quantity;

constexpr int kSteps = 100;  // depths 0.01, 0.02, ... 1
constexpr double kTop = 1.2;

int pos(Quantity q) {
  return calc::positionOf(calc::Formula::Manning, q);
}

QString ratio(double x) {
  return QString::number(x, 'f', 3);
}

// Flow and velocity of the page's pipe at depth y/D, by its formula.
struct Flowing {
  double flow = 0;
  double velocity = 0;
};

class PartFullPipe {
 public:
  PartFullPipe(const calc::PageSession& page)
      : formula_(page.pageCaption()), values_(page.rowCount()) {
    for (Integer i = 1; i <= page.rowCount(); ++i)
      values_(i) = page.value(i);
  }
  bool at(double depth, Flowing& out) {
    values_(pos(Quantity::DepthRatio)) = static_cast<Single>(depth);
    // A trial flow of the right size: the full pipe's at this depth's share of the area.
    values_(pos(Quantity::Flow)) = static_cast<Single>(std::max(full_, 1e-6) * depth);
    if (!formulaFlow(values_, pos(Quantity::Flow), formula_)) return false;
    out = {values_(pos(Quantity::Flow)), values_(pos(Quantity::Velocity))};
    return true;
  }
  bool fill(Flowing& out) {
    full_ = 1;
    if (!at(1, out)) return false;
    full_ = out.flow;
    return true;
  }

 private:
  QString formula_;
  Array1<Single> values_;
  double full_ = 1;
};

}  // namespace

Figure partFullCurves(const calc::PageSession& page) {
  Figure fig;
  fig.title = QStringLiteral("Part-full flow");
  fig.x = {QStringLiteral("Depth y/D"), Scale::Linear, 0, 1};
  fig.y = {QStringLiteral("Q/Qfull, V/Vfull"), Scale::Linear, 0, kTop};
  const checks::PageFacts facts(page);
  if (facts.formula() != calc::Formula::Manning) {
    return withNote(std::move(fig),
                    QStringLiteral("The part-full curves belong to the Manning page."));
  }
  PartFullPipe pipe(page);
  Flowing full;
  if (!pipe.fill(full) || !(full.flow > 0) || !(full.velocity > 0)) {
    return withNote(std::move(fig),
                    QStringLiteral("The page's values carry no flow in the full pipe."));
  }
  Series flow{QStringLiteral("Q/Qfull, flow"), Role::Main, {{0, 0}}};
  Series velocity{QStringLiteral("V/Vfull, velocity"), Role::Second, {{0, 0}}};
  fig.table.header = QStringList{fig.x.title, QStringLiteral("Q/Qfull"), QStringLiteral("V/Vfull")};
  double twoDepthsFrom = 1;
  for (int i = 1; i <= kSteps; ++i) {
    const double depth = static_cast<double>(i) / kSteps;
    Flowing at;
    if (!pipe.at(depth, at)) continue;
    const double q = at.flow / full.flow, v = at.velocity / full.velocity;
    // Where the flow comes back to the full pipe's, between this depth and the one before.
    if (q >= 1 && twoDepthsFrom == 1 && i < kSteps && !flow.points.empty()) {
      const QPointF before = flow.points.back();
      twoDepthsFrom = before.x() + (1 - before.y()) / (q - before.y()) * (depth - before.x());
    }
    flow.points.emplace_back(depth, q);
    velocity.points.emplace_back(depth, v);
    fig.table.rows.push_back({ratio(depth), ratio(q), ratio(v)});
  }
  fig.series.push_back(std::move(flow));
  fig.series.push_back(std::move(velocity));
  if (twoDepthsFrom < 1) {
    fig.bands.push_back({twoDepthsFrom, 1,
                         QStringLiteral("One flow at two depths (y/D above %1)")
                             .arg(QString::number(twoDepthsFrom, 'f', 2))});
  }

  const double depth = facts.value(Quantity::DepthRatio);
  const double q = facts.value(Quantity::Flow) / full.flow;
  const double v = facts.value(Quantity::Velocity) / full.velocity;
  const QString shownDepth = QStringLiteral("y/D ") + facts.shown(Quantity::DepthRatio);
  fig.markers.push_back({{depth, q}, shownDepth + QStringLiteral(", Q/Qfull ") + ratio(q)});
  fig.markers.push_back({{depth, v}, QStringLiteral("V/Vfull ") + ratio(v)});
  fig.description = QStringLiteral("Part-full flow and velocity against depth y/D, 0 to 1; at ") +
                    shownDepth + QStringLiteral(", Q/Qfull ") + ratio(q) +
                    QStringLiteral(" and V/Vfull ") + ratio(v);
  return fig;
}

}  // namespace vantrel::curves
