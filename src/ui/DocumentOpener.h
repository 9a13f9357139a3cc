#pragma once
// Opening a document with the application the desktop associates with its type. The window
// speaks to this interface, so that tests record what would be opened instead of launching it.

#include <QString>

namespace vantrel::ui {

class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // True when the document was handed to its application. A file that does not exist is a
  // failure before anything is launched.
  virtual bool open(const QString& path) = 0;
};

// Through the desktop's opener command (xdg-open), judged by its exit status: an opener that
// finds no application for the document says so by failing. An opener that is still running
// after `verdictMs` has started the application and waits for it (as xdg-open does outside a
// desktop environment), which is success; it is left to run.
class DesktopDocumentOpener : public DocumentOpener {
 public:
  explicit DesktopDocumentOpener(QString program = QStringLiteral("xdg-open"), int verdictMs = 3000)
      : program_(std::move(program)), verdictMs_(verdictMs) {}
  bool open(const QString& path) override;

 private:
  QString program_;
  int verdictMs_;
};

}  // namespace vantrel::ui
