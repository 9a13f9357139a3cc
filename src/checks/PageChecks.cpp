#include "checks/PageChecks.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "checks/PageFacts.h"
#include "checks/Rules.h"

namespace vantrel::checks {

namespace {

// The split network solvers use (EPANET's, for one).
constexpr double kLaminarBelow = 2000;
constexpr double kTurbulentFrom = 4000;

}  // namespace

bool PageChecks::hasWarning() const {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& f) { return f.level == Level::Warning; });
}

Regime regimeOf(double reynolds) {
  if (reynolds < kLaminarBelow) return Regime::Laminar;
  if (reynolds < kTurbulentFrom) return Regime::Transitional;
  return Regime::Turbulent;
}

QString regimeName(Regime regime) {
  switch (regime) {
    case Regime::Laminar:
      return QStringLiteral("laminar");
    case Regime::Transitional:
      return QStringLiteral("transitional");
    case Regime::Turbulent:
      break;
  }
  return QStringLiteral("turbulent");
}

QString reynoldsFigure(double reynolds) {
  // Whole numbers are cut, not rounded, so that 3999.7 does not read 4000 beside "transitional".
  if (reynolds < 10000) return QString::number(std::floor(reynolds), 'f', 0);
  const int exponent = static_cast<int>(std::floor(std::log10(reynolds)));
  double mantissa = std::round(reynolds / std::pow(10.0, exponent) * 10) / 10;
  int shown = exponent;
  if (mantissa >= 10) {
    mantissa /= 10;
    ++shown;
  }
  return QStringLiteral("%1e%2").arg(QString::number(mantissa, 'f', 1)).arg(shown);
}

PageChecks checkPage(const calc::PageSession& session) {
  const PageFacts facts(session);
  PageChecks checks;
  checks.reynolds = facts.reynolds();
  if (checks.reynolds) {
    checks.regime = regimeOf(*checks.reynolds);
    if (facts.water()) checks.fluid = QStringLiteral("water at 20 \u00b0C");
  }
  checks.findings = findingsOf(facts);
  return checks;
}

QString reynoldsLine(const PageChecks& checks) {
  if (!checks.reynolds || !checks.regime) return {};
  QString line =
      QStringLiteral("Re %1 %2").arg(reynoldsFigure(*checks.reynolds), regimeName(*checks.regime));
  if (!checks.fluid.isEmpty()) line += QStringLiteral(" (%1)").arg(checks.fluid);
  return line;
}

QString findingLine(const Finding& finding) {
  return (finding.level == Level::Warning ? QStringLiteral("Warning: ")
                                          : QStringLiteral("Note: ")) +
         finding.text;
}

QString summaryLine(const PageChecks& checks) {
  QStringList parts;
  if (const QString re = reynoldsLine(checks); !re.isEmpty()) parts << re;
  if (!checks.findings.empty()) {
    QString first = findingLine(checks.findings.front());
    if (checks.findings.size() > 1)
      first += QStringLiteral(" (+%1 more)").arg(checks.findings.size() - 1);
    parts << first;
  }
  return parts.join(QStringLiteral(" \u00b7 "));
}

QString fullText(const PageChecks& checks) {
  QStringList lines;
  if (const QString re = reynoldsLine(checks); !re.isEmpty()) lines << re;
  for (const Finding& f : checks.findings)
    lines << findingLine(f);
  return lines.join(u'\n');
}

}  // namespace vantrel::checks
