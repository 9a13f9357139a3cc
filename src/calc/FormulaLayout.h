#pragma once
// What each position of a formula's value vector holds and which positions the formula writes.
// The formulas read and write by position; whatever else needs to know that position 8 of
// "H.Williams" is a velocity the formula computes (the engineer's checks, for one) asks here.

#include <QStringView>
#include <cstdint>
#include <span>

namespace vantrel::calc {

// The formulas; the three single fittings ("Bends", "Valves", "In/Out") share one.
enum class Formula : std::uint8_t {
  HazenWilliams,
  ColebrookWhite,
  Manning,
  Orifice,
  Fitting,
  Expansion,
  Contraction,
  None
};

// The formula a page caption names. A data file written "..., Bends, 2" gives the caption
// " Bends": blanks around a caption are layout of the record and dropped; otherwise the caption
// is compared exactly (case and other white space count).
Formula formulaOf(QStringView caption);

enum class Quantity : std::uint8_t {
  Diameter,            // m, the pipe's bore
  UpstreamDiameter,    // m
  DownstreamDiameter,  // m
  DiameterRatio,       // the orifice's beta
  Flow,                // m³/s
  HazenC,
  Roughness,  // m
  Viscosity,  // m²/s, kinematic
  ManningN,
  DepthRatio,  // y/D
  DischargeCoefficient,
  LossCoefficient,  // K
  Length,           // m
  Head,             // m, head loss or differential head
  Gradient,         // m/m
  Velocity,         // m/s, in the pipe
  UpstreamVelocity,
  DownstreamVelocity,
  OrificeVelocity,
  AreaRatio
};

struct Position {
  Quantity quantity;
  bool written;  // the formula computes it from the others and never reads it
};

// The positions of a formula, position 1 first; none for Formula::None.
std::span<const Position> positionsOf(Formula formula);
// The 1-based position that holds quantity in formula, or 0 when it has none.
int positionOf(Formula formula, Quantity quantity);
// Whether the formula writes the 1-based position (false for a position it does not have).
bool isWritten(Formula formula, int position);

}  // namespace vantrel::calc
