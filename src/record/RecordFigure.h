#pragma once
// The plot in the calculation record. On paper the record's HTML, laid out by Qt's text engine,
// holds an image of the plot's size that stands for it, and the handler below paints the figure
// in its place: vector graphics on a PDF page.

#include <QObject>
#include <QTextObjectInterface>

#include "curves/Figure.h"

namespace vantrel::record {

// The plot's size in the record's pixels (CSS pixels, 96 to the inch): the width of its text on
// an A4 page, at most, and a height that leaves room for the working.
inline constexpr int kFigureWidth = 600;
inline constexpr int kFigureHeight = 300;

// The image that stands for the plot on paper.
QString paperFigureHtml();

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
