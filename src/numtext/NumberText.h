#pragma once
// Every conversion between numbers and text in the program: the leading-number rule that
// reads data-file fields, typed entries and range items; rounding to a 16-bit Integer; the
// general number form of a Single; the leading-space form; and display-format patterns.
// The decimal separator is always "." and the grouping separator always ",", whatever the
// user's regional settings.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace vantrel {

using Integer = std::int16_t;  // the data model's whole numbers: indexes, counts, flags, twips
using Single = float;          // the data model's values, defaults and factors

namespace numtext {

// A conversion that cannot give a result. Overflow: the value does not fit the target type.
// TypeMismatch: a text that must be a complete number is not one.
class NumberError : public std::runtime_error {
 public:
  enum class Kind { Overflow, TypeMismatch };
  NumberError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

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

// Complete-number reading: the whole text, trimmed of blanks, tabs, CR and LF, must be a number
// (NumberError TypeMismatch otherwise); the value is rounded to an Integer as above.
Integer completeInteger(QStringView text);

// Rounding to an Integer: nearest, a half to the even neighbour. NaN, infinities and results
// outside -32768 ... 32767 raise NumberError Overflow.
Integer roundToInteger(double value);

// Int: the largest whole number not greater than the value. NaN and infinities pass through.
double intPart(double value);

// General number form of a Single: 7 significant digits, fixed notation from 0.0001 to 9999999,
// otherwise d.ddddddE+XX; "NaN", "Infinity", "-Infinity".
QString generalForm(Single value);
// The general form with one blank in front of a value that is not negative.
QString leadingSpaceForm(Single value);
// A value shown through a numeric format pattern (sections, placeholders, grouping, scaling,
// percent, exponent, literals, named formats). The empty pattern gives the general form.
QString formatPattern(Single value, QStringView pattern);

}  // namespace numtext
}  // namespace vantrel
