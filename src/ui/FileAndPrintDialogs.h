#pragma once
// The dialogs that ask where a document is saved and on which printer it is printed. The window
// speaks to this interface, so tests answer them without a screen.

#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace vantrel::ui {

using PrintFunction = std::function<void(QPagedPaintDevice&)>;

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
  // not called, when the user cancels, or when no printer can be offered: then `error` says why.
  virtual bool print(const PrintFunction& print, QString& error) = 0;
};

// The toolkit's print dialog: shown over parent, then print called with the printer chosen; false
// when the user cancels. It lives in the module vantrel-print.so, which alone loads Qt Print
// Support, under this C name.
using PrintDialogEntry = bool (*)(QWidget* parent, const PrintFunction& print);
inline constexpr const char* kPrintDialogEntryName = "vantrelPrintDialog";

// The toolkit's own dialogs, over parent; printDialog finds the print dialog's entry when it is
// first wanted (null, with the reason in its argument, when it cannot be had).
class QtFileAndPrintDialogs : public FileAndPrintDialogs {
 public:
  QtFileAndPrintDialogs(QWidget* parent, std::function<PrintDialogEntry(QString&)> printDialog)
      : parent_(parent), printDialog_(std::move(printDialog)) {}
  QString saveFileName(const QString& title, const QString& suggested,
                       const QStringList& filters) override;
  bool print(const PrintFunction& print, QString& error) override;

 private:
  QWidget* parent_;
  std::function<PrintDialogEntry(QString&)> printDialog_;
};

}  // namespace vantrel::ui
