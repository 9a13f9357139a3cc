// Formatting arrives on the words the test files put it on, and survives a cut.

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <optional>

namespace vantrel::rtf {
namespace {

using namespace Qt::StringLiterals;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kDarkRed{192, 0, 0};

// What a word must carry; unset fields are not checked.
struct Expect {
  const char* file = "";
  const char16_t* word = u"";
  int offset = 0;   // the checked characters start this far into the word
  int length = -1;  // and are this many (-1: to the end of the word)
  std::optional<QString> font;
  std::optional<int> size;
  std::optional<bool> bold, italic, underline, strike, hidden;
  std::optional<Rgb> color, background;
  std::optional<VerticalPosition> position;

  Expect& chars(int from, int count) {
    offset = from, length = count;
    return *this;
  }
  Expect& inFont(const QString& f) {
    font = f;
    return *this;
  }
  Expect& ofSize(int halfPoints) {
    size = halfPoints;
    return *this;
  }
  Expect& isBold(bool on = true) {
    bold = on;
    return *this;
  }
  Expect& isItalic(bool on = true) {
    italic = on;
    return *this;
  }
  Expect& isUnderlined(bool on = true) {
    underline = on;
    return *this;
  }
  Expect& isStruck(bool on = true) {
    strike = on;
    return *this;
  }
  Expect& isHidden(bool on = true) {
    hidden = on;
    return *this;
  }
  Expect& inColor(Rgb c) {
    color = c;
    return *this;
  }
  Expect& onBackground(Rgb c) {
    background = c;
    return *this;
  }
  Expect& at(VerticalPosition p) {
    position = p;
    return *this;
  }
};

Expect on(const char* file, const char16_t* word) {
  Expect e;
  e.file = file;
  e.word = word;
  return e;
}

void PrintTo(const Expect& e, std::ostream* os) {
  *os << e.file << ": " << QString::fromUtf16(e.word).toStdString();
}

// The one format of characters [from, from + length) of a document; fails if they differ.
std::optional<CharFormat> uniformFormat(const Document& doc, int from, int length) {
  if (length <= 0 || from < 0 || from + length > doc.length()) return std::nullopt;
  const CharFormat& first = doc.runs()[doc.runIndexAt(from)].format;
  for (int i = from; i < from + length; ++i) {
    if (doc.runs()[doc.runIndexAt(i)].format != first) return std::nullopt;
  }
  return first;
}

void check(const Expect& e, const CharFormat& f) {
  EXPECT_EQ(f.font, e.font.value_or(f.font));
  EXPECT_EQ(f.size, e.size.value_or(f.size));
  EXPECT_EQ(f.bold, e.bold.value_or(f.bold));
  EXPECT_EQ(f.italic, e.italic.value_or(f.italic));
  EXPECT_EQ(f.underline, e.underline.value_or(f.underline));
  EXPECT_EQ(f.strike, e.strike.value_or(f.strike));
  EXPECT_EQ(f.hidden, e.hidden.value_or(f.hidden));
  if (e.color) {
    EXPECT_EQ(f.color, e.color);
  }
  if (e.background) {
    EXPECT_EQ(f.background, e.background);
  }
  EXPECT_EQ(f.position, e.position.value_or(f.position));
}

const Expect kExpectations[] = {
    on("lo-02-formatting", u"Normal")
        .inFont(u"Liberation Serif"_s)
        .ofSize(24)
        .isBold(false)
        .isItalic(false)
        .isUnderlined(false)
        .isStruck(false),
    on("lo-02-formatting", u"bold,").chars(0, 4).isBold().isItalic(false),
    on("lo-02-formatting", u"italic,").chars(0, 6).isBold(false).isItalic(),
    on("lo-02-formatting", u"bold italic").isBold().isItalic(),
    on("lo-02-formatting", u"underlined").isUnderlined(),
    on("lo-02-formatting", u"struck").isUnderlined(false).isStruck(),
    on("lo-02-formatting", u"red").isBold(false).inColor(kRed),
    on("lo-02-formatting", u"blue bold").isBold().inColor(kBlue),
    on("lo-02-formatting", u"16 pt").ofSize(32),
    on("lo-02-formatting", u"9 pt").ofSize(18),
    on("lo-02-formatting", u"mono font").inFont(u"Liberation Mono"_s).ofSize(24),
    on("lo-02-formatting", u"sans 10 pt").inFont(u"Liberation Sans"_s).ofSize(20),
    on("lo-02-formatting", u"highlighted").onBackground(kYellow),
    on("pandoc-02-formatting", u"Normal").inFont(u"Helvetica"_s).ofSize(0).isBold(false),
    on("pandoc-02-formatting", u"bold,").chars(0, 4).isBold(),
    on("pandoc-02-formatting", u"italic,").chars(0, 6).isItalic(),
    on("pandoc-02-formatting", u"bold italic").isBold().isItalic(),
    on("pandoc-02-formatting", u"underlined").isUnderlined(),
    on("pandoc-02-formatting", u"struck").isStruck(),
    on("pandoc-02-formatting", u"code font").inFont(u"Courier"_s).ofSize(0),
    on("lo-03-unicode", u"Η ταχύτητα").isItalic(),
    on("lo-03-unicode", u"Volume").isItalic(false),
    on("pandoc-03-unicode", u"Η ταχύτητα").isItalic(),
    on("lo-04-supersub", u"m3/s").chars(1, 1).at(VerticalPosition::Superscript),
    on("lo-04-supersub", u"m3/s").chars(0, 1).at(VerticalPosition::Baseline),
    on("lo-04-supersub", u"D1 ").chars(1, 1).at(VerticalPosition::Subscript),
    on("lo-04-supersub", u"D12").chars(1, 1).at(VerticalPosition::Subscript),
    on("lo-04-supersub", u"D12").chars(2, 1).at(VerticalPosition::Superscript),
    on("lo-04-supersub", u"xn.").chars(1, 1).at(VerticalPosition::Superscript),
    on("pandoc-04-supersub", u"m3/s").chars(1, 1).at(VerticalPosition::Superscript),
    on("pandoc-04-supersub", u"D1 ").chars(1, 1).at(VerticalPosition::Subscript),
    on("lo-05-markers", u"&Pipe Dia. =").isBold(),
    on("lo-05-markers", u"inner").inColor(kDarkRed),
    on("lo-05-markers", u"#record").isBold(false),
    on("pandoc-05-markers", u"&Pipe Dia. =").isBold(),
    on("pandoc-05-markers", u"inner").isItalic(),
    on("lo-07-table", u"Name").isBold(),
    on("lo-07-table", u"Unit").isBold(),
    on("lo-07-table", u"Pipe Dia.").isBold(false),
    on("lo-08-lists-fields", u"hyperlink").isUnderlined().inColor(kNavy),
    on("pandoc-08-lists-links", u"hyperlink").isUnderlined(),
    on("hand-01-word-style", u"two").isBold(),
    on("hand-01-word-style", u"one,").inFont(u"Arial"_s).isBold(false),
    on("hand-01-word-style", u"link text").isUnderlined().inColor(kBlue),
    on("hand-01-word-style", u"B1").isBold(),
    on("hand-01-word-style", u"hidden.").chars(0, 3).isHidden(),
    on("hand-01-word-style", u"hidden.").chars(3, -1).isHidden(false),
    on("hand-01-word-style", u"αβ").inFont(u"Symbol"_s),
};

class WordFormat : public testing::TestWithParam<Expect> {};

TEST_P(WordFormat, ArrivesAndSurvivesCuts) {
  const Expect& e = GetParam();
  const RichText doc = RichText::fromRtf(fixtureRtf(e.file));
  const QString word = QString::fromUtf16(e.word);
  const int at = doc.find(word, 0);
  ASSERT_GE(at, 0) << "word not found";
  const int from = at + e.offset;
  const int length = e.length < 0 ? static_cast<int>(word.size()) - e.offset : e.length;
  auto format = uniformFormat(doc.document(), from, length);
  ASSERT_TRUE(format) << "the characters differ in format";
  check(e, *format);

  // Cut exactly the characters, then with neighbours, then cut the cut again.
  for (int margin : {0, 1, 5}) {
    // Where the piece really starts: a bound inside a CR LF moves past it.
    const int start = doc.document().clampRange(from - margin, 0).first;
    const RichText piece = doc.slice(start, from - start + length + margin);
    auto cut = uniformFormat(piece.document(), from - start, length);
    ASSERT_TRUE(cut) << "margin " << margin;
    EXPECT_EQ(*cut, *format) << "margin " << margin;
    const RichText reloaded =
        RichText::fromRtf(doc.rangeToRtf(start, from - start + length + margin));
    EXPECT_EQ(uniformFormat(reloaded.document(), from - start, length), format);
  }
}

INSTANTIATE_TEST_SUITE_P(TestFiles, WordFormat, testing::ValuesIn(kExpectations));

TEST(Alignment, ParagraphsKeepTheirAlignmentThroughCuts) {
  const RichText doc = RichText::fromRtf(fixtureRtf("lo-08-lists-fields"));
  const std::pair<const char16_t*, Alignment> cases[] = {{u"Before the list", Alignment::Left},
                                                         {u"Centred paragraph", Alignment::Center},
                                                         {u"Right-aligned", Alignment::Right},
                                                         {u"Justified", Alignment::Justify}};
  for (auto [text, alignment] : cases) {
    const int at = doc.find(QString::fromUtf16(text), 0);
    ASSERT_GE(at, 0);
    const Document& d = doc.document();
    EXPECT_EQ(d.paragraphs()[d.paragraphIndexAt(at)].alignment, alignment);
    const RichText piece = doc.slice(at, 5);
    EXPECT_EQ(piece.document().paragraphs().front().alignment, alignment);
  }
}

TEST(DefaultFont, IsTheFontThatDeffNames) {
  EXPECT_EQ(RichText::fromRtf(fixtureRtf("lo-02-formatting")).document().defaultFont(),
            u"Liberation Serif"_s);
  EXPECT_EQ(RichText::fromRtf(fixtureRtf("pandoc-01-plain")).document().defaultFont(),
            u"Helvetica"_s);
  EXPECT_TRUE(load(R"({\rtf1 x})").document().defaultFont().isNull());
  EXPECT_TRUE(load(R"({\rtf1\deff5{\fonttbl{\f0 Arial;}} x})").document().defaultFont().isNull());
}

// Formatting words in small documents: what each gives the text "x".
struct WordCase {
  const char* name;
  const char* rtf;
  CharFormat format;
};

void PrintTo(const WordCase& c, std::ostream* os) {
  *os << c.name;
}

CharFormat with(void (*edit)(CharFormat&)) {
  CharFormat f;
  edit(f);
  return f;
}

const char kTables[] = R"({\fonttbl{\f0 Arial;}{\f1\froman\fcharset0 Times{\*\falt Tms};}{\f2 ;}})"
                       R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})";

