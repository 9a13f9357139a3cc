// Every value box of a page is formatted again on each commit, and data-file fields are read one
// by one at start-up; these measure one conversion each over a spread of typical values.

#include <benchmark/benchmark.h>

#include <QString>
#include <random>
#include <vector>

#include "numtext/NumberFormat.h"
#include "numtext/NumberReading.h"

namespace {

using namespace vantrel::numtext;

std::vector<float> typicalValues() {
  std::mt19937 rng(1);
  std::uniform_real_distribution<float> mantissa(1.0f, 10.0f);
  std::uniform_int_distribution<int> exponent(-6, 8);
  std::vector<float> values;
  for (int i = 0; i < 1024; ++i) {
    float v = mantissa(rng);
    for (int e = exponent(rng); e > 0; --e)
      v *= 10;
    for (int e = exponent(rng); e < 0; ++e)
      v /= 10;
    values.push_back(i % 3 == 0 ? -v : v);
  }
  return values;
}

void BM_GeneralForm(benchmark::State& state) {
  const std::vector<float> values = typicalValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(generalForm(values[i++ % values.size()]));
  }
}
BENCHMARK(BM_GeneralForm);

void BM_FormatPattern(benchmark::State& state, const char16_t* pattern) {
  const std::vector<float> values = typicalValues();
  const QString p = QString::fromUtf16(pattern);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(formatPattern(values[i++ % values.size()], p));
  }
}
BENCHMARK_CAPTURE(BM_FormatPattern, fixed_0_00, u"0.00");
BENCHMARK_CAPTURE(BM_FormatPattern, grouped, u"#,##0.00");
BENCHMARK_CAPTURE(BM_FormatPattern, optional_decimals, u"##0.0###");
BENCHMARK_CAPTURE(BM_FormatPattern, scientific, u"0.00E+00");
BENCHMARK_CAPTURE(BM_FormatPattern, sections, u"\"Q = \"0.00;\"Q = -\"0.00;\"zero\"");
BENCHMARK_CAPTURE(BM_FormatPattern, named_standard, u"Standard");

void BM_LeadingSingle(benchmark::State& state) {
  const std::vector<float> values = typicalValues();
  std::vector<QString> texts;
  for (float v : values)
    texts.push_back(generalForm(v) + " mm");
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(leadingSingle(texts[i++ % texts.size()]));
  }
}
BENCHMARK(BM_LeadingSingle);

}  // namespace

BENCHMARK_MAIN();
