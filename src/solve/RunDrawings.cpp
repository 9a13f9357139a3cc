#include "solve/RunDrawings.h"

#include <optional>

#include "modules/Drawing.h"
#include "solve/SolveError.h"

namespace vantrel::solve {

std::vector<IterationLine> iterationsOf(const calc::SolveWorking* working) {
  std::vector<IterationLine> lines;
  if (working == nullptr) return lines;
  int step = 0;
  for (const calc::NewtonRun& run : working->runs()) {
    ++step;
    for (const calc::NewtonPass& pass : run.passes)
      lines.push_back({step, pass.trial, pass.residual});
  }
  return lines;
}

void addDrawings(RunResult& result, const PageCase& page, const datafile::PageTables& tables,
                 const Request& r, const PlotChoice& plot, const QString& dataFile,
                 const QString& programFolder) {
  const bool html = r.format == Format::Html;
  if (!html && r.record.isEmpty() && r.plot.isEmpty()) return;
  const curves::Figure figure = plotOf(tables, page.session(), plot);
  std::optional<record::RecordDraft> draft;
  modules::DrawingJob job;
  if (html || !r.record.isEmpty()) {
    record::RecordOrigin origin = record::originNow(dataFile);
    origin.citations = page.citations();
    draft.emplace(record::RecordDraft{page.session(), origin, page.working(), figure});
    job.record = &*draft;
    job.recordHtmlWanted = html;
    job.recordPath = r.record;
  }
  if (!r.plot.isEmpty()) {
    job.plot = &figure;
    job.plotPath = r.plot;
  }
  const QString unusable = modules::runDrawingJob(job, programFolder);
  const auto fail = [&](const QString& what, const QString& path, const QString& why) {
    if (why.isEmpty()) return;
    result.status = kBadUsage;
    result.err +=
        path.isEmpty()
            ? QStringLiteral("The %1 could not be made: %2.\n").arg(what, why)
            : QStringLiteral("The %1 could not be written to %2: %3.\n").arg(what, path, why);
  };
  if (html) {
    result.out = job.recordHtml;
    if (result.out.isEmpty())
      fail(QStringLiteral("calculation record"), {},
           unusable.isEmpty() ? job.recordError : unusable);
  }
  if (!r.record.isEmpty()) {
    fail(QStringLiteral("calculation record"), r.record,
         unusable.isEmpty() ? job.recordError : unusable);
  }
  if (!r.plot.isEmpty())
    fail(QStringLiteral("plot"), r.plot, unusable.isEmpty() ? job.plotError : unusable);
}

}  // namespace vantrel::solve
