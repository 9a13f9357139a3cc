#include "curves/FormulaFlow.h"

#include "calc/Formular.h"
#include "calc/SingleValue.h"

namespace vantrel::curves {

namespace {

// The residual is held in a Single: the first round leaves an error of its rounding in the
// trial flow's size, the second one in the size of the first correction.
constexpr int kRounds = 3;

class Unseen : public calc::CalcUi {
 public:
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString&) override { return false; }
  void showCritical(const QString&) override {}
};

}  // namespace

bool formulaFlow(Array1<Single>& values, int flow, const QString& formula) {
  Unseen ui;
  for (int round = 0; round < kRounds; ++round) {
    Integer failed = 0;
    const Single residual = calc::FormulaResidual(values, failed, formula, ui);
    if (failed != 0) return false;
    Single next = 0;
    if (!calc::storeSingle(static_cast<double>(values(flow)) - residual, next)) return false;
    values(flow) = next;
  }
  Integer failed = 0;
  calc::FormulaResidual(values, failed, formula, ui);
  return failed == 0;
}

}  // namespace vantrel::curves
