#include "tips/PointerMoves.h"

#include <QListWidget>
#include <QTimer>

#include "input/UnitList.h"
#include "pages/PageDataForm.h"
#include "ui/RichTextBox.h"

namespace vantrel::tips {

namespace {

void restartTimer(pages::PageDataForm& form) {
  form.TipTimer->stop();
  form.TipTimer->start(form.tables.TipInterval);
}

// The moves that leave the row alone: a shown tip stays up once (the move that follows its
// appearance is ignored), and otherwise waits for the pointer to rest again while a value box
// is being edited, or stops the tips until one is.
void pendingTip(pages::PageDataForm& form) {
  if (!form.TipTimer->isActive()) return;
  if (form.tables.TipShown != pages::kFalse) {
    form.tables.TipShown = pages::kFalse;
    return;
  }
  if (form.TipArmed != pages::kFalse) {
    form.rTxtTips->hide();
    restartTimer(form);
  } else {
    form.TipTimer->stop();
  }
}

// The timer restarts its countdown on every move, so a tick comes only after the pointer has
// rested for one interval.
void backgroundMove(pages::PageDataForm& form) {
  input::HideUnitList(form);
  form.TipRow = 0;
  pendingTip(form);
}

}  // namespace

void Form_MouseMove(pages::PageDataForm& form) {
  backgroundMove(form);
}

void Imgbox_MouseMove(pages::PageDataForm& form, Integer /*Index*/) {
  backgroundMove(form);
}

void TabStrip_MouseMove(pages::PageDataForm& form) {
  backgroundMove(form);
}

void txtV_MouseMove(pages::PageDataForm& form, Integer Index) {
  if (form.SkipNextValueMove != pages::kFalse) {
    form.SkipNextValueMove = pages::kFalse;
    return;
  }
  if (form.tables.TipShown != pages::kFalse) {
    form.tables.TipShown = pages::kFalse;
    return;
  }
  form.rTxtTips->hide();
  restartTimer(form);
  form.TipRow = Index;
  form.SkipNextValueMove = pages::kTrue;
}

void rTxtTips_MouseMove(pages::PageDataForm& form) {
  pendingTip(form);
}

}  // namespace vantrel::tips
