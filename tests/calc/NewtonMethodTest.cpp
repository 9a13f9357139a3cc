#include "calc/NewtonMethod.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <stdexcept>

#include "calc/FakeCalcUi.h"
#include "calc/FormulaCheck.h"
#include "calc/Formular.h"
#include "calc/WorkedValues.h"

namespace vantrel::calc {
namespace {

using testing::FakeCalcUi;

// Records the vector as it stands whenever the solver talks to the user.
class ProbingUi : public FakeCalcUi {
 public:
  ProbingUi(const Array1<Single>& watched, bool answer) : FakeCalcUi(answer), watched_(watched) {}
  bool askYesNo(const QString& text) override {
    atQuestion.push_back(watched_);
    return FakeCalcUi::askYesNo(text);
  }
  void showCritical(const QString& text) override {
    atCritical.push_back(watched_);
    FakeCalcUi::showCritical(text);
  }
  std::vector<Array1<Single>> atQuestion, atCritical;

 private:
  const Array1<Single>& watched_;
};

QString question(int runs) {
  return QStringLiteral(
             "The equation is ill-conditioned, real solution may not be possible.\r"
             "No answer found after  %1 iterations.\rTry another 500 iterations?")
      .arg(runs);
}

template <typename F>
std::uint64_t evaluationsOf(F&& run) {
  const std::uint64_t before = FormulaEvaluationCount();
  run();
  return FormulaEvaluationCount() - before;
}

const Array1<Single>& solvedBends() {
  static const Array1<Single> solved = [] {
    Array1<Single> v = testing::workedSets()[5].vector();  // Bends
    Single start = v(1);
    FakeCalcUi ui;
    NewtonSolve(v, 4, 1, start, ui, "Bends");
    return v;
  }();
  return solved;
}

// Saving and restoring is exercised by every solve; here what does not fit.
TEST(SnapshotValues, RefusesWhatDoesNotFitBeforeCopying) {
  Array1<Single> v(10, 2.0f), tooLong(11, 1.0f);
  SnapshotValues(v, kSnapshotSave, 5);
  EXPECT_EQ(SnapshotTable()(5, 10), 2.0f);
  EXPECT_THROW(SnapshotValues(tooLong, 0, 1), std::length_error);
  EXPECT_EQ(tooLong, Array1<Single>(11, 1.0f));
  EXPECT_THROW(SnapshotValues(v, kSnapshotSave, 0), IndexError);
  EXPECT_THROW(SnapshotValues(v, kSnapshotSave, 6), IndexError);
}

// The hL of a fitting is linear in the residual, so from close to the root one Newton update
// lands within about 1e-6 of it. The result is the last iterate plus the final derivative step,
// 1e-5 of the previous x1: close to the root times 1 + 1e-5.
TEST(NewtonIterate, ReturnsTheLastIteratePlusItsFinalStep) {
  for (const double offset : {1e-4, -3e-5}) {
    Array1<Single> v = solvedBends();
    const double root = v(3) * (static_cast<double>(v(5)) * v(5)) / 2 / 9.815;
    v(4) = static_cast<Single>(root * (1 + offset));
    FakeCalcUi ui;
    Integer flag = 9;
    const Single x = NewtonIterate(v, 4, flag, "Bends", ui);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(v(4), x);
    EXPECT_NEAR(x / root, 1 + 1e-5, 2e-6) << offset;
    Array1<Single> again = v;  // the outputs agree with the returned value
    FormulaResidual(again, flag, "Bends", ui);
    EXPECT_EQ(again, v);
  }
}

TEST(NewtonIterate, FailingRunsSetFlagTwo) {
  const struct {
    const char* name;
    Single unknownValue;
    Integer unknown;
    QString caption;
    std::uint64_t evaluations;
  } cases[] = {
      {"zero start: zero derivative step", 0.0f, 4, "Bends", 2},
      {"negative start: negative tolerance, 501st pass", -0.07f, 4, "Bends", 1002},
      {"output as unknown: zero derivative", 1.0f, 5, "Bends", 2},
      {"unknown caption: residual never changes", 0.07f, 4, "bends", 2},
      {"formula failure on the first evaluation", 0.0f, 1, "Bends", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Array1<Single> v = solvedBends();
    v(c.unknown) = c.unknownValue;
    FakeCalcUi ui;
    Integer flag = 0;
    Single x = 1;
    EXPECT_EQ(evaluationsOf([&] { x = NewtonIterate(v, c.unknown, flag, c.caption, ui); }),
              c.evaluations);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(flag, 2);
  }
}

// Every worked set is solved back for its unknown after each input is moved there from 10 %
// below. The edited variable ends at the last continuation step, start + 10 x step, formed in
// single precision.
TEST(NewtonSolve, WorkedValuesSolveBackToFourDigits) {
  for (const testing::WorkedSet& set : testing::workedSets()) {
    for (int edited : testing::layoutOf(set.caption)->inputs) {
      if (edited == set.unknown) continue;
      SCOPED_TRACE(set.caption.toStdString() + " edited " + std::to_string(edited));
      Array1<Single> v = set.vector();
      const Single target = v(edited);
      Single start = target * 0.9f;
      const Single step = static_cast<Single>((static_cast<double>(target) - start) / 10);
      FakeCalcUi ui;
      NewtonSolve(v, set.unknown, edited, start, ui, set.caption);
      EXPECT_TRUE(ui.questions.empty());
      EXPECT_EQ(v(edited), static_cast<Single>(start + static_cast<Single>(10.0 * step)));
      EXPECT_TRUE(testing::sameToFourDigits(v(set.unknown), set.expected())) << v(set.unknown);
      EXPECT_TRUE(testing::checkSolvedState(v, set.caption).ok);
    }
  }
}

// With the edited value unchanged every step is zero: ten runs one after the other.
TEST(NewtonSolve, UnchangedValueStillMakesTenRuns) {
  Array1<Single> v = solvedBends();
  FakeCalcUi ui;
  Integer flag = 0;
  Array1<Single> replay = v;
  const std::uint64_t tenRuns = evaluationsOf([&] {
    for (int run = 1; run <= 10; ++run)
      NewtonIterate(replay, 4, flag, "Bends", ui);
  });
  Single start = v(3);
  EXPECT_EQ(evaluationsOf([&] { NewtonSolve(v, 4, 3, start, ui, "Bends"); }), tenRuns);
  EXPECT_EQ(v, replay);
  EXPECT_EQ(ui.statusTexts, (std::vector<QString>{"Try No.1", "Try No. 0"}));
}

// An unknown caption fails every run on its first step, so each pass is one step finer: the
// first value tried in pass n is start + (target - start) / (9 + n).
TEST(NewtonSolve, FirstStepFailuresSubdivideFinerUntilTheBudgetQuestion) {
  Array1<Single> v = solvedBends();
  const Array1<Single> before = v;
  const Single target = 0.2f;
  Single start = v(1);
  v(1) = target;
  ProbingUi ui(v, false);
  NewtonSolve(v, 4, 1, start, ui, "no such page");
  ASSERT_EQ(ui.atCritical.size(), 1000u);  // two evaluations in each of the 500 runs
  for (int pass = 1; pass <= 500; ++pass) {
    const Single step = static_cast<Single>((static_cast<double>(target) - before(1)) / (9 + pass));
    ASSERT_EQ(ui.atCritical[2 * (pass - 1)](1), static_cast<Single>(before(1) + step)) << pass;
  }
  EXPECT_EQ(ui.statusTexts.size(), 502u);
  EXPECT_EQ(ui.statusTexts[2], "Try No. 1");
  EXPECT_EQ(ui.statusTexts.back(), "Try No. 500");
  EXPECT_EQ(ui.questions, std::vector<QString>{question(500)});
  EXPECT_EQ(v, before);
  EXPECT_EQ(start, before(1));
}

// Depth ratios above 1 fail the Manning formula. Moving y/D from 0.5 to 1.5 in ten steps
// succeeds up to 1.0 and fails at 1.1; the next pass splits the rest in two, and from then on
// each first-step failure adds one division. The question shows the value about to be tried.
TEST(NewtonSolve, LaterStepFailureRestartsFromTheLastGoodStateInTwoSteps) {
  Array1<Single> v = testing::workedSets()[2].vector();  // Manning, half full
  const Array1<Single> before = v;
  Single start = 0.5f;
  v(4) = 1.5f;
  ProbingUi ui(v, false);
  NewtonSolve(v, 1, 4, start, ui, "Manning");
  ASSERT_GE(ui.statusTexts.size(), 4u);
  EXPECT_EQ(ui.statusTexts[1], "Try No. 0");
  EXPECT_EQ(ui.statusTexts[2], "Try No. 6");
  EXPECT_EQ(ui.statusTexts[3], "Try No. 7");
  EXPECT_EQ(start, 1.0f);  // the last good state, written through
  // Try 501 is the first step of pass 496, which has 496 divisions: 2 after the later
  // failure, then one more after each first-step failure.
  ASSERT_EQ(ui.atQuestion.size(), 1u);
  EXPECT_EQ(ui.atQuestion[0](4), 1.0f + static_cast<Single>(0.5 / 496));
  EXPECT_EQ(v, before);
}

TEST(NewtonSolve, BudgetQuestionYesGoesOnAndNoRestoresExactly) {
  for (int yesAnswers = 0; yesAnswers <= 2; ++yesAnswers) {
    Array1<Single> v = solvedBends();
    v(4) = 0.0f;  // a zero start value for the unknown: every run fails
    const Array1<Single> before = v;
    Single start = v(2);
    v(2) = 0.02f;
    FakeCalcUi ui;
    ui.answers = std::deque<bool>(yesAnswers, true);
    ui.answers.push_back(false);
    NewtonSolve(v, 4, 2, start, ui, "Bends");
    std::vector<QString> expected;
    for (int i = 1; i <= yesAnswers + 1; ++i)
      expected.push_back(question(500 * i));
    EXPECT_EQ(ui.questions, expected);
    EXPECT_EQ(v, before);
  }
  // A negative start value (K here) gives a negative tolerance: every run takes 501 passes.
  Array1<Single> v = solvedBends();
  v(3) = -0.9f;
  const Array1<Single> before = v;
  Single start = v(1);
  v(1) = 0.11f;
  FakeCalcUi ui;
  EXPECT_EQ(evaluationsOf([&] { NewtonSolve(v, 3, 1, start, ui, "Bends"); }), 500u * 1002u);
  EXPECT_EQ(ui.questions, std::vector<QString>{question(500)});
  EXPECT_EQ(v, before);
}

TEST(NewtonSolve, RefusesWhatItCannotDoBeforeChangingAnything) {
  FakeCalcUi ui;
  Array1<Single> tooLong(11, 1.0f);
  Single start = 2;
  EXPECT_THROW(NewtonSolve(tooLong, 1, 2, start, ui, "Bends"), std::length_error);
  EXPECT_EQ(tooLong, Array1<Single>(11, 1.0f));
  Array1<Single> v = solvedBends();
  EXPECT_THROW(NewtonSolve(v, 6, 1, start, ui, "Bends"), IndexError);
  EXPECT_THROW(NewtonSolve(v, 4, 0, start, ui, "Bends"), IndexError);
  EXPECT_EQ(v, solvedBends());
  EXPECT_TRUE(ui.statusTexts.empty());
  // A continuation step beyond the Single range: the state before the edit comes back. The
  // edited velocity is an output, so the first five steps succeed and the sixth overflows.
  v(5) = -FLT_MAX;
  const Array1<Single> before = v;
  start = -FLT_MAX;
  v(5) = FLT_MAX;
  EXPECT_THROW(NewtonSolve(v, 4, 5, start, ui, "Bends"), std::overflow_error);
  EXPECT_EQ(v, before);
}

}  // namespace
}  // namespace vantrel::calc
