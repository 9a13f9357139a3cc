// vantrel-pdf.so: the PDF writer that vantrel-solve loads for --record FILE.pdf, so that only
// such a run loads Qt Gui. A PDF is laid out by Qt's text engine, which needs a QGuiApplication:
// one is made here on the offscreen platform, which needs no display, unless the process has
// one already.

#include <QGuiApplication>
#include <clocale>
#include <string>

#include "record/RecordOutput.h"
#include "solve/RecordFile.h"

namespace {

void saveWithApplication(const QString& html, const QString& path, QString& error) {
  char name[] = "vantrel-solve";
  char option[] = "-platform";
  char platform[] = "offscreen";
  char* argv[] = {name, option, platform, nullptr};
  int argc = 3;
  // The application sets the C library's locale from the environment; the run goes on in the
  // one it had. Its notes about the desktop it does not use (no runtime folder, say) are no
  // concern of a command-line run.
  const std::string locale = std::setlocale(LC_ALL, nullptr);
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  {
    const QGuiApplication application(argc, argv);
    error = vantrel::record::saveRecordPdf(html, path);
  }
  qInstallMessageHandler(previous);
  std::setlocale(LC_ALL, locale.c_str());
}

}  // namespace

extern "C" Q_DECL_EXPORT void vantrelSaveRecordPdf(const QString& html, const QString& path,
                                                   QString& error) {
  static_assert(std::is_same_v<decltype(&vantrelSaveRecordPdf), vantrel::solve::SaveRecordPdf>);
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    error = vantrel::record::saveRecordPdf(html, path);
  } else if (QCoreApplication::instance() != nullptr) {
    error = QStringLiteral("a PDF cannot be made beside the program's own application object");
  } else {
    saveWithApplication(html, path, error);
  }
}
