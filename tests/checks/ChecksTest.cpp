// The engineer's checks on the pages of the shipped data file, against hand-computed Reynolds
// numbers and the worked values of the formulas.

#include <gtest/gtest.h>

#include <initializer_list>

#include "checks/PageChecks.h"
#include "checks/PageFacts.h"
#include "datafile/LoaderFixture.h"

namespace vantrel::checks {
namespace {

enum Page { kHazen = 1, kColebrook, kManning, kOrifice, kBends, kValves, kInOut, kExpand, kReduce };

const datafile::PageTables& shipped() {
  static testing::LoadResult loaded;
  if (loaded.tables.PageCount == 0)
    testing::loadFile(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf", loaded);
  return loaded.tables;
}

// A page of the shipped file from its defaults, with some rows set (base units).
struct PageState {
  Page page;
  // A list rather than a vector: g++ 12 at -O3 takes the cleanup of a partly built table of
  // vectors for a use after free.
  std::initializer_list<std::pair<Integer, Single>> rows;
  Integer unknown = 0;  // 0: the page's default
};

struct Session {
  explicit Session(const PageState& s) : tables(shipped()) {
    session.enterPage(static_cast<Integer>(s.page));
    for (const auto& [row, value] : s.rows)
      tables.CurValue(row) = value;
    if (s.unknown != 0) session.chooseUnknown(s.unknown);
  }
  datafile::PageTables tables;
  Integer unknown = 0;
  calc::EntryRecord entry;
  calc::PageSession session{tables, unknown, &entry};
};

// Re = v D / nu with nu 1.004e-6 m²/s on the water pages, the page's own on C.White; on Manning
// D is the hydraulic diameter 4A/P (= D half full; 0.5865 D at y/D 0.25); at a sudden change the
// pipe whose velocity the K refers to (the smaller).
TEST(Reynolds, IsFormedFromThePagesPipeVelocityDiameterAndViscosity) {
  using enum Regime;
  const struct {
    PageState state;
    double reynolds;
    Regime regime;
  } cases[] = {
      {{kHazen, {{1, 0.3f}, {8, 0.7072f}}}, 211314.7, Turbulent},
      {{kColebrook, {{1, 0.1f}, {4, 1e-6f}, {9, 0.938f}}}, 93800, Turbulent},
      {{kColebrook, {{1, 0.008f}, {4, 1e-6f}, {9, 0.132f}}}, 1056, Laminar},
      {{kManning, {{1, 0.5f}, {4, 0.5f}, {9, 0.01f}}}, 4980.08, Turbulent},
      {{kManning, {{1, 0.5f}, {4, 0.25f}, {9, 0.01f}}}, 2920.8, Transitional},
      {{kOrifice, {{1, 0.1f}, {6, 1.273f}}}, 126792.8, Turbulent},
      {{kValves, {{1, 0.1f}, {5, 1.273f}}}, 126792.8, Turbulent},
      // The other way, where a data file's range admits a negative flow: the same Re.
      {{kValves, {{1, 0.1f}, {2, -0.01f}, {5, -1.273f}}}, 126792.8, Turbulent},
      {{kExpand, {{1, 0.1f}, {2, 0.2f}, {6, 1.273f}, {7, 0.3183f}}}, 126792.8, Turbulent},
      {{kReduce, {{1, 0.2f}, {2, 0.1f}, {6, 0.3183f}, {7, 1.273f}}}, 126792.8, Turbulent},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.state.page);
    Session s(c.state);
    const PageChecks checks = checkPage(s.session);
    ASSERT_TRUE(checks.reynolds.has_value());
    EXPECT_NEAR(*checks.reynolds / c.reynolds, 1, 1e-4);
    EXPECT_EQ(checks.regime, c.regime);
    EXPECT_EQ(checks.fluid.isEmpty(), c.state.page == kColebrook);
  }
  // A diameter solved or entered at or below zero has no Reynolds number (and so no regime line).
  const PageState noPipe[] = {{kValves, {{1, -2.05e-6f}, {3, 7e-21f}, {5, 9.07e9f}}},
                              {kHazen, {{1, 0}}},
                              {kManning, {{1, -0.5f}, {4, 0.5f}, {9, 0.01f}}}};
  for (const PageState& state : noPipe) {
    Session s(state);
    EXPECT_FALSE(checkPage(s.session).reynolds.has_value()) << state.page;
  }
}

TEST(Reynolds, SplitsAt2000And4000AndIsWrittenShort) {
  EXPECT_EQ(regimeOf(1999.9), Regime::Laminar);
  EXPECT_EQ(regimeOf(2000), Regime::Transitional);
  EXPECT_EQ(regimeOf(3999.9), Regime::Transitional);
  EXPECT_EQ(regimeOf(4000), Regime::Turbulent);
  const std::pair<double, QString> figures[] = {
      {1056, "1056"}, {3999.7, "3999"}, {99960, "1.0e5"}, {211314.7, "2.1e5"}};
  for (const auto& [re, text] : figures)
    EXPECT_EQ(reynoldsFigure(re), text);
}

// Every finding in order, as level and the start of its text ("!" a warning, "-" a note).
QStringList findingsOf(const PageState& state) {
  Session s(state);
  QStringList found;
  for (const Finding& f : checkPage(s.session).findings)
    found << (f.level == Level::Warning ? "! " : "- ") + f.text;
  return found;
}

TEST(Findings, EachRuleSpeaksOnlyBeyondItsLimit) {
  const struct {
    PageState state;
    QStringList findings;
  } cases[] = {
      // 8 mm at 0.132 m/s over 100 m: f = 64/1056, h = f L/D v²/2g = 0.6724 m.
      {{kColebrook, {{1, 0.008f}, {4, 1e-6f}, {5, 100}, {9, 0.132f}}},
       {"! Laminar flow: Colebrook-White does not apply. The laminar law (f = 64/Re) gives a "
        "head loss of 0.6724 m for this flow."}},
      // A figure the row's format would show as 0.0000 m gets three digits of its own.
      {{kColebrook, {{1, 0.008f}, {4, 1e-6f}, {5, 1}, {9, 0.0001f}}},
       {"! Laminar flow: Colebrook-White does not apply. The laminar law (f = 64/Re) gives a "
        "head loss of 5.09e-06 m for this flow."}},
      {{kColebrook, {{1, 0.008f}, {3, 0.00048f}, {4, 1e-6f}, {9, 0.375f}}},
       {"! Transitional flow (Re 2000 to 4000): the friction factor, and so the result, is "
        "uncertain.",
        "! Relative roughness k/D = 0.06 is above 0.05, beyond the range of Colebrook-White."}},
      // k/D on the limit as typed (0.5 mm over 10 mm), however single precision holds it.
      {{kColebrook, {{1, 0.01f}, {3, 0.0005f}}}, {}},
      // The value solved for beyond what its row would take if typed, in the row's unit.
      {{kColebrook, {{6, 20000}}},
       {"! Head Loss = 20000.0000 m is outside the range the row accepts (greater than 0 to "
        "10000 m)."}},
      {{kHazen, {{1, 0.049f}, {8, 3.01f}}},
       {"! Hazen-Williams was fitted to pipes of about 50 mm to 1.8 m; this one is 49.0 mm.",
        "! Hazen-Williams was fitted to velocities up to about 3 m/s; here 3.010 m/s."}},
      {{kHazen, {{1, 1.81f}, {8, 0.002f}}},
       {"! Re below 4000: Hazen-Williams was fitted to turbulent flow only.",
        "! Hazen-Williams was fitted to pipes of about 50 mm to 1.8 m; this one is 1810.0 mm."}},
      {{kHazen, {{1, 0.05f}, {8, 3}}}, {}},
      {{kManning, {{4, 0.83f}}},
       {"- Between y/D 0.82 and 1 the same flow runs at two depths; the flow is greatest at y/D "
        "0.938 (1.076 \u00d7 the full-pipe flow)."}},
      {{kManning, {{4, 0.81f}, {9, 0.01f}}},
       {"! Re below 4000: Manning assumes rough turbulent flow."}},
      {{kOrifice, {{1, 0.049f}, {2, 0.25f}, {6, 0.1f}}},
       {"! Outside ISO 5167-2: the pipe (49.0 mm) is not within 50 to 1000 mm.",
        "! Outside ISO 5167-2: the bore d = \u03b2D (12.25 mm) is below 12.5 mm.",
        "! Outside ISO 5167-2: the pipe Reynolds number 4880 is below 5000."}},
      {{kOrifice, {{1, 1.01f}, {2, 0.76f}}},
       {"! Outside ISO 5167-2: the pipe (1010.0 mm) is not within 50 to 1000 mm.",
        "! Outside ISO 5167-2: \u03b2 = 0.7600 is not within 0.1 to 0.75."}},
      {{kOrifice, {{1, 0.5f}, {2, 0.099f}}},
       {"! Outside ISO 5167-2: \u03b2 = 0.0990 is not within 0.1 to 0.75."}},
      {{kOrifice, {{1, 0.05f}, {2, 0.25f}}}, {}},
      {{kExpand, {{1, 0.1f}, {2, 0.2f}, {4, 0.5f}}},
       {"- Borda-Carnot for these diameters: K = (1 \u2212 A1/A2)\u00b2 = 0.5625; the page uses "
        "0.5000."}},
      {{kExpand, {{1, 0.1f}, {2, 0.1f}}},
       {"! Not an expansion: D2 (100.0 mm) is not larger than D1 (100.0 mm)."}},
      {{kReduce, {{1, 0.2f}, {2, 0.1f}}},
       {"- Sharp-edged reduction: K = 0.5\u00b7(1 \u2212 (D2/D1)\u00b2) = 0.375 on the outlet "
        "velocity; the page uses 0.3750."}},
      {{kReduce, {{1, 0.1f}, {2, 0.2f}}},
       {"! Not a contraction: D2 (200.0 mm) is not smaller than D1 (100.0 mm)."}},
      {{kBends, {}, 5},
       {"! Velocity is computed from the other rows and cannot be solved for: choose another "
        "row to solve for."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.state.page);
    EXPECT_EQ(findingsOf(c.state), c.findings);
  }
}

// An entry the leading-number rule read in part, or that the formula replaced, is told until the
// page is put on show again.
TEST(Findings, TheLastEntryIsToldUntilThePageIsShownAgain) {
  const struct {
    Page page;
    Integer row;
    QString typed;
    QString note;
  } cases[] = {
      {kHazen, 1, "8 in", "read \"8 in\" as 8 mm"},
      {kBends, 3, "1,5", "read \"1,5\" as 1"},
      {kHazen, 1, "80 mm", ""},
      // The velocity the formula gives anyway replaces nothing.
      {kHazen, 8, "0.7072635", ""},
      {kHazen, 8, "2",
       "The Velocity typed (2 m/s) was replaced: the formula computes it from the "
       "other rows."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    Session s({c.page, {}});
    Single start = s.session.value(c.row);
    testing::QuietUi ui;
    ASSERT_TRUE(s.session.commit(c.row, c.typed, start, ui).accepted);
    const auto notes = [&s] {
      QStringList texts;
      for (const Finding& f : checkPage(s.session).findings)
        if (f.level == Level::Note) texts << f.text;
      return texts;
    };
    EXPECT_EQ(notes(), c.note.isEmpty() ? QStringList() : QStringList{c.note});
    s.session.enterPage(c.page);
    EXPECT_EQ(notes(), QStringList());
  }
}

// The panel's line: the Reynolds number, the weightiest finding and how many more follow; the
// full list below the Reynolds number, warnings first.
TEST(Summary, GivesTheReynoldsNumberAndTheFirstFindingAndCountsTheRest) {
  Session laminar({kColebrook, {{1, 0.008f}, {3, 0.00048f}, {4, 1e-6f}, {9, 0.13f}}, 9});
  const PageChecks checks = checkPage(laminar.session);
  EXPECT_EQ(summaryLine(checks),
            "Re 1040 laminar \u00b7 Warning: Velocity is computed from the other rows and cannot "
            "be solved for: choose another row to solve for. (+2 more)");
  const QStringList lines = fullText(checks).split('\n');
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[2].startsWith("Warning: Laminar flow"));
}

}  // namespace
}  // namespace vantrel::checks
