#include "ui/DocumentOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace vantrel::ui {

bool DesktopDocumentOpener::open(const QString& path) {
  // The desktop services report only whether they could hand the URL on; a missing file would
  // be handed on and fail later, out of the program's sight.
  if (!QFileInfo(path).isFile()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace vantrel::ui
