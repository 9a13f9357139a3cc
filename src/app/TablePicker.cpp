#include "app/TablePicker.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <utility>

#include "app/RowLines.h"
#include "calc/CaptionText.h"
#include "common/KeyCodes.h"
#include "datafile/DataFilePlaces.h"
#include "input/ValueEntry.h"
#include "pages/PageDataForm.h"
#include "ui/RichTextBox.h"
#include "ui/TableList.h"

namespace vantrel::app {

namespace {

const QString kChooseFromTable = QStringLiteral(u"Choose &from table…");

// How long the list waits for the window's activation after the context menu, in ms.
constexpr int kActivationWait = 500;

bool isChooseKey(const QKeyEvent* key) {
  return key->key() == Qt::Key_T && key->modifiers() == Qt::ControlModifier;
}

}  // namespace

TablePicker::TablePicker(pages::PageDataForm& form, QWidget* window, const QStringList& folders)
    : QObject(window), form_(form), tables_(folders) {
  window->installEventFilter(this);
  form_.TipNote = [this](Integer row) { return tipNote(row); };
}

// The window's page state is gone by now (the window's members go before its children): the
// list, closing with the window, must not call back into it.
TablePicker::~TablePicker() {
  if (list_ != nullptr) disconnect(list_, nullptr, this, nullptr);
}

ui::TableList* TablePicker::list() {
  if (list_ == nullptr) {
    list_ = new ui::TableList(static_cast<QWidget*>(parent()));
    connect(list_, &ui::TableList::closed, this, &TablePicker::closed);
  }
  return list_;
}

QStringList TablePicker::foldersFor(const QString& dataFile, const QString& appFolder) {
  QStringList places{QFileInfo(dataFile).absolutePath()};
  places << datafile::DataFileFolders(appFolder, datafile::RunningProgramFolder());
  QStringList folders;
  const QString shipped = tables::shippedTablesFolder(places);
  if (!shipped.isEmpty()) folders << shipped;
  return folders << tables::userTablesFolder();
}

void TablePicker::watchRow(const pages::PageRow& row) {
  row.txtV->installEventFilter(this);
}

Integer TablePicker::rowOf(const QObject* box) const {
  for (int i = 1; i <= form_.controls.rowCount(); ++i)
    if (form_.controls.txtV(i) == box) return static_cast<Integer>(i);
  return 0;
}

bool TablePicker::serves(Integer row) {
  const datafile::PageTables& t = form_.tables;
  if (row < 1 || row > form_.controls.rowCount() || row == form_.program.CurUnknown) return false;
  const QString variable = calc::variableName(t.VarCaptionRTF(t.CurPage, row).plainText());
  return !tables_.get().serving(t.PageCaption(t.CurPage).trimmed(), variable).empty();
}

bool TablePicker::eventFilter(QObject* watched, QEvent* event) {
  if (watched == form_.window) {
    // Read once the window is up, not while it is being shown: the first activation comes
    // after the window is on the screen.
    if (event->type() == QEvent::WindowActivate) {
      tables_.startReading();
      openPending();
    }
    return false;
  }
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ContextMenu) return false;
  const Integer row = rowOf(watched);
  if (row == 0) return false;
  if (event->type() == QEvent::KeyPress) {
    if (!isChooseKey(static_cast<QKeyEvent*>(event))) return false;
    open(row);
    return true;
  }
  if (!serves(row)) return false;
  contextMenu(row, static_cast<QContextMenuEvent*>(event)->globalPos());
  return true;
}

// The box's own menu (undo, cut, copy, paste...) with the choice from the tables first.
void TablePicker::contextMenu(Integer row, const QPoint& at) {
  QLineEdit* box = form_.controls.txtV(row);
  std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
  auto* choose = new QAction(kChooseFromTable, menu.get());
  choose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  menu->insertAction(menu->actions().value(0), choose);
  menu->insertSeparator(menu->actions().value(1));
  if (menu->exec(at) != choose) return;
  // The list pops up once the window has its activation back from the menu (a popup open before
  // would keep it from the window), or after a while without it.
  if (form_.window->isActiveWindow()) {
    open(row);
    return;
  }
  pendingRow_ = row;
  form_.window->activateWindow();
  QTimer::singleShot(kActivationWait, this, &TablePicker::openPending);
}

void TablePicker::openPending() {
  const Integer row = std::exchange(pendingRow_, 0);
  if (row != 0) open(row);
}

void TablePicker::open(Integer row) {
  if (!serves(row)) return;
  form_.rTxtTips->hide();
  QLineEdit* box = form_.controls.txtV(row);
  if (!box->hasFocus()) input::FocusValueBox(form_, row);
  const datafile::PageTables& t = form_.tables;
  const QString variable = calc::variableName(t.VarCaptionRTF(t.CurPage, row).plainText());
  const tables::TableSet& set = tables_.get();
  lines_ = std::make_unique<RowLines>(form_, row,
                                      set.serving(t.PageCaption(t.CurPage).trimmed(), variable));
  row_ = row;
  page_ = t.CurPage;
  const QRect rowRect(
      box->mapToGlobal(QPoint(0, 0)),
      form_.controls.lblUnit(row)->mapToGlobal(form_.controls.lblUnit(row)->rect().bottomRight()));
  list()->open(lines_->name(), QStringLiteral("Value"), set.messages().join(u'\n'), *lines_,
               rowRect);
}

void TablePicker::closed(int line) {
  const tables::Found* found = lines_ ? lines_->found(line) : nullptr;
  QLineEdit* box = row_ >= 1 && row_ <= form_.controls.rowCount() && page_ == form_.tables.CurPage
                       ? form_.controls.txtV(row_)
                       : nullptr;
  if (box == nullptr) return;
  if (!box->hasFocus()) box->setFocus(Qt::PopupFocusReason);
  if (found == nullptr) return;
  const double shown = found->siValue() * form_.session().factor(row_);
  const QString text = record::enteredText(shown);
  // As if typed over the selection and Enter pressed: the text changes with the first key, even
  // to what it was, and the entry commits.
  box->clear();
  box->setText(text);
  input::txtV_KeyPress(form_, row_, kKeyEnter);
  // Taken, and its solve not abandoned: every accepted commit ends the row's citation first.
  const calc::EntryRecord& taken = form_.LastEntry;
  if (taken.row == row_ && taken.text == text && form_.tables.CurValue(row_) == taken.entered &&
      form_.TableSources.of(form_.session(), row_) == nullptr) {
    form_.TableSources.cite(page_, row_, {found->name, found->source, taken.entered});
  }
}

QString TablePicker::tipNote(Integer row) {
  QStringList lines;
  if (const record::TableCitation* c = form_.TableSources.of(form_.session(), row)) {
    lines << QStringLiteral("From table: ") + record::entryText(*c)
          << QStringLiteral("Source: ") + c->source;
  }
  if (serves(row)) lines << QStringLiteral(u"Ctrl+T, or the context menu: choose from a table");
  return lines.join(QStringLiteral("\r\n"));
}

}  // namespace vantrel::app
