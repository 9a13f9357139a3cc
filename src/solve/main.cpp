// vantrel-solve: computes pages of the calculator from the command line, exactly as the window
// would, and prints them. See Arguments.cpp for the command line.

#include <QStringList>
#include <cstdio>

#include <unistd.h>

#include "datafile/DataFilePlaces.h"
#include "solve/SolveRun.h"

namespace {

// Each piece is flushed at once: a batch fed line by line answers line by line.
void write(std::FILE* stream, const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
  std::fflush(stream);
}

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i)
    args << QString::fromLocal8Bit(argv[i]);
  return vantrel::solve::runCommandLine(
      args, STDIN_FILENO, [](const QByteArray& bytes) { write(stdout, bytes); },
      [](const QByteArray& bytes) { write(stderr, bytes); },
      vantrel::datafile::RunningProgramFolder());
}
