#include "input/ValueEntry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTimer>

#include "pages/PageBuilder.h"
#include "pages/PageDataForm.h"
#include "ui/CheckBox.h"
#include "ui/Dialogs.h"
#include "ui/RichTextBox.h"

namespace vantrel::input {

namespace {

void armTipTimer(PageDataForm& form) {
  if (!form.TipTimer->isActive()) form.TipTimer->start();
}

void selectWholeText(QLineEdit* box) {
  box->setSelection(0, static_cast<int>(box->text().size()));
}

// Clears a flag when the scope ends, however it ends.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

void commitAccepted(PageDataForm& form, Integer Index, const calc::CommitResult& result) {
  form.controls.txtV(Index)->setText(result.boxText);
  form.EditedVar = Index;
  form.TableSources.forget(form.tables.CurPage, Index);
  form.calcUi->setStatusText(QStringLiteral("Ready"));
  pages::DisplayValues(form);
  form.PrevValue = form.tables.CurValue(Index);
  form.rTxtTips->hide();
  form.TipTimer->stop();
  form.TipArmed = pages::kFalse;
  form.CurFocusRow = 0;
}

void commitRefused(PageDataForm& form, Integer Index, const calc::CommitResult& result) {
  form.calcUi->setStatusText(QStringLiteral("Ready"));
  form.dialogs->message(result.message, ui::MessageIcon::None, ui::MessageButtons::Ok);
  form.controls.txtV(Index)->setText(result.boxText);
}

}  // namespace

void PostTab(PageDataForm& form, bool forward) {
  QTimer::singleShot(0, form.window, [forward] {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) return;
    QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(focused, &tab);
  });
}

void FocusValueBox(PageDataForm& form, Integer row) {
  QLineEdit* box = form.controls.txtV(row);
  box->setFocus();
  selectWholeText(box);
}

void txtV_Change(PageDataForm& form, Integer /*Index*/) {
  if (form.EditFlag != 1) form.EditFlag = -1;
}

void txtV_GotFocus(PageDataForm& form, Integer Index) {
  const pages::PageControls& c = form.controls;
  const Integer last = form.ActiveVar;
  const Integer n = static_cast<Integer>(c.rowCount());
  if (c.chkV(Index)->isChecked()) {
    // The unknown's box shows a computed result: the focus goes on in the direction it came.
    if (last == Index) {
      PostTab(form, Index != n);
      return;
    }
    if (last < Index) {
      if (Index != n) {
        c.txtV(Index + 1)->setFocus();
        return;
      }
      c.chkV(1)->setFocus();
    } else {
      if (Index != 1) {
        c.txtV(Index - 1)->setFocus();
        return;
      }
      form.tabStrip->setFocus();
    }
  }
  form.PrevValue = form.tables.CurValue(Index);
  selectWholeText(c.txtV(Index));
  form.TipArmed = pages::kTrue;
  form.TipRow = Index;
  form.CurFocusRow = Index;
  armTipTimer(form);
}

void txtV_KeyPress(PageDataForm& form, Integer Index, Integer KeyAscii) {
  form.TipRow = Index;
  if (KeyAscii != kKeyEnter) return;
  txtV_LostFocus(form, Index);
  form.TipArmed = pages::kTrue;
  form.TipRow = Index;
  armTipTimer(form);
  form.CurFocusRow = Index;
  FocusValueBox(form, Index);
}

void txtV_LostFocus(PageDataForm& form, Integer Index) {
  form.ActiveVar = Index;
  if (form.Committing || form.EditFlag == 0) return;
  const FlagScope committing(form.Committing);
  const pages::ProgramWrites writes(form);
  const QString typed = form.controls.txtV(Index)->text();
  const calc::CommitResult result =
      form.session().commit(Index, typed, form.PrevValue, *form.calcUi);
  if (result.accepted) {
    commitAccepted(form, Index, result);
  } else {
    commitRefused(form, Index, result);
  }
}

void Form_KeyDown(PageDataForm& form, Integer KeyCode, Integer /*Shift*/) {
  if (KeyCode == kKeyDown) PostTab(form, true);
  if (KeyCode == kKeyUp) PostTab(form, false);
  if (form.TipTimer->isActive()) {
    form.rTxtTips->hide();
    form.TipTimer->stop();
    form.TipTimer->start(form.tables.TipInterval);
  }
}

void btnCompute_Click(PageDataForm& form) {
  if (form.ActiveVar >= 1 && form.ActiveVar <= form.controls.rowCount())
    form.controls.txtV(form.ActiveVar)->setFocus();
}

}  // namespace vantrel::input
