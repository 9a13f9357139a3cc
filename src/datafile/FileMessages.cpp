#include "datafile/FileMessages.h"

namespace vantrel::datafile {

QString missingFileMessage(const QString& path) {
  return QStringLiteral("System Data File not found !\r[") + path +
         QStringLiteral("]\rLoading ABORT !");
}

QString damagedFileMessage(const DataFileError& error, const QString& path) {
  QString text = QStringLiteral("System Data File is damaged !\r") + error.problem();
  if (!error.location().isEmpty()) text += QStringLiteral("\rAt: ") + error.location();
  return text + QStringLiteral("\r[") + path + QStringLiteral("]\rLoading ABORT !");
}

}  // namespace vantrel::datafile
