#include "curves/EntryCurve.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/CaptionText.h"
#include "calc/FormulaLayout.h"
#include "calc/PageSession.h"
#include "checks/PageChecks.h"
#include "curves/ShownValues.h"
#include "curves/Span.h"
#include "curves/WarnedBands.h"

namespace vantrel::curves {

namespace {

using calc::PageSession;

// Restarts of a point's continuation before the sweep gives the point up. The window would go
// on to 500 runs and then ask; a point that needs this many is left out of the curve instead.
constexpr int kRestarts = 50;
// Headroom above and below the highest and lowest value on the vertical axis.
constexpr double kLinearMargin = 0.05;
constexpr double kLogMargin = 1.15;

struct GiveUp {};

// The solve of one point, unseen. It gives up where the window would ask the user whether to go
// on, and after kRestarts restarts of the continuation.
class SweepUi : public calc::CalcUi {
 public:
  void setStatusText(const QString&) override {
    if (++statusTexts_ > kRestarts) throw GiveUp{};
  }
  bool askYesNo(const QString&) override { throw GiveUp{}; }
  void showCritical(const QString&) override { throw GiveUp{}; }
  void reset() { statusTexts_ = 0; }

 private:
  int statusTexts_ = 0;
};

bool isEntry(calc::Formula formula, Integer row, Integer unknown) {
  return row != unknown && !calc::isWritten(formula, row);
}

// Why the page cannot be plotted against entry; empty when it can.
QString whyNot(const PageSession& page, Integer unknown, Integer entry) {
  const calc::Formula formula = calc::formulaOf(page.pageCaption());
  if (formula == calc::Formula::None ||
      page.rowCount() < static_cast<Integer>(calc::positionsOf(formula).size()))
    return QStringLiteral("The page names no formula: there is nothing to plot.");
  if (unknown < 1 || unknown > page.rowCount() || calc::isWritten(formula, unknown))
    return QStringLiteral(
        "The row ticked as the unknown is computed by the formula: choose "
        "another row to solve for.");
  if (entry < 1 || entry > page.rowCount() || !isEntry(formula, entry, unknown))
    return QStringLiteral("Choose a row you enter for the horizontal axis.");
  return {};
}

std::vector<QString> warningsOf(const PageSession& page) {
  std::vector<QString> texts;
  for (const checks::Finding& f : checks::checkPage(page).findings)
    if (f.level == checks::Level::Warning) texts.push_back(f.text);
  return texts;
}

// The vertical axis around the values drawn, on a logarithmic scale beside a logarithmic
// horizontal one when the values are positive and cover a factor of ten.
Axis verticalAxis(const QString& title, double lowest, double highest, Scale horizontal) {
  Axis axis{title, Scale::Linear, lowest, highest};
  if (horizontal == Scale::Log && lowest > 0 && highest / lowest >= 10) {
    axis = {title, Scale::Log, lowest / kLogMargin, highest * kLogMargin};
  } else {
    const double margin = std::max(highest - lowest, std::fabs(highest)) * kLinearMargin;
    axis.low = lowest >= 0 && lowest < highest / 2 ? 0 : lowest - margin;
    axis.high = highest + margin;
  }
  return axis;
}

// The sweep itself, on a copy of the page.
class Sweep {
 public:
  Sweep(const datafile::PageTables& tables, Integer unknown, Integer entry)
      : tables_(tables), unknown_(unknown), entry_(entry), start_(tables.CurValue) {}

  Figure figure(int count);

 private:
  // Solves the page with the entry at x (base unit); false when the point is left out.
  bool solveAt(double x);

