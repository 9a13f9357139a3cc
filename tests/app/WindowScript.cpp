#include "app/WindowScript.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QTreeView>
#include <QWheelEvent>

#include "app/TablePicker.h"
#include "app/PlotCommand.h"
#include "app/PlotPanel.h"
#include "tips/TipBox.h"
#include "ui/ChecksPanel.h"
#include "ui/PlotView.h"
#include "ui/RichTextBox.h"
#include "ui/TableList.h"
#include "ui/Twips.h"

namespace vantrel::testing {

QStringList scriptWords(const QString& script) {
  QStringList words;
  static const QRegularExpression word(R"([^\s"']*("[^"]*"|'[^']*')|\S+)");
  for (const QRegularExpressionMatch& m : word.globalMatch(script))
    words << m.captured();
  return words;
}

WindowScript::WindowScript(WindowRun& run) : run_(run), user_(run.realMessageBoxes()) {
  run_.form().tables.TipInterval = 32767;
  run_.form().TipTimer->setInterval(32767);
}

void WindowScript::run(const QString& script) {
  for (const QString& word : scriptWords(script)) {
    SCOPED_TRACE(word.toStdString());
    if (word.contains('=') && !word.startsWith('"')) {
      check(word);
    } else {
      step(word);
      if (word == "away") {
        run_.settle();
      } else {
        run_.settleActive();
      }
    }
  }
}

QWidget* WindowScript::control(const QString& name) {
  const pages::PageControls& c = run_.form().controls;
  QListWidget* list = run_.window().lstUnit();
  if (name.startsWith("tab")) return run_.window().TabStrip();
  if (name == "tlines") return run_.window().tablePicker()->list()->lines();
  if (name == "list") return list;
  if (name.startsWith("list")) return list->viewport();
  if (name[0] == 'u') return c.lblUnit(name.mid(1).toInt());
  if (name.startsWith("frame")) return c.Imgbox(name.mid(5).toInt() - 1);
  if (name == "area") return run_.window().pageArea();
  if (app::PlotPanel* plot = run_.window().plot().panel()) {
    if (name == "plot") return plot->view();
    if (name == "axis" || name == "views") return plot->findChild<QComboBox*>(name);
  }
  return run_.named(name);
}

QPoint WindowScript::pointIn(const QString& name) {
  const int n = name.mid(name.startsWith("list") ? 4 : 3).toInt();
  if (name.startsWith("tab") && n > 0) return run_.window().TabStrip()->tabRect(n - 1).center();
  if (name.startsWith("list") && n > 0) {
    QListWidget* list = run_.window().lstUnit();
    return list->visualItemRect(list->item(n - 1)).center();
  }
  // Clear of the rows a frame holds and of the controls on the background.
  if (name.startsWith("frame")) return control(name)->rect().bottomLeft() + QPoint(3, -3);
  if (name == "area") return control(name)->rect().bottomRight() - QPoint(3, 3);
  return control(name)->rect().center();
}

// Every move lands on a new point, also from one script to the next, so that none is taken for a
// repeat of the last.
void WindowScript::moveOver(QWidget* w) {
  static int point = 0;
  point = (point + 1) % 4;
  QTest::mouseMove(w, QPoint(2 + point, 2 + point));
}

// A key or key chord as Qt spells it ("Tab", "Alt+Down", "Ctrl+Shift+C"); the script's own steps
// start in lower case, or are "Menu" and "No".
bool WindowScript::key(const QString& word) {
  if (!word[0].isUpper() || word == "Menu" || word == "No") return false;
  const QKeySequence sequence(word);
  if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) return false;
  Qt::KeyboardModifiers modifiers = sequence[0].keyboardModifiers();
  if (sequence[0].key() == Qt::Key_Backtab) modifiers |= Qt::ShiftModifier;  // as keyboards send it
  QTest::keyClick(run_.focused(), sequence[0].key(), modifiers);
  return true;
}

