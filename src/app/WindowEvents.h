#pragma once
// Turns the toolkit's events into the window's handlers: focus, keys, clicks and pointer moves of
// the rows, the buttons, the tab strip, the unit list and the page background.
//
// Two things the toolkit does differently from what the handlers expect are settled here. A value
// box loses the focus also when the window does (a message box, the solver's question, another
// program) or a popup opens; only a move to another control of the window is a loss of focus to
// the handlers, so the first kind, and its return, are passed over. And the window sees every key
// before the control that has the focus, so the arrow keys can walk the keyboard order.

#include <QObject>

#include "numtext/NumberTypes.h"

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace vantrel::pages {
struct PageDataForm;
struct PageRow;
}  // namespace vantrel::pages

namespace vantrel::app {

class WindowEvents : public QObject {
  Q_OBJECT

 public:
  explicit WindowEvents(pages::PageDataForm& form, QObject* parent = nullptr);

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
  bool focusIn(QObject* watched, const QFocusEvent* focus);
  void focusOut(QObject* watched, const QFocusEvent* focus);
  bool mouseMove(QObject* watched, const QMouseEvent* move);

  pages::PageDataForm& form_;
  QWidget* window_ = nullptr;
  QWidget* pageArea_ = nullptr;
};

}  // namespace vantrel::app
