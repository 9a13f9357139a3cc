// Starts the calculator as its entry point does (fonts and data file read in advance), on the
// data file in the current directory, and writes one line to standard output at the moment the
// main window is shown; then ends. The benchmark measures from before this process starts to that
// line.

#include <QTimer>
#include <cstdio>

#include "app/Application.h"
#include "app/frmPageData.h"
#include "datafile/DataFilePlaces.h"
#include "datafile/LoadInAdvance.h"
#include "ui/Dialogs.h"
#include "ui/DocumentOpener.h"
#include "ui/FontsInAdvance.h"
#include "ui/ProgramEnd.h"
#include "ui/RecordFolderStore.h"
#include "ui/WindowPositionStore.h"

namespace {

// The probe must not disturb the user's stored window position.
class NoPositions : public vantrel::ui::WindowPositionStore {
 public:
  vantrel::ui::WindowPosition read() override { return {}; }
  void write(const vantrel::ui::WindowPosition&) override {}
};

}  // namespace

int main(int argc, char** argv) {
  const vantrel::ui::FontsInAdvance fonts;
  vantrel::datafile::LoadInAdvance dataFile(vantrel::datafile::RunningProgramFolder());
  vantrel::app::Application application(argc, argv);
  vantrel::ProgramWide program;
  vantrel::ui::QtDialogs dialogs;
  NoPositions positions;
  vantrel::ui::QtProgramEnd programEnd;
  vantrel::ui::DesktopDocumentOpener opener;
  vantrel::ui::QtRecordFolderStore recordFolders;  // read only when a record is saved
  vantrel::app::frmPageData window(
      program, vantrel::app::WindowServices{dialogs, positions, programEnd, opener, recordFolders,
                                            nullptr, &dataFile});
  if (!window.Form_Load()) return 1;
  window.show();
  // The window is on the screen once the event loop has painted it.
  QTimer::singleShot(0, [] {
    std::puts("shown");
    std::fflush(stdout);
    QCoreApplication::exit(0);
  });
  return application.exec();
}
