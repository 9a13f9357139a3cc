// vantrel-solve: computes pages of the calculator from the command line, exactly as the window
// would, and prints them. See Arguments.cpp for the command line.

#include <QStringList>

#include <unistd.h>

#include "datafile/DataFilePlaces.h"
#include "solve/OutputStream.h"
#include "solve/SolveRun.h"

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i)
    args << QString::fromLocal8Bit(argv[i]);
  using vantrel::solve::writerTo;
  return vantrel::solve::runCommandLine(args, STDIN_FILENO,
                                        writerTo(STDOUT_FILENO, QStringLiteral("the output")),
                                        writerTo(STDERR_FILENO, QStringLiteral("the messages")),
                                        vantrel::datafile::RunningProgramFolder());
}
