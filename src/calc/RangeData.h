#pragma once
// Accepted ranges of the variables. A range expression is a type letter followed by
// comma-separated items: "*" (anything), low~high with ">" and "<" marking exclusive bounds, or a
// single accepted value; for example "F,>0~1", "I,1~10,20", "S,YES,NO". The message for a
// refused entry shows the expression with its bounds converted into the unit on display.

#include <QString>

#include "numtext/NumberTypes.h"

namespace vantrel::calc {

// At most this many single values and this many ranges in one expression.
inline constexpr int kMaxRangeItems = 10;

// The part of `text` before its first comma; `text` keeps what follows that comma. Without a
// comma the whole text is returned and `text` is left empty.
QString PopItem(QString& text);

// Checks `entry` against `expression` (consumed). Numeric types ("F", "I") put the entry's value
// (for "I" its integer part toward minus infinity) in `numValue` and rewrite `entry` as that
// number with a leading blank if not negative; text types trim `entry`, copy it to `textValue`,
// and an "O" option list replaces `entry` with the matching option. Items are tried from the
// last written to the first.
// An expression that holds more than kMaxRangeItems single values or ranges, or a number beyond
// the Single range, accepts nothing; so does a numeric entry beyond the Single range.
bool CheckRange(QString& expression, QString& entry, Single& numValue, QString& textValue);

// The expression with every bound multiplied by `factor` and rounded to two significant digits,
// for the message in the unit on display; `expression` is consumed unless `factor` is 1, in
// which case it comes back as written. A selection list ("S") gives the empty text. A converted
// bound beyond the Single range is shown at the largest Single of its sign.
QString RangeToDisplay(QString& expression, Single factor);

// The out-of-range message for a converted expression: `caption` (its accelerator "&" and
// trailing "=" each become a blank) + " out of Range!", then on a new line (CR)
// "Accepted range is: " + the readable range + `unit`. A converted expression of fewer than two
// characters (the type alone, or the empty text of a converted "S" list) has no range part, and
// the message ends after " out of Range!"; "F," still gets the second line, with an empty range.
QString RangeMessage(const QString& shown, QString& caption, const QString& unit);

// The accepted range of `expression` in words, as the out-of-range message gives it, with its
// bounds in the unit of `factor` and without the unit: "greater than 0 to 10000". Empty when the
// message has no range part.
QString RangeWords(const QString& expression, Single factor);

// `value` rounded to `digits` significant digits (1234 to 2 digits is 1200). A negative value is
// rounded as its magnitude and keeps its sign; zero, NaN and infinities come back unchanged.
// Throws numtext::NumberError (Overflow) when the digits do not fit the 16-bit intermediate
// (more than four or five digits) or the result does not fit a Single.
Single RoundSignificant(Single value, Integer digits);

}  // namespace vantrel::calc
