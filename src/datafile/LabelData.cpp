// The unit rows of every page's "\UNIT/" section, read in two passes: the first counts the unit
// items of every row to size the unit tables, the second fills them.

#include <algorithm>

#include "datafile/DataFileError.h"
#include "datafile/Loaders.h"
#include "datafile/RecordPrimitives.h"
#include "datafile/SectionNames.h"

namespace vantrel::datafile {

namespace {

constexpr Integer kMaxUnits = 50;

rtf::RichText cutUnitSection(rtf::WorkingDocument& sData, const rtf::RichText& sSysData,
                             Integer page) {
  sData.setTextRtf(sSysData);
  cutItem(sData, page, kUnitTag);
  return sData.textRtf();
}

rtf::RichText cutRow(rtf::WorkingDocument& sData, const rtf::RichText& unitSection, Integer var) {
  sData.setTextRtf(unitSection);
  cutItem(sData, var, kRowTag);
  return sData.textRtf();
}

void readUnitItem(rtf::WorkingDocument& sData, PageTables& t, const rtf::RichText& row, Integer i,
                  Integer j, Integer k) {
  sData.setTextRtf(row);
  cutItem(sData, k, kUnitItemTag);
  const std::vector<rtf::RichText> fields =
      splitRecord(sData, 3, QStringLiteral("unit item"), QStringLiteral(" (name, format, factor)"));
  t.UnitName(i, j, k) = fieldText(sData, fields[1]);
  t.UnitFormat(i, j, k) = fieldText(sData, fields[2]);
  t.UnitFactor(i, j, k) = recordSingle(sData, fields, 3);
}

}  // namespace

void GetLabelData(rtf::WorkingDocument& sData, PageTables& tables, const rtf::RichText& sSysData) {
  const Integer pages = tables.PageCount;
  Array2<Integer> count(pages, tables.MaxVarCount);
  Integer umax = 0;
  for (Integer i = 1; i <= pages; ++i) {
    withContext(pagePlace(i, kUnitTag), [&] {
      const rtf::RichText unitSection = cutUnitSection(sData, sSysData, i);
      for (Integer j = 1; j <= tables.VarCount(i); ++j) {
        withContext(numberedPlace("row", j), [&] {
          cutRow(sData, unitSection, j);
          count(i, j) = countItems(sData, kMaxUnits, kUnitItemTag);
          umax = std::max(umax, count(i, j));
        });
      }
    });
  }
  if (umax == 0) {
    throw DataFileError(
        QStringLiteral("no \"%1\" row of any \"%2\" section holds a unit item (\"@\" ... \"@\")")
            .arg(kRowTag, kUnitTag));
  }

  tables.UnitName = Array3<QString>(pages, tables.MaxVarCount, umax);
  tables.UnitFormat = Array3<QString>(pages, tables.MaxVarCount, umax);
  tables.UnitFactor = Array3<Single>(pages, tables.MaxVarCount, umax + 1);
  for (Integer i = 1; i <= pages; ++i) {
    withContext(pagePlace(i, kUnitTag), [&] {
      const rtf::RichText unitSection = cutUnitSection(sData, sSysData, i);
      for (Integer j = 1; j <= tables.VarCount(i); ++j) {
        withContext(numberedPlace("row", j), [&] {
          const rtf::RichText row = cutRow(sData, unitSection, j);
          for (Integer k = 1; k <= count(i, j); ++k) {
            withContext(numberedPlace("unit item", k),
                        [&] { readUnitItem(sData, tables, row, i, j, k); });
          }
        });
      }
    });
  }
}

}  // namespace vantrel::datafile
