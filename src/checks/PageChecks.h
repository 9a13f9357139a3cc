#pragma once
// The engineer's checks of the page on show: its Reynolds number and flow regime, and what an
// engineer would want to be told about its values (a formula used outside the conditions it
// was fitted to, a fitting that is not what its page is for, an entry read otherwise than
// typed). They describe; they never change a value. The window's checks panel, vantrel-solve
// and the calculation record all take them from checkPage().

#include <QString>
#include <optional>
#include <vector>

#include "calc/PageSession.h"

namespace vantrel::checks {

enum class Regime { Laminar, Transitional, Turbulent };
enum class Level { Warning, Note };

struct Finding {
  Level level;
  QString text;  // one sentence, or a short phrase for an entry note
};

struct PageChecks {
  // Where the page has a pipe velocity and diameter.
  std::optional<double> reynolds;
  std::optional<Regime> regime;
  // Whose viscosity the Reynolds number is formed with: "water at 20 °C" on the pages without a
  // viscosity row, empty where the page gives it.
  QString fluid;
  // Warnings first, each level in the order of the rule table, which puts the weightier first.
  std::vector<Finding> findings;

  bool hasWarning() const;
};

// Laminar below 2000, transitional from 2000 up to 4000, turbulent from 4000.
Regime regimeOf(double reynolds);
// "laminar", "transitional", "turbulent".
QString regimeName(Regime regime);

// Checks of the page on show in session, from its values, unknown and units and from the record
// of its last entry (when the session keeps one).
PageChecks checkPage(const calc::PageSession& session);

// "Re 2.1e5 turbulent (water at 20 °C)"; empty without a Reynolds number.
QString reynoldsLine(const PageChecks& checks);
// "Warning: ..." or "Note: ...".
QString findingLine(const Finding& finding);
// One line for a status panel: the Reynolds number, the first finding and how many more follow.
QString summaryLine(const PageChecks& checks);
// Every line: the Reynolds number, then each finding.
QString fullText(const PageChecks& checks);

}  // namespace vantrel::checks
