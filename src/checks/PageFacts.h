#pragma once
// The page on show as the checks read it: its values by what they mean rather than by position,
// as its rows show them, and its Reynolds number.

#include <QString>
#include <optional>

#include "calc/FormulaLayout.h"
#include "calc/PageSession.h"

namespace vantrel::checks {

// Kinematic viscosity of water at 20 °C, m²/s, for the pages that have no viscosity row.
inline constexpr double kWaterViscosity = 1.004e-6;
// The g of the formulas, m/s², so that a figure given for comparison matches the page's.
inline constexpr double kGravity = 9.815;

// Values are held in single precision, so 0.5 mm over 10 mm comes to 0.0500000036: within this
// relative distance of a limit a value counts as on it, as the user entered it.
inline constexpr double kOnTheLimit = 1e-6;
// Whether x lies beyond limit by more than that noise (false for NaN).
bool above(double x, double limit);
bool below(double x, double limit);

// A Reynolds number as the checks write it: whole below 10 000 ("1050"), else two figures
// ("2.1e5").
QString reynoldsFigure(double reynolds);

class PageFacts {
 public:
  explicit PageFacts(const calc::PageSession& session);

  const calc::PageSession& session() const { return session_; }
  calc::Formula formula() const { return formula_; }
  // The row holding quantity on this page, 0 when it has none.
  Integer row(calc::Quantity quantity) const;
  // The value of quantity in its base unit (the page must have it).
  double value(calc::Quantity quantity) const;
  // The value as its row shows it, with the unit: "8.0 mm".
  QString shown(calc::Quantity quantity) const;
  // Another value of quantity (base unit) as its row would show it, with the unit.
  QString shownAs(calc::Quantity quantity, double base) const;
  // A value (base unit) as row would show it, with the unit.
  QString shownInRow(Integer row, double base) const;
  // A row as a sentence names it: its caption without the access-key mark, "=" and "?".
  QString rowName(Integer row) const;
  // Whether the formula computes row from the others.
  bool written(Integer row) const;

  // Where the page has a pipe velocity and diameter (and a viscosity above 0).
  std::optional<double> reynolds() const { return reynolds_; }
  bool water() const { return water_; }

 private:
  std::optional<double> reynoldsNumber() const;

  const calc::PageSession& session_;
  calc::Formula formula_;
  bool water_;
  std::optional<double> reynolds_;
};

}  // namespace vantrel::checks
