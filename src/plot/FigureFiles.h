#pragma once
// A figure written out: as an image, as SVG and as a PDF page. Needs a QGuiApplication (for
// the fonts), no display.

#include <QImage>
#include <QSize>
#include <QString>

#include "curves/Figure.h"

class QIODevice;

namespace vantrel::plot {

// The figure drawn into an image of `size` pixels on white.
QImage figureImage(const curves::Figure& figure, QSize size);
// The figure as SVG of `size` pixels, written to device; false when it cannot be written.
bool writeFigureSvg(const curves::Figure& figure, QSize size, QIODevice& device);
// The figure as a one-page PDF at path, `size` in points; false when it cannot be written.
bool writeFigurePdf(const curves::Figure& figure, QSizeF size, const QString& path);
bool writeFigurePdf(const curves::Figure& figure, QSizeF size, QIODevice& device);

// Writes the figure to path as SVG, PNG or PDF, as the name ends (".svg", ".png", ".pdf", in any
// letter case), in a size made for reading on a screen or a page. An existing file is replaced
// only once the new one is complete. Returns why the file could not be written, or an empty
// string.
QString saveFigureFile(const curves::Figure& figure, const QString& path);

}  // namespace vantrel::plot
