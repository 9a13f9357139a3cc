#pragma once
// The window's commands on the page as a whole: "Copy page" (Ctrl+Shift+C) puts it on the
// clipboard as text and as an HTML table; "Save calculation record…" (Ctrl+S) writes its
// calculation record as a PDF or HTML file; "Print…" (Ctrl+P) prints the record. The shortcuts
// work anywhere in the window; the three also stand in the page's context menu, opened with the
// right mouse button on the window's background or a frame, or with the menu key.
//
// An entry still being typed is committed first, as Enter would commit it, so that what is
// copied or recorded is what the value boxes show.

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QKeySequence;
class QMenu;
class QWidget;

namespace vantrel::calc {
class PageSession;
class SolveWorking;
}  // namespace vantrel::calc

namespace vantrel::curves {
struct Figure;
}

namespace vantrel::record {
struct RecordDraft;
}

namespace vantrel::pages {
struct PageDataForm;
}

namespace vantrel::ui {
class Dialogs;
class FileAndPrintDialogs;
class RecordFolderStore;
}  // namespace vantrel::ui

namespace vantrel::app {

class PageCommands : public QObject {
  Q_OBJECT

 public:
  // documents: the file and print dialogs; null for the toolkit's own, over window.
  PageCommands(pages::PageDataForm& form, ui::Dialogs& dialogs, ui::FileAndPrintDialogs* documents,
               ui::RecordFolderStore& recordFolders, QWidget* window);
  ~PageCommands() override;

  void copyPage();
  void saveRecord();
  void printRecord();

  // Another command of the page: its item ends the context menu, its shortcut works anywhere in
  // the window.
  void addCommand(QAction* action);
  // What the record adds to the page: the solve that left its values (null: none known) and its
  // plot.
  void setRecordSources(std::function<const calc::SolveWorking*()> solve,
                        std::function<curves::Figure()> figure);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addCommand(const QString& text, const QKeySequence& keys, void (PageCommands::*run)());
  void commitEntry();
  record::RecordDraft recordDraft(const calc::PageSession& session) const;
  QString suggestedPath() const;
  QString recordFolder() const;

  pages::PageDataForm& form_;
  ui::Dialogs& dialogs_;
  std::unique_ptr<ui::FileAndPrintDialogs> ownDocuments_;
  ui::FileAndPrintDialogs& documents_;
  ui::RecordFolderStore& recordFolders_;
  QWidget* window_;
  QMenu* menu_;
  std::function<const calc::SolveWorking*()> solve_;
  std::function<curves::Figure()> figure_;
  // The data file was loaded after this; a later change of the file is told in the record.
  QDateTime loadedBy_ = QDateTime::currentDateTime();
};

}  // namespace vantrel::app
