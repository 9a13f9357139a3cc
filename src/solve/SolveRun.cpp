#include "solve/SolveRun.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <vector>

#include "datafile/DataFileError.h"
#include "datafile/DataFilePlaces.h"
#include "datafile/FileMessages.h"
#include "datafile/LoadSequence.h"
#include "record/RecordHtml.h"
#include "solve/BatchRun.h"
#include "solve/Matching.h"
#include "solve/PageCase.h"
#include "solve/PageList.h"
#include "solve/Report.h"
#include "solve/RunDrawings.h"
#include "solve/SolveError.h"
#include "solve/TableEntries.h"
#include "solve/TablesCommand.h"

namespace vantrel::solve {

QString loadDataFile(const QString& path, datafile::PageTables& tables,
                     const QString& programFolder) {
  QString file;
  if (path.isEmpty()) {
    ProgramWide program;
    program.AppFolder = QDir::currentPath();
    QString name;
    QString folder;
    if (datafile::FindSystemDataFile(name, folder, program, programFolder).isEmpty()) {
      QStringList places;
      for (const QString& f : datafile::DataFileFolders(program.AppFolder, programFolder))
        places << f + name;
      throw SolveError(kBadUsage, terminalLines(datafile::missingFileMessage(places)));
    }
    file = folder + name;
  } else {
    const QFileInfo info(path);
    file = info.absoluteFilePath();
    if (!info.isFile()) {
      throw SolveError(kBadUsage, terminalLines(datafile::missingFileMessage({file})));
    }
  }
  rtf::WorkingDocument document;
  datafile::SilentLoadView view;
  try {
    datafile::ReadSystemData(document, tables, file, view);
  } catch (const datafile::DataFileError& error) {
    throw SolveError(kBadUsage, terminalLines(datafile::damagedFileMessage(error, file)));
  } catch (const std::exception& error) {
    // Whatever else stops a loader is a fault of the file too.
    const datafile::DataFileError described(QString::fromUtf8(error.what()));
    throw SolveError(kBadUsage, terminalLines(datafile::damagedFileMessage(described, file)));
  }
  return file;
}

RunResult solvePage(datafile::PageTables& t, const Request& r, const QString& dataFile,
                    const QString& programFolder) {
  const CaseSetup setup = setupOf(t, r);
  std::vector<CaseEntry> entries;
  for (const Assignment& a : r.assignments) {
    entries.push_back(assignmentEntry(t, setup, a));
    entries.back().typed = a.typed;
    entries.back().position = entries.size();
  }
  checkSolvable(t, setup, !entries.empty());
  const PlotChoice plot = plotChoiceOf(t, setup, r);
  PageCase page(t, setup);
  page.keepWorking();
  CaseOutcome outcome = page.solve(entries);
  if (!outcome.report) return RunResult{outcome.status, QString(), outcome.message};
  if (r.format == Format::Json) outcome.report->iterations = iterationsOf(page.working());
  RunResult result{outcome.status, formatReport(*outcome.report, r.format),
                   outcome.message + reportNotes(*outcome.report, r.format)};
  addDrawings(result, page, t, r, plot, dataFile, programFolder);
  return result;
}

namespace {

// A message that standard error cannot take is lost; the exit status still tells.
void tell(const Write& err, const QString& text) {
  try {
    err(text.toUtf8());
  } catch (const SolveError&) {
  }
}

int runRequest(Request request, int input, const Write& out, const Write& err,
               const QString& programFolder) {
  if (request.help) {
    out(helpText().toUtf8());
    return kSolved;
  }
  if (request.version) {
    out(QStringLiteral("vantrel-solve %1\n").arg(record::programVersion()).toUtf8());
    return kSolved;
  }
  if (request.tables) return listTables(request, out, err, programFolder);
  datafile::PageTables tables;
  const QString dataFile = loadDataFile(request.dataFile, tables, programFolder);
  request.tableFolders = tableFolders(dataFile, programFolder);
  if (request.list) {
    out((request.page.isEmpty() ? pageList(tables)
                                : variableList(tables, findPage(tables, request.page)))
            .toUtf8());
    return kSolved;
  }
  if (!request.batch.isEmpty()) return runBatch(tables, request, input, out);
  const RunResult result = solvePage(tables, request, dataFile, programFolder);
  out(result.out.toUtf8());
  err(result.err.toUtf8());
  return result.status;
}

}  // namespace

int runCommandLine(const QStringList& args, int input, const Write& out, const Write& err,
                   const QString& programFolder) {
  try {
    return runRequest(parseArguments(args), input, out, err, programFolder);
  } catch (const SolveError& error) {
    tell(err, terminalLines(error.message()));
    return error.status();
  } catch (const std::exception& error) {
    tell(err, QStringLiteral("vantrel-solve failed: %1\n").arg(QString::fromUtf8(error.what())));
    return kInternalFailure;
  }
}

RunResult runCommandLine(const QStringList& args, const QString& programFolder) {
  QByteArray out;
  QByteArray err;
  const int status = runCommandLine(
      args, STDIN_FILENO, [&](const QByteArray& bytes) { out += bytes; },
      [&](const QByteArray& bytes) { err += bytes; }, programFolder);
  return RunResult{status, QString::fromUtf8(out), QString::fromUtf8(err)};
}

}  // namespace vantrel::solve
