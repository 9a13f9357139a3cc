// Writing numbers: the general form of a Single, the leading-space form and format patterns.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numtext/NumberFormat.h"
#include "numtext/NumberReading.h"

namespace vantrel::numtext {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(GeneralForm, SevenSignificantDigitsAndTheLeadingSpaceForm) {
  const struct {
    float value;
    const char* general;
    const char* leadingSpace;
  } rows[] = {
      {0.0f, "0", " 0"},
      {-0.0f, "0", " 0"},
      {-1234.5f, "-1234.5", "-1234.5"},
      {1234.5625f, "1234.563", " 1234.563"},  // an exact half goes away from zero
      {999999.97f, "1000000", " 1000000"},    // rounding carries into a new digit
      {1.0000155f, "1.000015", " 1.000015"},  // 1.0000154972...: rounded once, not twice
      {9999999.0f, "9999999", " 9999999"},
      {10000000.0f, "1E+07", " 1E+07"},
      {-12345678.0f, "-1.234568E+07", "-1.234568E+07"},
      {0.0001f, "0.0001", " 0.0001"},
      {0.00001f, "1E-05", " 1E-05"},
      {9.9999991E-5f, "9.999999E-05", " 9.999999E-05"},  // no carry: stays below the fixed range
      {kInf, "Infinity", " Infinity"},
      {-kInf, "-Infinity", "-Infinity"},
      {kNaN, "NaN", " NaN"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(generalForm(row.value).toStdString(), row.general);
    EXPECT_EQ(leadingSpaceForm(row.value).toStdString(), row.leadingSpace);
  }
}

// Against the C library's exact printf: "%.6e" rounds the exact value to 7 digits with ties to
// even, so the two agree except on exact ties, which must go away from zero.
TEST(GeneralForm, AgreesWithExactPrintfOnRandomFloats) {
  std::mt19937 rng(7);
  int ties = 0;
  for (int i = 0; i < 20000; ++i) {
    // Every tenth value has few mantissa bits, which makes exact 7-digit ties likely.
    const std::uint32_t bits = static_cast<std::uint32_t>(rng()) & (i % 10 ? ~0u : 0xFFFF0000u);
    float x;
    std::memcpy(&x, &bits, sizeof x);
    if (!std::isfinite(x) || x == 0) continue;
    const std::string text = generalForm(x).toStdString();
    char rounded[64], exact[200];
    std::snprintf(rounded, sizeof rounded, "%.6e", static_cast<double>(x));
    std::snprintf(exact, sizeof exact, "%.111e", std::fabs(static_cast<double>(x)));
    const std::string tail = std::string(exact).substr(8, 104);
    const double shown = leadingDouble(QString::fromStdString(text));
    if (tail[0] == '5' && tail.find_first_not_of('0', 1) == std::string::npos) {
      ++ties;
      ASSERT_GT(std::fabs(shown), std::fabs(static_cast<double>(x))) << text;
      continue;
    }
    ASSERT_EQ(shown, leadingDouble(QString::fromLatin1(rounded))) << text;
    const int exponent = std::atoi(std::strchr(rounded, 'e') + 1);
    ASSERT_EQ(exponent >= -4 && exponent <= 6, text.find('E') == std::string::npos) << text;
  }
  EXPECT_GT(ties, 0);
}

TEST(FormatPattern, OneRowPerRule) {
  const struct {
    float value;
    const char16_t* pattern;
    const char16_t* expected;
  } rows[] = {
      // Placeholders: halves away from zero, from the value's 7 digits; zero padding.
      {2.5f, u"0", u"3"},
      {-2.5f, u"0", u"-3"},
      {2.675f, u"0.00", u"2.68"},
      {0.1f, u"0.000000000", u"0.100000000"},
      {7.0f, u"000", u"007"},
      {0.0f, u"#", u""},
      {-0.04f, u"#.#", u"."},
      {3.0f, u"0.##", u"3."},
      {0.123456f, u"##0.0###", u"0.1235"},
      {3.4028235E38f, u"0", u"340282300000000000000000000000000000000"},
      // Grouping and scaling commas, percent signs.
      {999.995f, u"#,##0.00", u"1,000.00"},
      {123456789.0f, u"#,##0", u"123,456,800"},
      {1.0f, u"0,000", u"0,001"},
      {-567.0f, u"# ### ##0", u"  -567"},
      {1234567.0f, u"#,##0,", u"1,235"},
      {2500000.0f, u"0.00,,", u"2.50"},
      {1234567.0f, u"0,.00", u"1234.57"},
      {0.00045f, u"0.00%", u"0.05%"},
      {0.5f, u"0%%", u"5000%%"},
      // Exponents: the marker needs a placeholder before it and a sign after it.
      {0.000123f, u"0.00E+00", u"1.23E-04"},
      {99999.0f, u"0.00E+00", u"1.00E+05"},
      {1234.5f, u"0.00E-00", u"1.23E03"},
      {1234.5f, u"0.00E+##", u"1.23E+3"},
      {123456.0f, u"##0.0E+0", u"123.5E+3"},
      {1E-20f, u"0E+000", u"1E-020"},
      {5.0f, u"E+0", u"E+5"},
      {1234.5f, u"0.0E+0 0.0,#%", u"1.2E+5 0.0,#%"},
      // Sections: negative, zero, empty and surplus ones; a negative value shown as zero.
      {-0.001f, u"0.00;(0.00)", u"(0.00)"},
      {-0.001f, u"0.00", u"0.00"},
      {-0.0f, u"0.0;-0.0;\"zero\"", u"zero"},
      {0.0f, u"0.0;(0.0);", u"0.0"},
      {-1.25f, u"0.0;;\"zero\"", u"-1.3"},
      {0.0f, u"0;(0);z;n;extra", u"z"},
      // Literals: quotes, escapes (a whole surrogate pair), later points, unclosed quotes.
      {-1.5f, u"\"Q = \"0.00", u"Q = -1.50"},
      {-5.0f, u"0;\\;0", u";5"},
      {5.0f, u"0\\\U0001F600", u"5\U0001F600"},
      {-5.0f, u"0\"a;b", u"-5a;b"},
      {1.5f, u"0.0.0", u"1.5.0"},
      // Named formats, in any ASCII letter case; the empty pattern; values that are not finite.
      {1234567.8f, u"Standard", u"1,234,568.00"},
      {0.1234f, u"percent", u"12.34%"},
      {1234.5f, u"General Number", u"1234.5"},
      {-0.001f, u"FIXED", u"0.00"},
      {1234.5f, u"fixed ", u"fixed "},
      {-0.00001f, u"", u"-1E-05"},
      {kNaN, u"0.00", u"NaN"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(formatPattern(row.value, QString::fromUtf16(row.pattern)).toStdString(),
              QString::fromUtf16(row.expected).toStdString())
        << QString::fromUtf16(row.pattern).toStdString() << " with " << row.value;
  }
}

}  // namespace
}  // namespace vantrel::numtext
