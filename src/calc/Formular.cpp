#include "calc/Formular.h"

#include <cmath>

#include "calc/FormulaLayout.h"
#include "calc/SingleValue.h"

namespace vantrel::calc {
namespace {

// The constants are those the pages were calibrated with; pi is 3.142 in every area term.
constexpr double kAreaPi = 3.142;
constexpr double kGravity = 9.815;
constexpr double kTwoGravity = 19.63;
constexpr double kHazenFactor = 10.7;
constexpr double kHazenDiameterExponent = 2.63;
constexpr double kHazenExponent = 1.85;
constexpr double kColebrookRoughness = 3.7;
constexpr double kColebrookViscous = 2.51;
constexpr double kLog10OfE = 0.434294481;
const double kManningExponent = 2.0 / 3.0;
constexpr double kHalf = 0.5;
constexpr Single kFullPipeAngle = 3.1416f;
const double kHalfPi = 2.0 * std::atan(1.0);

thread_local std::uint64_t evaluationCount = 0;

// One evaluation: the checked arithmetic plus the vector it reads and writes. A failed store
// writes nothing, and every store after a failure is refused, so the vector keeps exactly the
// outputs written before the first failure.
class Evaluation {
 public:
  explicit Evaluation(Array1<Single>& values) : values_(values) {}

  CheckedMath math;

  double in(int position) const { return values_(position); }
  bool out(int position, double value) {
    Single stored = 0;
    if (math.failed() || !storeSingle(value, stored)) return false;
    values_(position) = stored;
    return true;
  }
  // The residual as the procedure returns it: held in a Single.
  bool residual(double value, Single& result) {
    return !math.failed() && storeSingle(value, result);
  }

  // Area of a circle of diameter d, as the fittings and the orifice form it.
  double area(double d) { return math.single(((d * d) / 4) * kAreaPi); }

  // Gradient, loss coefficient and velocity of the pipe-friction pages; the loss coefficient
  // reads the velocity back as stored.
  bool pipeOutputs(int gradient, int lossCoefficient, int velocity, double hf, double length,
                   double flowArea, double q) {
    if (!out(gradient, math.div(hf, length))) return false;
    if (!out(velocity, math.div(q, flowArea))) return false;
    const double v = in(velocity);
    return out(lossCoefficient, math.div(hf, v * v) * 2 * kGravity);
  }

