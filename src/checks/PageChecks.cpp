#include "checks/PageChecks.h"

#include <QStringBuilder>
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
  if (below(reynolds, kLaminarBelow)) return Regime::Laminar;
  if (below(reynolds, kTurbulentFrom)) return Regime::Transitional;
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
  // Written digit by digit: number formatting through a library would be most of what a refresh
  // of the checks costs.
  QString text;
  const auto digits = [&text](long value) {
    const qsizetype at = text.size();
    do {
      text.insert(at, QChar(u'0' + static_cast<char16_t>(value % 10)));
      value /= 10;
    } while (value > 0);
  };
  if (reynolds < 10000) {
    digits(static_cast<long>(reynolds));  // cut, so that 3999.7 does not read 4000
    return text;
  }
  int exponent = 1;
  double mantissa = reynolds;  // brought below 100: two figures, the first before the point
  while (mantissa >= 100) {
    mantissa /= 10;
    ++exponent;
  }
  long figures = std::lround(mantissa);  // 21 for 2.1e5
  if (figures == 100) {
    figures = 10;
    ++exponent;
  }
  digits(figures / 10);
  text += u'.';
  digits(figures % 10);
  text += u'e';
  digits(exponent);
  return text;
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
  QString line = u"Re " % reynoldsFigure(*checks.reynolds) % u' ' % regimeName(*checks.regime);
  if (!checks.fluid.isEmpty()) line += u" (" % checks.fluid % u')';
  return line;
}

QString findingLine(const Finding& finding) {
  return (finding.level == Level::Warning ? u"Warning: " : u"Note: ") % finding.text;
}

QString summaryLine(const PageChecks& checks) {
  QString line = reynoldsLine(checks);
  if (checks.findings.empty()) return line;
  if (!line.isEmpty()) line += u" \u00b7 ";
  line += findingLine(checks.findings.front());
  if (checks.findings.size() > 1)
    line += u" (+" % QString::number(checks.findings.size() - 1) % u" more)";
  return line;
}

QString fullText(const PageChecks& checks) {
  QString text = reynoldsLine(checks);
  for (const Finding& f : checks.findings) {
    if (!text.isEmpty()) text += u'\n';
    text += findingLine(f);
  }
  return text;
}

}  // namespace vantrel::checks
