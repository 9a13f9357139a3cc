// vantrel-solve: computes one page of the calculator from the command line, exactly as the
// window would, and prints it. See Arguments.h for the command line.

#include <QStringList>
#include <cstdio>

#include "datafile/DataFilePlaces.h"
#include "solve/SolveRun.h"

namespace {

void write(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i)
    args << QString::fromLocal8Bit(argv[i]);
  const vantrel::solve::RunResult result =
      vantrel::solve::runCommandLine(args, vantrel::datafile::RunningProgramFolder());
  write(stdout, result.out);
  write(stderr, result.err);
  return result.status;
}
