#include "record/RecordOutput.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "record/RecordHtml.h"

namespace vantrel::record {

namespace {

constexpr qreal kLargestPoints = 11;
constexpr qreal kSmallestPoints = 6;
// The record is laid out as a browser would show it on a screen of 96 dots an inch (the pixel of
// its CSS), and painted scaled to the device.
constexpr qreal kLayoutDpi = 96;
constexpr qreal kPointsPerInch = 72;

}  // namespace

bool printRecord(const QString& html, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  QImage screen(1, 1, QImage::Format_Mono);
  screen.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
  screen.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&screen);
  const QSizeF page =
      device.pageLayout().paintRect(QPageLayout::Point).size() * (kLayoutDpi / kPointsPerInch);
  document.setPageSize(page);
  QFont font(QString::fromLatin1(kRecordFontFamily));
  for (qreal points = kLargestPoints; points >= kSmallestPoints; points -= 0.5) {
    font.setPointSizeF(points);
    document.setDefaultFont(font);
    document.setHtml(html);
    if (document.pageCount() <= 1) break;
  }
  painter.scale(device.logicalDpiX() / kLayoutDpi, device.logicalDpiY() / kLayoutDpi);
  document.drawContents(&painter, QRectF(QPointF(0, 0), page));
  return painter.end();
}

QString saveRecordPdf(const QString& html, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  QPdfWriter writer(&file);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter));
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
