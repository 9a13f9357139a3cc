#include "ui/DocumentOpener.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace vantrel::ui {

bool DesktopDocumentOpener::open(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  // The process outlives this call when the opener waits for the application; it deletes
  // itself once it ends.
  auto* opener = new QProcess;
  QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
  QEventLoop verdict;
  QObject::connect(opener, &QProcess::finished, &verdict, &QEventLoop::quit);
  QObject::connect(opener, &QProcess::errorOccurred, &verdict, &QEventLoop::quit);
  QTimer::singleShot(verdictMs_, &verdict, &QEventLoop::quit);
  opener->start(program_, {path});
  // The window keeps painting while the opener decides; the user's input waits for the verdict.
  verdict.exec(QEventLoop::ExcludeUserInputEvents);
  switch (opener->state()) {
    case QProcess::Running:
      return true;
    case QProcess::Starting:
      return true;
    case QProcess::NotRunning:
      break;
  }
  const bool opened = opener->error() == QProcess::UnknownError &&
                      opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
  if (opener->error() == QProcess::FailedToStart) opener->deleteLater();
  return opened;
}

}  // namespace vantrel::ui
