#include "ui/RichTextBox.h"

namespace vantrel::ui {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont font(QStringLiteral("Courier New"));
  font.setPointSizeF(9.75);
  setFont(font);
  hide();
}

}  // namespace vantrel::ui
