#pragma once
// Choosing a row's value from the tables that serve it: Ctrl+T in the row's value box, or
// "Choose from table…" in its context menu, opens the tables as a list beside the row (see
// ui::TableList). A choice is committed as if its value had been typed into the box in the row's
// unit and Enter pressed: the same range check, messages, solve and focus. The row then cites the
// table row until its value changes; its tip says so, and the calculation record cites it.
//
// Ctrl+T: F4 and Alt+Down open the unit list, the value box's own keys edit text, and a "T" for
// "table" is what a user looks for; no desktop or line-edit binding uses it.
//
// The tables are read on a thread of their own once the window is up, or when first needed.

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "numtext/NumberTypes.h"
#include "tables/TablesOnDemand.h"

class QWidget;

namespace vantrel::pages {
struct PageDataForm;
struct PageRow;
}  // namespace vantrel::pages

namespace vantrel::ui {
class TableList;
}

namespace vantrel::app {

class RowLines;

class TablePicker : public QObject {
  Q_OBJECT

 public:
  TablePicker(pages::PageDataForm& form, QWidget* window, const QStringList& folders);
  ~TablePicker() override;

  // Listens to a row's value box for the key and the context menu.
  void watchRow(const pages::PageRow& row);
  // Whether some table serves row i of the page on show (never the unknown's row).
  bool serves(Integer row);
  // Opens the tables of row i beside it; nothing when none serves it.
  void open(Integer row);
  // The list, made when first wanted: most runs never open it.
  ui::TableList* list();

  // Where the tables lie for a window whose data file is dataFile.
  static QStringList foldersFor(const QString& dataFile, const QString& appFolder);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Integer rowOf(const QObject* box) const;
  void contextMenu(Integer row, const QPoint& at);
  void openPending();
  void closed(int line);
  void commit(const QString& text);
  QString tipNote(Integer row);

  pages::PageDataForm& form_;
  tables::TablesOnDemand tables_;
  ui::TableList* list_ = nullptr;
  std::unique_ptr<RowLines> lines_;
  Integer row_ = 0;  // the row the list is open for
  Integer page_ = 0;
  Integer pendingRow_ = 0;  // chosen in the context menu, opened once the window is active
};

}  // namespace vantrel::app
