// Page 1 built from small data files: the twips positions and sizes of rows, frames and buttons.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include "app/WindowFixture.h"
#include "datafile/LoaderFixture.h"
#include "pages/PageBuilder.h"
#include "ui/Twips.h"

namespace vantrel::app {
namespace {

using testing::PageText;

// A page of n variables captioned "v1 =", "v2 =", ... with the given split row; variable 1 is
// the unknown.
PageText pageOf(int n, int splitRow, const QString& firstCaption = "&v1 =") {
  PageText page{.system = {}, .unit = {}, .range = {}, .tips = {}};
  for (int j = 1; j <= n; ++j) {
    const QString caption = j == 1 ? firstCaption : QString("&v%1 =").arg(j);
    page.system += QString("#%1, %2, 1, %3# ").arg(caption).arg(j * 0.5).arg(j == 1 ? 1 : 0);
    page.unit += "\\ROW/@m,0.00,1@ @mm,0,1000@\\ROW/ ";
    page.range += "#F,*# ";
    page.tips += QString("#tip %1# ").arg(j);
  }
  page.system += QString("#%1,Test page :- layout,Bends,1#").arg(splitRow);
  return page;
}

QRect twips(QWidget* w) {
  return ui::twipsRect(w);
}

struct LayoutCase {
  const char* name;
  int variables;
  int splitRow;
  QString firstCaption;
  // Expected, in twips.
  int frame0Height;
  bool frame1Visible;
  int frame1Top;
  int frame1Height;
  std::vector<int> valueTops;
  int checkWidth;
  int valueLeft;
  int unitLeft;
  int frameWidth;
  int buttonLeft;
};

class PageLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(PageLayoutTest, PlacesRowsFramesAndButtons) {
  const LayoutCase& c = GetParam();
  testing::WindowRun run(
      testing::rtfFromPlain(testing::fileText({pageOf(c.variables, c.splitRow, c.firstCaption)})));
  ASSERT_TRUE(run.loaded());
  const pages::PageControls& controls = run.form().controls;
  ASSERT_EQ(controls.rowCount(), c.variables);
  EXPECT_EQ(twips(controls.Imgbox(0)).top(), 200);
  EXPECT_EQ(twips(controls.Imgbox(0)).left(), 350);
  EXPECT_EQ(twips(controls.Imgbox(0)).height(), c.frame0Height);
  EXPECT_EQ(twips(controls.Imgbox(0)).width(), c.frameWidth);
  EXPECT_EQ(controls.Imgbox(1)->isVisibleTo(&run.window()), c.frame1Visible);
  EXPECT_EQ(controls.Imgbox(1)->accessibleName(),
            c.frame1Visible ? QString("Rows %1 to %2").arg(c.splitRow).arg(c.variables) : "");
  if (c.frame1Visible) {
    EXPECT_EQ(twips(controls.Imgbox(1)).top(), c.frame1Top);
    EXPECT_EQ(twips(controls.Imgbox(1)).height(), c.frame1Height);
    EXPECT_EQ(twips(controls.Imgbox(1)).width(), c.frameWidth);
  }
  for (int i = 1; i <= c.variables; ++i) {
    SCOPED_TRACE(i);
    const int valueTop = c.valueTops[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(twips(controls.txtV(i)).top(), valueTop);
    EXPECT_EQ(twips(controls.chkV(i)).top(), valueTop - 15);
    EXPECT_EQ(twips(controls.lblUnit(i)).top(), valueTop + 105);
    EXPECT_EQ(twips(controls.chkV(i)).left(), 460);
    EXPECT_EQ(twips(controls.chkV(i)).width(), c.checkWidth);
    EXPECT_EQ(twips(controls.txtV(i)).left(), c.valueLeft);
    EXPECT_EQ(twips(controls.txtV(i)).size(), QSize(1095, 330));
    EXPECT_EQ(twips(controls.lblUnit(i)).left(), c.unitLeft);
    EXPECT_TRUE(controls.txtV(i)->isVisibleTo(&run.window()));
  }
  for (QPushButton* b :
       {controls.btnExit(), controls.btnReset(), controls.btnCompute(), controls.btnHelp()}) {
    EXPECT_EQ(twips(b).left(), c.buttonLeft) << b->text().toStdString();
  }
  EXPECT_EQ(twips(controls.btnHelp()).top(), 1800);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Pages, PageLayoutTest,
    ::testing::Values(
        // "&v1 =" is the longest caption: MaxCaptionLen 6, caption width 630.
        LayoutCase{"OneVariable", 1, 0, "&v1 =", 530, false, 0, 0, {395}, 630, 1165, 2320, 2770, 3420},
        LayoutCase{"SingleFrame", 3, 0, "&v1 =", 1390, false, 0, 0, {395, 825, 1255}, 630, 1165, 2320, 2770, 3420},
        LayoutCase{"SecondFrameFromRow2", 3, 2, "&v1 =", 730, true, 980, 1060, {395, 1180, 1610}, 630, 1165, 2320, 2770, 3420},
        LayoutCase{"SecondFrameFromRow6", 8, 6, "&v1 =", 2450, true, 2700, 1490,
                   {395, 825, 1255, 1685, 2115, 2900, 3330, 3760}, 630, 1165, 2320, 2770, 3420},
        LayoutCase{"CaptionOf19Characters", 2, 0, "&Abcdefghijklmnop =", 960, false, 0, 0, {395, 825}, 2100, 2635, 3790, 4240, 4890}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Captions come from the rich text with their "&"; every row whose stored state is checked shows
// the "?", a grey one shows none, and the unknown is the page record's all the same.
TEST(PageBuild, MarksCheckedRowsAndShowsValuesInTheirUnits) {
  PageText page = pageOf(3, 0);
  page.system = "#R&&D =, 0.5, 1, 1# #&b =, 1, 1, 1# #&c =, 1.5, 1, 2# #0,T :- t,Bends,1#";
  testing::WindowRun run(testing::rtfFromPlain(testing::fileText({page})));
  ASSERT_TRUE(run.loaded());
  const pages::PageControls& c = run.form().controls;
  EXPECT_EQ(c.chkV(1)->text(), "R&&D =?");
  EXPECT_EQ(c.txtV(1)->accessibleName(), "R&D =");  // "&&" shows, and is spoken, as one "&"
  EXPECT_EQ(c.chkV(2)->text(), "&b =?");
  EXPECT_EQ(c.chkV(3)->text(), "&c =");
  EXPECT_EQ(c.chkV(3)->checkState(), Qt::PartiallyChecked);
  EXPECT_TRUE(c.txtV(1)->isReadOnly());
  EXPECT_FALSE(c.txtV(2)->isReadOnly());
  EXPECT_EQ(run.program().CurUnknown, 1);
  EXPECT_EQ(run.form().PageBuilding, 0);
  EXPECT_EQ(run.window().windowTitle(), "T :- t");
  EXPECT_EQ(c.txtV(1)->text(), "0.50");
  EXPECT_EQ(c.txtV(3)->text(), "1.50");
  EXPECT_EQ(c.lblUnit(2)->text(), "m");
}

TEST(PageBuild, AFailedBuildLeavesTheCheckBoxesListening) {
  testing::PageText broken;
  broken.system.replace("0.01, 1, 0#", "0.01, 1, 3#");  // a check state no box can show
  testing::WindowRun run(testing::rtfFromPlain(testing::fileText({testing::PageText(), broken})));
  ASSERT_TRUE(run.loaded());
  datafile::PageTables& t = run.form().tables;
  pages::RemovePage(run.form());
  t.CurPage = 2;
  EXPECT_THROW(pages::CreatePage(run.form(), t.CurPage), std::invalid_argument);
  EXPECT_EQ(run.form().PageBuilding, 0);
}

}  // namespace
}  // namespace vantrel::app
