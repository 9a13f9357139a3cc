#pragma once
// The dialogs that ask where a document is saved and on which printer it is printed. The window
// speaks to this interface, so tests answer them without a screen.

#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace vantrel::ui {

class FileAndPrintDialogs {
 public:
  virtual ~FileAndPrintDialogs() = default;
  // Asks for the name of a file to save, starting at the path `suggested`. filters name the
  // types offered ("PDF document (*.pdf)"); a name typed without a suffix gets the first suffix
  // of the chosen type. The dialog asks itself before an existing file is replaced. An empty
  // string when the user cancels.
  virtual QString saveFileName(const QString& title, const QString& suggested,
                               const QStringList& filters) = 0;
  // Lets the user choose a printer and its settings, then calls print with it. False, and print
  // not called, when the user cancels.
  virtual bool print(const std::function<void(QPagedPaintDevice&)>& print) = 0;
};

// The toolkit's own dialogs, over parent.
class QtFileAndPrintDialogs : public FileAndPrintDialogs {
 public:
  explicit QtFileAndPrintDialogs(QWidget* parent) : parent_(parent) {}
  QString saveFileName(const QString& title, const QString& suggested,
                       const QStringList& filters) override;
  bool print(const std::function<void(QPagedPaintDevice&)>& print) override;

 private:
  QWidget* parent_;
};

}  // namespace vantrel::ui
