// Finding in the plain text, and the shape of the RTF the writer produces.

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace vantrel::rtf {
namespace {

using namespace Qt::StringLiterals;

struct FindCase {
  const char16_t* text;
  const char16_t* needle;
  int from;
  int expected;
};

class Find : public testing::TestWithParam<FindCase> {};

TEST_P(Find, IgnoresCaseFromAPosition) {
  const FindCase& c = GetParam();
  const RichText doc = RichText::fromPlainText(QString::fromUtf16(c.text));
  EXPECT_EQ(doc.find(QString::fromUtf16(c.needle), c.from), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Find,
                         testing::Values(FindCase{u"\\SYSTEM/ a \\system/", u"\\SYSTEM/", 0, 0},
                                         FindCase{u"\\SYSTEM/ a \\system/", u"\\System/", 1, 11},
                                         FindCase{u"\\SYSTEM/ a \\system/", u"\\SYSTEM/", 12, -1},
                                         FindCase{u"#a#", u"#", 0, 0}, FindCase{u"#a#", u"#", 1, 2},
                                         FindCase{u"#a#", u"#", 3, -1},
                                         FindCase{u"#a#", u"#", 99, -1},
                                         FindCase{u"#a#", u"#", -5, 0},
                                         FindCase{u"#a#", u"", 0, -1},
                                         FindCase{u"abc", u"abcd", 0, -1},
                                         FindCase{u"line one\r\nLINE two", u"line TWO", 0, 10},
                                         FindCase{u"ΔΡΟΜΟΣ δρόμος", u"δρομος", 0, 0},
                                         FindCase{u"Straße STRASSE", u"strasse", 0, 7},
                                         FindCase{u"x\U0001D708y\U0001D708", u"\U0001D708", 2, 4},
                                         FindCase{u"@unit@mm@UNIT@", u"@unit@", 1, 8}));

TEST(FindInFixture, MarkersAreWhereThePlainTextHasThem) {
  for (const char* file : {"lo-05-markers", "pandoc-05-markers"}) {
    const RichText doc = RichText::fromRtf(fixtureRtf(file));
    const QString& text = doc.plainText();
    for (const QString& marker : {u"\\SYSTEM/"_s, u"\\Tips/"_s, u"#"_s, u"@unit@"_s, u","_s}) {
      int expected = text.indexOf(marker, 0, Qt::CaseInsensitive);
      int found = doc.find(marker, 0);
      int count = 0;
      while (expected >= 0) {
        ASSERT_EQ(found, expected) << file << ' ' << marker.toStdString();
        ++count;
        expected = text.indexOf(marker, expected + 1, Qt::CaseInsensitive);
        found = doc.find(marker, found + 1);
      }
      EXPECT_EQ(found, -1);
      EXPECT_GT(count, 0) << marker.toStdString();
    }
  }
}

TEST(FindInFixture, CutPiecesFindTheirOwnMarkers) {
  const RichText doc = RichText::fromRtf(fixtureRtf("lo-05-markers"));
  const int open = doc.find(u"\\Tips/", 0);
  const int close = doc.find(u"\\tips/", open + 1);
  ASSERT_GT(close, open);
  const RichText tips = doc.slice(open + 6, close - open - 6);
  const int a = tips.find(u"#", 0);
  const int b = tips.find(u"#", a + 1);
  ASSERT_GE(a, 0);
  ASSERT_GT(b, a);
  RichText tip = tips.slice(a + 1, b - a - 1);
  ASSERT_TRUE(tip.plainText().startsWith(u"\r\n"));
  tip = tip.slice(2, tip.length());
  EXPECT_EQ(tip.plainText(), u"The inner diameter of the pipe."_s);
}

// The writer's escapes, one character at a time.
struct EscapeCase {
  const char16_t* text;
  const char* written;
};

class Escape : public testing::TestWithParam<EscapeCase> {};

TEST_P(Escape, WritesTheCharacterAsSevenBitRtf) {
  const EscapeCase& c = GetParam();
  const RichText doc = RichText::fromPlainText(QString::fromUtf16(c.text));
  const QByteArray rtf = doc.rangeToRtf(0, doc.length());
  EXPECT_TRUE(rtf.contains(c.written)) << rtf.toStdString();
  EXPECT_EQ(RichText::fromRtf(rtf).plainText(), doc.plainText());
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Escape,
    testing::Values(EscapeCase{u"\\SYSTEM/", "\\\\SYSTEM/"}, EscapeCase{u"#a{b}#", "#a\\{b\\}#"},
                    EscapeCase{u"a\tb", "a\\tab b"}, EscapeCase{u"100\u00A0mm", "100\\~mm"},
                    EscapeCase{u"non\u2011breaking", "non\\_breaking"},
                    EscapeCase{u"20°C", "20\\u176?C"}, EscapeCase{u"\uF0B7", "\\u-3913?"},
                    EscapeCase{u"\U0001D708", "\\u-10187?\\u-8440?"},
                    EscapeCase{u"a\x7f"
                               "b",
                               "a\\u127?b"},
                    EscapeCase{u" lead", "{\\f0  lead}"}));

TEST(Writer, RangeExampleOfTheDataFile) {
  const RichText doc = RichText::fromRtf(fixtureRtf("pandoc-05-markers"));
  const int at = doc.find(u"#&Pipe", 0);
  const int length = static_cast<int>(QStringLiteral("#&Pipe Dia. =, 100").size());
  const QByteArray rtf = doc.rangeToRtf(at, length);
  EXPECT_TRUE(
      rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
                     "{\\fonttbl{\\f0\\fnil\\fcharset0 Helvetica;}}\n{\\colortbl;}\n"))
      << rtf.toStdString();
  EXPECT_TRUE(rtf.contains("{\\f0\\b &Pipe Dia. =}")) << rtf.toStdString();
  EXPECT_FALSE(rtf.contains("\\par}")) << "a range has no final paragraph mark";
  const RichText piece = RichText::fromRtf(rtf);
  EXPECT_EQ(piece.plainText(), u"#&Pipe Dia. =, 100"_s);
  EXPECT_TRUE(piece.document().runs()[1].format.bold);
}

TEST(Writer, WholeDocumentKeepsATrailingEmptyParagraph) {
  for (const char16_t* text : {u"", u"\r\n", u"a\r\n", u"a\r\n\r\n", u"\r\nline one\r\n"}) {
    const RichText doc = RichText::fromPlainText(QString::fromUtf16(text));
    const RichText again = RichText::fromRtf(doc.toRtf());
    EXPECT_EQ(again, doc) << QString::fromUtf16(text).toStdString();
  }
}

TEST(Writer, RangeEndingInABreakLosesItOnReload) {
  const RichText doc = RichText::fromPlainText(u"\r\nline one\r\nline two\r\nrest");
  const int end = doc.find(u"rest", 0);
  EXPECT_EQ(RichText::fromRtf(doc.rangeToRtf(0, end)).plainText(), u"\r\nline one\r\nline two"_s);
  EXPECT_EQ(doc.slice(0, end).plainText(), u"\r\nline one\r\nline two"_s);
}

TEST(Writer, LineBreaksStayLineBreaks) {
  const RichText doc = load(R"({\rtf1 {\b a\line b}\par c})");
  const QByteArray rtf = doc.toRtf();
  EXPECT_TRUE(rtf.contains("a\\line b")) << rtf.toStdString();
  EXPECT_EQ(RichText::fromRtf(rtf), doc);
}

TEST(Writer, UnnamedFontsAndSizesStayNotGiven) {
  const RichText doc = load(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1 ;}} a{\f1 b}})");
  EXPECT_TRUE(doc.document().defaultFont().isNull());
  const RichText again = RichText::fromRtf(doc.toRtf());
  EXPECT_EQ(again, doc);
  for (const TextRun& run : again.document().runs()) {
    EXPECT_TRUE(run.format.font.isNull());
    EXPECT_FALSE(run.format.sizeGiven());
  }
}

