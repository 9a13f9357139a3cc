// Copy page, Save calculation record and Print, from the keyboard and from the context menu: what
// the clipboard holds, the record read back from the file written, and a file that cannot be
// written.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QMimeData>

#include "app/WindowScript.h"
#include "record/RecordFields.h"

namespace vantrel::app {
namespace {

using testing::WindowRun;

// Page 1 with 60 l/s typed into Flow Rate, still in its box: the command commits it first.
constexpr const char* kTyped = R"(f2 "60" )";

TEST(PageCommands, CopyPutsThePageOnTheClipboardAsTextAndAsATable) {
  const QString text =
      "Pipe Dia. =\t300.0\tmm\nFlow Rate =\t60.000\tl/s\nC Factor =\t130.0\t\nPipe Length =\t1000.0"
      "\tm\nHead Loss =\t2.5249\tm\tsolved for\nGradient =\t2.525\tm/km\nK Factor =\t68.81\t\n"
      "Velocity =\t0.849\tm/s\n";
  for (const char* moves : {"CtrlShiftC", "Tab pick:Copy menu:frame1", "Tab pick:Copy menu:area",
                            "Tab focus:c3 pick:Copy Menu"}) {
    SCOPED_TRACE(moves);
    WindowRun run;
    ASSERT_TRUE(run.activate());
    QGuiApplication::clipboard()->clear();
    testing::WindowScript(run).run(kTyped + QString(moves) + " msgs=0");
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), text);
    const QString html = copied->html();
    EXPECT_EQ(html.count("<tr>"), 8);
    EXPECT_TRUE(html.contains("<tr><td>Pipe Dia. =</td><td>300.0</td><td>mm</td></tr>"));
    EXPECT_TRUE(
        html.contains("<tr><td><b>Head Loss =</b></td><td><b>2.5249</b></td><td><b>m</b>"
                      "</td><td><b>solved for</b></td></tr>"));
  }
}

TEST(PageCommands, TheRecordIsSavedOrPrintedAndReadsBack) {
  const struct {
    const char* moves;
    const char* file;  // in the run's folder
  } ways[] = {{"CtrlS", "a.pdf"},
              {"Tab pick:Save menu:frame2", "b.html"},
              {"Tab CtrlP", "printed.pdf"},
              {"Tab pick:Print menu:area", "printed.pdf"}};
  for (const auto& way : ways) {
    SCOPED_TRACE(way.moves);
    WindowRun run;
    ASSERT_TRUE(run.activate());
    const QString path = run.folder() + '/' + way.file;
    run.files().answer = path;
    run.files().printTo = path;
    testing::WindowScript(run).run(kTyped + QString(way.moves) + " msgs=0");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = path.endsWith(".pdf")
                             ? testing::textOfPdf(path)
                             : testing::textOfHtml(QString::fromUtf8(file.readAll()));
    testing::expectHazenAt60(testing::readRecord(text), run.folder() + "/Vantrel.rtf");
  }
}

TEST(PageCommands, AFileThatCannotBeWrittenIsNamedWithTheReason) {
  WindowRun run;
  ASSERT_TRUE(run.activate());
  const QString path = run.folder() + "/gone/record.pdf";
  run.files().answer = path;
  testing::WindowScript(run).run(R"(f2 "60" Tab snap CtrlS msgs=1 same=1 s2=0.06 focus=v3)");
  EXPECT_EQ(run.files().suggested, QDir::currentPath() + "/H.Williams-record.pdf");
  EXPECT_EQ(run.dialogs().messages.at(0).text, "The calculation record could not be saved to\r" +
                                                   path + "\rNo such file or directory");
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace vantrel::app
