#pragma once
// Turns the toolkit's events into the window's handlers: focus, keys, clicks and pointer moves of
// the rows, the buttons, the tab strip, the unit list and the page background.
//
// What the toolkit does differently from what the handlers expect is settled here.
// - A value box loses the focus also when the window does (a message box, the solver's question,
//   another program) or a popup opens; only a move to another control of the window is a loss of
//   focus to the handlers. The focus that comes back with the activation is an arrival only at a
//   box other than the one that last took it: a commit that raises a message while the focus
//   moves lets the focus arrive at its new box only once the window is active again.
// - A mouse press whose focus change raised a message box loses its release to the box; the press
//   completes as a click when the box has closed.
// - The window sees every key before the control that has the focus, so the arrow keys can walk
//   the keyboard order.
// - A page rebuilt while a value box keeps the focus (a screen reader's press on a tab or on
//   Reset, a page chosen by code) moves no focus in the toolkit; to the handlers the box is left
//   and its row of the new page arrived at.

#include <QObject>
#include <functional>

#include "numtext/NumberTypes.h"

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;
class QWindow;

namespace vantrel::pages {
struct PageDataForm;
struct PageRow;
}  // namespace vantrel::pages

namespace vantrel::app {

class CountingDialogs;

class WindowEvents : public QObject {
  Q_OBJECT

 public:
  WindowEvents(pages::PageDataForm& form, const CountingDialogs& dialogs,
               QObject* parent = nullptr);

  // Listens to a row's controls (every row, as it is created).
  void watchRow(const pages::PageRow& row);
  // Listens to the controls outside the rows; the tab strip's choices only once the tabs are
  // loaded.
  void watchWindow(QWidget* window, QWidget* pageArea);
  void watchTabChoices();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Part { None, Value, Check, Unit };
  // Which row's control `watched` is, and which of its three.
  Integer rowOf(const QObject* watched, Part& part) const;
  bool keyPress(QObject* watched, QKeyEvent* key);
  bool unitListKey(const QKeyEvent* key);
  bool focusIn(QObject* watched, const QFocusEvent* focus);
  void focusOut(QObject* watched, const QFocusEvent* focus);
  bool mouseMove(QObject* watched, const QMouseEvent* move);
  bool windowPress(const QMouseEvent* press);
  bool pressBesideList(const QMouseEvent* press);
  bool controlPress(QObject* watched, const QMouseEvent* press);
  bool unitFieldRelease(QObject* watched, const QMouseEvent* release);
  bool unitListClick(const QMouseEvent* click);
  void chooseTab(int index);
  // The highlighted tab was chosen: its page is shown, unless it is on show.
  void tabChosen();
  void rebuildUnderFocus(const std::function<void()>& rebuild);
  // The focus has come to row's value box.
  void arriveAt(Integer row);

  pages::PageDataForm& form_;
  const CountingDialogs& dialogs_;
  QWidget* window_ = nullptr;
  QWidget* pageArea_ = nullptr;
  QWindow* nativeWindow_ = nullptr;
  // A press has reached the window and not yet its control; the message boxes shown before it.
  bool pressPending_ = false;
  int messagesAtPress_ = 0;
  // The second click of a double click landed on the unit list: its release chooses nothing.
  bool swallowListRelease_ = false;
};

}  // namespace vantrel::app
