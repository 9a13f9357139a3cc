#include "tips/PointerMoves.h"

#include <QListWidget>
#include <QTimer>

#include "pages/PageDataForm.h"

namespace vantrel::tips {

namespace {

// The timer restarts its countdown on every move, so a tick comes only after the pointer has
// rested for one interval.
void backgroundMove(pages::PageDataForm& form) {
  form.lstUnit->hide();
  form.TipRow = 0;
  if (!form.TipTimer->isActive()) return;
  if (form.tables.TipShown != pages::kFalse) {
    form.tables.TipShown = pages::kFalse;
    return;
  }
  if (form.TipArmed != pages::kFalse) {
    form.rTxtTips->hide();
    form.TipTimer->stop();
    form.TipTimer->start(form.tables.TipInterval);
  } else {
    form.TipTimer->stop();
  }
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

}  // namespace vantrel::tips
