// Choosing a row's display unit from the list that opens over its unit field.

#include <gtest/gtest.h>

#include <QListWidget>

#include "app/WindowFixture.h"
#include "input/UnitList.h"
#include "ui/Twips.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

// The list opens over the unit field, one 225-twips row a unit, named after its row; a unit
// named by a single space is listed as "no unit".
TEST(UnitList, OpensOverTheFieldAllUnitsInSight) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  QListWidget* list = run.window().lstUnit();
  for (const int row : {1, 3}) {  // Pipe Dia., C Factor
    QTest::mouseClick(run.form().controls.lblUnit(row), Qt::LeftButton);
    WindowRun::settle();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(ui::twipsRect(list).topLeft(),
              ui::twipsRect(run.form().controls.lblUnit(row)).topLeft());
    EXPECT_EQ(ui::twipsHeight(list), list->count() * input::kUnitListRowHeight);
    QTest::keyClick(list, Qt::Key_Escape);
  }
  EXPECT_EQ(list->accessibleName(), "Units of C Factor =");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), "no unit");
}

}  // namespace
}  // namespace vantrel::app