const WordCase kWordCases[] = {
    {"NothingGiven", "", with([](CharFormat& f) { f.font = "Arial"; })},
    {"PlainGivesDefaultFontAnd12pt", R"(\f1\b\fs40\plain )", with([](CharFormat& f) {
       f.font = "Arial";
       f.size = 24;
     })},
    {"UnknownFontIsDefault", R"(\f99 )", with([](CharFormat& f) { f.font = "Arial"; })},
    {"FalternativeSkipped", R"(\f1 )", with([](CharFormat& f) { f.font = "Times"; })},
    {"EmptyNameIsNotGiven", R"(\f2 )", with([](CharFormat& f) { f.font = QString(); })},
    {"ColourOutsideTableIsAutomatic", R"(\cf9 )", with([](CharFormat& f) { f.font = "Arial"; })},
    {"ColourZeroIsAutomatic", R"(\cf0 )", with([](CharFormat& f) { f.font = "Arial"; })},
    {"Colour", R"(\cf2 )", with([](CharFormat& f) {
       f.font = "Arial";
       f.color = kBlue;
     })},
    {"HighlightZeroIsNone", R"(\highlight0 )", with([](CharFormat& f) { f.font = "Arial"; })},
    {"OldBackgroundWord", R"(\cb1 )", with([](CharFormat& f) {
       f.font = "Arial";
       f.background = kRed;
     })},
    {"ToggleOff", R"(\b\b0\i\i0\ul\ul0\strike\strike0\v\v0 )",
     with([](CharFormat& f) { f.font = "Arial"; })},
    {"UnderlineVariantsAndNone", R"(\uldb\ulnone\ulwave )", with([](CharFormat& f) {
       f.font = "Arial";
       f.underline = true;
     })},
    {"DoubleStrike", R"(\striked1 )", with([](CharFormat& f) {
       f.font = "Arial";
       f.strike = true;
     })},
    {"RaiseWithoutParameter", R"(\up )", with([](CharFormat& f) {
       f.font = "Arial";
       f.position = VerticalPosition::Superscript;
     })},
    {"LowerThenBaseline", R"(\dn4\up0 )", with([](CharFormat& f) { f.font = "Arial"; })},
    {"Lower", R"(\dn4 )", with([](CharFormat& f) {
       f.font = "Arial";
       f.position = VerticalPosition::Subscript;
     })},
    {"NoSuperSub", R"(\super\nosupersub )", with([](CharFormat& f) { f.font = "Arial"; })},
    {"AbsurdSizeIsCapped", R"(\fs999999 )", with([](CharFormat& f) {
       f.font = "Arial";
       f.size = 3276;
     })},
    {"AssociatedFontsIgnored", R"(\f1\hich\af2\dbch\af0\loch\afs40\ab )",
     with([](CharFormat& f) { f.font = "Times"; })},
    {"GroupRestores", R"({\b\f1 }\i0 )", with([](CharFormat& f) { f.font = "Arial"; })},
};

