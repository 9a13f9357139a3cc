// Moving the focus through a page: the unknown's value box passes the focus on in the direction
// it came from, and Up and Down walk the keyboard order like Shift+Tab and Tab everywhere.

#include <gtest/gtest.h>

#include <QTabBar>

#include "app/WindowFixture.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

struct FocusCase {
  const char* name;
  int unknown;           // row ticked first (the shipped page's own is 5 of 8)
  const char* start;     // control given the focus first
  const char* moves;     // keys (Tab, Backtab, Up, Down) and clicks ("click v5"), by blanks
  const char* expected;  // control that has the focus afterwards
  int focusRow;          // CurFocusRow afterwards
};

void PrintTo(const FocusCase& c, std::ostream* out) {
  *out << c.name;
}

class FocusMove : public ::testing::TestWithParam<FocusCase> {};

TEST_P(FocusMove, EndsWhereThePageSays) {
  const FocusCase& c = GetParam();
  WindowRun run;
  ASSERT_TRUE(run.activate());
  if (c.unknown != 5) QTest::mouseClick(run.form().controls.chkV(c.unknown), Qt::LeftButton);
  run.named(c.start)->setFocus();
  WindowRun::settle();
  const QStringList moves = QString(c.moves).split(' ');
  for (qsizetype i = 0; i < moves.size(); ++i) {
    if (moves[i] == "click") {
      QTest::mouseClick(run.named(moves[++i]), Qt::LeftButton);
      WindowRun::settle();
    } else {
      const QMap<QString, Qt::Key> keys{{"Tab", Qt::Key_Tab},
                                        {"Backtab", Qt::Key_Backtab},
                                        {"Up", Qt::Key_Up},
                                        {"Down", Qt::Key_Down}};
      const Qt::Key key = keys.value(moves[i]);
      run.key(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    }
  }
  EXPECT_EQ(run.focused(), run.named(c.expected));
  EXPECT_EQ(run.form().CurFocusRow, c.focusRow);
  EXPECT_NE(run.focused(), run.txtV(run.program().CurUnknown));
}

INSTANTIATE_TEST_SUITE_P(
    Page1, FocusMove,
    ::testing::Values(
        FocusCase{"TabOntoTheUnknownGoesOn", 5, "v4", "Tab", "v6", 6},
        FocusCase{"BacktabOntoTheUnknownGoesBack", 5, "v6", "Backtab", "v4", 4},
        FocusCase{"ClickAfterLeavingALowerRowGoesOn", 5, "v2", "click v5", "v6", 6},
        FocusCase{"ClickAfterLeavingAHigherRowGoesBack", 5, "v7", "click v5", "v4", 4},
        FocusCase{"LastRowUnknownWrapsToTheFirstCheckBox", 8, "v7", "Tab", "c1", 8},
        FocusCase{"FirstRowUnknownWrapsToTheTabStrip", 1, "v2", "Backtab", "tabs", 1},
        FocusCase{"BackToTheUnknownJustLeftGoesOnByOneTab", 1, "v2", "Backtab Tab", "v2", 2},
        FocusCase{"BackToTheLastRowUnknownJustLeftGoesBack", 8, "v8", "click v8", "v7", 7},
        FocusCase{"DownInAValueBoxIsTab", 5, "v1", "Down", "v2", 2},
        FocusCase{"UpInAValueBoxIsShiftTab", 5, "v3", "Up", "v2", 2},
        FocusCase{"DownOnACheckBoxIsTab", 5, "c2", "Down", "c3", 0},
        FocusCase{"UpOnAButtonIsShiftTab", 5, "Compute", "Up", "Reset", 0},
        FocusCase{"DownOnTheLastValueBoxReachesTheChecks", 5, "v8", "Down", "c1", 8}),
    [](const ::testing::TestParamInfo<FocusCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantrel::app
