// vantrel-print.so: the toolkit's print dialog, loaded by the window when the user first prints,
// so that Qt Print Support is not loaded while the window starts.

#include <QPrintDialog>
#include <QPrinter>

#include "ui/FileAndPrintDialogs.h"

extern "C" Q_DECL_EXPORT bool vantrelPrintDialog(QWidget* parent,
                                                 const vantrel::ui::PrintFunction& print) {
  static_assert(std::is_same_v<decltype(&vantrelPrintDialog), vantrel::ui::PrintDialogEntry>);
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  print(printer);
  return true;
}
