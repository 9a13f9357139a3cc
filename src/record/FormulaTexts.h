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

// The formula as the solver sees it, for the record's working: the residual it drives to zero,
// with the terms the residual uses, written with {n} where position n of the formula's values
// stands, so that one text gives the symbols and the numbers.
struct WorkingText {
  QStringList symbols;   // of positions 1, 2, ... (HTML); the written positions are not used
  QStringList residual;  // "<i>r</i> = {5}/{4} − ...", then the terms
  QString unit;          // the residual's SI unit
};

// The working text of formula; an empty one for Formula::None.
const WorkingText& workingText(calc::Formula formula);

}  // namespace vantrel::record