class FormattingWord : public testing::TestWithParam<WordCase> {};

TEST_P(FormattingWord, GivesItsFormat) {
  const WordCase& c = GetParam();
  const QByteArray rtf = QByteArray("{\\rtf1\\deff0") + kTables + c.rtf + "x}";
  const RichText doc = RichText::fromRtf(rtf);
  ASSERT_EQ(doc.plainText(), u"x"_s);
  EXPECT_EQ(doc.document().runs().back().format, c.format);
}

INSTANTIATE_TEST_SUITE_P(Words, FormattingWord, testing::ValuesIn(kWordCases),
                         [](const testing::TestParamInfo<WordCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(FontTable, EntriesSideBySideAndNamesInTheirCharset) {
  const RichText doc = load(R"({\rtf1\deff1{\fonttbl\f0\fswiss Helvetica;\f1\fmodern Courier;)"
                            R"({\f31505\fcharset204 \'c0\'f0\'e8\'e0\'eb;}}{\f0 a}b{\f31505 c}})");
  const auto& runs = doc.document().runs();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].format.font, u"Helvetica"_s);
  EXPECT_EQ(runs[1].format.font, u"Courier"_s);
  EXPECT_EQ(runs[2].format.font, u"Ариал"_s);
}

TEST(ColourTable, SpaceBeforeFirstEntryAndMissingLastSemicolon) {
  const RichText doc = load(R"({\rtf1{\colortbl ;\red255\green0\blue0;\blue255}{\cf1 a}{\cf2 b}})");
  const auto& runs = doc.document().runs();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].format.color, kRed);
  EXPECT_EQ(runs[1].format.color, (Rgb{0, 0, 255}));
}

}  // namespace
}  // namespace vantrel::rtf
