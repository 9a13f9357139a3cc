#include "pages/PageSwitch.h"

#include <QLineEdit>
#include <QTabBar>

#include "common/KeyCodes.h"
#include "pages/PageBuilder.h"
#include "ui/CheckBox.h"

namespace vantrel::pages {

namespace {

void showPage(PageDataForm& form, Integer page) {
  datafile::PageTables& t = form.tables;
  Integer leaving = t.CurPage;
  SaveToDataStore(form, leaving);
  RemovePage(form);
  t.CurPage = page;
  CreatePage(form, t.CurPage);
  DisplayValues(form);
}

// The focus goes to the page's focus row (row 1 when it names no row of the page), whose whole
// text is selected.
void focusStep(PageDataForm& form) {
  datafile::PageTables& t = form.tables;
  const Integer page = t.CurPage;
  if (t.FocusRow(page) < 1 || t.FocusRow(page) > t.VarCount(page)) t.FocusRow(page) = 1;
  QLineEdit* box = form.controls.txtV(t.FocusRow(page));
  box->setFocus();
  box->setSelection(0, static_cast<int>(box->text().size()));
}

}  // namespace

void SaveToDataStore(PageDataForm& form, Integer& iCurntPage) {
  datafile::PageTables& t = form.tables;
  const Integer p = iCurntPage;
  t.UnknownVar(p) = form.program.CurUnknown;
  t.FocusRow(p) = form.CurFocusRow;
  for (Integer i = 1; i <= t.VarCount(p); ++i) {
    t.VarValue(p, i) = t.CurValue(i);
    t.VarCheck(p, i) = CheckValue(form.controls.chkV(i));
  }
}

void TabStrip_Click(PageDataForm& form) {
  const auto chosen = static_cast<Integer>(form.tabStrip->currentIndex() + 1);
  if (chosen == form.tables.CurPage) return;
  showPage(form, chosen);
  focusStep(form);
}

void TabStrip_KeyDown(PageDataForm& form, Integer& KeyCode, Integer /*Shift*/) {
  const Integer pages = form.tables.PageCount;
  const Integer current = form.tables.CurPage;
  switch (KeyCode) {
    case kKeyLeft:
    case kKeyRight:
      focusStep(form);
      break;
    case kKeyUp:
      showPage(form, current == 1 ? pages : static_cast<Integer>(current - 1));
      break;
    case kKeyDown:
      showPage(form, current == pages ? 1 : static_cast<Integer>(current + 1));
      break;
    default:
      break;
  }
}

}  // namespace vantrel::pages
