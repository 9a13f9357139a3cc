#include "modules/ModuleEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace vantrel::modules {

namespace {

QStringList placesOf(const QString& programFolder, const QString& module) {
  QStringList places;
  const QString chosen = qEnvironmentVariable("VANTREL_MODULE_DIR");
  if (!chosen.isEmpty()) places << QDir(chosen).filePath(module);
  if (!programFolder.isEmpty()) {
    const QDir folder(programFolder);
    // The module folder first: the build puts its modules there too, and an older build left
    // copies beside the programs that must not shadow them.
    places << QDir::cleanPath(
                  folder.filePath(QStringLiteral(VANTREL_MODULES_FROM_PROGRAM_FOLDER "/") + module))
           << folder.filePath(module);
  }
  return places;
}

}  // namespace

QFunctionPointer moduleEntry(const QString& programFolder, const QString& module, const char* entry,
                             QString& error) {
  for (const QString& path : placesOf(programFolder, module)) {
    if (!QFileInfo::exists(path)) continue;
    QLibrary library(path);
    if (const QFunctionPointer found = library.resolve(entry)) return found;
    error = QStringLiteral("the module %1 cannot be loaded: %2").arg(path, library.errorString());
    return nullptr;
  }
  error = QStringLiteral("the module %1 is not installed beside the program").arg(module);
  return nullptr;
}

}  // namespace vantrel::modules
