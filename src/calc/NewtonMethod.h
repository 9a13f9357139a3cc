#pragma once
// Solving a page for its unknown. No formula is ever rearranged: after the user edits one
// variable, the solver moves that variable from its old value to the new one in equal steps and
// re-solves the unknown at each step with a short Newton run started from the previous step's
// solution. A failed step is retried from the last good state; a solve that keeps failing asks
// the user whether to go on.

#include <QString>

#include "calc/CalcUi.h"
#include "calc/Formular.h"
#include "common/OneBased.h"
#include "numtext/NumberTypes.h"

namespace vantrel::calc {

// Slots and values per slot of the snapshot table; a value vector longer than a slot cannot be
// snapshotted and is refused with std::length_error.
inline constexpr int kSnapshotSlots = 5;
inline constexpr int kSnapshotValues = 10;

// Watches a solve without taking part in it: each Newton run the continuation starts, each pass's
// trial value and residual, and how each run ended. Nothing it is told feeds back into the
// solve, so a watched solve gives the same numbers as an unwatched one.
class SolveObserver {
 public:
  virtual ~SolveObserver() = default;
  // A solve begins (NewtonSolve); what was told of an earlier one no longer applies.
  virtual void solveStarted() = 0;
  // A Newton run begins with the edited variable at `edited`.
  virtual void runStarted(Single edited) = 0;
  // One Newton pass: the unknown's trial value and the formula's residual there.
  virtual void pass(Single trial, Single residual) = 0;
  // The run converged on `result`, where the formula's residual is `residual`.
  virtual void runConverged(Single result, Single residual) = 0;
  // The run failed (an arithmetic failure, or no convergence within 500 passes).
  virtual void runFailed() = 0;
};

// Mode of SnapshotValues that saves; every other mode restores.
inline constexpr Integer kSnapshotSave = 1;

// Copies elements 1 ... values.upper() into snapshot `slot` (mode kSnapshotSave) or back from it
// (any other mode). A slot outside 1 ... 5 throws IndexError, a vector of more than 10 elements
// std::length_error; either is detected before anything is copied.
void SnapshotValues(Array1<Single>& values, Integer mode, Integer slot);

// The snapshot table (slot, element) of the calling thread. It is shared by every solve on that
// thread and keeps its contents between them.
const Array2<Single>& SnapshotTable();

// One Newton run for element `unknown`, with the derivative step and the tolerance both 1e-5 of
// the run's start value. Returns the solution (the last iterate plus its final step), which is
// also left in values(unknown) together with the formula's outputs at that point. On failure
// (an arithmetic failure in the formula or here, or no convergence within 500 passes) `errFlag`
// is 2 and the result 0; `values` then holds the last point the formula was evaluated at.
// `observer`, when given, is told of each pass and of the run's end.
Single NewtonIterate(Array1<Single>& values, Integer unknown, Integer& errFlag,
                     const QString& formula, CalcUi& ui, SolveObserver* observer = nullptr);
// The same with the page's formula found already (a solve makes many runs of one formula).
Single NewtonIterate(Array1<Single>& values, Integer unknown, Integer& errFlag,
                     PageFormula& formula, CalcUi& ui, SolveObserver* observer = nullptr);

// Re-solves `unknown` after element `edited` of `values` was given its new value; `start` is the
// value it had in the last solved state. Failed steps are retried with a finer subdivision
// (failure on a pass's first step) or two steps from the last good state (failure later), and
// `start` follows the last good state. After every 500 Newton runs without a solution the user
// is asked whether to go on; No puts the vector back as it was before the edit, with the edited
// variable at its old value. Status texts go to `statusBar`.
// Throws IndexError for an index outside the vector, std::length_error for a vector the
// snapshot cannot hold (both before anything changes) and std::overflow_error, after restoring
// the state before the edit, when a continuation step lies beyond the Single range.
// `observer`, when given, is told of every run and pass of the solve.
void NewtonSolve(Array1<Single>& values, Integer unknown, Integer edited, Single& start,
                 CalcUi& statusBar, const QString& formula, SolveObserver* observer = nullptr);

}  // namespace vantrel::calc
