// A curve of 200 points on the shipped data file's Hazen-Williams page (Head Loss against Flow
// Rate) computed and drawn into an image, and the Moody chart of the Colebrook-White page
// likewise: the work of one redraw of the plot beside the page. And the calculation record of
// that page at 60 l/s, its plot computed and the working of its solve, written as a PDF.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "calc/CalcUi.h"
#include "calc/PageSession.h"
#include "calc/SolveWorking.h"
#include "curves/EntryCurve.h"
#include "curves/MoodyChart.h"
#include "curves/PartFull.h"
#include "datafile/LoadSequence.h"
#include "plot/Painter.h"
#include "record/RecordFiles.h"

namespace {

using namespace vantrel;

enum Page { kHazen = 1, kColebrook, kManning };

const datafile::PageTables& shippedTables() {
  static const datafile::PageTables tables = [] {
    datafile::PageTables t;
    rtf::WorkingDocument doc;
    datafile::SilentLoadView silent;
    datafile::ReadSystemData(doc, t, QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"),
                             silent);
    return t;
  }();
  return tables;
}

// The page on show, from its defaults.
struct PageOnShow {
  explicit PageOnShow(Page page) : tables(shippedTables()) { session.enterPage(page); }
  datafile::PageTables tables;
  Integer unknown = 0;
  calc::PageSession session{tables, unknown};
};

void draw(const curves::Figure& figure, QImage& image) {
  QPainter painter(&image);
  plot::paintFigure(painter, QRectF(image.rect()), figure);
}

template <typename MakeFigure>
void computeAndDraw(benchmark::State& state, Page page, MakeFigure make) {
  PageOnShow shown(page);
  QImage image(640, 420, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    const curves::Figure figure = make(shown);
    image.fill(Qt::white);
    draw(figure, image);
    benchmark::DoNotOptimize(image.bits());
  }
}

void BM_HeadLossAgainstFlow(benchmark::State& state) {
  computeAndDraw(state, kHazen, [](PageOnShow& p) {
    return curves::entryCurve(p.tables, p.unknown, 2, curves::kCurvePoints);
  });
}
BENCHMARK(BM_HeadLossAgainstFlow)->Unit(benchmark::kMillisecond);

void BM_MoodyChart(benchmark::State& state) {
  computeAndDraw(state, kColebrook, [](PageOnShow& p) { return curves::moodyChart(p.session); });
}
BENCHMARK(BM_MoodyChart)->Unit(benchmark::kMillisecond);

void BM_PartFullCurves(benchmark::State& state) {
  computeAndDraw(state, kManning, [](PageOnShow& p) { return curves::partFullCurves(p.session); });
}
BENCHMARK(BM_PartFullCurves)->Unit(benchmark::kMillisecond);

class Unseen : public calc::CalcUi {
 public:
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString&) override { return false; }
  void showCritical(const QString&) override {}
};

void BM_RecordWithPlotAndWorking(benchmark::State& state) {
  PageOnShow shown(kHazen);
  calc::SolveWorking working;
  shown.session.watchSolves(&working);
  Unseen ui;
  Single before = shown.session.value(2);
  shown.session.commit(2, QStringLiteral("60"), before, ui);
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("record.pdf"));
  const record::RecordOrigin origin =
      record::originNow(QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"));
  for (auto _ : state) {
    const record::RecordDraft draft{
        shown.session, origin, &working,
        curves::entryCurve(shown.tables, shown.unknown, 2, curves::kCurvePoints)};
    benchmark::DoNotOptimize(record::saveRecordFile(draft, path));
  }
}
BENCHMARK(BM_RecordWithPlotAndWorking)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Fonts need the application object; no display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
