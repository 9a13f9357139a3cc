// Writes docs/accuracy.md: for each formula, how far what the page computes (the real formulas
// and solver with their calibrated constants, in single precision) lies from the textbook form in
// double precision, at the shipped defaults and over a sweep of realistic inputs.
// Usage: accuracy_report OUTPUT.md | accuracy_report --check COMMITTED.md

#include <QFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "Forms.h"
#include "PageRun.h"

namespace vantrel::accuracy {
namespace {

struct Variable {
  int position;
  const char* name;
  const char* unit;
};

struct Case {
  const char* formula;
  QString caption;  // the page that computes it
  std::vector<Variable> inputs;
  Variable unknown;
  std::vector<Variable> outputs;              // derived quantities the page writes
  std::function<std::vector<State>()> sweep;  // every input position set
  const char* sweepText;
  const char* sources;
};

double relative(double value, double reference) {
  return (value - reference) / reference;
}

QString percent(double x) {
  if (x == 0) return QStringLiteral("0 %");
  return QString::asprintf("%+.3g %%", 100 * x);
}

// A magnitude, without the sign that a deviation carries.
QString size(double x) {
  return x == 0 ? QStringLiteral("0 %") : QString::asprintf("%.3g %%", 100 * std::fabs(x));
}

// A value with its unit.
QString withUnit(double x, const char* unit) {
  return QString::asprintf("%.7g", x) +
         (*unit ? QStringLiteral(" ") + QString::fromUtf8(unit) : QString());
}

QString number(double x) {
  return QString::asprintf("%.7g", x);
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The variables of a point as "D = 0.3 m, Q = 0.05 m³/s".
QString describe(const Case& c, const State& s) {
  QStringList parts;
  for (const Variable& v : c.inputs) {
    parts << QStringLiteral("%1 = %2%3")
                 .arg(QString::fromUtf8(v.name), number(s[static_cast<std::size_t>(v.position)]),
                      *v.unit ? QStringLiteral(" ") + QString::fromUtf8(v.unit) : QString());
  }
  return parts.join(QStringLiteral(", "));
}

// One point compared three ways.
struct Comparison {
  bool solved = false;
  State textbook{};
  double pageForm = 0;            // the unknown from the page's form in double precision
  std::vector<double> page;       // the unknown, then each output, as the page stores them
  std::vector<double> reference;  // the same quantities in the textbook form
};

Comparison compare(const Case& c, const ShippedPages& pages, const State& point) {
  Comparison r;
  State s{};
  // The page holds Singles: both forms start from the same rounded inputs.
  for (const Variable& v : c.inputs) {
    const auto p = static_cast<std::size_t>(v.position);
    s[p] = static_cast<double>(static_cast<Single>(point[p]));
  }
  const auto u = static_cast<std::size_t>(c.unknown.position);
  s[u] = point[u] > 0 ? point[u] : 1;
  State pageForm = s;
  if (!solve(c.caption, Form::Textbook, s, c.unknown.position) ||
      !solve(c.caption, Form::Page, pageForm, c.unknown.position)) {
    return r;
  }
  textbookOutputs(c.caption, s);
  r.textbook = s;
  r.pageForm = pageForm[u];

  const int page = pages.pageOf(c.caption);
  std::vector<std::pair<int, Single>> typed;
  for (const Variable& v : c.inputs)
    typed.emplace_back(v.position, static_cast<Single>(s[static_cast<std::size_t>(v.position)]));
  const PageResult result =
      commitOnPage(c.caption, pages.defaults(page), c.unknown.position, typed);
  if (!result.solved) return r;
  r.solved = true;
  r.page.push_back(result.values(c.unknown.position));
  r.reference.push_back(s[u]);
  for (const Variable& v : c.outputs) {
    r.page.push_back(result.values(v.position));
    r.reference.push_back(s[static_cast<std::size_t>(v.position)]);
  }
  return r;
}

State shippedPoint(const Case& c, const ShippedPages& pages) {
  const Array1<Single> values = pages.defaults(pages.pageOf(c.caption));
  State s{};
  for (int i = 1; i <= values.upper(); ++i)
    s[static_cast<std::size_t>(i)] = values(i);
  return s;
}

// Cartesian product of value lists, one list per input position.
std::vector<State> grid(const std::vector<std::vector<double>>& axes,
                        const std::function<bool(const std::vector<double>&, State&)>& make) {
  std::vector<State> points;
  std::vector<std::size_t> index(axes.size(), 0);
  for (;;) {
    std::vector<double> values;
    for (std::size_t a = 0; a < axes.size(); ++a)
      values.push_back(axes[a][index[a]]);
    State s{};
    if (make(values, s)) points.push_back(s);
    std::size_t a = 0;
    while (a < axes.size() && ++index[a] == axes[a].size())
      index[a++] = 0;
    if (a == axes.size()) return points;
  }
}

// Completes a point by solving the textbook form for the positions the sweep does not give.
bool textbookFill(const QString& caption, State& s, int position) {
  return solve(caption, Form::Textbook, s, position);
}

const std::vector<double> kDiameters = {0.05, 0.1, 0.15, 0.2, 0.3, 0.5, 0.75, 1.0};
const std::vector<double> kVelocities = {0.3, 0.6, 1.0, 1.5, 2.0, 3.0};

std::vector<Case> cases() {
  const Variable d{1, "D", "m"};
  std::vector<Case> all;

  const auto hazenSweep = [] {
    return grid({kDiameters, kVelocities, {80, 100, 120, 130, 140, 150}},
                [](const std::vector<double>& x, State& s) {
                  s = {0, x[0], x[1] * circle(x[0]), x[2], 1000, 1};
                  return textbookFill("H.Williams", s, 5);
                });
  };
  const char* hazenText = "D 0.05 to 1 m, mean velocity 0.3 to 3 m/s, C 80 to 150, L = 1000 m";
  const char* hazenSources =
      "The page uses the Hazen-Williams form with 10.7, exponent 1.85 and diameter exponent "
      "2.63 x 1.85 = 4.8655; the SI textbook form has 10.67, 1.852 and 4.8704. The ratio of the "
      "two head losses is (10.7 / 10.67) x (Q / C)^-0.002 x D^0.0049: the page's head loss is "
      "always the larger, by 0.28 % from the factor and by more the smaller Q / C is, less the "
      "diameter term for pipes below 1 m. The flow found from a head loss is smaller by about "
      "1 / 1.85 of that. Velocity and loss coefficient add the area with pi = 3.142 and "
      "g = 9.815.";
  all.push_back({"Hazen-Williams",
                 "H.Williams",
                 {d, {2, "Q", "m³/s"}, {3, "C", ""}, {4, "L", "m"}},
                 {5, "head loss hf", "m"},
                 {{8, "velocity v", "m/s"}, {7, "loss coefficient K", ""}},
                 hazenSweep,
                 hazenText,
                 hazenSources});
  all.push_back({"Hazen-Williams",
                 "H.Williams",
                 {d, {3, "C", ""}, {4, "L", "m"}, {5, "hf", "m"}},
                 {2, "flow Q", "m³/s"},
                 {{8, "velocity v", "m/s"}, {7, "loss coefficient K", ""}},
                 hazenSweep,
                 hazenText,
                 hazenSources});

  const auto colebrookSweep = [] {
    return grid({{0.025, 0.05, 0.1, 0.2, 0.3, 0.5, 1.0},
                 kVelocities,
                 {1.5e-6, 4.5e-5, 1.5e-4, 2.6e-4, 1e-3},
                 {1e-6, 1.31e-6, 1e-5}},
                [](const std::vector<double>& x, State& s) {
                  // Colebrook-White is a law of turbulent flow.
                  if (x[1] * x[0] / x[3] < 4000) return false;
                  s = {0, x[0], x[1] * circle(x[0]), x[2], x[3], 1000, 1};
                  return textbookFill("C.White", s, 6);
                });
  };
  const char* colebrookText =
      "D 0.025 to 1 m, mean velocity 0.3 to 3 m/s, roughness 0.0015 to 1 mm, kinematic "
      "viscosity 1e-6 to 1e-5 m²/s (water to light oil), L = 1000 m; turbulent points only "
      "(Reynolds number 4000 and above)";
  const char* colebrookSources =
      "The page writes the Colebrook-White equation exactly, solved for the flow, but with "
      "pi = 3.142 in the area and 2g = 19.63: the flow for a given head loss is therefore about "
      "(3.142 / pi) x sqrt(19.63 / 19.6133) too large, a little less where the viscous term of "
      "the logarithm matters. The head loss for a given flow is smaller by about twice that, "
      "since the loss goes nearly with the square of the flow.";
  all.push_back({"Colebrook-White",
                 "C.White",
                 {d, {2, "Q", "m³/s"}, {3, "k", "m"}, {4, "ν", "m²/s"}, {5, "L", "m"}},
                 {6, "head loss hf", "m"},
                 {{9, "velocity v", "m/s"}, {8, "loss coefficient K", ""}},
                 colebrookSweep,
                 colebrookText,
                 colebrookSources});
  all.push_back({"Colebrook-White",
                 "C.White",
                 {d, {3, "k", "m"}, {4, "ν", "m²/s"}, {5, "L", "m"}, {6, "hf", "m"}},
                 {2, "flow Q", "m³/s"},
                 {{9, "velocity v", "m/s"}, {8, "loss coefficient K", ""}},
                 colebrookSweep,
                 colebrookText,
                 colebrookSources});

  const auto manningSweep = [] {
    return grid({{0.15, 0.2, 0.3, 0.5, 1.0, 2.0},
                 {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 0.95, 1.0},
                 {0.011, 0.013, 0.015},
                 {0.0005, 0.002, 0.01}},
                [](const std::vector<double>& x, State& s) {
                  s = {0, x[0], 1, x[2], x[1], 1000, x[3] * 1000};
                  return textbookFill("Manning", s, 2);
                });
  };
  const char* manningText =
      "D 0.15 to 2 m, depth y/D 0.1 to 1, n 0.011 to 0.015, gradient 0.0005 to 0.01, L = 1000 m";
  const char* manningSources =
      "The page's Manning form is the textbook's (SI, with 1 / n) and its segment geometry is "
      "exact: the half-angle arccos(1 - 2 y/D) is written with an arctangent, and only the full "
      "pipe takes 3.1416 for pi, which makes its area 2.3e-6 relative too large. What remains is "
      "single precision (the angle, radius, area and perimeter are held as Singles) and the "
      "Newton tolerance of 1e-5 of the start value. The velocity and the loss coefficient use "
      "the wetted area; the loss coefficient adds g = 9.815.";
  all.push_back({"Manning",
                 "Manning",
                 {d, {3, "n", ""}, {4, "y/D", ""}, {5, "L", "m"}, {6, "hf", "m"}},
                 {2, "flow Q", "m³/s"},
                 {{9, "velocity v", "m/s"}, {8, "loss coefficient K", ""}},
                 manningSweep,
                 manningText,
                 manningSources});
  all.push_back({"Manning",
                 "Manning",
                 {d, {2, "Q", "m³/s"}, {3, "n", ""}, {4, "y/D", ""}, {5, "L", "m"}},
                 {6, "head loss hf", "m"},
                 {},
                 manningSweep,
                 manningText,
                 manningSources});

  const auto orificeSweep = [] {
    return grid({{0.05, 0.1, 0.2, 0.3, 0.5},
                 {0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.75},
                 {0.6, 0.61, 0.62},
                 {0.1, 0.5, 1, 5, 20}},
                [](const std::vector<double>& x, State& s) {
                  s = {0, x[0], x[1], 1, x[3], x[2]};
                  return textbookFill("Orifice", s, 3);
                });
  };
  const char* orificeText =
      "D 0.05 to 0.5 m, β 0.2 to 0.75, Cd 0.6 to 0.62, differential head "
      "0.1 to 20 m";
  const char* orificeSources =
      "The page's orifice form is the textbook's Q = Cd A0 sqrt(2 g h / (1 - β⁴)) written for "
      "the head, with pi = 3.142 and g = 9.815: the head for a given flow goes with "
      "1 / (area² x g), the flow for a given head with area x sqrt(g). The deviation is the same "
      "at every point, up to the solver's share.";
  all.push_back({"Orifice plate",
                 "Orifice",
                 {d, {2, "β", ""}, {4, "h", "m"}, {5, "Cd", ""}},
                 {3, "flow Q", "m³/s"},
                 {{6, "pipe velocity v", "m/s"},
                  {7, "orifice velocity v0", "m/s"},
                  {8, "loss coefficient K", ""}},
                 orificeSweep,
                 orificeText,
                 orificeSources});
  all.push_back({"Orifice plate",
                 "Orifice",
                 {d, {2, "β", ""}, {3, "Q", "m³/s"}, {5, "Cd", ""}},
                 {4, "differential head h", "m"},
                 {},
                 orificeSweep,
                 orificeText,
                 orificeSources});

  all.push_back(
      {"Bends, valves, inlets and outlets",
       "Bends",
       {d, {2, "Q", "m³/s"}, {3, "K", ""}},
       {4, "head loss hL", "m"},
       {{5, "velocity v", "m/s"}},
       [] {
         return grid({{0.025, 0.05, 0.1, 0.15, 0.2, 0.3, 0.5, 1.0},
                      kVelocities,
                      {0.05, 0.2, 0.5, 0.9, 1.5, 5, 10}},
                     [](const std::vector<double>& x, State& s) {
                       s = {0, x[0], x[1] * circle(x[0]), x[2], 1};
                       return textbookFill("Bends", s, 4);
                     });
       },
       "D 0.025 to 1 m, mean velocity 0.3 to 3 m/s, K 0.05 to 10",
       "The loss is K v² / 2g with the area taken with pi = 3.142 and g = 9.815: the head loss "
       "for a given flow is (pi / 3.142)² x (9.80665 / 9.815) of the textbook's at every point. "
       "The three pages (Bends, Valves, In/Out) share this formula."});

  const auto suddenChange = [](const char* caption, bool expansion) {
    return [caption, expansion] {
      return grid({{0.05, 0.1, 0.2, 0.3},
                   expansion ? std::vector<double>{1.25, 1.5, 2, 3}
                             : std::vector<double>{0.8, 0.6, 0.5, 0.33},
                   {0.5, 1, 2, 3}},
                  [caption, expansion](const std::vector<double>& x, State& s) {
                    const double d1 = x[0], d2 = x[0] * x[1];
                    const double small = std::min(d1, d2), ratio = (small / std::max(d1, d2));
                    // Borda-Carnot for the enlargement, a usual fit for the reduction.
                    const double k =
                        expansion ? std::pow(1 - ratio * ratio, 2) : 0.5 * (1 - ratio * ratio);
                    s = {0, d1, d2, x[2] * circle(small), k, 1};
                    return textbookFill(caption, s, 5);
                  });
    };
  };
  const char* suddenSources =
      "The loss is K v² / 2g for the velocity in the smaller pipe, with the area taken with "
      "pi = 3.142 and g = 9.815; the deviation is the same at every point. The area ratio does "
      "not depend on pi.";
  all.push_back({"Sudden expansion",
                 "Expansion",
                 {{1, "D1", "m"}, {2, "D2", "m"}, {3, "Q", "m³/s"}, {4, "K", ""}},
                 {5, "head loss hL", "m"},
                 {{6, "velocity v1", "m/s"}, {7, "velocity v2", "m/s"}, {8, "area ratio", ""}},
                 suddenChange("Expansion", true),
                 "D1 0.05 to 0.3 m, D2 / D1 1.25 to 3, velocity in the smaller pipe 0.5 to 3 m/s, "
                 "K from Borda-Carnot (1 - A1 / A2)²",
                 suddenSources});
  all.push_back({"Sudden contraction",
                 "Contraction",
                 {{1, "D1", "m"}, {2, "D2", "m"}, {3, "Q", "m³/s"}, {4, "K", ""}},
                 {5, "head loss hL", "m"},
                 {{6, "velocity v1", "m/s"}, {7, "velocity v2", "m/s"}, {8, "area ratio", ""}},
                 suddenChange("Contraction", false),
                 "D1 0.05 to 0.3 m, D2 / D1 0.33 to 0.8, velocity in the smaller pipe 0.5 to "
                 "3 m/s, K = 0.5 (1 - A2 / A1)",
                 suddenSources});
  return all;
}

struct Statistics {
  int points = 0;
  int unsolved = 0;
  std::vector<std::vector<double>> deviations;  // per quantity: page against textbook
  std::vector<double> form;                     // the unknown: page form against textbook
  std::vector<double> precision;                // the unknown: page against page form
  double largest = 0;
  State largestAt{};
  double smallest = 0;
  State smallestAt{};
};

Statistics sweep(const Case& c, const ShippedPages& pages) {
  Statistics st;
  st.deviations.resize(1 + c.outputs.size());
  for (const State& point : c.sweep()) {
    ++st.points;
    const Comparison r = compare(c, pages, point);
    if (!r.solved) {
      ++st.unsolved;
      continue;
    }
    for (std::size_t q = 0; q < r.page.size(); ++q)
      st.deviations[q].push_back(relative(r.page[q], r.reference[q]));
    const double total = st.deviations[0].back();
    st.form.push_back(std::fabs(relative(r.pageForm, r.reference[0])));
    st.precision.push_back(std::fabs(relative(r.page[0], r.pageForm)));
    if (st.deviations[0].size() == 1 || std::fabs(total) > std::fabs(st.largest)) {
      st.largest = total;
      st.largestAt = r.textbook;
    }
    if (st.deviations[0].size() == 1 || std::fabs(total) < std::fabs(st.smallest)) {
      st.smallest = total;
      st.smallestAt = r.textbook;
    }
  }
  return st;
}

double largestMagnitude(const std::vector<double>& v) {
  double m = 0;
  for (double x : v)
    if (std::fabs(x) > std::fabs(m)) m = x;
  return m;
}

std::vector<double> magnitudes(std::vector<double> v) {
  for (double& x : v)
    x = std::fabs(x);
  return v;
}

QString report() {
  const ShippedPages pages(QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf"));
  const std::vector<Case> all = cases();
  QString out;
  out += QStringLiteral(
      "# Accuracy of the formulas\n\n"
      "<!-- Written by tools/accuracy (accuracy_report); do not edit by hand. Regenerate with\n"
      "     `cmake --build build --target accuracy_doc`. -->\n\n"
      "Each page computes its formula as it was calibrated: in single precision, solved by "
      "Newton iteration to a tolerance of 1e-5 of the start value, and with the constants "
      "below. This report compares what the pages compute, by running the calculator's own "
      "formulas and solver, with the textbook form of each formula evaluated and solved "
      "exactly in double precision, from the same inputs. A deviation is (page - textbook) / "
      "textbook. The solver returns its last iterate plus its derivative step, 1e-5 of the "
      "value, so solved values run about 0.001 % high; with single precision that is the last "
      "column of the summary.\n\n"
      "| constant | page | textbook | effect |\n"
      "| --- | --- | --- | --- |\n");
  out += QStringLiteral("| π in areas | 3.142 | %1 | areas %2, velocities %3 |\n")
             .arg(number(kPi), percent(relative(3.142, kPi)), percent(relative(kPi, 3.142)));
  out += QStringLiteral("| g | 9.815 (2g = 19.63) | %1 | velocity heads v²/2g %2 |\n")
             .arg(number(kGravity), percent(relative(kGravity, 9.815)));
  out += QStringLiteral(
      "| Hazen-Williams | 10.7 ((Q / C) / D^2.63)^1.85 | 10.67 Q^1.852 / (C^1.852 D^4.8704) "
      "| see below |\n"
      "| Colebrook-White | the equation solved for the flow, with π = 3.142, 2g = 19.63 | "
      "the same equation solved exactly | see below |\n"
      "| Manning | (1 / n) A R^(2/3) S^(1/2), exact segment geometry (full pipe: π = 3.1416) | "
      "the same with π exact | see below |\n\n"
      "The sweeps cover realistic inputs for each formula; the typical deviation is the "
      "median of the magnitudes over the sweep. Each commit goes through the page's own "
      "solver from the shipped defaults, as typing the inputs one after the other would.\n\n"
      "## Summary\n\n"
      "| formula | solved for | page at the defaults | textbook | deviation at the defaults "
      "| sweep points | largest deviation | typical deviation | from the constants and form "
      "(typical) | from single precision and solver (largest) |\n"
      "| --- | --- | --- | --- | --- | --- | --- | --- | --- | --- |\n");

  std::vector<Statistics> stats;
  QString details;
  const char* lastFormula = "";
  for (const Case& c : all) {
    const Comparison at = compare(c, pages, shippedPoint(c, pages));
    const Statistics st = sweep(c, pages);
    out += QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 | %7 | %8 | %9 | %10 |\n")
               .arg(QString::fromUtf8(c.formula), QString::fromUtf8(c.unknown.name),
                    at.solved ? withUnit(at.page[0], c.unknown.unit) : QStringLiteral("not solved"),
                    at.solved ? withUnit(at.reference[0], c.unknown.unit) : QStringLiteral("-"),
                    at.solved ? percent(relative(at.page[0], at.reference[0])) : QString("-"),
                    QString::number(st.points - st.unsolved) +
                        (st.unsolved ? QStringLiteral(" (%1 not solved)").arg(st.unsolved)
                                     : QString()),
                    percent(st.largest), size(median(magnitudes(st.deviations[0]))),
                    size(median(st.form)))
               .arg(size(largestMagnitude(st.precision)));

    if (std::strcmp(lastFormula, c.formula) != 0) {
      details += QStringLiteral("\n## %1\n\nSweep: %2.\n\n%3\n")
                     .arg(QString::fromUtf8(c.formula), QString::fromUtf8(c.sweepText),
                          QString::fromUtf8(c.sources));
      lastFormula = c.formula;
    }
    details += QStringLiteral(
                   "\nSolved for the %1 (%2 points): the largest deviation, %3, is at "
                   "%4; the smallest, %5, at %6.\n\n")
                   .arg(QString::fromUtf8(c.unknown.name))
                   .arg(st.points - st.unsolved)
                   .arg(percent(st.largest), describe(c, st.largestAt), percent(st.smallest),
                        describe(c, st.smallestAt));
    details += QStringLiteral(
        "| quantity | page at the defaults | textbook | deviation | largest in the sweep | "
        "typical in the sweep |\n| --- | --- | --- | --- | --- | --- |\n");
    std::vector<Variable> quantities{c.unknown};
    quantities.insert(quantities.end(), c.outputs.begin(), c.outputs.end());
    for (std::size_t q = 0; q < quantities.size(); ++q) {
      const char* qUnit = quantities[q].unit;
      details += QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |\n")
                     .arg(QString::fromUtf8(quantities[q].name),
                          at.solved ? withUnit(at.page[q], qUnit) : QString("-"),
                          at.solved ? withUnit(at.reference[q], qUnit) : QString("-"),
                          at.solved ? percent(relative(at.page[q], at.reference[q])) : QString("-"),
                          percent(largestMagnitude(st.deviations[q])),
                          size(median(magnitudes(st.deviations[q]))));
    }
  }
  return out + details;
}

}  // namespace
}  // namespace vantrel::accuracy

int main(int argc, char** argv) {
  const bool check = argc == 3 && QString::fromLocal8Bit(argv[1]) == "--check";
  if (argc != 2 && !check) {
    std::fprintf(stderr, "usage: %s OUTPUT.md | %s --check COMMITTED.md\n", argv[0], argv[0]);
    return 2;
  }
  const QByteArray text = vantrel::accuracy::report().toUtf8();
  QFile file(QString::fromLocal8Bit(argv[argc - 1]));
  if (check) {
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != text) {
      std::fprintf(stderr,
                   "%s is not what the formulas give now; regenerate it with "
                   "`cmake --build build --target accuracy_doc`\n",
                   argv[2]);
      return 1;
    }
    return 0;
  }
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
