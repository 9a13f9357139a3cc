#pragma once
// Running the program: the main window's start-up, then the event loop until the window ends it.

namespace vantrel::datafile {
class LoadInAdvance;
}

namespace vantrel::app {

class Application;

// Returns the program's exit status: 0 after Exit, non-zero when start-up failed. The window
// takes the data file from dataFile when it has read the file the window looks for.
int runProgram(Application& application, datafile::LoadInAdvance* dataFile = nullptr);

}  // namespace vantrel::app
