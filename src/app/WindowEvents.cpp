#include "app/WindowEvents.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "app/CountingDialogs.h"
#include "common/KeyCodes.h"
#include "input/UnitList.h"
#include "input/Unknown.h"
#include "input/ValueEntry.h"
#include "pages/PageDataForm.h"
#include "pages/PageReset.h"
#include "pages/PageSwitch.h"
#include "tips/Help.h"
#include "tips/PointerMoves.h"
#include "tips/TipBox.h"
#include "ui/CheckBox.h"
#include "ui/RichTextBox.h"

namespace vantrel::app {

namespace {

// A focus change that comes from the window being deactivated or activated, or from a popup, is
// not a move between the window's controls.
bool betweenControls(const QFocusEvent* focus) {
  return focus->reason() != Qt::ActiveWindowFocusReason && focus->reason() != Qt::PopupFocusReason;
}

Integer keyCodeOf(const QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Left:
      return kKeyLeft;
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Right:
      return kKeyRight;
    case Qt::Key_Down:
      return kKeyDown;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyEnter;
    default:
      return 0;
  }
}

Integer shiftStateOf(const QKeyEvent* key) {
  const Qt::KeyboardModifiers m = key->modifiers();
  return static_cast<Integer>((m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                              (m & Qt::AltModifier ? 4 : 0));
}

// An access key: Alt held with a key that is no modifier itself.
bool isAccessKey(const QKeyEvent* key) {
  static const QList<int> modifiers{Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Shift, Qt::Key_Control,
                                    Qt::Key_Meta};
  return key->modifiers() & Qt::AltModifier && !modifiers.contains(key->key());
}

// The character a key press types, as the key-press handler sees it (Enter is 13); 0 for none.
Integer typedCharacter(const QKeyEvent* key) {
  if (keyCodeOf(key) == kKeyEnter) return kKeyEnter;
  if (key->text().isEmpty()) return 0;
  return static_cast<Integer>(key->text().front().unicode());
}

}  // namespace

WindowEvents::WindowEvents(pages::PageDataForm& form, const CountingDialogs& dialogs,
                           QObject* parent)
    : QObject(parent), form_(form), dialogs_(dialogs) {}

void WindowEvents::watchRow(const pages::PageRow& row) {
  for (QWidget* control : {static_cast<QWidget*>(row.chkV), static_cast<QWidget*>(row.txtV),
                           static_cast<QWidget*>(row.lblUnit)}) {
    control->installEventFilter(this);
  }
  row.txtV->setMouseTracking(true);
  ui::CheckBox* box = row.chkV;
  connect(box, &QCheckBox::stateChanged, this, [this, box] {
    Part part = Part::None;
    const Integer i = rowOf(box, part);
    if (i != 0) input::chkV_Click(form_, i);
  });
  QLineEdit* value = row.txtV;
  connect(value, &QLineEdit::textChanged, this, [this, value] {
    Part part = Part::None;
    const Integer i = rowOf(value, part);
    if (i != 0) input::txtV_Change(form_, i);
  });
}

void WindowEvents::watchWindow(QWidget* window, QWidget* pageArea) {
  window_ = window;
  pageArea_ = pageArea;
  if (window->windowHandle() != nullptr) {
    nativeWindow_ = window->windowHandle();
    nativeWindow_->installEventFilter(this);
  }
  const pages::PageControls& c = form_.controls;
  for (QWidget* w : {window, pageArea, static_cast<QWidget*>(form_.tabStrip),
                     static_cast<QWidget*>(c.Imgbox(0)), static_cast<QWidget*>(c.Imgbox(1))}) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }
  for (QWidget* w : {static_cast<QWidget*>(c.btnExit()), static_cast<QWidget*>(c.btnReset()),
                     static_cast<QWidget*>(c.btnCompute()), static_cast<QWidget*>(c.btnHelp()),
                     static_cast<QWidget*>(form_.lstUnit)}) {
    w->installEventFilter(this);
  }
  QWidget* tipArea = form_.rTxtTips->viewport();
  tipArea->setMouseTracking(true);
  tipArea->installEventFilter(this);
  form_.lstUnit->viewport()->installEventFilter(this);
  connect(form_.TipTimer, &QTimer::timeout, this, [this] { tips::TipTimer_Timer(form_); });
  connect(c.btnHelp(), &QPushButton::clicked, this, [this] { tips::btnHelp_Click(form_); });
  connect(c.btnReset(), &QPushButton::clicked, this,
          [this] { rebuildUnderFocus([this] { pages::btnReset_Click(form_); }); });
  connect(c.btnCompute(), &QPushButton::clicked, this, [this] { input::btnCompute_Click(form_); });
  // Both signals: a click on the unit already selected changes no row but still chooses it.
  // In a list opened from the keyboard the arrow keys only move the highlight.
  connect(form_.lstUnit, &QListWidget::currentRowChanged, this, [this] {
    if (!form_.UnitListByKeys) input::lstUnit_Click(form_);
  });
  connect(form_.lstUnit, &QListWidget::itemClicked, this, [this] { input::lstUnit_Click(form_); });
}

