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
RunResult runCommandLine(const QStringList& args);

// Loads the data file at path, or Vantrel.rtf in the current directory when path is empty.
// Throws SolveError(kBadUsage) with the window's message for a missing or malformed file.
void loadDataFile(const QString& path, datafile::PageTables& tables);

// Runs request on tables already loaded; they change as the window's would.
RunResult solvePage(datafile::PageTables& tables, const Request& request);

}  // namespace vantrel::solve
