#include "solve/SolveRun.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

#include "calc/PageSession.h"
#include "datafile/DataFileError.h"
#include "datafile/FileMessages.h"
#include "datafile/LoadSequence.h"
#include "solve/Matching.h"
#include "solve/Report.h"
#include "solve/SolveError.h"

namespace vantrel::solve {

namespace {

// The window's message boxes break lines with a carriage return; a terminal wants line feeds.
QString terminalLines(QString text) {
  text.replace(u'\r', u'\n');
  return text.endsWith(u'\n') ? text : text + u'\n';
}

// The solver's question is answered No: a script cannot wait for somebody to decide, and a
// solve that has run out of its budget is reported rather than prolonged.
class CommandLineUi : public calc::CalcUi {
 public:
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString& text) override {
    question = text;
    return false;
  }
  void showCritical(const QString& text) override { criticals += terminalLines(text); }

  QString question;   // the last question asked; empty when none was
  QString criticals;  // every critical message, in terminal form
};

struct Entry {
  Integer var = 0;
  Integer unit = 0;
  const Assignment* assignment = nullptr;
};

// Every name and unit is resolved before the first commit, so a misspelt entry at the end
// stops the run before anything is computed.
std::vector<Entry> resolveEntries(const datafile::PageTables& t, const calc::PageSession& session,
                                  const Request& r) {
  const Integer page = session.page();
  std::vector<Entry> entries;
  for (const Assignment& a : r.assignments) {
    Entry e;
    e.assignment = &a;
    e.var = findVariable(t, page, a.name);
    if (e.var == session.unknown()) {
      throw SolveError(kBadUsage,
                       QStringLiteral("%1 is the variable solved for on %2; choose "
                                      "another with --for to enter it.")
                           .arg(variableName(session.caption(e.var)), session.pageCaption()));
    }
    e.unit = a.unit.isEmpty() ? t.VarUnitDefault(page, e.var) : findUnit(t, page, e.var, a.unit);
    entries.push_back(e);
  }
  const Integer u = session.unknown();
  if (!entries.empty() && (u < 1 || u > session.rowCount())) {
    throw SolveError(kBadUsage, QStringLiteral("%1 has no variable to solve for; choose one with "
                                               "--for NAME.")
                                    .arg(session.pageCaption()));
  }
  return entries;
}

// The question's last line asks whether to go on; what comes before it says what happened.
QString budgetMessage(const QString& question, std::size_t number, const Entry& e,
                      const calc::PageSession& session) {
  QStringList lines = question.split(u'\r');
  if (lines.size() > 1 && lines.last().endsWith(u'?')) lines.removeLast();
  lines << QStringLiteral("Entry %1, \"%2\" (%3), was not taken: the page is as it was before it.")
               .arg(number)
               .arg(e.assignment->typed, variableName(session.caption(e.var)));
  return terminalLines(lines.join(u'\n'));
}

}  // namespace

void loadDataFile(const QString& path, datafile::PageTables& tables) {
  QString file;
  if (path.isEmpty()) {
    ProgramWide program;
    program.AppFolder = QDir::currentPath();
    QString name;
    QString folder;
    const bool found = !datafile::FindSystemDataFile(name, folder, program).isEmpty();
    file = folder + name;
    if (!found) throw SolveError(kBadUsage, terminalLines(datafile::missingFileMessage(file)));
  } else {
    const QFileInfo info(path);
    file = info.absoluteFilePath();
    if (!info.isFile()) {
      throw SolveError(kBadUsage, terminalLines(datafile::missingFileMessage(file)));
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
}

RunResult solvePage(datafile::PageTables& t, const Request& r) {
  Integer unknown = 0;
  calc::EntryRecord lastEntry;
  calc::PageSession session(t, unknown, &lastEntry);
  session.enterPage(findPage(t, r.page));
  if (!r.unknown.isEmpty()) session.chooseUnknown(findVariable(t, session.page(), r.unknown));
  const std::vector<Entry> entries = resolveEntries(t, session, r);

  RunResult result;
  CommandLineUi ui;
  for (std::size_t n = 0; n < entries.size(); ++n) {
    const Entry& e = entries[n];
    if (!session.chooseUnit(e.var, e.unit)) {
      throw SolveError(kRefused, QStringLiteral("The value is too large to be shown in %1.\n")
                                     .arg(t.UnitName(session.page(), e.var, e.unit).trimmed()));
    }
    // As when the box takes the focus: the solve starts from the value the row has now.
    Single prevValue = session.value(e.var);
    ui.question.clear();
    const calc::CommitResult commit = session.commit(e.var, e.assignment->number, prevValue, ui);
    if (!commit.accepted) {
      result.status = kRefused;
      result.err = ui.criticals + terminalLines(commit.message);
      return result;
    }
    // The solve was abandoned: the values are back as before the entry. The row stays in the
    // unit the entry was given in, as the window's row stays in the unit chosen for it.
    if (!ui.question.isEmpty()) {
      const PageReport report = reportOf(session);
      result.status = kNoSolution;
      result.out = formatReport(report, r.format);
      result.err = ui.criticals + budgetMessage(ui.question, n + 1, e, session) +
                   reportNotes(report, r.format);
      return result;
    }
  }
  const PageReport report = reportOf(session);
  result.out = formatReport(report, r.format);
  result.err = ui.criticals + reportNotes(report, r.format);
  return result;
}

RunResult runCommandLine(const QStringList& args) {
  try {
    const Request request = parseArguments(args);
    if (request.help) return RunResult{kSolved, helpText(), QString()};
    datafile::PageTables tables;
    loadDataFile(request.dataFile, tables);
    return solvePage(tables, request);
  } catch (const SolveError& error) {
    return RunResult{error.status(), QString(), terminalLines(error.message())};
  } catch (const std::exception& error) {
    return RunResult{
        kInternalFailure, QString(),
        QStringLiteral("vantrel-solve failed: %1\n").arg(QString::fromUtf8(error.what()))};
  }
}

}  // namespace vantrel::solve
