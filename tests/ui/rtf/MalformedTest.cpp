// Garbage never crashes, hangs or breaks the model: damaged copies of the test files and
// hostile constructions all load to documents that keep every invariant and can still be cut
// and written.

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace vantrel::rtf {
namespace {

// The model's invariants, checked from the outside.
void expectSound(const Document& d) {
  const QString& t = d.text();
  const int n = d.length();
  size_t nextBreak = 0;
  int paragraphBreaks = 0;
  for (int i = 0; i < n; ++i) {
    const QChar c = t[i];
    if (c == u'\r') {
      ASSERT_LT(nextBreak, d.breaks().size());
      ASSERT_EQ(d.breaks()[nextBreak].position, i);
      ASSERT_TRUE(i + 1 < n && t[i + 1] == u'\n');
      if (d.breaks()[nextBreak].kind == BreakKind::Paragraph) {
        ASSERT_EQ(d.paragraphs()[paragraphBreaks].end, i);
        ++paragraphBreaks;
      }
      ++nextBreak;
      ++i;
      continue;
    }
    ASSERT_TRUE(c.unicode() >= 0x20 || c == u'\t') << "control character at " << i;
    if (c.isHighSurrogate()) {
      ASSERT_TRUE(i + 1 < n && t[i + 1].isLowSurrogate());
      ++i;
    } else {
      ASSERT_FALSE(c.isLowSurrogate());
    }
  }
  ASSERT_EQ(nextBreak, d.breaks().size());
  ASSERT_EQ(d.paragraphs().size(), size_t(paragraphBreaks) + 1);
  ASSERT_EQ(d.paragraphs().back().end, n);
  ASSERT_EQ(d.runs().empty(), n == 0);
  for (size_t r = 0; r < d.runs().size(); ++r) {
    ASSERT_EQ(d.runs()[r].start == 0, r == 0);
    if (r > 0) {
      ASSERT_LT(d.runs()[r - 1].start, d.runs()[r].start);
      ASSERT_NE(d.runs()[r - 1].format, d.runs()[r].format);
    }
    ASSERT_LT(d.runs()[r].start, n);
  }
}

// Loads damaged data: either a sound document, or RtfError when the start itself was hit.
void loadDamaged(const QByteArray& data, std::mt19937& random) {
  RichText doc;
  try {
    doc = RichText::fromRtf(data);
  } catch (const RtfError&) {
    ASSERT_FALSE(data.trimmed().startsWith("{\\rtf"));
    return;
  }
  ASSERT_NO_FATAL_FAILURE(expectSound(doc.document()));
  const RichText again = RichText::fromRtf(doc.toRtf());
  ASSERT_EQ(firstDifference(again.document(), doc.document()), "");
  std::uniform_int_distribution<int> pos(-2, doc.length() + 2);
  for (int k = 0; k < 4; ++k) {
    const int a = pos(random);
    const int len = pos(random);
    ASSERT_EQ(firstDifference(doc.slice(a, len).document(),
                              RichText::fromRtf(doc.rangeToRtf(a, len)).document()),
              "")
        << a << " + " << len;
  }
}

QByteArray mutate(QByteArray data, std::mt19937& random) {
  static const char kSignificant[] = "{}\\'*; \r\n\t0123456789-abuxcfdinpr\x80\xb0\xff";
  std::uniform_int_distribution<int> op(0, 4);
  const int edits = 1 + static_cast<int>(random() % 8);
  for (int e = 0; e < edits && !data.isEmpty(); ++e) {
    std::uniform_int_distribution<qsizetype> at(0, data.size() - 1);
    const qsizetype p = at(random);
    const char c = kSignificant[random() % (sizeof(kSignificant) - 1)];
    switch (op(random)) {
      case 0:
        data[p] = c;
        break;
      case 1:
        data.insert(p, c);
        break;
      case 2:
        data.remove(p, 1 + static_cast<qsizetype>(random() % 40));
        break;
      case 3:
        data.truncate(p);
        break;
      default:
        data.insert(p, data.mid(at(random), 1 + static_cast<qsizetype>(random() % 60)));
        break;
    }
  }
  return data;
}

class Damaged : public testing::TestWithParam<std::string> {};

TEST_P(Damaged, MutatedCopiesLoadSoundly) {
  const QByteArray original = fixtureRtf(GetParam());
  std::mt19937 random(4242);
  for (int k = 0; k < 300; ++k) {
    ASSERT_NO_FATAL_FAILURE(loadDamaged(mutate(original, random), random)) << "mutation " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(AllFiles, Damaged, testing::ValuesIn(fixtureNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(Hostile, ConstructionsLoadSoundly) {
  const QByteArray deep = "{\\rtf1 a" + QByteArray(200000, '{') + "b" + QByteArray(1000, '}');
  const QByteArray inputs[] = {
      deep,
      "{\\rtf1 " + QByteArray(100000, '}'),
      "{\\rtf1 \\uc2000000000 \\u945 " + QByteArray(100000, 'x') + "}y",
      "{\\rtf1 \\bin2147483647 abc",
      "{\\rtf1 \\bin-5 abc}",
      "{\\rtf1 " + QByteArray(50000, '\\') + "}",
      "{\\rtf1 {\\*" + QByteArray(50000, '{') + "}",
      "{\\rtf1 {\\upr{\\*\\ud{\\upr{\\*\\ud x}}}{y}}}",
      "{\\rtf1 \\cell\\cell\\row\\row\\par\\cell}",
      "{\\rtf1 {\\fonttbl{\\f-5 ;}{\\f2147483647\\fcharset-1\\cpg-9 x;}}\\f-5 a\\f2147483647 b}",
      "{\\rtf1 {\\colortbl\\red-9\\green999\\blue;;;}\\cf-3 a\\cf2147483647 b\\highlight-1 c}",
      "{\\rtf1\\ansicpg-1 \\'ff\\ansicpg0 \\'80\\ansicpg2147483647 \\'81}",
      "{\\rtf1{\\fonttbl{\\f0\\fcharset128 X;}}\\f0 \\'82",
      "{\\rtf1 \\u-2147483648 \\u2147483647 \\u-32768?\\u65535?}",
      "{\\rtf1 \\fs-2147483648 \\up-2147483648 \\dn2147483647 x}",
  };
  std::mt19937 random(1);
  for (const QByteArray& input : inputs) {
    ASSERT_NO_FATAL_FAILURE(loadDamaged(input, random)) << input.left(60).toStdString();
  }
}

TEST(Hostile, RandomBytesAfterTheHeader) {
  std::mt19937 random(99);
  for (int k = 0; k < 200; ++k) {
    QByteArray data = "{\\rtf1 ";
    const int size = static_cast<int>(random() % 2000);
    for (int i = 0; i < size; ++i)
      data.append(static_cast<char>(random() & 0xFF));
    ASSERT_NO_FATAL_FAILURE(loadDamaged(data, random)) << "sample " << k;
  }
}

}  // namespace
}  // namespace vantrel::rtf
