#include "app/Application.h"

#include <cstdio>
#include <exception>

#include "ui/Dialogs.h"

namespace vantrel::app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Vantrel"));
  setOrganizationName(QStringLiteral("Vantrel"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& failure) {
    reportFailure(failure.what());
  }
  return true;
}

void Application::reportFailure(const char* what) {
  const QString text = QStringLiteral("Run-time error:\r") + QString::fromUtf8(what);
  if (dialogs_ != nullptr) {
    dialogs_->message(text, ui::MessageIcon::Critical);
  } else {
    std::fprintf(stderr, "Vantrel: %s\n", what);
  }
}

}  // namespace vantrel::app
