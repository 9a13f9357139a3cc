#include "calc/Formular.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "calc/FakeCalcUi.h"
#include "calc/FormulaCheck.h"
#include "calc/WorkedValues.h"

namespace vantrel::calc {
namespace {

using testing::FakeCalcUi;

// A vector of `size` elements (at least the given values), the rest set to `fill`.
Array1<Single> vectorOf(const std::vector<Single>& values, int size = 0, Single fill = 0) {
  Array1<Single> v(std::max(size, static_cast<int>(values.size())), fill);
  int i = 1;
  for (Single x : values)
    v(i++) = x;
  return v;
}

// Worked values balance and give their outputs; the outputs never feed the residual, and a
// changed output is written back the same.
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
    if (set.residual != 0) {
      EXPECT_EQ(r, set.residual);
    }
    for (const auto& [position, expected] : set.expectedOutputs) {
      EXPECT_TRUE(testing::sameToFourDigits(v(position), expected))
          << position << ": " << v(position);
    }
    if (set.wettedArea > 0) {
      EXPECT_TRUE(testing::sameToFourDigits(v(2) / v(9), set.wettedArea)) << v(2) / v(9);
    }
    for (int position : testing::layoutOf(set.caption)->outputs) {
      Array1<Single> changed = set.vector();
      changed(position) = 12345.0f;
      EXPECT_EQ(FormulaResidual(changed, flag, set.caption, ui), r) << position;
      EXPECT_EQ(changed, v) << position;
    }
    EXPECT_TRUE(ui.criticals.empty());
  }
}

