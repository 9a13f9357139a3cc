// Formatting arrives on the words the test files put it on, and each formatting word gives its
// format.

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vantrel::rtf {
namespace {

using namespace Qt::StringLiterals;

// The whole format (describe()) of characters [from, from + length) of a document, or "mixed".
std::string formatOf(const Document& doc, int from, int length) {
  if (length <= 0 || from < 0 || from + length > doc.length()) return "outside";
  const CharFormat& first = doc.runs()[doc.runIndexAt(from)].format;
  for (int i = from; i < from + length; ++i) {
    if (doc.runs()[doc.runIndexAt(i)].format != first) return "mixed";
  }
  return describe(first);
}

// The format of a word of a test file, or of `length` characters from `offset` into it.
TEST(WordFormat, ArrivesOnTheWordsOfTheTestFiles) {
  const struct {
    const char* file;
    const char16_t* word;
    const char* format;
    int offset = 0;
    int length = -1;  // -1: to the end of the word
  } cases[] = {
      {"lo-02-formatting", u"Normal", "font=Liberation Serif, size=24"},
      {"lo-02-formatting", u"bold,", "font=Liberation Serif, size=24, b", 0, 4},
      {"lo-02-formatting", u"underlined", "font=Liberation Serif, size=24, ul"},
      {"lo-02-formatting", u"red", "font=Liberation Serif, size=24, cf=255.0.0"},
      {"lo-02-formatting", u"blue bold", "font=Liberation Serif, size=24, b, cf=0.0.255"},
      {"lo-02-formatting", u"mono font", "font=Liberation Mono, size=24"},
      {"lo-02-formatting", u"highlighted", "font=Liberation Serif, size=24, bg=255.255.0"},
      {"pandoc-02-formatting", u"Normal", "font=Helvetica"},
      {"pandoc-02-formatting", u"code font", "font=Courier"},
      {"lo-03-unicode", u"Η ταχύτητα", "font=Liberation Serif, size=24, i"},
      {"lo-04-supersub", u"m3/s", "font=Liberation Serif, size=24, super", 1, 1},
      {"lo-04-supersub", u"m3/s", "font=Liberation Serif, size=24", 0, 1},
      {"lo-04-supersub", u"D1 ", "font=Liberation Serif, size=24, sub", 1, 1},
      {"lo-04-supersub", u"D12", "font=Liberation Serif, size=24, super", 2, 1},
      {"pandoc-04-supersub", u"m3/s", "font=Helvetica, super", 1, 1},
      {"lo-05-markers", u"&Pipe Dia. =", "font=Liberation Serif, size=24, b"},
      {"lo-05-markers", u"inner", "font=Liberation Serif, size=24, cf=192.0.0"},
      {"lo-08-lists-fields", u"hyperlink", "font=Liberation Serif, size=24, ul, cf=0.0.128"},
      {"pandoc-08-lists-links", u"hyperlink", "font=Helvetica, ul"},
      {"hand-01-word-style", u"link text", "font=Arial, size=22, ul, cf=0.0.255"},
      {"hand-01-word-style", u"hidden.", "font=Arial, size=22, v", 0, 3},
      {"hand-01-word-style", u"hidden.", "font=Arial, size=22", 3},
      {"hand-01-word-style", u"αβ", "font=Symbol, size=22"},
  };
  for (const auto& c : cases) {
    const QString word = QString::fromUtf16(c.word);
    const RichText doc = RichText::fromRtf(fixtureRtf(c.file));
    const int at = doc.find(word, 0);
    const int length = c.length < 0 ? static_cast<int>(word.size()) - c.offset : c.length;
    EXPECT_EQ(formatOf(doc.document(), at + c.offset, length), c.format)
        << c.file << ": " << word.toStdString();
  }
}

// Formatting words in small documents: the whole format each gives the text "x" at the end. The
// font table has entries side by side and in groups, one named in its own charset; the colour table
// has a space before its first entry and no semicolon after its last.
struct WordCase {
  const char* name;
  const char* rtf;
  const char* format;
};

const WordCase kWordCases[] = {
    {"PlainGivesDefaultFontAnd12pt", R"(\f1\b\fs40\plain )", "font=Arial, size=24"},
    {"UnknownFontIsDefault", R"(\f99 )", "font=Arial"},
    {"FalternativeSkipped", R"(\f1 )", "font=Times"},
    {"EmptyNameIsNotGiven", R"(\f2 )", ""},
    {"NameInItsCharset", R"(\f31505 )", "font=Ариал"},
    {"ColourOutsideTableIsAutomatic", R"(\cf9 )", "font=Arial"},
    {"Colour", R"(\cf2 )", "font=Arial, cf=0.0.255"},
    {"HighlightZeroIsNone", R"({\colortbl\red9\green9\blue9;}\highlight0 )", "font=Arial"},
    {"OldBackgroundWord", R"(\cb1 )", "font=Arial, bg=255.0.0"},
    {"ToggleOff", R"(\b\b0\i\i0\ul\ul0\strike\strike0\v\v0 )", "font=Arial"},
    {"UnderlineVariantsAndNone", R"(\uldb\ulnone\ulwave )", "font=Arial, ul"},
    {"RaiseWithoutParameter", R"(\up )", "font=Arial, super"},
    {"LowerThenBaseline", R"(\dn4\up0 )", "font=Arial"},
    {"AbsurdSizeIsCapped", R"(\fs999999 )", "font=Arial, size=3276"},
    {"AssociatedFontsIgnored", R"(\f1\hich\af2\dbch\af0\loch\afs40\ab )", "font=Times"},
    {"GroupRestores", R"({\b\f1 }\i0 )", "font=Arial"},
    {"SkippedGroupRestoresAfterItsText", R"({\b y\pict 0102})", "font=Arial"},
};

class FormattingWord : public testing::TestWithParam<WordCase> {};

TEST_P(FormattingWord, GivesItsFormat) {
  const RichText doc = RichText::fromRtf(
      QByteArray(R"({\rtf1\deff0{\fonttbl\f0\fswiss Arial;\f1\froman\fcharset0 Times{\*\falt Tms};)"
                 R"({\f2 ;}{\f31505\fcharset204 \'c0\'f0\'e8\'e0\'eb;}})"
                 R"({\colortbl ;\red255\green0\blue0;\blue255})") +
      GetParam().rtf + "x}");
  ASSERT_TRUE(doc.plainText().endsWith(u"x"_s)) << doc.plainText().toStdString();
  EXPECT_EQ(describe(doc.document().runs().back().format), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(Words, FormattingWord, testing::ValuesIn(kWordCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantrel::rtf
