#include "app/Application.h"
#include "app/Startup.h"
#include "datafile/DataFilePlaces.h"
#include "datafile/LoadInAdvance.h"
#include "ui/FontsInAdvance.h"

int main(int argc, char** argv) {
  // Neither needs the window system, and each takes long: the font configuration and the data
  // file are read on threads of their own while it starts.
  const vantrel::ui::FontsInAdvance fonts;
  vantrel::datafile::LoadInAdvance dataFile(vantrel::datafile::RunningProgramFolder());
  vantrel::app::Application application(argc, argv);
  return vantrel::app::runProgram(application, &dataFile);
}
