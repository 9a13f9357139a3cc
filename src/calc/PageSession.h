#pragma once
// The page on show as the calculation sees it: its values in base units, its unknown and its
// tables. A session turns what the user typed into a row's value box into the page's new values
// (conversion from the unit on display, the range check, the solve) and gives the text every
// row shows. It knows nothing of widgets: the window keeps the focus, the selection and its edit
// flags around it, and a program without a window can drive it the same way.

#include <QString>
#include <QVarLengthArray>

#include "calc/CalcUi.h"
#include "calc/NewtonMethod.h"
#include "datafile/PageTables.h"

namespace vantrel::calc {

// What committing an entry came to.
struct CommitResult {
  bool accepted = false;
  // Accepted: the entry as the range check read it, shown in the unit on display, until the page
  // is redisplayed. Refused: the value before the entry, which the box shows again.
  QString boxText;
  // Refused: what the user is told (the out-of-range message, or why the number cannot be held).
  QString message;
};

// The last entry taken on the page on show, kept for what is said about it afterwards (an entry
// the leading-number rule read only in part, a value the formula replaced). A refused entry
// leaves it as it was.
struct EntryRecord {
  Integer row = 0;           // 0: no entry since the page was put on show
  QString text;              // as typed
  qsizetype readLength = 0;  // characters of text that the leading-number rule read
  Single read = 0;           // the number read, in the unit on display
  QString unit;              // the unit on display
  Single entered = 0;        // the row's value before the solve, base unit
};

class PageSession {
 public:
  // `tables.CurPage` is the page on show and `tables.CurValue` its values; `unknown` is the row
  // to solve for (the program keeps it outside the tables). Accepted entries are recorded in
  // `lastEntry` when one is given; it outlives the session, which is only a view.
  PageSession(datafile::PageTables& tables, Integer& unknown, EntryRecord* lastEntry = nullptr)
      : t_(tables), unknown_(unknown), entry_(lastEntry) {}

  Integer page() const { return t_.CurPage; }
  Integer rowCount() const { return t_.VarCount(t_.CurPage); }
  Integer unknown() const { return unknown_; }
  // The tab caption, which also names the page's formula, and the window title of the page.
  const QString& pageCaption() const { return t_.PageCaption(t_.CurPage); }
  const QString& pageTitle() const { return t_.PageTitle(t_.CurPage); }
  // The last entry taken since the page was put on show (row 0: none); null when not recorded.
  const EntryRecord* lastEntry() const { return entry_; }
  // The stored value of row var, in its base unit.
  Single value(Integer var) const { return t_.CurValue(var); }
  // Whether a commit has changed row var's value in this run, since the start or the page's
  // last reset: typed into it, or moved by a solve. False while it holds the page's default.
  bool changed(Integer var) const { return t_.VarChanged(page(), var) != 0; }

  // Puts `page` on show: its stored values (VarValue) become the working values and its stored
  // unknown the row to solve for. The record of the last entry starts empty.
  void enterPage(Integer page);
  void forgetEntry() {
    if (entry_ != nullptr) *entry_ = EntryRecord{};
  }
  // Tells `observer` (null: nobody) of every solve a commit makes from now on.
  void watchSolves(SolveObserver* observer) { observer_ = observer; }
  // Every row of the page on show counts as holding its default again (a reset, a new case).
  void forgetChanges();
  // Makes row var the one to solve for; the next commit solves for it.
  void chooseUnknown(Integer var) { unknown_ = var; }
  // Shows row var in unit u of its list from now on; the stored value stays as it is. False,
  // and nothing changed, when the value in that unit would lie beyond the Single range.
  bool chooseUnit(Integer var, Integer u);

  // The accepted-range expression of row var.
  const QString& rangeExpression(Integer var) const { return t_.RangeExpr(page(), var); }
  // The caption of row var as the data file gives it (with its access-key "&").
  QString caption(Integer var) const;
  // The name of the unit row var is shown in.
  QString unitName(Integer var) const;
  // The value of row var in its unit, formatted with the unit's pattern. Throws
  // std::overflow_error when the value in that unit lies beyond the Single range (a commit and a
  // unit change never leave the page so).
  QString valueText(Integer var) const;
  // The value of row var in unit u, if it can be held as a Single.
  bool valueInUnit(Integer var, Integer u, Single& shown) const;
  // A value of row var's quantity (base unit) as its value box would show it in the row's unit;
  // empty when it cannot be held as a Single there.
  QString textInUnit(Integer var, double base) const;
  // The factor of the unit row var is shown in (value in the unit = factor x base value).
  Single factor(Integer var) const;

  // Commits `text`, typed into row `index`'s box. `prevValue` is the row's value when its box
  // took the focus, the start of the solve; it follows the solver. An accepted entry is stored
  // and the unknown solved for; a refused one changes nothing. A result that could not be shown
  // in its unit undoes the whole entry. A page whose caption names no formula is reported once.
  CommitResult commit(Integer index, const QString& text, Single& prevValue, CalcUi& ui);

 private:
  CommitResult refuse(const QString& message, Single factor, Single prevValue) const;
  bool everyRowShowable() const;
  // The page's values before a commit, kept on the stack.
  using Values = QVarLengthArray<Single, kSnapshotValues>;
  void markChanged(const Values& before, Integer index, Single entered);

  datafile::PageTables& t_;
  Integer& unknown_;
  EntryRecord* entry_;
  SolveObserver* observer_ = nullptr;
};

}  // namespace vantrel::calc
