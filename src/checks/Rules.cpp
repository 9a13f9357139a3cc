#include "checks/Rules.h"

#include <QStringBuilder>
#include <algorithm>
#include <cmath>

#include "calc/RangeData.h"
#include "calc/RangeRule.h"
#include "numtext/NumberFormat.h"
#include "numtext/NumberReading.h"

namespace vantrel::checks {

namespace {

using calc::Formula;
using Q = calc::Quantity;
using Said = std::optional<QString>;

// The limits and where they come from (the user guide cites the same).
// Moody's chart, from which Colebrook-White is read, ends at this relative roughness.
constexpr double kRoughestPipe = 0.05;
// The range Hazen and Williams fitted their coefficient over: pipes of about 2 in to 6 ft,
// velocities up to about 10 ft/s, water in turbulent flow.
constexpr double kHazenSmallestPipe = 0.05;
constexpr double kHazenLargestPipe = 1.8;
constexpr double kHazenFastest = 3.0;
// A circular pipe partly full carries the full-pipe flow again at y/D 0.8196 and most, 1.076
// times it, at y/D 0.938 (Manning: Q grows as A^(5/3) / P^(2/3)).
constexpr double kTwoDepthsFrom = 0.8196;
// ISO 5167-2 (orifice plates): the conditions of its discharge coefficients.
constexpr double kOrificeSmallestPipe = 0.05;
constexpr double kOrificeLargestPipe = 1.0;
constexpr double kOrificeSmallestBore = 0.0125;
constexpr double kOrificeSmallestBeta = 0.1;
constexpr double kOrificeLargestBeta = 0.75;
constexpr double kOrificeSlowestFlow = 5000;  // pipe Reynolds number

QString figure(double x, int digits = 3) {
  return QString::number(x, 'g', digits);
}

bool flowIs(const PageFacts& f, Regime regime) {
  return f.reynolds() && regimeOf(*f.reynolds()) == regime;
}

bool belowTurbulent(const PageFacts& f) {
  return f.reynolds() && regimeOf(*f.reynolds()) != Regime::Turbulent;
}

// Any page.

Said unknownIsComputed(const PageFacts& f) {
  const Integer u = f.session().unknown();
  if (!f.written(u)) return {};
  return QStringLiteral(
             "%1 is computed from the other rows and cannot be solved for: choose "
             "another row to solve for.")
      .arg(f.rowName(u));
}

// Whether an item of expression is "*", which takes any value: most result rows have one, and
// this spares them the parse of a range check on every refresh.
bool takesAnything(const QString& expression) {
  bool star = false;  // the item so far is blanks and one "*"
  bool other = false;
  for (const QChar c : expression) {
    if (c == u',') {
      if (star && !other) return true;
      star = other = false;
    } else if (c == u'*' && !star) {
      star = true;
    } else if (c != u' ') {
      other = true;
    }
  }
  return star && !other;
}

// Whether row's range would take value if it were typed, as a commit checks an entry.
bool rangeTakes(const QString& expression, double value) {
  const calc::RangeRule& rule = calc::rangeRuleOf(expression);
  const auto typed = static_cast<Single>(value);
  if (rule.real()) return rule.acceptsNumber(numtext::generalFormValue(typed));
  QString entry = numtext::leadingSpaceForm(typed);
  Single number = 0;
  QString text;
  return rule.check(entry, number, text);
}

// The value solved for, or a result row, beyond what the row would accept if it were typed: the
// formula has been carried where the data file says the quantity means nothing. Only number
// ranges say so; a value on a limit is within it.
Said outsideItsRange(const PageFacts& f, Integer row) {
  if (row != f.session().unknown() && !f.written(row)) return {};
  const QString& expression = f.session().rangeExpression(row);
  const QStringView type = QStringView(expression).left(expression.indexOf(u',')).trimmed();
  const bool number =
      type.compare(u"F", Qt::CaseInsensitive) == 0 || type.compare(u"I", Qt::CaseInsensitive) == 0;
  if (!number || takesAnything(expression)) return {};
  const double value = f.session().value(row);
  for (const double x : {value, value * (1 - kOnTheLimit), value * (1 + kOnTheLimit)})
    if (rangeTakes(expression, x)) return {};
  QString range = calc::RangeWords(expression, f.session().factor(row));
  const QString unit = f.session().unitName(row).trimmed();
  if (!range.isEmpty() && !unit.isEmpty()) range += u' ' + unit;
  return QStringLiteral("%1 = %2 is outside the range the row accepts (%3).")
      .arg(f.rowName(row), f.shownInRow(row, value), range);
}

// The last entry, when the session keeps it and it is one of this page's rows.
const calc::EntryRecord* lastEntry(const PageFacts& f) {
  const calc::EntryRecord* e = f.session().lastEntry();
  return e != nullptr && e->row >= 1 && e->row <= f.session().rowCount() ? e : nullptr;
}

QString readAs(const calc::EntryRecord& e) {
  const QString number = numtext::generalForm(e.read);
  return e.unit.trimmed().isEmpty() ? number : number + u' ' + e.unit.trimmed();
}

Said entryReplaced(const PageFacts& f) {
  const calc::EntryRecord* e = lastEntry(f);
  if (e == nullptr || !f.written(e->row) || f.session().value(e->row) == e->entered) return {};
  return QStringLiteral(
             "The %1 typed (%2) was replaced: the formula computes it from the other "
             "rows.")
      .arg(f.rowName(e->row), readAs(*e));
}

// Text after the number that names the row's own unit ("8 mm" in a mm box) was meant as it was
// read.
Said entryReadInPart(const PageFacts& f) {
  const calc::EntryRecord* e = lastEntry(f);
  if (e == nullptr) return {};
  const QString rest = e->text.mid(e->readLength).trimmed();
  if (rest.isEmpty() || rest == e->unit.trimmed()) return {};
  return QStringLiteral("read \"%1\" as %2").arg(e->text.trimmed(), readAs(*e));
}

// Colebrook-White.

Said colebrookLaminar(const PageFacts& f) {
  if (!flowIs(f, Regime::Laminar)) return {};
  // h = f L/D v²/2g with f = 64/Re is the Hagen-Poiseuille law.
  const double d = f.value(Q::Diameter), v = f.value(Q::Velocity);
  const double laminarLoss =
      32 * f.value(Q::Viscosity) * f.value(Q::Length) * v / (kGravity * d * d);
  return QStringLiteral(
             "Laminar flow: Colebrook-White does not apply. The laminar law "
             "(f = 64/Re) gives a head loss of %1 for this flow.")
      .arg(f.shownAs(Q::Head, laminarLoss));
}

Said colebrookTransitional(const PageFacts& f) {
  if (!flowIs(f, Regime::Transitional)) return {};
  return QStringLiteral(
      "Transitional flow (Re 2000 to 4000): the friction factor, and so the "
      "result, is uncertain.");
}

Said colebrookRough(const PageFacts& f) {
  const double relative = f.value(Q::Roughness) / f.value(Q::Diameter);
  if (!above(relative, kRoughestPipe)) return {};
  return QStringLiteral(
             "Relative roughness k/D = %1 is above 0.05, beyond the range of "
             "Colebrook-White.")
      .arg(figure(relative, 2));
}

// Hazen-Williams.

Said hazenPipeSize(const PageFacts& f) {
  const double d = f.value(Q::Diameter);
  if (!below(d, kHazenSmallestPipe) && !above(d, kHazenLargestPipe)) return {};
  return QStringLiteral(
             "Hazen-Williams was fitted to pipes of about 50 mm to 1.8 m; this one "
             "is %1.")
      .arg(f.shown(Q::Diameter));
}

Said hazenVelocity(const PageFacts& f) {
  if (!above(f.value(Q::Velocity), kHazenFastest)) return {};
  return QStringLiteral("Hazen-Williams was fitted to velocities up to about 3 m/s; here %1.")
      .arg(f.shown(Q::Velocity));
}

Said hazenNotTurbulent(const PageFacts& f) {
  if (!belowTurbulent(f)) return {};
  return QStringLiteral("Re below 4000: Hazen-Williams was fitted to turbulent flow only.");
}

// Manning.

Said manningNotTurbulent(const PageFacts& f) {
  if (!belowTurbulent(f)) return {};
  return QStringLiteral("Re below 4000: Manning assumes rough turbulent flow.");
}

Said manningTwoDepths(const PageFacts& f) {
  const double depth = f.value(Q::DepthRatio);
  if (std::isnan(depth) || below(depth, kTwoDepthsFrom) || above(depth, 1)) return {};
  return QStringLiteral(
      "Between y/D 0.82 and 1 the same flow runs at two depths; the flow is "
      "greatest at y/D 0.938 (1.076 \u00d7 the full-pipe flow).");
}

// Orifice plate.

Said orificePipe(const PageFacts& f) {
  const double d = f.value(Q::Diameter);
  if (!below(d, kOrificeSmallestPipe) && !above(d, kOrificeLargestPipe)) return {};
  return QStringLiteral("Outside ISO 5167-2: the pipe (%1) is not within 50 to 1000 mm.")
      .arg(f.shown(Q::Diameter));
}

Said orificeBore(const PageFacts& f) {
  const double bore = f.value(Q::DiameterRatio) * f.value(Q::Diameter);
  if (!below(bore, kOrificeSmallestBore)) return {};
  return QStringLiteral("Outside ISO 5167-2: the bore d = \u03b2D (%1) is below 12.5 mm.")
      .arg(f.shownAs(Q::Diameter, bore));
}

Said orificeBeta(const PageFacts& f) {
  const double beta = f.value(Q::DiameterRatio);
  if (!below(beta, kOrificeSmallestBeta) && !above(beta, kOrificeLargestBeta)) return {};
  return QStringLiteral("Outside ISO 5167-2: \u03b2 = %1 is not within 0.1 to 0.75.")
      .arg(f.shown(Q::DiameterRatio));
}

Said orificeSlowFlow(const PageFacts& f) {
  if (!f.reynolds() || !below(*f.reynolds(), kOrificeSlowestFlow)) return {};
  return QStringLiteral("Outside ISO 5167-2: the pipe Reynolds number %1 is below 5000.")
      .arg(reynoldsFigure(*f.reynolds()));
}

// Sudden expansion and contraction.

Said notAnExpansion(const PageFacts& f) {
  if (above(f.value(Q::DownstreamDiameter), f.value(Q::UpstreamDiameter))) return {};
  return QStringLiteral("Not an expansion: D2 (%1) is not larger than D1 (%2).")
      .arg(f.shown(Q::DownstreamDiameter), f.shown(Q::UpstreamDiameter));
}

Said bordaCarnot(const PageFacts& f) {
  const double ratio = f.value(Q::UpstreamDiameter) / f.value(Q::DownstreamDiameter);
  if (!below(ratio, 1)) return {};
  const double areas = 1 - ratio * ratio;  // 1 - A1/A2
  // Built without arg(): this note stands on every expansion page.
  return u"Borda-Carnot for these diameters: K = (1 \u2212 A1/A2)\u00b2 = " %
         figure(areas * areas, 4) % u"; the page uses " % f.shown(Q::LossCoefficient) % u'.';
}

Said notAContraction(const PageFacts& f) {
  if (below(f.value(Q::DownstreamDiameter), f.value(Q::UpstreamDiameter))) return {};
  return QStringLiteral("Not a contraction: D2 (%1) is not smaller than D1 (%2).")
      .arg(f.shown(Q::DownstreamDiameter), f.shown(Q::UpstreamDiameter));
}

Said sharpContraction(const PageFacts& f) {
  const double ratio = f.value(Q::DownstreamDiameter) / f.value(Q::UpstreamDiameter);
  if (!below(ratio, 1)) return {};
  return u"Sharp-edged reduction: K = 0.5\u00b7(1 \u2212 (D2/D1)\u00b2) = " %
         figure(0.5 * (1 - ratio * ratio), 4) % u" on the outlet velocity; the page uses " %
         f.shown(Q::LossCoefficient) % u'.';
}

constexpr unsigned bit(Formula formula) {
  return 1u << static_cast<unsigned>(formula);
}
constexpr unsigned kAnyPage = ~0u;

struct Rule {
  unsigned formulas;  // bits of the formulas it applies to
  Level level;
  Said (*finding)(const PageFacts&);
  Said (*ofRow)(const PageFacts&, Integer) = nullptr;  // asked of each row instead
};

// Within a level, the weightier first: a page that cannot be solved, then a formula used where
// it does not hold, then what only describes.
constexpr Rule kRules[] = {
    {kAnyPage, Level::Warning, unknownIsComputed},
    {kAnyPage, Level::Warning, nullptr, outsideItsRange},
    {bit(Formula::Expansion), Level::Warning, notAnExpansion},
    {bit(Formula::Contraction), Level::Warning, notAContraction},
    {bit(Formula::ColebrookWhite), Level::Warning, colebrookLaminar},
    {bit(Formula::ColebrookWhite), Level::Warning, colebrookTransitional},
    {bit(Formula::ColebrookWhite), Level::Warning, colebrookRough},
    {bit(Formula::HazenWilliams), Level::Warning, hazenNotTurbulent},
    {bit(Formula::HazenWilliams), Level::Warning, hazenPipeSize},
    {bit(Formula::HazenWilliams), Level::Warning, hazenVelocity},
    {bit(Formula::Manning), Level::Warning, manningNotTurbulent},
    {bit(Formula::Orifice), Level::Warning, orificePipe},
    {bit(Formula::Orifice), Level::Warning, orificeBore},
    {bit(Formula::Orifice), Level::Warning, orificeBeta},
    {bit(Formula::Orifice), Level::Warning, orificeSlowFlow},
    {kAnyPage, Level::Note, entryReadInPart},
    {kAnyPage, Level::Note, entryReplaced},
    {bit(Formula::Manning), Level::Note, manningTwoDepths},
    {bit(Formula::Expansion), Level::Note, bordaCarnot},
    {bit(Formula::Contraction), Level::Note, sharpContraction},
};

}  // namespace

std::vector<Finding> findingsOf(const PageFacts& facts) {
  std::vector<Finding> found;
  const unsigned formula = bit(facts.formula());
  for (const Rule& rule : kRules) {
    if ((rule.formulas & formula) == 0) continue;
    if (rule.ofRow == nullptr) {
      if (Said text = rule.finding(facts)) found.push_back({rule.level, *std::move(text)});
      continue;
    }
    for (Integer row = 1; row <= facts.session().rowCount(); ++row)
      if (Said text = rule.ofRow(facts, row)) found.push_back({rule.level, *std::move(text)});
  }
  // Warnings first, wherever a row stands in the table.
  std::stable_sort(found.begin(), found.end(), [](const Finding& a, const Finding& b) {
    return a.level == Level::Warning && b.level == Level::Note;
  });
  return found;
}

}  // namespace vantrel::checks
