#pragma once
// The controls of the page area that building a page creates, moves and removes: the rows (check
// box, value box and unit field of each variable), the two frames and the command buttons. Row 1
// exists from the window's creation and is the template of every further row.

#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "ui/CheckBox.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vantrel::pages {

struct PageRow {
  ui::CheckBox* chkV = nullptr;
  QLineEdit* txtV = nullptr;
  QLineEdit* lblUnit = nullptr;
};

class PageControls {
 public:
  // Creates row 1, the frames and the buttons as designed, as children of area (positions in
  // twips relative to it).
  explicit PageControls(QWidget* area);

  QWidget* area() const { return area_; }
  QGroupBox* Imgbox(int index) const { return imgbox_.at(static_cast<std::size_t>(index)); }
  QPushButton* btnExit() const { return btnExit_; }
  QPushButton* btnReset() const { return btnReset_; }
  QPushButton* btnCompute() const { return btnCompute_; }
  QPushButton* btnHelp() const { return btnHelp_; }

  // Rows 1 ... rowCount() exist. row(i) throws IndexError for a row that does not exist.
  int rowCount() const { return static_cast<int>(rows_.size()); }
  const PageRow& row(int i) const;
  ui::CheckBox* chkV(int i) const { return row(i).chkV; }
  QLineEdit* txtV(int i) const { return row(i).txtV; }
  QLineEdit* lblUnit(int i) const { return row(i).lblUnit; }

  // Creates row i (which must be the next one) as a hidden copy of row 1 in front of the frames.
  void createRow(int i);
  // Removes row i (the last one, never row 1).
  void removeRow(int i);

  // Called with every row as it comes into being (row 1 included), so that the window can
  // listen to its controls.
  void setRowCreated(std::function<void(const PageRow&)> rowCreated);

 private:
  QWidget* area_;
  std::array<QGroupBox*, 2> imgbox_{};
  QPushButton* btnExit_ = nullptr;
  QPushButton* btnReset_ = nullptr;
  QPushButton* btnCompute_ = nullptr;
  QPushButton* btnHelp_ = nullptr;
  std::vector<PageRow> rows_;
  std::function<void(const PageRow&)> rowCreated_;
};

}  // namespace vantrel::pages