void WindowScript::step(const QString& word) {
  const QString target = word.section(':', 1);
  const int n = word.mid(1).toInt();
  // On a desktop the keyboard moves between the page and the plot on show a moment after F6 or
  // Escape. A key sent from here carries no time of the X server, by which a window manager tells
  // the user's request from a window stealing the focus: a move it declines is made as the user's
  // key would have it made.
  app::PlotPanel* plot = run_.window().plot().panel();
  QWidget* active = QApplication::activeWindow();
  const bool moves = plot != nullptr && plot->isVisible() && (word == "F6" || word == "Escape");
  if (key(word)) {
    if (moves &&
        !QTest::qWaitFor([active] { return QApplication::activeWindow() != active; }, 1000))
      QApplication::setActiveWindow(
          active == plot || word == "Escape" ? static_cast<QWidget*>(&run_.window()) : plot);
    return;
  }
  if (word.startsWith('"')) {
    QTest::keyClicks(run_.focused(), word.mid(1, word.size() - 2));
  } else if (word.startsWith("focus:")) {
    control(target)->setFocus();
  } else if (word.startsWith("click:")) {
    QTest::mouseClick(control(target), Qt::LeftButton, {}, pointIn(target));
  } else if (word.startsWith("dclick:")) {
    QTest::mouseDClick(control(target), Qt::LeftButton, {}, pointIn(target));
  } else if (word == "Menu") {
    // The menu key as the platform delivers it: a context-menu event at the focused control.
    QWidget* w = run_.focused();
    const QPoint at = w->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &menu);
  } else if (word.startsWith("pick:")) {
    user_.menuChoice = target;
  } else if (word.startsWith("menu:")) {
    QTest::mouseClick(control(target), Qt::RightButton, {}, pointIn(target));
  } else if (word.startsWith("press:")) {
    QWidget* w = control(target);
    const QPoint at = pointIn(target);
    user_.whileUp = [w, at] { QTest::mouseRelease(w, Qt::LeftButton, {}, at); };
    QTest::mousePress(w, Qt::LeftButton, {}, at);
    user_.whileUp = nullptr;
  } else if (word.startsWith("act:")) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control(target));
    if (target.startsWith("tab")) a = a->child(target.mid(3).toInt() - 1);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    pause(200);  // a button's is a click animated for 100 ms
  } else if (word.startsWith("wheel:")) {
    QWidget* w = control(target);
    const QPoint at = pointIn(target);
    QWheelEvent wheel(at, w->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
  } else if (word[0] == 'f') {
    run_.txtV(n)->setFocus();
  } else if (word[0] == 'm') {
    moveOver(run_.txtV(n));
  } else if (word == "b") {
    moveOver(run_.window().pageArea());
  } else if (word == "x") {
    moveOver(run_.window().rTxtTips()->viewport());
  } else if (word == "tick") {
    run_.form().tables.TipInterval = 10;
    run_.form().TipTimer->setInterval(10);
    ui::RichTextBox* tip = run_.window().rTxtTips();
    user_.whileUp = [this, tip] {
      pause(150);
      tipUnderBox_ = tipUnderBox_ || tip->isVisible();
    };
  } else if (word[0] == 't') {
    for (int i = 0; i < std::max(1, n); ++i)
      tips::TipTimer_Timer(run_.form());
  } else if (word == "No") {
    user_.answer = Qt::Key_Escape;
  } else if (word == "away") {
    other_ = std::make_unique<QWidget>();
    other_->show();
    QApplication::setActiveWindow(other_.get());
    // On a desktop the window manager's own activation of the new window comes later; waiting
    // for it keeps it from arriving after "back" and taking the focus from the page again.
    other_->activateWindow();
    (void)QTest::qWaitForWindowActive(other_.get());
  } else if (word == "back") {
    run_.activate();
  } else if (word == "snap") {
    snapshot_ = shown();
    snapValues_.clear();
    for (int i = 1; i <= run_.form().controls.rowCount(); ++i)
      snapValues_.push_back(run_.form().tables.CurValue(i));
  } else {
    ADD_FAILURE() << "unknown step " << word.toStdString();
  }
}

// Every row's caption, value text, unit text and read-only state.
QStringList WindowScript::shown() {
  QStringList rows;
  const pages::PageControls& c = run_.form().controls;
  for (int i = 1; i <= c.rowCount(); ++i) {
    rows << c.chkV(i)->text() + "|" + c.txtV(i)->text() + "|" + c.lblUnit(i)->text() +
                (c.txtV(i)->isReadOnly() ? "|ro" : "");
  }
  return rows;
}

// Text checks compare whole texts, or with "~=" whether the text holds the value; a value in
// quotes may hold blanks, and "|" in it stands for the line break of a message.
bool textMatches(const QString& text, QString want, bool contains) {
  if (want.size() >= 2 && (want.front() == '"' || want.front() == '\''))
    want = want.mid(1, want.size() - 2);
  want.replace('|', '\r');
  return contains ? text.contains(want) : text == want;
}

// Whether some pixel of w is drawn in a red, well above its green and blue.
bool drawnInRed(QWidget* w) {
  const QImage image = w->grab().toImage();
  for (int i = 0; i < image.width() * image.height(); ++i) {
    const QColor c = image.pixelColor(i % image.width(), i / image.width());
    if (c.red() > c.green() + 80 && c.red() > c.blue() + 80) return true;
  }
  return false;
}

