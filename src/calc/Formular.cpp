#include "calc/Formular.h"

#include <bit>
#include <cmath>
#include <span>

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

bool sameOperands(const std::array<double, 3>& a, double x, double y, double z) {
  // Bit for bit: the terms are pure functions of their operands, and 0 and -0 may divide apart.
  return std::bit_cast<std::uint64_t>(a[0]) == std::bit_cast<std::uint64_t>(x) &&
         std::bit_cast<std::uint64_t>(a[1]) == std::bit_cast<std::uint64_t>(y) &&
         std::bit_cast<std::uint64_t>(a[2]) == std::bit_cast<std::uint64_t>(z);
}

// One evaluation: the checked arithmetic plus the vector it reads and writes. A failed store
// writes nothing, and every store after a failure is refused, so the vector keeps exactly the
// outputs written before the first failure.
class Evaluation {
 public:
  Evaluation(Single* values, std::span<FormulaTerm> terms) : values_(values), terms_(terms) {}

  CheckedMath math;

  double in(int position) const { return values_[position - 1]; }
  bool out(int position, double value) {
    Single stored = 0;
    if (math.failed() || !storeSingle(value, stored)) return false;
    values_[position - 1] = stored;
    return true;
  }
  // The residual as the procedure returns it: held in a Single.
  bool residual(double value, Single& result) {
    return !math.failed() && storeSingle(value, result);
  }

  // Term `slot`, computed by compute(math) from operands x, y and z (all that it reads) unless
  // the last evaluation computed it from the same ones. A failure of the term counts here, where
  // the term stands in the formula.
  template <typename Compute>
  const std::array<double, 2>& term(std::size_t slot, double x, double y, double z,
                                    Compute compute) {
    FormulaTerm& t = terms_[slot];
    if (!t.known || !sameOperands(t.from, x, y, z)) {
      CheckedMath own;
      t.value = compute(own);
      t.failed = own.failed();
      t.from = {x, y, z};
      t.known = true;
    }
    if (t.failed) math.fail();
    return t.value;
  }
  // The checked quotient a / b, kept as a term.
  double quotient(std::size_t slot, double a, double b) {
    return term(slot, a, b, 0, [a, b](CheckedMath& m) {
      return std::array<double, 2>{m.div(a, b), 0};
    })[0];
  }

  // Area of a circle of diameter d, as the fittings and the orifice form it.
  double area(double d) { return math.single(((d * d) / 4) * kAreaPi); }

  // Gradient, loss coefficient and velocity of the pipe-friction pages; the velocity is formed
  // by `speed` once the gradient is written, and the loss coefficient reads it back as stored.
  template <typename Speed>
  bool pipeOutputs(int gradient, int lossCoefficient, int velocity, double hf, double slope,
                   Speed speed) {
    if (!out(gradient, slope)) return false;
    if (!out(velocity, speed())) return false;
    const double v = in(velocity);
    return out(lossCoefficient, math.div(hf, v * v) * 2 * kGravity);
  }

 private:
  Single* values_;
  std::span<FormulaTerm> terms_;
};

std::array<double, 2> one(double x) {
  return {x, 0};
}

bool hazenWilliams(Evaluation& e, Single& r) {
  CheckedMath& m = e.math;
  const double d = e.in(1), q = e.in(2), c = e.in(3), length = e.in(4), hf = e.in(5);
  const double slope = m.div(hf, length);
  // The pipe's term: unchanged while the head loss or the length is solved for.
  const double pipe = e.term(0, q, c, d, [&](CheckedMath& t) {
    const double base = t.div(t.div(q, c), t.pow(d, kHazenDiameterExponent));
    return one(kHazenFactor * t.pow(base, kHazenExponent));
  })[0];
  if (!e.residual(slope - pipe, r)) return false;
  // The gradient is the slope just formed, which did not fail.
  return e.pipeOutputs(6, 7, 8, hf, slope,
                       [&] { return e.quotient(1, q, (kAreaPi * (d * d)) / 4); });
}

bool colebrookWhite(Evaluation& e, Single& r) {
  CheckedMath& m = e.math;
  const double d = e.in(1), q = e.in(2), k = e.in(3), nu = e.in(4), length = e.in(5), hf = e.in(6);
  const double w = m.single(m.sqrt(m.div(kTwoGravity * d * hf, length)));
  const double logArgument = e.quotient(0, k / kColebrookRoughness, d) +
                             m.div(e.quotient(1, kColebrookViscous * nu, d), w);
  const double flow = ((kAreaPi * (d * d)) / 2) * w * kLog10OfE * m.log(logArgument);
  if (!e.residual(q + flow, r)) return false;
  return e.pipeOutputs(7, 8, 9, hf, m.div(hf, length),
                       [&] { return e.quotient(2, q, (kAreaPi * (d * d)) / 4); });
}

