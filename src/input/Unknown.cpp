#include "input/Unknown.h"

#include <QLineEdit>

#include "pages/ChecksRefresh.h"
#include "pages/PageBuilder.h"
#include "pages/PageDataForm.h"
#include "ui/CheckBox.h"

namespace vantrel::input {

namespace {

// Sets a box's state from the program. The change raises the box's own handler, which must
// swallow it; a change to the state the box already has raises nothing, so nothing is swallowed.
void setStateQuietly(pages::PageDataForm& form, ui::CheckBox* box, Qt::CheckState state) {
  if (box->checkState() == state) return;
  form.IgnoreNextCheckClick = pages::kTrue;
  box->setCheckState(state);
}

}  // namespace

void chkV_Click(pages::PageDataForm& form, Integer Index) {
  if (form.PageBuilding != pages::kFalse) return;
  if (form.IgnoreNextCheckClick != pages::kFalse) {
    form.IgnoreNextCheckClick = pages::kFalse;
    return;
  }
  const pages::PageControls& c = form.controls;
  ui::CheckBox* box = c.chkV(Index);
  if (box->checkState() == Qt::Unchecked) {
    // The unknown's own box: it stays checked.
    setStateQuietly(form, box, Qt::Checked);
    return;
  }
  const Integer old = form.program.CurUnknown;
  const bool hadUnknown = old >= 1 && old <= c.rowCount() && old != Index;
  if (hadUnknown) {
    QString caption = c.chkV(old)->text();
    if (caption.endsWith(u'?')) caption.chop(1);
    c.chkV(old)->setText(caption);
    pages::MarkComputed(c.txtV(old), false);
  }
  if (!box->text().endsWith(u'?')) box->setText(box->text() + u'?');
  form.program.CurUnknown = Index;
  pages::MarkComputed(c.txtV(Index), true);
  if (hadUnknown) setStateQuietly(form, c.chkV(old), Qt::Unchecked);
  pages::RefreshChecks(form);
}

}  // namespace vantrel::input
