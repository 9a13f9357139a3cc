// Every real word-processor file loads to exactly its expected plain text, writes back to the
// same document, and can be cut anywhere with the same result as writing and reloading the cut.

#include <gtest/gtest.h>

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

// The whole document survives writing and reloading; writing again gives the same bytes, all
// seven-bit, with one balanced outer group.
TEST_P(Fixture, WritingIsLosslessStableAndSevenBit) {
  const RichText doc = loaded();
  const QByteArray rtf = doc.toRtf();
  const RichText again = RichText::fromRtf(rtf);
  EXPECT_EQ(firstDifference(again.document(), doc.document()), "");
  EXPECT_EQ(again.toRtf(), rtf);
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"));
  int depth = 0;
  for (qsizetype i = 0; i < rtf.size(); ++i) {
    ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80) << "raw byte at " << i;
    if (rtf[i] == '\\') ++i;  // an escaped brace is no brace
    depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
    ASSERT_TRUE(depth > 0 || i == rtf.size() - 1) << "unbalanced at " << i;
  }
  EXPECT_EQ(depth, 0);
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
    ASSERT_EQ(firstDifference(doc.slice(a, b - a).document(),
                              RichText::fromRtf(doc.rangeToRtf(a, b - a)).document()),
              "")
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
    ASSERT_EQ(firstDifference(outer.slice(c, d - c).document(),
                              doc.slice(moved(a) + c, d - c).document()),
              "")
        << a << ".." << b << " then " << c << ".." << d;
  }
}

INSTANTIATE_TEST_SUITE_P(AllFiles, Fixture, testing::ValuesIn(fixtureNames()),
                         [](const auto& info) { return testName(info.param); });

}  // namespace
}  // namespace vantrel::rtf
