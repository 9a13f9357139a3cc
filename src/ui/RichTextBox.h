#pragma once
// The tip box: a read-only rich-text box with a thin frame and no scroll bars. Text that names no
// font is shown in the box's own font, Courier New at 9.75 points (its metric twin Liberation
// Mono where it is not installed). A screen reader meets it as a tooltip named "Tip" whose value
// is the tip's text, announced when it appears.

#include <QTextEdit>

namespace vantrel::ui {

class RichTextBox : public QTextEdit {
  Q_OBJECT

 public:
  explicit RichTextBox(QWidget* parent = nullptr);
};

}  // namespace vantrel::ui
