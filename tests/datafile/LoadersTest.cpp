// The loaders on small data files written for each case.

#include <gtest/gtest.h>

#include "datafile/DataFileError.h"
#include "datafile/LoaderFixture.h"

namespace vantrel::datafile {
namespace {

using testing::fileText;
using testing::LoadResult;
using testing::PageText;

TEST(Loaders, ReadOnePageCompletely) {
  LoadResult r;
  testing::loadText(fileText({PageText{}}), r);
  const PageTables& t = r.tables;
  EXPECT_EQ(r.view.progress, (std::vector<int>{5, 10, 27, 28, 38, 77, 100}));
  EXPECT_EQ(r.view.layout.TabHeight, 400);
  EXPECT_EQ(r.view.layout.TabWidth, 6400);
  EXPECT_EQ(r.view.layout.FormHeight, 6000);
  EXPECT_EQ(r.view.layout.FormWidth, 6400);
  ASSERT_EQ(t.PageCount, 1);
  EXPECT_EQ(t.MaxVarCount, 4);
  EXPECT_EQ(t.VarCount(1), 3);
  EXPECT_EQ(t.MaxCaptionLen, 12);  // "&Diameter =" + 1
  EXPECT_EQ(t.VarCaptionRTF(1, 1).plainText(), "&Diameter =");
  EXPECT_EQ(t.VarDefault(1, 2), 0.01f);
  EXPECT_EQ(t.VarValue(1, 2), 0.01f);
  EXPECT_EQ(t.VarUnitDefault(1, 1), 2);
  EXPECT_EQ(t.VarUnit(1, 1), 2);
  EXPECT_EQ(t.UnknownVar(1), 3);
  EXPECT_EQ(t.VarCheck(1, 3), 1);
  EXPECT_EQ(t.SplitRow(1), 0);
  EXPECT_EQ(t.PageTitle(1), "Bends :- Loss of a bend");
  EXPECT_EQ(t.PageCaption(1), "Bends");
  EXPECT_EQ(t.FocusRow(1), 1);
  EXPECT_EQ(t.FocusRowDefault(1), 0);
  EXPECT_EQ(t.RangeExpr(1, 1), "F,>0~10");
  EXPECT_EQ(t.UnitName(1, 2, 1), QString::fromUtf8("m\u00b3/s"));
  EXPECT_EQ(t.UnitFormat(1, 1, 2), "0.0");
  EXPECT_EQ(t.UnitFactor(1, 1, 2), 1000.0f);
  EXPECT_EQ(t.UnitFactor(1, 1, 3), 0.0f);  // the slot after the longest row ends every list
  EXPECT_EQ(t.unitListLength(1, 1), 2);
  EXPECT_EQ(t.unitListLength(1, 2), 1);
  EXPECT_EQ(t.PageTips(1).plainText(), "#first tip# #second tip# #third tip#");
  EXPECT_EQ(t.TipInterval, 1000);
  EXPECT_EQ(t.TipTicks, 10);
  EXPECT_EQ(t.TipShown, 0);
  EXPECT_EQ(r.view.tabs.captions, QStringList{"Bends"});
  EXPECT_EQ(r.view.tabs.toolTips, QStringList{"- Loss of a bend"});
}

// A focus row off the page and a default unit that its own list does not offer still load: the
// window focuses row 1 instead, and shows the value with the factor of the unit slot. Range
// expressions and unit names are kept as written (a blank is the name of "no unit").
TEST(Loaders, KeepsWhatIsWrittenThatTheWindowCanStillUse) {
  PageText page;
  page.system = "#a =, 1, 2, 1# #b =, 1, 3, 0# #c =, 1, 1, 0# #0,T,Bends,7#";
  page.unit = "\\ROW/@ ,0,1@\\ROW/ \\ROW/@m,0,1@ @x,0,0@ @y,0,5@\\ROW/ \\ROW/@m ,0,1@\\ROW/";
  page.range = "# F, 0~10 # #F,*# #F,*#";
  LoadResult r;
  testing::loadText(fileText({page}), r);
  const PageTables& t = r.tables;
  EXPECT_EQ(t.FocusRow(1), 7);
  EXPECT_EQ(t.VarUnitDefault(1, 1), 2);  // beyond its row's single unit
  EXPECT_EQ(t.UnitFactor(1, 1, 2), 0.0f);
  EXPECT_EQ(t.VarUnitDefault(1, 2), 3);  // after a factor of 0
  EXPECT_EQ(t.UnitFactor(1, 2, 3), 5.0f);
  EXPECT_EQ(t.UnitName(1, 1, 1), " ");
  EXPECT_EQ(t.UnitName(1, 3, 1), "m ");
  EXPECT_EQ(t.RangeExpr(1, 1), " F, 0~10 ");
}

TEST(Loaders, AtMostTwentyPagesAreRead) {
  LoadResult r;
  testing::loadText(fileText(std::vector<PageText>(25)), r);
  EXPECT_EQ(r.tables.PageCount, 20);
  EXPECT_EQ(r.view.tabs.captions.size(), 20);
}

TEST(Loaders, UnknownIsTheFirstVariableMarkedOne) {
  PageText twoMarked;
  twoMarked.system = "#a =, 1, 1, 1# #b =, 2, 1, 1# #c =, 3, 1, 0# #0,T,Bends,1#";
  PageText noneMarked;
  noneMarked.system = "#a =, 1, 1, 0# #b =, 2, 1, 0# #c =, 3, 1, 0# #0,T,Bends,1#";
  LoadResult r;
  testing::loadText(fileText({twoMarked, noneMarked}), r);
  EXPECT_EQ(r.tables.UnknownVar(1), 1);
  EXPECT_EQ(r.tables.VarCheck(1, 2), 1);
  EXPECT_EQ(r.tables.UnknownVar(2), 0);
}

TEST(Loaders, UnitListsEndAtTheFirstZeroFactor) {
  PageText page;
  page.unit =
      "\\ROW/@m, 0.000, 1@ @mm, 0.0, 1000@ @km, 0.000, 0.001@\\ROW/"
      " \\ROW/@a, 0, 1@ @b, 0, @ @c, 0, 5@\\ROW/"
      " \\ROW/@x, 0, 1@\\ROW/";
  LoadResult r;
  testing::loadText(fileText({page}), r);
  const PageTables& t = r.tables;
  EXPECT_EQ(t.UnitFactor.upper3(), 4);
  EXPECT_EQ(t.unitListLength(1, 1), 3);
  EXPECT_EQ(t.UnitFactor(1, 1, 3), 0.001f);
  EXPECT_EQ(t.unitListLength(1, 2), 1);  // an empty factor ends the list
  EXPECT_EQ(t.UnitName(1, 2, 3), "c");   // still loaded, never offered
  EXPECT_EQ(t.unitListLength(1, 3), 1);
}

TEST(Loaders, ARowContributesAtMostFiftyUnits) {
  PageText page;
  QString row;
  for (int k = 1; k <= 55; ++k)
    row += QString("@u%1, 0, %1@ ").arg(k);
  page.unit = "\\ROW/" + row + "\\ROW/ \\ROW/@m, 0, 1@\\ROW/ \\ROW/@m, 0, 1@\\ROW/";
  LoadResult r;
  testing::loadText(fileText({page}), r);
  EXPECT_EQ(r.tables.UnitFactor.upper3(), 51);
  EXPECT_EQ(r.tables.unitListLength(1, 1), 50);
  EXPECT_EQ(r.tables.UnitName(1, 1, 50), "u50");
}

TEST(Loaders, MissingSectionsReadTheLastOneFound) {
  PageText first;
  first.range = "#F,1,2,5# #F,*#";  // two records for three variables
  PageText second;
  second.unit = "";
  second.range = "";
  second.tips = "";
  QString text = fileText({first}) + "\\SYSTEM/" + second.system + "\\SYSTEM/\n";
  LoadResult r;
  testing::loadText(text, r);
  const PageTables& t = r.tables;
  ASSERT_EQ(t.PageCount, 2);
  EXPECT_EQ(t.RangeExpr(1, 1), "F,1,2,5");  // commas stay in the expression
  EXPECT_EQ(t.RangeExpr(1, 3), "F,*");      // the section's last record
  EXPECT_EQ(t.RangeExpr(2, 1), "F,1,2,5");  // page 2 reads page 1's section
  EXPECT_EQ(t.UnitFactor(2, 1, 2), 1000.0f);
  EXPECT_EQ(t.PageTips(2).plainText(), t.PageTips(1).plainText());
}

struct ToolTipCase {
  QString title;
  QString toolTip;
};

class ToolTipTest : public ::testing::TestWithParam<ToolTipCase> {};

TEST_P(ToolTipTest, IsTheTextAfterTheFirstColonHyphen) {
  PageText page;
  page.system = "#a =, 1, 1, 1# #0," + GetParam().title + ",Bends,1#";
  page.unit = "\\ROW/@m, 0, 1@\\ROW/";
  LoadResult r;
  r.view.tabs.addTab("left from the design");
  testing::loadText(fileText({page}), r);
  EXPECT_EQ(r.view.tabs.captions, QStringList{"Bends"});
  EXPECT_EQ(r.view.tabs.toolTips, QStringList{GetParam().toolTip});
}

INSTANTIATE_TEST_SUITE_P(Titles, ToolTipTest,
                         ::testing::Values(ToolTipCase{"Name :- what", "- what"},
                                           ToolTipCase{"No separator", "No separator"},
                                           ToolTipCase{"Ends with :-", "-"},
                                           ToolTipCase{"A :- b :- c", "- b :- c"},
                                           ToolTipCase{"Case :_ sensitive", "Case :_ sensitive"}));

// Every kind of malformed file is refused with what is wrong and where.
struct MalformedCase {
  const char* name;
  QString text;
  QString problem;   // part of the problem text
  QString location;  // part of the location text
};

class MalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedTest, IsReportedWithItsPlace) {
  LoadResult r;
  try {
    testing::loadText(GetParam().text, r);
    FAIL() << "loaded without an error";
  } catch (const DataFileError& error) {
    EXPECT_TRUE(error.problem().contains(GetParam().problem)) << error.message().toStdString();
    EXPECT_TRUE(error.location().contains(GetParam().location)) << error.message().toStdString();
  }
}

PageText withSystem(const QString& system) {
  PageText page;
  page.system = system;
  return page;
}

PageText withUnit(const QString& unit) {
  PageText page;
  page.unit = unit;
  return page;
}

QString tenVariables() {
  QString system;
  for (int j = 1; j <= 10; ++j)
    system += QString("#v%1 =, 1, 1, 0# ").arg(j);
  return system + "#0,T,Bends,1#";
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedTest,
    ::testing::Values(
        MalformedCase{"MissingClosingMarker",
                      fileText({PageText{}}) + "\\SYSTEM/#a =, 1, 1, 0# #0,T,Bends,1#",
                      "closing \"\\SYSTEM/\"", ""},
        MalformedCase{"NoPages", "\\Form/#400, 6400, 6000, 6400#\\Form/", "no \"\\SYSTEM/\"", ""},
        MalformedCase{"ShortLayoutRecord", fileText({PageText{}}, "#400, 6400, 6000#"),
                      "layout record has 3 field", "\\Form/"},
        MalformedCase{"NoLayoutSection", fileText({PageText{}}).replace("\\Form/", "\\Nothing/"),
                      "layout record has 1 field", "\\Form/"},
        MalformedCase{"ShortVariableRecord",
                      fileText({withSystem("#a =, 1, 1# #b =, 1, 1, 1# #0,T,Bends,1#")}),
                      "variable record has 3 field",
                      "page 1, \"\\SYSTEM/\" section, variable record 1"},
        MalformedCase{"ShortPageRecord", fileText({withSystem("#a =, 1, 1, 1# #0,T,Bends#")}),
                      "page record has 3 field", "page 1, \"\\SYSTEM/\" section, page record"},
        MalformedCase{"PageRecordFocusNotANumber",
                      fileText({withSystem("#a =, 1, 1, 1# #0,T,Bends,one#")}),
                      "\"one\" is not a number", "page record (record 2), field 4"},
        MalformedCase{"SectionWithoutVariables", fileText({withSystem("#0,T,Bends,1#")}),
                      "at least one variable", "page 1"},
        MalformedCase{"TooManyVariables", fileText({PageText{}, withSystem(tenVariables())}),
                      "10 variables", "page 2, \"\\SYSTEM/\""},
        MalformedCase{"MarkerBeyond32767",
                      fileText({PageText{}}) + QString(33000, 'x') +
                          "\\SYSTEM/#a =, 1, 1, 1# #0,T,Bends,1#\\SYSTEM/",
                      "beyond", ""},
        MalformedCase{
            "ShortUnitItem",
            fileText({withUnit("\\ROW/@m, 1@\\ROW/ \\ROW/@m,0,1@\\ROW/ \\ROW/@m,0,1@\\ROW/")}),
            "unit item has 2 field", "page 1, \"\\UNIT/\" section, row 1, unit item 1"},
        MalformedCase{"NoUnitItemAnywhere", fileText({withUnit("\\ROW/ \\ROW/")}),
                      "holds a unit item", ""},
        MalformedCase{"IntegerOverflow", fileText({withSystem("#a =, 1, 40000, 1# #0,T,Bends,1#")}),
                      "too large", "variable record 1, field 3"},
        MalformedCase{"LayoutOverflow", fileText({PageText{}}, "#400, 6400, 99999, 6400#"),
                      "too large", "field 3"},
        MalformedCase{"SingleOverflow", fileText({withSystem("#a =, 1E40, 1, 1# #0,T,Bends,1#")}),
                      "too large", "field 2"},
        MalformedCase{"DefaultUnitOutsideTheUnitTable",
                      fileText({withSystem("#a =, 1, 1, 1# #b =, 1, 3, 0# #c =, 1, 1, 0# "
                                           "#0,T,Bends,1#")}),
                      "default unit 3", "page 1, \"\\SYSTEM/\" section, variable record 2"},
        MalformedCase{"DefaultUnitZero",
                      fileText({withSystem("#a =, 1, 0, 1# #b =, 1, 1, 0# #c =, 1, 1, 0# "
                                           "#0,T,Bends,1#")}),
                      "default unit 0", "variable record 1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Loaders, AFileThatIsNotRtfIsRefused) {
  testing::TempFolder folder;
  const QString path = folder.write("Vantrel.rtf", "plain text, not rich text");
  PageTables tables;
  testing::RecordingLoadView view;
  rtf::WorkingDocument doc;
  try {
    ReadSystemData(doc, tables, path, view);
    FAIL() << "loaded";
  } catch (const DataFileError& error) {
    EXPECT_TRUE(error.problem().contains("not an RTF document"));
  }
}

}  // namespace
}  // namespace vantrel::datafile
