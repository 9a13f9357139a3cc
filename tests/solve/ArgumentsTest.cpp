// Reading the command line: where an entry's number ends and its unit begins, the options in
// both spellings, and the command lines that are refused.

#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "solve/Arguments.h"
#include "solve/SolveError.h"

namespace vantrel::solve {
namespace {

struct Split {
  QStringList args;
  QString name, number, unit;
};

TEST(Arguments, AnEntrySplitsWhereTheLeadingNumberEnds) {
  const Split rows[] = {
      {{"1", "flow=60"}, "flow", "60", ""},
      {{"1", "flow=60l/s"}, "flow", "60", "l/s"},
      {{"1", "flow=60 l/s"}, "flow", "60", "l/s"},
      {{"1", "flow=60", "US", "gpm"}, "flow", "60", "US gpm"},
      {{"1", "flow=60 US", "gpm"}, "flow", "60", "US gpm"},
      {{"1", " Flow Rate = 1 000.5  US  gpm"}, "Flow Rate", "1 000.5", "US gpm"},
      {{"1", "d=1.5e3mm"}, "d", "1.5e3", "mm"},
      {{"1", "d=-2.5D-3 m"}, "d", "-2.5D-3", "m"},
      // An exponent letter without digits after it is not part of the number.
      {{"1", "d=5 deg"}, "d", "5", "deg"},
      {{"1", "d=5e"}, "d", "5", "e"},
      // Text without a leading number reads 0, as in a value box; the text is then a unit.
      {{"1", "d=abc"}, "d", "", "abc"},
      {{"1", "d=-"}, "d", "", "-"},
      {{"1", "d="}, "d", "", ""},
  };
  for (const Split& row : rows) {
    SCOPED_TRACE(row.args.join(' ').toStdString());
    const Request r = parseArguments(row.args);
    ASSERT_EQ(r.assignments.size(), 1u);
    EXPECT_EQ(r.assignments[0].name, row.name);
    EXPECT_EQ(r.assignments[0].number, row.number);
    EXPECT_EQ(r.assignments[0].unit, row.unit);
  }
}

TEST(Arguments, OptionsStandAnywhereInEitherSpelling) {
  const QStringList spellings[] = {
      {"--data", "my file.rtf", "Bends", "k=2", "--for", "velo", "--format", "json"},
      {"Bends", "--for=velo", "k=2", "--format=JSON", "--data=my file.rtf"},
  };
  for (const QStringList& args : spellings) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const Request r = parseArguments(args);
    EXPECT_EQ(r.dataFile, "my file.rtf");
    EXPECT_EQ(r.page, "Bends");
    EXPECT_EQ(r.unknown, "velo");
    EXPECT_EQ(r.format, Format::Json);
    ASSERT_EQ(r.assignments.size(), 1u);
    EXPECT_EQ(r.assignments[0].typed, "k=2");
  }
  const Request plain = parseArguments({"7"});
  EXPECT_EQ(plain.format, Format::Text);
  EXPECT_TRUE(plain.dataFile.isEmpty());
  EXPECT_TRUE(plain.unknown.isEmpty());
  EXPECT_TRUE(parseArguments({"--help"}).help);
  EXPECT_TRUE(parseArguments({"1", "-h"}).help);
}

TEST(Arguments, RefusedCommandLinesSayWhyAndShowTheUsage) {
  const std::pair<QStringList, QString> rows[] = {
      {{}, "no page given"},
      {{"flow=60"}, "\"flow=60\" comes before the page"},
      {{"1", "extra"}, "unexpected \"extra\""},
      // An option ends an entry: a word after it is no unit.
      {{"1", "flow=60", "--for", "head", "l/s"}, "unexpected \"l/s\""},
      {{"1", "=5"}, "\"=5\" names no variable before its \"=\""},
      {{"1", "--format", "xml"}, "unknown format \"xml\": text, csv or json"},
      {{"1", "--for"}, "--for needs a value"},
      {{"1", "--data="}, "--data needs a value"},
      {{"1", "--for", "a", "--for", "b"}, "--for is given twice"},
      {{"1", "--verbose"}, "unknown option \"--verbose\""},
  };
  for (const auto& [args, problem] : rows) {
    SCOPED_TRACE(args.join(' ').toStdString());
    try {
      parseArguments(args);
      ADD_FAILURE() << "accepted";
    } catch (const SolveError& e) {
      EXPECT_EQ(e.status(), kBadUsage);
      EXPECT_EQ(e.message(), problem + '\n' + usageLine());
    }
  }
}

}  // namespace
}  // namespace vantrel::solve
