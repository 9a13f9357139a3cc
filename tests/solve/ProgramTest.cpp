// The program itself, run as a process: its exit status, what goes to standard output and what
// to standard error, and the data file looked for in the current directory.

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include "solve/SolveFixture.h"

namespace vantrel::solve {
namespace {

struct Finished {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

Finished runProgram(const QStringList& args, const QString& folder) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(QStringLiteral(VANTREL_SOLVE_PROGRAM), args);
  Finished f;
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return f;
  f.status = process.exitCode();
  f.out = process.readAllStandardOutput();
  f.err = process.readAllStandardError();
  return f;
}

TEST(Program, WritesWhatTheRunGivesToItsStreamsAndEndsWithItsStatus) {
  const QStringList commandLines[] = {
      {"H.Williams", "flow=60 l/s", "--format", "json"},
      {"c.white", "rough=0.05mm", "flow rate=200", "US", "gpm"},
      {"1", "flow=-5"},
      {"1", "--for", "velocity", "flow=70"},
      {"Darcy"},
      {"--help"},
  };
  for (const QStringList& args : commandLines) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const Finished f = runProgram(args, QStringLiteral(VANTREL_SHIPPED_DATA_DIR));
    const RunResult r = runCommandLine(QStringList{"--data", testing::kShippedFile} + args);
    EXPECT_EQ(f.status, r.status);
    EXPECT_EQ(f.out, r.out.toUtf8());
    EXPECT_EQ(f.err, r.err.toUtf8());
  }
}

TEST(Program, LooksForTheDataFileInTheCurrentDirectory) {
  const testing::TempFolder empty;
  const Finished f = runProgram({"1"}, empty.path());
  EXPECT_EQ(f.status, 2);
  EXPECT_TRUE(f.out.isEmpty());
  const QString path = QDir(empty.path()).canonicalPath() + "/Vantrel.rtf";
  EXPECT_EQ(QString::fromUtf8(f.err),
            "System Data File not found !\n[" + path + "]\nLoading ABORT !\n");
}

}  // namespace
}  // namespace vantrel::solve
