// The shipped data file's pages: every default state is a solved state of its formula, and from
// it each input is edited by a realistic amount and every other variable solved for in turn.

#include <gtest/gtest.h>

#include <iostream>
#include <map>

#include "calc/FormulaCheck.h"
#include "datafile/LoaderFixture.h"

namespace vantrel::calc {
namespace {

struct ShippedPage {
  QString caption;
  Array1<Single> defaults;  // as the window's CurValue holds them: MaxVarCount elements
};

std::vector<ShippedPage> shippedPages() {
  vantrel::testing::LoadResult r;
  rtf::WorkingDocument doc;
  datafile::ReadSystemData(doc, r.tables, QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"),
                           r.view);
  std::vector<ShippedPage> pages;
  for (int i = 1; i <= r.tables.PageCount; ++i) {
    ShippedPage page{r.tables.PageCaption(i), Array1<Single>(r.tables.MaxVarCount)};
    for (int j = 1; j <= r.tables.VarCount(i); ++j)
      page.defaults(j) = r.tables.VarDefault(i, j);
    pages.push_back(page);
  }
  return pages;
}

TEST(ShippedDefaults, AreSolvedStates) {
  for (const ShippedPage& page : shippedPages()) {
    const testing::StateCheck check = testing::checkSolvedState(page.defaults, page.caption);
    EXPECT_TRUE(check.ok) << page.caption.toStdString() << ": " << check.why.toStdString();
    // The engine itself sees a zero residual and writes the outputs the file holds.
    Array1<Single> values = page.defaults;
    Integer errFlag = 0;
    testing::FakeCalcUi ui;
    const Single residual = FormulaResidual(values, errFlag, page.caption, ui);
    EXPECT_EQ(errFlag, 0);
    const testing::FormulaLayout& layout = *testing::layoutOf(page.caption);
    for (int position : layout.outputs) {
      EXPECT_NEAR(values(position), page.defaults(position),
                  std::abs(page.defaults(position)) * 1e-6)
          << page.caption.toStdString() << " output " << position;
    }
    EXPECT_LT(std::abs(residual), 1e-6) << page.caption.toStdString();
  }
}

// Edits with no physical solution: the budget question comes and No restores the page.
struct PhysicalLimit {
  const char* caption;
  int edited;
  int unknown;
};
// 10 % more flow at the same head needs a smoother pipe than k = 0 or a thinner liquid than
// nu = 0 (checked below with the textbook formula).
constexpr PhysicalLimit kPhysicalLimits[] = {{"C.White", 2, 3}, {"C.White", 2, 4}};

bool isPhysicalLimit(const QString& caption, int edited, int unknown) {
  for (const PhysicalLimit& limit : kPhysicalLimits) {
    if (caption == limit.caption && edited == limit.edited && unknown == limit.unknown) return true;
  }
  return false;
}

TEST(ShippedDefaults, ColebrookWhiteFlowLimitsAreBelowTheEditedFlow) {
  for (const ShippedPage& page : shippedPages()) {
    if (page.caption != "C.White") continue;
    for (int vanishing : {3, 4}) {
      Array1<Single> limit = page.defaults;
      limit(vanishing) = 0;
      testing::Balance b;
      ASSERT_TRUE(testing::textbookBalance(limit, page.caption, b));
      EXPECT_GT(b.rhs, page.defaults(2));
      EXPECT_LT(b.rhs, page.defaults(2) * 1.1) << "position " << vanishing;
    }
  }
}

// Each input edited by 10 % (y/D and beta, which have an upper limit of 1, downwards), each
// other variable solved for. Apart from the physical limits above, the shape of the formula
// predicts every outcome: outputs and the diameter a sudden change's loss does not read cannot
// be solved for (the budget question comes and No restores the page), and everything else is
// solved.
TEST(ShippedDefaults, EveryInputEditSolvesForEveryOtherVariable) {
  for (const ShippedPage& page : shippedPages()) {
    const testing::FormulaLayout& layout = *testing::layoutOf(page.caption);
    std::map<testing::SolveResult, std::vector<std::string>> seen;
    std::uint64_t solvedEvaluations = 0;
    int solvedCount = 0;
    for (Integer edited : layout.inputs) {
      const bool boundedAbove =
          (page.caption == "Manning" && edited == 4) || (page.caption == "Orifice" && edited == 2);
      const Single requested = page.defaults(edited) * (boundedAbove ? 0.9f : 1.1f);
      for (Integer unknown = 1; unknown <= layout.size; ++unknown) {
        if (unknown == edited) continue;
        SCOPED_TRACE(page.caption.toStdString() + " edit " + std::to_string(edited) + " solve " +
                     std::to_string(unknown));
        const testing::SolveOutcome outcome =
            testing::editAndSolve(page.defaults, page.caption, edited, unknown, requested);
        const testing::SolveResult result = testing::classify(outcome, edited, requested);
        const testing::SolveResult expected =
            isPhysicalLimit(page.caption, edited, unknown)
                ? testing::SolveResult::Refused
                : testing::structuralExpectation(layout, edited, unknown);
        EXPECT_EQ(testing::nameOf(result), std::string(testing::nameOf(expected)))
            << outcome.check.why.toStdString();
        seen[result].push_back(std::to_string(edited) + "->" + std::to_string(unknown));
        if (result == testing::SolveResult::Solved) {
          solvedEvaluations += outcome.evaluations;
          ++solvedCount;
        }
      }
    }
    std::cout << "[ shipped  ] " << page.caption.toStdString() << ":";
    for (const auto& [result, pairs] : seen) {
      std::cout << " " << testing::nameOf(result) << " " << pairs.size();
      if (result != testing::SolveResult::Solved) {
        std::cout << " {";
        for (const std::string& pair : pairs)
          std::cout << " " << pair;
        std::cout << " }";
      }
    }
    if (solvedCount > 0) std::cout << "; evaluations per solve " << solvedEvaluations / solvedCount;
    std::cout << "\n";
  }
}

}  // namespace
}  // namespace vantrel::calc
