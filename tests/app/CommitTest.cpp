// Committing typed values on pages of special data files: no formula, a unit that cannot show
// the result, a grey check box, a page that cannot be built.

#include <gtest/gtest.h>

#include <QPushButton>

#include "app/WindowScript.h"
#include "datafile/LoaderFixture.h"
#include "pages/PageBuilder.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

// A page of the loader tests' kind: Diameter, Flow and Loss, Loss the unknown.
WindowRun smallPage(const QString& system) {
  testing::PageText page;
  page.system = system;
  return WindowRun(testing::rtfFromPlain(testing::fileText({page})));
}

// The formula is asked for hundreds of times a solve; the page says once that it has none, and
// the solve that cannot move ends at the budget question.
TEST(Commit, APageWithoutAFormulaSaysSoOncePerCommit) {
  WindowRun run = smallPage(
      "#&Diameter =, 0.1, 1, 0# #&Flow =, 0.01, 1, 0# #&Loss =, 0.07431, 1, 1#"
      " #0,Nothing :- no formula,Nothing,1#");
  ASSERT_TRUE(run.activate());
  testing::WindowScript(run).run(R"(f1 "0.2" No Return msgs=2 msg~="Try another 500")");
  EXPECT_EQ(run.dialogs().messages[0].text, "Formular not available!");
  EXPECT_EQ(run.dialogs().messages[0].icon, ui::MessageIcon::Critical);
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
  testing::WindowScript(run).run(
      R"(snap f2 "0.1" Tab kept=1 msgs=1 msg="Flow Rate cannot be taken:|the result lies )"
      R"(beyond the largest number that can be held or shown.")");
}

// A grey box (check state 2 in the data file) shows no "?"; a user's click checks it, and no
// click of the user's makes a box grey again.
TEST(Unknown, AGreyBoxBecomesTheUnknownAndUserClicksNeverMakeAnotherGrey) {
  WindowRun run = smallPage(
      "#&Diameter =, 0.1, 1, 0# #&Flow =, 0.01, 1, 2# #&Loss =, 0.07431, 1, 1#"
      " #0,Bends :- Loss of a bend,Bends,1#");
  ASSERT_TRUE(run.activate());
  const pages::PageControls& c = run.form().controls;
  ASSERT_EQ(c.chkV(2)->checkState(), Qt::PartiallyChecked);
  testing::WindowScript(run).run(
      "ask2=0 click:c2 click:c2 click:c3 click:c2 unknown=2 ask2=1 ask3=0");
  EXPECT_EQ(c.chkV(2)->checkState(), Qt::Checked);
  EXPECT_EQ(c.chkV(3)->checkState(), Qt::Unchecked);
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
