#include "solve/RecordFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "record/RecordHtml.h"

namespace vantrel::solve {

namespace {

SaveRecordPdf pdfWriter(const QString& programFolder, QString& error) {
  if (programFolder.isEmpty()) {
    error = QStringLiteral("the PDF writer cannot be found: the program's folder is unknown");
    return nullptr;
  }
  const QDir folder(programFolder);
  // Beside the program in the build tree; in the library folder once installed.
  for (const QString& path : {folder.filePath(QStringLiteral("vantrel-pdf.so")),
                              QDir::cleanPath(folder.filePath(QStringLiteral(
                                  VANTREL_MODULES_FROM_PROGRAM_FOLDER "/vantrel-pdf.so")))}) {
    if (!QFileInfo::exists(path)) continue;
    QLibrary module(path);
    if (auto entry = reinterpret_cast<SaveRecordPdf>(module.resolve(kSaveRecordPdfName)))
      return entry;
    error =
        QStringLiteral("the PDF writer %1 cannot be loaded: %2").arg(path, module.errorString());
    return nullptr;
  }
  error = QStringLiteral("the PDF writer vantrel-pdf.so is not installed beside the program");
  return nullptr;
}

}  // namespace

QString writeRecordFile(const QString& html, const QString& path, const QString& programFolder) {
  if (!record::isPdfPath(path)) return record::saveRecordHtml(html, path);
  QString error;
  if (const SaveRecordPdf save = pdfWriter(programFolder, error)) save(html, path, error);
  return error;
}

}  // namespace vantrel::solve