// A failing evaluation sets the flag, returns 0 and keeps the outputs written before it.
TEST(FormulaResidual, ArithmeticFailuresEndTheEvaluationKeepingEarlierOutputs) {
  constexpr Single kUnset = -7;
  const struct {
    const char* name;
    QString caption;
    std::vector<Single> inputs;
    Integer flag;
    std::vector<int> written;  // the outputs written; the others stay unset
  } cases[] = {
      {"HW zero flow: K divides by v^2", "H.Williams", {0.1f, 0, 100, 100, 3}, 1, {6, 8}},
      {"HW negative flow to a fractional power", "H.Williams", {0.1f, -0.01f, 100, 100, 3}, 1, {}},
      {"HW residual beyond Single", "H.Williams", {1e-45f, 0.01f, 100, 100, 3}, 1, {}},
      {"CW zero flow", "C.White", {0.1f, 0, 1e-4f, 1e-6f, 100, 1}, 1, {7, 9}},
      {"CW zero head loss: w = 0", "C.White", {0.1f, 0.007f, 1e-4f, 1e-6f, 100, 0}, 1, {}},
      {"CW negative log argument", "C.White", {0.1f, 0.007f, -1, 1e-6f, 100, 1}, 1, {}},
      {"CW NaN input", "C.White", {0.1f, 0.007f, NAN, 1e-6f, 100, 1}, 1, {}},
      {"Manning empty pipe", "Manning", {0.5f, 0.06f, 0.013f, 0, 100, 0.1f}, 1, {}},
      {"Manning negative depth", "Manning", {0.5f, 0.06f, 0.013f, -0.1f, 100, 0.1f}, 1, {}},
      {"Manning over full", "Manning", {0.5f, 0.06f, 0.013f, 1.1f, 100, 0.1f}, 1, {}},
      {"Manning zero flow", "Manning", {0.5f, 0, 0.013f, 0.5f, 100, 0.1f}, 1, {7, 9}},
      {"Orifice zero flow", "Orifice", {0.1f, 0.5f, 0, 3, 0.61f}, 1, {6, 7}},
      {"Bends zero flow is fine", "Bends", {0.1f, 0, 0.9f, 0.07f}, 0, {5}},
      {"Bends velocity beyond Single", "Bends", {1e-20f, 3e38f, 0.9f, 0.07f}, 1, {}},
      {"Expansion zero D2 after v1", "Expansion", {0.1f, 0, 0.01f, 0.5f, 0.04f}, 1, {6}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const testing::FormulaLayout& layout = *testing::layoutOf(c.caption);
    Array1<Single> v = vectorOf(c.inputs, layout.size, kUnset);
    FakeCalcUi ui;
    Integer flag = 5;
    const Single r = FormulaResidual(v, flag, c.caption, ui);
    EXPECT_EQ(flag, c.flag);
    EXPECT_TRUE(c.flag == 0 || r == 0.0f);
    for (int position : layout.outputs) {
      const bool written = std::count(c.written.begin(), c.written.end(), position) > 0;
      EXPECT_EQ(v(position) != kUnset, written) << "position " << position;
      EXPECT_TRUE(std::isfinite(v(position))) << "position " << position;
    }
  }
  // A vector too short for the formula is refused before anything is written.
  for (const testing::FormulaLayout& layout : testing::formulaLayouts()) {
    Array1<Single> v(layout.size - 1, 0.5f);
    Integer flag = 0;
    FakeCalcUi ui;
    EXPECT_THROW(FormulaResidual(v, flag, layout.caption, ui), IndexError);
    EXPECT_EQ(v, Array1<Single>(layout.size - 1, 0.5f));
  }
}

TEST(FormulaResidual, BlanksAroundACaptionAreIgnored) {
  for (const QString caption : {" Bends", "Bends  ", " Bends "}) {
    Array1<Single> v = vectorOf({0.1f, 0.01f, 0.9f, 0.07431f, 0});
    Array1<Single> expected = v;
    FakeCalcUi ui;
    Integer flag = 0;
    EXPECT_EQ(FormulaResidual(v, flag, caption, ui), FormulaResidual(expected, flag, "Bends", ui));
    EXPECT_EQ(v, expected);
    EXPECT_TRUE(ui.criticals.empty()) << caption.toStdString();
  }
}

TEST(FormulaResidual, UnknownCaptionsReportAndLeaveTheVectorAlone) {
  for (const QString caption : {"bends", "Bends\t", "\u00a0Bends", "", "C.white", "IN/OUT"}) {
    SCOPED_TRACE(caption.toStdString());
    Array1<Single> v = vectorOf({0.1f, 0.01f, 0.9f, 0.07f, 3});
    const Array1<Single> before = v;
    FakeCalcUi ui;
    Integer flag = 1;
    EXPECT_EQ(FormulaResidual(v, flag, caption, ui), 0.0f);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(v, before);
    EXPECT_EQ(ui.criticals, std::vector<QString>{"Formular not available!"});
  }
}

TEST(FormulaResidual, GeometryOfTheSpecialStates) {
  FakeCalcUi ui;
  Integer flag = 0;
  // The three fitting captions are one formula.
  Array1<Single> bends = vectorOf({0.15f, 0.02f, 1.3f, 0.4f, 0});
  const Single r = FormulaResidual(bends, flag, "Bends", ui);
  for (const char* caption : {"Valves", "In/Out"}) {
    Array1<Single> v = vectorOf({0.15f, 0.02f, 1.3f, 0.4f, 0});
    EXPECT_EQ(FormulaResidual(v, flag, caption, ui), r);
    EXPECT_EQ(v, bends);
  }
  // Equal diameters: no change of section.
  for (const char* caption : {"Expansion", "Contraction"}) {
    Array1<Single> v = vectorOf({0.1f, 0.1f, 0.01f, 0.5f, 0.04f, 0, 0, 0});
    FormulaResidual(v, flag, caption, ui);
    EXPECT_EQ(v(8), 1.0f);
    EXPECT_EQ(v(6), v(7));
  }
  // Full pipe: the sector angle is 3.1416 (its sine term takes the area to pi D^2 / 4, within
  // a few parts in 10^6 of 3.1416 D^2 / 4); half full: pi / 2.
  const std::pair<Single, double> sectors[] = {{1.0f, 3.1416 * 0.25 / 4}, {0.5f, M_PI * 0.25 / 8}};
  for (const auto& [depth, area] : sectors) {
    Array1<Single> v = vectorOf({0.5f, 0.06f, 0.013f, depth, 100, 0.1f, 0, 0, 0});
    FormulaResidual(v, flag, "Manning", ui);
    EXPECT_EQ(flag, 0);
    EXPECT_NEAR(v(2) / v(9), area, 5e-6 * area);
  }
  EXPECT_TRUE(ui.criticals.empty());
}

// Extreme and non-finite inputs: never a trap, never a NaN or infinity written by the formula.
TEST(FormulaResidual, ExtremeInputsNeverWriteNonFiniteValues) {
  const Single pool[] = {0,      -0.0f,   1,        -1,  1e-45f, 1e20f, 3e38f,
                         -3e38f, FLT_MAX, INFINITY, NAN, 0.1f,   100};
  std::mt19937 random(20261205);
  FakeCalcUi ui;
  for (const testing::FormulaLayout& layout : testing::formulaLayouts()) {
    for (int round = 0; round < 500; ++round) {
      Array1<Single> v(layout.size);
      for (int i = 1; i <= layout.size; ++i)
        v(i) = pool[random() % std::size(pool)];
      const Array1<Single> before = v;
      Integer flag = 0;
      ASSERT_TRUE(std::isfinite(FormulaResidual(v, flag, layout.caption, ui)));
      ASSERT_TRUE(flag == 0 || flag == 1);
      for (int i = 1; i <= layout.size; ++i)
        ASSERT_TRUE(std::isfinite(v(i)) || std::memcmp(&v(i), &before(i), sizeof(Single)) == 0)
            << layout.caption.toStdString() << " position " << i;
    }
  }
}

}  // namespace
}  // namespace vantrel::calc
