#pragma once
// The splash window shown while the data file loads: the program's title, version, maker and
// notice, and the progress bar of loading.

#include <QElapsedTimer>
#include <QWidget>

#include "common/ProgramWide.h"

class QLabel;
class QProgressBar;

namespace vantrel::app {

class frmSplash : public QWidget {
  Q_OBJECT

 public:
  explicit frmSplash(ProgramWide& program);

  // Takes AppFolder on the first load only, fills the labels, shows the window centred above
  // all others and lets it be drawn once.
  void Form_Load();
  void setProgress(int percent);
  int progress() const;
  QString versionText() const;

 private:
  ProgramWide& program_;
  QLabel* lblVersion_;
  QLabel* lblTitle_;
  QLabel* lblMaker_;
  QLabel* lblNotice_;
  QProgressBar* Pbload_;
  QElapsedTimer sinceDrawn_;  // since the bar was last drawn
  static constexpr int kFrameMs = 16;
  bool loadedBefore_ = false;
};

}  // namespace vantrel::app