bool manning(Evaluation& e, Single& r) {
  CheckedMath& m = e.math;
  const double d = e.in(1), q = e.in(2), n = e.in(3), length = e.in(5), hf = e.in(6);
  const double depthRatio = e.in(4);
  // The wetted section and its share of the flow, of the pipe alone: {area, (1 / n) R^(2/3)}.
  const auto& section = e.term(0, d, depthRatio, n, [&](CheckedMath& t) {
    double theta = kFullPipeAngle;
    if (depthRatio != 1.0) {
      // Half-angle of the wetted sector: arccos x, written with the arctangent.
      const double x = t.single(1 - 2 * depthRatio);
      theta = t.single(std::atan(t.div(-x, t.sqrt(1 - x * x))) + kHalfPi);
    }
    const double r0 = t.single(d / 2);
    const double area = t.single(r0 * r0 * theta - r0 * std::sin(theta) * r0 * std::cos(theta));
    const double perimeter = t.single((r0 + r0) * theta);
    const double radius = t.single(t.div(area, perimeter));
    return std::array<double, 2>{area, t.div(1, n) * t.pow(radius, kManningExponent)};
  });
  const double area = section[0];
  const double slope = m.div(hf, length);
  const double flow = section[1] * m.pow(slope, kHalf) * area;
  if (!e.residual(q - flow, r)) return false;
  return e.pipeOutputs(7, 8, 9, hf, slope, [&] { return e.quotient(1, q, area); });
}

bool orifice(Evaluation& e, Single& r) {
  CheckedMath& m = e.math;
  const double d = e.in(1), beta = e.in(2), q = e.in(3), h = e.in(4), cd = e.in(5);
  const double area = e.area(d);
  const double orificeArea = m.single((((d * beta) * (d * beta)) / 4) * kAreaPi);
  const double velocity = e.quotient(0, q, area);
  // The plate's coefficient of the velocity head.
  const double plate = e.term(1, cd, beta, 0, [&](CheckedMath& t) {
    return one(t.div(1, cd * cd) * (1 - t.pow(beta, 4)) * t.pow(t.div(1, beta), 4));
  })[0];
  const double head = (plate * (velocity * velocity)) / 2 / kGravity;
  if (!e.residual(h - head, r)) return false;
  if (!e.out(6, velocity)) return false;
  if (!e.out(7, e.quotient(2, q, orificeArea))) return false;
  const double v = e.in(6);
  return e.out(8, m.div(h, v * v) * 2 * kGravity);
}

bool fitting(Evaluation& e, Single& r) {
  CheckedMath& m = e.math;
  const double d = e.in(1), q = e.in(2), k = e.in(3), hl = e.in(4);
  const double v = m.single(e.quotient(0, q, e.area(d)));
  if (!e.residual(hl - (k * (v * v)) / 2 / kGravity, r)) return false;
  return e.out(5, v);
}

// Sudden enlargement and reduction share the outputs; the loss is formed from the velocity of
// the smaller pipe for each, read back as stored.
bool suddenChange(Evaluation& e, Single& r, bool expansion) {
  const double d1 = e.in(1), d2 = e.in(2), q = e.in(3), k = e.in(4), hl = e.in(5);
  const double a1 = e.area(d1), a2 = e.area(d2);
  if (!e.out(6, e.quotient(0, q, a1))) return false;
  if (!e.out(7, e.quotient(1, q, a2))) return false;
  if (!e.out(8, expansion ? e.quotient(2, a1, a2) : e.quotient(2, a2, a1))) return false;
  const double v = e.in(expansion ? 6 : 7);
  return e.residual(hl - (k * (v * v)) / 2 / kGravity, r);
}

bool evaluate(Formula kind, Evaluation& e, Single& r) {
  switch (kind) {
    case Formula::HazenWilliams:
      return hazenWilliams(e, r);
    case Formula::ColebrookWhite:
      return colebrookWhite(e, r);
    case Formula::Manning:
      return manning(e, r);
    case Formula::Orifice:
      return orifice(e, r);
    case Formula::Fitting:
      return fitting(e, r);
    case Formula::Expansion:
      return suddenChange(e, r, true);
    case Formula::Contraction:
      return suddenChange(e, r, false);
    case Formula::None:
      break;
  }
  return true;
}

}  // namespace

Single PageFormula::residual(Array1<Single>& values, Integer& errFlag, CalcUi& ui) {
  ++evaluationCount;
  errFlag = 0;
  // A page with too few variables for its formula is refused before anything is written.
  if (values.upper() < positions_) throw IndexError();
  if (kind_ == Formula::None) {
    ui.showCritical(QStringLiteral("Formular not available!"));
    return 0;
  }
  Evaluation e(values.data(), terms_);
  Single r = 0;
  if (!evaluate(kind_, e, r)) {
    errFlag = 1;
    return 0;
  }
  return r;
}

Single FormulaResidual(Array1<Single>& values, Integer& errFlag, const QString& formula,
                       CalcUi& ui) {
  PageFormula once(formula);
  return once.residual(values, errFlag, ui);
}

std::uint64_t FormulaEvaluationCount() {
  return evaluationCount;
}

void CountEvaluationRepeated() {
  ++evaluationCount;
}

}  // namespace vantrel::calc
