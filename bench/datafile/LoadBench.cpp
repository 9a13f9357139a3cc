// Loading a data file through every loader, without a window: the shipped file, and generated
// files of growing size up to the 32767-character limit of the plain text.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "datafile/LoadSequence.h"

namespace {

using namespace vantrel;
using namespace vantrel::datafile;

void load(const QString& path) {
  rtf::WorkingDocument doc;
  PageTables tables;
  SilentLoadView view;
  ReadSystemData(doc, tables, path, view);
  benchmark::DoNotOptimize(tables.UnitFactor);
}

void BM_LoadShippedFile(benchmark::State& state) {
  const QString path = QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf");
  for (auto _ : state)
    load(path);
}
BENCHMARK(BM_LoadShippedFile)->Unit(benchmark::kMillisecond);

// A data file of `pages` pages of 9 variables whose unit rows hold `units` items each, written
// the way a word processor writes one: bold captions, one paragraph per record, escaped markers.
QByteArray generatedFile(int pages, int units, int* plainLength) {
  QString plain = QStringLiteral("\\Form/#400, 10050, 6600, 10050#\\Form/\n");
  for (int page = 1; page <= pages; ++page) {
    plain += QStringLiteral("\\SYSTEM/\n");
    for (int var = 1; var <= 9; ++var) {
      plain += QStringLiteral("#&V%1 =,%2,1,%3#\n").arg(var).arg(var * 0.5).arg(var == 9 ? 1 : 0);
    }
    plain += QStringLiteral("#6,Page %1 :- generated,Bends,1#\n\\SYSTEM/\n\\UNIT/\n").arg(page);
    for (int var = 1; var <= 9; ++var) {
      plain += QStringLiteral("\\ROW/");
      for (int k = 1; k <= units; ++k)
        plain += QStringLiteral("@u%1,0.0,%1@").arg(k);
      plain += QStringLiteral("\\ROW/\n");
    }
    plain += QStringLiteral("\\UNIT/\n\\Range/");
    for (int var = 1; var <= 9; ++var)
      plain += QStringLiteral("#F,>0~10#");
    plain += QStringLiteral("\\Range/\n\\Tips/\n");
    for (int var = 1; var <= 9; ++var)
      plain += QStringLiteral("#Tip %1.#\n").arg(var);
    plain += QStringLiteral("\\Tips/\n");
  }
  *plainLength = static_cast<int>(plain.size());
  QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n";
  for (const QString& line : plain.split(QLatin1Char('\n'))) {
    QByteArray escaped = line.toLatin1();
    escaped.replace("\\", "\\\\");
    if (escaped.startsWith("#&"))
      escaped = "#{\\b " + escaped.mid(1, escaped.indexOf(',') - 1) + "}" +
                escaped.mid(escaped.indexOf(','));
    rtf += "\\pard\\plain\\f0\\fs20 " + escaped + "\\par\n";
  }
  return rtf + "}";
}

// Arguments: pages, unit items per row. 20 pages with 11 units a row keep the plain text just
// under 32767 characters, the most a data file can hold; 3 and 7 units show how the time grows
// with the size. 50 units in every row (the most a row can offer) fit on 3 pages.
void BM_LoadGeneratedFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath(QStringLiteral("Vantrel.rtf"));
  int plainLength = 0;
  {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(generatedFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                             &plainLength));
  }
  for (auto _ : state)
    load(path);
  state.counters["plain_chars"] = plainLength;
  state.counters["ns_per_char"] = benchmark::Counter(
      static_cast<double>(plainLength),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LoadGeneratedFile)
    ->Args({20, 3})
    ->Args({20, 7})
    ->Args({20, 11})
    ->Args({3, 50})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