void WindowEvents::watchTabChoices() {
  QTabBar* strip = form_.tabStrip;
  connect(strip, &QTabBar::currentChanged, this, [this] { tabChosen(); });
  // A click on the highlighted tab changes no index but is a choice all the same: after Up or
  // Down the highlighted tab need not be the page on show.
  connect(strip, &QTabBar::tabBarClicked, this, [this, strip](int index) {
    if (index == strip->currentIndex()) tabChosen();
  });
}

void WindowEvents::tabChosen() {
  if (form_.tabStrip->currentIndex() + 1 == form_.tables.CurPage) return;
  rebuildUnderFocus([this] { pages::TabStrip_Click(form_); });
}

// A click on a tab or on Reset takes the focus from the value box before the page is rebuilt and
// gives it to a box of the new rows after. The tab's or Reset's press action of a screen reader,
// a choice by code, leave the focus where it is, and row 1 outlives the rebuild: the box is left
// all the same (its entry committed as the click would commit it) and its row of the rebuilt page
// is arrived at, with that page's value and unknown.
void WindowEvents::rebuildUnderFocus(const std::function<void()>& rebuild) {
  Part part = Part::None;
  const Integer left = rowOf(QApplication::focusWidget(), part);
  if (part == Part::Value) {
    form_.GotFocusRow = 0;
    input::txtV_LostFocus(form_, left);
  }
  rebuild();
  const Integer kept = rowOf(QApplication::focusWidget(), part);
  if (part == Part::Value && kept != form_.GotFocusRow) arriveAt(kept);
}

void WindowEvents::arriveAt(Integer row) {
  form_.GotFocusRow = row;
  input::txtV_GotFocus(form_, row);
}

Integer WindowEvents::rowOf(const QObject* watched, Part& part) const {
  const pages::PageControls& c = form_.controls;
  for (int i = 1; i <= c.rowCount(); ++i) {
    const pages::PageRow& row = c.row(i);
    part = watched == row.txtV      ? Part::Value
           : watched == row.chkV    ? Part::Check
           : watched == row.lblUnit ? Part::Unit
                                    : Part::None;
    if (part != Part::None) return static_cast<Integer>(i);
  }
  return 0;
}

