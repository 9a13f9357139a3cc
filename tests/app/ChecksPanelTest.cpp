// The checks panel of the status bar follows the page on show: it is rewritten after every
// commit, unknown change, unit change, page switch and Reset, and a screen reader reads it as
// "Checks".

#include <gtest/gtest.h>

#include <QAccessible>
#include <QListWidget>
#include <QTabBar>

#include "app/WindowFixture.h"
#include "ui/ChecksPanel.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

constexpr int kPipeDia = 1, kFlowRate = 2, kHeadLoss = 6, kVelocity = 9;

void click(QWidget* widget, QPoint at = {}) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, at);
  WindowRun::settle();
}

// Types text over the whole of row's value box and leaves it with Tab.
void enter(WindowRun& run, int row, const QString& text) {
  QLineEdit* box = run.txtV(row);
  box->setFocus(Qt::TabFocusReason);
  WindowRun::settle();
  box->selectAll();
  QTest::keyClicks(box, text);
  run.key(Qt::Key_Tab);
}

TEST(ChecksPanel, FollowsEveryChangeOfThePageAndIsReadAsChecks) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  ui::ChecksPanel* panel = run.window().checksPanel();
  QTabBar* tabs = run.window().TabStrip();
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(panel);
  ASSERT_TRUE(spoken != nullptr && spoken->textInterface() != nullptr);
  const auto line = [spoken] {
    return spoken->textInterface()->text(0, spoken->textInterface()->characterCount());
  };
  EXPECT_EQ(spoken->text(QAccessible::Name), "Checks");
  EXPECT_EQ(line(), "Re 2.1e5 turbulent (water at 20 \u00b0C)");
  EXPECT_FALSE(panel->warning());

  // 8 mm at 6.63 ml/s on C.White: Re = 4Q/(pi D nu) = 1055, laminar.
  click(tabs, tabs->tabRect(1).center());
  EXPECT_EQ(line(), "Re 2.1e5 turbulent");
  enter(run, kPipeDia, "8");
  enter(run, kFlowRate, "0.00663");
  EXPECT_TRUE(line().startsWith("Re 1055 laminar \u00b7 Warning: Laminar flow"));
  EXPECT_TRUE(panel->warning());
  EXPECT_EQ(panel->toolTip(), spoken->text(QAccessible::Description));
  EXPECT_EQ(panel->toolTip().split('\n').size(), 2);

  // The laminar head loss is given in the unit the head loss row shows.
  click(run.form().controls.lblUnit(kHeadLoss));
  run.window().lstUnit()->setCurrentRow(5);
  WindowRun::settle();
  EXPECT_TRUE(panel->toolTip().contains(" kPa H2O for this flow."));

  click(run.form().controls.chkV(kVelocity));
  EXPECT_TRUE(line().contains("Warning: Velocity U is computed"));

  // An entry read in part is told until the page is shown again, by a switch or Reset.
  click(run.form().controls.btnReset());
  enter(run, kPipeDia, "8 in");
  EXPECT_TRUE(line().endsWith("Note: read \"8 in\" as 8 mm"));
  click(tabs, tabs->tabRect(0).center());
  click(tabs, tabs->tabRect(1).center());
  EXPECT_FALSE(panel->toolTip().contains("Note:"));
  enter(run, kPipeDia, "8 in");
  EXPECT_TRUE(panel->toolTip().contains("Note:"));
  click(run.form().controls.btnReset());
  EXPECT_EQ(line(), "Re 2.1e5 turbulent");
}

}  // namespace
}  // namespace vantrel::app
