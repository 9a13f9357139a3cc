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
  setTwipsRect(control, twipsRect(control).translated(left - twipsLeft(control), 0));
}

void setTwipsTop(QWidget* control, int top) {
  setTwipsRect(control, twipsRect(control).translated(0, top - twipsTop(control)));
}

void setTwipsWidth(QWidget* control, int width) {
  const QRect r = twipsRect(control);
  setTwipsRect(control, QRect(r.x(), r.y(), width, r.height()));
}

void setTwipsHeight(QWidget* control, int height) {
  const QRect r = twipsRect(control);
  setTwipsRect(control, QRect(r.x(), r.y(), r.width(), height));
}

}  // namespace vantrel::ui
