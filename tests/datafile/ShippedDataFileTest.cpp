// The shipped data file loads, and a copy of it re-saved by a word processor loads the same.

#include <gtest/gtest.h>

#include <QFileInfo>

#include "datafile/LoaderFixture.h"
#include "datafile/RecordPrimitives.h"

namespace vantrel::datafile {
namespace {

const QString kShippedFile = QStringLiteral(VANTREL_SHIPPED_DATA_DIR "/Vantrel.rtf");
const QString kResavedFile =
    QStringLiteral(VANTREL_TEST_DATA_DIR "/datafile/Vantrel-resaved-by-writer.rtf");

void load(const QString& path, testing::LoadResult& r) {
  rtf::WorkingDocument doc;
  ReadSystemData(doc, r.tables, path, r.view);
}

int tipCount(const rtf::RichText& tips) {
  rtf::WorkingDocument doc;
  doc.setTextRtf(tips);
  return countItems(doc, 50, QStringLiteral("#"));
}

TEST(ShippedDataFile, HasTheNinePagesInOrder) {
  testing::LoadResult r;
  load(kShippedFile, r);
  const QStringList expected = {"H.Williams", "C.White", "Manning",   "Orifice",    "Bends",
                                "Valves",     "In/Out",  "Expansion", "Contraction"};
  EXPECT_EQ(r.view.tabs.captions, expected);
  const std::vector<int> variables = {8, 9, 9, 8, 5, 5, 5, 8, 8};
  const PageTables& t = r.tables;
  ASSERT_EQ(t.PageCount, 9);
  for (int i = 1; i <= 9; ++i) {
    SCOPED_TRACE(t.PageCaption(i).toStdString());
    EXPECT_EQ(t.VarCount(i), variables[static_cast<std::size_t>(i - 1)]);
    EXPECT_TRUE(t.PageTitle(i).contains(":-"));
    EXPECT_GE(t.UnknownVar(i), 1);
    EXPECT_NE(t.FocusRow(i), t.UnknownVar(i));
    EXPECT_GE(tipCount(t.PageTips(i)), t.VarCount(i));
    for (int j = 1; j <= t.VarCount(i); ++j) {
      EXPECT_TRUE(t.VarCaptionRTF(i, j).plainText().contains('&'));
      EXPECT_FALSE(t.RangeExpr(i, j).isEmpty());
      EXPECT_NE(t.VarDefault(i, j), 0.0f);
    }
  }
}

TEST(ShippedDataFile, PlainTextStaysWithinThe16BitPositions) {
  rtf::WorkingDocument doc;
  doc.loadFile(kShippedFile);
  EXPECT_LT(doc.text().size(), kLastMarkerPosition);
}

TEST(ShippedDataFile, ReSavedByAWordProcessorLoadsTheSame) {
  if (!QFileInfo::exists(kResavedFile)) GTEST_SKIP() << "no re-saved copy";
  testing::LoadResult shipped;
  testing::LoadResult resaved;
  load(kShippedFile, shipped);
  load(kResavedFile, resaved);
  const PageTables& a = shipped.tables;
  const PageTables& b = resaved.tables;
  ASSERT_EQ(a.PageCount, b.PageCount);
  EXPECT_EQ(shipped.view.tabs.toolTips, resaved.view.tabs.toolTips);
  EXPECT_EQ(a.MaxCaptionLen, b.MaxCaptionLen);
  EXPECT_EQ(shipped.view.layout.FormWidth, resaved.view.layout.FormWidth);
  EXPECT_EQ(shipped.view.layout.TabHeight, resaved.view.layout.TabHeight);
  for (int i = 1; i <= a.PageCount; ++i) {
    ASSERT_EQ(a.VarCount(i), b.VarCount(i));
    EXPECT_EQ(a.PageTitle(i), b.PageTitle(i));
    EXPECT_EQ(a.PageTips(i).plainText(), b.PageTips(i).plainText());
    for (int j = 1; j <= a.VarCount(i); ++j) {
      EXPECT_EQ(a.VarCaptionRTF(i, j).plainText(), b.VarCaptionRTF(i, j).plainText());
      EXPECT_EQ(a.VarDefault(i, j), b.VarDefault(i, j));
      EXPECT_EQ(a.RangeExpr(i, j), b.RangeExpr(i, j));
      ASSERT_EQ(a.unitListLength(i, j), b.unitListLength(i, j));
      for (int k = 1; k <= a.unitListLength(i, j); ++k) {
        EXPECT_EQ(a.UnitName(i, j, k), b.UnitName(i, j, k));
        EXPECT_EQ(a.UnitFormat(i, j, k), b.UnitFormat(i, j, k));
        EXPECT_EQ(a.UnitFactor(i, j, k), b.UnitFactor(i, j, k));
      }
    }
  }
}

}  // namespace
}  // namespace vantrel::datafile
