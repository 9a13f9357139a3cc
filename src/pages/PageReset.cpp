#include "pages/PageReset.h"

#include <QLineEdit>

#include "pages/PageBuilder.h"

namespace vantrel::pages {

void RestoreInit(PageDataForm& form) {
  datafile::PageTables& t = form.tables;
  const Integer p = t.CurPage;
  t.FocusRow(p) = t.FocusRowDefault(p);
  t.UnknownVar(p) = 0;
  for (Integer i = 1; i <= t.VarCount(p); ++i) {
    t.VarValue(p, i) = t.VarDefault(p, i);
    t.VarCheck(p, i) = t.VarCheckDefault(p, i);
    t.VarUnit(p, i) = t.VarUnitDefault(p, i);
    t.VarChanged(p, i) = 0;
    if (t.UnknownVar(p) == 0 && t.VarCheckDefault(p, i) == 1) t.UnknownVar(p) = i;
  }
  RemovePage(form);
  CreatePage(form, t.CurPage);
  DisplayValues(form);
  if (t.FocusRow(p) < 1 || t.FocusRow(p) > t.VarCount(p)) t.FocusRow(p) = 1;
  form.controls.txtV(t.FocusRow(p))->setFocus();
}

void btnReset_Click(PageDataForm& form) {
  RestoreInit(form);
}

}  // namespace vantrel::pages
