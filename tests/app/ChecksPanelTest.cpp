// The checks panel of the status bar, as a screen reader meets it.

#include <gtest/gtest.h>

#include <QAccessible>

#include "app/WindowFixture.h"
#include "ui/ChecksPanel.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

// Screen readers read the panel as a label named "Checks": its text is the line, its description
// the full list that hovering shows. (What it says, WindowScriptTest's scenarios check.)
TEST(ChecksPanel, IsReadAsChecks) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  ui::ChecksPanel* panel = run.window().checksPanel();
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(panel);
  ASSERT_TRUE(spoken != nullptr && spoken->textInterface() != nullptr);
  EXPECT_EQ(spoken->text(QAccessible::Name), "Checks");
  EXPECT_EQ(spoken->textInterface()->text(0, spoken->textInterface()->characterCount()),
            panel->text());
  EXPECT_EQ(spoken->text(QAccessible::Description), panel->toolTip());
}

}  // namespace
}  // namespace vantrel::app
