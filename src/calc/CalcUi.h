#pragma once
// What the calculation modules need from the window: the status bar's first panel, the
// yes/no question of the solver's run budget and the critical message for a page whose caption
// names no formula. The window implements it with its real controls; tests record the calls.

#include <QString>

namespace vantrel::calc {

class CalcUi {
 public:
  virtual ~CalcUi() = default;
  // Replaces the text of the status bar's first panel.
  virtual void setStatusText(const QString& text) = 0;
  // A modal question with Yes and No buttons, no icon and the application's title; true for Yes.
  virtual bool askYesNo(const QString& text) = 0;
  // A modal message with a critical-error icon, an OK button and the application's title.
  virtual void showCritical(const QString& text) = 0;
};

}  // namespace vantrel::calc
