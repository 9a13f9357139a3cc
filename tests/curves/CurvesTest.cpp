// The curves of the shipped data file's pages: each point what a commit through a fresh page
// session gives, points left out where no answer can be had, the span clipped to the row's
// range, the checks' warnings as bands, and the Moody and part-full charts against textbook
// values.

#include <gtest/gtest.h>

#include <cmath>

#include "calc/PageSession.h"
#include "curves/EntryCurve.h"
#include "curves/MoodyChart.h"
#include "curves/PartFull.h"
#include "datafile/LoaderFixture.h"

namespace vantrel::curves {
namespace {

enum Page { kHazen = 1, kColebrook, kManning, kOrifice, kBends };

const datafile::PageTables& shipped() {
  static testing::LoadResult loaded;
  if (loaded.tables.PageCount == 0)
    testing::loadFile(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf", loaded);
  return loaded.tables;
}

// A page of the shipped file with entries committed as typed, a row to solve for and a unit.
struct PageState {
  Page page;
  std::vector<std::pair<Integer, QString>> entries = {};
  Integer unknown = 0;  // 0: the page's default
  std::pair<Integer, Integer> unit{0, 0};
};

struct Shown {
  explicit Shown(const PageState& s) : tables(shipped()) {
    session.enterPage(s.page);
    if (s.unknown != 0) session.chooseUnknown(s.unknown);
    if (s.unit.first != 0) session.chooseUnit(s.unit.first, s.unit.second);
    for (const auto& [row, text] : s.entries)
      commit(row, text);
  }
  bool commit(Integer row, const QString& text) {
    Single before = session.value(row);
    testing::QuietUi ui;
    return session.commit(row, text, before, ui).accepted;
  }
  datafile::PageTables tables;
  Integer unknown = 0;
  calc::PageSession session{tables, unknown};
};

std::vector<QPointF> solved(const Series& s) {
  std::vector<QPointF> points;
  for (const QPointF& p : s.points)
    if (std::isfinite(p.x())) points.push_back(p);
  return points;
}

// The curve's value at x, read between its points on log-log axes.
double along(const Series& s, double x) {
  const std::vector<QPointF> p = solved(s);
  for (std::size_t i = 1; i < p.size(); ++i) {
    if (p[i].x() < x) continue;
    const double t = std::log(x / p[i - 1].x()) / std::log(p[i].x() / p[i - 1].x());
    return p[i - 1].y() * std::pow(p[i].y() / p[i - 1].y(), t);
  }
  return NAN;
}

// Each point is the unknown that committing its entry value on the page as it stands gives, and
// lies inside the vertical axis; the sweep leaves the page as it was. The span is a fifth to five
// times a positive value (on a log axis where that covers a factor of ten), else four times the
// value either side, and is clipped to the row's range; it is in the unit shown (gpm: 50 l/s =
// 792.5 US gpm). An orifice of beta 0.9999999 (the last below 1) is past what the solver reaches.
TEST(EntryCurve, PointsAreWhatACommitGivesOverTheClippedSpan) {
  const struct {
    PageState state;
    Integer entry;
    double low, high;
    Scale scale;
    std::size_t solved = 21;
  } cases[] = {
      {{kHazen}, 2, 10, 250, Scale::Log},
      {{kHazen}, 1, 60, 1500, Scale::Log},
      {{kHazen, {}, 0, {2, 5}}, 2, 158.5, 3962.6, Scale::Log},
      {{kColebrook}, 3, 0, 0.5, Scale::Linear},
      {{kManning}, 4, 0.16, 1, Scale::Linear},
      {{kOrifice}, 2, 0.12, 1, Scale::Linear, 20},
      {{kBends}, 3, 0, 1.5, Scale::Linear},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.state.page) + " entry " + std::to_string(c.entry));
    const Shown page(c.state);
    const datafile::PageTables before = page.tables;
    const Figure fig = entryCurve(page.tables, page.unknown, c.entry, 21);
    EXPECT_EQ(page.tables.CurValue, before.CurValue);
    EXPECT_TRUE(fig.note.isEmpty()) << fig.note.toStdString();
    EXPECT_EQ(fig.x.scale, c.scale);
    EXPECT_NEAR(fig.x.low, c.low, c.high * 1e-4);
    EXPECT_NEAR(fig.x.high, c.high, c.high * 1e-4);
    const std::vector<QPointF> points = solved(fig.series.at(0));
    ASSERT_EQ(points.size(), c.solved);
    const double factor = page.session.factor(c.entry);
    for (const QPointF& p : points) {
      Shown fresh(c.state);
      ASSERT_TRUE(fresh.commit(c.entry, QString::number(p.x(), 'G', 9)));
      EXPECT_NEAR(fresh.session.value(c.entry) * factor, p.x(), std::fabs(p.x()) * 1e-6);
      const double y = fresh.session.value(page.unknown) * page.session.factor(page.unknown);
      EXPECT_NEAR(p.y(), y, std::fabs(y) * 1e-5);
      EXPECT_TRUE(fig.y.low <= p.y() && p.y() <= fig.y.high) << "off the vertical axis: " << p.y();
    }
  }
}

// No answer is drawn as a gap, never as zero: a fitting's flow cannot be solved with no loss
// coefficient (the loss then does not change with the flow), and a 60 mm pipe at twice its
// flow loses more head than the row accepts (10000 m).
TEST(EntryCurve, LeavesOutPointsWithoutAnAnswer) {
  const struct {
    PageState state;
    Integer entry;
    std::size_t first, last;  // the points solved
  } cases[] = {
      {{kBends, {}, 2}, 3, 1, 20},
      {{kHazen, {{1, "60"}}}, 2, 0, 12},
  };
  for (const auto& c : cases) {
    const Shown page(c.state);
    const Figure fig = entryCurve(page.tables, page.unknown, c.entry, 21);
    const std::vector<QPointF>& points = fig.series.at(0).points;
    for (std::size_t i = 0; i < points.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(std::isfinite(points[i].y()), i >= c.first && i <= c.last);
      EXPECT_NE(points[i].y(), 0);
    }
    EXPECT_EQ(fig.table.rows.size(), c.last - c.first + 1);
  }
}

// Where the checks warn, to within half a step: above 3 m/s on Hazen-Williams (212.1 l/s in
// the 300 mm pipe), below Re 2000 and 4000 on Colebrook-White (0.01257 and 0.02514 l/s in an
// 8 mm pipe at 1 mm²/s).
TEST(EntryCurve, ShadesWhereTheChecksWarn) {
  const struct {
    PageState state;
    std::vector<Band> bands;
  } cases[] = {
      {{kHazen}, {{212.1, 250, "Hazen-Williams was fitted to velocities up to about 3 m/s"}}},
      {{kColebrook, {{1, "8"}, {2, "0.0066"}}},
       {{0.00132, 0.01257, "Laminar flow"},
        {0.01257, 0.02514, "Transitional flow (Re 2000 to 4000)"}}},
  };
  for (const auto& c : cases) {
    const Shown page(c.state);
    const Figure fig = entryCurve(page.tables, page.unknown, 2);
    ASSERT_EQ(fig.bands.size(), c.bands.size());
    for (std::size_t i = 0; i < c.bands.size(); ++i) {
      EXPECT_NEAR(fig.bands[i].from / c.bands[i].from, 1, 0.01);
      EXPECT_NEAR(fig.bands[i].to / c.bands[i].to, 1, 0.01);
      EXPECT_EQ(fig.bands[i].legend, c.bands[i].legend);
    }
  }
}

// In the units and formats of the page, what the screen reader hears and a copy gives.
TEST(EntryCurve, SaysItselfInTheUnitsShown) {
  const Shown page({kHazen, {}, 0, {5, 4}});
  const Figure fig = entryCurve(page.tables, page.unknown, 2);
  EXPECT_EQ(fig.description,
            "Head Loss against Flow Rate, 10.000 to 250.000 l/s; at 50.000 l/s, 70.944 in");
  EXPECT_EQ(fig.markers.at(0).label, "50.000 l/s, 70.944 in");
  const QStringList lines = tableText(fig.table).split(u'\n');
  EXPECT_EQ(lines.at(0), "Flow Rate (l/s)\tHead Loss (in)");
  EXPECT_EQ(lines.at(1), "10.000\t3.613");
  EXPECT_EQ(lines.size(), 202);
  EXPECT_TRUE(
      tableHtml(fig.table).contains("<tr><th>Flow Rate (l/s)</th><th>Head Loss (in)</th>"
                                    "</tr>\n<tr><td>10.000</td><td>3.613</td></tr>"));
}

// The horizontal axis is an entry other than the unknown: by default the last one edited, else
// the flow rate.
TEST(EntryCurve, RunsAlongAnEntry) {
  const Shown page({kHazen});
  EXPECT_EQ(entryRows(page.tables, 5), (std::vector<Integer>{1, 2, 3, 4}));
  const std::pair<Integer, Integer> defaults[] = {{0, 2}, {3, 3}, {5, 2}, {7, 2}};
  for (const auto& [edited, entry] : defaults)
    EXPECT_EQ(defaultEntry(page.tables, 5, edited), entry);
  const std::tuple<Integer, Integer, QString> refused[] = {
      {5, 5, "Choose a row you enter for the horizontal axis."},
      {5, 7, "Choose a row you enter for the horizontal axis."},
      {6, 2, "The row ticked as the unknown is computed by the formula"},
  };
  for (const auto& [unknown, entry, note] : refused) {
    const Figure fig = entryCurve(page.tables, unknown, entry);
    EXPECT_TRUE(fig.note.startsWith(note)) << fig.note.toStdString();
    EXPECT_TRUE(fig.series.empty());
  }
}

// Colebrook's friction factor by fixed-point iteration, to hold the chart against.
double colebrook(double re, double relative) {
  double f = 0.02;
  for (int i = 0; i < 50; ++i) {
    const double inverse = -2 * std::log10(relative / 3.7 + 2.51 / (re * std::sqrt(f)));
    f = 1 / (inverse * inverse);
  }
  return f;
}

// The family follows Colebrook-White; the page's point lies on its own curve, laminar or not.
TEST(MoodyChart, FollowsColebrookWithThePageOnItsCurve) {
  const PageState states[] = {{kColebrook}, {kColebrook, {{1, "8"}, {2, "0.0066"}}}};
  for (const PageState& state : states) {
    const Shown page(state);
    const Figure fig = moodyChart(page.session);
    ASSERT_EQ(fig.markers.size(), 1u);
    const QPointF at = fig.markers[0].at;
    EXPECT_NEAR(along(fig.series.back(), at.x()) / at.y(), 1, 2e-3);
    for (const Series& s : fig.series) {
      if (s.role != Role::Family) continue;
      const double relative = s.name == "smooth" ? 0 : s.name.toDouble();
      for (const double re : {5e3, 1e5, 1e7})
        EXPECT_NEAR(along(s, re) / colebrook(re, relative), 1, 2e-3) << s.name.toStdString();
    }
    EXPECT_EQ(fig.series.at(14).points.front(), QPointF(600, 64 / 600.0));
  }
  EXPECT_FALSE(moodyChart(Shown({kHazen}).session).note.isEmpty());
}

// Half full, the flow is half the full pipe's at its velocity; the flow peaks at 1.076 times
// the full pipe's near y/D 0.94 and comes back to it at 0.82, the velocity peaks at 1.14 near
// 0.81. The page's depth is marked on the curves.
TEST(PartFull, RatiosOfTheFullPipe) {
  const Shown page({kManning});
  const Figure fig = partFullCurves(page.session);
  const Series &flow = fig.series.at(0), &velocity = fig.series.at(1);
  EXPECT_NEAR(flow.points.at(50).y(), 0.5, 1e-3);
  EXPECT_NEAR(velocity.points.at(50).y(), 1, 1e-3);
  const auto peak = [](const Series& s) {
    return *std::max_element(s.points.begin(), s.points.end(),
                             [](QPointF a, QPointF b) { return a.y() < b.y(); });
  };
  EXPECT_NEAR(peak(flow).y(), 1.076, 1e-3);
  EXPECT_NEAR(peak(flow).x(), 0.94, 0.005);
  EXPECT_NEAR(peak(velocity).y(), 1.140, 1e-3);
  EXPECT_NEAR(peak(velocity).x(), 0.81, 0.005);
  ASSERT_EQ(fig.bands.size(), 1u);
  EXPECT_NEAR(fig.bands[0].from, 0.82, 0.002);
  for (const auto& [marker, curve] : {std::pair{0, flow}, std::pair{1, velocity}}) {
    EXPECT_NEAR(fig.markers.at(marker).at.x(), 0.8, 1e-6);
    EXPECT_NEAR(fig.markers.at(marker).at.y(), curve.points.at(80).y(), 1e-4);
  }
  EXPECT_FALSE(partFullCurves(Shown({kHazen}).session).note.isEmpty());
}

}  // namespace
}  // namespace vantrel::curves
