// One commit's solve on each page of the shipped data file, from its default state: the row the
// page focuses first goes up by 10 % and the page's default unknown is solved for.

#include <benchmark/benchmark.h>

#include "calc/CalcUi.h"
#include "calc/Formular.h"
#include "calc/NewtonMethod.h"
#include "datafile/LoadSequence.h"

namespace {

using namespace vantrel;
using namespace vantrel::datafile;

class Silent : public calc::CalcUi, public SilentLoadView {
 public:
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString&) override { return false; }
  void showCritical(const QString&) override {}
};

const PageTables& shippedTables() {
  static const PageTables tables = [] {
    PageTables t;
    rtf::WorkingDocument doc;
    Silent silent;
    ReadSystemData(doc, t, QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"), silent);
    return t;
  }();
  return tables;
}

void BM_SolveFromShippedDefault(benchmark::State& state) {
  const PageTables& t = shippedTables();
  const auto page = static_cast<Integer>(state.range(0));
  state.SetLabel(t.PageCaption(page).toStdString());
  Array1<Single> defaults(t.MaxVarCount);
  for (int j = 1; j <= t.VarCount(page); ++j)
    defaults(j) = t.VarDefault(page, j);
  const Integer edited = t.FocusRow(page);
  const Integer unknown = t.UnknownVar(page);
  Silent ui;
  const std::uint64_t evaluationsBefore = calc::FormulaEvaluationCount();
  for (auto _ : state) {
    Array1<Single> v = defaults;
    Single start = v(edited);
    v(edited) = start * 1.1f;
    calc::NewtonSolve(v, unknown, edited, start, ui, t.PageCaption(page));
    benchmark::DoNotOptimize(v(unknown));
  }
  state.counters["evaluations"] =
      benchmark::Counter(static_cast<double>(calc::FormulaEvaluationCount() - evaluationsBefore),
                         benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SolveFromShippedDefault)->DenseRange(1, 9)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
