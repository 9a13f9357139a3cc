#include "solve/Drawing.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace vantrel::solve {

namespace {

DrawingEntry drawingModule(const QString& programFolder, QString& error) {
  if (programFolder.isEmpty()) {
    error = QStringLiteral("the drawing module cannot be found: the program's folder is unknown");
    return nullptr;
  }
  const QDir folder(programFolder);
  // Beside the program in the build tree; in the library folder once installed.
  for (const QString& path : {folder.filePath(QStringLiteral("vantrel-pdf.so")),
                              QDir::cleanPath(folder.filePath(QStringLiteral(
                                  VANTREL_MODULES_FROM_PROGRAM_FOLDER "/vantrel-pdf.so")))}) {
    if (!QFileInfo::exists(path)) continue;
    QLibrary module(path);
    if (auto entry = reinterpret_cast<DrawingEntry>(module.resolve(kDrawingEntryName)))
      return entry;
    error = QStringLiteral("the drawing module %1 cannot be loaded: %2")
                .arg(path, module.errorString());
    return nullptr;
  }
  error = QStringLiteral("the drawing module vantrel-pdf.so is not installed beside the program");
  return nullptr;
}

}  // namespace

QString runDrawingJob(DrawingJob& job, const QString& programFolder) {
  QString error;
  if (const DrawingEntry draw = drawingModule(programFolder, error)) draw(job);
  return error;
}

}  // namespace vantrel::solve
