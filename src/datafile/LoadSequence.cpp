#include "datafile/LoadSequence.h"

namespace vantrel::datafile {

void ReadSystemData(rtf::WorkingDocument& sData, PageTables& tables, const QString& path,
                    LoadView& view) {
  view.setProgress(5);
  const rtf::RichText whole = sGetPagePara(sData, tables, path);
  view.applyLayout(tables.Layout);
  tables.allocate();
  view.setProgress(10);
  GetSystemPara(sData, tables, whole);
  view.setProgress(27);
  SetUpPage(tables, view.tabStrip());
  view.setProgress(28);
  GetRangeData(sData, tables, whole);
  view.setProgress(38);
  GetLabelData(sData, tables, whole);
  view.setProgress(77);
  GetTipsData(sData, tables, whole);
  CheckPageTables(tables);
  view.setProgress(100);
}

}  // namespace vantrel::datafile
