// The data file read in advance, on a thread of its own, is what reading it when the window asks
// gives: the same tables, the same progress, layout and tabs, the same error.

#include <gtest/gtest.h>

#include "datafile/DataFileError.h"
#include "datafile/LoadInAdvance.h"
#include "datafile/LoaderFixture.h"

namespace vantrel::datafile {
namespace {

TEST(LoadInAdvance, GivesWhatReadingTheFileThenWouldGive) {
  const QString previous = QDir::currentPath();
  for (const QString& plain : {testing::fileText({{}, {}}), QString("\\SYSTEM/#a#\\SYSTEM/")}) {
    const testing::TempFolder folder;
    const QString path = QDir(folder.path()).canonicalPath() + "/Vantrel.rtf";
    folder.write("Vantrel.rtf", testing::rtfFromPlain(plain));
    QDir::setCurrent(folder.path());
    LoadInAdvance advance({});
    testing::LoadResult now, early;
    now.captions = now.toolTips = early.captions = early.toolTips = QStringList{"from the design"};
    QString error;
    try {
      testing::loadFile(path, now);
    } catch (const DataFileError& e) {
      error = e.message();
    }
    EXPECT_FALSE(advance.finish(path + ".other", early.tables, early));
    LoadInAdvance again({});
    try {
      EXPECT_TRUE(again.finish(path, early.tables, early));
      EXPECT_TRUE(error.isEmpty());
    } catch (const DataFileError& e) {
      EXPECT_EQ(e.message(), error);
    }
    EXPECT_FALSE(again.finish(path, early.tables, early));  // given once
    EXPECT_EQ(early.progress, now.progress);
    EXPECT_EQ(early.layout.FormWidth, now.layout.FormWidth);
    EXPECT_EQ(early.captions, now.captions);
    EXPECT_EQ(early.toolTips, now.toolTips);
    ASSERT_EQ(early.tables.PageCount, now.tables.PageCount);
    if (error.isEmpty()) {
      EXPECT_EQ(early.tables.UnitName(2, 1, 2), now.tables.UnitName(2, 1, 2));
      EXPECT_EQ(early.tables.PageTips(2).plainText(), now.tables.PageTips(2).plainText());
    }
  }
  QDir::setCurrent(previous);
}

}  // namespace
}  // namespace vantrel::datafile
