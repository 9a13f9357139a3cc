#pragma once
// The plot in the calculation record. On paper the record's HTML, laid out by Qt's text engine,
// holds an image of the plot's size that stands for it, and the handler below paints the figure
// in its place: vector graphics on a PDF page. The record written as HTML holds the figure as SVG.

#include <QObject>
#include <QTextObjectInterface>

#include "curves/Figure.h"

namespace vantrel::record {

// The image that stands for the plot on paper.
QString paperFigureHtml();
// The figure as SVG, ready to stand in HTML: named and described for a screen reader.
QString svgFigureHtml(const curves::Figure& figure);

// Paints the figure where the text engine has placed its stand-in; registered for the images of
// a document that holds no other.
class PaperFigure : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  PaperFigure(const curves::Figure& figure, QObject* parent) : QObject(parent), figure_(figure) {}

  QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                  const QTextFormat& format) override;

 private:
  const curves::Figure& figure_;
};

}  // namespace vantrel::record
