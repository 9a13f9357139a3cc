// The Help button and F1: the HTML help first, the rich-text help second, a message for each that
// fails to open.

#include <gtest/gtest.h>

#include <QPushButton>

#include "app/WindowFixture.h"
#include "ui/DocumentOpener.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

QString failed(const QString& path) {
  return "Falied to start " + path + "'s Application\r\ntry to open " + path +
         " manually to read the help file.";
}

TEST(Help, OpensTheHtmlFormFirstAndReportsEachFailure) {
  struct Case {
    bool htmOpens, rtfOpens, byF1;
    int asked;
    int messages;
  };
  for (const Case& c : {Case{true, true, false, 1, 0}, Case{false, true, true, 2, 1},
                        Case{false, false, false, 2, 2}}) {
    SCOPED_TRACE(c.messages);
    WindowRun run;
    ASSERT_TRUE(run.activate());
    const QString htm = QDir::toNativeSeparators(run.folder() + "/QuorHelp.htm");
    const QString rtf = QDir::toNativeSeparators(run.folder() + "/QuorHelp.rtf");
    if (c.htmOpens) run.opener().opens << htm;
    if (c.rtfOpens) run.opener().opens << rtf;
    if (c.byF1) {
      run.txtV(2)->setFocus();
      run.key(Qt::Key_F1);
    } else {
      QTest::mouseClick(run.form().controls.btnHelp(), Qt::LeftButton);
    }
    EXPECT_EQ(run.opener().asked, (QStringList{htm, rtf}.mid(0, c.asked)));
    ASSERT_EQ(run.dialogs().messages.size(), static_cast<std::size_t>(c.messages));
    for (int i = 0; i < c.messages; ++i) {
      EXPECT_EQ(run.dialogs().messages[i].text, failed(i == 0 ? htm : rtf));
      EXPECT_EQ(run.dialogs().messages[i].icon, ui::MessageIcon::Critical);
    }
  }
}

TEST(Help, AMissingDocumentFailsBeforeAnythingIsLaunched) {
  ui::DesktopDocumentOpener opener;
  EXPECT_FALSE(opener.open(QDir::temp().filePath("no-such-help-document.htm")));
}

}  // namespace
}  // namespace vantrel::app