bool WindowEvents::eventFilter(QObject* watched, QEvent* event) {
  if (watched == nativeWindow_) {
    return event->type() == QEvent::MouseButtonPress &&
           windowPress(static_cast<QMouseEvent*>(event));
  }
  const bool onList = watched == form_.lstUnit->viewport();
  switch (event->type()) {
    case QEvent::WinIdChange:
      // Presses reach the native window before the toolkit moves the focus for them.
      if (watched == window_ && window_->windowHandle() != nativeWindow_) {
        nativeWindow_ = window_->windowHandle();
        nativeWindow_->installEventFilter(this);
      }
      return false;
    case QEvent::ShortcutOverride:
      // An access key is no shortcut in the open unit list: it reaches the list, which it closes.
      if (watched != form_.lstUnit || !isAccessKey(static_cast<QKeyEvent*>(event))) return false;
      event->accept();
      return true;
    case QEvent::KeyPress:
      return keyPress(watched, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
      return focusIn(watched, static_cast<QFocusEvent*>(event));
    case QEvent::FocusOut:
      focusOut(watched, static_cast<QFocusEvent*>(event));
      return false;
    case QEvent::MouseMove:
      return mouseMove(watched, static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (onList) return unitListClick(static_cast<QMouseEvent*>(event));
      return event->type() == QEvent::MouseButtonPress &&
             controlPress(watched, static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
      if (onList) {
        const bool swallow = swallowListRelease_;
        swallowListRelease_ = false;
        return swallow;
      }
      return unitFieldRelease(watched, static_cast<QMouseEvent*>(event));
    case QEvent::Wheel:
      // The wheel would change the page under the pointer without the focus leaving the value
      // box, so its entry would never be committed.
      return watched == form_.tabStrip;
    default:
      return false;
  }
}

bool WindowEvents::keyPress(QObject* watched, QKeyEvent* key) {
  if (watched == form_.lstUnit) return unitListKey(key);
  const Integer shift = shiftStateOf(key);
  Part part = Part::None;
  const Integer i = rowOf(watched, part);
  // Alt+Down or F4 in a value box opens the row's unit list, which is no tab stop.
  const bool opensList =
      part == Part::Value && (key->key() == Qt::Key_F4 ||
                              (key->key() == Qt::Key_Down && key->modifiers() & Qt::AltModifier));
  Integer code = opensList ? 0 : keyCodeOf(key);
  input::Form_KeyDown(form_, code, shift);
  if (opensList) {
    input::lblUnit_Click(form_, i);
    form_.UnitListByKeys = true;
    return true;
  }
  if (key->key() == Qt::Key_F1) {
    tips::btnHelp_Click(form_);
    return true;
  }
  if (watched == form_.tabStrip) {
    if (code != kKeyLeft && code != kKeyRight && code != kKeyUp && code != kKeyDown) return false;
    pages::TabStrip_KeyDown(form_, code, shift);
    return true;  // the strip's own arrow keys would change the highlighted tab
  }
  if (part == Part::Value) {
    const Integer typed = typedCharacter(key);
    if (typed != 0) input::txtV_KeyPress(form_, i, typed);
  }
  // Up and Down have become Tab and Shift+Tab; the control must not act on them as well.
  return code == kKeyUp || code == kKeyDown;
}

// In the open unit list Escape, Tab, Shift+Tab and the access keys close it without a change and
// Enter or Space chooses; the arrow keys are the list's own. Whatever closes it gives the focus
// back to a value box, never to the control next in the keyboard order.
bool WindowEvents::unitListKey(const QKeyEvent* key) {
  input::Form_KeyDown(form_, 0, shiftStateOf(key));
  switch (key->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      input::HideUnitList(form_);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      input::lstUnit_Click(form_);
      return true;
    default:
      if (!isAccessKey(key)) return false;
      input::HideUnitList(form_);
      return true;
  }
}

bool WindowEvents::focusIn(QObject* watched, const QFocusEvent* focus) {
  Part part = Part::None;
  const Integer i = rowOf(watched, part);
  if (part != Part::Value || i == form_.GotFocusRow) return false;
  arriveAt(i);
  if (QApplication::focusWidget() != watched) return true;  // passed on from the unknown's box
  if (focus->reason() == Qt::MouseFocusReason) {
    // The press that gave the focus goes on to place the cursor; select the text after it.
    QLineEdit* box = form_.controls.txtV(i);
    QTimer::singleShot(0, box, [box] {
      if (box->hasFocus()) box->selectAll();
    });
  }
  return false;
}

void WindowEvents::focusOut(QObject* watched, const QFocusEvent* focus) {
  if (!betweenControls(focus)) return;
  if (watched == form_.lstUnit) {
    input::lstUnit_LostFocus(form_);
    return;
  }
  Part part = Part::None;
  const Integer i = rowOf(watched, part);
  if (part != Part::Value) return;
  if (form_.GotFocusRow == i) form_.GotFocusRow = 0;
  input::txtV_LostFocus(form_, i);
}

bool WindowEvents::windowPress(const QMouseEvent* press) {
  if (pressBesideList(press)) return true;
  pressPending_ = true;
  messagesAtPress_ = dialogs_.shown();
  if (press->button() != Qt::LeftButton) return false;
  // The tab of the page on show: a click on it changes nothing, not even the focus.
  QTabBar* strip = form_.tabStrip;
  const QPoint at = strip->mapFromGlobal(press->globalPosition().toPoint());
  const int tab = strip->rect().contains(at) ? strip->tabAt(at) : -1;
  return tab >= 0 && tab + 1 == form_.tables.CurPage;
}

// A press beside the open unit list closes it, as a press beside a drop-down list does, and does
// nothing else: the focus goes back to the value box, not to a button, a check box or the tab
// strip the press was on. A press on a value box gives that box the focus.
bool WindowEvents::pressBesideList(const QMouseEvent* press) {
  QListWidget* list = form_.lstUnit;
  if (!list->isVisible()) return false;
  const QPoint at = press->globalPosition().toPoint();
  if (list->rect().contains(list->mapFromGlobal(at))) return false;
  Part part = Part::None;
  rowOf(window_->childAt(window_->mapFromGlobal(at)), part);
  if (part == Part::Value) return false;
  input::HideUnitList(form_);
  return true;
}

bool WindowEvents::controlPress(QObject* watched, const QMouseEvent* press) {
  const bool interrupted = pressPending_ && dialogs_.shown() != messagesAtPress_;
  pressPending_ = false;
  if (!interrupted) return false;
  // A message box came up while the focus moved to this control, and the release went to the
  // box: the press completes as the click the user made, once the box has closed.
  if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
    button->click();
  } else if (watched == form_.tabStrip) {
    chooseTab(form_.tabStrip->tabAt(press->position().toPoint()));
  }
  return true;  // a value box: its focus handler has selected the text
}

void WindowEvents::chooseTab(int index) {
  QTabBar* strip = form_.tabStrip;
  if (index < 0) return;
  if (index == strip->currentIndex()) {
    tabChosen();
  } else {
    strip->setCurrentIndex(index);
  }
}

bool WindowEvents::unitFieldRelease(QObject* watched, const QMouseEvent* release) {
  Part part = Part::None;
  const Integer i = rowOf(watched, part);
  const auto* field = static_cast<const QWidget*>(watched);
  if (part == Part::Unit && release->button() == Qt::LeftButton &&
      field->rect().contains(release->position().toPoint())) {
    input::lblUnit_Click(form_, i);
    form_.UnitListByKeys = false;
  }
  return false;
}

// The list opens over the unit field on the release of a click, so the second click of a double
// click lands on it: that click is no choice.
bool WindowEvents::unitListClick(const QMouseEvent* click) {
  pressPending_ = false;
  swallowListRelease_ = click->type() == QEvent::MouseButtonDblClick;
  return swallowListRelease_;
}

bool WindowEvents::mouseMove(QObject* watched, const QMouseEvent* move) {
  const pages::PageControls& c = form_.controls;
  // A move with a button down belongs to the control (selecting text, dragging).
  if (move->buttons() != Qt::NoButton) return false;
  Part part = Part::None;
  const Integer i = rowOf(watched, part);
  if (part == Part::Value) {
    tips::txtV_MouseMove(form_, i);
    return false;
  }
  if (watched == form_.rTxtTips->viewport()) {
    tips::rTxtTips_MouseMove(form_);
    return false;
  }
  if (watched == form_.tabStrip) {
    tips::TabStrip_MouseMove(form_);
    return false;  // the strip shows which tab is under the pointer
  } else if (watched == c.Imgbox(0) || watched == c.Imgbox(1)) {
    tips::Imgbox_MouseMove(form_, watched == c.Imgbox(0) ? 0 : 1);
  } else if (watched == pageArea_ || watched == window_) {
    // A move that reaches the background from a control in front of it is not a background move.
    const QWidget* under = static_cast<QWidget*>(watched)->childAt(move->position().toPoint());
    if (under == nullptr || under == c.Imgbox(0) || under == c.Imgbox(1) || under == pageArea_)
      tips::Form_MouseMove(form_);
  }
  return true;
}

}  // namespace vantrel::app
