// Every real word-processor file loads to exactly its expected plain text and can be cut anywhere
// with the same result as writing and reloading the cut. (That each also writes back to the same
// document is checked with the RTF fuzz target's checks, in tests/fuzz.)

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "TestSupport.h"

namespace vantrel::rtf {
namespace {

class Fixture : public testing::TestWithParam<std::string> {
 protected:
  RichText loaded() const { return RichText::fromRtf(fixtureRtf(GetParam())); }
};

TEST_P(Fixture, LoadsToItsExpectedPlainText) {
  const QString expected = fixtureText(GetParam());
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_EQ(loaded().plainText(), expected);
}

// A cut equals the reloaded range RTF (every range of the small files, a random sample of the
// largest); its text is the range less one final CR LF, with a bound between CR and LF or
// inside a surrogate pair moved past it; cutting a cut equals cutting the whole once.
TEST_P(Fixture, CutsEqualReloadedRanges) {
  const RichText doc = loaded();
  const QString& text = doc.plainText();
  const int n = doc.length();
  std::mt19937 random(20240102);
  std::uniform_int_distribution<int> pos(0, n);
  std::vector<std::pair<int, int>> ranges;  // [start, end)
  for (int a = 0; n <= 350 && a <= n; ++a) {
    for (int b = a; b <= n; ++b)
      ranges.emplace_back(a, b);
  }
  for (int k = 0; n > 350 && k < 3000; ++k) {
    const int a = pos(random), b = pos(random);
    ranges.emplace_back(std::min(a, b), std::max(a, b));
  }
  for (const auto& [a, b] : ranges) {
    ASSERT_EQ(doc.slice(a, b - a), RichText::fromRtf(doc.rangeToRtf(a, b - a)))
        << "range " << a << ".." << b;
  }
  const auto moved = [&](int p) {
    const bool inside =
        p > 0 && p < n && ((text[p] == u'\n' && text[p - 1] == u'\r') || text[p].isLowSurrogate());
    return inside ? p + 1 : p;
  };
  for (int k = 0; k < 300; ++k) {
    int a = pos(random), b = pos(random);
    if (a > b) std::swap(a, b);
    QString expected = text.mid(moved(a), moved(b) - moved(a));
    if (expected.endsWith(u"\r\n")) expected.chop(2);
    const RichText outer = doc.slice(a, b - a);
    ASSERT_EQ(outer.plainText(), expected) << a << ".." << b;
    std::uniform_int_distribution<int> inner(0, outer.length());
    int c = inner(random), d = inner(random);
    if (c > d) std::swap(c, d);
    ASSERT_EQ(outer.slice(c, d - c), doc.slice(moved(a) + c, d - c))
        << a << ".." << b << " then " << c << ".." << d;
  }
}

INSTANTIATE_TEST_SUITE_P(AllFiles, Fixture, testing::ValuesIn(fixtureNames()),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
}  // namespace vantrel::rtf