  datafile::PageTables tables_;
  Integer unknown_;
  PageSession page_{tables_, unknown_};
  Integer entry_;
  Array1<Single> start_;
  SweepUi ui_;
};

bool Sweep::solveAt(double x) {
  tables_.CurValue = start_;
  Single prev = start_(entry_);
  ui_.reset();
  // Typed in the unit shown, as a user would type it.
  const QString typed = QString::number(x * page_.factor(entry_), 'G', 9);
  try {
    if (!page_.commit(entry_, typed, prev, ui_).accepted) return false;
  } catch (const GiveUp&) {
    return false;
  }
  const QString range = tables_.RangeExpr(page_.page(), unknown_);
  return rangeAccepts(range, page_.value(unknown_));
}

Figure Sweep::figure(int count) {
  Figure fig;
  if (QString why = whyNot(page_, unknown_, entry_); !why.isEmpty())
    return withNote(std::move(fig), std::move(why));
  const ShownValues shown(page_);
  fig.x.title = shown.axisTitle(entry_);
  fig.y.title = shown.axisTitle(unknown_);
  fig.title = shown.name(unknown_) + QStringLiteral(" against ") + shown.name(entry_);

  const double x0 = start_(entry_), y0 = start_(unknown_);
  const Span span = spanAround(x0, tables_.RangeExpr(page_.page(), entry_), page_.factor(entry_));
  const double fx = page_.factor(entry_), fy = page_.factor(unknown_);
  fig.x = {fig.x.title, span.scale, span.low * fx, span.high * fx};
  fig.table.header = QStringList{fig.x.title, fig.y.title};

  Series curve{fig.title, Role::Main, {}};
  WarnedBands warned(span, count);
  double lowest = y0 * fy, highest = y0 * fy;
  const double gap = std::numeric_limits<double>::quiet_NaN();
  for (int i = 0; i < count; ++i) {
    const double x = span.at(static_cast<double>(i) / (count - 1));
    if (!solveAt(x)) {
      curve.points.emplace_back(gap, gap);
      continue;
    }
    const double xs = page_.value(entry_), y = page_.value(unknown_);
    curve.points.emplace_back(xs * fx, y * fy);
    lowest = std::min(lowest, y * fy);
    highest = std::max(highest, y * fy);
    fig.table.rows.push_back({shown.number(entry_, xs), shown.number(unknown_, y)});
    warned.add(i, warningsOf(page_));
  }
  tables_.CurValue = start_;

  if (fig.table.rows.empty()) fig.note = QStringLiteral("No point of the span could be solved.");
  fig.y = verticalAxis(fig.y.title, lowest, highest, span.scale);
  fig.series.push_back(std::move(curve));
  fig.bands = warned.bands(fx);
  fig.markers.push_back(
      {{x0 * fx, y0 * fy},
       shown.withUnit(entry_, x0) + QStringLiteral(", ") + shown.withUnit(unknown_, y0)});
  fig.description = fig.title + QStringLiteral(", ") + shown.number(entry_, span.low) +
                    QStringLiteral(" to ") + shown.withUnit(entry_, span.high) +
                    QStringLiteral("; at ") + fig.markers.front().label;
  return fig;
}

}  // namespace

std::vector<Integer> entryRows(const datafile::PageTables& tables, Integer unknown) {
  const calc::Formula formula = calc::formulaOf(tables.PageCaption(tables.CurPage));
  std::vector<Integer> rows;
  for (Integer row = 1; row <= tables.VarCount(tables.CurPage); ++row)
    if (isEntry(formula, row, unknown)) rows.push_back(row);
  return rows;
}

Integer defaultEntry(const datafile::PageTables& tables, Integer unknown, Integer lastEdited) {
  const std::vector<Integer> rows = entryRows(tables, unknown);
  const auto has = [&](Integer row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
  };
  if (has(lastEdited)) return lastEdited;
  const calc::Formula formula = calc::formulaOf(tables.PageCaption(tables.CurPage));
  const auto flow = static_cast<Integer>(calc::positionOf(formula, calc::Quantity::Flow));
  if (has(flow)) return flow;
  return rows.empty() ? 0 : rows.front();
}

Figure entryCurve(const datafile::PageTables& tables, Integer unknown, Integer entry, int count) {
  return Sweep(tables, unknown, entry).figure(std::max(count, 2));
}

}  // namespace vantrel::curves
