#pragma once
// Checks that a page's value vector is a solved state of its formula, written independently of
// the engine in the textbook form of each formula (same constants: pi as 3.142 in areas,
// g = 9.815), and drives one edit-and-solve the way the window's commit does. Header-only so
// that tests elsewhere (for example over the shipped data file's default states) can use it.

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "FakeCalcUi.h"
#include "calc/Formular.h"
#include "calc/NewtonMethod.h"
#include "common/OneBased.h"

namespace vantrel::calc::testing {

// Which positions of a page's vector a formula reads and which it writes.
struct FormulaLayout {
  QString caption;
  int size = 0;
  std::vector<int> inputs;
  std::vector<int> outputs;
  std::vector<int> residual;  // the inputs the residual depends on

  bool isOutput(int position) const {
    return std::find(outputs.begin(), outputs.end(), position) != outputs.end();
  }
  bool inResidual(int position) const {
    return std::find(residual.begin(), residual.end(), position) != residual.end();
  }
};

inline const std::vector<FormulaLayout>& formulaLayouts() {
  static const std::vector<FormulaLayout> layouts = {
      {"H.Williams", 8, {1, 2, 3, 4, 5}, {6, 7, 8}, {1, 2, 3, 4, 5}},
      {"C.White", 9, {1, 2, 3, 4, 5, 6}, {7, 8, 9}, {1, 2, 3, 4, 5, 6}},
      {"Manning", 9, {1, 2, 3, 4, 5, 6}, {7, 8, 9}, {1, 2, 3, 4, 5, 6}},
      {"Orifice", 8, {1, 2, 3, 4, 5}, {6, 7, 8}, {1, 2, 3, 4, 5}},
      {"Bends", 5, {1, 2, 3, 4}, {5}, {1, 2, 3, 4}},
      {"Valves", 5, {1, 2, 3, 4}, {5}, {1, 2, 3, 4}},
      {"In/Out", 5, {1, 2, 3, 4}, {5}, {1, 2, 3, 4}},
      // The loss of a sudden change reads only the smaller pipe's velocity: the other
      // diameter feeds the outputs alone.
      {"Expansion", 8, {1, 2, 3, 4, 5}, {6, 7, 8}, {1, 3, 4, 5}},
      {"Contraction", 8, {1, 2, 3, 4, 5}, {6, 7, 8}, {2, 3, 4, 5}},
  };
  return layouts;
}

inline const FormulaLayout* layoutOf(const QString& caption) {
  for (const FormulaLayout& layout : formulaLayouts())
    if (layout.caption == caption) return &layout;
  return nullptr;
}

// Both sides of a formula and the outputs it implies, from the inputs held in the vector.
struct Balance {
  double lhs = 0;
  double rhs = 0;
  std::vector<std::pair<int, double>> outputs;  // position, expected value
};

namespace detail {
constexpr double kPi = 3.142;
constexpr double kG = 9.815;
inline double circle(double d) {
  return kPi * d * d / 4;
}
inline double lossCoefficient(double head, double velocity) {
  return 2 * kG * head / (velocity * velocity);
}
}  // namespace detail

// The textbook statement of each formula. Returns false for a caption that is not a formula.
inline bool textbookBalance(const Array1<Single>& v, const QString& caption, Balance& b) {
  using namespace detail;
  const auto at = [&v](int i) { return static_cast<double>(v(i)); };
  if (caption == "H.Williams") {
    // S = 10.7 Q^1.85 / (C^1.85 D^4.8655)
    const double d = at(1), q = at(2), c = at(3), length = at(4), hf = at(5);
    b.lhs = hf / length;
    b.rhs = 10.7 * std::pow(q / c, 1.85) / std::pow(d, 2.63 * 1.85);
    const double vel = q / circle(d);
    b.outputs = {{6, hf / length}, {7, lossCoefficient(hf, vel)}, {8, vel}};
  } else if (caption == "C.White") {
    // Q = -2 A sqrt(2 g D S) log10(k / 3.7 D + 2.51 nu / (D sqrt(2 g D S)))
    const double d = at(1), q = at(2), k = at(3), nu = at(4), length = at(5), hf = at(6);
    const double root = std::sqrt(2 * kG * d * hf / length);
    b.lhs = q;
    b.rhs = -2 * circle(d) * root * std::log10(k / (3.7 * d) + 2.51 * nu / (d * root));
    const double vel = q / circle(d);
    b.outputs = {{7, hf / length}, {8, lossCoefficient(hf, vel)}, {9, vel}};
  } else if (caption == "Manning") {
    // Q = A R^(2/3) S^(1/2) / n over the wetted circular segment
    const double d = at(1), q = at(2), n = at(3), depth = at(4), length = at(5), hf = at(6);
    const double theta = std::acos(1 - 2 * depth);
    const double r = d / 2;
    const double area = r * r * (theta - std::sin(theta) * std::cos(theta));
    const double radius = area / (2 * r * theta);
    b.lhs = q;
    b.rhs = area * std::cbrt(radius * radius) * std::sqrt(hf / length) / n;
    const double vel = q / area;
    b.outputs = {{7, hf / length}, {8, lossCoefficient(hf, vel)}, {9, vel}};
  } else if (caption == "Orifice") {
    // h = (1 - beta^4) v0^2 / (2 g Cd^2), v0 the velocity through the orifice
    const double d = at(1), beta = at(2), q = at(3), h = at(4), cd = at(5);
    const double v0 = q / circle(d * beta);
    b.lhs = h;
    b.rhs = (1 - std::pow(beta, 4)) * v0 * v0 / (2 * kG * cd * cd);
    const double vel = q / circle(d);
    b.outputs = {{6, vel}, {7, v0}, {8, lossCoefficient(h, vel)}};
  } else if (caption == "Bends" || caption == "Valves" || caption == "In/Out") {
    const double d = at(1), q = at(2), k = at(3), hl = at(4);
    const double vel = q / circle(d);
    b.lhs = hl;
    b.rhs = k * vel * vel / (2 * kG);
    b.outputs = {{5, vel}};
  } else if (caption == "Expansion" || caption == "Contraction") {
    // Loss from the velocity in the smaller pipe of a sudden change of section.
    const double d1 = at(1), d2 = at(2), q = at(3), k = at(4), hl = at(5);
    const double v1 = q / circle(d1), v2 = q / circle(d2);
    const double vel = caption == "Expansion" ? v1 : v2;
    b.lhs = hl;
    b.rhs = k * vel * vel / (2 * kG);
    b.outputs = {{6, v1},
                 {7, v2},
                 {8, caption == "Expansion" ? (d1 * d1) / (d2 * d2) : (d2 * d2) / (d1 * d1)}};
  } else {
    return false;
  }
  return true;
}

struct StateCheck {
  bool ok = false;
  double balanceError = 0;  // |lhs - rhs| relative to the larger side
  double outputError = 0;   // worst relative deviation of a written output
  QString why;
};

inline double relativeDifference(double a, double b) {
  const double scale = std::max(std::fabs(a), std::fabs(b));
  return scale == 0 ? 0 : std::fabs(a - b) / scale;
}

// A state is solved when both sides of the formula agree to `balanceTolerance` of the larger
// side and every output agrees with the inputs to `outputTolerance`.
inline StateCheck checkSolvedState(const Array1<Single>& values, const QString& caption,
                                   double balanceTolerance = 1e-3, double outputTolerance = 1e-5) {
  StateCheck check;
  Balance b;
  if (!textbookBalance(values, caption, b)) {
    check.why = "no formula " + caption;
    return check;
  }
  check.balanceError = relativeDifference(b.lhs, b.rhs);
  for (const auto& [position, expected] : b.outputs)
    check.outputError = std::max(check.outputError, relativeDifference(values(position), expected));
  if (!std::isfinite(b.lhs) || !std::isfinite(b.rhs)) {
    check.why = "formula not defined at this state";
  } else if (!(check.balanceError <= balanceTolerance)) {
    check.why = QString("sides %1 and %2 differ by %3 relative")
                    .arg(b.lhs, 0, 'g', 7)
                    .arg(b.rhs, 0, 'g', 7)
                    .arg(check.balanceError, 0, 'g', 3);
  } else if (!(check.outputError <= outputTolerance)) {
    check.why = QString("outputs off by %1 relative").arg(check.outputError, 0, 'g', 3);
  } else {
    check.ok = true;
  }
  return check;
}

// One commit: `edited` goes from its value in `before` to `newValue` and `unknown` is solved
// for. The budget question is answered No, so a solve that cannot succeed ends after 500 runs.
struct SolveOutcome {
  Array1<Single> values;
  bool prompted = false;  // the run budget ran out and the user was asked
  bool restored = false;  // the vector is exactly `before` again
  std::uint64_t evaluations = 0;
  StateCheck check;  // of the final state
};

inline SolveOutcome editAndSolve(const Array1<Single>& before, const QString& caption,
                                 Integer edited, Integer unknown, Single newValue) {
  SolveOutcome outcome;
  outcome.values = before;
  outcome.values(edited) = newValue;
  Single start = before(edited);
  FakeCalcUi ui(false);
  const std::uint64_t evaluationsBefore = FormulaEvaluationCount();
  NewtonSolve(outcome.values, unknown, edited, start, ui, caption);
  outcome.evaluations = FormulaEvaluationCount() - evaluationsBefore;
  outcome.prompted = !ui.questions.empty();
  outcome.restored = outcome.values == before;
  outcome.check = checkSolvedState(outcome.values, caption);
  return outcome;
}

// What became of an edit.
enum class SolveResult {
  Solved,           // a solved state with the edited variable at its new value
  EditOverwritten,  // a solved state, but the formula rewrote the edited output
  Refused,          // the run budget ran out and No put the page back as it was
  Broken,           // anything else: a wrong state, or a question without the restore
};

inline const char* nameOf(SolveResult result) {
  static const char* const names[] = {"solved", "edit overwritten", "refused", "broken"};
  return names[static_cast<int>(result)];
}

// `requested` is the new value given to the edited variable; the continuation reaches it to
// within a unit or two in the last place of a Single.
inline SolveResult classify(const SolveOutcome& outcome, Integer edited, Single requested) {
  if (outcome.prompted) return outcome.restored ? SolveResult::Refused : SolveResult::Broken;
  if (!outcome.check.ok) return SolveResult::Broken;
  return relativeDifference(outcome.values(edited), requested) <= 1e-6
             ? SolveResult::Solved
             : SolveResult::EditOverwritten;
}

// What the shape of the formula alone predicts: an unknown that the residual does not read can
// never be solved for, and an edited output is rewritten by the formula.
inline SolveResult structuralExpectation(const FormulaLayout& layout, int edited, int unknown) {
  if (!layout.inResidual(unknown)) return SolveResult::Refused;
  if (layout.isOutput(edited)) return SolveResult::EditOverwritten;
  return SolveResult::Solved;
}

}  // namespace vantrel::calc::testing
