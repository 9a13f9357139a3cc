// Switching pages through the tab strip, and resetting the page on show to the data file's
// defaults.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTabBar>

#include "app/WindowFixture.h"
#include "datafile/LoaderFixture.h"
#include "pages/PageBuilder.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

// What a page shows: every row's caption, value text, unit text and read-only state.
QStringList shown(WindowRun& run) {
  QStringList rows;
  const pages::PageControls& c = run.form().controls;
  for (int i = 1; i <= c.rowCount(); ++i) {
    rows << c.chkV(i)->text() + "|" + c.txtV(i)->text() + "|" + c.lblUnit(i)->text() +
                (c.txtV(i)->isReadOnly() ? "|ro" : "");
  }
  return rows;
}

void clickTab(WindowRun& run, int page) {
  QTabBar* tabs = run.window().TabStrip();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page - 1).center());
  WindowRun::settle();
}

// Page 1 with a committed value, another unit, another unknown and the focus in row 3.
void changePageOne(WindowRun& run) {
  run.typeInto(2, "60");
  run.key(Qt::Key_Tab);
  QTest::mouseClick(run.form().controls.chkV(8), Qt::LeftButton);
  run.form().controls.lblUnit(1)->setFocus();
  QTest::mouseClick(run.form().controls.lblUnit(1), Qt::LeftButton);
  run.window().lstUnit()->setCurrentRow(2);  // cm
  WindowRun::settle();
  run.txtV(3)->setFocus();
  WindowRun::settle();
}

TEST(PageSwitch, APageComesBackAsItWasLeft) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  changePageOne(run);
  const QStringList pageOne = shown(run);
  EXPECT_EQ(run.program().CurUnknown, 8);

  clickTab(run, 2);
  const datafile::PageTables& t = run.form().tables;
  EXPECT_EQ(t.CurPage, 2);
  EXPECT_EQ(run.form().controls.rowCount(), t.VarCount(2));
  EXPECT_EQ(run.window().windowTitle(), t.PageTitle(2));
  EXPECT_EQ(run.txtV(1)->accessibleName(), pages::spokenCaption(t.VarCaptionRTF(2, 1).plainText()));
  EXPECT_EQ(run.focused(), run.txtV(t.FocusRow(2)));
  EXPECT_EQ(run.txtV(t.FocusRow(2))->selectedText(), run.txtV(t.FocusRow(2))->text());

  clickTab(run, 1);
  EXPECT_EQ(shown(run), pageOne);
  EXPECT_EQ(run.program().CurUnknown, 8);
  EXPECT_EQ(run.focused(), run.txtV(3));
  // Choosing the tab of the page on show changes nothing, not even the focus.
  clickTab(run, 1);
  EXPECT_EQ(run.focused(), run.txtV(3));
  EXPECT_EQ(shown(run), pageOne);
}

TEST(PageSwitch, UpAndDownCycleThroughThePagesWithoutMovingTheHighlight) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  QTabBar* tabs = run.window().TabStrip();
  const int pages = tabs->count();
  tabs->setFocus();
  struct Step {
    Qt::Key key;
    int page;
  };
  for (const Step& step : {Step{Qt::Key_Up, pages}, Step{Qt::Key_Down, 1}, Step{Qt::Key_Down, 2},
                           Step{Qt::Key_Right, 2}}) {
    if (run.focused() != tabs) tabs->setFocus();
    run.key(step.key);
    EXPECT_EQ(run.form().tables.CurPage, step.page);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_NE(run.focused(), tabs);  // the posted Tab or the focus step moved it into the page
  }
  // The highlighted tab is the first, so a click on it now goes back to page 1.
  clickTab(run, 1);
  EXPECT_EQ(run.form().tables.CurPage, 1);
}

TEST(PageSwitch, AFocusRowOffThePageFocusesRowOne) {
  testing::PageText second;
  second.system.replace("Bends,1#", "Bends,7#");
  WindowRun run(testing::rtfFromPlain(testing::fileText({testing::PageText(), second})));
  ASSERT_TRUE(run.activate());
  clickTab(run, 2);
  EXPECT_EQ(run.focused(), run.txtV(1));
}

TEST(PageSwitch, LeavingAPageRemovesAllButItsFirstRow) {
  WindowRun run;
  ASSERT_TRUE(run.loaded());
  pages::RemovePage(run.form());
  EXPECT_EQ(run.form().controls.rowCount(), 1);
}

TEST(PageReset, RestoresThePageOnShowAndKeepsTheOthers) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  const QStringList defaultsOne = shown(run);
  clickTab(run, 2);
  run.typeInto(1, "0.2");
  run.key(Qt::Key_Tab);
  const QStringList changedTwo = shown(run);
  clickTab(run, 1);
  changePageOne(run);
  ASSERT_NE(shown(run), defaultsOne);

  QTest::mouseClick(run.form().controls.btnReset(), Qt::LeftButton);
  WindowRun::settle();
  EXPECT_EQ(shown(run), defaultsOne);
  EXPECT_EQ(run.program().CurUnknown, 5);
  EXPECT_EQ(run.focused(), run.txtV(1));
  clickTab(run, 2);
  EXPECT_EQ(shown(run), changedTwo);
}

}  // namespace
}  // namespace vantrel::app
