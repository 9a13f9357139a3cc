#include "ui/Dialogs.h"

#include <QMessageBox>

namespace vantrel::ui {

QString toDisplayLines(const QString& text) {
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lines;
}

MessageAnswer QtDialogs::message(const QString& text, MessageIcon icon, MessageButtons buttons) {
  QMessageBox box(
      icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, kAppTitle,
      toDisplayLines(text),
      buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
      parent_);
  box.setTextFormat(Qt::PlainText);
  const int answer = box.exec();
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace vantrel::ui
