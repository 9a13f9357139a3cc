// Numeric format patterns.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "numtext/NumberText.h"

void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace vantrel::numtext {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

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
      // directly before the first digit; surplus digits go to the first placeholder.
      {-567.0f, u"# ### ##0", u"  -567"},
      {12.0f, u"0-0-0", u"0-1-2"},
      {123456.0f, u"0-0", u"12345-6"},
      {5.0f, u"#0#", u"05"},
      // Grouping without integer placeholders or with the comma after the point.
      {1234567.0f, u".#,#", u"1,234,567."},
      {-1234.5f, u"\"x\".#", u"x-1234.5"},
      {-1234.0f, u"0.0,0", u"-1,234.00"},
      // Scaling directly before the point and past a percent sign; literal leading commas.
      {1234567.0f, u"0,.00", u"1234.57"},
      {123.0f, u"0,%", u"12%"},
      {5.0f, u",,0,,", u",,0"},
      {0.5f, u"0%%", u"5000%%"},
      // Later points are literals; a negative value that shows no digit gets no minus.
      {1.5f, u"0.0.0", u"1.5.0"},
      {0.0f, u"#.#", u"."},
      {-0.04f, u"#.#", u"."},
      // Exponents: markers need a placeholder before them and a sign after; the run is greedy
      // and later characters are literals, except "%", quotes and escapes.
      {5.0f, u"E+0", u"E+5"},
      {5.0f, u"0E", u"5E"},
      {5.0f, u"0E+", u"5E+0"},
      {1E-20f, u"0E+000", u"1E-020"},
      {1234.5f, u"0.0E+0 0.0,#%", u"1.2E+5 0.0,#%"},
      {1234.5f, u"0.00E+00\"x\"\\y", u"1.23E+03xy"},
      {1234.5f, u"#,##0.0E+0", u"1234.5E+0"},
      {99999.0f, u".00E+00", u".10E+06"},
      {1e-45f, u"0.000E+00", u"1.401E-45"},
      // Values far from the pattern's scale.
      {3.4028235E38f, u"0", u"340282300000000000000000000000000000000"},
      {-1e-45f, u"0.00", u"0.00"},
      // Sections: an empty section 3 falls back to section 1; -0 is zero; an empty section 1
      // gives the signed general form; escaped or quoted ";" do not split; a blank is not empty.
      {0.0f, u"0.0;(0.0);", u"0.0"},
      {-0.0f, u"0.0;(0.0)", u"0.0"},
      {-5.0f, u";", u"-5"},
      {0.0f, u"0;(0);z;n;extra", u"z"},
      {-5.0f, u"0;\\;0", u";5"},
      {-5.0f, u"0;\" \"", u" "},
      // Sections without placeholders show only their own characters.
      {-5.0f, u"abc", u"abc"},
      {5.0f, u"%.", u"%."},
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

// Properties that tie the pattern paths to each other and to the general form.
TEST(FormatPattern, PathsAgreeOnRandomValues) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<float> moderate(-1e7f, 1e7f);
  for (int i = 0; i < 5000; ++i) {
    const float x = moderate(rng);
    SCOPED_TRACE(std::to_string(x));
    EXPECT_EQ(leadingDouble(formatPattern(x, u"0.000000E+00")), leadingDouble(generalForm(x)));
    EXPECT_EQ(formatPattern(x, u"#,##0.00").remove(u','), formatPattern(x, u"0.00"));
    // A negative value through section 1 is the magnitude with a minus, unless it shows 0.
    const QString magnitude = formatPattern(std::fabs(x), u"0.00");
    EXPECT_EQ(formatPattern(-std::fabs(x), u"0.00"),
              magnitude == u"0.00" ? magnitude : QChar(u'-') + magnitude);
  }
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
