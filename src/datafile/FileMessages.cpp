#include "datafile/FileMessages.h"

namespace vantrel::datafile {

QString missingFileMessage(const QStringList& paths) {
  return QStringLiteral("System Data File not found !\r[") + paths.join(QStringLiteral("]\r[")) +
         QStringLiteral("]\rLoading ABORT !");
}

QString damagedFileMessage(const DataFileError& error, const QString& path) {
  QString text = QStringLiteral("System Data File is damaged !\r") + error.problem();
  if (!error.location().isEmpty()) text += QStringLiteral("\rAt: ") + error.location();
  return text + QStringLiteral("\r[") + path + QStringLiteral("]\rLoading ABORT !");
}

}  // namespace vantrel::datafile
