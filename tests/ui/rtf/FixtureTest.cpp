// Every real word-processor file loads to exactly its expected plain text, writes back to the
// same document, and can be cut anywhere with the same result as writing and reloading the cut.

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <random>

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

TEST_P(Fixture, WholeDocumentSurvivesWritingAndReloading) {
  const RichText doc = loaded();
  const RichText again = RichText::fromRtf(doc.toRtf());
  EXPECT_EQ(again.plainText(), doc.plainText());
  EXPECT_EQ(firstDifference(again.document(), doc.document()), "");
  // Writing is stable: a second round gives the same bytes.
  EXPECT_EQ(again.toRtf(), doc.toRtf());
}

TEST_P(Fixture, WrittenRtfIsSevenBitWithBalancedBraces) {
  const QByteArray rtf = loaded().toRtf();
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"));
  EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 "));
  EXPECT_TRUE(rtf.contains("{\\colortbl;"));
  EXPECT_TRUE(rtf.endsWith('}'));
  int depth = 0;
  for (qsizetype i = 0; i < rtf.size(); ++i) {
    ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80) << "raw byte at " << i;
    if (rtf[i] == '\\') {
      ++i;  // an escaped brace is no brace
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}') {
      ASSERT_GT(depth, 0) << "unbalanced at " << i;
      --depth;
      if (depth == 0) {
        EXPECT_EQ(i, rtf.size() - 1) << "text after the last brace";
      }
    }
  }
  EXPECT_EQ(depth, 0);
}

// Small files: every start and every end. The largest file: a fixed random sample.
TEST_P(Fixture, SliceEqualsReloadedRangeRtf) {
  const RichText doc = loaded();
  const int n = doc.length();
  std::vector<std::pair<int, int>> ranges;
  if (n <= 350) {
    for (int a = 0; a <= n; ++a) {
      for (int b = a; b <= n; ++b)
        ranges.emplace_back(a, b - a);
    }
  } else {
    std::mt19937 random(20240102);
    std::uniform_int_distribution<int> pos(0, n);
    for (int k = 0; k < 3000; ++k) {
      const int a = pos(random);
      const int b = pos(random);
      ranges.emplace_back(std::min(a, b), std::abs(a - b));
    }
  }
  for (auto [start, length] : ranges) {
    const RichText cut = doc.slice(start, length);
    const RichText reloaded = RichText::fromRtf(doc.rangeToRtf(start, length));
    ASSERT_EQ(firstDifference(cut.document(), reloaded.document()), "")
        << "range " << start << " + " << length;
  }
}

TEST_P(Fixture, SliceTextIsTheRangeLessOneFinalBreak) {
  const RichText doc = loaded();
  const QString& text = doc.plainText();
  for (int a = 0; a <= doc.length(); a += 7) {
    for (int b = a; b <= doc.length(); b += 5) {
      // A bound between CR and LF moves past the LF, one inside a surrogate pair past the pair.
      auto onLineFeed = [&](int p) {
        return p > 0 && p < text.size() &&
               ((text[p] == u'\n' && text[p - 1] == u'\r') || text[p].isLowSurrogate());
      };
      const int first = onLineFeed(a) ? a + 1 : a;
      const int last = onLineFeed(b) ? b + 1 : b;
      QString expected = text.mid(first, last - first);
      if (expected.endsWith(QLatin1String("\r\n"))) expected.chop(2);
      ASSERT_EQ(doc.slice(a, b - a).plainText(), expected) << a << ".." << b;
    }
  }
}

TEST_P(Fixture, CuttingTwiceEqualsCuttingOnce) {
  const RichText doc = loaded();
  const int n = doc.length();
  std::mt19937 random(7);
  for (int k = 0; k < 200; ++k) {
    std::uniform_int_distribution<int> pos(0, n);
    int a = pos(random), b = pos(random);
    if (a > b) std::swap(a, b);
    const RichText outer = doc.slice(a, b - a);
    std::uniform_int_distribution<int> inner(0, outer.length());
    int c = inner(random), d = inner(random);
    if (c > d) std::swap(c, d);
    // Cutting inside the piece is cutting the same characters from the whole, when the piece
    // kept all of them (its final break may have been dropped).
    const RichText twice = outer.slice(c, d - c);
    const RichText once = doc.slice(doc.document().clampRange(a, b - a).first + c, d - c);
    ASSERT_EQ(firstDifference(twice.document(), once.document()), "")
        << a << ".." << b << " then " << c << ".." << d;
  }
}

std::string testName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(AllFiles, Fixture, testing::ValuesIn(fixtureNames()), testName);

}  // namespace
}  // namespace vantrel::rtf
