#pragma once
// Passes the window's message boxes on and counts them. A mouse press that raises one (through
// the commit of the box it takes the focus from) loses its release to the box, so the event
// mapping completes such a press itself; the count tells it that a box came up.

#include "ui/Dialogs.h"

namespace vantrel::app {

class CountingDialogs : public ui::Dialogs {
 public:
  explicit CountingDialogs(ui::Dialogs& dialogs) : dialogs_(dialogs) {}

  ui::MessageAnswer message(const QString& text, ui::MessageIcon icon,
                            ui::MessageButtons buttons) override {
    ++shown_;
    return dialogs_.message(text, icon, buttons);
  }
  int shown() const { return shown_; }

 private:
  ui::Dialogs& dialogs_;
  int shown_ = 0;
};

}  // namespace vantrel::app
