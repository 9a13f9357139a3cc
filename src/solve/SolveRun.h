#pragma once
// One run of vantrel-solve: load the data file, then print the help, a list, one page solved
// from its entries (committed in order through the same page session as the window's value
// boxes) or a batch of cases. Nothing here knows the terminal: main() gives the streams.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "datafile/PageTables.h"
#include "solve/Arguments.h"
#include "solve/OutputStream.h"

namespace vantrel::solve {

struct RunResult {
  int status = 0;
  QString out;  // standard output
  QString err;  // standard error; lines end with "\n"
};

// Runs a command line (without the program's name), relative to the current directory, and
// returns the exit status. Standard output goes to `out` as it is made (a batch streams it),
// standard error to `err`; "--batch -" reads the file descriptor `input`. A stream that fails
// ends the run with status 2 (with a message on standard error, if that still takes one).
// programFolder is the folder of the program file, beside which the installed data file is looked
// for; "" looks in the current directory only.
int runCommandLine(const QStringList& args, int input, const Write& out, const Write& err,
                   const QString& programFolder = QString());

// The same, with both streams collected and the process's standard input.
RunResult runCommandLine(const QStringList& args, const QString& programFolder = QString());

// Loads the data file at path; when path is empty, Vantrel.rtf of the current directory or else
// the one installed beside programFolder (datafile::DataFileFolders). Throws SolveError(kBadUsage)
// with the window's message for a missing or malformed file, naming every place looked in.
// Returns the path of the file loaded.
QString loadDataFile(const QString& path, datafile::PageTables& tables,
                     const QString& programFolder = QString());

// Runs request's one page on tables already loaded from dataFile; they change as the window's
// would. The record and the plot are drawn by the module found from programFolder.
RunResult solvePage(datafile::PageTables& tables, const Request& request,
                    const QString& dataFile = QString(), const QString& programFolder = QString());

}  // namespace vantrel::solve
