// The loaders on small data files written for each case.

#include <gtest/gtest.h>

#include "datafile/DataFileError.h"
#include "datafile/LoaderFixture.h"

namespace vantrel::datafile {
namespace {

using testing::fileText;
using testing::LoadResult;
using testing::PageText;

// Tabs left on the strip from the window's design are removed first.
TEST(Loaders, ReadOnePageCompletely) {
  LoadResult r;
  r.captions = r.toolTips = QStringList{"left from the design", "and another"};
  testing::loadText(fileText({PageText{}}), r);
  const PageTables& t = r.tables;
  EXPECT_EQ(r.progress, (std::vector<int>{5, 10, 27, 28, 38, 77, 100}));
  EXPECT_EQ(QList<int>({r.layout.TabHeight, r.layout.TabWidth, r.layout.FormHeight,
                        r.layout.FormWidth, t.PageCount, t.MaxVarCount, t.VarCount(1),
                        t.MaxCaptionLen, t.VarUnitDefault(1, 1), t.VarUnit(1, 1), t.UnknownVar(1),
                        t.VarCheck(1, 3), t.SplitRow(1), t.FocusRow(1), t.FocusRowDefault(1),
                        t.unitListLength(1, 1), t.TipInterval, t.TipTicks, t.TipShown}),
            QList<int>({400, 6400, 6000, 6400, 1, 4, 3, 12, 2, 2, 3, 1, 0, 1, 0, 2, 1000, 10, 0}));
  EXPECT_EQ(QList<Single>({t.VarDefault(1, 2), t.VarValue(1, 2), t.UnitFactor(1, 1, 2),
                           t.UnitFactor(1, 1, 3)}),  // the slot after the longest row ends lists
            QList<Single>({0.01f, 0.01f, 1000, 0}));
  EXPECT_EQ(QStringList({t.VarCaptionRTF(1, 1).plainText(), t.PageTitle(1), t.PageCaption(1),
                         t.RangeExpr(1, 1), t.UnitName(1, 2, 1), t.UnitFormat(1, 1, 2),
                         t.PageTips(1).plainText(), r.captions.join('|'), r.toolTips.join('|')}),
            QStringList({"&Diameter =", "Bends :- Loss of a bend", "Bends", "F,>0~10",
                         QString::fromUtf8("m\u00b3/s"), "0.0",
                         "#first tip# #second tip# #third tip#", "Bends", "- Loss of a bend"}));
}

// Page 1 has a focus row off the page and default units its own list does not offer: the
// window focuses row 1 then, and shows the value with the factor of the unit slot. Names and
// expressions stay as written (a blank is the name of "no unit"), and a tooltip is the title
// after its first ":-". Page 2 has no sections but its own and reads page 1's; 23 more pages
// are ignored, and a row contributes at most 50 units.
TEST(Loaders, ReadWhatIsWrittenAndWhatIsMissing) {
  PageText first;
  first.system = "#a =, 1, 2, 1# #ab =, 2, 3, 1# #c =, 3, 1, 0# #0,A :- b :- c,Bends,7#";
  first.unit = "\\ROW/@ ,0,1@\\ROW/ \\ROW/@m,0,1@ @x,0,0@ @y,0,5@\\ROW/ \\ROW/@m ,0,9@";
  for (int k = 1; k <= 55; ++k)
    first.unit += QString(" @u%1, 0, %1@").arg(k);
  first.range = "# F, 0~10 # #F,1,2,5#";
  QString text = fileText({first}).replace("@u55, 0, 55@", "@u55, 0, 55@\\ROW/");
  for (int page = 2; page <= 25; ++page)
    text += "\\SYSTEM/#a =, 1, 1, 0# #b =, 1, 1, 0# #0,T,Bends,1#\\SYSTEM/\n";
  LoadResult r;
  testing::loadText(text, r);
  const PageTables& t = r.tables;
  EXPECT_EQ(QList<int>({t.PageCount, t.UnitFactor.upper3(), t.MaxCaptionLen, t.UnknownVar(1),
                        t.VarCheck(1, 2), t.UnknownVar(2), t.FocusRow(1), t.VarUnitDefault(1, 1),
                        t.VarUnitDefault(1, 2), t.unitListLength(1, 2), t.unitListLength(1, 3),
                        static_cast<int>(r.captions.size())}),
            QList<int>({20, 51, 5, 1, 1, 0, 7, 2, 3, 1, 50, 20}));
  EXPECT_EQ(QList<Single>({t.UnitFactor(1, 2, 3), t.UnitFactor(1, 3, 50)}), QList<Single>({5, 49}));
  EXPECT_EQ(
      QStringList({t.UnitName(1, 1, 1), t.UnitName(1, 3, 1), t.UnitName(2, 1, 1), t.RangeExpr(1, 1),
                   t.RangeExpr(1, 3), t.RangeExpr(2, 2), r.toolTips[0], r.toolTips[1]}),
      QStringList({" ", "m ", " ", " F, 0~10 ", "F,1,2,5", "F,1,2,5", "- b :- c", "T"}));
  EXPECT_EQ(t.PageTips(2).plainText(), t.PageTips(1).plainText());
}

// Every kind of malformed file is refused with what is wrong and where.
TEST(Loaders, MalformedFilesAreRefusedWithThePlace) {
  const auto with = [](const QString& system, const QString& unit = PageText{}.unit) {
    PageText page;
    page.system = system;
    page.unit = unit;
    return fileText({PageText{}, page});
  };
  const QString three = "#b =, 1, 1, 0# #c =, 1, 1, 0# #0,T,Bends,1#";
  const struct {
    QString text, problem, place;  // parts of the problem and the place
  } cases[] = {
      {"\\Form/#400, 6400, 6000, 6400#\\Form/", "no \"\\SYSTEM/\"", ""},
      {fileText({PageText{}}, "#400, 6400, 6000#"), "layout record has 3 field", "\\Form/"},
      {with("#a =, 1, 1, 1# #0,T,Bends,one#"), "\"one\" is not a number",
       "page record (record 2), field 4"},
      {with(QString("#v =, 1, 1, 0# ").repeated(10) + "#0,T,Bends,1#"), "10 variables", "page 2"},
      {with("#a =, 1, 1, 1# " + three, "\\ROW/@m, 1@\\ROW/"), "unit item has 2 field",
       "page 2, \"\\UNIT/\" section, row 1, unit item 1"},
      {fileText({PageText{}}).replace("@", ""), "holds a unit item", ""},
      {with("#a =, 1, 40000 # " + three), "variable record has 3 field",
       "page 2, \"\\SYSTEM/\" section, variable record 1"},
      {with("#a =, 1, 40000, 1# " + three), "too large", "variable record 1, field 3"},
      // Default units outside the unit table (the longest row has 2 units).
      {with("#a =, 1, 3, 1# " + three), "default unit 3", "page 2, \"\\SYSTEM/\" section"},
      {with("#a =, 1, 0, 1# " + three), "default unit 0", "variable record 1"},
      {with("#a =, 3e38, 2, 1# " + three), "default unit (factor 1000) can show",
       "variable record 1"},
  };
  for (const auto& c : cases) {
    LoadResult r;
    try {
      testing::loadText(c.text, r);
      ADD_FAILURE() << "loaded: " << c.problem.toStdString();
    } catch (const DataFileError& error) {
      EXPECT_TRUE(error.problem().contains(c.problem)) << error.message().toStdString();
      EXPECT_TRUE(error.location().contains(c.place)) << error.message().toStdString();
    }
  }
}

}  // namespace
}  // namespace vantrel::datafile
