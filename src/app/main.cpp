#include "app/Application.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
  vantrel::app::Application application(argc, argv);
  return vantrel::app::runProgram(application);
}
