// The flow formulas and the Newton solver, on the worked value sets of the formulas (four
// significant digits).

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

#include "calc/FormulaLayout.h"
#include "calc/Formular.h"
#include "calc/NewtonMethod.h"
#include "calc/SolveWorking.h"

namespace vantrel::calc {
namespace {

// Records what the solver shows and asks; a question is answered by `answer`, else with No.
struct FakeCalcUi : CalcUi {
  void setStatusText(const QString& text) override { statusTexts.push_back(text); }
  bool askYesNo(const QString& text) override {
    questions.push_back(text);
    return answer && answer();
  }
  void showCritical(const QString& text) override { criticals.push_back(text); }
  std::function<bool()> answer;
  std::vector<QString> statusTexts, questions, criticals;
};

struct WorkedSet {
  QString caption;
  std::vector<Single> inputs;  // the unknown at its worked value
  int unknown;
  std::vector<double> outputs;  // the positions after the inputs, to four digits (0: not given)
  Single residual = 0;          // to the last bit, where the set gives it

  int firstOutput() const { return static_cast<int>(inputs.size()) + 1; }
  Array1<Single> vector() const {
    Array1<Single> v(static_cast<int>(inputs.size() + outputs.size()));
    for (int i = 1; i < firstOutput(); ++i)
      v(i) = inputs[static_cast<std::size_t>(i - 1)];
    return v;
  }
};

// The residuals to the last bit show what the formulas hold in single precision: with w of
// "C.White" or the velocity of "Bends" in double precision they would be 2.09193e-07 and
// 2.98440523e-06.
const WorkedSet kWorkedSets[] = {
    {"H.Williams", {0.1f, 0.01f, 100, 100, 3.125f}, 5, {0.03125, 37.85, 1.273}},
    {"C.White", {0.1f, 0.007368f, 1e-4f, 1e-6f, 100, 1}, 2, {0.01, 0, 0.9380}, 2.08794646e-07f},
    {"Manning", {0.5f, 0.05970f, 0.013f, 0.5f, 100, 0.1f}, 2, {0.001, 0, 0}},
    {"Manning", {0.5f, 0.1194f, 0.013f, 1, 100, 0.1f}, 2, {0.001, 0, 0}},
    {"Orifice", {0.1f, 0.5f, 0.01f, 3.328f, 0.61f}, 4, {1.273, 5.092, 0}},
    {"Bends", {0.1f, 0.01f, 0.9f, 0.07431f}, 4, {1.273}, 2.97773272e-06f},
    {"Valves", {0.1f, 0.01f, 0.9f, 0.07431f}, 4, {1.273}},
    {"In/Out", {0.1f, 0.01f, 0.9f, 0.07431f}, 4, {1.273}},
    {"Expansion", {0.1f, 0.2f, 0.01f, 0.5625f, 0.04644f}, 5, {1.273, 0.3183, 0.25}},
    {"Contraction", {0.2f, 0.1f, 0.01f, 0.5f, 0.04128f}, 5, {0.3183, 1.273, 0.25}},
};

Single residualOf(Array1<Single>& v, const QString& caption, Integer& flag) {
  FakeCalcUi ui;
  return FormulaResidual(v, flag, caption, ui);
}

// A worked value is a root to four digits: the residual changes sign within five parts in 10^4
// of it. The outputs agree to four digits, and changing one changes nothing else.
TEST(FormulaResidual, WorkedValuesAreRootsAndGiveTheirOutputs) {
  for (const WorkedSet& set : kWorkedSets) {
    SCOPED_TRACE(set.caption.toStdString());
    Array1<Single> v = set.vector(), below = v, above = v;
    Integer flag = 7;
    const Single r = residualOf(v, set.caption, flag);
    EXPECT_EQ(flag, 0);
    EXPECT_TRUE(set.residual == 0 || r == set.residual) << r;
    below(set.unknown) *= 1 - 5e-4f;
    above(set.unknown) *= 1 + 5e-4f;
    EXPECT_LT(residualOf(below, set.caption, flag) * residualOf(above, set.caption, flag), 0);
    for (int i = set.firstOutput(); i <= v.upper(); ++i) {
      const double expected = set.outputs[static_cast<std::size_t>(i - set.firstOutput())];
      const double unit = std::pow(10.0, std::floor(std::log10(expected)) - 3);
      EXPECT_TRUE(expected == 0 || std::fabs(v(i) - expected) <= 0.5 * unit * (1 + 1e-9)) << i;
      Array1<Single> changed = set.vector();
      changed(i) = 12345.0f;
      EXPECT_EQ(residualOf(changed, set.caption, flag), r) << i;
      EXPECT_EQ(changed, v) << i;
    }
  }
}

// A failing evaluation sets the flag, returns 0 and keeps the outputs written before it. A vector
// too short for the formula is refused before anything is written.
TEST(FormulaResidual, FailuresEndTheEvaluationKeepingEarlierOutputs) {
  const struct {
    int set;  // the worked set whose formula is evaluated
    std::vector<Single> inputs;
    Integer flag;
    std::vector<bool> written;  // for each output
  } cases[] = {
      {0, {0.1f, 0, 100, 100, 3}, 1, {true, false, true}},         // zero flow: K divides by v^2
      {0, {0.1f, -0.01f, 100, 100, 3}, 1, {false, false, false}},  // fractional power
      {1, {0.1f, 0.007f, 1e-4f, 1e-6f, 100, 0}, 1, {false, false, false}},    // w = 0
      {1, {0.1f, 0.007f, -1, 1e-6f, 100, 1}, 1, {false, false, false}},       // log of a negative
      {2, {0.5f, 0.06f, 0.013f, 1.1f, 100, 0.1f}, 1, {false, false, false}},  // over full
      {4, {0.1f, 0.5f, 0, 3, 0.61f}, 1, {true, true, false}},
      {5, {0.1f, 0, 0.9f, 0.07f}, 0, {true}},                       // a fitting takes zero flow
      {8, {0.1f, 0, 0.01f, 0.5f, 0.04f}, 1, {true, false, false}},  // v2 divides by zero
  };
  for (const auto& c : cases) {
    const WorkedSet& set = kWorkedSets[static_cast<std::size_t>(c.set)];
    SCOPED_TRACE(set.caption.toStdString() + " " + std::to_string(c.inputs[1]));
    Array1<Single> v(set.vector().upper(), -7.0f);
    for (int i = 1; i < set.firstOutput(); ++i)
      v(i) = c.inputs[static_cast<std::size_t>(i - 1)];
    Integer flag = 5;
    const Single r = residualOf(v, set.caption, flag);
    EXPECT_EQ(flag, c.flag);
    EXPECT_TRUE(flag == 0 || r == 0.0f);
    for (int i = set.firstOutput(); i <= v.upper(); ++i)
      EXPECT_EQ(v(i) != -7.0f, c.written[static_cast<std::size_t>(i - set.firstOutput())]) << i;
    Array1<Single> shorter(v.upper() - 1, 0.5f);
    EXPECT_THROW(residualOf(shorter, set.caption, flag), IndexError);
    EXPECT_EQ(shorter, Array1<Single>(v.upper() - 1, 0.5f));
  }
}

// Captions name formulas exactly, once the blanks around them are dropped.
TEST(FormulaResidual, CaptionsNameTheirFormula) {
  const std::pair<QString, bool> cases[] = {{" Bends", true},   {"Bends  ", true},
                                            {"Bends\t", false}, {"\u00a0Bends", false},
                                            {"bends", false},   {"IN/OUT", false}};
  for (const auto& [caption, known] : cases) {
    Array1<Single> v = kWorkedSets[5].vector();
    Integer flag = 1;
    FakeCalcUi ui;
    const Single r = FormulaResidual(v, flag, caption, ui);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(v(5) != 0, known) << caption.toStdString();
    EXPECT_EQ(ui.criticals, std::vector<QString>(known ? 0 : 1, "Formular not available!"));
    EXPECT_TRUE(known || r == 0);
  }
}

// The result rows are exactly the positions an evaluation writes: each row of a worked set is set
// to a value no formula gives, and only the result rows come back changed.
TEST(ResultRows, AreTheRowsTheFormulaWrites) {
  for (const WorkedSet& set : kWorkedSets) {
    Array1<Single> v = set.vector();
    for (int i = 1; i <= v.upper(); ++i) {
      Array1<Single> marked = v;
      marked(i) = -12345;
      Integer flag = 0;
      residualOf(marked, set.caption, flag);
      EXPECT_EQ(marked(i) != -12345, isWritten(formulaOf(set.caption), i))
          << set.caption.toStdString() << " row " << i;
    }
    EXPECT_FALSE(isWritten(formulaOf(set.caption), v.upper() + 1));
  }
}

// Each worked set is solved back for its unknown after each input is moved to its worked value
// from 10 % below. A watched solve gives the same numbers; its working ends on the answer, in
// the tenth run of the continuation, with the residual there.
TEST(NewtonSolve, WorkedValuesSolveBack) {
  for (const WorkedSet& set : kWorkedSets) {
    for (int edited = 1; edited < set.firstOutput(); ++edited) {
      Array1<Single> v = set.vector();
      const Single target = v(edited), worked = v(set.unknown);
      Single start = target * 0.9f;
      FakeCalcUi ui;
      if (edited == set.unknown) continue;
      Array1<Single> watched = v;
      Single watchedStart = start;
      NewtonSolve(v, set.unknown, edited, start, ui, set.caption);
      EXPECT_TRUE(ui.questions.empty());
      EXPECT_NEAR(v(edited), target, target * 1e-6);
      EXPECT_NEAR(v(set.unknown), worked, worked * 5e-4) << set.caption.toStdString() << edited;

      SolveWorking working;
      NewtonSolve(watched, set.unknown, edited, watchedStart, ui, set.caption, &working);
      EXPECT_EQ(watched, v);
      ASSERT_EQ(working.runs().size(), 10u);
      const NewtonRun* last = working.finalRun();
      ASSERT_NE(last, nullptr);
      EXPECT_EQ(last->edited, target);
      EXPECT_EQ(last->result, v(set.unknown));
      EXPECT_FALSE(last->passes.empty());
      Integer flag = 0;
      EXPECT_EQ(last->residual, FormulaResidual(watched, flag, set.caption, ui));
    }
  }
}

// Near the root of a fitting's loss (linear in the residual) one update lands on it; the result
// is that iterate plus the final derivative step, 1e-5 of it. A failing run gives 0 and flag 2
// after a zero derivative step (start 0), a residual that never changes (no formula) or, with a
// negative tolerance, 501 passes.
TEST(NewtonIterate, ResultAndFailures) {
  const std::tuple<Single, QString, std::uint64_t> cases[] = {
      {0.07431f, "Bends", 0}, {0.0f, "Bends", 2}, {0.07f, "bends", 2}, {-0.07f, "Bends", 1002}};
  for (const auto& [start, caption, evaluations] : cases) {
    Array1<Single> v = kWorkedSets[5].vector();
    v(4) = start;
    FakeCalcUi ui;
    Integer flag = 0;
    const std::uint64_t before = FormulaEvaluationCount();
    const Single x = NewtonIterate(v, 4, flag, caption, ui);
    const double root = 0.9 * (static_cast<double>(v(5)) * v(5)) / 2 / 9.815;
    EXPECT_EQ(flag, evaluations == 0 ? 0 : 2);
    EXPECT_NEAR(x, evaluations == 0 ? root * (1 + 1e-5) : 0, root * 2e-6);
    EXPECT_TRUE(evaluations == 0 || FormulaEvaluationCount() - before == evaluations);
  }
}

// y/D above 1 fails the Manning formula. Moving it from 0.5 to 1.5 in ten steps succeeds up to
// 1.0 and fails at 1.1; the next pass splits the rest in two, and each failure of a first step
// adds one division. Try 501 is the first step of pass 496: 1 + 0.5 / 496. No puts the page
// back; Yes goes on for another 500 runs.
TEST(NewtonSolve, FailedStepsSubdivideUntilTheBudgetQuestion) {
  for (int yes = 0; yes <= 1; ++yes) {
    Array1<Single> v = kWorkedSets[2].vector();
    const Array1<Single> before = v;
    Single start = 0.5f, asked = 0;
    v(4) = 1.5f;
    FakeCalcUi ui;
    ui.answer = [&] {
      asked = asked == 0 ? v(4) : asked;
      return ui.questions.size() <= static_cast<std::size_t>(yes);
    };
    NewtonSolve(v, 1, 4, start, ui, "Manning");
    ASSERT_GE(ui.statusTexts.size(), 4u);
    EXPECT_EQ(std::vector<QString>(ui.statusTexts.begin(), ui.statusTexts.begin() + 4),
              (std::vector<QString>{"Try No.1", "Try No. 0", "Try No. 6", "Try No. 7"}));
    EXPECT_EQ(start, 1.0f);  // the last good state, written through
    EXPECT_EQ(asked, 1.0f + static_cast<Single>(0.5 / 496));
    EXPECT_EQ(ui.questions.back(),
              QString("The equation is ill-conditioned, real solution may not be possible.\rNo "
                      "answer found after  %1 iterations.\rTry another 500 iterations?")
                  .arg(500 * (yes + 1)));
    EXPECT_EQ(v, before);
  }
}

// The snapshot table holds ten values; a longer vector is refused before anything changes.
TEST(NewtonSolve, SnapshotsHoldTenValues) {
  FakeCalcUi ui;
  Array1<Single> ten(10, 2.0f), eleven(11, 1.0f);
  SnapshotValues(ten, kSnapshotSave, 5);
  EXPECT_EQ(SnapshotTable()(5, 10), 2.0f);
  Single start = 2;
  EXPECT_THROW(NewtonSolve(eleven, 1, 2, start, ui, "Bends"), std::length_error);
  EXPECT_EQ(eleven, Array1<Single>(11, 1.0f));
}

}  // namespace
}  // namespace vantrel::calc
