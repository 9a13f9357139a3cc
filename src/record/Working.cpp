#include "record/Working.h"

#include <QRegularExpression>
#include <functional>

#include "calc/CaptionText.h"
#include "calc/FormulaLayout.h"
#include "calc/Formular.h"
#include "checks/PageFacts.h"
#include "numtext/NumberFormat.h"
#include "record/FormulaTexts.h"
#include "record/PageRows.h"

namespace vantrel::record {

namespace {

using calc::Formula;
using calc::Quantity;
using Slot = std::function<QString(int)>;

class Unseen : public calc::CalcUi {
 public:
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString&) override { return false; }
  void showCritical(const QString&) override {}
};

QString si(Single value) {
  return numtext::shortestText(value);
}

// A value put into a formula: a negative one in brackets, so that no "− -5" stands.
QString putIn(Single value) {
  return value < 0 ? u'(' + si(value) + u')' : si(value);
}

// A derived figure, to five digits.
QString figure(double value) {
  return QString::number(value, 'g', 5);
}

// The text with each {n} replaced by what `at` gives for position n.
QString fillIn(const QString& text, const Slot& at) {
  static const QRegularExpression slot(QStringLiteral("\\{(\\d+)\\}"));
  QString out;
  qsizetype last = 0;
  for (const QRegularExpressionMatch& m : slot.globalMatch(text)) {
    out += text.mid(last, m.capturedStart() - last) + at(m.captured(1).toInt());
    last = m.capturedEnd();
  }
  return out + text.mid(last);
}

QString equations(const QStringList& lines, const Slot& at) {
  QString html;
  for (const QString& line : lines)
    html += QStringLiteral("<p class=\"equation\">%1</p>\n").arg(fillIn(line, at));
  return html;
}

QString nameOf(const calc::PageSession& s, Integer row) {
  return calc::variableName(s.caption(row)).toHtmlEscaped();
}

QString siUnitOfRow(const calc::PageSession& s, Integer row) {
  const auto positions = calc::positionsOf(calc::formulaOf(s.pageCaption()));
  const auto at = static_cast<std::size_t>(row - 1);
  return row >= 1 && at < positions.size() ? siUnitOf(positions[at].quantity) : QString();
}

// "Flow Rate (m³/s)", or the name alone.
QString heading(const QString& name, const QString& unit) {
  return unit.isEmpty() ? name : name + QStringLiteral(" (") + unit + u')';
}

std::size_t rowsOf(const calc::NewtonRun& run) {
  return run.passes.size() + (run.converged ? 0 : 1);
}

// One row a pass; the step and the edited value on its first. A failed step says so.
QString runRows(const calc::NewtonRun& run, std::size_t step) {
  QString html;
  for (std::size_t i = 0; i < run.passes.size(); ++i) {
    const bool first = i == 0;
    html += QStringLiteral(
                "<tr><td class=\"number\">%1</td><td class=\"number\">%2</td>"
                "<td class=\"number\">%3</td><td class=\"number\">%4</td>"
                "<td class=\"number\">%5</td></tr>\n")
                .arg(first ? QString::number(step) : QString(), first ? si(run.edited) : QString())
                .arg(i + 1)
                .arg(si(run.passes[i].trial), si(run.passes[i].residual));
  }
  if (!run.converged) {
    html += QStringLiteral(
                "<tr><td class=\"number\">%1</td><td colspan=\"4\">failed: the solver goes back "
                "to the last step solved and steps on more finely</td></tr>\n")
                .arg(step);
  }
  return html;
}

QString passesHtml(const calc::PageSession& s, const calc::SolveWorking& solve,
                   const QString& unit) {
  const std::vector<calc::NewtonRun>& runs = solve.runs();
  std::size_t passes = 0, failed = 0;
  for (const calc::NewtonRun& run : runs) {
    passes += run.passes.size();
    failed += run.converged ? 0 : 1;
  }
  // The last steps, as many as fit the list (the last at least).
  std::size_t first = runs.size(), listed = 0;
  while (first > 0 && (first == runs.size() || listed + rowsOf(runs[first - 1]) <=
                                                   static_cast<std::size_t>(kMostListedPasses))) {
    listed += rowsOf(runs[--first]);
  }
  const calc::EntryRecord* entry = s.lastEntry();
  const Integer edited = entry != nullptr ? entry->row : 0;
  const QString editedName = edited != 0 ? nameOf(s, edited) : QStringLiteral("The entry");
  QString html =
      QStringLiteral(
          "<p>%1 was brought to its new value in steps; at each step Newton's method solved "
          "for %2 from the step before's answer: %3 steps, %4 passes%5. A step's answer is its "
          "last trial value plus the small step the derivative is taken over.</p>\n")
          .arg(editedName, nameOf(s, s.unknown()))
          .arg(runs.size())
          .arg(passes)
          .arg(failed == 0 ? QString()
                           : QStringLiteral(", %1 of the steps failed and were made again "
                                            "more finely")
                                 .arg(failed));
  if (first > 0) {
    html += QStringLiteral("<p>Steps 1 to %1 are not listed.</p>\n").arg(first);
  }
  html += QStringLiteral(
              "<table class=\"passes\" border=\"1\" cellspacing=\"0\" cellpadding=\"0\">\n"
              "<tr><th>Step</th><th>%1</th><th>Pass</th><th>Trial %2</th><th>%3</th></tr>\n")
              .arg(heading(edited != 0 ? nameOf(s, edited) : QStringLiteral("Entry"),
                           siUnitOfRow(s, edited)),
                   heading(nameOf(s, s.unknown()), siUnitOfRow(s, s.unknown())),
                   heading(QStringLiteral("Residual"), unit));
  for (std::size_t i = first; i < runs.size(); ++i)
    html += runRows(runs[i], i + 1);
  return html + QStringLiteral("</table>\n");
}

// Re, k/D and f of a Colebrook-White page, each with its numbers.
QString pipeFigures(const calc::PageSession& s) {
  const checks::PageFacts facts(s);
  const auto v = [&](Quantity q) { return static_cast<Single>(facts.value(q)); };
  const Single d = v(Quantity::Diameter), velocity = v(Quantity::Velocity);
  const Single head = v(Quantity::Head), length = v(Quantity::Length);
  QString html = QStringLiteral("<ul>\n");
  if (const std::optional<double> re = facts.reynolds()) {
    html += QStringLiteral(u"<li>Reynolds number Re = <i>v D</i>/<i>ν</i> = %1·%2/%3 = %4</li>\n")
                .arg(si(velocity), si(d), si(v(Quantity::Viscosity)), figure(*re));
  }
  html += QStringLiteral(u"<li>Relative roughness <i>k</i>/<i>D</i> = %1/%2 = %3</li>\n")
              .arg(si(v(Quantity::Roughness)), si(d), figure(facts.value(Quantity::Roughness) / d));
  const double f = 2 * checks::kGravity * d * head / (length * velocity * velocity);
  html += QStringLiteral(
              u"<li>Darcy friction factor <i>f</i> = 2<i>g D h</i><sub>f</sub>/(<i>L "
              u"v</i><sup>2</sup>) = 19.63·%1·%2/(%3·%4<sup>2</sup>) = %5</li>\n")
              .arg(si(d), si(head), si(length), si(velocity), figure(f));
  return html + QStringLiteral("</ul>\n");
}

QString answer(const calc::PageSession& s, const WorkingText& text) {
  const Integer u = s.unknown();
  const std::optional<Single> r = residualAt(s);
  const QString unit = siUnitOfRow(s, u);
  const QString value = si(s.value(u)) + (unit.isEmpty() ? QString() : u' ' + unit);
  return QStringLiteral("<p>Answer: <b>%1 = %2</b>; %3.</p>\n")
      .arg(nameOf(s, u), value,
           r ? QStringLiteral("the residual there is <i>r</i> = %1 %2").arg(si(*r), text.unit)
             : QStringLiteral("the formula cannot be evaluated there"));
}

}  // namespace

