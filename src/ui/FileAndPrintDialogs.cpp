#include "ui/FileAndPrintDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace vantrel::ui {

namespace {

// "pdf" of "PDF document (*.pdf)".
QString firstSuffix(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral(R"(\*\.(\w+))"));
  return pattern.match(filter).captured(1);
}

}  // namespace

QString QtFileAndPrintDialogs::saveFileName(const QString& title, const QString& suggested,
                                            const QStringList& filters) {
  QFileDialog dialog(parent_, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(firstSuffix(filters.value(0)));
  QObject::connect(
      &dialog, &QFileDialog::filterSelected, &dialog,
      [&dialog](const QString& filter) { dialog.setDefaultSuffix(firstSuffix(filter)); });
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

bool QtFileAndPrintDialogs::print(const std::function<void(QPagedPaintDevice&)>& print) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  QPrintDialog dialog(&printer, parent_);
  if (dialog.exec() != QDialog::Accepted) return false;
  print(printer);
  return true;
}

}  // namespace vantrel::ui
