// The window as a person at a desktop meets it: real message boxes that take the activation
// away while the focus moves, mouse buttons let go while a box is up, double clicks, the unit
// list from the keyboard. These tests also run on a real X server with a window manager, where
// the activation comes back only after the box has gone.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>

#include "app/WindowFixture.h"
#include "ui/RichTextBox.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

struct DeskCase {
  const char* name;
  // Steps, by blanks: f<n> focus row n's box; "text" types text; Tab Backtab Return Escape Up
  // Down Space F4 AltDown CtrlA keys; press:<c> a press on control c whose release comes while
  // the message box it raised is up; click:<c>, dclick:<c>; m<n> the pointer over row n's box,
  // b over the page; No answers the next box No; tick lets the tip timer run under the next box;
  // menu:<c> a right click (the context menu closed with Escape); wheel:<c> the mouse wheel.
  // Controls: v<n> value box, c<n> check box, u<n> unit field, tab<n>, list<n> (item n of the
  // open unit list), a button's caption.
  const char* steps;
  // Checks, by blanks: v<n>=text box text; s<n>=value stored (base unit); focus=<c>;
  // sel=<c> whole text selected; page=<n>; unknown=<n>; unit<n>=<k>; list=0|1; tip=0|1;
  // msgs=<n>; help=<n> documents asked for; end=<n> program ends; edit=<n> EditFlag.
  const char* checks;
};

void PrintTo(const DeskCase& c, std::ostream* out) {
  *out << c.name;
}

class Desk : public ::testing::TestWithParam<DeskCase> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(run_.activate());
    user_ = &run_.realMessageBoxes();
  }

  QWidget* control(const QString& name) {
    const pages::PageControls& c = run_.form().controls;
    QTabBar* tabs = run_.window().TabStrip();
    if (name.startsWith("tab")) return tabs;
    if (name == "list") return run_.window().lstUnit();
    if (name.startsWith("list")) return run_.window().lstUnit()->viewport();
    if (name[0] == 'u') return c.lblUnit(name.mid(1).toInt());
    return run_.named(name);
  }
  QPoint pointIn(const QString& name) {
    if (name.startsWith("tab"))
      return run_.window().TabStrip()->tabRect(name.mid(3).toInt() - 1).center();
    if (name.startsWith("list")) {
      QListWidget* list = run_.window().lstUnit();
      return list->visualItemRect(list->item(name.mid(4).toInt() - 1)).center();
    }
    return control(name)->rect().center();
  }

  void step(const QString& s) {
    static const QMap<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> keys{
        {"Tab", {Qt::Key_Tab, Qt::NoModifier}},
        {"Backtab", {Qt::Key_Backtab, Qt::ShiftModifier}},
        {"Return", {Qt::Key_Return, Qt::NoModifier}},
        {"Escape", {Qt::Key_Escape, Qt::NoModifier}},
        {"Up", {Qt::Key_Up, Qt::NoModifier}},
        {"Down", {Qt::Key_Down, Qt::NoModifier}},
        {"Space", {Qt::Key_Space, Qt::NoModifier}},
        {"F4", {Qt::Key_F4, Qt::NoModifier}},
        {"AltDown", {Qt::Key_Down, Qt::AltModifier}},
        {"CtrlA", {Qt::Key_A, Qt::ControlModifier}}};
    const QString target = s.section(':', 1);
    if (keys.contains(s)) {
      QTest::keyClick(run_.focused(), keys[s].first, keys[s].second);
    } else if (s.startsWith('"')) {
      QTest::keyClicks(run_.focused(), s.mid(1, s.size() - 2));
    } else if (s[0] == 'f') {
      run_.txtV(s.mid(1).toInt())->setFocus();
    } else if (s.startsWith("press:")) {
      QWidget* w = control(target);
      const QPoint at = pointIn(target);
      user_->whileUp = [w, at] { QTest::mouseRelease(w, Qt::LeftButton, {}, at); };
      QTest::mousePress(w, Qt::LeftButton, {}, at);
    } else if (s.startsWith("click:")) {
      QTest::mouseClick(control(target), Qt::LeftButton, {}, pointIn(target));
    } else if (s.startsWith("dclick:")) {
      QTest::mouseDClick(control(target), Qt::LeftButton, {}, pointIn(target));
    } else if (s.startsWith("menu:")) {
      QTest::mouseClick(control(target), Qt::RightButton, {}, pointIn(target));
    } else if (s.startsWith("wheel:")) {
      QWidget* w = control(target);
      const QPoint at = pointIn(target);
      QWheelEvent wheel(at, w->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(w, &wheel);
    } else if (s[0] == 'm') {
      QTest::mouseMove(run_.txtV(s.mid(1).toInt()), QPoint(3, 3));
    } else if (s == "b") {
      QTest::mouseMove(run_.window().pageArea(), QPoint(2, 2));
    } else if (s == "No") {
      user_->answer = Qt::Key_Escape;
    } else if (s == "tick") {
      run_.form().tables.TipInterval = 10;
      run_.form().TipTimer->setInterval(10);
      ui::RichTextBox* tip = run_.window().rTxtTips();
      user_->whileUp = [this, tip] {
        testing::pause(150);
        tipUnderBox_ = tipUnderBox_ || tip->isVisible();
      };
    } else {
      ADD_FAILURE() << "unknown step " << s.toStdString();
    }
    run_.settleActive();
  }

  void check(const QString& c) {
    const QString what = c.section('=', 0, 0);
    const QString want = c.section('=', 1);
    const int n = what.size() > 1 && what[1].isDigit() ? what.mid(1).toInt() : 0;
    pages::PageDataForm& f = run_.form();
    const datafile::PageTables& t = f.tables;
    if (what[0] == 'v' && n > 0) {
      EXPECT_EQ(run_.txtV(n)->text(), want);
    } else if (what[0] == 's' && n > 0) {
      EXPECT_FLOAT_EQ(t.CurValue(n), want.toFloat());
    } else if (what == "focus") {
      EXPECT_EQ(run_.focused(), control(want))
          << (run_.focused() ? run_.focused()->accessibleName().toStdString() : "none");
    } else if (what == "sel") {
      QLineEdit* box = run_.txtV(want.mid(1).toInt());
      EXPECT_EQ(box->selectedText(), box->text());
    } else if (what == "page") {
      EXPECT_EQ(t.CurPage, want.toInt());
    } else if (what == "unknown") {
      EXPECT_EQ(run_.program().CurUnknown, want.toInt());
    } else if (what.startsWith("unit")) {
      EXPECT_EQ(t.VarUnit(t.CurPage, what.mid(4).toInt()), want.toInt());
    } else if (what == "list") {
      EXPECT_EQ(run_.window().lstUnit()->isVisible(), want == "1");
    } else if (what == "tip") {
      EXPECT_EQ(run_.window().rTxtTips()->isVisible() || tipUnderBox_, want == "1");
    } else if (what == "msgs") {
      EXPECT_EQ(run_.dialogs().messages.size(), want.toUInt());
    } else if (what == "help") {
      EXPECT_EQ(run_.opener().asked.size(), want.toInt());
    } else if (what == "end") {
      EXPECT_EQ(run_.programEnd().statuses.size(), want.toUInt());
    } else if (what == "edit") {
      EXPECT_EQ(f.EditFlag, want.toInt());
    } else {
      ADD_FAILURE() << "unknown check " << c.toStdString();
    }
  }

  WindowRun run_;
  testing::DeskUser* user_ = nullptr;
  bool tipUnderBox_ = false;
};

