// Finding pages, variables and units by what the command line calls them.

#include <gtest/gtest.h>

#include <variant>

#include "solve/Matching.h"
#include "solve/SolveError.h"
#include "solve/SolveFixture.h"

namespace vantrel::solve {
namespace {

using testing::DataFile;
using testing::PageText;
using testing::shippedTables;

// Either the index found or the message of the refusal.
using Outcome = std::variant<int, QString>;

template <typename Find>
Outcome outcomeOf(Find find) {
  try {
    return static_cast<int>(find());
  } catch (const SolveError& e) {
    EXPECT_EQ(e.status(), kBadUsage);
    return e.message();
  }
}

void expectOutcome(const Outcome& got, const Outcome& wanted) {
  if (std::holds_alternative<int>(wanted)) {
    ASSERT_TRUE(std::holds_alternative<int>(got)) << std::get<QString>(got).toStdString();
    EXPECT_EQ(std::get<int>(got), std::get<int>(wanted));
  } else {
    ASSERT_TRUE(std::holds_alternative<QString>(got)) << "found " << std::get<int>(got);
    EXPECT_EQ(std::get<QString>(got), std::get<QString>(wanted));
  }
}

const QString kWilliamsNames =
    "Its variables are: Pipe Dia., Flow Rate, C Factor, Pipe Length, Head Loss, Gradient, "
    "K Factor, Velocity.";

TEST(Matching, VariableNamesAreCaptionsWithoutAccessKeyEqualsAndQuestionMark) {
  const std::pair<QString, QString> rows[] = {
      {"&Pipe Dia. =", "Pipe Dia."},  {"Velocity &1 =", "Velocity 1"},
      {"&Head Loss =?", "Head Loss"}, {"Coeff. &Cd =", "Coeff. Cd"},
      {"R&&D &Cost =", "R&D Cost"},   {"Plain", "Plain"},
      {"  &Spaced  =  ", "Spaced"},   {"&Depth y/D =", "Depth y/D"},
  };
  for (const auto& [caption, name] : rows)
    EXPECT_EQ(variableName(caption), name) << caption.toStdString();
}

TEST(Matching, VariablesByCaseAndBlankFreeNameOrUniqueBeginning) {
  struct Row {
    int page;
    QString text;
    Outcome wanted;
  };
  const Row rows[] = {
      {1, "FLOWRATE", 2},
      {1, " flow  r", 2},
      {1, "flow", 2},
      {1, "c", 3},
      {1, "pipe l", 4},
      {4, "coeff. cd", 5},
      {8, "velocity2", 7},
      {1, "pipe",
       "\"pipe\" fits more than one variable of H.Williams (Pipe Dia., Pipe Length). " +
           kWilliamsNames},
      {8, "velocity",
       "\"velocity\" fits more than one variable of Expansion (Velocity 1, Velocity 2). Its "
       "variables are: Upstream D1, Downstr. D2, Flow Rate, K Factor, Head Loss, Velocity 1, "
       "Velocity 2, Area Ratio."},
      {1, "Durchfluss", "H.Williams has no variable \"Durchfluss\". " + kWilliamsNames},
      {1, "Head Loss?", "H.Williams has no variable \"Head Loss?\". " + kWilliamsNames},
      {1, "", "H.Williams has no variable \"\". " + kWilliamsNames},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text.toStdString());
    expectOutcome(outcomeOf([&] { return findVariable(shippedTables(), row.page, row.text); }),
                  row.wanted);
  }
}

TEST(Matching, AnExactNameWinsOverTheLongerNamesItBegins) {
  PageText page;
  page.system =
      "#&Flow =, 1, 1, 0# #&Flow Rate =, 2, 1, 0# #R&&D =, 3, 1, 1# #0,Bends :- x,Bends,1#";
  const DataFile file({page});
  const datafile::PageTables t = file.tables();
  const std::pair<QString, Outcome> rows[] = {
      {"flow", 1},
      {"FLOW", 1},
      {"flowr", 2},
      {"r&d", 3},
      {"fl",
       "\"fl\" fits more than one variable of Bends (Flow, Flow Rate). Its variables are: "
       "Flow, Flow Rate, R&D."},
  };
  for (const auto& [text, wanted] : rows) {
    SCOPED_TRACE(text.toStdString());
    expectOutcome(outcomeOf([&] { return findVariable(t, 1, text); }), wanted);
  }
}

TEST(Matching, UnitsByExactNameThenWholeWithoutCaseBlanksOrSuperscripts) {
  struct Row {
    int page, var;
    QString text;
    Outcome wanted;
  };
  const QString flowUnits = "Its units are: m³/s, l/s, m³/h, l/min, US gpm, ft³/s.";
  const Row rows[] = {
      {1, 2, "l/s", 2},
      {1, 2, "L/S", 2},
      {1, 2, "m3/s", 1},
      {1, 2, "M3/H", 3},
      {1, 2, "US gpm", 5},
      {1, 2, "usgpm", 5},
      {1, 1, "mm", 2},
      {1, 1, "MM", 2},
      {2, 3, "um", 3},
      {2, 4, "mm2/s", 2},
      {1, 2, "gal", "\"gal\" is not a unit of Flow Rate. " + flowUnits},
      // Whole names only: a beginning is not enough.
      {1, 2, "l", "\"l\" is not a unit of Flow Rate. " + flowUnits},
      {1, 3, "m", "C Factor is a number without a unit; \"m\" is not wanted."},
      // The unnamed unit of Depth y/D is not listed.
      {3, 4, "x", "\"x\" is not a unit of Depth y/D. Its units are: %."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text.toStdString());
    expectOutcome(outcomeOf([&] { return findUnit(shippedTables(), row.page, row.var, row.text); }),
                  row.wanted);
  }
}

TEST(Matching, UnitsThatDifferOnlyInCaseNeedTheExactNameAndAZeroFactorEndsTheList) {
  PageText page;
  page.unit =
      "\\ROW/@Mm,0.0,0.001@ @mm,0.0,1000@ @gal,0.0,0@ @in,0.0,39.37@\\ROW/ "
      "\\ROW/@m³/s,0.00000,1@\\ROW/ \\ROW/@m,0.000,1@\\ROW/";
  const DataFile file({page});
  const datafile::PageTables t = file.tables();
  const std::pair<QString, Outcome> rows[] = {
      {"mm", 2},
      {"Mm", 1},
      {"MM", "\"MM\" could be more than one unit of Diameter. Its units are: Mm, mm."},
      {"gal", "\"gal\" is not a unit of Diameter. Its units are: Mm, mm."},
      {"in", "\"in\" is not a unit of Diameter. Its units are: Mm, mm."},
  };
  for (const auto& [text, wanted] : rows) {
    SCOPED_TRACE(text.toStdString());
    expectOutcome(outcomeOf([&] { return findUnit(t, 1, 1, text); }), wanted);
  }
}

TEST(Matching, PagesByTabCaptionInAnyCaseOrByNumber) {
  const QString pages =
      "The pages are: 1 H.Williams, 2 C.White, 3 Manning, 4 Orifice, 5 Bends, 6 Valves, "
      "7 In/Out, 8 Expansion, 9 Contraction.";
  const std::pair<QString, Outcome> rows[] = {
      {"H.Williams", 1},
      {"h.williams", 1},
      {" C.WHITE ", 2},
      {"In/Out", 7},
      {"3", 3},
      {"0", "There is no page \"0\". " + pages},
      {"10", "There is no page \"10\". " + pages},
      {"H.Will", "There is no page \"H.Will\". " + pages},
  };
  for (const auto& [text, wanted] : rows) {
    SCOPED_TRACE(text.toStdString());
    expectOutcome(outcomeOf([&] { return findPage(shippedTables(), text); }), wanted);
  }
}

}  // namespace
}  // namespace vantrel::solve
