#pragma once
// The state of the main window that the page, input and tip handlers share: the page tables, the
// program-wide values, the controls of the window and the window's own fields.

#include <functional>

#include "calc/CalcUi.h"
#include "calc/PageSession.h"
#include "common/ProgramWide.h"
#include "datafile/PageTables.h"
#include "pages/PageControls.h"
#include "record/Sources.h"

class QListWidget;
class QTabBar;
class QTimer;
class QWidget;

namespace vantrel::ui {
class ChecksPanel;
class Dialogs;
class DocumentOpener;
class RichTextBox;
}  // namespace vantrel::ui

namespace vantrel::pages {

// Booleans of the window's fields, as the data model writes them.
inline constexpr Integer kTrue = -1;
inline constexpr Integer kFalse = 0;

struct PageDataForm {
  PageDataForm(QWidget* window, QWidget* pageArea, ProgramWide& programWide)
      : window(window), program(programWide), controls(pageArea) {}

  // The page on show; its solves are told to solveObserver.
  calc::PageSession session() {
    calc::PageSession s(tables, program.CurUnknown, &LastEntry);
    s.watchSolves(solveObserver);
    return s;
  }

  QWidget* window;  // carries the caption
  ProgramWide& program;
  datafile::PageTables tables;
  PageControls controls;

  // Controls and services outside the page area, set by the window.
  QTabBar* tabStrip = nullptr;  // first in the keyboard order of a page
  QListWidget* lstUnit = nullptr;
  ui::RichTextBox* rTxtTips = nullptr;
  QTimer* TipTimer = nullptr;
  ui::Dialogs* dialogs = nullptr;
  ui::DocumentOpener* opener = nullptr;          // opens the help documents
  calc::CalcUi* calcUi = nullptr;                // the status bar and the solver's questions
  calc::SolveObserver* solveObserver = nullptr;  // told of every solve a commit makes
  // Called whenever the page may have changed, with the checks (see RefreshChecks).
  std::function<void()> pageShown;

  Integer PageBuilding = kFalse;  // True while a page is being built
  Integer CurFocusRow = 0;        // the row whose value box last took the focus
  // The row whose box has run its focus handler and has not lost the focus to another control
  // since: the focus coming back to it with the window's activation is no arrival.
  Integer GotFocusRow = 0;
  // 0: the value box is unchanged since the last commit; -1: the user changed it; 1: the program
  // is writing value boxes, which does not count as an edit.
  Integer EditFlag = 0;
  Integer ActiveVar = 0;  // the row whose value box last lost the focus
  Integer EditedVar = 0;  // the row being committed
  Single PrevValue = 0;   // the row's value when its box took the focus, in base units
  Integer IgnoreNextCheckClick = kFalse;
  Integer UnitListVar = 0;  // the row whose unit list is open
  Integer UnitListBusy = kFalse;
  // The list was opened from the keyboard: its arrow keys move the highlight, Enter or Space
  // chooses.
  bool UnitListByKeys = false;
  Integer TipArmed = kFalse;  // a value box is being edited
  Integer TipRow = 0;         // the row whose tip the next tick shows; 0: the row being edited
  Integer TipTickCount = 0;   // ticks since the last tip was shown (or tried)
  Integer SkipNextValueMove = kFalse;  // every second pointer move over a value box is ignored
  // True while a tick runs: the message of a page without enough tips lets further ticks
  // through, which must not open a second message.
  bool InTipTick = false;

  // True while a commit runs: a message box it opens gives the focus back to the window, which
  // must neither commit again nor enter the commit a second time.
  bool Committing = false;

  // The engineer's checks: the status bar's second panel, and the last entry taken since the
  // page was put on show, which they tell about.
  ui::ChecksPanel* checksPanel = nullptr;
  calc::EntryRecord LastEntry;

  // The rows whose values a table gave, cited while they hold them; every commit into a row ends
  // its citation. TipNote adds to a row's tip what is said of its table (none when empty).
  record::ValueSources TableSources;
  std::function<QString(Integer row)> TipNote;
};

// The program writes value boxes: EditFlag is 1 for the scope and 0 after it, also when the
// scope ends in a failure (a flag left at 1 would make every later typing go unnoticed).
class ProgramWrites {
 public:
  explicit ProgramWrites(PageDataForm& form) : form_(form) { form_.EditFlag = 1; }
  ~ProgramWrites() { form_.EditFlag = 0; }
  ProgramWrites(const ProgramWrites&) = delete;
  ProgramWrites& operator=(const ProgramWrites&) = delete;

 private:
  PageDataForm& form_;
};

}  // namespace vantrel::pages
