// The general number form of a Single and the leading-space form.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numtext/NumberText.h"

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

}  // namespace
}  // namespace vantrel::numtext
