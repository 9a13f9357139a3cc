#include "input/UnitList.h"

#include <QLineEdit>
#include <QListWidget>

#include "calc/CaptionText.h"
#include "pages/ChecksRefresh.h"
#include "pages/PageDataForm.h"
#include "ui/Dialogs.h"
#include "ui/Twips.h"

namespace vantrel::input {

void lblUnit_Click(pages::PageDataForm& form, Integer Index) {
  const datafile::PageTables& t = form.tables;
  const Integer page = t.CurPage;
  QListWidget* list = form.lstUnit;
  form.UnitListBusy = pages::kTrue;
  list->clear();
  form.UnitListVar = Index;
  const int units = t.unitListLength(page, Index);
  for (int k = 1; k <= units; ++k) {
    const QString& name = t.UnitName(page, Index, k);
    list->addItem(name == QStringLiteral(" ") ? QString::fromLatin1(kNoUnitName) : name);
    if (t.VarUnit(page, Index) == k) list->setCurrentRow(k - 1);
  }
  const QLineEdit* field = form.controls.lblUnit(Index);
  list->setAccessibleName(QStringLiteral("Units of ") +
                          calc::shownCaption(t.VarCaptionRTF(page, Index).plainText()));
  ui::setTwipsRect(list, QRect(ui::twipsLeft(field), ui::twipsTop(field), ui::twipsWidth(list),
                               units * kUnitListRowHeight));
  list->show();
  list->raise();
  list->setFocus();
  form.UnitListBusy = pages::kFalse;
}

namespace {

// The box a choice gives the focus to: the one last left, or the row's own when none was.
QLineEdit* returnBox(const pages::PageDataForm& form) {
  const Integer back = form.ActiveVar >= 1 && form.ActiveVar <= form.controls.rowCount()
                           ? form.ActiveVar
                           : form.UnitListVar;
  return form.controls.txtV(back);
}

// Hiding a widget that has the focus passes the focus on to the next control in the keyboard
// order (the tab strip); the list lets go of it first.
void closeList(pages::PageDataForm& form) {
  if (form.lstUnit->hasFocus()) form.lstUnit->clearFocus();
  form.lstUnit->hide();
}

}  // namespace

void lstUnit_Click(pages::PageDataForm& form) {
  if (form.UnitListBusy != pages::kFalse) return;
  const datafile::PageTables& t = form.tables;
  const Integer v = form.UnitListVar;
  // A row whose unit lies past its list opens with nothing selected; nothing is chosen yet.
  if (form.lstUnit->currentRow() < 0) return;
  const auto chosen = static_cast<Integer>(form.lstUnit->currentRow() + 1);
  calc::PageSession session = form.session();
  // A value too large for the chosen unit keeps the unit it has.
  if (!session.chooseUnit(v, chosen)) {
    form.UnitListBusy = pages::kTrue;
    HideUnitList(form);
    form.dialogs->message(QStringLiteral("The value is too large to be shown in ") +
                          t.UnitName(t.CurPage, v, chosen).trimmed() + QStringLiteral("."));
    return;
  }
  {
    const pages::ProgramWrites writes(form);
    closeList(form);
    form.controls.txtV(v)->setText(session.valueText(v));
    form.controls.lblUnit(v)->setText(session.unitName(v));
    pages::RefreshChecks(form);
    form.UnitListBusy = pages::kTrue;
  }
  // Only once the writes are over: the focus may pass on from the box it arrives at (the
  // unknown's) and take it out of the focus, which must not commit the text just written.
  returnBox(form)->setFocus();
}

void lstUnit_LostFocus(pages::PageDataForm& form) {
  form.lstUnit->hide();
}

void HideUnitList(pages::PageDataForm& form) {
  const bool focused = form.lstUnit->hasFocus();
  closeList(form);
  if (focused) returnBox(form)->setFocus();
}

}  // namespace vantrel::input
