#pragma once
// Writing numbers as text: the general number form of a Single, the leading-space form and
// display-format patterns. The decimal separator is always "." and the grouping separator
// always ",", whatever the user's regional settings.

#include <QString>
#include <QStringView>

#include "numtext/NumberTypes.h"

namespace vantrel::numtext {

// General number form of a Single: 7 significant digits, fixed notation from 0.0001 to 9999999,
// otherwise d.ddddddE+XX; "NaN", "Infinity", "-Infinity".
QString generalForm(Single value);
// The general form with one blank in front of a value that is not negative.
QString leadingSpaceForm(Single value);
// A value shown through a numeric format pattern (sections, placeholders, grouping, scaling,
// percent, exponent, literals, named formats). The empty pattern gives the general form.
QString formatPattern(Single value, QStringView pattern);
// The shortest decimal text that reads back as the same Single ("0.06", "1e+38"), for what
// programs read: valid as a JSON number.
QString shortestText(Single value);

}  // namespace vantrel::numtext
