// The painter: the ticks it chooses, and figures written as SVG, PNG and PDF and read back.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "QtPrinters.h"
#include "curves/Figure.h"
#include "plot/FigureFiles.h"
#include "plot/Ticks.h"

namespace vantrel::plot {
namespace {

using curves::Scale;

// Labels as written, and how many ticks there are in all (the unlabelled ones are grid lines).
TEST(AxisTicks, AreRoundValuesWithinTheAxis) {
  const struct {
    double low, high;
    Scale scale;
    int most;
    QString labels;
    std::size_t ticks;
  } cases[] = {
      {0, 1.5, Scale::Linear, 8, "0.0 0.2 0.4 0.6 0.8 1.0 1.2 1.4", 8},
      {0, 0.23118, Scale::Linear, 9, "0.00 0.05 0.10 0.15 0.20", 5},
      {-3, 7, Scale::Linear, 6, "-2 0 2 4 6", 5},
      {0.16, 1, Scale::Linear, 5, "0.2 0.4 0.6 0.8 1.0", 5},
      {10, 250, Scale::Log, 8, "10 20 50 100 200", 11},
      {0.0052, 0.107, Scale::Log, 8, "0.01 0.02 0.05 0.1", 14},
      {600, 1e8, Scale::Log, 10, "10³ 10⁴ 10⁵ 10⁶ 10⁷ 10⁸", 50},
      {600, 1e8, Scale::Log, 4, "10⁴ 10⁶ 10⁸", 3},
      {1e-7, 1e-5, Scale::Log, 10, "10⁻⁷ 2×10⁻⁷ 5×10⁻⁷ 10⁻⁶ 2×10⁻⁶ 5×10⁻⁶ 10⁻⁵", 19},
      // Too little of a decade for two round labels: ticked as a linear axis.
      {3, 4.5, Scale::Log, 8, "3.0 3.2 3.4 3.6 3.8 4.0 4.2 4.4", 8},
      // Fewer than two labels asked for still gives two; a reversed axis none.
      {0, 1, Scale::Linear, 0, "0 1", 2},
      {1, 0, Scale::Linear, 5, "", 0},
  };
  for (const auto& c : cases) {
    const std::vector<Tick> ticks = axisTicks(c.low, c.high, c.scale, c.most);
    QStringList labels;
    for (const Tick& t : ticks)
      if (!t.label.isEmpty()) labels << t.label;
    EXPECT_EQ(labels.join(u' '), c.labels) << c.low << " " << c.high;
    EXPECT_EQ(ticks.size(), c.ticks) << c.low << " " << c.high;
  }
}

curves::Figure headLossCurve() {
  curves::Figure fig;
  fig.title = "Head Loss against Flow Rate";
  fig.x = {"Flow Rate (l/s)", Scale::Log, 10, 250};
  fig.y = {"Head Loss (m)", Scale::Log, 0.08, 40};
  curves::Series curve{fig.title, curves::Role::Main, {}};
  for (double q = 10; q <= 250; q *= 1.1)
    curve.points.emplace_back(q, 1.802 * std::pow(q / 50, 1.85));
  fig.series.push_back(curve);
  fig.bands.push_back({212, 250, "Hazen-Williams was fitted to velocities up to about 3 m/s"});
  fig.markers.push_back({{50, 1.802}, "50.000 l/s, 1.8020 m"});
  return fig;
}

// The SVG is XML with the curve as a polyline and every label as text.
TEST(FigureFiles, SvgHoldsTheLinesAndTheLabels) {
  QBuffer buffer;
  ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
  ASSERT_TRUE(writeFigureSvg(headLossCurve(), QSize(640, 420), buffer));
  QXmlStreamReader xml(buffer.data());
  int polylines = 0;
  QStringList texts;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"polyline") ++polylines;
    if (xml.name() == u"text") texts << xml.readElementText().trimmed();
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_GE(polylines, 1);
  for (const char* label :
       {"Head Loss against Flow Rate", "Flow Rate (l/s)", "Head Loss (m)", "50.000 l/s, 1.8020 m",
        "200", "Hazen-Williams was fitted to velocities up to about 3 m/s"})
    EXPECT_TRUE(texts.contains(label)) << label;
}

// Pixels of the curve's blue, of the band's orange over white, and of dark ink.
struct Inks {
  int curve = 0, band = 0, ink = 0;
};
Inks inksOf(const QImage& image) {
  Inks inks;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      inks.curve += c.blue() > 150 && c.red() < 60;
      inks.band += c.red() > 250 && c.green() > 220 && c.blue() < 200 && c.blue() > 150;
      inks.ink += c.lightness() < 80;
    }
  return inks;
}

// A PNG and a PDF page are written and read back with something drawn on them; a figure with
// nothing to draw says why.
TEST(FigureFiles, ImagesAreNotBlank) {
  const QTemporaryDir folder;
  const QString png = folder.filePath("curve.png");
  ASSERT_TRUE(figureImage(headLossCurve(), QSize(640, 420)).save(png));
  const Inks inks = inksOf(QImage(png));
  EXPECT_GT(inks.curve, 600);
  EXPECT_GT(inks.band, 3000);
  EXPECT_GT(inks.ink, 1000);

  curves::Figure empty = headLossCurve();
  empty.series.clear();
  empty.markers.clear();
  empty.note = "Choose a row you enter for the horizontal axis.";
  const Inks noted = inksOf(figureImage(empty, QSize(640, 420)));
  EXPECT_EQ(noted.curve, 0);
  EXPECT_GT(noted.ink, inks.ink / 2);

  const QString pdf = folder.filePath("curve.pdf");
  ASSERT_TRUE(writeFigurePdf(headLossCurve(), QSizeF(480, 320), pdf));
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
  EXPECT_GT(file.size(), 5000);
  EXPECT_FALSE(writeFigurePdf(headLossCurve(), QSizeF(480, 320), folder.filePath("no/such.pdf")));
}

}  // namespace
}  // namespace vantrel::plot

int main(int argc, char** argv) {
  // Letters need the application object; no display is used.
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
