#include "calc/NewtonMethod.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "calc/Formular.h"
#include "calc/SingleValue.h"
#include "numtext/NumberFormat.h"

namespace vantrel::calc {
namespace {

constexpr double kRelativeStep = 1e-5;
constexpr int kPassLimit = 500;
constexpr int kFirstDivisions = 10;
constexpr std::int64_t kRunBudget = 500;
constexpr Integer kStartSlot = 1;
constexpr Integer kGoodSlot = 2;
constexpr Integer kSnapshotRestore = 0;

// One table per thread: batch solving runs a page session on each core, and the window's solves
// all happen on its one thread.
Array2<Single>& table() {
  thread_local Array2<Single> snapshots(kSnapshotSlots, kSnapshotValues);
  return snapshots;
}

QString budgetQuestion(std::int64_t runs) {
  const QChar cr(13);
  return QStringLiteral("The equation is ill-conditioned, real solution may not be possible.") +
         cr + QStringLiteral("No answer found after ") +
         numtext::leadingSpaceForm(static_cast<Single>(runs)) + QStringLiteral(" iterations.") +
         cr + QStringLiteral("Try another 500 iterations?");
}

QString tryText(std::int64_t tries) {
  // Every solve shows this; a count of up to seven digits is its own general form.
  if (tries >= 0 && tries < 10'000'000) return QStringLiteral("Try No. ") + QString::number(tries);
  return QStringLiteral("Try No.") + numtext::leadingSpaceForm(static_cast<Single>(tries));
}

void checkSnapshotFits(const Array1<Single>& values) {
  if (values.upper() > kSnapshotValues)
    throw std::length_error("A value vector of more than 10 elements cannot be snapshotted");
}

void checkIndex(const Array1<Single>& values, Integer index) {
  if (index < 1 || index > values.upper()) throw IndexError();
}

// The formula evaluated with the unknown at `value`.
void evaluateAt(Single value, Single& trial, Array1<Single>& values, PageFormula& formula,
                Integer& errFlag, CalcUi& ui) {
  trial = value;
  formula.residual(values, errFlag, ui);
}

}  // namespace

void SnapshotValues(Array1<Single>& values, Integer mode, Integer slot) {
  if (slot < 1 || slot > kSnapshotSlots) throw IndexError();
  checkSnapshotFits(values);
  const int count = values.upper();
  if (count == 0) return;
  // Bounds checked above: the slot's row holds every element of the vector.
  Single* saved = &table()(slot, 1);
  if (mode == kSnapshotSave)
    std::copy_n(values.data(), count, saved);
  else
    std::copy_n(saved, count, values.data());
}

const Array2<Single>& SnapshotTable() {
  return table();
}

Single NewtonIterate(Array1<Single>& values, Integer unknown, Integer& errFlag,
                     const QString& formula, CalcUi& ui, SolveObserver* observer) {
  PageFormula found(formula);
  return NewtonIterate(values, unknown, errFlag, found, ui, observer);
}

Single NewtonIterate(Array1<Single>& values, Integer unknown, Integer& errFlag,
                     PageFormula& formula, CalcUi& ui, SolveObserver* observer) {
  const auto fail = [&errFlag, observer] {
    errFlag = 2;
    if (observer != nullptr) observer->runFailed();
    return Single(0);
  };
  Single& trial = values(unknown);
  // Step and tolerance are relative to the run's start value, not to the current iterate.
  double x = trial;
  double h = x * kRelativeStep;
  double tol = x * kRelativeStep;
  int state = 0;
  double f0 = 0, f1 = 0, x1 = 0;
  for (int pass = 1;; ++pass) {
    if (state == 1) {
      if (h == 0.0) return fail();
      const double d = (f1 - f0) / h;
      if (!std::isfinite(d) || d == 0.0) return fail();
      const double next = x - f0 / d;
      if (!std::isfinite(next)) return fail();
      if (std::fabs(next - x) <= tol) {
        // Converged: one more evaluation at x and at x plus a final step, which is the result.
        state = -1;
        h = x1 * kRelativeStep;
        tol = x1 * kRelativeStep;
      } else {
        x = next;
      }
    }
    if (state == 0) state = 1;
    Single stored = 0;
    if (!storeSingle(x, stored)) return fail();
    const Single atX = stored;
    if (state == -1) {
      // x is the iterate the last pass evaluated first: its residual is known. Nor are its values
      // needed again: a successful evaluation writes every output, so the one at x + h leaves
      // the same values whatever came before it. Only a failure leaves some of those of x, and
      // they are made again from x then.
      CountEvaluationRepeated();
    } else {
      trial = stored;
      f0 = formula.residual(values, errFlag, ui);
      if (errFlag != 0) return fail();
      if (observer != nullptr) observer->pass(stored, static_cast<Single>(f0));
    }
    x1 = x + h;
    if (!storeSingle(x1, stored)) {
      if (state == -1) evaluateAt(atX, trial, values, formula, errFlag, ui);
      return fail();
    }
    trial = stored;
    f1 = formula.residual(values, errFlag, ui);
    if (state == -1 && errFlag != 0) {
      evaluateAt(atX, trial, values, formula, errFlag, ui);
      evaluateAt(stored, trial, values, formula, errFlag, ui);
    }
    // The 501st pass fails even when it has just converged.
    if (pass > kPassLimit || errFlag != 0) return fail();
    if (state == -1) {
      if (observer != nullptr) observer->runConverged(stored, static_cast<Single>(f1));
      return stored;
    }
  }
}

void NewtonSolve(Array1<Single>& values, Integer unknown, Integer edited, Single& start,
                 CalcUi& statusBar, const QString& formula, SolveObserver* observer) {
  checkIndex(values, unknown);
  checkIndex(values, edited);
  checkSnapshotFits(values);
  if (observer != nullptr) observer->solveStarted();

  statusBar.setStatusText(QStringLiteral("Try No.1"));
  const Single target = values(edited);
  values(edited) = start;
  const Single unknownStart = values(unknown);
  // Counters are wider than the data model's Integer so that a user who keeps answering Yes
  // never runs them into an overflow.
  std::int64_t budget = kRunBudget;
  const Single firstStart = start;
  SnapshotValues(values, kSnapshotSave, kStartSlot);
  SnapshotValues(values, kSnapshotSave, kGoodSlot);
  values(edited) = target;
  values(unknown) = unknownStart;

  const auto backToStart = [&] {
    SnapshotValues(values, kSnapshotRestore, kStartSlot);
    values(edited) = firstStart;
  };

  PageFormula found(formula);
  int divisions = kFirstDivisions;
  std::int64_t tries = 0;
  Integer flag = 0;
  do {
    statusBar.setStatusText(tryText(tries));
    flag = 0;
    Single step = 0;
    if (!storeSingle((static_cast<double>(target) - start) / divisions, step)) {
      backToStart();
      throw std::overflow_error("Continuation step is not a finite Single");
    }
    const int n = divisions;
    for (int i = 1; i <= n; ++i) {
      Single offset = 0, value = 0;
      if (!storeSingle(i * static_cast<double>(step), offset) ||
          !storeSingle(static_cast<double>(start) + offset, value)) {
        backToStart();
        throw std::overflow_error("Continuation step is not a finite Single");
      }
      values(edited) = value;
      ++tries;
      if (tries > budget) {
        if (!statusBar.askYesNo(budgetQuestion(tries - 1))) {
          backToStart();
          return;
        }
        budget += kRunBudget;
      }
      if (observer != nullptr) observer->runStarted(values(edited));
      NewtonIterate(values, unknown, flag, found, statusBar, observer);
      if (flag != 0) {
        divisions = i == 1 ? divisions + 1 : 2;
        SnapshotValues(values, kSnapshotRestore, kGoodSlot);
        start = values(edited);
        break;
      }
      SnapshotValues(values, kSnapshotSave, kGoodSlot);
    }
  } while (flag != 0);
}

}  // namespace vantrel::calc
