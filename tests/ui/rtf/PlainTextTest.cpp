// The plain text the reader gives for the tricky constructs of real RTF: one table row per
// construct, each a small document and the exact text it must read as.

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace vantrel::rtf {
namespace {

using namespace Qt::StringLiterals;

struct Case {
  const char* name;
  QByteArray rtf;
  QString text;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

// A byte string that may hold NUL.
template <size_t N>
QByteArray bytes(const char (&s)[N]) {
  return QByteArray(s, N - 1);
}

const Case kCases[] = {
    // Syntax: delimiters, parameters, line ends.
    {"SecondSpaceIsText", R"({\rtf1 \b  bold})", u" bold"_s},
    {"LetterEndsParameter", R"({\rtf1{\fonttbl{\f0 Arial;}}\f0Text})", u"Text"_s},
    {"PunctuationEndsWord", R"({\rtf1 \b0,})", u","_s},
    {"LineEndAfterWordIsNoSpace", "{\\rtf1 A\\par\nNext}", u"A\r\nNext"_s},
    {"LineEndInsideTextIsDropped", "{\\rtf1 bro\r\nken}", u"broken"_s},
    {"LineEndSplitsAWordName", "{\\rtf1 A\\pa\nr}", u"Ar"_s},
    {"MinusWithoutDigitIsText", R"({\rtf1 \li-x})", u"-x"_s},
    {"UpperCaseWordIsUnknown", R"({\rtf1 A\PAR B})", u"AB"_s},
    {"OverlongWordIsIgnored", R"({\rtf1 A\abcdefghijklmnopqrstuvwxyzabcdefghijkl B})", u"AB"_s},
    {"AbsurdParameterIsClamped", R"({\rtf1 A\insrsid99999999999999999999 B})", u"AB"_s},
    {"ControlSymbolEatsNoSpace", R"({\rtf1 \~ x\'b0C})", u"\u00A0 x°C"_s},
    {"BadHexEscapeIsIgnored", R"({\rtf1 \'zz\'4})", u"zz4"_s},
    {"RawTabAndEscapedTab", "{\\rtf1 a\tb\\\tc}", u"a\tb\tc"_s},
    {"ControlBytesAreNoText",
     bytes("{\\rtf1 A\0B\x01"
           "C}"),
     u"ABC"_s},
    {"BackslashLineEndIsParagraph", "{\\rtf1 A\\\r\nB\\\nC}", u"A\r\nB\r\nC"_s},
    {"IndexSymbolsGiveNothing", R"({\rtf1 a\:b\|c\-d})", u"abcd"_s},
    // Specials.
    {"SpecialCharacterWords",
     R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\emspace\enspace\qmspace})",
     u"—–•‘’“”\u2003\u2002\u2005"_s},
    {"ZeroWidthAndMarks", R"({\rtf1 \zwj\zwnj\zwbo\zwnbo\ltrmark\rtlmark})",
     u"\u200D\u200C\u200B\u2060\u200E\u200F"_s},
    {"GeneratedMarksGiveNothing", R"({\rtf1 a\chftn\chpgn\chdate\sectnum\softline b})", u"ab"_s},
    // Unicode and fallbacks.
    {"FallbackAsPlainCharacter", R"({\rtf1 \u8211-x})", u"–x"_s},
    {"FallbackAfterDelimiterSpace", R"({\rtf1 \u8804 ?x})", u"≤x"_s},
    {"ControlWordAsFallback", R"({\rtf1 \u8212\emdash x})", u"—x"_s},
    {"NoFallbackWithUc0", R"({\rtf1 \uc0\u8364 x})", u"€x"_s},
    {"BraceEndsFallbackEarly", R"({\rtf1 {\uc2\u945 a}b})", u"αb"_s},
    {"UcIsRestoredByGroupEnd", R"({\rtf1 {\uc0 x}\u945?y})", u"xαy"_s},
    {"NegativeCodeAbove32767", R"({\rtf1 \u-3913?})", u"\uF0B7"_s},
    {"CodeAbove65535IsACodePoint", R"({\rtf1 \u120584?})", u"\U0001D708"_s},
    {"LoneHighSurrogate", R"({\rtf1 \u55349?x})", u"\uFFFDx"_s},
    {"LoneLowSurrogate", R"({\rtf1 \u57096?x})", u"\uFFFDx"_s},
    {"ControlCodeFromUnicodeIsDropped", R"({\rtf1 a\u13?\u0?b\u9?c})", u"ab\tc"_s},
    {"HugeUnicodeIsReplaced", R"({\rtf1 \u99999999999?x})", u"\uFFFDx"_s},
    // Code pages.
    {"DocumentCodePage1253", R"({\rtf1\ansi\ansicpg1253 \'e1\'f3\'f2})", u"ασς"_s},
    {"DocumentCodePage1251", R"({\rtf1\ansi\ansicpg1251 \'c4\'e0})", u"Да"_s},
    {"MacRoman", R"({\rtf1\mac \'a5\'8e})", u"•é"_s},
    {"PcCodePage437", R"({\rtf1\pc \'82\'b0})", u"é░"_s},
    {"UnknownCodePageIs1252", R"({\rtf1\ansi\ansicpg99999 \'e9\'80})", u"é€"_s},
    {"RawByteIsDecoded",
     "{\\rtf1 20\xb0"
     "C}",
     u"20°C"_s},
    {"Unassigned1252KeepsC1", R"({\rtf1 \'81\'8d\'8f\'90\'9d})",
     u"\u0081\u008D\u008F\u0090\u009D"_s},
    {"Charset0Is1252WhateverAnsicpg",
     R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset0 Arial;}}\f0 \'e1})", u"á"_s},
    {"DoubleByteLeadBeforeWordIsDropped",
     R"({\rtf1{\fonttbl{\f0\fcharset128 MS Gothic;}}\f0 \'82\par x})", u"\r\nx"_s},
    {"DoubleByteTrailAsLetter", R"({\rtf1{\fonttbl{\f0\fcharset128 MS Gothic;}}\f0 \'83A})",
     u"ア"_s},
    {"OtherSymbolFontToPrivateUse", R"({\rtf1{\fonttbl{\f1\fcharset2 Wingdings;}}{\f1 J\'fc}})",
     u"\uF04A\uF0FC"_s},
    {"SymbolFontDigitsStay", R"({\rtf1{\fonttbl{\f2\fcharset2 Symbol;}}{\f2 1a\'b4}})", u"1α×"_s},
    {"SymbolFontUnicodePrivateUse", R"({\rtf1{\fonttbl{\f2\fcharset2 Symbol;}}{\f2 \u-3999?}})",
     u"α"_s},
    // Destinations.
    {"StarDestinationSkippedWithNesting", R"({\rtf1 a{\*\unknown {\b x{y}} z}b})", u"ab"_s},
    {"NamedDestinationsWithoutStar",
     R"({\rtf1 {\info{\title T}}{\header H}{\footer F}{\pict 0a0b}{\stylesheet{S;}}a})", u"a"_s},
    {"ListLabelsAreNoText", R"({\rtf1 {\listtext\pard\plain  1.\tab}{\pntext\'b7\tab}Item})",
     u"Item"_s},
    {"FieldResultOnly", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", u"link"_s},
    {"FieldInstructionWithoutStar", R"({\rtf1 {\field{\fldinst PAGE}{\fldrslt 3}}})", u"3"_s},
    {"NestedFields",
     R"({\rtf1 {\field{\*\fldinst A}{\fldrslt {\field{\*\fldinst B}{\fldrslt in}} out}}})",
     u"in out"_s},
    {"FieldWithoutResult", R"({\rtf1 a{\field{\*\fldinst PAGE}}b})", u"ab"_s},
    {"UnicodeAlternativesReadOnce", R"({\rtf1 {\upr{A}{\*\ud{B}}}{\upr{}{\ud C}}})", u"BC"_s},
    {"BinaryDataInBody", R"({\rtf1 a{\bin3 }\{}b})", u"ab"_s},
    {"BinaryWithoutCount", R"({\rtf1 \bin x})", u"x"_s},
    {"BinaryLongerThanData", R"({\rtf1 a\bin999 xyz)", u"a"_s},
    {"BinaryInsideSkippedGroup", R"({\rtf1 a{\*\blip\bin4 }}{{}b})", u"ab"_s},
    {"FootnoteIsNoText", R"({\rtf1 a{\super \chftn{\*\footnote {\super \chftn} note}}b})", u"ab"_s},
    // Breaks.
    {"PageSectColumnBreakParagraphs", R"({\rtf1 A\page B\sect C\column D})", u"A\r\nB\r\nC\r\nD"_s},
    {"PageThenParIsAnEmptyLine", R"({\rtf1 A{\page }\par B})", u"A\r\n\r\nB"_s},
    {"LineBreak", R"({\rtf1 #\line The})", u"#\r\nThe"_s},
    {"EmptyParagraphs", R"({\rtf1 First\par \par Third\par})", u"First\r\n\r\nThird"_s},
    // The final paragraph mark.
    {"FinalParDropped", R"({\rtf1 A\par B\par})", u"A\r\nB"_s},
    {"NoFinalPar", R"({\rtf1 A\par B})", u"A\r\nB"_s},
    {"OnlyOneFinalMarkDropped", R"({\rtf1 A\par\par})", u"A\r\n"_s},
    {"EndsWithEmptyParagraph", R"({\rtf1 A\par \pard\par})", u"A\r\n"_s},
    {"OnlyAPar", R"({\rtf1 \par})", u""_s},
    {"NoBreakAtAll", R"({\rtf1 A})", u"A"_s},
    {"FinalLineBreakDropped", R"({\rtf1 A\line})", u"A"_s},
    // Tables.
    {"CellsAndRow", R"({\rtf1 \trowd\cellx1\cellx2 A\cell B\cell\row x})", u"A\tB\r\nx"_s},
    {"ParBeforeCellIsAbsorbed", R"({\rtf1 {A\par}\cell{\cell}{B\par}\cell\row x})",
     u"A\t\tB\r\nx"_s},
    {"ParInsideCellStays", R"({\rtf1 A\par B\cell C\cell\row x})", u"A\r\nB\tC\r\nx"_s},
    {"NestedTable", R"({\rtf1 A\nestcell B\nestcell\nestrow{\nonesttables fallback}x})",
     u"A\tB\r\nx"_s},
    {"RowWithoutCells", R"({\rtf1 A\row B})", u"A\r\nB"_s},
    // Unbalanced input.
    {"TextAfterLastBraceIgnored", "{\\rtf1 A}garbage}}", u"A"_s},
    {"StrayBraceEndsDocument", R"({\rtf1 {A}}}B})", u"A"_s},
    {"MissingFinalBraces", R"({\rtf1 {\b A {\i B)", u"A B"_s},
    {"LeadingWhiteSpace", " \r\n\t{\\rtf1 A}", u"A"_s},
    {"EmptyDocument", R"({\rtf})", u""_s},
};

class PlainText : public testing::TestWithParam<Case> {};

TEST_P(PlainText, ReadsAsExpected) {
  const Case& c = GetParam();
  EXPECT_EQ(RichText::fromRtf(c.rtf).plainText(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Constructs, PlainText, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.name);
                         });

TEST(NotRtf, ThrowsRtfError) {
  const QByteArray inputs[] = {
      "",           "   ", "hello", "{\\rt", "{rtf1 A}", "\\rtf1 A}", "\xEF\xBB\xBF{\\rtf1 A}",
      "{ \\rtf1 A}"};
  for (const QByteArray& input : inputs) {
    EXPECT_THROW(RichText::fromRtf(input), RtfError) << input.toStdString();
  }
}

TEST(PlainTextDocument, SplitsParagraphsAtEveryKindOfLineEnd) {
  const RichText doc = RichText::fromPlainText(u"a\r\nb\rc\nd\r\n");
  EXPECT_EQ(doc.plainText(), u"a\r\nb\r\nc\r\nd\r\n"_s);
  EXPECT_EQ(doc.document().paragraphs().size(), 5u);
  EXPECT_EQ(doc.document().breaks().size(), 4u);
  EXPECT_TRUE(doc.document().defaultFont().isNull());
}

TEST(PlainTextDocument, KeepsTabsAndDropsOtherControlCharacters) {
  const QChar lone(char16_t(0xD835));
  const RichText doc = RichText::fromPlainText(u"a\tb\x01"_s + u"c"_s + lone + u"d"_s);
  EXPECT_EQ(doc.plainText(), u"a\tbc\uFFFDd"_s);
}

}  // namespace
}  // namespace vantrel::rtf
