#pragma once
// Liquid water at 0.1 MPa, computed from the international formulations rather than read from a
// table: density from the IAPWS-95 equation of state, dynamic viscosity from the IAPWS 2008
// formulation (without the critical enhancement, which is 1 far from the critical point).

#include <QString>
#include <QStringView>
#include <optional>

namespace vantrel::tables {

inline constexpr double kWaterLowestCelsius = 0.0;
inline constexpr double kWaterHighestCelsius = 100.0;

// Density in kg/m³ of liquid water at 0.1 MPa and the temperature in °C.
double waterDensity(double celsius);
// Dynamic viscosity in Pa·s of liquid water at 0.1 MPa.
double waterDynamicViscosity(double celsius);
// Kinematic viscosity in m²/s: the dynamic viscosity over the density.
double waterKinematicViscosity(double celsius);

// The temperature a text names, in any range: "10", "10 °C", "water 10 C", "Water at 10 °C".
std::optional<double> temperatureIn(QStringView text);
// "Water at 10 °C": the entry's name for a temperature.
QString waterEntryName(double celsius);
// Where the computed values come from, as a table row's source reads.
QString waterSource();

}  // namespace vantrel::tables
