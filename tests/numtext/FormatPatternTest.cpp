// Numeric format patterns.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numtext/NumberText.h"

// Readable failure messages.
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
      // Digits flow past literals; unused leading placeholders show nothing, literals stay.
      {567.0f, u"# ### ##0", u"  567"},
      {-567.0f, u"# ### ##0", u"  -567"},
      {12.0f, u"0-0-0", u"0-1-2"},
      {123456.0f, u"0-0", u"12345-6"},
      // A '#' to the right of a '0' shows a 0 too.
      {5.0f, u"0##", u"005"},
      {5.0f, u"#0#", u"05"},
      // Grouping with padding zeros and surplus digits in the first placeholder.
      {1234567.0f, u"0,0", u"1,234,567"},
      {1234567.0f, u".#,#", u"1,234,567."},
      {-1234.5f, u"\"x\".#", u"x-1234.5"},
      {5.0f, u"000,000", u"000,005"},
      {-1234.0f, u"0.0,0", u"-1,234.00"},
      // Scaling commas before the point, with several percent signs, and literal commas.
      {1234567.0f, u"0,.00", u"1234.57"},
      {1234567.0f, u"#,##0,.0", u"1,234.6"},
      {0.5f, u"0%%", u"5000%%"},
      {123.0f, u"0,%", u"12%"},
      {5.0f, u",,0,,", u",,0"},
      {5.0f, u"0\\,000", u"0,005"},
      // Later points are literals; an unused decimal point is still written.
      {1.5f, u"0.0.0", u"1.5.0"},
      {1.25f, u"#.", u"1."},
      {0.0f, u"#.#", u"."},
      {-0.04f, u"#.#", u"."},
      {-0.06f, u"#.#", u"-.1"},
      // Exponent details: the run is greedy, later characters are literals.
      {5.0f, u"0E+", u"5E+0"},
      {5.0f, u"0E+#", u"5E+0"},
      {1E20f, u"0E-0", u"1E20"},
      {1E-20f, u"0E+000", u"1E-020"},
      {1234.5f, u"0.0E+0 0.0,#%", u"1.2E+5 0.0,#%"},
      {1234.5f, u"0.00E+00\"x\"\\y", u"1.23E+03xy"},
      {5.0f, u"E+0", u"E+5"},
      {5.0f, u"0E", u"5E"},
      {5.0f, u"0e\\+0", u"0e+5"},
      {1234.5f, u"#,##0.0E+0", u"1234.5E+0"},
      {0.5f, u"0.0E+0%", u"5.0E+1%"},
      {-1234.5f, u"\"m=\"0.00E+00", u"m=-1.23E+03"},
      {9.9999f, u"#.##E+0", u"1.E+1"},
      {99999.0f, u".00E+00", u".10E+06"},
      {0.0f, u"#.##E+0", u".E+0"},
      {1e-45f, u"0.000E+00", u"1.401E-45"},
      {3.4028235E38f, u"0.000E+00", u"3.403E+38"},
      // Values far from the pattern's scale.
      {3.4028235E38f, u"0", u"340282300000000000000000000000000000000"},
      {1e-45f, u"0.00", u"0.00"},
      {-1e-45f, u"0.00", u"0.00"},
      {-1e-45f, u"0.00;(0.00)", u"(0.00)"},
      // Sections: an empty section 3 falls back to section 1, section 4 is never used.
      {0.0f, u"0.0;(0.0);", u"0.0"},
      {-0.0f, u"0.0;(0.0)", u"0.0"},
      {-5.0f, u"0;;;", u"-5"},
      {-5.0f, u";", u"-5"},
      {-5.0f, u";;;;;;;", u"-5"},
      {5.0f, u"0;(0);z;n;extra;more", u"5"},
      {0.0f, u"0;(0);z;n;extra", u"z"},
      {-5.0f, u"0;\\;0", u";5"},
      {-5.0f, u"0;\" \"", u" "},
      // Sections without placeholders show only their own characters.
      {5.0f, u"abc", u"abc"},
      {-5.0f, u"abc", u"abc"},
      {5.0f, u"%", u"%"},
      {5.0f, u".", u"."},
      {5.0f, u"\"\"", u""},
      {5.0f, u"\\", u""},
      {5.0f, u"a,b", u"a,b"},
      {5.0f, u"Yes/No", u"Yes/No"},
      // Quotes and escapes never end in trouble.
      {5.0f, u"0\"abc", u"5abc"},
      {5.0f, u"0\"a;b", u"5a;b"},
      {-5.0f, u"0\"a;b", u"-5a;b"},
      {5.0f, u"0\\", u"5"},
      {5.0f, u"\\0\\#0", u"0#5"},
      {5.0f, u"0\\\U0001F600", u"5\U0001F600"},
      {5.0f, u"0\U0001F600", u"5\U0001F600"},
      // Named formats must match exactly apart from letter case.
      {1234.5f, u"fixed ", u"fixed "},
      {1234.5f, u"GENERAL NUMBER", u"1234.5"},
      {1234.5f, u"General  Number", u"General  Number"},
      {-1234.5f, u"standard", u"-1,234.50"},
      {-0.5f, u"percent", u"-50.00%"},
      {1234.5f, u"\u017Fcientific", u"\u017Fcientific"},
  };
  checkRows(std::begin(rows), std::end(rows));
}

