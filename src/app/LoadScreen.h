#pragma once
// What loading the data file shows: the splash window's progress bar, the window and tab strip
// sizes, and the tabs of the window's tab strip.

#include <QTabBar>
#include <functional>

#include "app/frmSplash.h"
#include "datafile/LoadSequence.h"

namespace vantrel::app {

// The window's tab strip, with positions from 1.
class TabBarStrip : public datafile::TabStrip {
 public:
  explicit TabBarStrip(QTabBar& bar) : bar_(bar) {}
  int tabCount() const override { return bar_.count(); }
  void removeTab(int position) override { bar_.removeTab(position - 1); }
  void addTab(const QString& caption) override { bar_.addTab(caption); }
  void setTabToolTip(int position, const QString& toolTip) override {
    bar_.setTabToolTip(position - 1, toolTip);
  }

 private:
  QTabBar& bar_;
};

class LoadScreen : public datafile::LoadView {
 public:
  using LayoutSink = std::function<void(const datafile::FormLayout&)>;
  LoadScreen(frmSplash& splash, QTabBar& tabBar, LayoutSink applyLayout)
      : splash_(splash), strip_(tabBar), applyLayout_(std::move(applyLayout)) {}

  void setProgress(int percent) override { splash_.setProgress(percent); }
  void applyLayout(const datafile::FormLayout& layout) override { applyLayout_(layout); }
  datafile::TabStrip& tabStrip() override { return strip_; }

 private:
  frmSplash& splash_;
  TabBarStrip strip_;
  LayoutSink applyLayout_;
};

}  // namespace vantrel::app
