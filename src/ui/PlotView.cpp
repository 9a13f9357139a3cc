#include "ui/PlotView.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <utility>

namespace vantrel::ui {

namespace {

// Screen readers are told the view is a picture.
QAccessibleInterface* pictureInterface(const QString& className, QObject* object) {
  if (className != QLatin1String(PlotView::staticMetaObject.className()) || !object->isWidgetType())
    return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

}  // namespace

PlotView::PlotView(QWidget* parent) : QWidget(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(pictureInterface);
    return true;
  }();
  (void)installed;
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(240, 160);
}

void PlotView::showPicture(Painting painting, const QString& name, const QString& description) {
  painting_ = std::move(painting);
  setAccessibleName(name);
  setAccessibleDescription(description);
  setToolTip(description);
  update();
}

QSize PlotView::sizeHint() const {
  return {600, 400};
}

void PlotView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (painting_) painting_(painter, QRectF(rect()));
  if (!hasFocus()) return;
  // A frame in the highlight colour, plain enough to see against the white of the picture.
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void PlotView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    emit copyRequested();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace vantrel::ui
