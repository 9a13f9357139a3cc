#include "calc/Formular.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

#include "calc/FakeCalcUi.h"
#include "calc/FormulaCheck.h"
#include "calc/WorkedValues.h"

namespace vantrel::calc {
namespace {

using testing::FakeCalcUi;

Array1<Single> vectorOf(std::initializer_list<Single> values) {
  Array1<Single> v(static_cast<int>(values.size()));
  int i = 1;
  for (Single x : values)
    v(i++) = x;
  return v;
}

TEST(FormulaResidual, WorkedValuesBalanceAndGiveTheirOutputs) {
  for (const testing::WorkedSet& set : testing::workedSets()) {
    SCOPED_TRACE(set.caption.toStdString());
    Array1<Single> v = set.vector();
    FakeCalcUi ui;
    Integer flag = 7;
    const Single r = FormulaResidual(v, flag, set.caption, ui);
    EXPECT_EQ(flag, 0);
    testing::Balance b;
    ASSERT_TRUE(testing::textbookBalance(v, set.caption, b));
    // Four-digit inputs leave a residual of a few parts in 10^4 of the formula's terms.
    EXPECT_LT(std::fabs(r), 1e-3 * std::fabs(b.lhs));
    for (const auto& [position, expected] : set.expectedOutputs) {
      EXPECT_TRUE(testing::sameToFourDigits(v(position), expected))
          << "position " << position << ": " << v(position) << " vs " << expected;
    }
    if (set.wettedArea > 0) {
      EXPECT_TRUE(testing::sameToFourDigits(v(2) / v(9), set.wettedArea)) << v(2) / v(9);
    }
    EXPECT_TRUE(ui.criticals.empty());
  }
}

// Failing evaluations: the flag, and which outputs were written before the failure.
TEST(FormulaResidual, ArithmeticFailuresEndTheEvaluationKeepingEarlierOutputs) {
  constexpr Single kUnset = -7;
  constexpr Single kNaN = std::numeric_limits<Single>::quiet_NaN();
  struct Case {
    const char* name;
    QString caption;
    std::vector<Single> inputs;
    Integer flag;
    std::vector<int> written;  // outputs expected to be written; the others stay unset
  };
  const std::vector<Case> cases = {
      {"HW zero flow: K divides by v^2", "H.Williams", {0.1f, 0, 100, 100, 3}, 1, {6, 8}},
      {"HW zero length", "H.Williams", {0.1f, 0.01f, 100, 0, 3}, 1, {}},
      {"HW negative diameter", "H.Williams", {-0.1f, 0.01f, 100, 100, 3}, 1, {}},
      {"HW negative flow to a fractional power", "H.Williams", {0.1f, -0.01f, 100, 100, 3}, 1, {}},
      {"HW residual beyond Single", "H.Williams", {1e-45f, 0.01f, 100, 100, 3}, 1, {}},
      {"CW zero flow", "C.White", {0.1f, 0, 1e-4f, 1e-6f, 100, 1}, 1, {7, 9}},
      {"CW zero head loss: w = 0", "C.White", {0.1f, 0.007f, 1e-4f, 1e-6f, 100, 0}, 1, {}},
      {"CW negative log argument", "C.White", {0.1f, 0.007f, -1, 1e-6f, 100, 1}, 1, {}},
      {"CW NaN input", "C.White", {0.1f, 0.007f, kNaN, 1e-6f, 100, 1}, 1, {}},
      {"Manning empty pipe", "Manning", {0.5f, 0.06f, 0.013f, 0, 100, 0.1f}, 1, {}},
      {"Manning negative depth", "Manning", {0.5f, 0.06f, 0.013f, -0.1f, 100, 0.1f}, 1, {}},
      {"Manning over full", "Manning", {0.5f, 0.06f, 0.013f, 1.1f, 100, 0.1f}, 1, {}},
      {"Manning zero flow", "Manning", {0.5f, 0, 0.013f, 0.5f, 100, 0.1f}, 1, {7, 9}},
      {"Manning zero n", "Manning", {0.5f, 0.06f, 0, 0.5f, 100, 0.1f}, 1, {}},
      {"Orifice zero flow", "Orifice", {0.1f, 0.5f, 0, 3, 0.61f}, 1, {6, 7}},
      {"Orifice zero beta", "Orifice", {0.1f, 0, 0.01f, 3, 0.61f}, 1, {}},
      {"Bends zero flow is fine", "Bends", {0.1f, 0, 0.9f, 0.07f}, 0, {5}},
      {"Bends zero diameter", "Bends", {0, 0.01f, 0.9f, 0.07f}, 1, {}},
      {"Bends velocity beyond Single", "Bends", {1e-20f, 3e38f, 0.9f, 0.07f}, 1, {}},
      {"Expansion zero D2 after v1", "Expansion", {0.1f, 0, 0.01f, 0.5f, 0.04f}, 1, {6}},
      {"Contraction zero D1", "Contraction", {0, 0.1f, 0.01f, 0.5f, 0.04f}, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const testing::FormulaLayout* layout = testing::layoutOf(c.caption);
    ASSERT_NE(layout, nullptr);
    Array1<Single> v(layout->size, kUnset);
    for (std::size_t i = 0; i < c.inputs.size(); ++i)
      v(static_cast<int>(i) + 1) = c.inputs[i];
    FakeCalcUi ui;
    Integer flag = 5;
    const Single r = FormulaResidual(v, flag, c.caption, ui);
    EXPECT_EQ(flag, c.flag);
    if (c.flag != 0) {
      EXPECT_EQ(r, 0.0f);
    }
    for (int position : layout->outputs) {
      const bool written =
          std::find(c.written.begin(), c.written.end(), position) != c.written.end();
      EXPECT_EQ(v(position) != kUnset, written) << "position " << position;
      EXPECT_FALSE(std::isnan(v(position)) || std::isinf(v(position)));
    }
  }
}

TEST(FormulaResidual, UnknownCaptionsReportAndLeaveTheVectorAlone) {
  for (const QString caption : {"bends", "Bends ", "", "C.white", "Manning2", "IN/OUT"}) {
    SCOPED_TRACE(caption.toStdString());
    Array1<Single> v = vectorOf({0.1f, 0.01f, 0.9f, 0.07f, 3});
    const Array1<Single> before = v;
    FakeCalcUi ui;
    Integer flag = 1;
    EXPECT_EQ(FormulaResidual(v, flag, caption, ui), 0.0f);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(v, before);
    ASSERT_EQ(ui.criticals.size(), 1u);
    EXPECT_EQ(ui.criticals[0], QStringLiteral("Formular not available!"));
  }
}

TEST(FormulaResidual, OutputsNeverInfluenceTheResidual) {
  for (const testing::WorkedSet& set : testing::workedSets()) {
    SCOPED_TRACE(set.caption.toStdString());
    const testing::FormulaLayout* layout = testing::layoutOf(set.caption);
    FakeCalcUi ui;
    Integer flag = 0;
    Array1<Single> v = set.vector();
    const Single reference = FormulaResidual(v, flag, set.caption, ui);
    for (int position : layout->outputs) {
      Array1<Single> changed = set.vector();
      changed(position) = 12345.0f;
      EXPECT_EQ(FormulaResidual(changed, flag, set.caption, ui), reference) << position;
      EXPECT_EQ(changed, v) << position;  // and every output is rewritten the same way
    }
  }
}

TEST(FormulaResidual, GeometryOfTheSpecialStates) {
  FakeCalcUi ui;
  Integer flag = 0;
  // The three fitting captions are one formula.
  std::vector<Array1<Single>> fittings;
  for (const char* caption : {"Bends", "Valves", "In/Out"}) {
    fittings.push_back(vectorOf({0.15f, 0.02f, 1.3f, 0.4f, 0}));
    EXPECT_EQ(FormulaResidual(fittings.back(), flag, caption, ui),
              FormulaResidual(fittings[0], flag, "Bends", ui));
  }
  EXPECT_EQ(fittings[1], fittings[0]);
  EXPECT_EQ(fittings[2], fittings[0]);
  // Equal diameters: no change of section.
  for (const char* caption : {"Expansion", "Contraction"}) {
    Array1<Single> v = vectorOf({0.1f, 0.1f, 0.01f, 0.5f, 0.04f, 0, 0, 0});
    FormulaResidual(v, flag, caption, ui);
    EXPECT_EQ(v(8), 1.0f);
    EXPECT_EQ(v(6), v(7));
  }
  // Full pipe: the sector angle is 3.1416 (its sine term takes the area to pi D^2 / 4, within
  // a few parts in 10^6 of 3.1416 D^2 / 4); half full: pi / 2.
  const struct {
    Single depth;
    double area;
  } sectors[] = {{1.0f, 3.1416 * 0.25 / 4}, {0.5f, M_PI * 0.25 / 8}};
  for (const auto& sector : sectors) {
    Array1<Single> v = vectorOf({0.5f, 0.06f, 0.013f, sector.depth, 100, 0.1f, 0, 0, 0});
    FormulaResidual(v, flag, "Manning", ui);
    EXPECT_EQ(flag, 0);
    EXPECT_NEAR(v(2) / v(9), sector.area, 5e-6 * sector.area);
  }
  EXPECT_TRUE(ui.criticals.empty());
}

TEST(FormulaResidual, VectorShorterThanTheFormulaIsRefusedUntouched) {
  FakeCalcUi ui;
  Integer flag = 0;
  for (const testing::FormulaLayout& layout : testing::formulaLayouts()) {
    Array1<Single> v(layout.size - 1, 0.5f);
    EXPECT_THROW(FormulaResidual(v, flag, layout.caption, ui), IndexError);
    EXPECT_EQ(v, Array1<Single>(layout.size - 1, 0.5f));
  }
}

// Extreme and non-finite inputs: never a trap, never a NaN or infinity written by the formula.
TEST(FormulaResidual, ExtremeInputsNeverWriteNonFiniteValues) {
  const Single pool[] = {0.0f,
                         -0.0f,
                         1.0f,
                         -1.0f,
                         0.5f,
                         1e-45f,
                         -1e-45f,
                         1e-20f,
                         1e20f,
                         3e38f,
                         -3e38f,
                         FLT_MAX,
                         std::numeric_limits<Single>::infinity(),
                         std::numeric_limits<Single>::quiet_NaN(),
                         0.1f,
                         100.0f};
  std::mt19937 random(20261205);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pool) - 1);
  FakeCalcUi ui;
  for (const testing::FormulaLayout& layout : testing::formulaLayouts()) {
    for (int round = 0; round < 3000; ++round) {
      Array1<Single> v(layout.size);
      for (int i = 1; i <= layout.size; ++i)
        v(i) = pool[pick(random)];
      const Array1<Single> before = v;
      Integer flag = 0;
      const Single r = FormulaResidual(v, flag, layout.caption, ui);
      ASSERT_TRUE(flag == 0 || flag == 1);
      ASSERT_TRUE(std::isfinite(r));
      for (int i = 1; i <= layout.size; ++i)
        if (v(i) != before(i) && !(std::isnan(v(i)) && std::isnan(before(i)))) {
          ASSERT_TRUE(std::isfinite(v(i))) << layout.caption.toStdString() << " position " << i;
        }
    }
  }
}

}  // namespace
}  // namespace vantrel::calc
