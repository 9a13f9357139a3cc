#pragma once
// The working of each page's last solve, kept for the page's calculation record while the page
// holds the values that solve left: a page shown again has its working back, a reset or another
// unknown leaves it without one.

#include <map>

#include "calc/SolveWorking.h"
#include "datafile/PageTables.h"

namespace vantrel::app {

class PageWorkings : public calc::SolveObserver {
 public:
  // tables.CurPage is the page on show, tables.CurValue its values, unknown its unknown.
  PageWorkings(const datafile::PageTables& tables, const Integer& unknown)
      : tables_(tables), unknown_(unknown) {}

  void solveStarted() override;
  void runStarted(Single edited) override { kept().working.runStarted(edited); }
  void pass(Single trial, Single residual) override { kept().working.pass(trial, residual); }
  void runConverged(Single result, Single residual) override;
  void runFailed() override { kept().working.runFailed(); }

  // The last solve of the page on show, while its values and unknown are the ones that solve
  // left; else null.
  const calc::SolveWorking* current() const;

 private:
  struct Kept {
    calc::SolveWorking working;
    Array1<Single> values;  // as the last run that converged left them
    Integer unknown = 0;
  };
  Kept& kept() { return pages_[tables_.CurPage]; }

  const datafile::PageTables& tables_;
  const Integer& unknown_;
  std::map<Integer, Kept> pages_;
};

}  // namespace vantrel::app