std::optional<Single> residualAt(const calc::PageSession& session) {
  const Formula formula = calc::formulaOf(session.pageCaption());
  if (formula == Formula::None ||
      session.rowCount() < static_cast<Integer>(calc::positionsOf(formula).size()))
    return std::nullopt;
  Array1<Single> values(session.rowCount());
  for (Integer i = 1; i <= session.rowCount(); ++i)
    values(i) = session.value(i);
  Unseen ui;
  Integer failed = 0;
  const Single r = calc::FormulaResidual(values, failed, session.pageCaption(), ui);
  if (failed != 0) return std::nullopt;
  return r;
}

QString workingHtml(const calc::PageSession& session, const calc::SolveWorking* solve) {
  const Formula formula = calc::formulaOf(session.pageCaption());
  const WorkingText& text = workingText(formula);
  const Integer u = session.unknown();
  if (text.residual.isEmpty() || u < 1 || u > session.rowCount())
    return QStringLiteral("<p>The page names no formula and no row to solve for.</p>\n");
  const auto symbol = [&](int position) { return text.symbols.value(position - 1); };
  const auto number = [&](int position) {
    return position == u ? symbol(position) : putIn(session.value(position));
  };
  QString html = QStringLiteral(
                     "<p>The solver drives the formula's residual <i>r</i> to zero, in SI "
                     "units:</p>\n") +
                 equations(text.residual, symbol) +
                 QStringLiteral("<p>With every entered value put in:</p>\n") +
                 equations(text.residual, number);
  if (calc::isWritten(formula, u)) {
    html += QStringLiteral("<p>%1 is computed by the formula and is not solved for.</p>\n")
                .arg(nameOf(session, u));
  } else if (solve != nullptr && solve->finalRun() != nullptr) {
    html += passesHtml(session, *solve, text.unit);
  } else {
    html += QStringLiteral(
        "<p>The solver's passes are not on hand for these values: they are the page's "
        "defaults, or were solved for before another row was ticked as the unknown.</p>\n");
  }
  html += answer(session, text);
  if (formula == Formula::ColebrookWhite) html += pipeFigures(session);
  return html;
}

}  // namespace vantrel::record
