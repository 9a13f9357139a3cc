// Moving the focus through a page: the unknown's value box passes the focus on in the direction
// it came from, and Up and Down walk the keyboard order like Shift+Tab and Tab everywhere.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTabBar>
#include <functional>

#include "app/WindowFixture.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;
using Pick = std::function<QWidget*(WindowRun&)>;

Pick value(int i) {
  return [i](WindowRun& r) { return r.txtV(i); };
}
Pick check(int i) {
  return [i](WindowRun& r) { return r.form().controls.chkV(i); };
}
QWidget* tabStrip(WindowRun& r) {
  return r.window().TabStrip();
}
QWidget* compute(WindowRun& r) {
  return r.form().controls.btnCompute();
}

struct FocusCase {
  const char* name;
  int unknown;                // row ticked before the move (the shipped page's is 5 of 8)
  int leftRow;                // value box focused and left before the move (0: none)
  Pick start;                 // control that has the focus when the move begins
  std::vector<Qt::Key> keys;  // the move: keys, or Qt::Key_unknown for a click on `target`
  Pick target;                // clicked control
  Pick expected;              // control that has the focus after the move
  int focusRow;               // CurFocusRow afterwards
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
  if (c.leftRow != 0) {
    run.txtV(c.leftRow)->setFocus();
    WindowRun::settle();
  }
  c.start(run)->setFocus();
  WindowRun::settle();
  for (const Qt::Key key : c.keys) {
    if (key == Qt::Key_unknown) {
      QTest::mouseClick(c.target(run), Qt::LeftButton);
      WindowRun::settle();
    } else {
      run.key(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    }
  }
  EXPECT_EQ(run.focused(), c.expected(run));
  EXPECT_EQ(run.form().CurFocusRow, c.focusRow);
  EXPECT_NE(run.focused(), run.txtV(run.program().CurUnknown));
}

INSTANTIATE_TEST_SUITE_P(
    Page1, FocusMove,
    ::testing::Values(
        FocusCase{"TabOntoTheUnknownGoesOn", 5, 0, value(4), {Qt::Key_Tab}, {}, value(6), 6},
        FocusCase{
            "BacktabOntoTheUnknownGoesBack", 5, 0, value(6), {Qt::Key_Backtab}, {}, value(4), 4},
        FocusCase{"ClickAfterLeavingALowerRowGoesOn",
                  5,
                  0,
                  value(2),
                  {Qt::Key_unknown},
                  value(5),
                  value(6),
                  6},
        FocusCase{"ClickAfterLeavingAHigherRowGoesBack",
                  5,
                  0,
                  value(7),
                  {Qt::Key_unknown},
                  value(5),
                  value(4),
                  4},
        FocusCase{"LastRowUnknownWrapsToTheFirstCheckBox",
                  8,
                  0,
                  value(7),
                  {Qt::Key_Tab},
                  {},
                  check(1),
                  8},
        FocusCase{"FirstRowUnknownWrapsToTheTabStrip",
                  1,
                  0,
                  value(2),
                  {Qt::Key_Backtab},
                  {},
                  tabStrip,
                  1},
        FocusCase{"BackToTheUnknownJustLeftGoesOnByOneTab",
                  1,
                  0,
                  value(2),
                  {Qt::Key_Backtab, Qt::Key_Tab},
                  {},
                  value(2),
                  2},
        FocusCase{"BackToTheLastRowUnknownJustLeftGoesBack",
                  8,
                  8,
                  check(1),
                  {Qt::Key_unknown},
                  value(8),
                  value(7),
                  7},
        FocusCase{"DownInAValueBoxIsTab", 5, 0, value(1), {Qt::Key_Down}, {}, value(2), 2},
        FocusCase{"UpInAValueBoxIsShiftTab", 5, 0, value(3), {Qt::Key_Up}, {}, value(2), 2},
        FocusCase{"DownOnACheckBoxIsTab", 5, 0, check(2), {Qt::Key_Down}, {}, check(3), 0},
        FocusCase{"UpOnAButtonIsShiftTab",
                  5,
                  0,
                  compute,
                  {Qt::Key_Up},
                  {},
                  [](WindowRun& r) -> QWidget* { return r.form().controls.btnReset(); },
                  0},
        FocusCase{"DownOnTheLastValueBoxReachesTheChecks",
                  5,
                  0,
                  value(8),
                  {Qt::Key_Down},
                  {},
                  check(1),
                  8}),
    [](const ::testing::TestParamInfo<FocusCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantrel::app
