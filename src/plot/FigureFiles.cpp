#include "plot/FigureFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "common/WholeFile.h"
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
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && writeFigurePdf(figure, size, file);
}

bool writeFigurePdf(const curves::Figure& figure, QSizeF size, QIODevice& device) {
  QPdfWriter pdf(&device);
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

QString saveFigureFile(const curves::Figure& figure, const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != u"svg" && suffix != u"png" && suffix != u"pdf")
    return QStringLiteral("the name ends in neither .svg, .png nor .pdf");
  WholeFile file(path);
  if (!file.open()) return file.errorString();
  // Letters of about 13 pixels in the SVG and the image (twice that, for sharp print), 10 points
  // on the PDF's page of 8 by 5 inches.
  QFileDevice& out = file.file();
  const bool made = suffix == u"svg"   ? writeFigureSvg(figure, QSize(800, 500), out)
                    : suffix == u"png" ? figureImage(figure, QSize(1600, 1000)).save(&out, "PNG")
                                       : writeFigurePdf(figure, QSizeF(576, 360), out);
  if (!made) {
    file.cancel();
    return QStringLiteral("the picture could not be made");
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace vantrel::plot