float randomFloat(std::mt19937& rng) {
  for (;;) {
    const std::uint32_t bits = static_cast<std::uint32_t>(rng());
    float x;
    std::memcpy(&x, &bits, sizeof x);
    if (std::isfinite(x)) return x;
  }
}

// The sign and the digits of a result without leading zeros: "-0.1235" gives "-1235".
std::string signedDigits(const QString& text) {
  std::string digits;
  for (QChar c : text) {
    if (c.isDigit() && !(digits.empty() && c == u'0')) digits += static_cast<char>(c.unicode());
  }
  if (digits.empty()) digits = "0";
  return text.startsWith(u'-') ? "-" + digits : digits;
}

// Properties that tie the pattern paths to each other and to the general form.
TEST(FormatPattern, PathsAgreeOnRandomValues) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<float> moderate(-1e7f, 1e7f);
  for (int i = 0; i < 30000; ++i) {
    const float x = i % 2 ? randomFloat(rng) : moderate(rng);
    SCOPED_TRACE(std::to_string(x));
    // Seven significant digits through a pattern are the general form's digits.
    EXPECT_EQ(leadingDouble(formatPattern(x, u"0.000000E+00")), leadingDouble(generalForm(x)));
    // The empty pattern, a lone empty section and the named general format are the general form.
    EXPECT_EQ(formatPattern(x, u""), generalForm(x));
    EXPECT_EQ(formatPattern(x, u";"), generalForm(x));
    EXPECT_EQ(formatPattern(x, u"General Number"), generalForm(x));
    if (std::fabs(x) < 1e9f) {
      // Grouping only inserts commas.
      EXPECT_EQ(formatPattern(x, u"#,##0.00").remove(u','), formatPattern(x, u"0.00"));
      // A negative value through section 1 is the magnitude with a minus, unless it shows 0.
      const QString magnitude = formatPattern(std::fabs(x), u"0.00");
      const QString shown = formatPattern(-std::fabs(x), u"0.00");
      EXPECT_EQ(shown, magnitude == u"0.00" ? magnitude : QChar(u'-') + magnitude);
      // Percent signs and scaling commas are exact decimal shifts: the same digits appear.
      EXPECT_EQ(signedDigits(formatPattern(x, u"0.00%")),
                signedDigits(formatPattern(x, u"0.0000")));
      EXPECT_EQ(signedDigits(formatPattern(x, u"0.000,")), signedDigits(formatPattern(x, u"0")));
    }
  }
}

// Random patterns from the special characters: never a crash, never runaway output.
TEST(FormatPattern, OddPatternsAreSafe) {
  const char16_t alphabet[] = u"0#.,%Ee+-\"\\; a";
  std::mt19937 rng(5);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(alphabet) - 2);
  std::uniform_int_distribution<int> length(1, 14);
  const float values[] = {0.0f,      -0.0f,  1.0f,          -1.0f,          0.5f, 1234.5678f,
                          -98765.4f, 1e-45f, 3.4028235E38f, -3.4028235E38f, 1e-7f};
  for (int i = 0; i < 20000; ++i) {
    QString pattern;
    const int n = length(rng);
    for (int c = 0; c < n; ++c)
      pattern += QChar(alphabet[pick(rng)]);
    for (float v : values) {
      SCOPED_TRACE(pattern.toStdString());
      QString result;
      EXPECT_NO_THROW(result = formatPattern(v, pattern));
      // At most the pattern's characters plus the 39 digits (and 12 commas) of a float.
      EXPECT_LE(result.size(), pattern.size() * 4 + 60);
    }
  }
}

}  // namespace
}  // namespace vantrel::numtext
