// vantrel-solve on the shipped data file: one invocation with one entry, timed from before its
// process starts until it has ended; and 10,000 commits in a row through the page session.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include "calc/CalcUi.h"
#include "calc/PageSession.h"
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
