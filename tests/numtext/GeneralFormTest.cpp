// The general number form of a Single and the leading-space form.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include <QRegularExpression>

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
      // Exact expansions 1.00001549720764..., 1.00000047683715...: a 9- or 8-digit text rounds
      // up to ...5 and a second rounding would then go up as well.
      {1.0000155f, "1.000015"},
      {1.0000005f, "1"},
      // Carries at the fixed/scientific boundary.
      {9.9999997E-5f, "0.0001"},
      {9.9999991E-5f, "9.999999E-05"},
      {-32768.0f, "-32768"},
      {100.0f, "100"},
      {1200000.0f, "1200000"},
      {0.000099f, "9.9E-05"},
      {1E+38f, "1E+38"},
      {1E-38f, "9.999999E-39"},  // 9.99999935...E-39
  };
  for (const FormRow& row : rows) {
    SCOPED_TRACE(row.expected);
    EXPECT_EQ(generalForm(row.value).toStdString(), row.expected);
  }
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
  for (const FormRow& row : rows) {
    SCOPED_TRACE(row.expected);
    EXPECT_EQ(leadingSpaceForm(row.value).toStdString(), row.expected);
  }
  EXPECT_EQ(QString("No answer found after ") + leadingSpaceForm(500.0f),
            QString("No answer found after  500"));
}

// Against the C library's exact printf: "%.6e" rounds the exact value to 7 digits with ties to
// even, so the two agree except on exact ties, which must go away from zero.
TEST(GeneralForm, AgreesWithExactPrintfOnRandomFloats) {
  const QRegularExpression fixedShape(
      QRegularExpression::anchoredPattern(R"(-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?)"));
  const QRegularExpression scientificShape(
      QRegularExpression::anchoredPattern(R"(-?[1-9](\.[0-9]*[1-9])?E[-+][0-9]{2})"));
  std::mt19937 rng(7);
  int ties = 0;
  for (int i = 0; i < 100000; ++i) {
    std::uint32_t bits = static_cast<std::uint32_t>(rng());
    // Every tenth value has few mantissa bits, which makes exact 7-digit ties likely.
    if (i % 10 == 0) bits &= 0xFFFF0000u;
    float x;
    std::memcpy(&x, &bits, sizeof x);
    if (!std::isfinite(x) || x == 0) continue;
    const std::string text = generalForm(x).toStdString();
    SCOPED_TRACE(text);
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.6e", static_cast<double>(x));
    char exact[200];
    std::snprintf(exact, sizeof exact, "%.111e", std::fabs(static_cast<double>(x)));
    const std::string tail = std::string(exact).substr(8, 104);
    const bool tie = tail.find_first_not_of('0', 1) == std::string::npos && tail[0] == '5';
    const double shown = leadingDouble(QString::fromStdString(text));
    if (tie) {
      ++ties;
      EXPECT_GT(std::fabs(shown), std::fabs(static_cast<double>(x)));
    } else {
      EXPECT_EQ(shown, leadingDouble(QString::fromLatin1(rounded)));
    }
    const int exponent = std::atoi(std::strchr(rounded, 'e') + 1);
    const bool fixed = exponent >= -4 && exponent <= 6;
    // A tie that carries may move the exponent up, so only other values check the choice.
    if (!tie) {
      EXPECT_EQ(fixed, text.find('E') == std::string::npos);
    }
    const QRegularExpression& shape =
        text.find('E') == std::string::npos ? fixedShape : scientificShape;
    EXPECT_TRUE(shape.match(QString::fromStdString(text)).hasMatch());
    EXPECT_EQ(text[0] == '-', x < 0);
  }
  EXPECT_GT(ties, 0);
}

// Six significant digits always survive a trip through a float. Seven need not (near some
// powers of two the float nearest 9.62971E-35 shows as 9.629711E-35), but the general form is
// then within one unit of its last digit, and six digits through a pattern show the decimal.
TEST(GeneralForm, SixDigitDecimalsComeBack) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> mantissa(100000, 999999);
  std::uniform_int_distribution<int> exponent(-37, 38);
  for (int i = 0; i < 50000; ++i) {
    const int m = mantissa(rng);
    const int e = exponent(rng);
    const std::string digits = std::to_string(m);
    char text[32];
    std::snprintf(text, sizeof text, "%c.%sE%c%02d", digits[0], digits.c_str() + 1,
                  e < 0 ? '-' : '+', std::abs(e));
    SCOPED_TRACE(text);
    const QString qtext = QString::fromLatin1(text);
    float x = 0;
    try {
      x = leadingSingle(qtext);
    } catch (const NumberError&) {
      continue;  // beyond the largest float
    }
    EXPECT_EQ(formatPattern(x, u"0.00000E+00"), qtext);
    const double unit = std::pow(10.0, e - 6);
    EXPECT_LE(std::fabs(leadingDouble(generalForm(x)) - leadingDouble(qtext)), unit * 1.000001);
  }
}

}  // namespace
}  // namespace vantrel::numtext
