// From realistic solved states of every formula, each variable is edited in turn and each other
// variable solved for. The formula's shape predicts most outcomes; the few edits that have no
// physical solution are listed with the reason and checked for it.

#include <gtest/gtest.h>

#include <iostream>
#include <map>

#include "calc/FormulaCheck.h"
#include "calc/WorkedValues.h"

namespace vantrel::calc {
namespace {

using testing::SolveResult;

struct Exception {
  QString caption;
  Single depthRatio;  // Manning states are told apart by y/D; 0 matches any
  int edited;         // 0 matches any
  int unknown;
  const char* reason;
};

const Exception kPhysicalLimits[] = {
    {"C.White", 0, 2, 4,
     "10 % more flow than the fully rough pipe carries at this head: no viscosity is small "
     "enough"},
    {"Manning", 1, 0, 4,
     "y/D = 1 is the edge of the domain: the derivative step y/D (1 + 1e-5) is no pipe"},
};

const Exception* physicalLimit(const QString& caption, const Array1<Single>& state, int edited,
                               int unknown) {
  for (const Exception& e : kPhysicalLimits) {
    if (e.caption != caption || e.unknown != unknown) continue;
    if (e.edited != 0 && e.edited != edited) continue;
    if (e.depthRatio != 0 && state(4) != e.depthRatio) continue;
    return &e;
  }
  return nullptr;
}

Array1<Single> solvedState(const testing::WorkedSet& set) {
  Array1<Single> v = set.vector();
  Single start = v(set.unknown == 1 ? 2 : 1);
  testing::FakeCalcUi ui;
  NewtonSolve(v, static_cast<Integer>(set.unknown), set.unknown == 1 ? 2 : 1, start, ui,
              set.caption);
  return v;
}

TEST(SolveMatrix, EveryEditAndUnknownOfEveryFormula) {
  for (const testing::WorkedSet& set : testing::workedSets()) {
    const testing::FormulaLayout& layout = *testing::layoutOf(set.caption);
    const Array1<Single> state = solvedState(set);
    ASSERT_TRUE(testing::checkSolvedState(state, set.caption).ok) << set.caption.toStdString();
    // A full pipe can only get emptier.
    const Single factor = set.caption == "Manning" && state(4) == 1 ? 0.9f : 1.1f;
    std::map<SolveResult, std::vector<std::string>> seen;
    for (Integer edited = 1; edited <= layout.size; ++edited) {
      for (Integer unknown = 1; unknown <= layout.size; ++unknown) {
        if (unknown == edited) continue;
        const std::string where = set.caption.toStdString() + " edit " + std::to_string(edited) +
                                  " solve " + std::to_string(unknown);
        SCOPED_TRACE(where);
        const Single requested = state(edited) * factor;
        const testing::SolveOutcome outcome =
            testing::editAndSolve(state, set.caption, edited, unknown, requested);
        const SolveResult result = testing::classify(outcome, edited, requested);
        const Exception* limit = physicalLimit(set.caption, state, edited, unknown);
        const SolveResult expected =
            limit ? SolveResult::Refused : testing::structuralExpectation(layout, edited, unknown);
        EXPECT_EQ(testing::nameOf(result), std::string(testing::nameOf(expected)))
            << outcome.check.why.toStdString();
        if (result != SolveResult::Solved)
          seen[result].push_back(std::to_string(edited) + "->" + std::to_string(unknown));
      }
    }
    std::cout << "[ matrix   ] " << set.caption.toStdString();
    if (set.caption == "Manning") std::cout << " y/D " << state(4);
    std::cout << ":";
    for (const auto& [result, pairs] : seen) {
      std::cout << " " << testing::nameOf(result) << " {";
      for (const std::string& pair : pairs)
        std::cout << " " << pair;
      std::cout << " }";
    }
    std::cout << "\n";
  }
}

// The first exception, checked against the textbook formula: with no viscous term at all the
// pipe carries less than the edited flow.
TEST(SolveMatrix, RoughPipeLimitIsBelowTheEditedFlow) {
  const Array1<Single> state = solvedState(testing::workedSets()[1]);
  Array1<Single> inviscid = state;
  inviscid(4) = 0;
  testing::Balance b;
  ASSERT_TRUE(testing::textbookBalance(inviscid, "C.White", b));
  EXPECT_LT(b.rhs, state(2) * 1.1);
  EXPECT_GT(b.rhs, state(2));
}

}  // namespace
}  // namespace vantrel::calc
