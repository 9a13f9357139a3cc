#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace vantrel::ui {

namespace {

constexpr const char* kTwipsProperty = "vantrelTwips";

const QScreen* screenOf(const QWidget* widget) {
  if (widget != nullptr && widget->screen() != nullptr) return widget->screen();
  return QGuiApplication::primaryScreen();
}

int toPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

}  // namespace

double logicalDpiX(const QWidget* widget) {
  const QScreen* screen = screenOf(widget);
  return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}

double logicalDpiY(const QWidget* widget) {
  const QScreen* screen = screenOf(widget);
  return screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
}

int twipsToPixelsX(int twips, const QWidget* widget) {
  return toPixels(twips, logicalDpiX(widget));
}
int twipsToPixelsY(int twips, const QWidget* widget) {
  return toPixels(twips, logicalDpiY(widget));
}

double pixelsToTwipsX(int pixels, const QWidget* widget) {
  return pixels * kTwipsPerInch / logicalDpiX(widget);
}
double pixelsToTwipsY(int pixels, const QWidget* widget) {
  return pixels * kTwipsPerInch / logicalDpiY(widget);
}

QRect twipsRect(const QWidget* control) {
  const QVariant stored = control->property(kTwipsProperty);
  if (stored.isValid()) return stored.toRect();
  const QRect px = control->geometry();
  return QRect(static_cast<int>(std::lround(pixelsToTwipsX(px.x(), control))),
               static_cast<int>(std::lround(pixelsToTwipsY(px.y(), control))),
               static_cast<int>(std::lround(pixelsToTwipsX(px.width(), control))),
               static_cast<int>(std::lround(pixelsToTwipsY(px.height(), control))));
}

int twipsLeft(const QWidget* control) {
  return twipsRect(control).x();
}
int twipsTop(const QWidget* control) {
  return twipsRect(control).y();
}
int twipsWidth(const QWidget* control) {
  return twipsRect(control).width();
}
int twipsHeight(const QWidget* control) {
  return twipsRect(control).height();
}

void setTwipsRect(QWidget* control, const QRect& twips) {
  control->setProperty(kTwipsProperty, twips);
  control->setGeometry(twipsToPixelsX(twips.x(), control), twipsToPixelsY(twips.y(), control),
                       twipsToPixelsX(twips.width(), control),
                       twipsToPixelsY(twips.height(), control));
}

void setTwipsLeft(QWidget* control, int left) {
  QRect r = twipsRect(control);
  r.moveLeft(left);
  setTwipsRect(control, r);
}

void setTwipsTop(QWidget* control, int top) {
  QRect r = twipsRect(control);
  r.moveTop(top);
  setTwipsRect(control, r);
}

void setTwipsWidth(QWidget* control, int width) {
  QRect r = twipsRect(control);
  r.setWidth(width);
  setTwipsRect(control, r);
}

void setTwipsHeight(QWidget* control, int height) {
  QRect r = twipsRect(control);
  r.setHeight(height);
  setTwipsRect(control, r);
}

}  // namespace vantrel::ui
