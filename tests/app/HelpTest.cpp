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

// The desktop's opener is judged by its exit status: one that finds no application for the
// document fails (xdg-open exits 3), one still running after the verdict time waits for the
// application it started.
TEST(Help, TheDesktopOpenerSucceedsByItsExitStatus) {
  testing::TempFolder folder;
  folder.write("QuorHelp.htm", "<html></html>");
  struct Case {
    const char* script;  // "" names a program that does not exist
    const char* file;
    bool opened;
  };
  for (const Case& c : {Case{"exit 0", "QuorHelp.htm", true}, Case{"exit 3", "QuorHelp.htm", false},
                        Case{"", "QuorHelp.htm", false}, Case{"sleep 2", "QuorHelp.htm", true},
                        Case{"exit 0", "missing.htm", false}}) {
    SCOPED_TRACE(c.script);
    const QString opener = QDir(folder.path()).filePath("opener");
    QFile::remove(opener);
    if (*c.script != '\0') {
      folder.write("opener", QByteArray("#!/bin/sh\n") + c.script + "\n");
      QFile::setPermissions(opener, QFile::ReadOwner | QFile::ExeOwner);
    }
    // A second for the verdict: a loaded machine can take its time to start even "exit 3".
    ui::DesktopDocumentOpener desktop(opener, 1000);
    EXPECT_EQ(desktop.open(QDir(folder.path()).filePath(c.file)), c.opened);
  }
  testing::pause(1500);  // the opener left running ends, and its process with it
}

}  // namespace
}  // namespace vantrel::app
