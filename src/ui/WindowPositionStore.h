#pragma once
// The settings store that keeps the main window's last position between runs, in twips. A first
// run reads 0 for both.

#include "numtext/NumberText.h"

namespace vantrel::ui {

struct WindowPosition {
  Integer left = 0;
  Integer top = 0;
};

class WindowPositionStore {
 public:
  virtual ~WindowPositionStore() = default;
  virtual WindowPosition read() = 0;
  virtual void write(const WindowPosition& position) = 0;
};

// The user's settings (QSettings, organisation and application "Vantrel").
class QtWindowPositionStore : public WindowPositionStore {
 public:
  WindowPosition read() override;
  void write(const WindowPosition& position) override;
};

}  // namespace vantrel::ui
