#include <cstdio>
#include <cstring>

#include "app/Application.h"
#include "app/Startup.h"
#include "app/Version.h"
#include "datafile/DataFilePlaces.h"
#include "datafile/LoadInAdvance.h"
#include "ui/FontsInAdvance.h"

namespace {

// The one question the window answers from the command line, as every Debian program does:
// before anything is loaded or shown, so that it needs no display.
bool asksForVersion(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) return true;
  }
  return false;
}

int printVersion() {
  using namespace vantrel::app;
  const bool written =
      std::printf("vantrel %d.%d.%d\n", kVersionMajor, kVersionMinor, kVersionRevision) > 0;
  return written && std::fflush(stdout) == 0 ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (asksForVersion(argc, argv)) return printVersion();
  // Neither needs the window system, and each takes long: the font configuration and the data
  // file are read on threads of their own while it starts.
  const vantrel::ui::FontsInAdvance fonts;
  vantrel::datafile::LoadInAdvance dataFile(vantrel::datafile::RunningProgramFolder());
  vantrel::app::Application application(argc, argv);
  return vantrel::app::runProgram(application, &dataFile);
}
