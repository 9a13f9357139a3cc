// Finding in the plain text, and the shape of the RTF the writer produces.

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vantrel::rtf {
namespace {

using namespace Qt::StringLiterals;

TEST(Find, IgnoresCaseFromAPosition) {
  const struct {
    const char16_t* text;
    const char16_t* needle;
    int from;
    int expected;
  } cases[] = {
      {u"\\SYSTEM/ a \\system/", u"\\System/", 1, 11},
      {u"ZONE", u"zone", 0, 0},
      {u"#a#", u"#", 3, -1},
      {u"#a#", u"#", -5, 0},
      {u"#a#", u"", 0, -1},
      {u"ΔΡΟΜΟΣ δρόμος", u"δρομος", 0, 0},
      {u"Straße STRASSE", u"strasse", 0, 7},
      {u"x\U0001D708y\U0001D708", u"\U0001D708", 2, 4},
      {u"\U00010400", u"\U00010428", 0, 0},  // Deseret letters: a case pair outside the BMP
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RichText::fromPlainText(c.text).find(c.needle, c.from), c.expected)
        << QString::fromUtf16(c.needle).toStdString() << " from " << c.from;
  }
}

// The writer's header and escapes, one character at a time.
TEST(Writer, EscapesEveryCharacterAsSevenBitRtf) {
  const std::pair<const char16_t*, const char*> cases[] = {
      {u"\\SYSTEM/", "\\\\SYSTEM/"},
      {u"#a{b}#", "#a\\{b\\}#"},
      {u"a\tb", "a\\tab b"},
      {u"100\u00A0mm", "100\\~mm"},
      {u"non\u2011breaking", "non\\_breaking"},
      {u"20°C", "20\\u176?C"},
      {u"\uF0B7", "\\u-3913?"},
      {u"\U0001D708", "\\u-10187?\\u-8440?"},
      {u" lead", "{\\f0  lead}"},
  };
  for (const auto& [text, written] : cases) {
    const RichText doc = RichText::fromPlainText(text);
    const QByteArray rtf = doc.rangeToRtf(0, doc.length());
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains(written)) << rtf.toStdString();
    EXPECT_EQ(RichText::fromRtf(rtf).plainText(), doc.plainText());
  }
}

TEST(Writer, FontsWithoutNamesAndNamesToEscape) {
  const RichText unnamed = load(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1 ;}} a{\f1 b}})");
  EXPECT_TRUE(unnamed.document().defaultFont().isNull());
  EXPECT_EQ(RichText::fromRtf(unnamed.toRtf()), unnamed);
  const RichText escaped = load(R"({\rtf1{\fonttbl{\f0 Ari\{al\} \u1044?;}}\deff0 x})");
  ASSERT_EQ(escaped.document().defaultFont(), u"Ari{al} Д"_s);
  const QByteArray rtf = escaped.toRtf();
  EXPECT_TRUE(rtf.contains("Ari\\{al\\} \\u1044?;")) << rtf.toStdString();
  EXPECT_EQ(RichText::fromRtf(rtf), escaped);
}

}  // namespace
}  // namespace vantrel::rtf
