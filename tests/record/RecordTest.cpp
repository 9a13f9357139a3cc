// The calculation record read back from its HTML, what it says of its data file and time, and
// its formula texts held to the user guide.

#include <gtest/gtest.h>

#include "calc/CalcUi.h"
#include "datafile/LoaderFixture.h"
#include "record/FormulaTexts.h"
#include "record/RecordFields.h"
#include "record/RecordHtml.h"

namespace vantrel::record {
namespace {

const QString kShipped = QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf");

struct QuietUi : calc::CalcUi {
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString&) override { return false; }
  void showCritical(const QString&) override {}
};

// Page 1 of the file at path, with entries committed into rows as a value box commits them.
QString recordOf(const QString& path, const std::vector<std::pair<Integer, QString>>& entries,
                 const RecordOrigin& origin) {
  testing::LoadResult loaded;
  testing::loadFile(path, loaded);
  Integer unknown = 0;
  calc::PageSession session(loaded.tables, unknown);
  session.enterPage(1);
  QuietUi ui;
  for (const auto& [row, text] : entries) {
    Single before = session.value(row);
    EXPECT_TRUE(session.commit(row, text, before, ui).accepted);
  }
  return recordHtml(session, origin);
}

TEST(Record, EveryFieldReadsBackFromTheHtml) {
  const QString html = recordOf(kShipped, {{2, "60"}}, originNow(kShipped));
  testing::expectHazenAt60(testing::readRecord(testing::textOfHtml(html)), kShipped);
}

TEST(Record, SaysWhatItKnowsOfItsDataFileAndTime) {
  const testing::TempFolder folder;
  const QString own = folder.write(
      "own.rtf",
      testing::rtfFromPlain(testing::fileText({{.system = "#R&&D <x> =, 5, 1, 1# #0,N,Nothing,1#",
                                                .unit = "\\ROW/@m,0.0,1@\\ROW/",
                                                .range = "#F,*#"}})));
  const QDateTime now = QDateTime::currentDateTime();
  const struct {
    QString path;
    QDateTime loadedAt;
    QString hash;  // what the SHA-256 line says after the hash
  } origins[] = {
      {own, now.addSecs(3600), ""},
      {own, now.addSecs(-3600), " (the file has changed since it was loaded)"},
      {folder.path() + "/gone.rtf", {}, "(the file cannot be read)"},
  };
  for (const auto& o : origins) {
    const testing::RecordFields f =
        testing::readRecord(testing::textOfHtml(recordOf(own, {}, originNow(o.path, o.loadedAt))));
    EXPECT_TRUE(f.facts.at("SHA-256").endsWith(o.hash)) << f.facts.at("SHA-256").toStdString();
    EXPECT_EQ(f.facts.at("SHA-256").size(),
              o.hash.startsWith('(') ? o.hash.size() : 64 + o.hash.size());
    // A caption as the window shows it, whatever HTML would make of it; no formula to quote.
    EXPECT_EQ(f.rows, std::vector<QStringList>({{"R&D <x> =", "5.0", "m", "5", "", "solved for"}}));
    EXPECT_EQ(f.formula, "The page names no formula.");
  }
  // The offset is always written, also for UTC.
  const QDate day(2026, 3, 1);
  const QTime time(14, 5, 9);
  EXPECT_EQ(isoTime(QDateTime(day, time, Qt::OffsetFromUTC, -12600)), "2026-03-01T14:05:09-03:30");
  EXPECT_EQ(isoTime(QDateTime(day, time, Qt::UTC)), "2026-03-01T14:05:09+00:00");
}

// Each formula section of the guide: its heading names the formula, its equations follow, and
// then a paragraph whose first sentence the record quotes.
TEST(FormulaTexts, AreTheUserGuides) {
  QFile file(VANTREL_SHIPPED_DATA_DIR "/QuorHelp.htm");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString guide = QString::fromUtf8(file.readAll());
  static const QRegularExpression section(
      R"(<h3[^>]*>\d+\.\d+ (.+?) \(tabs? [^)]*\)</h3>\n((?:<p class="eq">.*</p>\n)+)<p>(.*)</p>)");
  static const QRegularExpression equation(R"(<p class="eq">(.*)</p>)");
  using enum calc::Formula;
  QStringList named;
  for (const calc::Formula formula :
       {HazenWilliams, ColebrookWhite, Manning, Orifice, Fitting, Expansion, Contraction})
    named << formulaText(formula).name;
  QStringList inGuide;
  for (const QRegularExpressionMatch& m : section.globalMatch(guide)) {
    inGuide << m.captured(1);
    const qsizetype at = named.indexOf(m.captured(1));
    if (at < 0) continue;
    const FormulaText& text = formulaText(static_cast<calc::Formula>(at));
    QStringList equations;
    for (const QRegularExpressionMatch& e : equation.globalMatch(m.captured(2)))
      equations << e.captured(1);
    EXPECT_EQ(equations, text.equations) << text.name.toStdString();
    EXPECT_TRUE((m.captured(3) + ' ').startsWith(text.sentence + ' ')) << text.name.toStdString();
  }
  EXPECT_EQ(inGuide, named);
}

}  // namespace
}  // namespace vantrel::record
