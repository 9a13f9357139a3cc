// Committing typed values on pages of special data files: no formula, a unit that cannot show
// the result, a grey check box, a page that cannot be built.

#include <gtest/gtest.h>

#include <QPushButton>

#include "app/WindowFixture.h"
#include "datafile/LoaderFixture.h"
#include "pages/PageBuilder.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

constexpr int kFlowRate = 2;

// What the page holds and shows, to compare before and after an entry.
struct PageState {
  std::vector<Single> values;
  QStringList texts;
  bool operator==(const PageState&) const = default;
};

PageState stateOf(WindowRun& run) {
  PageState state;
  for (int i = 1; i <= run.form().controls.rowCount(); ++i) {
    state.values.push_back(run.form().tables.CurValue(i));
    state.texts << run.txtV(i)->text();
  }
  return state;
}

// A page of the loader tests' kind: Diameter, Flow and Loss, Loss the unknown.
WindowRun smallPage(const QString& system) {
  testing::PageText page;
  page.system = system;
  return WindowRun(testing::rtfFromPlain(testing::fileText({page})));
}

TEST(Commit, APageWithoutAFormulaSaysSoOncePerCommit) {
  WindowRun run = smallPage(
      "#&Diameter =, 0.1, 1, 0# #&Flow =, 0.01, 1, 0# #&Loss =, 0.07431, 1, 1#"
      " #0,Nothing :- no formula,Nothing,1#");
  ASSERT_TRUE(run.activate());
  run.dialogs().answer = ui::MessageAnswer::No;
  run.typeInto(1, "0.2");
  run.key(Qt::Key_Return);
  int critical = 0, questions = 0;
  for (const testing::RecordedMessage& m : run.dialogs().messages) {
    if (m.icon == ui::MessageIcon::Critical) {
      ++critical;
      EXPECT_EQ(m.text, "Formular not available!");
    }
    if (m.buttons == ui::MessageButtons::YesNo) ++questions;
  }
  EXPECT_EQ(critical, 1);
  EXPECT_EQ(questions, 1);
}

// A result its unit cannot show undoes the entry: Head Loss is shown in a unit of factor 1e38, and
// doubling the flow takes the loss from 1.8 to 6.5 m.
TEST(Commit, AResultBeyondWhatItsUnitCanShowUndoesTheEntry) {
  testing::PageText page;
  page.system =
      "#&Pipe Dia. =,0.3,1,0# #&Flow Rate =,0.05,1,0# #&C Factor =,130,1,0# #Pipe &Length "
      "=,1000,1,0# #&Head Loss =,1.8019782,1,1# #&Gradient =,0.0018019782,1,0# #&K Factor "
      "=,70.71431,1,0# #&Velocity =,0.7072635,1,0# #6,H-W :- big loss,H.Williams,1#";
  page.unit = QString("\\ROW/@m,0.000,1@\\ROW/ ").repeated(4) + "\\ROW/@huge,0.0,1e38@\\ROW/ " +
              QString("\\ROW/@m,0.000,1@\\ROW/ ").repeated(3);
  page.range = QString("#F,*# ").repeated(8);
  page.tips = QString("#tip# ").repeated(8);
  WindowRun run(testing::rtfFromPlain(testing::fileText({page})));
  ASSERT_TRUE(run.activate());
  const PageState before = stateOf(run);
  run.typeInto(kFlowRate, "0.1");
  run.key(Qt::Key_Tab);
  ASSERT_EQ(run.dialogs().messages.size(), 1u);
  EXPECT_EQ(run.dialogs().messages[0].text,
            "Flow Rate cannot be taken:\rthe result lies beyond the largest number that can be "
            "held or shown.");
  EXPECT_EQ(stateOf(run).values, before.values);
}

TEST(Unknown, AGreyBoxBecomesTheUnknownAndUserClicksNeverMakeAnotherGrey) {
  WindowRun run = smallPage(
      "#&Diameter =, 0.1, 1, 0# #&Flow =, 0.01, 1, 2# #&Loss =, 0.07431, 1, 1#"
      " #0,Bends :- Loss of a bend,Bends,1#");
  ASSERT_TRUE(run.activate());
  const pages::PageControls& c = run.form().controls;
  ASSERT_EQ(c.chkV(2)->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(c.chkV(2)->text(), "&Flow =");
  for (int row : {2, 2, 3, 2})
    QTest::mouseClick(c.chkV(row), Qt::LeftButton);
  EXPECT_EQ(run.program().CurUnknown, 2);
  EXPECT_EQ(c.chkV(2)->checkState(), Qt::Checked);
  EXPECT_EQ(c.chkV(3)->checkState(), Qt::Unchecked);
  EXPECT_EQ(c.chkV(2)->text(), "&Flow =?");
  EXPECT_EQ(c.chkV(3)->text(), "&Loss =");
}

TEST(PageBuild, AFailedBuildLeavesTheCheckBoxesListening) {
  testing::PageText broken;
  broken.system.replace("0.01, 1, 0#", "0.01, 1, 3#");  // a check state no box can show
  WindowRun run(testing::rtfFromPlain(testing::fileText({testing::PageText(), broken})));
  ASSERT_TRUE(run.loaded());
  datafile::PageTables& t = run.form().tables;
  pages::RemovePage(run.form());
  t.CurPage = 2;
  EXPECT_THROW(pages::CreatePage(run.form(), t.CurPage), std::invalid_argument);
  EXPECT_EQ(run.form().PageBuilding, 0);
}

}  // namespace
}  // namespace vantrel::app
