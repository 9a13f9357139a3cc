// Tips: which row's tip the timer shows, when, where, and what hides it again.

#include <gtest/gtest.h>

#include <QTabBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include "app/WindowFixture.h"
#include "datafile/LoaderFixture.h"
#include "tips/TipBox.h"
#include "ui/RichTextBox.h"
#include "ui/Twips.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

// Runs a script of steps against the window and checks the expectations it contains:
//   f<n> focus row n's value box      m<n> pointer moves over row n's value box
//   b    pointer moves over the page   x    pointer moves over the tip box
//   t<k> k ticks (one without k)       k    a key press
//   c    an entry committed by leaving for the tab strip
//   S<n> row n's tip is shown below it  H    no tip is shown        O  the timer is stopped
class TipScript {
 public:
  explicit TipScript(WindowRun& run) : run_(run) {}

  void run(const QString& script) {
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
      SCOPED_TRACE(step.toStdString());
      const QChar what = step.front();
      const int n = step.size() > 1 ? step.mid(1).toInt() : 1;
      if (what == 'f') {
        run_.txtV(n)->setFocus();
      } else if (what == 'm') {
        moveOver(run_.txtV(n));
      } else if (what == 'b') {
        moveOver(run_.window().pageArea());
      } else if (what == 'x') {
        moveOver(box()->viewport());
      } else if (what == 't') {
        for (int i = 0; i < n; ++i)
          tips::TipTimer_Timer(run_.form());
      } else if (what == 'k') {
        QTest::keyClick(run_.focused(), Qt::Key_End);
      } else if (what == 'c') {
        QTest::keyClicks(run_.focused(), "1");
        run_.window().TabStrip()->setFocus();  // leaving for a control that is no value box
      } else if (what == 'S') {
        EXPECT_TRUE(box()->isVisible());
        const QRect value = ui::twipsRect(run_.txtV(n));
        EXPECT_EQ(ui::twipsRect(box()).top(), value.top() + value.height());
      } else if (what == 'H') {
        EXPECT_FALSE(box()->isVisible());
      } else if (what == 'O') {
        EXPECT_FALSE(run_.form().TipTimer->isActive());
      }
      WindowRun::settle();
    }
  }

  ui::RichTextBox* box() { return run_.window().rTxtTips(); }

 private:
  // Every move lands on a new point, so that none is taken for a repeat of the last.
  void moveOver(QWidget* w) {
    point_ = (point_ + 1) % 4;
    QTest::mouseMove(w, QPoint(2 + point_, 2 + point_));
  }
  WindowRun& run_;
  int point_ = 0;
};

// The tests tick the timer themselves; its own ticks must not come in between.
void holdTheTimer(WindowRun& run) {
  run.form().tables.TipInterval = 32767;
  run.form().TipTimer->setInterval(32767);
}

struct TipCase {
  const char* name;
  const char* script;
};

class Tips : public ::testing::TestWithParam<TipCase> {};

TEST_P(Tips, FollowThePointerTheTicksAndTheKeys) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  holdTheTimer(run);
  TipScript(run).run(GetParam().script);
}

INSTANTIATE_TEST_SUITE_P(
    ShippedPageOne, Tips,
    ::testing::Values(
        TipCase{"AnotherRowsTipAfterOneRest", "f1 m2 t S2"},
        TipCase{"TheEditedRowsTipOnlyAfterTenTicks", "f1 b t9 H t S1"},
        TipCase{"OwnBoxCountsLikeTheBackground", "f1 m1 t9 H t S1"},
        // (A tip covers the rows below its own, so the pointer goes to rows clear of it.)
        TipCase{"TicksWhileATipIsUpCount", "f1 m2 t S2 t9 m7 m7 m1 t S1"},
        TipCase{"TheMoveAfterATipDoesNotHideIt", "f1 m2 t S2 b S2 b H"},
        TipCase{"EverySecondValueBoxMoveIsIgnored", "f1 m2 t S2 m3 S2 m3 H"},
        TipCase{"TheMoveAfterAValueBoxMoveIsIgnored", "f1 m2 m7 t S2"},
        TipCase{"AKeyHidesAndRestartsTheWait", "f1 m2 t S2 b k H t H"},
        TipCase{"TheTicksCountAgainFromATip", "f1 m1 t9 H t S1 k t H"},
        TipCase{"ACommitStopsTheTimerUntilAValueBoxMove", "f1 c H O b O m3 t S3"},
        TipCase{"ATipShownAfterACommitStaysOverBackgroundAndTipBox",
                "f1 c m3 t S3 b x b x S3 O m2 m2 H"}),
    [](const ::testing::TestParamInfo<TipCase>& info) { return std::string(info.param.name); });

TEST(Tips, HangBelowTheValueBoxFiftyTwipsPerCaptionCharacterToTheLeft) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  holdTheTimer(run);
  TipScript script(run);
  script.run("f1 m4 t S4");
  const QRect value = ui::twipsRect(run.txtV(4));
  const QRect tip = ui::twipsRect(script.box());
  EXPECT_EQ(tip.top(), value.top() + value.height());
  EXPECT_EQ(tip.left(), value.left() - run.form().tables.MaxCaptionLen * 50);
  EXPECT_EQ(script.box()->toPlainText().split('\n').front(), "Pipe length L");
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
  holdTheTimer(run);
  TipScript script(run);
  script.run("f6 m1 t S1");
  EXPECT_EQ(ui::twipsRect(script.box()).size(), QSize(8 * 130, 270));  // one line of 8
  const QTextBlock first = script.box()->document()->firstBlock();
  EXPECT_EQ(first.text(), "Bold tip");
  EXPECT_EQ(first.begin().fragment().charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(first.begin().fragment().text(), "Bold");
  script.run("b b m2 m2 t S2");
  EXPECT_EQ(script.box()->toPlainText(), "After a break");
  script.run("b b m3 m3 t S3");
  // Lines of 10 and 25 characters, each ending in a break: 26 x 130 by 3 x 270 twips.
  EXPECT_EQ(ui::twipsRect(script.box()).size(), QSize(3380, 810));
}

TEST(Tips, EmptyOrBlankTipsShowNothingAndMissingOnesSaySo) {
  WindowRun run = pageWithOddTips();
  ASSERT_TRUE(run.activate());
  holdTheTimer(run);
  TipScript script(run);
  // Nothing shows, and the move after the attempt is ignored like the one after a shown tip.
  script.run("f1 m4 t H m5 m5 m5 t H");
  EXPECT_TRUE(run.dialogs().messages.empty());
  script.run("m6 m6 m6 t S6");
  ASSERT_EQ(run.dialogs().messages.size(), 1u);
  EXPECT_EQ(run.dialogs().messages[0].text, "Tips not found!");
  EXPECT_EQ(run.dialogs().messages[0].icon, ui::MessageIcon::None);
  EXPECT_EQ(script.box()->toPlainText(), "No tips!");
}

}  // namespace
}  // namespace vantrel::app
