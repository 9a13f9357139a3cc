#pragma once
// The rich-text box: a working document that the loaders cut the data file with, and that shows
// its content as formatted text when it is used as the tip box.

#include <QTextEdit>

#include "datafile/WorkingDocument.h"

namespace vantrel::ui {

class RichTextBox : public QTextEdit {
  Q_OBJECT

 public:
  explicit RichTextBox(QWidget* parent = nullptr);

  datafile::WorkingDocument& document() { return document_; }
  const datafile::WorkingDocument& document() const { return document_; }
  // Shows the working document's current content, formatted.
  void render();

 private:
  datafile::WorkingDocument document_;
};

}  // namespace vantrel::ui