void WindowScript::check(const QString& word) {
  QString what = word.section('=', 0, 0).remove(QRegularExpression("\\d+$"));
  const bool contains = what.endsWith('~');
  if (contains) what.chop(1);
  const QString want = word.section('=', 1);
  const int n = word.section('=', 0, 0).remove('~').mid(what.size()).toInt();
  const bool yes = want == "1";
  pages::PageDataForm& f = run_.form();
  const datafile::PageTables& t = f.tables;
  const pages::PageControls& c = f.controls;
  QWidget* focused = run_.focused();
  const auto expectText = [&](const QString& text) {
    EXPECT_TRUE(textMatches(text, want, contains)) << text.toStdString();
  };
  if (what == "v") {
    expectText(c.txtV(n)->text());
  } else if (what == "msg") {
    const auto& messages = run_.dialogs().messages;
    ASSERT_GE(messages.size(), static_cast<std::size_t>(std::max(n, 1)));
    expectText(n == 0 ? messages.back().text : messages[static_cast<std::size_t>(n - 1)].text);
  } else if (what == "checks") {
    expectText(run_.window().checksPanel()->text());
  } else if (what == "checkstip") {
    expectText(run_.window().checksPanel()->toolTip());
  } else if (what == "warning") {
    EXPECT_EQ(drawnInRed(run_.window().checksPanel()), yes);
  } else if (what == "kept") {
    std::vector<Single> values;
    for (int i = 1; i <= c.rowCount(); ++i)
      values.push_back(t.CurValue(i));
    EXPECT_EQ(values == snapValues_, yes);
  } else if (what == "s") {
    EXPECT_FLOAT_EQ(t.CurValue(n), want.toFloat());
  } else if (what == "ask") {
    EXPECT_EQ(c.chkV(n)->text().endsWith('?'), yes);
  } else if (what == "state") {
    EXPECT_EQ(c.chkV(n)->checkState(), want.toInt());
  } else if (what == "ro") {
    EXPECT_EQ(c.txtV(n)->isReadOnly(), yes);
  } else if (what == "unit") {
    EXPECT_EQ(t.VarUnit(t.CurPage, n), want.toInt());
  } else if (what == "focus") {
    EXPECT_EQ(focused, control(want)) << (focused ? focused->accessibleName().toStdString() : "");
  } else if (what == "sel" || what == "unsel") {
    auto* box = qobject_cast<QLineEdit*>(control(want));
    EXPECT_EQ(box->selectedText(), what == "sel" ? box->text() : QString());
  } else if (what == "row") {
    EXPECT_EQ(f.CurFocusRow, want.toInt());
  } else if (what == "page") {
    EXPECT_EQ(t.CurPage, want.toInt());
  } else if (what == "hl") {
    EXPECT_EQ(run_.window().TabStrip()->currentIndex() + 1, want.toInt());
  } else if (what == "unknown") {
    EXPECT_EQ(run_.program().CurUnknown, want.toInt());
  } else if (what == "list") {
    EXPECT_EQ(run_.window().lstUnit()->isVisible(), yes);
  } else if (what == "tip") {
    ui::RichTextBox* tip = run_.window().rTxtTips();
    EXPECT_EQ(tip->isVisible() || tipUnderBox_, want != "0");
    if (want != "0") {
      const QRect value = ui::twipsRect(run_.txtV(want.toInt()));
      EXPECT_EQ(ui::twipsRect(tip).top(), value.top() + value.height());
    }
  } else if (what == "timer") {
    EXPECT_EQ(f.TipTimer->isActive(), yes);
  } else if (what == "msgs") {
    EXPECT_EQ(run_.dialogs().messages.size(), want.toUInt());
  } else if (what == "help") {
    EXPECT_EQ(run_.opener().asked.size(), want.toInt());
  } else if (what == "end") {
    EXPECT_EQ(run_.programEnd().statuses.size(), want.toUInt());
  } else if (what == "edit") {
    EXPECT_EQ(f.EditFlag, want.toInt());
  } else if (what == "same") {
    EXPECT_EQ(shown() == snapshot_, yes) << shown().join(" / ").toStdString();
  } else if (what == "status") {
    EXPECT_EQ(run_.window().statusText(), want);
  } else if (what == "plot") {
    // "none": nothing of the plot built; "0": not on show; else its description.
    const app::PlotPanel* plot = run_.window().plot().panel();
    EXPECT_EQ(plot == nullptr, want == "none");
    if (want == "none") return;
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->isVisible(), want != "0");
    if (want != "0") expectText(plot->view()->accessibleDescription());
  } else if (what == "clip") {
    expectText(QGuiApplication::clipboard()->text());
  } else if (what == "tl") {
    EXPECT_EQ(run_.window().tablePicker()->list()->isVisible(), yes);
  } else if (what == "tline") {
    const QModelIndex line = run_.window().tablePicker()->list()->lines()->currentIndex();
    expectText(line.data(Qt::AccessibleTextRole).toString());
  } else if (what == "tnotes") {
    for (const QLabel* label : run_.window().tablePicker()->list()->findChildren<QLabel*>()) {
      if (label->accessibleName() == "Rows that could not be read") expectText(label->text());
    }
  } else if (what == "tname") {
    expectText(run_.window().tablePicker()->list()->lines()->accessibleName());
  } else if (what == "cite") {
    const record::TableCitation* cited = f.TableSources.of(f.session(), n);
    expectText(cited ? record::citationText(*cited) : QString());
  } else if (what == "tiptext") {
    expectText(run_.window().rTxtTips()->toPlainText());
  } else {
    ADD_FAILURE() << "unknown check " << word.toStdString();
  }
}

}  // namespace vantrel::testing
