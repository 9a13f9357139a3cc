#include "ui/ProgramEnd.h"

#include <QCoreApplication>

namespace vantrel::ui {

void QtProgramEnd::end(int status) {
  QCoreApplication::exit(status);
}

}  // namespace vantrel::ui
