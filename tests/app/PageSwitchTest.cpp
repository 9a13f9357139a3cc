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

void clickTab(WindowRun& run, int page) {
  QTabBar* tabs = run.window().TabStrip();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page - 1).center());
  WindowRun::settle();
}

TEST(PageSwitch, AFocusRowOffThePageFocusesRowOne) {
  testing::PageText second;
  second.system.replace("Bends,1#", "Bends,7#");
  WindowRun run(testing::rtfFromPlain(testing::fileText({testing::PageText(), second})));
  ASSERT_TRUE(run.activate());
  clickTab(run, 2);
  EXPECT_EQ(run.focused(), run.txtV(1));
}

}  // namespace
}  // namespace vantrel::app
