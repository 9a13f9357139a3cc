#include "Forms.h"

#include <cmath>

namespace vantrel::accuracy {
namespace {

// The pages' constants, as their formulas are written.
constexpr double kPageAreaPi = 3.142;
constexpr double kPageGravity = 9.815;
constexpr double kPageTwoGravity = 19.63;
constexpr double kPageFullPipeAngle = static_cast<double>(3.1416f);

double pageCircle(double d) {
  return (d * d / 4) * kPageAreaPi;
}

double hazenWilliams(Form form, const State& s) {
  const double d = s[1], q = s[2], c = s[3], length = s[4], hf = s[5];
  if (form == Form::Page) return hf / length - 10.7 * std::pow((q / c) / std::pow(d, 2.63), 1.85);
  return hf / length - kHazenFactor * std::pow(q, kHazenExponent) /
                           (std::pow(c, kHazenExponent) * std::pow(d, kHazenDiameterExponent));
}

// Written as the flow that a head loss drives, which is the Colebrook-White equation itself
// with the friction factor f = 2 g D S / v^2 taken out.
double colebrookWhite(Form form, const State& s) {
  const double d = s[1], q = s[2], k = s[3], nu = s[4], length = s[5], hf = s[6];
  if (form == Form::Page) {
    const double w = std::sqrt(kPageTwoGravity * d * hf / length);
    return q +
           (kPageAreaPi * d * d / 2) * w * 0.434294481 * std::log(k / 3.7 / d + 2.51 * nu / d / w);
  }
  const double w = std::sqrt(2 * kGravity * d * hf / length);
  return q + 2 * circle(d) * w * std::log10(k / (3.7 * d) + 2.51 * nu / (d * w));
}

// Wetted area and perimeter of a circular pipe of diameter d filled to y/D.
void segment(Form form, double d, double depth, double& area, double& perimeter) {
  const double r = d / 2;
  if (form == Form::Page) {
    const double theta = depth == 1.0 ? kPageFullPipeAngle : std::acos(1 - 2 * depth);
    area = r * r * theta - r * std::sin(theta) * r * std::cos(theta);
    perimeter = 2 * r * theta;
    return;
  }
  const double phi = 2 * std::acos(1 - 2 * depth);  // the wetted sector's full angle
  area = d * d / 8 * (phi - std::sin(phi));
  perimeter = d * phi / 2;
}

double manning(Form form, const State& s) {
  const double d = s[1], q = s[2], n = s[3], depth = s[4], length = s[5], hf = s[6];
  double area = 0, perimeter = 0;
  segment(form, d, depth, area, perimeter);
  return q - (1 / n) * area * std::pow(area / perimeter, 2.0 / 3.0) * std::sqrt(hf / length);
}

double orifice(Form form, const State& s) {
  const double d = s[1], beta = s[2], q = s[3], h = s[4], cd = s[5];
  if (form == Form::Page) {
    const double v = q / pageCircle(d);
    return h - (1 / (cd * cd)) * (1 - std::pow(beta, 4)) * std::pow(1 / beta, 4) * v * v / 2 /
                   kPageGravity;
  }
  return q - cd * circle(beta * d) * std::sqrt(2 * kGravity * h / (1 - std::pow(beta, 4)));
}

double velocityHead(Form form, double v) {
  return v * v / (form == Form::Page ? 2 * kPageGravity : 2 * kGravity);
}

double area(Form form, double d) {
  return form == Form::Page ? pageCircle(d) : circle(d);
}

}  // namespace

double residual(const QString& caption, Form form, const State& s) {
  if (caption == "H.Williams") return hazenWilliams(form, s);
  if (caption == "C.White") return colebrookWhite(form, s);
  if (caption == "Manning") return manning(form, s);
  if (caption == "Orifice") return orifice(form, s);
  if (caption == "Expansion" || caption == "Contraction") {
    const double d = caption == "Expansion" ? s[1] : s[2];
    return s[5] - s[4] * velocityHead(form, s[3] / area(form, d));
  }
  // Bends, valves, inlets and outlets.
  return s[4] - s[3] * velocityHead(form, s[2] / area(form, s[1]));
}

bool solve(const QString& caption, Form form, State& s, int unknown) {
  double& x = s[static_cast<std::size_t>(unknown)];
  const double start = x > 0 ? x : 1;
  const auto at = [&](double value) {
    x = value;
    return residual(caption, form, s);
  };
  // g rises through zero at the root whichever way the residual runs.
  const double direction = at(start * 2) > at(start) ? 1 : -1;
  const auto g = [&](double value) { return direction * at(value); };
  double lo = start, hi = start;
  for (int i = 0; i < 400 && !(g(lo) < 0); ++i)
    lo /= 2;
  for (int i = 0; i < 400 && !(g(hi) > 0); ++i)
    hi *= 2;
  if (!(g(lo) < 0 && g(hi) > 0)) return false;
  for (;;) {
    const double mid = hi / lo > 1.0001 ? std::sqrt(lo * hi) : lo + (hi - lo) / 2;
    if (mid <= lo || mid >= hi) break;
    (g(mid) < 0 ? lo : hi) = mid;
  }
  x = lo + (hi - lo) / 2;
  return true;
}

void textbookOutputs(const QString& caption, State& s) {
  const auto lossCoefficient = [](double head, double v) { return 2 * kGravity * head / (v * v); };
  if (caption == "H.Williams") {
    s[6] = s[5] / s[4];
    s[8] = s[2] / circle(s[1]);
    s[7] = lossCoefficient(s[5], s[8]);
  } else if (caption == "C.White" || caption == "Manning") {
    double flowArea = circle(s[1]);
    if (caption == "Manning") {
      double perimeter = 0;
      segment(Form::Textbook, s[1], s[4], flowArea, perimeter);
    }
    s[7] = s[6] / s[5];
    s[9] = s[2] / flowArea;
    s[8] = lossCoefficient(s[6], s[9]);
  } else if (caption == "Orifice") {
    s[6] = s[3] / circle(s[1]);
    s[7] = s[3] / circle(s[1] * s[2]);
    s[8] = lossCoefficient(s[4], s[6]);
  } else if (caption == "Expansion" || caption == "Contraction") {
    s[6] = s[3] / circle(s[1]);
    s[7] = s[3] / circle(s[2]);
    s[8] = caption == "Expansion" ? circle(s[1]) / circle(s[2]) : circle(s[2]) / circle(s[1]);
  } else {
    s[5] = s[2] / circle(s[1]);
  }
}

}  // namespace vantrel::accuracy
