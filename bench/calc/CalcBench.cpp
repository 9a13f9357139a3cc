// Cost of one formula evaluation and of one commit's solve, for every formula. Run with
// --benchmark_repetitions=10 --benchmark_report_aggregates_only=true for medians.

#include <benchmark/benchmark.h>

#include <QString>
#include <vector>

#include "calc/CalcUi.h"
#include "calc/Formular.h"
#include "calc/NewtonMethod.h"

namespace {

using vantrel::Array1;
using vantrel::Integer;
using vantrel::Single;
using namespace vantrel::calc;

class SilentUi : public CalcUi {
 public:
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString&) override { return false; }
  void showCritical(const QString&) override {}
};

// A realistic page per formula: its values, the unknown, and the input a user would change.
struct Page {
  const char* caption;
  std::vector<Single> values;
  Integer unknown;
  Integer edited;
};

const std::vector<Page>& pages() {
  static const std::vector<Page> list = {
      {"H.Williams", {0.1f, 0.01f, 100, 100, 3.125f, 0, 0, 0}, 5, 2},
      {"C.White", {0.1f, 0.007368f, 0.0001f, 0.000001f, 100, 1, 0, 0, 0}, 2, 6},
      {"Manning", {0.5f, 0.0597f, 0.013f, 0.5f, 100, 0.1f, 0, 0, 0}, 2, 6},
      {"Orifice", {0.1f, 0.5f, 0.01f, 3.328f, 0.61f, 0, 0, 0}, 4, 3},
      {"Bends", {0.1f, 0.01f, 0.9f, 0.07431f, 0}, 4, 2},
      {"Expansion", {0.1f, 0.2f, 0.01f, 0.5625f, 0.04644f, 0, 0, 0}, 5, 3},
      {"Contraction", {0.2f, 0.1f, 0.01f, 0.5f, 0.04128f, 0, 0, 0}, 5, 3},
  };
  return list;
}

Array1<Single> solvedValues(const Page& page) {
  Array1<Single> v(static_cast<int>(page.values.size()));
  for (int i = 1; i <= v.upper(); ++i)
    v(i) = page.values[static_cast<std::size_t>(i - 1)];
  SilentUi ui;
  Single start = v(page.edited);
  NewtonSolve(v, page.unknown, page.edited, start, ui, page.caption);
  return v;
}

void BM_FormulaResidual(benchmark::State& state) {
  const Page& page = pages()[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(page.caption);
  Array1<Single> v = solvedValues(page);
  const QString caption = page.caption;
  SilentUi ui;
  Integer flag = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormulaResidual(v, flag, caption, ui));
    benchmark::ClobberMemory();
  }
  if (flag != 0) state.SkipWithError("formula failed");
}

// One commit: the user's input goes up by 10 % and the unknown is solved for again.
void BM_NewtonSolve(benchmark::State& state) {
  const Page& page = pages()[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(page.caption);
  const Array1<Single> solved = solvedValues(page);
  const QString caption = page.caption;
  SilentUi ui;
  const std::uint64_t evaluationsBefore = FormulaEvaluationCount();
  for (auto _ : state) {
    Array1<Single> v = solved;
    Single start = v(page.edited);
    v(page.edited) = start * 1.1f;
    NewtonSolve(v, page.unknown, page.edited, start, ui, caption);
    benchmark::DoNotOptimize(v(page.unknown));
  }
  state.counters["evaluations"] =
      benchmark::Counter(static_cast<double>(FormulaEvaluationCount() - evaluationsBefore),
                         benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_FormulaResidual)->DenseRange(0, 6);
BENCHMARK(BM_NewtonSolve)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
