#pragma once
// Window geometry in twips (1/1440 inch). Every control placed by the program keeps its twips
// rectangle as the source of truth, so that positions read back and added up stay exact; the
// widget's pixel geometry follows it through the screen's logical DPI.

#include <QRect>

class QWidget;

namespace vantrel::ui {

constexpr int kTwipsPerInch = 1440;

// The logical DPI that twips are converted with (the widget's screen, or the primary screen).
double logicalDpiX(const QWidget* widget = nullptr);
double logicalDpiY(const QWidget* widget = nullptr);

int twipsToPixelsX(int twips, const QWidget* widget = nullptr);
int twipsToPixelsY(int twips, const QWidget* widget = nullptr);
double pixelsToTwipsX(int pixels, const QWidget* widget = nullptr);
double pixelsToTwipsY(int pixels, const QWidget* widget = nullptr);

// The control's rectangle in twips, relative to its parent.
QRect twipsRect(const QWidget* control);
int twipsLeft(const QWidget* control);
int twipsTop(const QWidget* control);
int twipsWidth(const QWidget* control);
int twipsHeight(const QWidget* control);

void setTwipsRect(QWidget* control, const QRect& twips);
void setTwipsLeft(QWidget* control, int left);
void setTwipsTop(QWidget* control, int top);
void setTwipsWidth(QWidget* control, int width);
void setTwipsHeight(QWidget* control, int height);

}  // namespace vantrel::ui
