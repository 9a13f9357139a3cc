#include "ui/RecordFolderStore.h"

#include <QSettings>

namespace vantrel::ui {

namespace {

const QString kFolderKey = QStringLiteral("Record/Folder");

}  // namespace

QString QtRecordFolderStore::read() {
  const QSettings settings(QStringLiteral("Vantrel"), QStringLiteral("Vantrel"));
  return settings.value(kFolderKey).toString();
}

void QtRecordFolderStore::write(const QString& folder) {
  QSettings settings(QStringLiteral("Vantrel"), QStringLiteral("Vantrel"));
  settings.setValue(kFolderKey, folder);
  settings.sync();
}

}  // namespace vantrel::ui
