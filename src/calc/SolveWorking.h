#pragma once
// How the last solve reached its answer, kept for the record's working: the Newton runs of the
// continuation, each pass's trial value and residual, and the residual at the answer.

#include <vector>

#include "calc/NewtonMethod.h"

namespace vantrel::calc {

struct NewtonPass {
  Single trial = 0;     // the unknown, base unit
  Single residual = 0;  // the formula's residual there
};

struct NewtonRun {
  Single edited = 0;  // the edited variable at this step of the continuation, base unit
  std::vector<NewtonPass> passes;
  bool converged = false;
  Single result = 0;    // converged: the unknown found
  Single residual = 0;  // converged: the residual at it
};

// Keeps what the solver tells of its last solve; a new solve replaces it.
class SolveWorking : public SolveObserver {
 public:
  void solveStarted() override { runs_.clear(); }
  void runStarted(Single edited) override;
  void pass(Single trial, Single residual) override;
  void runConverged(Single result, Single residual) override;
  void runFailed() override;

  // Every run, failed retries included, in the order the solver made them.
  const std::vector<NewtonRun>& runs() const { return runs_; }
  // The run that gave the answer (the last, when it converged); null before any solve or when
  // the last run failed.
  const NewtonRun* finalRun() const;

 private:
  NewtonRun& current();
  std::vector<NewtonRun> runs_;
};

}  // namespace vantrel::calc