TEST_P(Desk, ShowsWhatIsStored) {
  const DeskCase& c = GetParam();
  for (const QString& s : QString(c.steps).split(' ', Qt::SkipEmptyParts)) {
    SCOPED_TRACE(s.toStdString());
    step(s);
  }
  for (const QString& s : QString(c.checks).split(' ', Qt::SkipEmptyParts)) {
    SCOPED_TRACE(s.toStdString());
    check(s);
  }
  // No control stays drawn pressed, and the focus never rests in the unknown's box.
  for (QAbstractButton* b : run_.window().findChildren<QAbstractButton*>())
    EXPECT_FALSE(b->isDown()) << b->text().toStdString();
  const Integer u = run_.program().CurUnknown;
  if (u >= 1 && u <= run_.form().controls.rowCount()) {
    EXPECT_NE(run_.focused(), run_.txtV(u));
  }
}

INSTANTIATE_TEST_SUITE_P(
    PageOne, Desk,
    ::testing::Values(
        // The box the focus arrives at while a message is up takes it over when the box closes.
        DeskCase{"RefusedThenRefusedShowsEachBoxsOwnValue", R"(f1 "20000" Tab CtrlA "abc" Tab)",
                 "v1=300 v2=50 s2=0.05 focus=v3 msgs=2"},
        DeskCase{"AbandonedSolveStartsFromItsOwnRow", R"(f2 "abc" Backtab No "1e-30" Tab)",
                 "v1=300.0 s1=0.3 v5=1.8020 focus=v2 msgs=2"},
        DeskCase{"ARefusedEntryBeforeTheUnknownPassesTheFocusOn", R"(f4 "abc" Tab)",
                 "v4=1000 focus=v6 sel=v6 msgs=1"},
        DeskCase{"ARefusedEntryBeforeATabClickLeavesTheNewPageItsOwnValues",
                 R"(f2 "abc" click:tab2 "abc" Tab)", "page=2 v1=300 focus=v2 msgs=2"},
        // A press that raised a message completes as a click once the box is closed.
        DeskCase{"ComputeReturnsToTheBox", R"(f2 "abc" press:Compute)",
                 "focus=v2 sel=v2 v2=50 msgs=1"},
        DeskCase{"ComputeReturnsToTheLastRow", R"(f8 "1" click:Compute)", "focus=v8 msgs=0"},
        // A context menu or the wheel over the tab strip is no move between controls.
        DeskCase{"AContextMenuCommitsNothing", R"(f2 "60" menu:v2)",
                 "focus=v2 edit=-1 v5=1.8020 msgs=0"},
        DeskCase{"TheWheelOverTheTabsSwitchesNoPage", R"(f2 "60" wheel:tab2)",
                 "page=1 edit=-1 msgs=0"},
        DeskCase{"ACheckBoxIsChecked", R"(f2 "abc" press:c1)", "unknown=1 msgs=1"},
        DeskCase{"ATabSwitches", R"(f2 "abc" press:tab3)", "page=3 msgs=1"},
        DeskCase{"ResetResets", R"(f2 "60" Tab f3 "abc" press:Reset)",
                 "s2=0.05 v5=1.8020 focus=v1 msgs=1"},
        DeskCase{"HelpOpensOnce", R"(f2 "abc" press:Help)", "help=2 msgs=3"},
        DeskCase{"ExitEnds", R"(f2 "abc" press:Exit)", "end=1 msgs=1"},
        // Choosing the tab of the page on show changes nothing: no commit, no focus move.
        DeskCase{"TheTabOnShowChangesNothing", R"(f2 "60" click:tab1)",
                 "page=1 focus=v2 edit=-1 v5=1.8020 msgs=0"},
        DeskCase{"NoTipComesUpUnderAMessage", R"(f2 "abc" m3 tick Tab)", "tip=0 msgs=1"},
        DeskCase{"ATipGoesWithItsPage", R"(f2 m3 click:tab2)", "page=2 tip=0"},
        // Closing the unit list gives the focus back to the box, never to the tab strip.
        DeskCase{"EscapeClosesTheListBackToTheBox", "f2 click:u1 Escape Down",
                 "list=0 unit1=2 focus=v3 page=1"},
        DeskCase{"APointerMoveClosesTheListBackToTheBox", "f2 click:u1 b Down",
                 "list=0 unit1=2 focus=v3 page=1"},
        DeskCase{"AChoiceClosesTheListBackToTheBox", "f2 click:u1 click:list4 Down",
                 "list=0 unit1=4 v1=11.811 focus=v3 page=1"},
        DeskCase{"ADoubleClickLeavesTheUnit", "f2 dclick:u1", "unit1=2"},
        // The focus a choice gives back passes on from the unknown's box: nothing is committed.
        DeskCase{"AChoiceForTheUnknownCommitsNothing", "click:c1 click:u1 click:list5",
                 "unit1=5 v1=0.9843 s1=0.3 focus=v2 msgs=0"},
        // The unit list from the keyboard: arrows move the highlight, Enter or Space chooses.
        DeskCase{"AltDownArrowsAndEnterChoose", "f1 AltDown Down Down Return",
                 "list=0 unit1=4 v1=11.811 focus=v1 sel=v1"},
        DeskCase{"F4ArrowsAndSpaceChoose", "f1 F4 Up Space", "list=0 unit1=1 v1=0.30000 focus=v1"},
        DeskCase{"ArrowsAloneChooseNothing", "f1 F4 Down", "list=1 unit1=2 focus=list"},
        DeskCase{"EscapeKeepsTheUnit", "f1 AltDown Down Escape", "list=0 unit1=2 focus=v1 sel=v1"}),
    [](const ::testing::TestParamInfo<DeskCase>& info) { return std::string(info.param.name); });

TEST(DeskList, SpeaksItsNameAndHighlightsTheCurrentUnit) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  run.txtV(2)->setFocus();
  run.key(Qt::Key_F4);
  QListWidget* list = run.window().lstUnit();
  ASSERT_TRUE(list->isVisible());
  EXPECT_EQ(list->accessibleName(), "Units of Flow Rate =");
  EXPECT_EQ(list->currentItem()->text(), "l/s");
}

}  // namespace
}  // namespace vantrel::app
