#pragma once
// The tip box: a read-only rich-text box with a thin frame and no scroll bars. Text that names no
// font is shown in the box's own font, Courier New at 9.75 points (its metric twin Liberation
// Mono where it is not installed), which whoever fills the box gives its document. A screen
// reader meets it as a tooltip named "Tip" whose value is the tip's text, announced when it
// appears.

#include <QTextEdit>

namespace vantrel::ui {

class RichTextBox : public QTextEdit {
  Q_OBJECT

 public:
  explicit RichTextBox(QWidget* parent = nullptr);

  // The box's own font. The box itself keeps the window's: looking a family up costs the start
  // of the program a millisecond or two, and the font is wanted only when a tip is first shown.
  static QFont ownFont();
};

}  // namespace vantrel::ui
