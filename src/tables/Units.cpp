#include "tables/Units.h"

#include <array>
#include <utility>

namespace vantrel::tables {

std::optional<double> siFactor(QStringView unit) {
  static constexpr std::array<std::pair<QStringView, double>, 15> kUnits{{
      {u"1", 1.0},
      {u"-", 1.0},
      {u"", 1.0},
      {u"m", 1.0},
      {u"cm", 1e-2},
      {u"mm", 1e-3},
      {u"µm", 1e-6},  // the micro sign
      {u"μm", 1e-6},  // the Greek letter mu
      {u"in", 0.0254},
      {u"ft", 0.3048},
      {u"m²/s", 1.0},
      {u"m2/s", 1.0},
      {u"mm²/s", 1e-6},
      {u"mm2/s", 1e-6},
      {u"cSt", 1e-6},
  }};
  const QStringView trimmed = unit.trimmed();
  for (const auto& [name, factor] : kUnits)
    if (trimmed == name) return factor;
  return std::nullopt;
}

}  // namespace vantrel::tables
