#pragma once
// The main window: a tab strip of pages, the page area with the rows of the page on show, the
// command buttons and the status bar. It owns the page tables and the window's fields for the
// life of the program, and its event handlers drive every other part.

#include <QWidget>
#include <memory>

#include "app/CountingDialogs.h"
#include "app/WindowEvents.h"
#include "app/frmSplash.h"
#include "calc/CalcUi.h"
#include "common/ProgramWide.h"
#include "pages/PageDataForm.h"
#include "rtf/WorkingDocument.h"

namespace vantrel::datafile {
class LoadInAdvance;
}

class QLabel;
class QListWidget;
class QStatusBar;
class QTabBar;
class QTimer;

namespace vantrel::ui {
class ChecksPanel;
class Dialogs;
class DocumentOpener;
class FileAndPrintDialogs;
class ProgramEnd;
class RecordFolderStore;
class RichTextBox;
class WindowPositionStore;
}  // namespace vantrel::ui

namespace vantrel::app {

class TablePicker;
class PageWorkings;
class PlotCommand;

// What the window needs from outside: message boxes, the settings store's entries, the way to
// end, the opening of the help documents, and the file and print dialogs (null: the toolkit's
// own).
struct WindowServices {
  ui::Dialogs& dialogs;
  ui::WindowPositionStore& positions;
  ui::ProgramEnd& programEnd;
  ui::DocumentOpener& opener;
  ui::RecordFolderStore& recordFolders;
  ui::FileAndPrintDialogs* documents = nullptr;
  datafile::LoadInAdvance* loadInAdvance = nullptr;  // the data file, when read in advance
};

class frmPageData : public QWidget, private calc::CalcUi {
  Q_OBJECT

 public:
  frmPageData(ProgramWide& program, WindowServices services);
  ~frmPageData() override;

  // The start-up sequence: splash, loading, page 1, "Ready", the stored position. Returns false
  // when the program ended during it (missing or malformed data file).
  bool Form_Load();
  // Stores the window position and ends the program.
  void btnExit_Click();

  pages::PageDataForm& form() { return *form_; }
  QTabBar* TabStrip() const { return TabStrip_; }
  QStatusBar* StatusBar() const { return StatusBar_; }
  QString statusText() const;
  ui::ChecksPanel* checksPanel() const { return checksPanel_; }
  ui::RichTextBox* rTxtTips() const { return rTxtTips_; }
  QListWidget* lstUnit() const { return lstUnit_; }
  QTimer* TipTimer() const { return TipTimer_; }
  QWidget* pageArea() const { return pageArea_; }
  frmSplash& splash() { return splash_; }
  TablePicker* tablePicker() const { return picker_; }
  PlotCommand& plot() { return *plot_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The status bar and the solver's questions, for the calculation.
  void setStatusText(const QString& text) override;
  bool askYesNo(const QString& text) override;
  void showCritical(const QString& text) override;

  bool LoadSystemData();
  void applyLayout(const datafile::FormLayout& layout);
  void placeWindow();
  void abortLoading(const QString& message, int status);

  ProgramWide& program_;
  WindowServices services_;
  CountingDialogs dialogs_;  // every message box of the window goes through it
  frmSplash splash_;
  QTabBar* TabStrip_;
  QWidget* pageArea_;
  QStatusBar* StatusBar_;
  QLabel* statusPanel_;
  ui::ChecksPanel* checksPanel_;
  rtf::WorkingDocument sData_;  // the working document that the loaders cut the file with
  ui::RichTextBox* rTxtTips_;
  QListWidget* lstUnit_;
  QTimer* TipTimer_;
  std::unique_ptr<pages::PageDataForm> form_;
  std::unique_ptr<WindowEvents> events_;
  TablePicker* picker_ = nullptr;  // once the data file tells where the tables lie
  std::unique_ptr<PageWorkings> workings_;  // for the record's working
  PlotCommand* plot_ = nullptr;
  bool ended_ = false;
};

}  // namespace vantrel::app
