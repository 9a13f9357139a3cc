#pragma once
// The fixed order in which the data file is loaded, with the progress it reports.

#include <QString>

#include "datafile/Loaders.h"

namespace vantrel::datafile {

// What loading shows on the screen: the splash window's progress bar, the sizes of the window
// and its tab strip, and the tabs. A window-free caller supplies a silent one.
class LoadView {
 public:
  virtual ~LoadView() = default;
  virtual void setProgress(int percent) = 0;
  virtual void applyLayout(const FormLayout& layout) = 0;
  virtual TabStrip& tabStrip() = 0;
};

// Loading that shows nothing, for the programs and tools without a window: the tabs are only
// counted.
class SilentLoadView : public LoadView, private TabStrip {
 public:
  void setProgress(int) override {}
  void applyLayout(const FormLayout&) override {}
  TabStrip& tabStrip() override { return *this; }

 private:
  int tabCount() const override { return tabs_; }
  void removeTab(int) override { --tabs_; }
  void addTab(const QString&) override { ++tabs_; }
  void setTabToolTip(int, const QString&) override {}
  int tabs_ = 0;
};

// Reads the data file at path into tables: sGetPagePara, allocation, GetSystemPara, SetUpPage,
// GetRangeData, GetLabelData, GetTipsData and the table check, advancing the progress from
// 5 to 100. Throws DataFileError for a malformed file.
void ReadSystemData(rtf::WorkingDocument& sData, PageTables& tables, const QString& path,
                    LoadView& view);

}  // namespace vantrel::datafile
