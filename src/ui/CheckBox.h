#pragma once
// A check box that the program may show grey (partially checked) but that a user's click or
// Space only ever checks or unchecks: a grey box becomes checked. A plain QCheckBox set to grey
// turns three-state for good (and must stay so to keep reporting grey), and then cycles through
// grey on every later click.

#include <QCheckBox>

namespace vantrel::ui {

class CheckBox : public QCheckBox {
  Q_OBJECT

 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override;
};

}  // namespace vantrel::ui
