#include "tables/Water.h"

#include <QRegularExpression>
#include <array>
#include <cmath>

namespace vantrel::tables {

namespace {

constexpr double kCriticalTemperature = 647.096;  // K
constexpr double kCriticalDensity = 322.0;        // kg/m³
constexpr double kGasConstant = 0.46151805;       // kJ/(kg K)
constexpr double kPressure = 0.1;                 // MPa

// IAPWS-95, residual part: n δ^d τ^t, and from term 8 on times exp(-δ^c).
struct PowerTerm {
  int c, d;
  double t, n;
};
constexpr std::array<PowerTerm, 51> kPowerTerms{{
    {0, 1, -0.5, 0.12533547935523e-1},  {0, 1, 0.875, 0.78957634722828e1},
    {0, 1, 1, -0.87803203303561e1},     {0, 2, 0.5, 0.31802509345418},
    {0, 2, 0.75, -0.26145533859358},    {0, 3, 0.375, -0.78199751687981e-2},
    {0, 4, 1, 0.88089493102134e-2},     {1, 1, 4, -0.66856572307965},
    {1, 1, 6, 0.20433810950965},        {1, 1, 12, -0.66212605039687e-4},
    {1, 2, 1, -0.19232721156002},       {1, 2, 5, -0.25709043003438},
    {1, 3, 4, 0.16074868486251},        {1, 4, 2, -0.40092828925807e-1},
    {1, 4, 13, 0.39343422603254e-6},    {1, 5, 9, -0.75941377088144e-5},
    {1, 7, 3, 0.56250979351888e-3},     {1, 9, 4, -0.15608652257135e-4},
    {1, 10, 11, 0.11537996422951e-8},   {1, 11, 4, 0.36582165144204e-6},
    {1, 13, 13, -0.13251180074668e-11}, {1, 15, 1, -0.62639586912454e-9},
    {2, 1, 7, -0.10793600908932},       {2, 2, 1, 0.17611491008752e-1},
    {2, 2, 9, 0.22132295167546},        {2, 2, 10, -0.40247669763528},
    {2, 3, 10, 0.58083399985759},       {2, 4, 3, 0.49969146990806e-2},
    {2, 4, 7, -0.31358700712549e-1},    {2, 4, 10, -0.74315929710341},
    {2, 5, 10, 0.47807329915480},       {2, 6, 6, 0.20527940895948e-1},
    {2, 6, 10, -0.13636435110343},      {2, 7, 10, 0.14180634400617e-1},
    {2, 9, 1, 0.83326504880713e-2},     {2, 9, 2, -0.29052336009585e-1},
    {2, 9, 3, 0.38615085574206e-1},     {2, 9, 4, -0.20393486513704e-1},
    {2, 9, 8, -0.16554050063734e-2},    {2, 10, 6, 0.19955571979541e-2},
    {2, 10, 9, 0.15870308324157e-3},    {2, 12, 8, -0.16388568342530e-4},
    {3, 3, 16, 0.43613615723811e-1},    {3, 4, 22, 0.34994005463765e-1},
    {3, 4, 23, -0.76788197844621e-1},   {3, 5, 23, 0.22446277332006e-1},
    {4, 14, 10, -0.62689710414685e-4},  {6, 3, 50, -0.55711118565645e-9},
    {6, 6, 44, -0.19905718354408},      {6, 6, 46, 0.31777497330738},
    {6, 6, 50, -0.11841182425981},
}};

// IAPWS-95, the Gaussian terms: n δ^d τ^t exp(-α(δ-ε)² - β(τ-γ)²). The two non-analytic terms
// that follow them in the formulation are left out: for the liquid below 100 °C their factor
// exp(-C(δ-1)² - D(τ-1)²) is below 1e-400, zero in double arithmetic.
struct GaussTerm {
  double d, t, n, alpha, beta, gamma, epsilon;
};
constexpr std::array<GaussTerm, 3> kGaussTerms{{
    {3, 0, -0.31306260323435e2, 20, 150, 1.21, 1},
    {3, 1, 0.31546140237781e2, 20, 150, 1.21, 1},
    {3, 4, -0.25213154341695e4, 20, 250, 1.25, 1},
}};

// ∂φr/∂δ, the derivative of the residual Helmholtz energy that the pressure needs.
double residualDeltaDerivative(double delta, double tau) {
  double sum = 0;
  for (const PowerTerm& p : kPowerTerms) {
    const double base = p.n * std::pow(delta, p.d - 1) * std::pow(tau, p.t);
    if (p.c == 0) {
      sum += base * p.d;
    } else {
      const double dc = std::pow(delta, p.c);
      sum += base * std::exp(-dc) * (p.d - p.c * dc);
    }
  }
  for (const GaussTerm& g : kGaussTerms) {
    const double e = std::exp(-g.alpha * (delta - g.epsilon) * (delta - g.epsilon) -
                              g.beta * (tau - g.gamma) * (tau - g.gamma));
    sum += g.n * std::pow(delta, g.d) * std::pow(tau, g.t) * e *
           (g.d / delta - 2 * g.alpha * (delta - g.epsilon));
  }
  return sum;
}

// Pressure in MPa at a density in kg/m³ and a temperature in K.
double pressure(double density, double kelvin) {
  const double delta = density / kCriticalDensity;
  const double tau = kCriticalTemperature / kelvin;
  return density * kGasConstant * kelvin * (1 + delta * residualDeltaDerivative(delta, tau)) / 1000;
}

double kelvinOf(double celsius) {
  return celsius + 273.15;
}

}  // namespace

double waterDensity(double celsius) {
  const double kelvin = kelvinOf(celsius);
  // The liquid is nearly incompressible: Newton's method from 1000 kg/m³ takes a few steps.
  double density = 1000;
  for (int step = 0; step < 50; ++step) {
    const double h = 1e-4;
    const double p = pressure(density, kelvin);
    const double slope = (pressure(density + h, kelvin) - pressure(density - h, kelvin)) / (2 * h);
    const double change = (p - kPressure) / slope;
    density -= change;
    if (std::abs(change) < 1e-10) break;
  }
  return density;
}

namespace {

double dynamicViscosity(double celsius, double density) {
  static constexpr std::array<double, 4> kDilute{1.67752, 2.20462, 0.6366564, -0.241605};
  // Coefficients H_ij of the residual factor, i for the temperature, j for the density.
  static constexpr double kResidual[6][7] = {
      {5.20094e-1, 2.22531e-1, -2.81378e-1, 1.61913e-1, -3.25372e-2, 0, 0},
      {8.50895e-2, 9.99115e-1, -9.06851e-1, 2.57399e-1, 0, 0, 0},
      {-1.08374, 1.88797, -7.72479e-1, 0, 0, 0, 0},
      {-2.89555e-1, 1.26613, -4.89837e-1, 0, 6.98452e-2, 0, -4.35673e-3},
      {0, 0, -2.57040e-1, 0, 0, 8.72102e-3, 0},
      {0, 1.20573e-1, 0, 0, 0, 0, -5.93264e-4},
  };
  const double t = kelvinOf(celsius) / kCriticalTemperature;
  const double rho = density / kCriticalDensity;
  double dilute = 0;
  for (std::size_t i = 0; i < kDilute.size(); ++i)
    dilute += kDilute[i] / std::pow(t, static_cast<double>(i));
  const double mu0 = 100 * std::sqrt(t) / dilute;
  double sum = 0;
  for (int i = 0; i < 6; ++i) {
    double inner = 0;
    for (int j = 0; j < 7; ++j)
      inner += kResidual[i][j] * std::pow(rho - 1, j);
    sum += std::pow(1 / t - 1, i) * inner;
  }
  const double mu1 = std::exp(rho * sum);
  return mu0 * mu1 * 1e-6;  // the formulation's unit is 1 µPa·s
}

}  // namespace

double waterDynamicViscosity(double celsius) {
  return dynamicViscosity(celsius, waterDensity(celsius));
}

double waterKinematicViscosity(double celsius) {
  const double density = waterDensity(celsius);
  return dynamicViscosity(celsius, density) / density;
}

std::optional<double> temperatureIn(QStringView text) {
  static const QRegularExpression pattern(
      QStringLiteral(
          R"(^\s*(?:water\s*)?(?:at\s*)?([+-]?\d+(?:\.\d*)?)\s*(?:°\s*C?|℃|C|deg\s*C?)?\s*$)"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  return match.captured(1).toDouble();
}

QString waterEntryName(double celsius) {
  return QStringLiteral("Water at %1 °C").arg(QString::number(celsius, 'g', 10));
}

QString waterSource() {
  return QStringLiteral(
      "IAPWS R12-08 (viscosity, 2008) over IAPWS R6-95(2018) (density), liquid at 0.1 MPa");
}

}  // namespace vantrel::tables
