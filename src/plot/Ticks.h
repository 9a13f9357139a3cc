#pragma once
// The ticks of an axis: round values ("nice numbers") on a linear scale, decades and their 2
// and 5 multiples on a logarithmic one, with the labels written at them.

#include <QString>
#include <vector>

#include "curves/Figure.h"

namespace vantrel::plot {

struct Tick {
  double value = 0;
  QString label;  // empty for a minor tick: a grid line without a label
};

// The ticks within [low, high], rising, with at most `most` labels (at least two where the
// axis allows). A logarithmic axis labels its decades, or 1, 2 and 5 of each where they fit,
// and draws the other whole multiples as minor ticks; one that spans too little for two such
// labels is ticked as a linear one.
std::vector<Tick> axisTicks(double low, double high, curves::Scale scale, int most);

}  // namespace vantrel::plot