 private:
  Array1<Single>& values_;
};

bool hazenWilliams(Evaluation& e, Single& r) {
  CheckedMath& m = e.math;
  const double d = e.in(1), q = e.in(2), c = e.in(3), length = e.in(4), hf = e.in(5);
  const double slope = m.div(hf, length);
  const double base = m.div(m.div(q, c), m.pow(d, kHazenDiameterExponent));
  if (!e.residual(slope - kHazenFactor * m.pow(base, kHazenExponent), r)) return false;
  return e.pipeOutputs(6, 7, 8, hf, length, (kAreaPi * (d * d)) / 4, q);
}

bool colebrookWhite(Evaluation& e, Single& r) {
  CheckedMath& m = e.math;
  const double d = e.in(1), q = e.in(2), k = e.in(3), nu = e.in(4), length = e.in(5), hf = e.in(6);
  const double w = m.single(m.sqrt(m.div(kTwoGravity * d * hf, length)));
  const double logArgument =
      m.div(k / kColebrookRoughness, d) + m.div(m.div(kColebrookViscous * nu, d), w);
  const double flow = ((kAreaPi * (d * d)) / 2) * w * kLog10OfE * m.log(logArgument);
  if (!e.residual(q + flow, r)) return false;
  return e.pipeOutputs(7, 8, 9, hf, length, (kAreaPi * (d * d)) / 4, q);
}

bool manning(Evaluation& e, Single& r) {
  CheckedMath& m = e.math;
  const double d = e.in(1), q = e.in(2), n = e.in(3), length = e.in(5), hf = e.in(6);
  const double depthRatio = e.in(4);
  double theta = kFullPipeAngle;
  if (depthRatio != 1.0) {
    // Half-angle of the wetted sector: arccos x, written with the arctangent.
    const double x = m.single(1 - 2 * depthRatio);
    theta = m.single(std::atan(m.div(-x, m.sqrt(1 - x * x))) + kHalfPi);
  }
  const double r0 = m.single(d / 2);
  const double area = m.single(r0 * r0 * theta - r0 * std::sin(theta) * r0 * std::cos(theta));
  const double perimeter = m.single((r0 + r0) * theta);
  const double radius = m.single(m.div(area, perimeter));
  const double flow =
      m.div(1, n) * m.pow(radius, kManningExponent) * m.pow(m.div(hf, length), kHalf) * area;
  if (!e.residual(q - flow, r)) return false;
  return e.pipeOutputs(7, 8, 9, hf, length, area, q);
}

bool orifice(Evaluation& e, Single& r) {
  CheckedMath& m = e.math;
  const double d = e.in(1), beta = e.in(2), q = e.in(3), h = e.in(4), cd = e.in(5);
  const double area = e.area(d);
  const double orificeArea = m.single((((d * beta) * (d * beta)) / 4) * kAreaPi);
  const double velocity = m.div(q, area);
  const double head = (m.div(1, cd * cd) * (1 - m.pow(beta, 4)) * m.pow(m.div(1, beta), 4) *
                       (velocity * velocity)) /
                      2 / kGravity;
  if (!e.residual(h - head, r)) return false;
  if (!e.out(6, m.div(q, area))) return false;
  if (!e.out(7, m.div(q, orificeArea))) return false;
  const double v = e.in(6);
  return e.out(8, m.div(h, v * v) * 2 * kGravity);
}

bool fitting(Evaluation& e, Single& r) {
  CheckedMath& m = e.math;
  const double d = e.in(1), q = e.in(2), k = e.in(3), hl = e.in(4);
  const double v = m.single(m.div(q, e.area(d)));
  if (!e.residual(hl - (k * (v * v)) / 2 / kGravity, r)) return false;
  return e.out(5, v);
}

// Sudden enlargement and reduction share the outputs; the loss is formed from the velocity of
// the smaller pipe for each, read back as stored.
bool suddenChange(Evaluation& e, Single& r, bool expansion) {
  CheckedMath& m = e.math;
  const double d1 = e.in(1), d2 = e.in(2), q = e.in(3), k = e.in(4), hl = e.in(5);
  const double a1 = e.area(d1), a2 = e.area(d2);
  if (!e.out(6, m.div(q, a1))) return false;
  if (!e.out(7, m.div(q, a2))) return false;
  if (!e.out(8, expansion ? m.div(a1, a2) : m.div(a2, a1))) return false;
  const double v = e.in(expansion ? 6 : 7);
  return e.residual(hl - (k * (v * v)) / 2 / kGravity, r);
}

}  // namespace

Single FormulaResidual(Array1<Single>& values, Integer& errFlag, const QString& formula,
                       CalcUi& ui) {
  ++evaluationCount;
  errFlag = 0;
  const Formula kind = formulaOf(formula);
  // A page with too few variables for its formula is refused before anything is written.
  if (values.upper() < static_cast<int>(positionsOf(kind).size())) throw IndexError();
  Evaluation e(values);
  Single r = 0;
  bool ok = true;
  switch (kind) {
    case Formula::HazenWilliams:
      ok = hazenWilliams(e, r);
      break;
    case Formula::ColebrookWhite:
      ok = colebrookWhite(e, r);
      break;
    case Formula::Manning:
      ok = manning(e, r);
      break;
    case Formula::Orifice:
      ok = orifice(e, r);
      break;
    case Formula::Fitting:
      ok = fitting(e, r);
      break;
    case Formula::Expansion:
      ok = suddenChange(e, r, true);
      break;
    case Formula::Contraction:
      ok = suddenChange(e, r, false);
      break;
    case Formula::None:
      ui.showCritical(QStringLiteral("Formular not available!"));
      return 0;
  }
  if (!ok) {
    errFlag = 1;
    return 0;
  }
  return r;
}

std::uint64_t FormulaEvaluationCount() {
  return evaluationCount;
}

}  // namespace vantrel::calc
