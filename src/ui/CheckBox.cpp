#include "ui/CheckBox.h"

namespace vantrel::ui {

void CheckBox::nextCheckState() {
  setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace vantrel::ui
