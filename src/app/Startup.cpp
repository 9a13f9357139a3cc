#include "app/Startup.h"

#include <exception>

#include "app/Application.h"
#include "app/frmPageData.h"
#include "ui/Dialogs.h"
#include "ui/DocumentOpener.h"
#include "ui/ProgramEnd.h"
#include "ui/RecordFolderStore.h"
#include "ui/WindowPositionStore.h"

namespace vantrel::app {

namespace {

constexpr int kStatusStartFailure = 3;

// Ends the event loop, and remembers the status for an end that comes before the loop runs.
class RecordedEnd : public ui::ProgramEnd {
 public:
  void end(int status) override {
    status_ = status;
    QCoreApplication::exit(status);
  }
  int status() const { return status_; }

 private:
  int status_ = 0;
};

}  // namespace

int runProgram(Application& application, datafile::LoadInAdvance* dataFile) {
  ProgramWide program;
  ui::QtDialogs dialogs;
  ui::QtWindowPositionStore positions;
  RecordedEnd programEnd;
  ui::DesktopDocumentOpener opener;
  ui::QtRecordFolderStore recordFolders;
  application.setDialogs(&dialogs);
  frmPageData window(program, WindowServices{dialogs, positions, programEnd, opener, recordFolders,
                                             nullptr, dataFile});
  dialogs.setParent(&window);
  try {
    if (!window.Form_Load()) return programEnd.status();
  } catch (const std::exception& failure) {
    application.reportFailure(failure.what());
    return kStatusStartFailure;
  }
  window.show();
  const int status = application.exec();
  application.setDialogs(nullptr);
  return status;
}

}  // namespace vantrel::app
