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

// For these short decimals the float nearest the double is the float nearest the decimal.
struct ReadRow {
  const char16_t* text;
  double value;
};

TEST(LeadingNumber, ReadsTheLongestNumberPrefix) {
  const ReadRow rows[] = {
      {u" 12.5 mm", 12.5},
      {u"1.5E2", 150.0},
      {u"1.5D2", 150.0},
      {u"1.5e-2", 0.015},
      {u"2.5d+1", 25.0},
      {u"", 0.0},
      {u"abc", 0.0},
      {u"-.5", -0.5},
      {u"5.", 5.0},
      {u"1.e2", 100.0},
      {u"007", 7.0},
      {u"1e", 1.0},
      {u"1e+", 1.0},
      {u"E5", 0.0},
      {u"+-3", 0.0},
      {u"..5", 0.0},
      {u".", 0.0},
      {u"1.2.3", 1.2},
      {u"&H10", 0.0},
      {u"0x1F", 0.0},
      {u"1 2", 12.0},
      {u" 2 45 7", 2457.0},
      {u"- 5", -5.0},
      {u"1 e 2", 100.0},
      {u"3 .5", 3.5},
      {u"1,234.5", 1.0},
      {u"$5", 0.0},
      {u"50%", 50.0},
      {u"12abc", 12.0},
      {u"\t\n7", 7.0},
      {u"\r\n7", 0.0},
      {u"-0", 0.0},
      {u"Infinity", 0.0},
      {u"1E-50", 1E-50},  // underflow as a float only
      {u"3.4028235E38", 3.4028235E38},
      // Exponents of any length; only blank, tab and LF are skipped; only ASCII digits count.
      {u"1E-99999999999999999999", 0.0},
      {u"0E999999999", 0.0},
      {u"2\u00A03", 2.0},
      {u"\uFF15", 0.0},
  };
  for (const ReadRow& row : rows) {
    SCOPED_TRACE(QString::fromUtf16(row.text).toStdString());
    EXPECT_EQ(outcome([&] { return leadingSingle(row.text); }),
              outcome([&] { return static_cast<float>(row.value); }));
    EXPECT_EQ(leadingDouble(row.text), row.value);
  }
}

TEST(LeadingNumber, RoundsOnceFromTheExactDigits) {
  const std::string zeros(1000, '0');
  const auto single = [](const std::string& text) {
    return leadingSingle(QString::fromStdString(text));
  };
  // 1 + 2^-24 lies halfway between 1 and the next float: ties to even, but any non-zero digit
  // after it (even beyond the 800th) decides upwards. Through a double it would round twice.
  const std::string half = "1.000000059604644775390625";
  const float above = std::nextafter(1.0f, 2.0f);
  EXPECT_EQ(single(half), 1.0f);
  EXPECT_EQ(single(half + zeros + "1"), above);
  EXPECT_EQ(single(half + "00000001"), above);
  EXPECT_EQ(single("0." + zeros + "25E1001"), 2.5f);
  // Just below the halfway point beyond the largest float; half the smallest subnormal is 0.
  EXPECT_EQ(single("3.40282356779733661637539395458142568447E38"),
            std::numeric_limits<float>::max());
  const std::string halfSubnormal =
      "7.00649232162408535461864791644958065640130970938257885878534141944895541342930300743319"
      "094181060791015625";
  EXPECT_EQ(single(halfSubnormal + "E-46"), 0.0f);
  EXPECT_EQ(single(halfSubnormal + "1E-46"), std::numeric_limits<float>::denorm_min());
  EXPECT_EQ(leadingDouble(u"4.9406564584124654E-324"), std::numeric_limits<double>::denorm_min());
  EXPECT_FALSE(std::signbit(single("-1E-50")));
}

