#include "app/PageWorkings.h"

namespace vantrel::app {

void PageWorkings::solveStarted() {
  Kept& k = kept();
  k.working.solveStarted();
  k.values = {};
  k.unknown = unknown_;
}

void PageWorkings::runConverged(Single result, Single residual) {
  Kept& k = kept();
  k.working.runConverged(result, residual);
  // The solve ends with the run that converges last; a solve given up on, or undone because a
  // result cannot be shown, leaves other values.
  k.values = tables_.CurValue;
}

const calc::SolveWorking* PageWorkings::current() const {
  const auto found = pages_.find(tables_.CurPage);
  if (found == pages_.end()) return nullptr;
  const Kept& k = found->second;
  if (k.working.finalRun() == nullptr || k.unknown != unknown_) return nullptr;
  // The rows past the page's last hold what another page left there.
  for (Integer i = 1; i <= tables_.VarCount(tables_.CurPage); ++i)
    if (i > k.values.upper() || k.values(i) != tables_.CurValue(i)) return nullptr;
  return &k.working;
}

}  // namespace vantrel::app
