#include "record/RecordFigure.h"

#include <QPainter>
#include <QTextImageFormat>

#include "plot/Painter.h"

namespace vantrel::record {

namespace {

const QString kStandIn = QStringLiteral("vantrel-plot");

}  // namespace

QString paperFigureHtml() {
  return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
      .arg(kStandIn)
      .arg(kFigureWidth)
      .arg(kFigureHeight);
}

QSizeF PaperFigure::intrinsicSize(QTextDocument*, int, const QTextFormat& format) {
  const QTextImageFormat image = format.toImageFormat();
  return {image.width() > 0 ? image.width() : kFigureWidth,
          image.height() > 0 ? image.height() : kFigureHeight};
}

void PaperFigure::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                             const QTextFormat&) {
  plot::paintFigure(*painter, rect, figure_);
}

}  // namespace vantrel::record