TEST(LeadingNumber, OverflowIsAnError) {
  for (const char16_t* text :
       {u"1E39", u"-1E39", u"1E99999999999999999999", u"3.40282357E38", u"1D400"}) {
    EXPECT_EQ(outcome([&] { return leadingSingle(text); }), "overflow");
  }
  EXPECT_EQ(leadingDouble(u"1E39"), 1E39);
  EXPECT_EQ(outcome([] { return leadingDouble(u"-1.8E308"); }), "overflow");
}

// Integers are rounded from the exact decimal value, never from a float or double made first.
// Complete reading takes the same value but only from a text that is a number and nothing else.
TEST(IntegerFromText, LeadingAndCompleteReading) {
  const struct {
    const char16_t* text;
    const char* leading;
    const char* complete;
  } rows[] = {
      {u"32767.499", "32767", "32767"},
      {u" 7.5 mm", "8", "mismatch"},
      {u"abc", "0", "mismatch"},
      {u"0.5000000000000000000000001", "1", "1"},
      {u"2.4999999999999999999999999", "2", "2"},
      {u"32767.4999999999999999999", "32767", "32767"},
      {u"-32768.5", "-32768", "-32768"},
      {u"-32768.5000000000000000001", "overflow", "overflow"},
      {u"32767.5", "overflow", "overflow"},
      {u"99999.4", "overflow", "overflow"},
      {u"1E99999999999999999999", "overflow", "overflow"},
      {u"3.2767E4", "32767", "32767"},
      {u"\t\r\n-12\r\n", "0", "-12"},
      {u"+3.5", "4", "4"},
      {u"2.5d0", "2", "2"},
      {u"5.", "5", "5"},
      {u"12a", "12", "mismatch"},
      {u"1 2", "12", "mismatch"},
      {u"&H10", "0", "mismatch"},
      {u"1e", "1", "mismatch"},
      {u"", "0", "mismatch"},
      {u" \t\r\n", "0", "mismatch"},
      {u"+", "0", "mismatch"},
      {u".", "0", "mismatch"},
      {u"- 5", "-5", "mismatch"},
      {u"1,000", "1", "mismatch"},
      {u"\u00A012", "0", "mismatch"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(QString::fromUtf16(row.text).toStdString());
    EXPECT_EQ(outcome([&] { return leadingInteger(row.text); }), row.leading);
    EXPECT_EQ(outcome([&] { return completeInteger(row.text); }), row.complete);
  }
}

TEST(RoundToInteger, NearestWithHalvesToEven) {
  const struct {
    double value;
    const char* expected;
  } rows[] = {
      {2.5, "2"},
      {3.5, "4"},
      {-2.5, "-2"},
      {-3.5, "-4"},
      {0.5, "0"},
      {1.5, "2"},
      {-0.5, "0"},
      {2.4999f, "2"},
      {2.5001f, "3"},
      {32767.49f, "32767"},
      {32767.5, "overflow"},
      {-32768.5, "-32768"},
      {-32768.51f, "overflow"},
      {65535, "overflow"},
      {-32767.5, "-32768"},
      {std::nextafter(0.5, 0.0), "0"},  // must not be pushed up by adding one half
      {std::numeric_limits<double>::quiet_NaN(), "overflow"},
      {-std::numeric_limits<double>::infinity(), "overflow"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(outcome([&] { return roundToInteger(row.value); }), row.expected) << row.value;
}

TEST(IntPart, RoundsTowardMinusInfinity) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    const char* expected;
  } rows[] = {
      {2.7, "2"},
      {-2.7, "-3"},
      {-2, "-2"},
      {-0.5, "-1"},
      {0.999, "0"},
      {-1E-30, "-1"},
      {1E20, "1e+20"},
      {-0.0, "0"},
      {inf, "inf"},
      {-inf, "-inf"},
      {std::numeric_limits<double>::quiet_NaN(), "nan"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(outcome([&] { return intPart(row.value); }), row.expected) << row.value;
}

}  // namespace
}  // namespace vantrel::numtext
