#pragma once
// Running the program: the main window's start-up, then the event loop until the window ends it.

namespace vantrel::app {

class Application;

// Returns the program's exit status: 0 after Exit, non-zero when start-up failed.
int runProgram(Application& application);

}  // namespace vantrel::app
