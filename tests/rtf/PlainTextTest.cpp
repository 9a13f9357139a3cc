// The plain text the reader gives for the constructs of real RTF that the test files do not
// show: one small document per construct and the exact text it must read as.

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vantrel::rtf {
namespace {

using namespace Qt::StringLiterals;

struct Case {
  const char* name;
  QByteArray rtf;
  QString text;
};

const Case kCases[] = {
    // Syntax: delimiters, parameters, line ends, control symbols.
    {"LetterOrPunctuationEndsAWord", R"({\rtf1{\fonttbl{\f0 Arial;}}\f0Text\b0,})", u"Text,"_s},
    {"LineEndSplitsAWordName", "{\\rtf1 A\\pa\nr}", u"Ar"_s},
    {"MinusWithoutDigitIsText", R"({\rtf1 \li-x})", u"-x"_s},
    {"ControlSymbolEatsNoSpace", R"({\rtf1 \~ x\'b0C})", u"\u00A0 x°C"_s},
    {"BadHexEscapeIsIgnored", R"({\rtf1 \'zz\'4})", u"zz4"_s},
    {"RawTabAndEscapedTab", "{\\rtf1 a\tb\\\tc}", u"a\tb\tc"_s},
    {"BackslashLineEndIsParagraph", "{\\rtf1 A\\\r\nB\\\nC}", u"A\r\nB\r\nC"_s},
    {"SpecialCharacterWords", R"({\rtf1 \emspace\enspace\qmspace\zwj\zwnj\zwbo\zwnbo\ltrmark})",
     u"\u2003\u2002\u2005\u200D\u200C\u200B\u2060\u200E"_s},
    // Unicode and fallbacks.
    {"FallbackAfterDelimiterSpace", R"({\rtf1 \u8804 ?x})", u"≤x"_s},
    {"ControlWordAsFallback", R"({\rtf1 \u8212\emdash x})", u"—x"_s},
    {"BraceEndsFallbackEarly", R"({\rtf1 {\uc2\u945}b{\uc2\u946{c}d}})", u"αbβcd"_s},
    {"NegativeUcIsZero", R"({\rtf1 \uc-1\u945 xy})", u"αxy"_s},
    {"UcIsRestoredByGroupEnd", R"({\rtf1 {\uc0 x}\u945?y})", u"xαy"_s},
    {"CodeAbove65535IsACodePoint", R"({\rtf1 \u120584?})", u"\U0001D708"_s},
    {"LoneSurrogatesAreReplaced", R"({\rtf1 \u55349?x\u57096?y})", u"\uFFFDx\uFFFDy"_s},
    {"ControlCodeFromUnicodeIsDropped", R"({\rtf1 a\u13?\u0?b\u9?c})", u"ab\tc"_s},
    // Code pages.
    {"DocumentCodePage1253", R"({\rtf1\ansi\ansicpg1253 \'e1\'f3\'f2})", u"ασς"_s},
    {"PcCodePage437", R"({\rtf1\pc \'82\'9b})", u"é¢"_s},
    {"UnknownCodePageIs1252", R"({\rtf1\ansi\ansicpg99999 \'e9\'80})", u"é€"_s},
    {"ShiftJisUserDefinedLeadByte", R"({\rtf1\ansi\ansicpg932 \'fa\'40})", u"\u2170"_s},
    {"MacJapaneseTakesTwoBytes", R"({\rtf1\mac\ansicpg10001 \'82\'a0})", u"\u3042"_s},
    {"Unassigned1252KeepsC1", R"({\rtf1 \'81\'8d\'8f\'90\'9d\'9f})",
     u"\u0081\u008D\u008F\u0090\u009D\u0178"_s},
    {"Charset0Is1252WhateverAnsicpg",
     R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset0 Arial;}}\f0 \'e1})", u"á"_s},
    {"DoubleByteLeadBeforeWordIsDropped",
     R"({\rtf1{\fonttbl{\f0\fcharset128 MS Gothic;}}\f0 \'82\par x})", u"\r\nx"_s},
    {"OtherSymbolFontToPrivateUse", R"({\rtf1{\fonttbl{\f1\fcharset2 Wingdings;}}{\f1 J\'fc}})",
     u"\uF04A\uF0FC"_s},
    {"SymbolFontDigitsStay", R"({\rtf1{\fonttbl{\f2\fcharset2 symbol;}}{\f2 1a\'b4}})", u"1α×"_s},
    // Destinations.
    {"FieldInstructionWithoutStar", R"({\rtf1 {\field{\fldinst PAGE}{\fldrslt 3}}})", u"3"_s},
    {"NestedFields",
     R"({\rtf1 {\field{\*\fldinst A}{\fldrslt {\field{\*\fldinst B}{\fldrslt in}} out}}})",
     u"in out"_s},
    {"UnicodeAlternativeWithoutStar", R"({\rtf1 {\upr{}{\ud C}}})", u"C"_s},
    {"GroupFirstInAnsiAlternative", R"({\rtf1 {\upr{{\b A}}{\*\ud B}}})", u"B"_s},
    {"EscapedBraceInSkippedDestination", R"({\rtf1 a{\*\x \}}b})", u"ab"_s},
    {"BinaryDataInBody", R"({\rtf1 a{\bin3 }\{}b})", u"ab"_s},
    {"NegativeBinaryLengthIsNoData", R"({\rtf1 a\bin-5 bc})", u"abc"_s},
    {"BinaryLongerThanData", R"({\rtf1 a\bin999 xyz)", u"a"_s},
    // Breaks and the final paragraph mark.
    {"PageSectColumnBreakParagraphs", R"({\rtf1 A\page B\sect C\column D})", u"A\r\nB\r\nC\r\nD"_s},
    {"NoFinalPar", R"({\rtf1 A\par B})", u"A\r\nB"_s},
    {"FinalLineBreakDropped", R"({\rtf1 A\line})", u"A"_s},
    // Tables.
    {"NestedTable", R"({\rtf1 A\nestcell B\nestcell\nestrow{\nonesttables fallback}x})",
     u"A\tB\r\nx"_s},
    {"RowWithoutCells", R"({\rtf1 A\row B})", u"A\r\nB"_s},
    {"LineBreakBeforeCellMarkStays",
     R"({\rtf1 \trowd\cellx1000\cellx2000\intbl A\line\cell B\cell\row x})", u"A\r\n\tB\r\nx"_s},
    // Unbalanced input.
    {"TextAfterLastBraceIgnored", "{\\rtf1 A}garbage}}", u"A"_s},
    {"StrayBraceEndsDocument", R"({\rtf1 {A}}}B})", u"A"_s},
    {"LeadingWhiteSpace", " \r\n\t{\\rtf1 A}", u"A"_s},
    {"MissingFinalBraces", R"({\rtf1 {\b A {\i B)", u"A B"_s},
};

class PlainText : public testing::TestWithParam<Case> {};

TEST_P(PlainText, ReadsAsExpected) {
  EXPECT_EQ(RichText::fromRtf(GetParam().rtf).plainText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Constructs, PlainText, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NotRtf, ThrowsRtfError) {
  for (const char* input : {"", "   ", "hello", "{\\rt", "{rtf1 A}", "\\rtf1 A}",
                            "\xEF\xBB\xBF{\\rtf1 A}", "{ \\rtf1 A}"}) {
    EXPECT_THROW(load(input), RtfError) << input;
  }
}

TEST(PlainTextDocument, SplitsParagraphsAtEveryLineEndAndDropsControlCharacters) {
  const RichText doc = RichText::fromPlainText(u"a\r\nb\rc\nd\r\n");
  EXPECT_EQ(doc.plainText(), u"a\r\nb\r\nc\r\nd\r\n"_s);
  EXPECT_EQ(doc.document().paragraphs().size(), 5u);
  EXPECT_TRUE(doc.document().defaultFont().isNull());
  const QChar lone(char16_t(0xD835));
  EXPECT_EQ(RichText::fromPlainText(u"a\tb\x01"_s + u"c"_s + lone + u"d"_s).plainText(),
            u"a\tbc\uFFFDd"_s);
}

}  // namespace
}  // namespace vantrel::rtf
