// Cutting items out of documents made from plain text; splitting records and reading fields
// are exercised by every loader test.

#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "datafile/DataFileError.h"
#include "datafile/RecordPrimitives.h"
#include "datafile/RtfText.h"

namespace vantrel::datafile {
namespace {

// The item cut out, the count and the result; a marker beyond position 32767 is an error.
TEST(Unpack, CutsTheItemOrCountsTheItems) {
  const QString x(32765, 'x');
  const struct {
    QString text, tag;
    Integer item;
    QString result;  // "error" when the cut must fail
    Integer count;
    QString left;
  } cases[] = {
      {"#a# junk #b#", "#", 2, "", 2, "b"},
      {"#a# #b#", "#", 3, "Data not found!", 2, "b"},
      {"nothing here", "#", 1, "Data not found!", 0, ""},
      {"\\form/#1,2#\\FORM/", "\\Form/", 1, "", 1, "#1,2#"},
      {"\\SYSTEM/one\\SYSTEM/\\SYSTEM/two\\SYSTEM/", "\\SYSTEM/", 2, "", 2, "two"},
      {"#\n\nafter two#", "#", 1, "", 1, "\r\nafter two"},  // one leading line break dropped
      {"#text\n#", "#", 1, "", 1, "text"},                  // a final break is the piece's end
      {x + "#a#", "#", 1, "", 1, "a"},                      // the closing marker at 32767
      {x + "x#a#", "#", 1, "error", 0, ""},
      {"xxx" + x + "#a#", "#", 1, "error", 0, ""},
      {"#a# #b", "#", 2, "error", 0, ""},
  };
  for (const auto& c : cases) {
    rtf::WorkingDocument doc;
    doc.setTextRtf(rtf::RichText::fromRtf(testing::rtfFromPlain(c.text)));
    Integer item = c.item;
    if (c.result == "error") {
      EXPECT_THROW(sDataUnpack(doc, item, c.tag), DataFileError) << c.text.right(8).toStdString();
      continue;
    }
    EXPECT_EQ(sDataUnpack(doc, item, c.tag), c.result);
    EXPECT_EQ(item, c.count);
    EXPECT_EQ(doc.text(), c.left);
  }
}

}  // namespace
}  // namespace vantrel::datafile
