// A failure inside an event handler is reported in a message box and the program goes on.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <stdexcept>

#include "app/Application.h"
#include "app/WindowFixture.h"

namespace vantrel::app {
namespace {

class FailingHandler : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::overflow_error("Overflow");
    return QObject::event(e);
  }
};

TEST(FailureReport, AHandlerFailureBecomesAMessageAndTheEventLoopGoesOn) {
  auto* application = static_cast<Application*>(QCoreApplication::instance());
  testing::RecordingDialogs dialogs;
  application->setDialogs(&dialogs);
  FailingHandler handler;
  QEvent event(QEvent::User);
  EXPECT_TRUE(QCoreApplication::sendEvent(&handler, &event));
  application->setDialogs(nullptr);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages.front().text, "Run-time error:\rOverflow");
  EXPECT_EQ(dialogs.messages.front().icon, ui::MessageIcon::Critical);
}

}  // namespace
}  // namespace vantrel::app
