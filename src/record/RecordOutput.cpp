#include "record/RecordOutput.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <algorithm>

#include "record/RecordHtml.h"

namespace vantrel::record {

namespace {

constexpr qreal kLargestPoints = 11;
constexpr qreal kSmallestPoints = 6;
// The record is laid out as a browser would show it on a screen of 96 dots an inch (the pixel of
// its CSS), and painted scaled to the device.
constexpr qreal kLayoutDpi = 96;
constexpr qreal kPointsPerInch = 72;
constexpr qreal kPerMillimetre = kLayoutDpi / 25.4;
// At least these margins, in millimetres, whatever smaller ones a printer offers.
const QMarginsF kMargins(20, 15, 15, 15);

// The device's own margins, widened to at least kMargins.
QMarginsF marginsOf(const QPageLayout& layout) {
  const QMarginsF has = layout.margins(QPageLayout::Millimeter);
  return {std::max(has.left(), kMargins.left()), std::max(has.top(), kMargins.top()),
          std::max(has.right(), kMargins.right()), std::max(has.bottom(), kMargins.bottom())};
}

// The record laid out as on a screen, for the text area of a page.
class ScreenLayout {
 public:
  explicit ScreenLayout(const QPageLayout& layout) : screen_(1, 1, QImage::Format_Mono) {
    screen_.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
    screen_.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));
    document_.documentLayout()->setPaintDevice(&screen_);
    const QMarginsF margins = marginsOf(layout);
    page_ =
        layout.fullRectPoints().size() * (kLayoutDpi / kPointsPerInch) -
        QSizeF(margins.left() + margins.right(), margins.top() + margins.bottom()) * kPerMillimetre;
    document_.setPageSize(page_);
  }

  // Sets html in the largest type that keeps it to one page; returns the size in points.
  qreal setInLargestType(const QString& html) {
    QFont font(QString::fromLatin1(kRecordFontFamily));
    qreal points = kLargestPoints;
    for (; points >= kSmallestPoints; points -= 0.5) {
      font.setPointSizeF(points);
      document_.setDefaultFont(font);
      document_.setHtml(html);
      if (document_.pageCount() <= 1) return points;
    }
    return points + 0.5;
  }

  void paint(QPainter& painter) { document_.drawContents(&painter, QRectF(QPointF(0, 0), page_)); }

 private:
  QImage screen_;
  QTextDocument document_;
  QSizeF page_;
};

}  // namespace

QPageLayout recordPageLayout() {
  return {QPageSize(QPageSize::A4), QPageLayout::Portrait, kMargins, QPageLayout::Millimeter};
}

qreal recordPointSize(const QString& html, const QPageLayout& layout) {
  return ScreenLayout(layout).setInLargestType(html);
}

bool printRecord(const QString& html, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QPageLayout layout = device.pageLayout();
  ScreenLayout screen(layout);
  screen.setInLargestType(html);
  // The painter starts at the device's own margins.
  const QMarginsF has = layout.margins(QPageLayout::Millimeter);
  const QMarginsF wanted = marginsOf(layout);
  painter.scale(device.logicalDpiX() / kLayoutDpi, device.logicalDpiY() / kLayoutDpi);
  painter.translate((wanted.left() - has.left()) * kPerMillimetre,
                    (wanted.top() - has.top()) * kPerMillimetre);
  screen.paint(painter);
  return painter.end();
}

QString saveRecordPdf(const QString& html, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  QPdfWriter writer(&file);
  writer.setPageLayout(recordPageLayout());
  writer.setResolution(300);
  writer.setTitle(QStringLiteral("Calculation record"));
  writer.setCreator(programName() + u' ' + programVersion());
  if (!printRecord(html, writer)) {
    file.cancelWriting();
    return QStringLiteral("the PDF could not be made");
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace vantrel::record
