#pragma once
// Reading numbers from text: the leading-number rule that reads data-file fields, typed entries
// and range items, complete-number reading, and rounding to a 16-bit Integer. The decimal
// separator is always ".", whatever the user's regional settings.

#include <QStringView>

#include "numtext/NumberTypes.h"

namespace vantrel::numtext {

// Leading-number rule: blanks, tabs and line feeds are dropped wherever they stand, then the
// longest prefix that is [sign] digits [. digits] [E|D [sign] digits] is read; no number reads 0.
// As a Single: the float nearest the exact decimal value (ties to even); NumberError Overflow
// beyond the float range.
Single leadingSingle(QStringView text);
// As an Integer: the exact decimal value rounded half to even; NumberError Overflow outside
// -32768 ... 32767.
Integer leadingInteger(QStringView text);
// As a double: the double nearest the exact value (for arithmetic that the program does in
// double precision). NumberError Overflow beyond the double range.
double leadingDouble(QStringView text);
// How many characters of text the leading-number rule reads, blanks in front of and inside the
// number included; 0 when the text does not begin with a number. What follows is not part of
// the value (a unit written after it, for example).
qsizetype leadingNumberLength(QStringView text);

// The Single that the general form of value (generalForm of NumberFormat.h) reads back as with
// leadingSingle, without the text: value rounded to seven significant digits, then to the
// nearest Single. 0 for NaN and the infinities, whose forms hold no number.
Single generalFormValue(Single value);

// Complete-number reading: the whole text, trimmed of blanks, tabs, CR and LF, must be a number
// (NumberError TypeMismatch otherwise); the value is rounded to an Integer as above.
Integer completeInteger(QStringView text);

// Rounding to an Integer: nearest, a half to the even neighbour. NaN, infinities and results
// outside -32768 ... 32767 raise NumberError Overflow.
Integer roundToInteger(double value);

// Int: the largest whole number not greater than the value. NaN and infinities pass through.
double intPart(double value);

}  // namespace vantrel::numtext
