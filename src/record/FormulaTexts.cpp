#include "record/FormulaTexts.h"

namespace vantrel::record {

namespace {

using calc::Formula;

// Copied from the guide (data/tools/make_help.py writes it); a test compares them.
const FormulaText kHazenWilliams{
    QStringLiteral(u"Hazen-Williams"),
    QStringLiteral(u"The Hazen-Williams formula gives the friction loss of <b>water</b> in a "
                   u"full pipe."),
    {QStringLiteral(u"<i>h</i><sub>f</sub>/<i>L</i> = 10.7 [ <i>Q</i> / (<i>C</i> "
                    u"<i>D</i><sup>2.63</sup>) ]<sup>1.85</sup>")}};

const FormulaText kColebrookWhite{
    QStringLiteral(u"Colebrook-White"),
    QStringLiteral(u"The Colebrook-White formula combines the smooth-pipe and rough-pipe laws of "
                   u"turbulent flow and holds for <b>any Newtonian fluid</b> in a full pipe in "
                   u"turbulent flow (Reynolds number <i>vD</i>/<i>ν</i> above about 4000), "
                   u"through the whole transition zone."),
    {QStringLiteral(u"<i>Q</i> = −2 <i>A</i> √(2<i>g D S</i>) log<sub>10</sub>[ "
                    u"<i>k</i>/(3.7 <i>D</i>) + 2.51 <i>ν</i> / (<i>D</i> √(2<i>g D S</i>)) ],  "
                    u"<i>S</i> = <i>h</i><sub>f</sub>/<i>L</i>")}};

const FormulaText kManning{
    QStringLiteral(u"Manning"),
    QStringLiteral(u"Manning's formula gives uniform gravity flow in a <b>partly full circular "
                   u"pipe</b> (sewers, drains, culverts): <i>y</i> is the depth of flow, "
                   u"<i>A</i> the wetted area, <i>P</i> the wetted perimeter and <i>R</i> the "
                   u"hydraulic radius; <i>h</i><sub>f</sub> over <i>L</i> is the slope of the "
                   u"pipe (and of the water surface)."),
    {QStringLiteral(u"<i>Q</i> = (1/<i>n</i>) <i>A</i> <i>R</i><sup>2/3</sup> "
                    u"<i>S</i><sup>1/2</sup>,  <i>R</i> = <i>A</i>/<i>P</i>,  <i>S</i> = "
                    u"<i>h</i><sub>f</sub>/<i>L</i>"),
     QStringLiteral(u"<i>θ</i> = arccos(1 − 2<i>y</i>/<i>D</i>),  <i>A</i> = "
                    u"<i>r</i><sup>2</sup>(<i>θ</i> − sin <i>θ</i> cos <i>θ</i>),  <i>P</i> = "
                    u"2<i>rθ</i>,  <i>r</i> = <i>D</i>/2")}};

const FormulaText kOrifice{
    QStringLiteral(u"Orifice plate"),
    QStringLiteral(u"A sharp-edged orifice plate of bore <i>d</i> = <i>βD</i> in a full pipe; "
                   u"<i>h</i> is the differential head between the pressure tappings in metres "
                   u"of the flowing fluid (1 m of water = 9.81 kPa), <i>A</i><sub>0</sub> the "
                   u"bore area, <i>v</i><sub>0</sub> = <i>Q</i>/<i>A</i><sub>0</sub> the "
                   u"velocity in the bore."),
    {QStringLiteral(
        u"<i>h</i> = (1/<i>C</i><sub>d</sub><sup>2</sup>) (1 − "
        u"<i>β</i><sup>4</sup>) (1/<i>β</i>)<sup>4</sup> <i>v</i><sup>2</sup>/2<i>g</i>,"
        u"  i.e.  <i>Q</i> = <i>C</i><sub>d</sub> <i>A</i><sub>0</sub> √[2<i>g h</i> "
        u"/ (1 − <i>β</i><sup>4</sup>)]")}};

const FormulaText kFitting{
    QStringLiteral(u"Bends, valves, inlets and outlets"),
    QStringLiteral(u"The loss of a single fitting is its loss coefficient <i>K</i> times the "
                   u"velocity head of the pipe."),
    {QStringLiteral(u"<i>h</i><sub>L</sub> = <i>K</i> <i>v</i><sup>2</sup>/2<i>g</i>,  <i>v</i> "
                    u"= <i>Q</i>/<i>A</i>")}};

const FormulaText kExpansion{
    QStringLiteral(u"Sudden expansion"),
    QStringLiteral(u"Flow from a pipe of diameter <i>D</i><sub>1</sub> into a larger one of "
                   u"diameter <i>D</i><sub>2</sub>; <i>K</i> is based on the upstream velocity "
                   u"<i>v</i><sub>1</sub>."),
    {QStringLiteral(u"<i>h</i><sub>L</sub> = <i>K</i> <i>v</i><sub>1</sub><sup>2</sup>/2<i>g</i>,"
                    u"  sudden: <i>K</i> = (1 − <i>A</i><sub>1</sub>/<i>A</i><sub>2</sub>)"
                    u"<sup>2</sup>")}};

const FormulaText kContraction{
    QStringLiteral(u"Sudden contraction"),
    QStringLiteral(u"Flow from a pipe of diameter <i>D</i><sub>1</sub> into a smaller one of "
                   u"diameter <i>D</i><sub>2</sub>; <i>K</i> is based on the downstream velocity "
                   u"<i>v</i><sub>2</sub>."),
    {QStringLiteral(u"<i>h</i><sub>L</sub> = <i>K</i> <i>v</i><sub>2</sub><sup>2</sup>/2<i>g</i>,"
                    u"  sudden: <i>K</i> ≈ 0.5 (1 − <i>A</i><sub>2</sub>/<i>A</i><sub>1</sub>)")}};

const FormulaText kNone{};

// The residuals are those the program evaluates, with its constants: 2g = 19.63, g = 9.815 and
// π = 3.142 in the areas.
const QString kVelocity = QStringLiteral(u"<i>v</i>");
const QString kPipeArea = QStringLiteral(u"3.142·%1<sup>2</sup>/4");

const WorkingText kHazenWilliamsWorking{
    {QStringLiteral(u"<i>D</i>"), QStringLiteral(u"<i>Q</i>"), QStringLiteral(u"<i>C</i>"),
     QStringLiteral(u"<i>L</i>"), QStringLiteral(u"<i>h</i><sub>f</sub>")},
    {QStringLiteral(
        u"<i>r</i> = {5}/{4} − 10.7 [ {2} / ({3}·{1}<sup>2.63</sup>) ]<sup>1.85</sup>")},
    QStringLiteral("m/m")};

const WorkingText kColebrookWhiteWorking{
    {QStringLiteral(u"<i>D</i>"), QStringLiteral(u"<i>Q</i>"), QStringLiteral(u"<i>k</i>"),
     QStringLiteral(u"<i>ν</i>"), QStringLiteral(u"<i>L</i>"),
     QStringLiteral(u"<i>h</i><sub>f</sub>")},
    {QStringLiteral(u"<i>r</i> = {2} + 2<i>A</i> <i>w</i> log<sub>10</sub>[ {3}/(3.7·{1}) + "
                    u"2.51·{4}/({1}·<i>w</i>) ]"),
     QStringLiteral(u"<i>A</i> = ") + kPipeArea.arg(QStringLiteral("{1}")) +
         QStringLiteral(u",  <i>w</i> = √(19.63·{1}·{6}/{5})")},
    QStringLiteral(u"m³/s")};

const WorkingText kManningWorking{
    {QStringLiteral(u"<i>D</i>"), QStringLiteral(u"<i>Q</i>"), QStringLiteral(u"<i>n</i>"),
     QStringLiteral(u"<i>y</i>/<i>D</i>"), QStringLiteral(u"<i>L</i>"),
     QStringLiteral(u"<i>h</i><sub>f</sub>")},
    {QStringLiteral(u"<i>r</i> = {2} − (1/{3}) <i>A</i> <i>R</i><sup>2/3</sup> "
                    u"({6}/{5})<sup>1/2</sup>"),
     QStringLiteral(u"<i>θ</i> = arccos(1 − 2·{4}),  <i>A</i> = ({1}/2)<sup>2</sup>(<i>θ</i> − "
                    u"sin <i>θ</i> cos <i>θ</i>),  <i>R</i> = <i>A</i>/({1}·<i>θ</i>)")},
    QStringLiteral(u"m³/s")};

const WorkingText kOrificeWorking{
    {QStringLiteral(u"<i>D</i>"), QStringLiteral(u"<i>β</i>"), QStringLiteral(u"<i>Q</i>"),
     QStringLiteral(u"<i>h</i>"), QStringLiteral(u"<i>C</i><sub>d</sub>")},
    {QStringLiteral(u"<i>r</i> = {4} − (1/{5}<sup>2</sup>) (1 − {2}<sup>4</sup>) "
                    u"(1/{2})<sup>4</sup> <i>v</i><sup>2</sup>/(2·9.815)"),
     kVelocity + QStringLiteral(" = {3}/(") + kPipeArea.arg(QStringLiteral("{1}")) + u')'},
    QStringLiteral("m")};

const WorkingText kFittingWorking{
    {QStringLiteral(u"<i>D</i>"), QStringLiteral(u"<i>Q</i>"), QStringLiteral(u"<i>K</i>"),
     QStringLiteral(u"<i>h</i><sub>L</sub>")},
    {QStringLiteral(u"<i>r</i> = {4} − {3}·<i>v</i><sup>2</sup>/(2·9.815)"),
     kVelocity + QStringLiteral(" = {2}/(") + kPipeArea.arg(QStringLiteral("{1}")) + u')'},
    QStringLiteral("m")};

// Expansion and contraction: the loss is formed from the velocity in the smaller pipe.
WorkingText suddenChangeWorking(const QString& v, const QString& diameter) {
  return {{QStringLiteral(u"<i>D</i><sub>1</sub>"), QStringLiteral(u"<i>D</i><sub>2</sub>"),
           QStringLiteral(u"<i>Q</i>"), QStringLiteral(u"<i>K</i>"),
           QStringLiteral(u"<i>h</i><sub>L</sub>")},
          {QStringLiteral(u"<i>r</i> = {5} − {4}·%1<sup>2</sup>/(2·9.815)").arg(v),
           v + QStringLiteral(" = {3}/(") + kPipeArea.arg(diameter) + u')'},
          QStringLiteral("m")};
}

const WorkingText kExpansionWorking =
    suddenChangeWorking(QStringLiteral(u"<i>v</i><sub>1</sub>"), QStringLiteral("{1}"));
const WorkingText kContractionWorking =
    suddenChangeWorking(QStringLiteral(u"<i>v</i><sub>2</sub>"), QStringLiteral("{2}"));

const WorkingText kNoWorking{};

}  // namespace

const FormulaText& formulaText(Formula formula) {
  switch (formula) {
    case Formula::HazenWilliams:
      return kHazenWilliams;
    case Formula::ColebrookWhite:
      return kColebrookWhite;
    case Formula::Manning:
      return kManning;
    case Formula::Orifice:
      return kOrifice;
    case Formula::Fitting:
      return kFitting;
    case Formula::Expansion:
      return kExpansion;
    case Formula::Contraction:
      return kContraction;
    case Formula::None:
      break;
  }
  return kNone;
}

const WorkingText& workingText(Formula formula) {
  switch (formula) {
    case Formula::HazenWilliams:
      return kHazenWilliamsWorking;
    case Formula::ColebrookWhite:
      return kColebrookWhiteWorking;
    case Formula::Manning:
      return kManningWorking;
    case Formula::Orifice:
      return kOrificeWorking;
    case Formula::Fitting:
      return kFittingWorking;
    case Formula::Expansion:
      return kExpansionWorking;
    case Formula::Contraction:
      return kContractionWorking;
    case Formula::None:
      break;
  }
  return kNoWorking;
}

}  // namespace vantrel::record
