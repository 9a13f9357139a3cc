#include "modules/Drawing.h"

#include "modules/ModuleEntry.h"

namespace vantrel::modules {

QString runDrawingJob(DrawingJob& job, const QString& programFolder) {
  QString error;
  const auto draw = reinterpret_cast<DrawingEntry>(
      moduleEntry(programFolder, QStringLiteral("vantrel-pdf.so"), kDrawingEntryName, error));
  if (draw != nullptr) draw(job);
  return error;
}

}  // namespace vantrel::modules
