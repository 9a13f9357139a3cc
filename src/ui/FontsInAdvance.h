#pragma once
// The desktop's font configuration read on a thread of its own while the window system starts.
// Reading it is most of the time a first window takes before it can measure a text; the toolkit
// then finds it read.

#include <thread>

namespace vantrel::ui {

class FontsInAdvance {
 public:
  FontsInAdvance();
  ~FontsInAdvance();  // waits for the reading to end
  FontsInAdvance(const FontsInAdvance&) = delete;
  FontsInAdvance& operator=(const FontsInAdvance&) = delete;

 private:
  std::thread reading_;
};

}  // namespace vantrel::ui
