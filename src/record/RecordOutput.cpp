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
// At least these margins, in millimetres, whatever smaller ones a printer offers.
const QMarginsF kMargins(20, 15, 15, 15);

}  // namespace

bool printRecord(const QString& html, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  QImage screen(1, 1, QImage::Format_Mono);
  screen.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
  screen.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&screen);
  // The painter starts at the device's own margins.
  const QPageLayout layout = device.pageLayout();
  const QMarginsF has = layout.margins(QPageLayout::Millimeter);
  const QMarginsF wanted(std::max(has.left(), kMargins.left()), std::max(has.top(), kMargins.top()),
                         std::max(has.right(), kMargins.right()),
                         std::max(has.bottom(), kMargins.bottom()));
  const qreal perMillimetre = kLayoutDpi / 25.4;
  const QSizeF page =
      layout.fullRectPoints().size() * (kLayoutDpi / kPointsPerInch) -
      QSizeF(wanted.left() + wanted.right(), wanted.top() + wanted.bottom()) * perMillimetre;
  document.setPageSize(page);
  QFont font(QString::fromLatin1(kRecordFontFamily));
  for (qreal points = kLargestPoints; points >= kSmallestPoints; points -= 0.5) {
    font.setPointSizeF(points);
    document.setDefaultFont(font);
    document.setHtml(html);
    if (document.pageCount() <= 1) break;
  }
  painter.scale(device.logicalDpiX() / kLayoutDpi, device.logicalDpiY() / kLayoutDpi);
  painter.translate((wanted.left() - has.left()) * perMillimetre,
                    (wanted.top() - has.top()) * perMillimetre);
  document.drawContents(&painter, QRectF(QPointF(0, 0), page));
  return painter.end();
}

QString saveRecordPdf(const QString& html, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  QPdfWriter writer(&file);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMargins,
                                   QPageLayout::Millimeter));
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
