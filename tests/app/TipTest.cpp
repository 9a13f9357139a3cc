// Tips: which row's tip the timer shows, when, where, and what hides it again.

#include <gtest/gtest.h>

#include <QTabBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include "app/WindowScript.h"
#include "datafile/LoaderFixture.h"
#include "tips/TipBox.h"
#include "ui/RichTextBox.h"
#include "ui/Twips.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

TEST(Tips, HangBelowTheValueBoxFiftyTwipsPerCaptionCharacterToTheLeft) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  testing::WindowScript(run).run("f1 m4 t tip=4");
  const QRect value = ui::twipsRect(run.txtV(4));
  const QRect tip = ui::twipsRect(run.window().rTxtTips());
  EXPECT_EQ(tip.left(), value.left() - run.form().tables.MaxCaptionLen * 50);
  EXPECT_EQ(run.window().rTxtTips()->toPlainText().split('\n').front(), "Pipe length L");
}

// A page whose tips text holds a formatted tip, one that starts with a line break, one of two
// lines, an empty one, a blank one, and then no more.
WindowRun pageWithOddTips() {
  testing::PageText page;
  page.system =
      "#&a =, 1, 1, 1# #&b =, 2, 1, 0# #&c =, 3, 1, 0# #&d =, 4, 1, 0# #&e =, 5, 1, 0#"
      " #&f =, 6, 1, 0# #0,Bends :- odd tips,Bends,1#";
  page.unit = QString("\\ROW/@m,0.00,1@\\ROW/ ").repeated(6);
  page.range = QString("#F,*# ").repeated(6);
  // A piece of rich text loses one final line break, as a whole document does: the third tip
  // keeps one of its two.
  page.tips = "#Bold tip# #\nAfter a break# #0123456789\n0123456789012345678901234\n\n# ## # #";
  QByteArray rtf = testing::rtfFromPlain(testing::fileText({page}));
  rtf.replace("Bold tip", "{\\b Bold} tip");
  return WindowRun(rtf);
}

TEST(Tips, KeepTheirFormattingDropOneLeadingBreakAndAreSizedByTheirLines) {
  WindowRun run = pageWithOddTips();
  ASSERT_TRUE(run.activate());
  testing::WindowScript script(run);
  ui::RichTextBox* box = run.window().rTxtTips();
  script.run("f6 m1 t tip=1");
  EXPECT_EQ(ui::twipsRect(box).size(), QSize(8 * 130, 270));  // one line of 8
  const QTextBlock first = box->document()->firstBlock();
  EXPECT_EQ(first.text(), "Bold tip");
  EXPECT_EQ(first.begin().fragment().charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(first.begin().fragment().text(), "Bold");
  script.run("b b m2 m2 t tip=2");
  EXPECT_EQ(box->toPlainText(), "After a break");
  script.run("b b m3 m3 t tip=3");
  // Lines of 10 and 25 characters, each ending in a break: 26 x 130 by 3 x 270 twips.
  EXPECT_EQ(ui::twipsRect(box).size(), QSize(3380, 810));
}

TEST(Tips, EmptyOrBlankTipsShowNothingAndMissingOnesSaySo) {
  WindowRun run = pageWithOddTips();
  ASSERT_TRUE(run.activate());
  testing::WindowScript script(run);
  // Nothing shows, and the move after the attempt is ignored like the one after a shown tip.
  script.run("f1 m4 t tip=0 m5 m5 m5 t tip=0 msgs=0 m6 m6 m6 t tip=6 msgs=1");
  ASSERT_EQ(run.dialogs().messages.size(), 1u);
  EXPECT_EQ(run.dialogs().messages[0].text, "Tips not found!");
  EXPECT_EQ(run.dialogs().messages[0].icon, ui::MessageIcon::None);
  EXPECT_EQ(run.window().rTxtTips()->toPlainText(), "No tips!");
}

}  // namespace
}  // namespace vantrel::app
