#pragma once
// Loads data files written from plain text through the whole loading sequence, without a window.

#include <QStringList>
#include <vector>

#include "QtPrinters.h"
#include "calc/CalcUi.h"
#include "datafile/LoadSequence.h"
#include "datafile/RtfText.h"

namespace vantrel::testing {

// One small page, as plain text of its four sections, that the tests vary.
struct PageText {
  QString system =
      "#&Diameter =, 0.1, 2, 0# #&Flow =, 0.01, 1, 0# #&Loss =, 0.07431, 1, 1#"
      " #0,Bends :- Loss of a bend,Bends,1#";
  QString unit =
      "\\ROW/@m,0.000,1@ @mm,0.0,1000@\\ROW/ \\ROW/@m\u00b3/s,0.00000,1@\\ROW/"
      " \\ROW/@m,0.000,1@\\ROW/";
  QString range = "#F,>0~10# #F,*# #F,0~100#";
  QString tips = "#first tip# #second tip# #third tip#";
};

inline QString fileText(const std::vector<PageText>& pages,
                        const QString& layout = "#400, 6400, 6000, 6400#") {
  QString text = "Layout\n\\Form/" + layout + "\\Form/\n";
  for (const PageText& page : pages) {
    text += "\\SYSTEM/" + page.system + "\\SYSTEM/\n";
    text += "\\UNIT/" + page.unit + "\\UNIT/\n";
    text += "\\Range/" + page.range + "\\Range/\n";
    text += "\\Tips/" + page.tips + "\\Tips/\n";
  }
  return text;
}

// The tables a file loads into, and what loading shows: progress, window layout and tabs.
struct LoadResult : datafile::LoadView, datafile::TabStrip {
  void setProgress(int percent) override { progress.push_back(percent); }
  void applyLayout(const datafile::FormLayout& l) override { layout = l; }
  datafile::TabStrip& tabStrip() override { return *this; }
  int tabCount() const override { return static_cast<int>(captions.size()); }
  void removeTab(int position) override {
    captions.removeAt(position - 1);
    toolTips.removeAt(position - 1);
  }
  void addTab(const QString& caption) override {
    captions.append(caption);
    toolTips.append(QString());
  }
  void setTabToolTip(int position, const QString& tip) override { toolTips[position - 1] = tip; }
  datafile::PageTables tables;
  std::vector<int> progress;
  datafile::FormLayout layout;
  QStringList captions, toolTips;
};

// Loads the data file at path, or text written as one; DataFileError escapes.
inline void loadFile(const QString& path, LoadResult& result) {
  rtf::WorkingDocument doc;
  datafile::ReadSystemData(doc, result.tables, path, result);
}
inline void loadText(const QString& text, LoadResult& result) {
  TempFolder folder;
  loadFile(folder.write("Vantrel.rtf", rtfFromPlain(text)), result);
}

// A page session's status line and messages, unseen; every question is answered No.
struct QuietUi : calc::CalcUi {
  void setStatusText(const QString&) override {}
  bool askYesNo(const QString&) override { return false; }
  void showCritical(const QString&) override {}
};

}  // namespace vantrel::testing
