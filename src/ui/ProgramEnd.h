#pragma once
// Ending the program: the exit path and the start-up failures go through this, so tests see
// the exit status instead of losing their process.

namespace vantrel::ui {

class ProgramEnd {
 public:
  virtual ~ProgramEnd() = default;
  virtual void end(int status) = 0;
};

// Leaves the application's event loop with status.
class QtProgramEnd : public ProgramEnd {
 public:
  void end(int status) override;
};

}  // namespace vantrel::ui
