#pragma once
// The program's dialog font: Arial at 8.25 points, the small font the captions' 105 twips a
// character are made for (its metric twin Liberation Sans where Arial is not installed). Every
// window of the program uses this family: each further family costs the start a font lookup.

#include <QFont>

namespace vantrel::ui {

inline QFont formFont(double pointSize = 8.25) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(pointSize);
  return font;
}

}  // namespace vantrel::ui
