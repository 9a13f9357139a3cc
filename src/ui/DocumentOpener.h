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

// Through Qt's desktop services.
class DesktopDocumentOpener : public DocumentOpener {
 public:
  bool open(const QString& path) override;
};

}  // namespace vantrel::ui
