#include "calc/SolveWorking.h"

#include <utility>

namespace vantrel::calc {

NewtonRun& SolveWorking::current() {
  if (runs_.empty()) runs_.emplace_back();
  return runs_.back();
}

void SolveWorking::runStarted(Single edited) {
  NewtonRun run;
  run.edited = edited;
  runs_.push_back(std::move(run));
}

void SolveWorking::pass(Single trial, Single residual) {
  current().passes.push_back({trial, residual});
}

void SolveWorking::runConverged(Single result, Single residual) {
  NewtonRun& run = current();
  run.converged = true;
  run.result = result;
  run.residual = residual;
}

void SolveWorking::runFailed() {
  current().converged = false;
}

const NewtonRun* SolveWorking::finalRun() const {
  if (runs_.empty() || !runs_.back().converged) return nullptr;
  return &runs_.back();
}

}  // namespace vantrel::calc
