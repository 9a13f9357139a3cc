#pragma once
// Finding what the command line names in the data file: a page by its tab caption or number, a
// variable by its caption, a unit by its name. A name that fits nothing, or more than one thing,
// is refused with the list of what it could have been.

#include <QString>

#include "calc/CaptionText.h"
#include "datafile/PageTables.h"

namespace vantrel::solve {

// Variables are named as calc::variableName gives their captions.
using calc::variableName;

// A unit's name as printed: the data file's name without the blanks around it ("" for the
// single blank of a number without a unit).
QString printedUnitName(const QString& unitName);

// The page whose tab caption is text (letter case ignored) or whose number text is.
Integer findPage(const datafile::PageTables& tables, const QString& text);
// The row of page whose whole name is text, ignoring letter case, blanks and a closing "=";
// else the one row that text fits: whose name, or one of whose later words, begins with it
// ("length" for "Pipe Length"). A text that fits several rows is refused with their names.
Integer findVariable(const datafile::PageTables& tables, Integer page, const QString& text);
// The unit of row var's list whose name is text: the exact name first, then ignoring letter
// case and blanks, with ² and ³ also written 2 and 3 and µ also written u.
Integer findUnit(const datafile::PageTables& tables, Integer page, Integer var,
                 const QString& text);

}  // namespace vantrel::solve
