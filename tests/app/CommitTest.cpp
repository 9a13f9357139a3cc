// Committing typed values on the shipped file's first page (Hazen-Williams): Enter, Tab and
// Compute, the unknown, and entries that are refused.

#include <gtest/gtest.h>

#include <QPushButton>

#include "app/WindowFixture.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

constexpr int kPipeDia = 1, kFlowRate = 2, kHeadLoss = 5, kVelocity = 8;

// The solver returns the last Newton iterate plus its final step, 1e-5 of the iterate above the
// root: Flow Rate 60 l/s gives hf = 2.524846 m exactly and 2.524873 m from the solver.
const QString kHeadLossAt60 = "2.5249";

TEST(Commit, EnterTabAndComputeEachCommitOnce) {
  for (Qt::Key leave : {Qt::Key_Return, Qt::Key_Tab, Qt::Key_unknown}) {
    SCOPED_TRACE(leave);
    WindowRun run;
    ASSERT_TRUE(run.activate());
    run.typeInto(kFlowRate, "60");
    if (leave == Qt::Key_unknown) {
      QTest::mouseClick(run.form().controls.btnCompute(), Qt::LeftButton);
      WindowRun::settle();
    } else {
      run.key(leave);
    }
    EXPECT_EQ(run.txtV(kHeadLoss)->text(), kHeadLossAt60);
    EXPECT_EQ(run.txtV(kFlowRate)->text(), "60.000");
    EXPECT_EQ(run.txtV(kVelocity)->text(), "0.849");
    EXPECT_EQ(run.window().statusText(), "Ready");
    EXPECT_TRUE(run.dialogs().messages.empty());
    const QWidget* expectedFocus = leave == Qt::Key_Tab ? run.txtV(3) : run.txtV(kFlowRate);
    EXPECT_EQ(run.focused(), expectedFocus);
    EXPECT_EQ(run.txtV(kFlowRate)->selectedText(),
              leave == Qt::Key_Tab ? QString() : run.txtV(kFlowRate)->text());
    // Leaving again commits nothing: the page stays as it is.
    const Single headLoss = run.form().tables.CurValue(kHeadLoss);
    run.key(Qt::Key_Tab);
    EXPECT_EQ(run.form().tables.CurValue(kHeadLoss), headLoss);
  }
}

TEST(Commit, TickingPipeDiaSolvesForItFromHeadLoss) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  const pages::PageControls& c = run.form().controls;
  QTest::mouseClick(c.chkV(kPipeDia), Qt::LeftButton);
  EXPECT_EQ(c.chkV(kPipeDia)->text(), "&Pipe Dia. =?");
  EXPECT_EQ(c.chkV(kHeadLoss)->text(), "&Head Loss =");
  EXPECT_FALSE(c.chkV(kHeadLoss)->isChecked());
  EXPECT_TRUE(c.txtV(kPipeDia)->isReadOnly());
  EXPECT_FALSE(c.txtV(kHeadLoss)->isReadOnly());
  EXPECT_EQ(run.program().CurUnknown, kPipeDia);
  // Clicking the unknown's own box changes nothing.
  QTest::mouseClick(c.chkV(kPipeDia), Qt::LeftButton);
  EXPECT_TRUE(c.chkV(kPipeDia)->isChecked());
  EXPECT_EQ(c.chkV(kPipeDia)->text(), "&Pipe Dia. =?");
  EXPECT_EQ(run.program().CurUnknown, kPipeDia);

  run.typeInto(kHeadLoss, "5");
  run.key(Qt::Key_Tab);
  EXPECT_NEAR(run.txtV(kPipeDia)->text().toDouble(), 243.2, 0.1);
  EXPECT_EQ(run.txtV(kHeadLoss)->text(), "5.0000");
}

}  // namespace
}  // namespace vantrel::app
