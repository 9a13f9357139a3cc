// From process start to the main window shown on the shipped data file.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

namespace {

void BM_ProcessStartToWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    QProcess probe;
    probe.setWorkingDirectory(QStringLiteral(VANTREL_SHIPPED_DATA_DIR));
    QElapsedTimer clock;
    clock.start();
    probe.start(QStringLiteral(VANTREL_STARTUP_PROBE), {});
    if (!probe.waitForReadyRead(30000) || !probe.readLine().startsWith("shown")) {
      state.SkipWithError("the probe did not show its window");
      break;
    }
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    probe.waitForFinished(30000);
  }
}
BENCHMARK(BM_ProcessStartToWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
