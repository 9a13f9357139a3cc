// Opening the shipped tables (target: 50 ms) and filtering every row of every table by what has
// been typed so far, as a list does at each keystroke (target: 2 ms).

#include <benchmark/benchmark.h>

#include <array>

#include "tables/TableSet.h"

namespace {

using namespace vantrel::tables;

const QString kFolder = QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/tables");

void BM_OpenTables(benchmark::State& state) {
  for (auto _ : state) {
    const TableSet set = TableSet::read({kFolder});
    benchmark::DoNotOptimize(set.tables().data());
  }
}
BENCHMARK(BM_OpenTables)->Unit(benchmark::kMillisecond);

// The texts a list filters by: the empty start, single keys, pieces that match many rows or
// none, and a temperature.
const std::array<const char*, 8> kTyped{"", "6", "6 4", "6 40", "pe 110 sdr1", "globe", "10", "zz"};

void BM_FilterAllTables(benchmark::State& state) {
  static const TableSet set = TableSet::read({kFolder});
  const TableList all = set.all();
  const QString text = QString::fromUtf8(kTyped[state.range(0)]);
  std::size_t fits = 0;
  for (auto _ : state) {
    const std::vector<Found> found = search(text, all);
    fits = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.SetLabel(QStringLiteral("\"%1\": %2 rows").arg(text).arg(fits).toStdString());
}
BENCHMARK(BM_FilterAllTables)->DenseRange(0, kTyped.size() - 1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
