#pragma once
// One run of vantrel-solve: load the data file, put the page on show, choose the unknown, commit
// each entry in order through the same page session as the window's value boxes, and print the
// page. Nothing here writes to the terminal; main() does that with the result.

#include <QString>
#include <QStringList>

#include "datafile/PageTables.h"
#include "solve/Arguments.h"

namespace vantrel::solve {

struct RunResult {
  int status = 0;
  QString out;  // standard output
  QString err;  // standard error; lines end with "\n"
};

// Runs a command line (without the program's name), relative to the current directory.
// programFolder is the folder of the program file, beside which the installed data file is
// looked for; "" looks in the current directory only.
RunResult runCommandLine(const QStringList& args, const QString& programFolder = QString());

// Loads the data file at path; when path is empty, Vantrel.rtf of the current directory or else
// the one installed beside programFolder (datafile::DataFileFolders). Throws SolveError(kBadUsage)
// with the window's message for a missing or malformed file, naming every place looked in.
void loadDataFile(const QString& path, datafile::PageTables& tables,
                  const QString& programFolder = QString());

// Runs request on tables already loaded; they change as the window's would.
RunResult solvePage(datafile::PageTables& tables, const Request& request);

}  // namespace vantrel::solve
