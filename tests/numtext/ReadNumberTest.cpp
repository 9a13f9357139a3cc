// Reading numbers from text: the leading-number rule, Integer conversion of the exact value,
// and complete-number reading.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "numtext/NumberText.h"

namespace vantrel::numtext {
namespace {

struct ReadRow {
  const char16_t* text;
  float single;
  double dbl;
};

// Every value is given as a float and as a double literal of the same decimal.
#define READ_ROW(text, value) \
  ReadRow {                   \
    u"" text, value##f, value \
  }

TEST(LeadingNumber, ReadsTheLongestNumberPrefix) {
  const ReadRow rows[] = {
      READ_ROW(" 12.5 mm", 12.5),
      READ_ROW("1.5E2", 150.0),
      READ_ROW("1.5D2", 150.0),
      READ_ROW("1.5e-2", 0.015),
      READ_ROW("2.5d+1", 25.0),
      READ_ROW("", 0.0),
      READ_ROW("abc", 0.0),
      READ_ROW("-.5", -0.5),
      READ_ROW("5.", 5.0),
      READ_ROW("1.e2", 100.0),
      READ_ROW("007", 7.0),
      READ_ROW("1e", 1.0),
      READ_ROW("1e+", 1.0),
      READ_ROW("E5", 0.0),
      READ_ROW("+-3", 0.0),
      READ_ROW("..5", 0.0),
      READ_ROW(".", 0.0),
      READ_ROW("1.2.3", 1.2),
      READ_ROW("&H10", 0.0),
      READ_ROW("0x1F", 0.0),
      READ_ROW("1 2", 12.0),
      READ_ROW(" 2 45 7", 2457.0),
      READ_ROW("- 5", -5.0),
      READ_ROW("1 e 2", 100.0),
      READ_ROW("3 .5", 3.5),
      READ_ROW("1,234.5", 1.0),
      READ_ROW("$5", 0.0),
      READ_ROW("50%", 50.0),
      READ_ROW("12abc", 12.0),
      READ_ROW("\t\n7", 7.0),
      READ_ROW("\r\n7", 0.0),
      READ_ROW("-0", 0.0),
      READ_ROW("Infinity", 0.0),
      ReadRow{u"1E-50", 0.0f, 1E-50},  // underflow as a float
      READ_ROW("3.4028235E38", 3.4028235E38),
      // Beyond the table: exponent extremes, long digit strings, other separators.
      READ_ROW("1E-99999999999999999999", 0.0),
      READ_ROW("0E999999999", 0.0),
      READ_ROW("+.25e1", 2.5),
      READ_ROW("1e+0x", 1.0),
      READ_ROW("1d-", 1.0),
      READ_ROW("2\u00A03", 2.0),
      READ_ROW("4\f5", 4.0),
      READ_ROW("\uFF15", 0.0),
      READ_ROW("1.5!", 1.5),
      READ_ROW("-7#", -7.0),
  };
  for (const ReadRow& row : rows) {
    const QString text = QString::fromUtf16(row.text);
    SCOPED_TRACE(text.toStdString());
    const Single single = leadingSingle(text);
    EXPECT_EQ(single, row.single);
    if (single == 0) {
      EXPECT_FALSE(std::signbit(single)) << "zero must be +0";
    }
    EXPECT_EQ(leadingDouble(text), row.dbl);
  }
}

TEST(LeadingNumber, RoundsOnceFromTheExactDigits) {
  const std::string zeros(1000, '0');
  // 1 + 2^-24 lies exactly halfway between 1 and the next float; ties go to even.
  const std::string half = "1.000000059604644775390625";
  EXPECT_EQ(leadingSingle(QString::fromStdString(half)), 1.0f);
  // A non-zero digit far beyond the first 800 still decides the tie.
  EXPECT_EQ(leadingSingle(QString::fromStdString(half + zeros + "1")), std::nextafter(1.0f, 2.0f));
  EXPECT_EQ(leadingSingle(QString::fromStdString(half + zeros)), 1.0f);
  // Digits and exponent that cancel out.
  EXPECT_EQ(leadingSingle(QString::fromStdString("1" + zeros + "E-1000")), 1.0f);
  EXPECT_EQ(leadingSingle(QString::fromStdString("0." + zeros + "25E1001")), 2.5f);
  // Just below and just above the halfway point beyond the largest float.
  EXPECT_EQ(leadingSingle(u"3.40282356779733661637539395458142568447E38"),
            std::numeric_limits<float>::max());
  // Half the smallest subnormal rounds to even (0); anything more gives the subnormal.
  EXPECT_EQ(leadingSingle(u"7.00649232162408535461864791644958065640130970938257885878534141944"
                          u"895541342930300743319094181060791015625E-46"),
            0.0f);
  EXPECT_EQ(leadingSingle(u"7.006492321624085354618647916449580656401309709382578858785341419448"
                          u"955413429303007433190941810607910156251E-46"),
            std::numeric_limits<float>::denorm_min());
  // A float made through a double first would round twice here.
  EXPECT_EQ(leadingSingle(u"1.00000005960464477539062500000001"), std::nextafter(1.0f, 2.0f));
  EXPECT_EQ(leadingDouble(u"4.9406564584124654E-324"), std::numeric_limits<double>::denorm_min());
  // A negative value that underflows is +0.
  EXPECT_FALSE(std::signbit(leadingSingle(u"-1E-50")));
  EXPECT_FALSE(std::signbit(leadingDouble(u"-1E-400")));
}

TEST(LeadingNumber, OverflowIsAnError) {
  const char16_t* singleOverflows[] = {
      u"1E39",
      u"-1E39",
      u"1E99999999999999999999",
      u"3.40282357E38",
      u"340282356779733661637539395458142568448",
      u"1D400",
  };
  for (const char16_t* text : singleOverflows) {
    SCOPED_TRACE(QString::fromUtf16(text).toStdString());
    try {
      leadingSingle(QString::fromUtf16(text));
      ADD_FAILURE() << "no error";
    } catch (const NumberError& e) {
      EXPECT_EQ(e.kind(), NumberError::Kind::Overflow);
    }
  }
  EXPECT_EQ(leadingDouble(u"1E39"), 1E39);
  EXPECT_THROW(leadingDouble(u"1.8E308"), NumberError);
  EXPECT_THROW(leadingDouble(u"-1E99999999999999999999"), NumberError);
}

struct IntegerRow {
  const char16_t* text;
  int expected;  // or kOverflow
};
constexpr int kOverflow = 1 << 20;

TEST(LeadingNumber, IntegerRoundsTheExactValue) {
  const IntegerRow rows[] = {
      {u"32767.499", 32767},
      {u" 7.5 mm", 8},
      {u"abc", 0},
      {u"2.5", 2},
      {u"3.5", 4},
      {u"-2.5", -2},
      {u"-0.5", 0},
      {u"0.5000000000000000000000001", 1},
      {u"2.4999999999999999999999999", 2},
      // A double made from this text would be 32767.5 and overflow.
      {u"32767.4999999999999999999", 32767},
      {u"-32768.5", -32768},
      {u"-32768.5000000000000000001", kOverflow},
      {u"32767.5", kOverflow},
      {u"65535", kOverflow},
      {u"99999.4", kOverflow},
      {u"1E99999999999999999999", kOverflow},
      {u"1E-99999999999999999999", 0},
      {u"3.2767E4", 32767},
      {u"0.049", 0},
      {u"-0", 0},
  };
  for (const IntegerRow& row : rows) {
    const QString text = QString::fromUtf16(row.text);
    SCOPED_TRACE(text.toStdString());
    if (row.expected == kOverflow) {
      EXPECT_THROW(leadingInteger(text), NumberError);
    } else {
      EXPECT_EQ(leadingInteger(text), row.expected);
    }
  }
}

TEST(CompleteNumber, WholeTextMustBeANumber) {
  const IntegerRow rows[] = {
      {u" 12 ", 12},  {u"\t\r\n-12\r\n", -12}, {u"+3.5", 4},
      {u"1.5E1", 15}, {u"2.5d0", 2},           {u".5", 0},
      {u"5.", 5},
  };
  for (const IntegerRow& row : rows) {
    SCOPED_TRACE(QString::fromUtf16(row.text).toStdString());
    EXPECT_EQ(completeInteger(QString::fromUtf16(row.text)), row.expected);
  }
  const char16_t* mismatches[] = {u"12a",     u"1 2",   u"&H10",  u"1e",       u"",
                                  u" \t\r\n", u"+",     u".",     u"-",        u"1e+",
                                  u"- 5",     u"12 mm", u"1,000", u"\u00A012", u"12\f"};
  for (const char16_t* text : mismatches) {
    SCOPED_TRACE(QString::fromUtf16(text).toStdString());
    try {
      completeInteger(QString::fromUtf16(text));
      ADD_FAILURE() << "accepted";
    } catch (const NumberError& e) {
      EXPECT_EQ(e.kind(), NumberError::Kind::TypeMismatch);
    }
  }
  try {
    completeInteger(u"1E5");
    ADD_FAILURE() << "accepted";
  } catch (const NumberError& e) {
    EXPECT_EQ(e.kind(), NumberError::Kind::Overflow);
  }
}

// Short decimal texts: a double holds them closely enough that rounding it agrees with rounding
// the exact value, and complete reading agrees with the leading rule.
TEST(LeadingNumber, IntegerAgreesWithRoundingTheDoubleForShortTexts) {
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> digitCount(1, 9);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-6, 3);
  for (int i = 0; i < 20000; ++i) {
    std::string text = rng() % 2 ? "-" : "";
    const int n = digitCount(rng);
    for (int d = 0; d < n; ++d)
      text += static_cast<char>('0' + digit(rng));
    text += "E" + std::to_string(exponent(rng));
    const QString qtext = QString::fromStdString(text);
    SCOPED_TRACE(text);
    bool overflow = false;
    Integer expected = 0;
    try {
      expected = roundToInteger(leadingDouble(qtext));
    } catch (const NumberError&) {
      overflow = true;
    }
    if (overflow) {
      EXPECT_THROW(leadingInteger(qtext), NumberError);
      EXPECT_THROW(completeInteger(qtext), NumberError);
    } else {
      EXPECT_EQ(leadingInteger(qtext), expected);
      EXPECT_EQ(completeInteger(qtext), expected);
    }
  }
}

}  // namespace
}  // namespace vantrel::numtext
