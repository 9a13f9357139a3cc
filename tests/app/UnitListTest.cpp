// Choosing a row's display unit from the list that opens over its unit field.

#include <gtest/gtest.h>

#include <QListWidget>

#include "app/WindowScript.h"
#include "datafile/LoaderFixture.h"
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

// The list opens over the unit field, one 225-twips row a unit, named after its row; a unit
// named by a single space is listed as "no unit".
TEST(UnitList, OpensOverTheFieldAllUnitsInSight) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  QListWidget* list = run.window().lstUnit();
  for (const int row : {kPipeDia, kCFactor}) {
    clickUnit(run, row);
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

// Row 2's default unit is its third slot, past its one-unit list, where the factor is 0: it
// shows 0, takes no entry, and its list still offers the units it has.
TEST(UnitList, AUnitPastTheListWithAFactorOfZeroTakesNoEntryButCanBeChanged) {
  testing::PageText page;
  page.unit =
      "\\ROW/@m,0.000,1@ @mm,0.0,1000@ @cm,0.0,100@\\ROW/ \\ROW/@m3/s,0.000,1@\\ROW/"
      " \\ROW/@m,0.000,1@\\ROW/";
  page.system.replace("#&Flow =, 0.01, 1, 0#", "#&Flow =, 0.01, 3, 0#");
  WindowRun run(testing::rtfFromPlain(testing::fileText({page})));
  ASSERT_TRUE(run.activate());
  testing::WindowScript(run).run(
      R"(v2=0 snap f2 "5" Tab kept=1 msg="Flow cannot be entered in this unit: its conversion )"
      R"(factor is 0." click:u2 click:list1 v2=0.010)");
}

}  // namespace
}  // namespace vantrel::app
