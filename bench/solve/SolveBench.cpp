// vantrel-solve on the shipped data file: one invocation with one entry, timed from before its
// process starts until it has ended; 10,000 commits in a row through the page session; and a
// batch of 10,000 three-entry Hazen-Williams cases on one and on two threads.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryFile>
#include <random>

#include "calc/CalcUi.h"
#include "calc/PageSession.h"
#include "solve/BatchRun.h"
#include "solve/SolveRun.h"

namespace {

using namespace vantrel;

class Silent : public calc::CalcUi {
 public:
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString&) override { return false; }
  void showCritical(const QString&) override {}
};

// Flow Rate on the Hazen-Williams page goes through 40 ... 79 l/s and back, each value typed
// as text and solved for Head Loss from the state the previous commit left. With argument 1 every
// row's text is also made after each commit, as the window's redisplay does.
void BM_TenThousandCommits(benchmark::State& state) {
  const bool withTexts = state.range(0) == 1;
  datafile::PageTables loaded;
  solve::loadDataFile(QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"), loaded);
  QStringList typed;
  for (int i = 0; i < 40; ++i)
    typed << QString::number(40 + i);
  constexpr Integer kFlowRate = 2;
  Silent ui;
  for (auto _ : state) {
    state.PauseTiming();
    datafile::PageTables t = loaded;
    Integer unknown = 0;
    calc::PageSession session(t, unknown);
    session.enterPage(1);
    state.ResumeTiming();
    for (int n = 0; n < 10000; ++n) {
      Single prevValue = session.value(kFlowRate);
      const calc::CommitResult r = session.commit(kFlowRate, typed[n % 40], prevValue, ui);
      benchmark::DoNotOptimize(r.accepted);
      if (!withTexts) continue;
      for (Integer i = 1; i <= session.rowCount(); ++i)
        benchmark::DoNotOptimize(session.valueText(i));
    }
  }
}
BENCHMARK(BM_TenThousandCommits)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Diameter, flow rate and length drawn at random (seeded) over the ranges a designer would use,
// each case solved for Head Loss from the page's defaults; the output is made and counted, not
// written. Argument: threads.
void BM_BatchOfHazenWilliamsCases(benchmark::State& state) {
  constexpr int kCases = 10000;
  QTemporaryFile file;
  if (!file.open()) {
    state.SkipWithError("no temporary file");
    return;
  }
  std::mt19937 random(1);
  QByteArray text = "Pipe Dia. [mm],Flow Rate [l/s],Pipe Length [m]\n";
  for (int n = 0; n < kCases; ++n) {
    text += QByteArray::number(std::uniform_int_distribution(100, 600)(random)) + ',' +
            QByteArray::number(std::uniform_real_distribution(10.0, 200.0)(random), 'f', 2) + ',' +
            QByteArray::number(std::uniform_int_distribution(100, 5000)(random)) + '\n';
  }
  file.write(text);
  file.flush();
  datafile::PageTables tables;
  solve::loadDataFile(QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"), tables);
  solve::Request request;
  request.page = QStringLiteral("H.Williams");
  request.batch = file.fileName();
  request.format = solve::Format::Csv;
  request.jobs = static_cast<int>(state.range(0));
  qsizetype written = 0;
  for (auto _ : state) {
    const solve::ExitStatus status = solve::runBatch(
        tables, request, -1, [&](const QByteArray& bytes) { written += bytes.size(); });
    if (status != solve::kSolved) state.SkipWithError("a case was not solved");
  }
  benchmark::DoNotOptimize(written);
  state.SetItemsProcessed(state.iterations() * kCases);
}
// Time is the wall clock; CPU is the whole process's, every thread's.
BENCHMARK(BM_BatchOfHazenWilliamsCases)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// Runs after the commits: in a process that has started children, the commits above measure
// several times slower, which would say nothing about the page session.
void BM_OneInvocationStartToExit(benchmark::State& state) {
  for (auto _ : state) {
    QProcess solve;
    solve.setWorkingDirectory(QStringLiteral(VANTREL_SHIPPED_DATA_DIR));
    QElapsedTimer clock;
    clock.start();
    solve.start(QStringLiteral(VANTREL_SOLVE_PROGRAM), {"H.Williams", "flow=60 l/s"});
    if (!solve.waitForFinished(30000) || solve.exitCode() != 0) {
      state.SkipWithError("vantrel-solve did not solve the page");
      break;
    }
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
  }
}
BENCHMARK(BM_OneInvocationStartToExit)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
