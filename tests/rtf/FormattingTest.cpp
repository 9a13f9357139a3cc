// Formatting arrives on the words the test files put it on, and survives a cut.

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vantrel::rtf {
namespace {

using namespace Qt::StringLiterals;

// What a word of a test file must carry: comma-separated parts of describe(); "!part" means the
// part must be absent (a bare name also rules out "name=...").
struct Expect {
  const char* file;
  const char16_t* word;
  const char* wanted;
  int offset = 0;   // the checked characters start this far into the word
  int length = -1;  // and are this many (-1: to the end of the word)
};

void PrintTo(const Expect& e, std::ostream* os) {
  *os << e.file << ": " << QString::fromUtf16(e.word).toStdString();
}

const Expect kExpectations[] = {
    {"lo-02-formatting", u"Normal", "font=Liberation Serif, size=24, !b, !i, !ul, !strike, !bg"},
    {"lo-02-formatting", u"bold,", "b, !i", 0, 4},
    {"lo-02-formatting", u"underlined", "ul"},
    {"lo-02-formatting", u"red", "!b, cf=255.0.0"},
    {"lo-02-formatting", u"blue bold", "b, cf=0.0.255"},
    {"lo-02-formatting", u"mono font", "font=Liberation Mono, size=24"},
    {"lo-02-formatting", u"highlighted", "bg=255.255.0"},
    {"pandoc-02-formatting", u"Normal", "font=Helvetica, !size, !b"},
    {"pandoc-02-formatting", u"code font", "font=Courier, !size"},
    {"lo-03-unicode", u"Η ταχύτητα", "i"},
    {"lo-04-supersub", u"m3/s", "super", 1, 1},
    {"lo-04-supersub", u"m3/s", "!super, !sub", 0, 1},
    {"lo-04-supersub", u"D1 ", "sub", 1, 1},
    {"lo-04-supersub", u"D12", "super", 2, 1},
    {"pandoc-04-supersub", u"m3/s", "super", 1, 1},
    {"lo-05-markers", u"&Pipe Dia. =", "b"},
    {"lo-05-markers", u"inner", "cf=192.0.0"},
    {"lo-08-lists-fields", u"hyperlink", "ul, cf=0.0.128"},
    {"pandoc-08-lists-links", u"hyperlink", "ul"},
    {"hand-01-word-style", u"link text", "ul, cf=0.0.255"},
    {"hand-01-word-style", u"hidden.", "v", 0, 3},
    {"hand-01-word-style", u"hidden.", "!v", 3},
    {"hand-01-word-style", u"αβ", "font=Symbol"},
};

// The one format of characters [from, from + length) of a document, or "mixed".
std::string formatOf(const Document& doc, int from, int length) {
  if (length <= 0 || from < 0 || from + length > doc.length()) return "outside";
  const CharFormat& first = doc.runs()[doc.runIndexAt(from)].format;
  for (int i = from; i < from + length; ++i) {
    if (doc.runs()[doc.runIndexAt(i)].format != first) return "mixed";
  }
  return describe(first);
}

class WordFormat : public testing::TestWithParam<Expect> {};

TEST_P(WordFormat, ArrivesAndSurvivesCuts) {
  const Expect& e = GetParam();
  const RichText doc = RichText::fromRtf(fixtureRtf(e.file));
  const QString word = QString::fromUtf16(e.word);
  const int at = doc.find(word, 0);
  ASSERT_GE(at, 0) << "word not found";
  const int from = at + e.offset;
  const int length = e.length < 0 ? static_cast<int>(word.size()) - e.offset : e.length;
  const std::string format = formatOf(doc.document(), from, length);
  const std::string have = ", " + format + ",", wanted = e.wanted + std::string(", ");
  for (size_t pos = 0, next; (next = wanted.find(", ", pos)) != std::string::npos; pos = next + 2) {
    const bool absent = wanted[pos] == '!';
    const std::string name = wanted.substr(pos + absent, next - pos - absent);
    const bool found =
        have.find(", " + name + ",") != std::string::npos ||
        (name.find('=') == std::string::npos && have.find(", " + name + "=") != std::string::npos);
    EXPECT_NE(found, absent) << wanted.substr(pos, next - pos) << " in {" << format << "}";
  }
  // Cut exactly the characters, then with neighbours (a bound inside CR LF moves past it).
  for (int margin : {0, 1, 5}) {
    const int start = doc.document().clampRange(from - margin, 0).first;
    const int cutLength = from - start + length + margin;
    EXPECT_EQ(formatOf(doc.slice(start, cutLength).document(), from - start, length), format);
    EXPECT_EQ(formatOf(RichText::fromRtf(doc.rangeToRtf(start, cutLength)).document(), from - start,
                       length),
              format);
  }
}

INSTANTIATE_TEST_SUITE_P(TestFiles, WordFormat, testing::ValuesIn(kExpectations));

TEST(Alignment, ParagraphsKeepTheirAlignmentThroughCuts) {
  const RichText doc = RichText::fromRtf(fixtureRtf("lo-08-lists-fields"));
  const std::pair<const char16_t*, Alignment> cases[] = {{u"Before the list", Alignment::Left},
                                                         {u"Centred paragraph", Alignment::Center},
                                                         {u"Right-aligned", Alignment::Right},
                                                         {u"Justified", Alignment::Justify}};
  for (const auto& [text, alignment] : cases) {
    const int at = doc.find(text, 0);
    ASSERT_GE(at, 0);
    EXPECT_EQ(doc.document().paragraphs()[doc.document().paragraphIndexAt(at)].alignment,
              alignment);
    EXPECT_EQ(doc.slice(at, 5).document().paragraphs().front().alignment, alignment);
  }
}

// Formatting words in small documents: the whole format each gives the text "x". The colour
// table has a space before its first entry and no semicolon after its last.
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
    {"ColourOutsideTableIsAutomatic", R"(\cf9 )", "font=Arial"},
    {"Colour", R"(\cf2 )", "font=Arial, cf=0.0.255"},
    {"HighlightZeroIsNone", R"(\highlight0 )", "font=Arial"},
    {"OldBackgroundWord", R"(\cb1 )", "font=Arial, bg=255.0.0"},
    {"ToggleOff", R"(\b\b0\i\i0\ul\ul0\strike\strike0\v\v0 )", "font=Arial"},
    {"UnderlineVariantsAndNone", R"(\uldb\ulnone\ulwave )", "font=Arial, ul"},
    {"RaiseWithoutParameter", R"(\up )", "font=Arial, super"},
    {"LowerThenBaseline", R"(\dn4\up0 )", "font=Arial"},
    {"AbsurdSizeIsCapped", R"(\fs999999 )", "font=Arial, size=3276"},
    {"AssociatedFontsIgnored", R"(\f1\hich\af2\dbch\af0\loch\afs40\ab )", "font=Times"},
    {"GroupRestores", R"({\b\f1 }\i0 )", "font=Arial"},
};

class FormattingWord : public testing::TestWithParam<WordCase> {};

TEST_P(FormattingWord, GivesItsFormat) {
  const RichText doc = RichText::fromRtf(
      QByteArray(R"({\rtf1\deff0{\fonttbl{\f0 Arial;}{\f1\froman\fcharset0 Times{\*\falt Tms};})"
                 R"({\f2 ;}}{\colortbl ;\red255\green0\blue0;\blue255})") +
      GetParam().rtf + "x}");
  ASSERT_EQ(doc.plainText(), u"x"_s);
  EXPECT_EQ(describe(doc.document().runs().back().format), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(Words, FormattingWord, testing::ValuesIn(kWordCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FontTable, EntriesSideBySideAndNamesInTheirCharset) {
  const RichText doc = load(R"({\rtf1\deff1{\fonttbl\f0\fswiss Helvetica;\f1\fmodern Courier;)"
                            R"({\f31505\fcharset204 \'c0\'f0\'e8\'e0\'eb;}}{\f0 a}b{\f31505 c}})");
  const auto& runs = doc.document().runs();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].format.font, u"Helvetica"_s);
  EXPECT_EQ(runs[1].format.font, u"Courier"_s);
  EXPECT_EQ(runs[2].format.font, u"Ариал"_s);
}

}  // namespace
}  // namespace vantrel::rtf
