// From process start to the main window shown on the shipped data file, against a bare Qt
// Widgets window with the same controls (BareWindowProbe). The two start in turn, one pair an
// iteration, so that both meet the same machine; the counters give the medians of each and the
// median of the ratios. Run it on the display the calculator is judged on (Xvfb with a window
// manager): QT_QPA_PLATFORM is passed on as it is.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <vector>

namespace {

// Milliseconds from starting program to its "shown" line; negative when it never came.
double startToShown(const QString& program) {
  QProcess probe;
  probe.setWorkingDirectory(QStringLiteral(VANTREL_SHIPPED_DATA_DIR));
  QElapsedTimer clock;
  clock.start();
  probe.start(program, {});
  if (!probe.waitForReadyRead(30000) || !probe.readLine().startsWith("shown")) return -1;
  const double ms = static_cast<double>(clock.nsecsElapsed()) * 1e-6;
  probe.waitForFinished(30000);
  return ms;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

void BM_StartupAgainstBareWindow(benchmark::State& state) {
  std::vector<double> bare;
  std::vector<double> calculator;
  std::vector<double> ratios;
  for (auto _ : state) {
    const double b = startToShown(QStringLiteral(VANTREL_BARE_PROBE));
    const double c = startToShown(QStringLiteral(VANTREL_STARTUP_PROBE));
    if (b <= 0 || c <= 0) {
      state.SkipWithError("a probe did not show its window");
      break;
    }
    bare.push_back(b);
    calculator.push_back(c);
    ratios.push_back(c / b);
    state.SetIterationTime(c * 1e-3);
  }
  state.counters["bare_ms"] = median(bare);
  state.counters["vantrel_ms"] = median(calculator);
  state.counters["ratio"] = median(ratios);
}
BENCHMARK(BM_StartupAgainstBareWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(21);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
