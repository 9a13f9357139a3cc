#pragma once
// The tab strip as the page set-up sees it: tabs at 1-based positions.

#include <QString>

namespace vantrel::datafile {

class TabStrip {
 public:
  virtual ~TabStrip() = default;
  virtual int tabCount() const = 0;
  virtual void removeTab(int position) = 0;
  virtual void addTab(const QString& caption) = 0;
  virtual void setTabToolTip(int position, const QString& toolTip) = 0;
};

}  // namespace vantrel::datafile
