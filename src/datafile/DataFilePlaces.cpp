#include "datafile/DataFilePlaces.h"

#include <QDir>
#include <QFileInfo>

namespace vantrel::datafile {

QStringList DataFileFolders(const QString& currentFolder, const QString& programFolder) {
  QStringList folders{currentFolder};
  if (!programFolder.isEmpty()) {
    // The installed folder is named as the user would name it, without "bin/..".
    folders << QDir::cleanPath(
        QDir(programFolder).filePath(QStringLiteral(VANTREL_DATA_FROM_PROGRAM_FOLDER)));
  }
  folders.removeDuplicates();  // started inside the installed folder
  return folders;
}

QString RunningProgramFolder() {
  // Linux names the running program's file here, with every symbolic link resolved.
  const QFileInfo program(QStringLiteral("/proc/self/exe"));
  return program.exists() ? program.canonicalPath() : QString();
}

}  // namespace vantrel::datafile
