// Choosing a row's display unit from the list that opens over its unit field.

#include <gtest/gtest.h>

#include <QListWidget>

#include "app/WindowFixture.h"
#include "input/UnitList.h"
#include "ui/Twips.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

constexpr int kPipeDia = 1, kCFactor = 3;

void clickUnit(WindowRun& run, int row) {
  QTest::mouseClick(run.form().controls.lblUnit(row), Qt::LeftButton);
  WindowRun::settle();
}

TEST(UnitList, OpensOverTheFieldWithTheCurrentUnitAndAChoiceOnlyChangesTheDisplay) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  run.typeInto(2, "60");
  run.key(Qt::Key_Tab);  // C Factor's box has the focus when the list opens, and gets it back
  clickUnit(run, kPipeDia);
  QListWidget* list = run.window().lstUnit();
  ASSERT_TRUE(list->isVisible());
  EXPECT_EQ(run.focused(), list);
  EXPECT_EQ(list->count(), 5);
  EXPECT_EQ(list->currentItem()->text(), "mm");
  EXPECT_EQ(ui::twipsRect(list).topLeft(),
            ui::twipsRect(run.form().controls.lblUnit(kPipeDia)).topLeft());
  EXPECT_EQ(ui::twipsHeight(list), 5 * input::kUnitListRowHeight);
  EXPECT_EQ(list->accessibleName(), "Units of Pipe Dia. =");

  const Single stored = run.form().tables.CurValue(kPipeDia);
  list->setCurrentRow(3);  // in
  WindowRun::settle();
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(run.txtV(kPipeDia)->text(), "11.811");
  EXPECT_EQ(run.form().controls.lblUnit(kPipeDia)->text(), "in");
  EXPECT_EQ(run.form().tables.CurValue(kPipeDia), stored);
  EXPECT_EQ(run.form().tables.VarUnit(1, kPipeDia), 4);
  EXPECT_EQ(run.form().EditFlag, 0);
  EXPECT_EQ(run.focused(), run.txtV(kCFactor));
}

TEST(UnitList, ASingleSpaceIsListedAsNoUnitAndTheCurrentChoiceRewritesTheSameText) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  clickUnit(run, kCFactor);
  QListWidget* list = run.window().lstUnit();
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), "no unit");
  const QString before = run.txtV(kCFactor)->text();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(0)).center());
  WindowRun::settle();
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(run.txtV(kCFactor)->text(), before);
  EXPECT_EQ(run.form().controls.lblUnit(kCFactor)->text(), " ");
  EXPECT_EQ(run.form().EditFlag, 0);
}

TEST(UnitList, ClosesWithoutAChangeOnABackgroundMoveOrTheLossOfTheFocus) {
  for (bool byPointer : {true, false}) {
    WindowRun run;
    ASSERT_TRUE(run.activate());
    clickUnit(run, kPipeDia);
    QListWidget* list = run.window().lstUnit();
    ASSERT_TRUE(list->isVisible());
    if (byPointer) {
      QTest::mouseMove(run.window().pageArea(), QPoint(2, 2));
    } else {
      run.txtV(2)->setFocus();
    }
    WindowRun::settle();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(run.form().controls.lblUnit(kPipeDia)->text(), "mm");
    EXPECT_EQ(run.form().tables.VarUnit(1, kPipeDia), 2);
  }
}

}  // namespace
}  // namespace vantrel::app
