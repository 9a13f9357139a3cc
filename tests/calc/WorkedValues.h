#pragma once
// The worked value sets of the formulas, to four significant digits: the inputs, the position
// solved for with its expected value, and the expected outputs.

#include <QString>
#include <cmath>
#include <utility>
#include <vector>

#include "common/OneBased.h"
#include "numtext/NumberTypes.h"

namespace vantrel::calc::testing {

struct WorkedSet {
  QString caption;
  std::vector<Single> values;  // the unknown at its expected value, outputs 0
  int unknown = 0;
  std::vector<std::pair<int, double>> expectedOutputs;
  double wettedArea = 0;  // Manning: the area Q / v, where the set gives one
  // The residual as the formula returns it, where a set pins it down to the last bit (0: not
  // given). It shows the quantities the formula holds in single precision.
  Single residual = 0;

  Array1<Single> vector() const {
    Array1<Single> v(static_cast<int>(values.size()));
    for (int i = 1; i <= v.upper(); ++i)
      v(i) = values[static_cast<std::size_t>(i - 1)];
    return v;
  }
  double expected() const { return values[static_cast<std::size_t>(unknown - 1)]; }
};

inline const std::vector<WorkedSet>& workedSets() {
  static const std::vector<WorkedSet> sets = {
      {"H.Williams",
       {0.1f, 0.01f, 100, 100, 3.125f, 0, 0, 0},
       5,
       {{6, 0.03125}, {7, 37.85}, {8, 1.273}}},
      {"C.White",
       {0.1f, 0.007368f, 0.0001f, 0.000001f, 100, 1, 0, 0, 0},
       2,
       {{9, 0.9380}},
       0,
       2.08794646e-07f},  // with w held in double precision: 2.09193e-07
      {"Manning", {0.5f, 0.05970f, 0.013f, 0.5f, 100, 0.1f, 0, 0, 0}, 2, {}, 0.09817},
      {"Manning", {0.5f, 0.1194f, 0.013f, 1, 100, 0.1f, 0, 0, 0}, 2, {}, 0.1963},
      {"Orifice", {0.1f, 0.5f, 0.01f, 3.328f, 0.61f, 0, 0, 0}, 4, {{6, 1.273}, {7, 5.092}}},
      {"Bends", {0.1f, 0.01f, 0.9f, 0.07431f, 0}, 4, {{5, 1.273}}},
      {"Valves", {0.1f, 0.01f, 0.9f, 0.07431f, 0}, 4, {{5, 1.273}}},
      {"In/Out", {0.1f, 0.01f, 0.9f, 0.07431f, 0}, 4, {{5, 1.273}}},
      {"Expansion",
       {0.1f, 0.2f, 0.01f, 0.5625f, 0.04644f, 0, 0, 0},
       5,
       {{6, 1.273}, {7, 0.3183}, {8, 0.25}}},
      {"Contraction",
       {0.2f, 0.1f, 0.01f, 0.5f, 0.04128f, 0, 0, 0},
       5,
       {{6, 0.3183}, {7, 1.273}, {8, 0.25}}},
  };
  return sets;
}

// True when `value` shows `expected` to four significant digits (within half a unit of the
// fourth digit, the rounding of the worked values).
inline bool sameToFourDigits(double value, double expected) {
  const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 3);
  return std::fabs(value - expected) <= 0.5 * unit * (1 + 1e-9);
}

}  // namespace vantrel::calc::testing
