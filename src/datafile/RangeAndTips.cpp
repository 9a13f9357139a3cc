// The "\Range/" and "\Tips/" sections, and the tabs of the tab strip.

#include "datafile/DataFileError.h"
#include "datafile/Loaders.h"
#include "datafile/RecordPrimitives.h"
#include "datafile/SectionNames.h"

namespace vantrel::datafile {

void SetUpPage(const PageTables& tables, TabStrip& tabStrip) {
  for (int n = tabStrip.tabCount(); n >= 1; --n)
    tabStrip.removeTab(n);
  for (Integer i = 1; i <= tables.PageCount; ++i) {
    tabStrip.addTab(tables.PageCaption(i));
    const QString& title = tables.PageTitle(i);
    const int k = title.indexOf(QStringLiteral(":-"), 0, Qt::CaseSensitive) + 1;
    tabStrip.setTabToolTip(i, title.right(title.size() - k));
  }
}

void GetRangeData(rtf::WorkingDocument& sData, PageTables& tables, const rtf::RichText& sFileData) {
  for (Integer i = 1; i <= tables.PageCount; ++i) {
    withContext(pagePlace(i, kRangeTag), [&] {
      sData.setTextRtf(sFileData);
      cutItem(sData, i, kRangeTag);
      const rtf::RichText section = sData.textRtf();
      for (Integer j = 1; j <= tables.VarCount(i); ++j) {
        withContext(numberedPlace("record", j), [&] {
          sData.setTextRtf(section);
          cutItem(sData, j, kRecordTag);
          tables.RangeExpr(i, j) = sData.text();
        });
      }
    });
  }
}

void GetTipsData(rtf::WorkingDocument& sData, PageTables& tables, const rtf::RichText& sFileData) {
  for (Integer i = 1; i <= tables.PageCount; ++i) {
    withContext(pagePlace(i, kTipsTag), [&] {
      sData.setTextRtf(sFileData);
      cutItem(sData, i, kTipsTag);
      tables.PageTips(i) = sData.textRtf();
    });
  }
  tables.TipInterval = 1000;
  tables.TipTicks = 10;
  tables.TipShown = 0;
}

}  // namespace vantrel::datafile
