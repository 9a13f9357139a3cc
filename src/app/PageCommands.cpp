#include "app/PageCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QStandardPaths>

#include "common/KeyCodes.h"
#include "curves/Figure.h"
#include "input/ValueEntry.h"
#include "modules/Drawing.h"
#include "modules/ModuleEntry.h"
#include "pages/PageDataForm.h"
#include "record/PageCopy.h"
#include "record/RecordHtml.h"
#include "record/RecordOutput.h"
#include "ui/Dialogs.h"
#include "ui/FileAndPrintDialogs.h"
#include "ui/RecordFolderStore.h"

namespace vantrel::app {

namespace {

ui::PrintDialogEntry printDialog(QString& error) {
  return reinterpret_cast<ui::PrintDialogEntry>(
      modules::moduleEntry(QCoreApplication::applicationDirPath(),
                           QStringLiteral("vantrel-print.so"), ui::kPrintDialogEntryName, error));
}

// Writes the record's file through the drawing module; why it could not, or an empty string.
QString saveRecordFile(const record::RecordDraft& draft, const QString& path) {
  modules::DrawingJob job;
  job.record = &draft;
  job.recordPath = path;
  const QString unusable = modules::runDrawingJob(job, QCoreApplication::applicationDirPath());
  return unusable.isEmpty() ? job.recordError : unusable;
}

}  // namespace

PageCommands::PageCommands(pages::PageDataForm& form, ui::Dialogs& dialogs,
                           ui::FileAndPrintDialogs* documents, ui::RecordFolderStore& recordFolders,
                           QWidget* window)
    : QObject(window),
      form_(form),
      dialogs_(dialogs),
      ownDocuments_(documents ? nullptr
                              : std::make_unique<ui::QtFileAndPrintDialogs>(window, printDialog)),
      documents_(documents ? *documents : *ownDocuments_),
      recordFolders_(recordFolders),
      window_(window),
      menu_(new QMenu(window)) {
  menu_->setAccessibleName(QStringLiteral("Page"));
  addCommand(QStringLiteral("&Copy page"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
             &PageCommands::copyPage);
  addCommand(QStringLiteral(u"&Save calculation record…"), QKeySequence(Qt::CTRL | Qt::Key_S),
             &PageCommands::saveRecord);
  addCommand(QStringLiteral(u"&Print…"), QKeySequence(Qt::CTRL | Qt::Key_P),
             &PageCommands::printRecord);
  // What the background, the frames, the check boxes and the buttons leave of a context-menu
  // event reaches the window; the value boxes and unit fields keep their own menus.
  window->installEventFilter(this);
}

PageCommands::~PageCommands() = default;

void PageCommands::addCommand(const QString& text, const QKeySequence& keys,
                              void (PageCommands::*run)()) {
  auto* action = new QAction(text, menu_);
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, run);
  menu_->addAction(action);
  window_->addAction(action);
}

void PageCommands::addCommand(QAction* action) {
  menu_->addAction(action);
  window_->addAction(action);
}

void PageCommands::setRecordSources(std::function<const calc::SolveWorking*()> solve,
                                    std::function<curves::Figure()> figure) {
  solve_ = std::move(solve);
  figure_ = std::move(figure);
}

bool PageCommands::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_ || event->type() != QEvent::ContextMenu) return false;
  menu_->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
  return true;
}

void PageCommands::commitEntry() {
  const QWidget* focused = QApplication::focusWidget();
  for (int i = 1; i <= form_.controls.rowCount(); ++i) {
    if (form_.controls.txtV(i) == focused && form_.EditFlag != 0)
      input::txtV_KeyPress(form_, static_cast<Integer>(i), kKeyEnter);
  }
}

void PageCommands::copyPage() {
  commitEntry();
  const calc::PageSession session = form_.session();
  auto* data = new QMimeData;
  data->setText(record::pageText(session));
  data->setHtml(record::pageHtml(session));
  QGuiApplication::clipboard()->setMimeData(data);
}

record::RecordDraft PageCommands::recordDraft(const calc::PageSession& session) const {
  record::RecordOrigin origin = record::originNow(form_.program.DataFile, loadedBy_);
  origin.citations = form_.TableSources.ofPage(session);
  return {session, origin, solve_ ? solve_() : nullptr,
          figure_ ? std::optional<curves::Figure>(figure_()) : std::nullopt};
}

// "In/Out record.pdf" would name a folder: every run of characters a file name had better not
// hold becomes one "-".
QString PageCommands::suggestedPath() const {
  static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]+"));
  QString name = form_.tables.PageCaption(form_.tables.CurPage).trimmed();
  name.replace(unsafe, QStringLiteral("-"));
  return QDir(recordFolder()).filePath(name + QStringLiteral("-record.pdf"));
}

// The folder the last record went to, in this run or an earlier one, while it is there; at first
// the user's documents folder (the home folder when there is none). Never the current folder,
// which is "/" for a program started from a menu.
QString PageCommands::recordFolder() const {
  const QString last = recordFolders_.read();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void PageCommands::saveRecord() {
  commitEntry();
  const QString path = documents_.saveFileName(
      QStringLiteral("Save calculation record"), suggestedPath(),
      {QStringLiteral("PDF document (*.pdf)"), QStringLiteral("Web page (*.html *.htm)")});
  if (path.isEmpty()) return;
  const calc::PageSession session = form_.session();
  const QString why = saveRecordFile(recordDraft(session), path);
  if (why.isEmpty()) {
    recordFolders_.write(QFileInfo(path).absolutePath());
    return;
  }
  dialogs_.message(
      QStringLiteral("The calculation record could not be saved to\r%1\r%2").arg(path, why),
      ui::MessageIcon::Critical);
}

void PageCommands::printRecord() {
  commitEntry();
  const calc::PageSession session = form_.session();
  const record::RecordDraft draft = recordDraft(session);
  bool printed = true;
  QString unusable;
  documents_.print(
      [&](QPagedPaintDevice& printer) { printed = record::printRecord(draft, printer); }, unusable);
  if (!printed || !unusable.isEmpty()) {
    QString text = QStringLiteral("The calculation record could not be printed.");
    if (!unusable.isEmpty()) text += u'\r' + unusable;
    dialogs_.message(text, ui::MessageIcon::Critical);
  }
}

}  // namespace vantrel::app
