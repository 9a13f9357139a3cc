// Copy page, Save calculation record and Print, from the keyboard and from the context menu:
// what the clipboard holds, the record read back from the file written, and a file that cannot
// be written. Each starts with 60 l/s typed into Flow Rate and not yet committed.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QMimeData>

#include "app/WindowScript.h"
#include "record/RecordFields.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

TEST(PageCommands, CopyPutsThePageOnTheClipboardAsTextAndAsATable) {
  for (const char* moves : {"Ctrl+Shift+C", "Tab pick:Copy menu:frame1", "Tab pick:Copy menu:area",
                            "Tab focus:c3 pick:Copy Menu"}) {
    SCOPED_TRACE(moves);
    WindowRun run;
    ASSERT_TRUE(run.activate());
    QGuiApplication::clipboard()->clear();
    testing::WindowScript(run).run(R"(f2 "60" )" + QString(moves) + " msgs=0");
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(),
              "H.Williams\tHazen-Williams :- Friction head loss of water in a full pipe\nPipe Dia. "
              "=\t300.0\tmm\nFlow Rate =\t60.000\tl/s\nC Factor =\t130.0\t\nPipe Length "
              "=\t1000.0\tm\nHead Loss =\t2.5249\tm\tsolved for\nGradient =\t2.525\tm/km\nK Factor "
              "=\t68.81\t\nVelocity =\t0.849\tm/s\n\nRe 2.5e5 turbulent (water at 20 \u00b0C)\nNo "
              "warnings or notes.\n");
    EXPECT_EQ(copied->html().count("<tr>"), 8);
    EXPECT_TRUE(copied->html().contains(
        "<tr><td><b>Head Loss =</b></td><td><b>2.5249</b></td><td><b>m</b></td><td><b>solved "
        "for</b></td></tr>"));
  }
}

TEST(PageCommands, TheRecordIsSavedOrPrintedAndReadsBack) {
  for (const auto& [moves, file] : {std::pair{"Ctrl+S", "a.pdf"},
                                    {"Tab pick:Save menu:frame2", "b.html"},
                                    {"Tab Ctrl+P", "printed.pdf"},
                                    {"Tab pick:Print menu:area", "printed.pdf"},
                                    // Reset: every row holds its default again.
                                    {R"(Tab f1 "250" Tab click:Reset f2 "60" Ctrl+S)", "c.html"}}) {
    SCOPED_TRACE(moves);
    WindowRun run;
    ASSERT_TRUE(run.activate());
    run.files().answer = run.files().printTo = run.folder() + '/' + file;
    testing::WindowScript(run).run(R"(f2 "60" )" + QString(moves) + " msgs=0");
    testing::expectHazenAt60(testing::recordFileLines(run.files().answer),
                             run.folder() + "/Vantrel.rtf");
  }
}

// The working belongs to the values its solve left: after a reset the record has the defaults and
// none of the passes of the solve before.
TEST(PageCommands, ARecordAfterAResetHasNoPassesOfTheSolveBefore) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  run.files().answer = run.folder() + "/reset.html";
  testing::WindowScript(run).run(R"(f2 "60" Tab click:Reset Ctrl+S msgs=0)");
  const QStringList lines = testing::recordFileLines(run.files().answer);
  EXPECT_TRUE(lines.contains("Flow Rate = 50.000 l/s 0.05 m³/s default"))
      << lines.join('\n').toStdString();
  EXPECT_TRUE(lines.filter(QRegularExpression("^Step ")).isEmpty());
}

TEST(PageCommands, AFileThatCannotBeWrittenIsNamedWithTheReason) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  run.files().answer = run.folder() + "/gone/record.pdf";
  testing::WindowScript(run).run(R"(f2 "60" Tab snap Ctrl+S msgs=1 same=1 s2=0.06 focus=v3)");
  EXPECT_EQ(run.dialogs().messages.at(0).text, "The calculation record could not be saved to\r" +
                                                   run.files().answer +
                                                   "\rNo such file or directory");
}

// Save suggests the user's documents folder (the home folder while there is none), never the
// folder the program was started in; then the folder the last record went to, also in a later
// run, while it is there.
TEST(PageCommands, SaveSuggestsTheDocumentsFolderThenTheLastOne) {
  testing::TempFolder home, elsewhere;
  const QByteArray userHome = qgetenv("HOME");
  qputenv("HOME", home.path().toUtf8());
  QString kept;  // the settings store's entry, from run to run
  const auto save = [&kept](const QString& answer) {
    WindowRun run;
    run.recordFolders().folder = kept;
    run.files().answer = answer;
    EXPECT_TRUE(run.activate());
    testing::WindowScript(run).run("Ctrl+S");
    kept = run.recordFolders().folder;
    return QFileInfo(run.files().suggested).absolutePath();
  };
  EXPECT_EQ(save(""), home.path());
  ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
  EXPECT_EQ(save(elsewhere.path() + "/a.html"), home.path() + "/Documents");
  for (const QString& failing : {QString(""), home.path() + "/gone/a.pdf"})
    EXPECT_EQ(save(failing), elsewhere.path());
  ASSERT_TRUE(QDir(elsewhere.path()).removeRecursively());
  EXPECT_EQ(save(""), home.path() + "/Documents");
  qputenv("HOME", userHome);
}

}  // namespace
}  // namespace vantrel::app
