#pragma once
// The formulas as the user guide states them: the name, the sentence that says what the formula
// gives, and the equations in symbols (HTML with <i>, <sub> and <sup>). The calculation record
// quotes them; a test holds them to the guide.

#include <QString>
#include <QStringList>

#include "calc/FormulaLayout.h"

namespace vantrel::record {

struct FormulaText {
  QString name;      // the guide's heading, without its number and tabs: "Hazen-Williams"
  QString sentence;  // the first sentence of the guide's description
  QStringList equations;
};

// The text of formula; an empty one for Formula::None.
const FormulaText& formulaText(calc::Formula formula);

}  // namespace vantrel::record
