#pragma once
// Values of the page's rows written as the page shows them: in the row's unit and format.

#include <QString>

#include "calc/PageSession.h"

namespace vantrel::curves {

class ShownValues {
 public:
  explicit ShownValues(const calc::PageSession& page) : page_(page) {}

  // "Flow Rate", the caption without access key, "=" and "?".
  QString name(Integer row) const;
  // "l/s"; empty for a row without a unit.
  QString unit(Integer row) const;
  // "Flow Rate (l/s)", or the name alone.
  QString axisTitle(Integer row) const;
  // A value (base unit) as the row's box would show it: "50.000". One that the format rounds
  // to nothing, or that the unit cannot hold, to three digits instead.
  QString number(Integer row, double base) const;
  // With the unit: "50.000 l/s".
  QString withUnit(Integer row, double base) const;

 private:
  const calc::PageSession& page_;
};

}  // namespace vantrel::curves
