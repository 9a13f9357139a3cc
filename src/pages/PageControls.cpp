#include "pages/PageControls.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <stdexcept>

#include "common/OneBased.h"
#include "ui/CheckBox.h"
#include "ui/Twips.h"

namespace vantrel::pages {

namespace {

QPushButton* makeButton(QWidget* area, const QString& caption, int left, int top) {
  auto* button = new QPushButton(caption, area);
  ui::setTwipsRect(button, QRect(left, top, 975, 375));
  return button;
}

// The unit field is a text box that serves as a label: it shows the unit's name on the
// button-face colour, without a frame that would take room from the name, cannot be typed into
// and is not a tab stop.
void styleAsLabel(QLineEdit* field) {
  field->setReadOnly(true);
  field->setFrame(false);
  field->setFocusPolicy(Qt::NoFocus);
  field->setCursor(Qt::PointingHandCursor);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  field->setPalette(palette);
}

// A copy takes the template's size, left edge, font, colours and tooltip, and starts hidden.
template <typename Control>
Control* copyOf(const Control* source, QWidget* area) {
  auto* copy = new Control(area);
  copy->hide();
  copy->setFont(source->font());
  copy->setPalette(source->palette());
  copy->setToolTip(source->toolTip());
  copy->setFocusPolicy(source->focusPolicy());
  copy->setCursor(source->cursor());
  copy->setMouseTracking(source->hasMouseTracking());
  ui::setTwipsRect(copy, ui::twipsRect(source));
  copy->raise();
  return copy;
}

}  // namespace

PageControls::PageControls(QWidget* area) : area_(area) {
  for (std::size_t i = 0; i < imgbox_.size(); ++i) {
    imgbox_[i] = new QGroupBox(area);
    ui::setTwipsRect(imgbox_[i], QRect(350, 200, 4200, 4000));
  }
  imgbox_[1]->hide();

  PageRow first;
  first.chkV = new ui::CheckBox(QStringLiteral("&Pipe Dia. ="), area);
  ui::setTwipsRect(first.chkV, QRect(630, 480, 960, 330));
  first.txtV = new QLineEdit(QStringLiteral("300"), area);
  QFont valueFont(QStringLiteral("Times New Roman"));
  valueFont.setPointSizeF(9.75);
  valueFont.setWeight(QFont::Normal);
  first.txtV->setFont(valueFont);
  ui::setTwipsRect(first.txtV, QRect(1800, 480, 1095, 330));
  first.lblUnit = new QLineEdit(QStringLiteral("mm"), area);
  styleAsLabel(first.lblUnit);
  ui::setTwipsRect(first.lblUnit, QRect(3000, 600, 615, 285));
  for (QWidget* control : {static_cast<QWidget*>(first.chkV), static_cast<QWidget*>(first.txtV),
                           static_cast<QWidget*>(first.lblUnit)}) {
    control->raise();
  }
  rows_.push_back(first);

  btnExit_ = makeButton(area, QStringLiteral("&Exit"), 4710, 360);
  btnReset_ = makeButton(area, QStringLiteral("Reset"), 4710, 840);
  btnCompute_ = makeButton(area, QStringLiteral("Compute"), 4710, 1320);
  btnHelp_ = makeButton(area, QStringLiteral("Help"), 4680, 1800);
}

const PageRow& PageControls::row(int i) const {
  if (i < 1 || i > rowCount()) throw IndexError();
  return rows_[static_cast<std::size_t>(i - 1)];
}

void PageControls::createRow(int i) {
  if (i != rowCount() + 1) {
    throw std::logic_error("Control array element '" + std::to_string(i) + "' already exists");
  }
  const PageRow& first = rows_.front();
  PageRow copy;
  copy.chkV = copyOf(first.chkV, area_);
  copy.txtV = copyOf(first.txtV, area_);
  copy.lblUnit = copyOf(first.lblUnit, area_);
  copy.txtV->setText(first.txtV->text());
  copy.lblUnit->setText(first.lblUnit->text());
  styleAsLabel(copy.lblUnit);
  rows_.push_back(copy);
  if (rowCreated_) rowCreated_(copy);
}

void PageControls::setRowCreated(std::function<void(const PageRow&)> rowCreated) {
  rowCreated_ = std::move(rowCreated);
  for (const PageRow& row : rows_)
    rowCreated_(row);
}

void PageControls::removeRow(int i) {
  if (i < 2 || i != rowCount()) throw IndexError();
  // The row leaves the table before its controls go, so that nothing their destruction raises
  // (the loss of the focus, for one) is taken for an event of the page.
  const PageRow last = rows_.back();
  rows_.pop_back();
  delete last.chkV;
  delete last.txtV;
  delete last.lblUnit;
}

}  // namespace vantrel::pages
