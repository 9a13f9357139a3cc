#include "plot/FigureFiles.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "plot/Painter.h"

namespace vantrel::plot {

QImage figureImage(const curves::Figure& figure, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  paintFigure(painter, QRectF(QPointF(0, 0), size), figure);
  return image;
}

bool writeFigureSvg(const curves::Figure& figure, QSize size, QIODevice& device) {
  QSvgGenerator svg;
  svg.setOutputDevice(&device);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(figure.title);
  svg.setDescription(figure.description);
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  paintFigure(painter, QRectF(QPointF(0, 0), size), figure);
  return painter.end();
}

bool writeFigurePdf(const curves::Figure& figure, QSizeF size, const QString& path) {
  QPdfWriter pdf(path);
  pdf.setPageSize(QPageSize(size, QPageSize::Point));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setTitle(figure.title);
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  // The letters sized as in an image of the page's size in points.
  const qreal scale = pdf.resolution() / 72.0;
  paintFigure(painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())), figure,
              std::min(size.width() / 48, size.height() / 32) * scale);
  return painter.end();
}

}  // namespace vantrel::plot
