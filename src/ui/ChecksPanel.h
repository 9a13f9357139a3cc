#pragma once
// The status bar's panel of the engineer's checks: one line, cut to the panel's width with an
// ellipsis, and the whole list on hover. A warning is shown in the warning colour and its line
// begins with the word "Warning". Screen readers get the panel as a label named "Checks" whose
// text is the whole line and whose description is the whole list, and are told when either
// changes.

#include <QLabel>

namespace vantrel::ui {

class ChecksPanel : public QLabel {
  Q_OBJECT

 public:
  explicit ChecksPanel(QWidget* parent = nullptr);

  // Shows `line`, with `details` on hover and as the description; a warning in its colour.
  void showChecks(const QString& line, const QString& details, bool warning);

  // The panel takes the width the status bar gives it: a long line is cut, not a reason to grow.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool warning_ = false;
};

}  // namespace vantrel::ui
