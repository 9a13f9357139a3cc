// Whole runs of vantrel-solve in this process: the three output formats, and each exit status
// with what it writes to standard output and standard error.

#include <gtest/gtest.h>

#include <QDir>
#include <cstdlib>
#include <cstring>
#include <random>

#include "solve/Arguments.h"
#include "solve/Report.h"
#include "solve/SolveError.h"
#include "solve/SolveFixture.h"

namespace vantrel::solve {
namespace {

using testing::DataFile;
using testing::kShippedFile;
using testing::PageText;

RunResult run(QStringList args) {
  return runCommandLine(QStringList{"--data", kShippedFile} + args);
}

TEST(Output, TheThreeFormatsOfTheDefaultPage) {
  const std::pair<QString, QString> rows[] = {
      {"text",
       "Hazen-Williams :- Friction head loss of water in a full pipe\n"
       "Pipe Dia.     300.0 mm\n"
       "Flow Rate    50.000 l/s\n"
       "C Factor      130.0\n"
       "Pipe Length  1000.0 m\n"
       "Head Loss?   1.8020 m\n"
       "Gradient      1.802 m/km\n"
       "K Factor      70.71\n"
       "Velocity      0.707 m/s\n"},
      {"csv",
       "name,value,unit,base,unknown\n"
       "Pipe Dia.,300.0,mm,0.3,0\n"
       "Flow Rate,50.000,l/s,0.05,0\n"
       "C Factor,130.0,,130,0\n"
       "Pipe Length,1000.0,m,1000,0\n"
       "Head Loss,1.8020,m,1.8019782,1\n"
       "Gradient,1.802,m/km,0.0018019782,0\n"
       "K Factor,70.71,,70.71431,0\n"
       "Velocity,0.707,m/s,0.7072635,0\n"},
      {"json",
       "{\"page\": \"H.Williams\", \"title\": \"Hazen-Williams :- Friction head loss of water in "
       "a full pipe\", \"unknown\": \"Head Loss\", \"variables\": ["
       "{\"name\": \"Pipe Dia.\", \"value\": \"300.0\", \"unit\": \"mm\", \"base\": 0.3}, "
       "{\"name\": \"Flow Rate\", \"value\": \"50.000\", \"unit\": \"l/s\", \"base\": 0.05}, "
       "{\"name\": \"C Factor\", \"value\": \"130.0\", \"unit\": \"\", \"base\": 130}, "
       "{\"name\": \"Pipe Length\", \"value\": \"1000.0\", \"unit\": \"m\", \"base\": 1000}, "
       "{\"name\": \"Head Loss\", \"value\": \"1.8020\", \"unit\": \"m\", \"base\": 1.8019782}, "
       "{\"name\": \"Gradient\", \"value\": \"1.802\", \"unit\": \"m/km\", \"base\": "
       "0.0018019782}, "
       "{\"name\": \"K Factor\", \"value\": \"70.71\", \"unit\": \"\", \"base\": 70.71431}, "
       "{\"name\": \"Velocity\", \"value\": \"0.707\", \"unit\": \"m/s\", \"base\": 0.7072635}]}"
       "\n"},
  };
  for (const auto& [format, wanted] : rows) {
    SCOPED_TRACE(format.toStdString());
    const RunResult r = run({"H.Williams", "--format", format});
    EXPECT_EQ(r.status, kSolved);
    EXPECT_EQ(r.out, wanted);
    EXPECT_EQ(r.err, "");
  }
}

TEST(Output, FieldsAreQuotedAndEscapedWhereTheFormatNeedsIt) {
  PageReport report;
  report.page = "P\\Q";
  report.title = "say \"hi\"\ttab";
  report.unknown = "a,b";
  report.variables = {{"a,b", "1,000.0", "m", 1000.0f, true},
                      {"say \"x\"", " 5", "\x01", 0.5f, false}};
  EXPECT_EQ(formatReport(report, Format::Csv),
            "name,value,unit,base,unknown\n"
            "\"a,b\",\"1,000.0\",m,1000,1\n"
            "\"say \"\"x\"\"\",\" 5\",\x01,0.5,0\n");
  EXPECT_EQ(formatReport(report, Format::Json),
            "{\"page\": \"P\\\\Q\", \"title\": \"say \\\"hi\\\"\\ttab\", \"unknown\": \"a,b\", "
            "\"variables\": [{\"name\": \"a,b\", \"value\": \"1,000.0\", \"unit\": \"m\", "
            "\"base\": 1000}, {\"name\": \"say \\\"x\\\"\", \"value\": \" 5\", \"unit\": "
            "\"\\u0001\", \"base\": 0.5}]}\n");
}

TEST(Output, BaseValuesAreTheShortestTextThatReadsBackAsTheSameSingle) {
  const std::pair<float, QString> rows[] = {{0.3f, "0.3"},
                                            {1e-6f, "1e-06"},
                                            {130.0f, "130"},
                                            {-0.0f, "-0"},
                                            {3.4028235e38f, "3.4028235e+38"},
                                            {1.4e-45f, "1e-45"}};
  for (const auto& [value, text] : rows)
    EXPECT_EQ(shortestNumber(value), text);
  std::mt19937 random(20240611);
  for (int i = 0; i < 100000; ++i) {
    const std::uint32_t bits = random();
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    const QByteArray text = shortestNumber(value).toLatin1();
    const float back = std::strtof(text.constData(), nullptr);
    ASSERT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text.constData();
  }
}

// A unit given with an entry stays the row's unit; an entry without one is in the default unit.
// The unit only scales what is typed: 0.06 m³/s and 60 l/s reach the same state.
TEST(Output, AnEntryShowsItsRowInTheUnitItWasGivenIn) {
  const RunResult inCubic = run({"1", "flow=0.06 m³/s", "--format", "csv"});
  ASSERT_EQ(inCubic.status, kSolved) << inCubic.err.toStdString();
  EXPECT_TRUE(inCubic.out.contains("\nFlow Rate,0.060000,m³/s,0.06,0\n"));
  const RunResult inLitres = run({"1", "flow=60", "--format", "csv"});
  EXPECT_TRUE(inLitres.out.contains("\nFlow Rate,60.000,l/s,0.06,0\n"));
  EXPECT_EQ(inLitres.out.mid(inLitres.out.indexOf("C Factor")),
            inCubic.out.mid(inCubic.out.indexOf("C Factor")));
  const RunResult backToLitres = run({"1", "flow=0.06 m³/s", "flow=60", "--format", "csv"});
  ASSERT_EQ(backToLitres.status, kSolved);
  EXPECT_TRUE(backToLitres.out.contains("\nFlow Rate,60.000,l/s,0.06,0\n"));
}

struct StatusRow {
  QString what;
  QStringList args;
  int status;
  QString err;  // the whole of standard error, or, ending in "…", its beginning
};

void expectRun(const StatusRow& row, const RunResult& r) {
  SCOPED_TRACE(row.what.toStdString());
  EXPECT_EQ(r.status, row.status);
  if (row.err.endsWith(u'…')) {
    EXPECT_TRUE(r.err.startsWith(row.err.chopped(1))) << r.err.toStdString();
  } else {
    EXPECT_EQ(r.err, row.err);
  }
  // Only a solved page, or one left as it was before a failed solve, is printed.
  EXPECT_EQ(r.out.isEmpty(), row.status != kSolved && row.status != kNoSolution);
}

TEST(ExitStatus, BadUsageAndBadDataFilesGiveTwo) {
  const DataFile noPages(QByteArray("{\\rtf1 nothing here\\par}"));
  const DataFile notRtf(QByteArray("plain text, not a document"));
  PageText noUnknown;
  noUnknown.system =
      "#&Diameter =, 0.1, 2, 0# #&Flow =, 0.01, 1, 0# #&Loss =, 0.07431, 1, 0#"
      " #0,Bends :- Loss of a bend,Bends,1#";
  const DataFile withoutUnknown({noUnknown});
  const QString missing = QDir(testing::TempFolder().path()).filePath("gone.rtf");
  const StatusRow rows[] = {
      {"no page", {}, kBadUsage, "no page given\n" + usageLine() + "\n"},
      {"missing file",
       {"--data", missing, "1"},
       kBadUsage,
       "System Data File not found !\n[" + missing + "]\nLoading ABORT !\n"},
      {"no page in the file",
       {"--data", noPages.path(), "1"},
       kBadUsage,
       "System Data File is damaged !\nthere is no \"\\SYSTEM/\" section, so the file has no "
       "pages\n[" +
           noPages.path() + "]\nLoading ABORT !\n"},
      {"not RTF", {"--data", notRtf.path(), "1"}, kBadUsage, "System Data File is damaged !\n…"},
      {"unknown page", {"--data", kShippedFile, "Darcy"}, kBadUsage, "There is no page…"},
      {"unknown name",
       {"--data", kShippedFile, "1", "q=5"},
       kBadUsage,
       "H.Williams has no variable \"q\".…"},
      {"unknown unit",
       {"--data", kShippedFile, "1", "flow=5 gal"},
       kBadUsage,
       "\"gal\" is not a unit of Flow Rate.…"},
      {"value as text",
       {"--data", kShippedFile, "1", "flow=lots"},
       kBadUsage,
       "\"lots\" is not a unit of Flow Rate.…"},
      {"the unknown entered",
       {"--data", kShippedFile, "1", "head=2"},
       kBadUsage,
       "Head Loss is the variable solved for on H.Williams; choose another with --for to enter "
       "it.\n"},
      // A misspelt last entry stops the run before the first is solved.
      {"late misspelling",
       {"--data", kShippedFile, "1", "flow=-5", "q=1"},
       kBadUsage,
       "H.Williams has no variable \"q\".…"},
      {"nothing to solve for",
       {"--data", withoutUnknown.path(), "1", "flow=0.02"},
       kBadUsage,
       "Bends has no variable to solve for; choose one with --for NAME.\n"},
  };
  for (const StatusRow& row : rows)
    expectRun(row, runCommandLine(row.args));
  // A page without an unknown can still be shown.
  EXPECT_EQ(runCommandLine({"--data", withoutUnknown.path(), "1"}).status, kSolved);
}

TEST(ExitStatus, AnEntryOutOfItsRangeGivesThreeWithTheWindowsMessageAndPrintsNothing) {
  const StatusRow rows[] = {
      {"negative flow",
       {"1", "flow=-5"},
       kRefused,
       " Flow Rate   out of Range!\nAccepted range is:…"},
      {"empty value reads 0", {"1", "flow="}, kRefused, " Flow Rate   out of Range!\n…"},
      {"after an accepted entry",
       {"1", "pipe d=250", "flow=-5"},
       kRefused,
       " Flow Rate   out of Range!\n…"},
      {"beyond the Single range",
       {"1", "flow=1e39"},
       kRefused,
       " Flow Rate   out of Range!\nThe number is beyond the largest that can be held "
       "(3.402823E+38).\n"},
      {"beyond the Single range in the base unit",
       {"1", "pipe l=3e38 km"},
       kRefused,
       "Pipe  Length   out of Range!\nThe number is beyond the largest that can be held "
       "(3.402823E+38).\n"},
  };
  for (const StatusRow& row : rows)
    expectRun(row, run(row.args));
  // The accepted range is shown in the unit the entry was given in.
  EXPECT_TRUE(run({"1", "flow=-5"}).err.endsWith("l/s\n"));
  EXPECT_TRUE(run({"1", "flow=-5 m³/h"}).err.endsWith("m³/h\n"));
}

TEST(ExitStatus, AnExhaustedSolveGivesFourAndPrintsThePageAsBeforeTheEntry) {
  // Velocity is an output of the formula: solving for it never converges.
  const RunResult before = run({"1", "--for", "velocity", "--format", "csv"});
  ASSERT_EQ(before.status, kSolved);
  const QString failed =
      "The equation is ill-conditioned, real solution may not be possible.\n"
      "No answer found after  500 iterations.\n";
  const StatusRow inDefaultUnit{
      "in the default unit",
      {"1", "--for", "velocity", "flow=70", "--format", "csv"},
      kNoSolution,
      failed +
          "Entry 1, \"flow=70\" (Flow Rate), was not taken: the page is as it was before it.\n"};
  const RunResult r = run(inDefaultUnit.args);
  expectRun(inDefaultUnit, r);
  EXPECT_EQ(r.out, before.out);

  // The row keeps the unit the entry was given in, as the window's row keeps a unit chosen for
  // an entry that then fails.
  const StatusRow inOtherUnit{
      "in another unit",
      {"1", "--for", "velocity", "pipe d=0.4 m", "--format", "csv"},
      kNoSolution,
      failed +
          "Entry 1, \"pipe d=0.4 m\" (Pipe Dia.), was not taken: the page is as it was before "
          "it.\n"};
  const RunResult other = run(inOtherUnit.args);
  expectRun(inOtherUnit, other);
  EXPECT_EQ(other.out, QString(before.out).replace("Pipe Dia.,300.0,mm,", "Pipe Dia.,0.30000,m,"));
}

TEST(ExitStatus, APageWithoutAFormulaIsReportedOnceAndGivesFour) {
  PageText page;
  page.system =
      "#&Diameter =, 0.1, 2, 0# #&Flow =, 0.01, 1, 0# #&Loss =, 0.07431, 1, 1#"
      " #0,Nothing :- no formula,Nothing,1#";
  const DataFile file({page});
  const RunResult r = runCommandLine({"--data", file.path(), "nothing", "flow=0.02"});
  EXPECT_EQ(r.status, kNoSolution);
  EXPECT_TRUE(r.err.startsWith("Formular not available!\nThe equation is ill-conditioned"))
      << r.err.toStdString();
  EXPECT_EQ(r.err.count("Formular not available!"), 1);
}

}  // namespace
}  // namespace vantrel::solve
