// One commit's solve on each page of the shipped data file, from its default state: the row the
// page focuses first goes up by 10 % and the page's default unknown is solved for. And the
// engineer's checks that every commit is followed by, with the texts the window shows.

#include <benchmark/benchmark.h>

#include "calc/CalcUi.h"
#include "calc/Formular.h"
#include "calc/NewtonMethod.h"
#include "calc/PageSession.h"
#include "checks/PageChecks.h"
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

// The checks of each page's default state, with an entry on record that the leading-number rule
// read in part (so that every rule that reads the record runs to its end).
void BM_ChecksOfShippedDefault(benchmark::State& state) {
  PageTables t = shippedTables();
  const auto page = static_cast<Integer>(state.range(0));
  state.SetLabel(t.PageCaption(page).toStdString());
  Integer unknown = 0;
  calc::EntryRecord entry;
  calc::PageSession session(t, unknown, &entry);
  session.enterPage(page);
  entry = {1, QStringLiteral("8 in"), 2, 8, session.unitName(1), session.value(1)};
  for (auto _ : state) {
    const checks::PageChecks found = checks::checkPage(session);
    benchmark::DoNotOptimize(checks::summaryLine(found));
    benchmark::DoNotOptimize(checks::fullText(found));
  }
}
BENCHMARK(BM_ChecksOfShippedDefault)->DenseRange(1, 9)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
