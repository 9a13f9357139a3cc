#pragma once
// The parts of a swept span where the engineer's checks warn, as shaded bands.

#include <QString>
#include <vector>

#include "curves/Figure.h"
#include "curves/Span.h"

namespace vantrel::curves {

// A warning as a legend gives it: its opening clause ("Laminar flow" of "Laminar flow:
// Colebrook-White does not apply. ..."), up to the first colon, semicolon or full stop.
QString headline(const QString& warning);

// Collects the warnings of the points of a span and turns each into the bands where it holds.
class WarnedBands {
 public:
  WarnedBands(const Span& span, int count) : span_(span), count_(count) {}
  // Point i (0 ... count - 1, rising) was solved and the checks gave these warnings there. A
  // point left out in between ends every band.
  void add(int i, const std::vector<QString>& warnings);
  // In the axis's unit (`factor` times the base unit). Each band reaches half a step beyond its
  // outer points, clipped to the span.
  std::vector<Band> bands(double factor) const;

 private:
  struct Run {
    QString key;  // the headline without its figures, which change from point to point
    QString legend;
    int first;
    int last;
  };
  Span span_;
  int count_;
  int previous_ = -2;
  std::vector<Run> runs_;
};

}  // namespace vantrel::curves