TEST(Writer, FontNamesAreEscaped) {
  const RichText doc = load(R"({\rtf1{\fonttbl{\f0 Ari\{al\} \u1044?;}}\deff0 x})");
  ASSERT_EQ(doc.document().defaultFont(), u"Ari{al} Д"_s);
  const QByteArray rtf = doc.toRtf();
  EXPECT_TRUE(rtf.contains("Ari\\{al\\} \\u1044?;")) << rtf.toStdString();
  EXPECT_EQ(RichText::fromRtf(rtf), doc);
}

TEST(Writer, RangeBoundsAreClamped) {
  const RichText doc = RichText::fromPlainText(u"abc");
  EXPECT_EQ(RichText::fromRtf(doc.rangeToRtf(-5, 7)).plainText(), u"ab"_s);
  EXPECT_EQ(RichText::fromRtf(doc.rangeToRtf(2, 100)).plainText(), u"c"_s);
  EXPECT_EQ(RichText::fromRtf(doc.rangeToRtf(9, 1)).plainText(), u""_s);
  EXPECT_EQ(RichText::fromRtf(doc.rangeToRtf(1, -3)).plainText(), u""_s);
  EXPECT_EQ(doc.slice(-5, 7).plainText(), u"ab"_s);
}

TEST(Sharing, CopiesAndWholeSlicesShareNothingButAreEqual) {
  const RichText doc = RichText::fromRtf(fixtureRtf("lo-02-formatting"));
  const RichText copy = doc;
  EXPECT_EQ(&copy.document(), &doc.document());
  EXPECT_EQ(doc.slice(0, doc.length()), doc);
  EXPECT_EQ(RichText(), RichText::fromPlainText(u""));
  EXPECT_EQ(RichText(nullptr).length(), 0);
}

}  // namespace
}  // namespace vantrel::rtf
