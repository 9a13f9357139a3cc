#pragma once
// A table to choose a value from, opened beside the row it is for as a list that pops up: a line
// of search words over the table's lines, each line an entry, its value and its source. Typing
// filters the lines; Up, Down, Page Up, Page Down, Home and End move through them as in any
// list; Enter or a click chooses the current line; Escape, Tab or a click beside the list close
// it without a choice. The lines keep the keyboard focus while it is open, so that a screen
// reader reads each line as it becomes current; what is typed goes to the search words.

#include <QFrame>
#include <QString>

class QLabel;
class QLineEdit;
class QTreeView;

namespace vantrel::ui {

// The lines of the list for the words typed, made only when shown.
class TableLines {
 public:
  virtual ~TableLines() = default;
  // The words typed changed; the lines are those that fit them from now on.
  virtual void filter(const QString& words) = 0;
  virtual int count() const = 0;
  // Column 0: the entry; 1: its value with its unit; 2: its source.
  virtual QString cell(int line, int column) const = 0;
  // A line that only says what to type cannot be chosen.
  virtual bool choosable(int line) const = 0;
};

class TableLinesModel;

class TableList : public QFrame {
  Q_OBJECT

 public:
  explicit TableList(QWidget* parent);
  ~TableList() override;

  // Opens over the screen to the right of anchor's row, with no words typed. name is the table's
  // name, which a screen reader hears; unitHeading heads the value column; notes (may be empty)
  // are shown below the lines.
  void open(const QString& name, const QString& unitHeading, const QString& notes,
            TableLines& lines, const QRect& besideGlobal);
  QLineEdit* searchBox() const { return search_; }
  QTreeView* lines() const { return view_; }

 signals:
  // The list has closed; chosen is the line chosen, or -1 when none was.
  void closed(int chosen);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void refilter();
  void choose(int line);
  void placeBeside(const QRect& row);

  QLabel* title_;
  QLineEdit* search_;
  QTreeView* view_;
  QLabel* notes_;
  TableLinesModel* model_;
  int chosen_ = -1;
};

}  // namespace vantrel::ui
