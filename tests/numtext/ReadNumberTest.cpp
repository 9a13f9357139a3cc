// Reading numbers from text (leading-number rule, complete-number reading) and whole numbers.

#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "numtext/NumberReading.h"

namespace vantrel::numtext {
namespace {

// The result of a conversion as text, or the kind of error it raised.
template <typename F>
std::string outcome(F&& convert) {
  try {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", static_cast<double>(convert()));
    return text;  // "-0" for a negative zero
  } catch (const NumberError& e) {
    return e.kind() == NumberError::Kind::Overflow ? "overflow" : "mismatch";
  }
}

// As a Single and as a double: for these short decimals the float nearest the double is the
// float nearest the decimal.
TEST(LeadingNumber, ReadsTheLongestNumberPrefix) {
  const struct {
    const char16_t* text;
    const char* single;
    double value;
  } rows[] = {
      {u" 12.5 mm", "12.5", 12.5},
      {u"1.5E2", "150", 150},
      {u"1.5D2", "150", 150},
      {u"1.5e-2", "0.014999999664723873", 0.015},
      {u"abc", "0", 0},
      {u"-.5", "-0.5", -0.5},
      {u"1e+", "1", 1},
      {u"+-3", "0", 0},
      {u" 2 45 7", "2457", 2457},
      {u"- 5", "-5", -5},
      {u"\t\n7", "7", 7},
      {u"\r\n7", "0", 0},
      {u"2\u00A03", "2", 2},
      {u"-1E-50", "0", -1E-50},
      {u"1E-99999999999999999999", "0", 0},
      {u"1E39", "overflow", 1E39},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(QString::fromUtf16(row.text).toStdString());
    EXPECT_EQ(outcome([&] { return leadingSingle(row.text); }), row.single);
    EXPECT_EQ(leadingDouble(row.text), row.value);
  }
  EXPECT_EQ(outcome([] { return leadingDouble(u"-1.8E308"); }), "overflow");
}

TEST(LeadingNumber, RoundsOnceFromTheExactDigits) {
  const auto single = [](const std::string& text) {
    return leadingSingle(QString::fromStdString(text));
  };
  // 1 + 2^-24 lies halfway between 1 and the next float: ties to even, but any non-zero digit
  // after it (even beyond the 800th) decides upwards. Through a double it would round twice.
  const std::string half = "1.000000059604644775390625";
  EXPECT_EQ(single(half), 1.0f);
  EXPECT_EQ(single(half + std::string(1000, '0') + "1"), std::nextafter(1.0f, 2.0f));
  EXPECT_EQ(single("3.40282356779733661637539395458142568447E38"),
            std::numeric_limits<float>::max());
  EXPECT_EQ(outcome([&] { return single("3.40282357E38"); }), "overflow");
}

// Integers are rounded from the exact decimal value, never from a float or double made first.
// Complete reading takes the same value but only from a text that is a number and nothing else.
TEST(IntegerFromText, LeadingAndCompleteReading) {
  const struct {
    const char16_t* text;
    const char* leading;
    const char* complete;
  } rows[] = {
      {u" 7.5 mm", "8", "mismatch"},
      {u"2.5", "2", "2"},
      {u"0.5000000000000000000000001", "1", "1"},
      {u"32767.4999999999999999999", "32767", "32767"},
      {u"-32768.5", "-32768", "-32768"},
      {u"32767.5", "overflow", "overflow"},
      {u"\t\r\n-12\r\n", "0", "-12"},
      {u"+3.5", "4", "4"},
      {u"12a", "12", "mismatch"},
      {u"1 2", "12", "mismatch"},
      {u"1e", "1", "mismatch"},
      {u".", "0", "mismatch"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(QString::fromUtf16(row.text).toStdString());
    EXPECT_EQ(outcome([&] { return leadingInteger(row.text); }), row.leading);
    EXPECT_EQ(outcome([&] { return completeInteger(row.text); }), row.complete);
  }
}

// Rounding to an Integer goes to the nearest, a half to the even neighbour; Int goes toward
// minus infinity and never gives a negative zero.
TEST(WholeNumbers, RoundToIntegerAndIntPart) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double value;
    const char* rounded;
    const char* intPart;
  } rows[] = {
      {2.5, "2", "2"},
      {3.5, "4", "3"},
      {-2.5, "-2", "-3"},
      {-0.5, "0", "-1"},
      {std::nextafter(0.5, 0.0), "0", "0"},  // must not be pushed up by adding one half
      {-0.0, "0", "0"},
      {32767.5, "overflow", "32767"},
      {-32768.5, "-32768", "-32769"},
      {nan, "overflow", "nan"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(outcome([&] { return roundToInteger(row.value); }), row.rounded) << row.value;
    EXPECT_EQ(outcome([&] { return intPart(row.value); }), row.intPart) << row.value;
  }
}

}  // namespace
}  // namespace vantrel::numtext
