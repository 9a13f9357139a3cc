// Writing numbers: the general form of a Single, the leading-space form and format patterns.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numtext/NumberFormat.h"
#include "numtext/NumberReading.h"

void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace vantrel::numtext {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

struct FormRow {
  float value;
  const char* expected;
};

TEST(GeneralForm, SevenSignificantDigits) {
  const FormRow rows[] = {
      {0.0f, "0"},
      {-0.0f, "0"},
      {1.0f, "1"},
      {-1.0f, "-1"},
      {0.5f, "0.5"},
      {-0.25f, "-0.25"},
      {0.1f, "0.1"},
      {1.0f / 3.0f, "0.3333333"},
      {123.456f, "123.456"},
      {3.2808399f, "3.28084"},
      {-1234.5f, "-1234.5"},
      {1234.5625f, "1234.563"},
      {1048576.5f, "1048577"},
      {1234567.0f, "1234567"},
      {9999999.0f, "9999999"},
      {10000000.0f, "1E+07"},
      {12345678.0f, "1.234568E+07"},
      {12345665.0f, "1.234567E+07"},
      {16777216.0f, "1.677722E+07"},
      {123456789.0f, "1.234568E+08"},
      {0.001f, "0.001"},
      {0.0001f, "0.0001"},
      {0.000123f, "0.000123"},
      {0.00001f, "1E-05"},
      {0.0000123f, "1.23E-05"},
      {-0.000015f, "-1.5E-05"},
      {1.5E-07f, "1.5E-07"},
      {0.99999994f, "0.9999999"},
      {99999.99f, "99999.99"},
      {1E+15f, "1E+15"},
      {3.4028235E+38f, "3.402823E+38"},
      {1.4E-45f, "1.401298E-45"},
      {kInf, "Infinity"},
      {-kInf, "-Infinity"},
      {kNaN, "NaN"},
      // Exactly 1.00001549720764... and 1.00000047683715...: a second rounding of an 8- or
      // 9-digit text would go up.
      {1.0000155f, "1.000015"},
      {1.0000005f, "1"},
      {9.9999991E-5f, "9.999999E-05"},  // no carry: stays below the fixed range
      {1200000.0f, "1200000"},          // integer part padded with zeros
  };
  for (const FormRow& row : rows)
    EXPECT_EQ(generalForm(row.value).toStdString(), row.expected);
}

TEST(LeadingSpaceForm, BlankBeforeValuesThatAreNotNegative) {
  const FormRow rows[] = {
      {500.0f, " 500"},
      {0.25f, " 0.25"},
      {-3.0f, "-3"},
      {0.0f, " 0"},
      {-0.0f, " 0"},
      {0.00001f, " 1E-05"},
      {-12345678.0f, "-1.234568E+07"},
      {kNaN, " NaN"},
      {kInf, " Infinity"},
      {-kInf, "-Infinity"},
  };
  for (const FormRow& row : rows)
    EXPECT_EQ(leadingSpaceForm(row.value).toStdString(), row.expected);
  EXPECT_EQ("No answer found after " + leadingSpaceForm(500.0f), "No answer found after  500");
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
    ASSERT_EQ(text[0] == '-', x < 0) << text;
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

struct PatternRow {
  float value;
  const char16_t* pattern;
  const char16_t* expected;
};

void checkRows(const PatternRow* begin, const PatternRow* end) {
  for (const PatternRow* row = begin; row != end; ++row) {
    const QString pattern = QString::fromUtf16(row->pattern);
    SCOPED_TRACE(pattern.toStdString() + " with " + std::to_string(row->value));
    EXPECT_EQ(formatPattern(row->value, pattern), QString::fromUtf16(row->expected));
  }
}

TEST(FormatPattern, ReferenceExamples) {
  const PatternRow rows[] = {
      {3.14159f, u"0", u"3"},
      {2.5f, u"0", u"3"},
      {-2.5f, u"0", u"-3"},
      {0.5f, u"0", u"1"},
      {12345.0f, u"00", u"12345"},
      {7.0f, u"000", u"007"},
      {1234.5678f, u"0.0", u"1234.6"},
      {0.25f, u"0.0", u"0.3"},
      {2.675f, u"0.00", u"2.68"},
      {-0.005f, u"0.00", u"-0.01"},
      {12.3456f, u"0.000", u"12.346"},
      {0.0005f, u"0.000", u"0.001"},
      {0.1f, u"0.000000000", u"0.100000000"},
      {1234567.0f, u"#,##0.00", u"1,234,567.00"},
      {1234.5f, u"#,##0.00", u"1,234.50"},
      {-1234.567f, u"#,##0.00", u"-1,234.57"},
      {0.5f, u"#,##0.00", u"0.50"},
      {999.995f, u"#,##0.00", u"1,000.00"},
      {123456789.0f, u"#,##0", u"123,456,800"},
      {1.0f, u"0,000", u"0,001"},
      {1234567.0f, u"#,#", u"1,234,567"},
      {1234567.0f, u"# ### ##0", u"1 234 567"},
      {0.0f, u"#", u""},
      {0.5f, u"#.##", u".5"},
      {-0.5f, u"#.00", u"-.50"},
      {3.0f, u"0.##", u"3."},
      {3.1f, u"0.##", u"3.1"},
      {12.5f, u"##0.0###", u"12.5"},
      {12.0f, u"##0.0###", u"12.0"},
      {0.123456f, u"##0.0###", u"0.1235"},
      {1000.25f, u"##0.0###", u"1000.25"},
      {0.125f, u"0.0%", u"12.5%"},
      {-0.256f, u"0.0%", u"-25.6%"},
      {0.00045f, u"0.00%", u"0.05%"},
      {1.0f, u"0%", u"100%"},
      {0.5f, u"0.0\\%", u"0.5%"},
      {1234567.0f, u"#,##0,", u"1,235"},
      {999.0f, u"#,##0,", u"1"},
      {499.0f, u"#,##0,", u"0"},
      {2500000.0f, u"0.00,,", u"2.50"},
      {-1000000.0f, u"#,##0,,\"M\"", u"-1M"},
      {12345.678f, u"0.00E+00", u"1.23E+04"},
      {0.000123f, u"0.00E+00", u"1.23E-04"},
      {99999.0f, u"0.00E+00", u"1.00E+05"},
      {0.0f, u"0.00E+00", u"0.00E+00"},
      {-0.5f, u"0.00E+00", u"-5.00E-01"},
      {1234.5f, u"0.00E-00", u"1.23E03"},
      {0.00123f, u"0.00E-00", u"1.23E-03"},
      {1234.5f, u"0.0e+0", u"1.2e+3"},
      {1234.5f, u"0.00E+##", u"1.23E+3"},
      {123456.0f, u"##0.0E+0", u"123.5E+3"},
      {47.11f, u".00E+0", u".47E+2"},
      {1.5f, u"0.00;(0.00)", u"1.50"},
      {-1.5f, u"0.00;(0.00)", u"(1.50)"},
      {0.0f, u"0.00;(0.00)", u"0.00"},
      {-0.001f, u"0.00;(0.00)", u"(0.00)"},
      {-0.001f, u"0.00", u"0.00"},
      {2.5f, u"0.0;-0.0;\"zero\"", u"2.5"},
      {-2.5f, u"0.0;-0.0;\"zero\"", u"-2.5"},
      {0.0f, u"0.0;-0.0;\"zero\"", u"zero"},
      {-0.0f, u"0.0;-0.0;\"zero\"", u"zero"},
      {0.001f, u"0.0;-0.0;\"zero\"", u"0.0"},
      {-1.25f, u"0.0;;\"zero\"", u"-1.3"},
      {0.0f, u"0;(0);\"-\";\"n/a\"", u"-"},
      {5.0f, u";(0)", u"5"},
      {1.5f, u"\"Q = \"0.00", u"Q = 1.50"},
      {-1.5f, u"\"Q = \"0.00", u"Q = -1.50"},
      {25.4f, u"0.0\\m\\m", u"25.4mm"},
      {5.0f, u"$0.00", u"$5.00"},
      {5.0f, u"+0;-0", u"+5"},
      {-5.0f, u"+0;-0", u"-5"},
      {7.0f, u"(0)", u"(7)"},
      {7.0f, u"0/8", u"7/8"},
      {5.0f, u",0", u",5"},
      {5.0f, u"\"x;y\"0", u"x;y5"},
      {0.25f, u"", u"0.25"},
      {-0.00001f, u"", u"-1E-05"},
      {1234.5f, u"Fixed", u"1234.50"},
      {-0.001f, u"FIXED", u"0.00"},
      {1234567.8f, u"Standard", u"1,234,568.00"},
      {0.1234f, u"Percent", u"12.34%"},
      {1234.5f, u"Scientific", u"1.23E+03"},
      {1234.5f, u"general number", u"1234.5"},
      {1.0f, u"Currency", u"Currency"},
      {kInf, u"0.00", u"Infinity"},
      {-kInf, u"#,##0", u"-Infinity"},
      {kNaN, u"0.00", u"NaN"},
  };
  checkRows(std::begin(rows), std::end(rows));
}

// Rules of the pattern language that the reference rows leave implicit.
TEST(FormatPattern, FurtherRules) {
  const PatternRow rows[] = {
      // Unused leading placeholders show nothing but their literals stay; the minus comes
      // directly before the first digit; a '#' right of a '0' shows a 0 too.
      {-567.0f, u"# ### ##0", u"  -567"},
      {5.0f, u"#0#", u"05"},
      // Grouping without integer placeholders, or with the comma after the point.
      {1234567.0f, u".#,#", u"1,234,567."},
      {-1234.0f, u"0.0,0", u"-1,234.00"},
      // Scaling directly before the point and past a percent sign.
      {1234567.0f, u"0,.00", u"1234.57"},
      {123.0f, u"0,%", u"12%"},
      {0.5f, u"0%%", u"5000%%"},
      // Later points are literals; a negative value that shows no digit gets no minus.
      {1.5f, u"0.0.0", u"1.5.0"},
      {0.0f, u"#.#", u"."},
      {-0.04f, u"#.#", u"."},
      // Exponents: markers need a placeholder before them and a sign after; the run is greedy
      // and later characters are literals, except "%", quotes and escapes.
      {5.0f, u"E+0", u"E+5"},
      {5.0f, u"0E+", u"5E+0"},
      {1E-20f, u"0E+000", u"1E-020"},
      {1234.5f, u"0.0E+0 0.0,#%", u"1.2E+5 0.0,#%"},
      {1234.5f, u"#,##0.0E+0", u"1234.5E+0"},
      {99999.0f, u".00E+00", u".10E+06"},
      // A value far from the pattern's scale.
      {3.4028235E38f, u"0", u"340282300000000000000000000000000000000"},
      // Sections: an empty section 3 falls back to section 1; an empty section 1 gives the signed
      // general form; a fifth section is ignored; an escaped ";" does not split; a blank is
      // not empty.
      {0.0f, u"0.0;(0.0);", u"0.0"},
      {-5.0f, u";", u"-5"},
      {0.0f, u"0;(0);z;n;extra", u"z"},
      {-5.0f, u"0;\\;0", u";5"},
      {-5.0f, u"0;\" \"", u" "},
      // A trailing escape shows nothing.
      {5.0f, u"\\", u""},
      // Unclosed quotes run to the end; escapes take a whole surrogate pair.
      {-5.0f, u"0\"a;b", u"-5a;b"},
      {5.0f, u"\\0\\#0", u"0#5"},
      {5.0f, u"0\\\U0001F600", u"5\U0001F600"},
      // Named formats match exactly apart from ASCII letter case.
      {1234.5f, u"fixed ", u"fixed "},
      {1234.5f, u"\u017Fcientific", u"\u017Fcientific"},
  };
  checkRows(std::begin(rows), std::end(rows));
}

// Random patterns from the special characters: never a crash, never runaway output.
TEST(FormatPattern, OddPatternsAreSafe) {
  const char16_t alphabet[] = u"0#.,%Ee+-\"\\; a";
  std::mt19937 rng(5);
  for (int i = 0; i < 5000; ++i) {
    QString pattern;
    for (int c = 1 + static_cast<int>(rng() % 14); c > 0; --c)
      pattern += QChar(alphabet[rng() % (std::size(alphabet) - 1)]);
    for (float v : {0.0f, -1.0f, 1234.5678f, 1e-45f, -3.4028235E38f}) {
      // At most the pattern's characters plus the 39 digits (and 12 commas) of a float.
      ASSERT_LE(formatPattern(v, pattern).size(), pattern.size() * 4 + 60) << pattern.toStdString();
    }
  }
}

}  // namespace
}  // namespace vantrel::numtext
