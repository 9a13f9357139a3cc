// Rounding to an Integer and Int.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numtext/NumberText.h"

namespace vantrel::numtext {
namespace {

constexpr int kOverflow = 1 << 20;

TEST(RoundToInteger, NearestWithHalvesToEven) {
  struct Row {
    float value;
    int expected;  // or kOverflow
  };
  const Row rows[] = {
      {2.5f, 2},
      {3.5f, 4},
      {-2.5f, -2},
      {-3.5f, -4},
      {0.5f, 0},
      {1.5f, 2},
      {-0.5f, 0},
      {2.4999f, 2},
      {2.5001f, 3},
      {32767.49f, 32767},
      {32767.5f, kOverflow},
      {-32768.5f, -32768},
      {-32768.51f, kOverflow},
      {65535.0f, kOverflow},
      {-0.0f, 0},
      {-1.5f, -2},
      {32766.5f, 32766},
      {-32767.5f, -32768},
      {1e30f, kOverflow},
      {-1e30f, kOverflow},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    if (row.expected == kOverflow) {
      EXPECT_THROW(roundToInteger(row.value), NumberError);
    } else {
      EXPECT_EQ(roundToInteger(row.value), row.expected);
    }
  }
  for (double bad :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
    try {
      roundToInteger(bad);
      ADD_FAILURE() << bad << " accepted";
    } catch (const NumberError& e) {
      EXPECT_EQ(e.kind(), NumberError::Kind::Overflow);
    }
  }
  // The largest double below one half must not be pushed up by the rounding arithmetic.
  EXPECT_EQ(roundToInteger(std::nextafter(0.5, 0.0)), 0);
  EXPECT_EQ(roundToInteger(std::nextafter(2.5, 3.0)), 3);
}

TEST(IntPart, RoundsTowardMinusInfinity) {
  struct Row {
    float value;
    float expected;
  };
  const Row rows[] = {
      {2.7f, 2.0f},     {-2.7f, -3.0f},   {-2.0f, -2.0f}, {-0.5f, -1.0f}, {0.999f, 0.0f},
      {-1E-30f, -1.0f}, {1E+20f, 1E+20f}, {0.0f, 0.0f},   {-0.0f, 0.0f},  {1e-45f, 0.0f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    const double result = intPart(row.value);
    EXPECT_EQ(result, row.expected);
    if (result == 0) {
      EXPECT_FALSE(std::signbit(result));
    }
  }
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(intPart(inf), inf);
  EXPECT_EQ(intPart(-inf), -inf);
  EXPECT_TRUE(std::isnan(intPart(std::numeric_limits<double>::quiet_NaN())));
}

}  // namespace
}  // namespace vantrel::numtext
