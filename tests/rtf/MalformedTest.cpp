// Garbage never crashes, hangs or breaks the model: damaged copies of the test files and
// hostile constructions all load to documents that keep every invariant and can still be cut
// and written.

#include <gtest/gtest.h>

#include <random>

#include "TestSupport.h"

namespace vantrel::rtf {
namespace {

// The model's invariants, checked from the outside.
void expectSound(const Document& d) {
  const QString& t = d.text();
  const int n = d.length();
  size_t breaks = 0, paragraphs = 0;
  for (int i = 0; i < n; ++i) {
    if (t[i] == u'\r') {
      ASSERT_TRUE(breaks < d.breaks().size() && d.breaks()[breaks].position == i);
      ASSERT_TRUE(i + 1 < n && t[i + 1] == u'\n');
      if (d.breaks()[breaks++].kind == BreakKind::Paragraph) {
        ASSERT_TRUE(paragraphs < d.paragraphs().size() && d.paragraphs()[paragraphs++].end == i);
      }
      ++i;
    } else if (t[i].isHighSurrogate()) {
      ASSERT_TRUE(i + 1 < n && t[i + 1].isLowSurrogate());
      ++i;
    } else {
      ASSERT_TRUE((t[i].unicode() >= 0x20 || t[i] == u'\t') && !t[i].isLowSurrogate()) << i;
    }
  }
  ASSERT_EQ(breaks, d.breaks().size());
  ASSERT_EQ(d.paragraphs().size(), paragraphs + 1);
  ASSERT_EQ(d.paragraphs().back().end, n);
  ASSERT_EQ(d.runs().empty(), n == 0);
  for (size_t r = 0; r < d.runs().size(); ++r) {
    ASSERT_EQ(d.runs()[r].start == 0, r == 0);
    ASSERT_LT(d.runs()[r].start, n);
    if (r > 0) {
      ASSERT_LT(d.runs()[r - 1].start, d.runs()[r].start);
      ASSERT_NE(d.runs()[r - 1].format, d.runs()[r].format);
    }
  }
}

// Loads damaged data: either a sound document that writes and cuts consistently, or RtfError
// when the start itself was hit.
void loadDamaged(const QByteArray& data, std::mt19937& random) {
  RichText doc;
  try {
    doc = RichText::fromRtf(data);
  } catch (const RtfError&) {
    ASSERT_FALSE(data.trimmed().startsWith("{\\rtf"));
    return;
  }
  ASSERT_NO_FATAL_FAILURE(expectSound(doc.document()));
  ASSERT_EQ(firstDifference(RichText::fromRtf(doc.toRtf()).document(), doc.document()), "");
  std::uniform_int_distribution<int> pos(-2, doc.length() + 2);
  for (int k = 0; k < 4; ++k) {
    const int a = pos(random), length = pos(random);
    ASSERT_EQ(firstDifference(doc.slice(a, length).document(),
                              RichText::fromRtf(doc.rangeToRtf(a, length)).document()),
              "")
        << a << " + " << length;
  }
}

QByteArray mutate(QByteArray data, std::mt19937& random) {
  static const char kSignificant[] = "{}\\'*; \r\n\t0123456789-abuxcfdinpr\x80\xb0\xff";
  for (int e = 1 + random() % 8; e > 0 && !data.isEmpty(); --e) {
    const qsizetype p = random() % data.size();
    const char c = kSignificant[random() % (sizeof(kSignificant) - 1)];
    switch (random() % 5) {
      case 0:
        data[p] = c;
        break;
      case 1:
        data.insert(p, c);
        break;
      case 2:
        data.remove(p, 1 + random() % 40);
        break;
      case 3:
        data.truncate(p);
        break;
      default:
        data.insert(p, data.mid(random() % data.size(), 1 + random() % 60));
    }
  }
  return data;
}

class Damaged : public testing::TestWithParam<std::string> {};

TEST_P(Damaged, MutatedCopiesLoadSoundly) {
  const QByteArray original = fixtureRtf(GetParam());
  std::mt19937 random(4242);
  for (int k = 0; k < 100; ++k)
    ASSERT_NO_FATAL_FAILURE(loadDamaged(mutate(original, random), random)) << "mutation " << k;
}

INSTANTIATE_TEST_SUITE_P(AllFiles, Damaged, testing::ValuesIn(fixtureNames()),
                         [](const auto& info) { return testName(info.param); });

TEST(Hostile, ConstructionsAndRandomBytesLoadSoundly) {
  std::vector<QByteArray> inputs = {
      "{\\rtf1 a" + QByteArray(200000, '{') + "b" + QByteArray(1000, '}'),
      "{\\rtf1 " + QByteArray(100000, '}'),
      "{\\rtf1 \\uc2000000000 \\u945 " + QByteArray(100000, 'x') + "}y",
      "{\\rtf1 \\bin2147483647 abc",
      "{\\rtf1 {\\*" + QByteArray(50000, '{') + "}",
      "{\\rtf1 {\\fonttbl{\\f-5 ;}{\\f2147483647\\fcharset-1\\cpg-9 x;}}\\f-5 a\\f2147483647 b}",
      "{\\rtf1 {\\colortbl\\red-9\\green999\\blue;;;}\\cf-3 a\\cf2147483647 b\\highlight-1 c}",
      "{\\rtf1 \\u-2147483648 \\u2147483647 \\u-32768?\\u65535?}",
  };
  std::mt19937 random(99);
  for (int k = 0; k < 100; ++k) {
    inputs.push_back("{\\rtf1 ");
    for (int i = random() % 2000; i > 0; --i)
      inputs.back().append(static_cast<char>(random() & 0xFF));
  }
  for (const QByteArray& input : inputs)
    ASSERT_NO_FATAL_FAILURE(loadDamaged(input, random)) << input.left(60).toStdString();
}

}  // namespace
}  // namespace vantrel::rtf
