#pragma once
// The application object. A failure inside any event handler (an index beyond a table, an
// overflow, an invalid value) is reported in a message box and the program goes on, instead of
// ending in undefined behaviour.

#include <QApplication>

namespace vantrel::ui {
class Dialogs;
}

namespace vantrel::app {

class Application : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv);
  void setDialogs(ui::Dialogs* dialogs) { dialogs_ = dialogs; }
  bool notify(QObject* receiver, QEvent* event) override;
  // Reports a failure that escaped from program code.
  void reportFailure(const char* what);

 private:
  ui::Dialogs* dialogs_ = nullptr;
};

}  // namespace vantrel::app
