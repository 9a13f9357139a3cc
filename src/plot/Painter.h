#pragma once
// Draws a figure onto any QPainter target: the window's widget, a PDF page, an SVG generator
// or an image, so that all of them show one drawing. Needs Qt Gui, no widgets.

#include <QRectF>

#include "curves/Figure.h"

class QPainter;

namespace vantrel::plot {

// The family the figures are lettered in (the window's and the record's).
inline constexpr const char* kFontFamily = "Arial";

// Paints figure into area: title, axes with ticks and grid, shaded bands, lines, marked points
// with their values, and a legend below the axes. `fontPixels` is the letter size in the
// device's pixels; 0 sizes the letters to the area.
void paintFigure(QPainter& painter, const QRectF& area, const curves::Figure& figure,
                 qreal fontPixels = 0);

}  // namespace vantrel::plot
