#include "record/RecordFigure.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QTextImageFormat>

#include "plot/FigureFiles.h"
#include "plot/Painter.h"

namespace vantrel::record {

namespace {

// In the record's pixels (CSS pixels, 96 to the inch): the width of its text on an A4 page, at
// most, and a height that leaves room for the working.
constexpr int kWidth = 600;
constexpr int kHeight = 300;
const QString kStandIn = QStringLiteral("vantrel-plot");

}  // namespace

QString paperFigureHtml() {
  return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
      .arg(kStandIn)
      .arg(kWidth)
      .arg(kHeight);
}

QString svgFigureHtml(const curves::Figure& figure) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  plot::writeFigureSvg(figure, QSize(kWidth, kHeight), buffer);
  QString svg = QString::fromUtf8(buffer.data());
  // The XML prolog has no place inside HTML; the size is given in the page's pixels.
  svg = svg.mid(svg.indexOf(QStringLiteral("<svg")));
  static const QRegularExpression size(QStringLiteral(R"(^<svg\s+width="[^"]*"\s+height="[^"]*")"));
  svg.replace(size, QStringLiteral(R"(<svg width="%1" height="%2" role="img" aria-label="%3")")
                        .arg(kWidth)
                        .arg(kHeight)
                        .arg(figure.description.toHtmlEscaped()));
  return svg.trimmed();
}

QSizeF PaperFigure::intrinsicSize(QTextDocument*, int, const QTextFormat& format) {
  const QTextImageFormat image = format.toImageFormat();
  return {image.width() > 0 ? image.width() : kWidth,
          image.height() > 0 ? image.height() : kHeight};
}

void PaperFigure::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                             const QTextFormat&) {
  plot::paintFigure(*painter, rect, figure_);
}

}  // namespace vantrel::record
