#include "ui/FileAndPrintDialogs.h"

#include <QFileDialog>
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

bool QtFileAndPrintDialogs::print(const PrintFunction& print, QString& error) {
  const PrintDialogEntry dialog = printDialog_(error);
  return dialog != nullptr && dialog(parent_, print);
}

}  // namespace vantrel::ui
