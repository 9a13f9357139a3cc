// vantrel-pdf.so: the drawing module that the programs load to write the calculation record (a
// PDF, or HTML with the plot as SVG) and vantrel-solve's plot of --plot, so that only such a run
// loads Qt Svg, and in vantrel-solve Qt Gui. Text is laid out and figures are drawn with a
// QGuiApplication: one is made here on the offscreen platform, which needs no display, unless the
// process has one already.

#include <QGuiApplication>
#include <clocale>
#include <string>

#include "modules/Drawing.h"
#include "plot/FigureFiles.h"
#include "record/RecordFiles.h"

namespace {

using vantrel::modules::DrawingJob;

void draw(DrawingJob& job) {
  if (job.record != nullptr) {
    if (job.recordHtmlWanted) job.recordHtml = vantrel::record::recordFileHtml(*job.record);
    if (!job.recordPath.isEmpty())
      job.recordError = vantrel::record::saveRecordFile(*job.record, job.recordPath);
  }
  if (job.plot != nullptr) job.plotError = vantrel::plot::saveFigureFile(*job.plot, job.plotPath);
}

void drawWithApplication(DrawingJob& job) {
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
    draw(job);
  }
  qInstallMessageHandler(previous);
  std::setlocale(LC_ALL, locale.c_str());
}

}  // namespace

extern "C" Q_DECL_EXPORT void vantrelDraw(DrawingJob& job) {
  static_assert(std::is_same_v<decltype(&vantrelDraw), vantrel::modules::DrawingEntry>);
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    draw(job);
  } else if (QCoreApplication::instance() != nullptr) {
    const QString why =
        QStringLiteral("nothing can be drawn beside the program's own application object");
    job.recordError = job.record != nullptr ? why : QString();
    job.plotError = job.plot != nullptr ? why : QString();
  } else {
    drawWithApplication(job);
  }
}
