// The calculation record read back from its HTML, what it says of its data file and time, and
// its formula texts held to the user guide.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPageLayout>

#include "datafile/LoaderFixture.h"
#include "record/FormulaTexts.h"
#include "record/PageCopy.h"
#include "record/PageRows.h"
#include "record/RecordFields.h"
#include "record/RecordOutput.h"

namespace vantrel::record {
namespace {

const QString kShipped = QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf");

// Page 1 of the file at path, with Flow Rate entered when flow is given, as make gives it.
template <typename Make>
QString pageOf(const QString& path, const QString& flow, Make make) {
  testing::LoadResult loaded;
  testing::loadFile(path, loaded);
  Integer unknown = 0;
  calc::PageSession session(loaded.tables, unknown);
  session.enterPage(1);
  testing::QuietUi ui;
  Single before = session.value(2);
  if (!flow.isEmpty()) {
    EXPECT_TRUE(session.commit(2, flow, before, ui).accepted);
  }
  return make(session);
}

// The record's lines of page 1 of the file at path, with Flow Rate entered when flow is given.
QStringList recordOf(const QString& path, const QString& flow, const RecordOrigin& origin) {
  const auto record = [&](const calc::PageSession& s) { return recordHtml(s, origin); };
  return testing::recordLines(pageOf(path, flow, record), true);
}

// A data file whose page caption, title and row caption hold what HTML reads as markup.
const testing::TempFolder kFolder;
const QString kMarkup = kFolder.write(
    "own.rtf", testing::rtfFromPlain(
                   testing::fileText({{.system = "#R&&D <x> =, 5, 1, 1# #0,N <&&>,Nothing,1#",
                                       .unit = "\\ROW/@m,0.0,1@\\ROW/",
                                       .range = "#F,*#"}})));

TEST(Record, EveryFieldReadsBackFromTheHtml) {
  testing::expectHazenAt60(recordOf(kShipped, "60", originNow(kShipped)), kShipped);
}

TEST(Record, SaysWhatItKnowsOfItsDataFileAndTime) {
  const QDateTime now = QDateTime::currentDateTime();
  const std::pair<RecordOrigin, QString> origins[] = {
      {originNow(kMarkup, now.addSecs(3600)), "[0-9a-f]{64}"},
      {originNow(kMarkup, now.addSecs(-3600)),
       "[0-9a-f]{64} \\(the file has changed since it was loaded\\)"},
      {originNow(kFolder.path() + "/gone.rtf"), "\\(the file cannot be read\\)"}};
  for (const auto& [origin, hash] : origins) {
    const QStringList lines = recordOf(kMarkup, "", origin);
    EXPECT_EQ(lines.indexOf(QRegularExpression("^SHA-256 " + hash + "$")), 4) << hash.toStdString();
    // A caption as the window shows it, whatever HTML would make of it; no formula to quote.
    EXPECT_TRUE(lines.contains("R&D <x> = 5.0 m 5 solved for"));
    EXPECT_TRUE(lines.contains("The page names no formula."));
  }
  // The offset is always written, also for UTC.
  const QDate day(2026, 3, 1);
  const QTime time(14, 5, 9);
  EXPECT_EQ(isoTime(QDateTime(day, time, Qt::OffsetFromUTC, -12600)), "2026-03-01T14:05:09-03:30");
  EXPECT_EQ(isoTime(QDateTime(day, time, Qt::UTC)), "2026-03-01T14:05:09+00:00");
}

// The record of H.Williams at 60 l/s fits an A4 page in the largest type; one far too long for
// a page is set in the smallest.
TEST(Record, IsSetInTheLargestTypeThatKeepsItToOnePage) {
  int argc = 1;
  char name[] = "vantrel_record_tests";
  char* argv[] = {name, nullptr};
  const QGuiApplication app(argc, argv);
  const QString html = pageOf(kShipped, "60", [](const calc::PageSession& s) {
    return recordHtml(s, originNow(kShipped));
  });
  EXPECT_EQ(recordPointSize(html, recordPageLayout()), 11);
  const QString overlong =
      QString(html).replace("</body>", QString("<p>line</p>").repeated(300) + "</body>");
  EXPECT_EQ(recordPointSize(overlong, recordPageLayout()), 6);
}

// Copy page: the page's caption and title first, its checks last, in either flavour; HTML gets
// what it would read as markup escaped.
TEST(Copy, StartsWithThePageAndEndsWithItsChecks) {
  EXPECT_EQ(pageOf(kMarkup, "", pageText),
            "Nothing\tN <&&>\nR&D <x> =\t5.0\tm\tsolved for\n\nNo warnings or notes.\n");
  const QString html = pageOf(kMarkup, "", pageHtml);
  EXPECT_TRUE(html.contains("<p><b>Nothing</b>&emsp;N &lt;&amp;&amp;&gt;</p>\n<table>"));
  EXPECT_TRUE(html.contains("<td><b>R&amp;D &lt;x&gt; =</b></td>"));
  EXPECT_TRUE(html.endsWith("</table>\n<p>No warnings or notes.</p>\n</body></html>\n"));
}

// Where each row's value comes from, one letter a row: d default, e entered (a commit changed it
// in this run: typed, even as the default, or moved by a solve), c computed by the formula, s
// solved for; after the entries, the row given is solved for.
TEST(Record, TellsWhereEachValueComesFrom) {
  const std::tuple<Integer, std::vector<std::pair<Integer, QString>>, Integer, QString> cases[] = {
      {1, {}, 5, "ddddsccc"},
      {1, {{2, "60"}}, 5, "deddsccc"},
      {1, {{1, "300"}}, 5, "edddsccc"},
      // Head Loss, no longer solved for, holds what the solve made of it.
      {1, {{2, "60"}}, 1, "seddeccc"},
      // A result row ticked as the unknown is still what the formula computes.
      {5, {}, 5, "ddddc"},
  };
  for (const auto& [page, entries, unknownAfter, wanted] : cases) {
    testing::LoadResult loaded;
    testing::loadFile(kShipped, loaded);
    Integer unknown = 0;
    calc::PageSession session(loaded.tables, unknown);
    session.enterPage(page);
    testing::QuietUi ui;
    for (const auto& [row, text] : entries) {
      Single before = session.value(row);
      ASSERT_TRUE(session.commit(row, text, before, ui).accepted);
    }
    session.chooseUnknown(unknownAfter);
    QString sources;
    for (const RowFacts& row : pageRows(session))
      sources += sourceName(row.source).at(0);
    EXPECT_EQ(sources, wanted);
  }
}

// Each formula section of the guide: its heading names the formula, its equations follow, and
// then a paragraph whose first sentence the record quotes.
TEST(FormulaTexts, AreTheUserGuides) {
  QFile file(VANTREL_SHIPPED_DATA_DIR "/QuorHelp.htm");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  static const QRegularExpression section(
      R"(<h3[^>]*>\d+\.\d+ (.+?) \(tabs? [^)]*\)</h3>\n((?:<p class="eq">.*</p>\n)+)<p>(.*)</p>)");
  static const QRegularExpression equation(R"(<p class="eq">(.*)</p>)");
  int formula = 0;  // the guide's sections are in the order of calc::Formula
  for (const QRegularExpressionMatch& m : section.globalMatch(QString::fromUtf8(file.readAll()))) {
    const FormulaText& text = formulaText(static_cast<calc::Formula>(formula++));
    EXPECT_EQ(m.captured(1), text.name);
    QStringList equations;
    for (const QRegularExpressionMatch& e : equation.globalMatch(m.captured(2)))
      equations << e.captured(1);
    EXPECT_EQ(equations, text.equations) << text.name.toStdString();
    EXPECT_TRUE((m.captured(3) + ' ').startsWith(text.sentence + ' ')) << text.name.toStdString();
  }
  EXPECT_EQ(formula, static_cast<int>(calc::Formula::None));
}

}  // namespace
}  // namespace vantrel::record
