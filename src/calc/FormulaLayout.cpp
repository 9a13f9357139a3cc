#include "calc/FormulaLayout.h"

#include <cstring>
#include <utility>

namespace vantrel::calc {

namespace {

using Q = Quantity;
constexpr bool kIn = false;
constexpr bool kOut = true;

constexpr Position kHazenWilliams[] = {
    {Q::Diameter, kIn}, {Q::Flow, kIn},      {Q::HazenC, kIn},           {Q::Length, kIn},
    {Q::Head, kIn},     {Q::Gradient, kOut}, {Q::LossCoefficient, kOut}, {Q::Velocity, kOut}};
constexpr Position kColebrookWhite[] = {
    {Q::Diameter, kIn}, {Q::Flow, kIn}, {Q::Roughness, kIn}, {Q::Viscosity, kIn},
    {Q::Length, kIn},   {Q::Head, kIn}, {Q::Gradient, kOut}, {Q::LossCoefficient, kOut},
    {Q::Velocity, kOut}};
constexpr Position kManning[] = {
    {Q::Diameter, kIn}, {Q::Flow, kIn}, {Q::ManningN, kIn},  {Q::DepthRatio, kIn},
    {Q::Length, kIn},   {Q::Head, kIn}, {Q::Gradient, kOut}, {Q::LossCoefficient, kOut},
    {Q::Velocity, kOut}};
constexpr Position kOrifice[] = {{Q::Diameter, kIn},
                                 {Q::DiameterRatio, kIn},
                                 {Q::Flow, kIn},
                                 {Q::Head, kIn},
                                 {Q::DischargeCoefficient, kIn},
                                 {Q::Velocity, kOut},
                                 {Q::OrificeVelocity, kOut},
                                 {Q::LossCoefficient, kOut}};
constexpr Position kFitting[] = {{Q::Diameter, kIn},
                                 {Q::Flow, kIn},
                                 {Q::LossCoefficient, kIn},
                                 {Q::Head, kIn},
                                 {Q::Velocity, kOut}};
// Expansion and contraction differ only in which area the ratio divides by.
constexpr Position kSuddenChange[] = {{Q::UpstreamDiameter, kIn},
                                      {Q::DownstreamDiameter, kIn},
                                      {Q::Flow, kIn},
                                      {Q::LossCoefficient, kIn},
                                      {Q::Head, kIn},
                                      {Q::UpstreamVelocity, kOut},
                                      {Q::DownstreamVelocity, kOut},
                                      {Q::AreaRatio, kOut}};

// Exact comparison, inline: the solver asks for the formula at every evaluation, hundreds of
// times a solve.
bool sameText(QStringView a, QStringView b) {
  return a.size() == b.size() &&
         std::memcmp(a.data(), b.data(), static_cast<std::size_t>(a.size()) * sizeof(QChar)) == 0;
}

}  // namespace

Formula formulaOf(QStringView caption) {
  while (!caption.isEmpty() && caption.front() == u' ')
    caption = caption.sliced(1);
  while (!caption.isEmpty() && caption.back() == u' ')
    caption.chop(1);
  static constexpr std::pair<QStringView, Formula> kNames[] = {
      {u"H.Williams", Formula::HazenWilliams},
      {u"C.White", Formula::ColebrookWhite},
      {u"Manning", Formula::Manning},
      {u"Orifice", Formula::Orifice},
      {u"Bends", Formula::Fitting},
      {u"Valves", Formula::Fitting},
      {u"In/Out", Formula::Fitting},
      {u"Expansion", Formula::Expansion},
      {u"Contraction", Formula::Contraction}};
  for (const auto& [name, formula] : kNames) {
    if (sameText(caption, name)) return formula;
  }
  return Formula::None;
}

std::span<const Position> positionsOf(Formula formula) {
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
    case Formula::Contraction:
      return kSuddenChange;
    case Formula::None:
      break;
  }
  return {};
}

int positionOf(Formula formula, Quantity quantity) {
  const std::span<const Position> positions = positionsOf(formula);
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (positions[i].quantity == quantity) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool isWritten(Formula formula, int position) {
  const std::span<const Position> positions = positionsOf(formula);
  return position >= 1 && position <= static_cast<int>(positions.size()) &&
         positions[static_cast<std::size_t>(position - 1)].written;
}

}  // namespace vantrel::calc
