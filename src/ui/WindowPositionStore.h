#pragma once
// The settings store that keeps the main window's last position between runs, in twips. A first
// run reads 0 for both.

#include <cstdint>

namespace vantrel::ui {

struct WindowPosition {
  std::int16_t left = 0;
  std::int16_t top = 0;
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
