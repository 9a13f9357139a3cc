// The record primitives on documents made from plain text.

#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "datafile/DataFileError.h"
#include "datafile/RecordPrimitives.h"
#include "datafile/RtfText.h"

namespace vantrel::datafile {
namespace {

rtf::WorkingDocument documentOf(const QString& plain) {
  rtf::WorkingDocument doc;
  doc.setTextRtf(rtf::RichText::fromRtf(testing::rtfFromPlain(plain)));
  return doc;
}

struct UnpackCase {
  const char* name;
  QString text;
  QString tag;
  Integer item;
  QString expectedResult;
  Integer expectedCount;
  QString expectedText;
};

class UnpackTest : public ::testing::TestWithParam<UnpackCase> {};

TEST_P(UnpackTest, CutsTheItem) {
  const UnpackCase& c = GetParam();
  rtf::WorkingDocument doc = documentOf(c.text);
  Integer item = c.item;
  EXPECT_EQ(sDataUnpack(doc, item, c.tag), c.expectedResult);
  EXPECT_EQ(item, c.expectedCount);
  EXPECT_EQ(doc.text(), c.expectedText);
}

INSTANTIATE_TEST_SUITE_P(
    Items, UnpackTest,
    ::testing::Values(
        UnpackCase{"SecondOfTwo", "#a# #b#", "#", 2, "", 2, "b"},
        UnpackCase{"BeyondTheLastLeavesTheLast", "#a# #b#", "#", 3, "Data not found!", 2, "b"},
        UnpackCase{"CountingUpToALimit", "#1# #2# #3#", "#", 50, "Data not found!", 3, "3"},
        UnpackCase{"NoItemAtAll", "nothing here", "#", 1, "Data not found!", 0, ""},
        UnpackCase{"TextBetweenItemsIsIgnored", "#a# junk #b#", "#", 2, "", 2, "b"},
        UnpackCase{"MarkerInAnyLetterCase", "\\form/#1,2,3,4#\\FORM/", "\\Form/", 1, "", 1,
                   "#1,2,3,4#"},
        UnpackCase{"OneLeadingLineBreakDropped", "#\nline one\nline two#", "#", 1, "", 1,
                   "line one\r\nline two"},
        UnpackCase{"OnlyOneLeadingLineBreakDropped", "#\n\nafter two#", "#", 1, "", 1,
                   "\r\nafter two"},
        UnpackCase{"TrailingBreakIsTheFinalMark", "#text\n#", "#", 1, "", 1, "text"},
        UnpackCase{"ClosingMarkerAtTheLastPosition", QString(32765, 'x') + "#a#", "#", 1, "", 1,
                   "a"},
        UnpackCase{"LongMarker", "\\SYSTEM/one\\SYSTEM/\\SYSTEM/two\\SYSTEM/", "\\SYSTEM/", 2, "",
                   2, "two"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Unpack, KeepsTheFormattingOfTheItem) {
  rtf::WorkingDocument doc;
  doc.setTextRtf(
      rtf::RichText::fromRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 #{\\b bold}, "
                             "plain#}"));
  Integer item = 1;
  sDataUnpack(doc, item, QStringLiteral("#"));
  std::vector<rtf::RichText> fields;
  ASSERT_EQ(iDataExplt(doc, fields), 2);
  EXPECT_EQ(fields[1].plainText(), QStringLiteral("bold"));
  EXPECT_NE(fields[1].toRtf().indexOf("\\b"), -1);
}

TEST(Unpack, AMissingClosingMarkerIsAnError) {
  rtf::WorkingDocument doc = documentOf("#a# #b");
  Integer item = 2;
  EXPECT_THROW(sDataUnpack(doc, item, QStringLiteral("#")), DataFileError);
}

TEST(Unpack, AMarkerBeyondPosition32767IsAnError) {
  // An opening marker beyond it, and a closing one.
  for (const int x : {32768, 32766}) {
    rtf::WorkingDocument doc = documentOf(QString(x, QLatin1Char('x')) + "#a#");
    Integer item = 1;
    try {
      sDataUnpack(doc, item, QStringLiteral("#"));
      ADD_FAILURE() << "no error for " << x;
    } catch (const DataFileError& error) {
      EXPECT_TRUE(error.problem().contains("32768")) << error.message().toStdString();
    }
  }
}

struct SplitCase {
  QString record;
  std::vector<QString> fields;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, SplitsAtCommas) {
  rtf::WorkingDocument doc = documentOf(GetParam().record);
  std::vector<rtf::RichText> fields;
  const Integer n = iDataExplt(doc, fields);
  ASSERT_EQ(n, static_cast<Integer>(GetParam().fields.size()));
  ASSERT_EQ(fields.size(), GetParam().fields.size() + 1);
  EXPECT_TRUE(fields[0].plainText().isEmpty());
  for (std::size_t k = 0; k < GetParam().fields.size(); ++k) {
    EXPECT_EQ(fields[k + 1].plainText(), GetParam().fields[k]) << "field " << k + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Records, SplitTest,
                         ::testing::Values(SplitCase{"1,2,3", {"1", "2", "3"}},
                                           SplitCase{"no comma", {"no comma"}}, SplitCase{"", {""}},
                                           SplitCase{",", {"", ""}},
                                           SplitCase{"a, b ,c,", {"a", " b ", "c", ""}}));

struct NumberCase {
  QString field;
  Single single;
  Integer integer;
};

class FieldNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FieldNumberTest, ReadsTheLeadingNumber) {
  rtf::WorkingDocument doc;
  const rtf::RichText field = rtf::RichText::fromRtf(testing::rtfFromPlain(GetParam().field));
  EXPECT_EQ(fieldSingle(doc, field), GetParam().single);
  EXPECT_EQ(fieldInteger(doc, field), GetParam().integer);
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldNumberTest,
                         ::testing::Values(NumberCase{" 12.5 mm", 12.5f, 12},
                                           NumberCase{"1 2", 12.0f, 12},
                                           NumberCase{"1.5E2", 150.0f, 150},
                                           NumberCase{"", 0.0f, 0}, NumberCase{"2.5", 2.5f, 2},
                                           NumberCase{"3.5", 3.5f, 4}, NumberCase{"0.5", 0.5f, 0},
                                           NumberCase{"-7 ", -7.0f, -7}));

TEST(FieldNumber, TooLargeForAnIntegerIsAnError) {
  rtf::WorkingDocument doc;
  EXPECT_THROW(fieldInteger(doc, rtf::RichText::fromPlainText(u"40000")), DataFileError);
  EXPECT_THROW(fieldSingle(doc, rtf::RichText::fromPlainText(u"1E39")), DataFileError);
}

TEST(FieldNumber, CompleteNumberRefusesText) {
  rtf::WorkingDocument doc;
  EXPECT_EQ(fieldCompleteInteger(doc, rtf::RichText::fromPlainText(u" 2 ")), 2);
  EXPECT_THROW(fieldCompleteInteger(doc, rtf::RichText::fromPlainText(u"2x")), DataFileError);
  EXPECT_THROW(fieldCompleteInteger(doc, rtf::RichText::fromPlainText(u"")), DataFileError);
}

}  // namespace
}  // namespace vantrel::datafile
