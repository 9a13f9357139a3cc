// The RTF engine on a data file of the largest size the program accepts: about 32 000
// characters of plain text, saved the way a word processor saves it.

#include "rtf/RichText.h"

#include <benchmark/benchmark.h>

namespace vantrel::rtf {
namespace {

// Word-style RTF: every run in its own group with the associated-font noise Word writes,
// records between "#" marks, units between "@" marks, some bold, colour and Greek.
QByteArray syntheticDataFile(int targetPlainLength) {
  QByteArray rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New "
      "Roman;}{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\froman\\fcharset2 Symbol;}}\n"
      "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;}\n"
      "{\\*\\rsidtbl \\rsid1\\rsid2}{\\info{\\title Data}}\\paperw11906\\paperh16838\n";
  const char* run =
      "{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid6567891 \\hich\\af1\\dbch\\af31505"
      "\\loch\\f1 ";
  int plain = 0;
  for (int page = 1; plain < targetPlainLength; ++page) {
    const QByteArray n = QByteArray::number(page);
    rtf += "\\pard\\plain \\ql\\f1\\fs20 ";
    rtf += run + QByteArray("\\\\SYSTEM/}\\par\n");
    for (int v = 1; v <= 6; ++v) {
      rtf += "\\pard\\plain \\ql\\f1\\fs20 ";
      rtf += run + QByteArray("#}{\\b\\f1 &Pipe Dia. ") + n + "." + QByteArray::number(v) + " =}" +
             run + ", 100, mm, 1, 0.5, 2#}\\par\n";
      rtf += run + QByteArray("\\\\ROW/ @mm, 1, 0.001@ @in, 0.0##, 0.0254@ \\\\ROW/}\\par\n");
      rtf +=
          "{\\cf2 #\\line The inner diameter {\\f2 \\'64} of the pipe, \\u8804\\'3f 2 m.#}\\par\n";
      plain += 40 + 43 + 47;
    }
    rtf += run + QByteArray("\\\\SYSTEM/}\\par\n");
    plain += 20;
  }
  rtf += "\\par }";
  return rtf;
}

const QByteArray& dataFile() {
  static const QByteArray rtf = syntheticDataFile(32000);
  return rtf;
}

const RichText& parsed() {
  static const RichText doc = RichText::fromRtf(dataFile());
  return doc;
}

void BM_ParseDataFile(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(RichText::fromRtf(dataFile()));
  state.counters["plain chars"] = parsed().length();
  state.counters["rtf bytes"] = static_cast<double>(dataFile().size());
}
BENCHMARK(BM_ParseDataFile)->Unit(benchmark::kMillisecond);

void BM_SliceSmallPiece(benchmark::State& state) {
  const RichText& doc = parsed();
  const int from = doc.length() / 2;
  for (auto _ : state)
    benchmark::DoNotOptimize(doc.slice(from, 60));
}
BENCHMARK(BM_SliceSmallPiece);

void BM_FindFromPosition(benchmark::State& state) {
  const RichText& doc = parsed();
  const int from = doc.length() / 2;
  for (auto _ : state)
    benchmark::DoNotOptimize(doc.find(u"#", from));
}
BENCHMARK(BM_FindFromPosition);

void BM_FindAbsentMarker(benchmark::State& state) {
  const RichText& doc = parsed();
  for (auto _ : state)
    benchmark::DoNotOptimize(doc.find(u"\\tips/", 0));
}
BENCHMARK(BM_FindAbsentMarker);

void BM_WriteRange(benchmark::State& state) {
  const RichText& doc = parsed();
  const int from = doc.length() / 2;
  for (auto _ : state)
    benchmark::DoNotOptimize(doc.rangeToRtf(from, 200));
}
BENCHMARK(BM_WriteRange);

void BM_WriteWholeDocument(benchmark::State& state) {
  const RichText& doc = parsed();
  for (auto _ : state)
    benchmark::DoNotOptimize(doc.toRtf());
}
BENCHMARK(BM_WriteWholeDocument)->Unit(benchmark::kMillisecond);

// What the loaders do: cut each page section, each record in it, each field of a record.
void BM_CutEveryRecordAndField(benchmark::State& state) {
  const RichText& doc = parsed();
  int cuts = 0;
  for (auto _ : state) {
    cuts = 0;
    for (int a = doc.find(u"\\system/", 0); a >= 0;) {
      const int b = doc.find(u"\\system/", a + 8);
      if (b < 0) break;
      const RichText section = doc.slice(a + 8, b - a - 8);
      for (int p = section.find(u"#", 0); p >= 0;) {
        const int q = section.find(u"#", p + 1);
        if (q < 0) break;
        const RichText record = section.slice(p + 1, q - p - 1);
        for (int c = 0, next; c <= record.length(); c = next + 1) {
          next = record.find(u",", c);
          if (next < 0) next = record.length();
          benchmark::DoNotOptimize(record.slice(c, next - c).plainText());
          ++cuts;
        }
        ++cuts;
        p = section.find(u"#", q + 1);
      }
      a = doc.find(u"\\system/", b + 8);
    }
  }
  state.counters["cuts"] = cuts;
}
BENCHMARK(BM_CutEveryRecordAndField)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel::rtf

BENCHMARK_MAIN();
