#include "app/Application.h"
#include "app/Startup.h"
#include "datafile/DataFilePlaces.h"
#include "datafile/LoadInAdvance.h"

int main(int argc, char** argv) {
  // Reading the data file needs no window system: it runs while the window system starts.
  vantrel::datafile::LoadInAdvance dataFile(vantrel::datafile::RunningProgramFolder());
  vantrel::app::Application application(argc, argv);
  return vantrel::app::runProgram(application, &dataFile);
}
