// The calculation record read back from its HTML, what it says of its data file and time, and
// its formula texts held to the user guide.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPageLayout>

#include "curves/EntryCurve.h"
#include "datafile/LoaderFixture.h"
#include "numtext/NumberFormat.h"
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
  testing::expectHazenAt60(recordOf(kShipped, "60", originNow(kShipped)), kShipped, false);
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

// A page of the shipped file with text committed into row, its solve watched.
struct Solved {
  Solved(Integer page, Integer row, const QString& text) {
    testing::loadFile(kShipped, loaded);
    session.watchSolves(&solve);
    session.enterPage(page);
    testing::QuietUi ui;
    Single before = session.value(row);
    EXPECT_TRUE(session.commit(row, text, before, ui).accepted);
  }
  testing::LoadResult loaded;
  Integer unknown = 0;
  calc::EntryRecord entry;
  calc::PageSession session{loaded.tables, unknown, &entry};
  calc::SolveWorking solve;
};

// Each formula's residual with the entered values put in (the unknown's symbol kept), and the
// working agreeing with the solve it tells: every pass's trial value and residual in order, and
// the residual the solve ended on at the answer.
TEST(Working, PutsTheValuesInAndAgreesWithTheSolve) {
  const std::tuple<Integer, Integer, QString, QStringList> rows[] = {
      {2,
       2,
       "60",
       {"r = 0.06 + 2A w log10[ 1e-04/(3.7·0.3) + 2.51·1e-06/(0.3·w) ]",
        "A = 3.142·0.32/4, w = √(19.63·0.3·hf/1000)",
        "Darcy friction factor f = 2g D hf/(L v2) = "
        "19.63·0.3·2.1363592/(1000·0.848716262) = 0.017466"}},
      {3,
       1,
       "250",
       {"r = Q − (1/0.013) A R2/3 (2/1000)1/2",
        "θ = arccos(1 − 2·0.8), A = (0.25/2)2(θ − sin θ cos θ), R = A/(0.25·θ)"}},
      {4,
       1,
       "250",
       {"r = 1 − (1/0.612) (1 − 0.64) (1/0.6)4 v2/(2·9.815)", "v = Q/(3.142·0.252/4)"}},
      {5, 2, "40", {"r = hL − 0.3·v2/(2·9.815)", "v = 0.04/(3.142·0.152/4)"}},
      {8, 3, "25", {"r = hL − 0.5625·v12/(2·9.815)", "v1 = 0.025/(3.142·0.12/4)"}},
      {9, 3, "25", {"r = hL − 0.375·v22/(2·9.815)", "v2 = 0.025/(3.142·0.12/4)"}},
  };
  for (const auto& [page, row, text, wanted] : rows) {
    SCOPED_TRACE(page);
    const Solved s(page, row, text);
    RecordParts parts;
    parts.solve = &s.solve;
    const QStringList lines =
        testing::recordLines(recordHtml(s.session, originNow(kShipped), parts), true);
    qsizetype at = 0;
    for (const QString& line : wanted)
      EXPECT_GE(at = lines.indexOf(line, at), 0) << line.toStdString();
    const auto shown = [](Single x) { return numtext::shortestText(x); };
    at = lines.indexOf(QRegularExpression("^Step "));
    for (const calc::NewtonRun& run : s.solve.runs())
      for (const calc::NewtonPass& pass : run.passes) {
        const QString ends = ' ' + shown(pass.trial) + ' ' + shown(pass.residual);
        while (++at < lines.size() && !lines[at].endsWith(ends)) {
        }
        ASSERT_LT(at, lines.size()) << "no pass " << ends.toStdString();
      }
    ASSERT_NE(s.solve.finalRun(), nullptr);
    EXPECT_TRUE(
        lines.filter("Answer: ")
            .value(0)
            .contains("residual there is r = " + shown(s.solve.finalRun()->residual) + ' '));
  }
}

// The record stays on one sheet in the largest type that keeps it there; the plot and the passes
// of H.Williams' solve at 60 l/s take it onto a second.
TEST(Record, TakesASecondSheetOnlyWhereOneWillNotDo) {
  int argc = 1;
  char name[] = "vantrel_record_tests";
  char* argv[] = {name, nullptr};
  const QGuiApplication app(argc, argv);
  const Solved s(1, 2, "60");
  const curves::Figure plot = curves::entryCurve(s.loaded.tables, s.unknown, 2);
  const std::tuple<bool, int, qreal> rows[] = {{false, 1, 10}, {true, 2, 9}};
  for (const auto& [drawn, sheets, points] : rows) {
    const RecordDraft draft{s.session, originNow(kShipped), drawn ? &s.solve : nullptr,
                            drawn ? std::optional(plot) : std::nullopt};
    const RecordSetting setting = recordSetting(draft, recordPageLayout());
    EXPECT_EQ(setting.sheets, sheets);
    EXPECT_EQ(setting.points, points);
  }
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
