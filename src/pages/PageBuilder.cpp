#include "pages/PageBuilder.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "calc/CaptionText.h"
#include "numtext/NumberFormat.h"
#include "numtext/NumberReading.h"
#include "pages/ChecksRefresh.h"
#include "ui/CheckBox.h"
#include "ui/RichTextBox.h"
#include "ui/Twips.h"

namespace vantrel::pages {

namespace {

using L = PageLayout;

// Layout arithmetic is done in 16-bit Integers; a sum that does not fit is a run-time failure.
Integer i16(double value) {
  return numtext::roundToInteger(value);
}

Qt::CheckState checkState(Integer value) {
  switch (value) {
    case 0:
      return Qt::Unchecked;
    case 1:
      return Qt::Checked;
    case 2:
      return Qt::PartiallyChecked;
    default:
      throw std::invalid_argument("Invalid property value");
  }
}

void placeTemplateRow(const PageControls& c) {
  ui::setTwipsTop(c.chkV(1), L::kCheckTop);
  ui::setTwipsTop(c.txtV(1), L::kValueTop);
  ui::setTwipsTop(c.lblUnit(1), L::kUnitTop);
  ui::setTwipsLeft(c.chkV(1), L::kCheckLeft);
}

// Opens the second frame at row i of n; returns the row offset that puts row i 200 twips below
// the second frame's top edge.
Integer openSecondFrame(const PageControls& c, Integer rowOffset, Integer rowHeight, int i, int n) {
  QGroupBox* first = c.Imgbox(0);
  QGroupBox* second = c.Imgbox(1);
  ui::setTwipsHeight(first,
                     i16(rowOffset + ui::twipsTop(c.chkV(1)) - rowHeight + L::kFrameBottomMargin));
  ui::setTwipsTop(second, i16(ui::twipsTop(first) + ui::twipsHeight(first) + L::kFrameSpacing));
  ui::setTwipsHeight(second, i16(i16(rowHeight + L::kRowGap) * i16(n - i + 1) + 2 * L::kFrameGap));
  second->setVisible(true);
  return i16(2 * L::kFrameGap + ui::twipsTop(second) - ui::twipsTop(c.txtV(1)));
}

void fillRow(PageDataForm& form, Integer page, int i) {
  const PageControls& c = form.controls;
  datafile::PageTables& t = form.tables;
  QCheckBox* box = c.chkV(i);
  c.chkV(i)->setVisible(true);
  c.txtV(i)->setVisible(true);
  c.lblUnit(i)->setVisible(true);
  const QString caption = t.VarCaptionRTF(page, i).plainText();
  box->setText(caption);
  c.txtV(i)->setAccessibleName(calc::shownCaption(caption));
  c.lblUnit(i)->setAccessibleName(QStringLiteral("Unit of ") + calc::shownCaption(caption));
  box->setCheckState(checkState(t.VarCheck(page, i)));
  if (CheckValue(box) == 1) box->setText(box->text() + QLatin1Char('?'));
}

void placeColumns(const PageControls& c, Integer maxCaptionLen, int n) {
  const Integer captionWidth = i16(maxCaptionLen * L::kCaptionCharWidth);
  for (int i = 1; i <= n; ++i) {
    ui::setTwipsWidth(c.chkV(i), captionWidth);
    ui::setTwipsLeft(c.txtV(i), i16(captionWidth + ui::twipsLeft(c.chkV(i)) + L::kCaptionToValue));
    ui::setTwipsLeft(c.lblUnit(i),
                     i16(ui::twipsWidth(c.txtV(i)) + ui::twipsLeft(c.txtV(i)) + L::kValueToUnit));
  }
  QGroupBox* first = c.Imgbox(0);
  ui::setTwipsWidth(first,
                    i16(L::kFrameBeyondUnit + ui::twipsLeft(c.lblUnit(1)) - ui::twipsLeft(first)));
  ui::setTwipsWidth(c.Imgbox(1), ui::twipsWidth(first));
  const Integer x = i16(ui::twipsLeft(c.Imgbox(1)) + ui::twipsWidth(c.Imgbox(1)));
  for (QPushButton* button : {c.btnExit(), c.btnReset(), c.btnCompute(), c.btnHelp()}) {
    ui::setTwipsLeft(button, i16(x + L::kFramesToButtons));
  }
}

// What a screen reader says of the frames: which rows each holds.
void nameFrames(const PageControls& c, int s, int n) {
  const bool split = s >= 2 && s <= n;
  const int lastOfFirst = split ? s - 1 : n;
  auto rows = [](int first, int last) {
    return first == last ? QStringLiteral("Row %1").arg(first)
                         : QStringLiteral("Rows %1 to %2").arg(first).arg(last);
  };
  c.Imgbox(0)->setAccessibleName(rows(1, lastOfFirst));
  c.Imgbox(1)->setAccessibleName(split ? rows(s, n) : QString());
}

// The value boxes come first, then the check boxes, then Exit, Reset and Compute.
void setTabOrder(const PageDataForm& form, int n) {
  const PageControls& c = form.controls;
  QWidget* previous = form.tabStrip;
  auto chain = [&previous](QWidget* next) {
    if (previous != nullptr) QWidget::setTabOrder(previous, next);
    previous = next;
  };
  for (int i = 1; i <= n; ++i)
    chain(c.txtV(i));
  for (int i = 1; i <= n; ++i)
    chain(c.chkV(i));
  chain(c.btnExit());
  chain(c.btnReset());
  chain(c.btnCompute());
  chain(c.btnHelp());
}

}  // namespace

void CreatePage(PageDataForm& form, Integer& page) {
  PageControls& c = form.controls;
  datafile::PageTables& t = form.tables;
  const Integer rowHeight = i16(ui::twipsHeight(c.txtV(1)));
  placeTemplateRow(c);
  // Cleared however the build ends: a build that failed half-way must not leave the check boxes
  // deaf to the user.
  form.PageBuilding = kTrue;
  const std::unique_ptr<Integer, void (*)(Integer*)> building(
      &form.PageBuilding, [](Integer* flag) { *flag = kFalse; });
  Integer rowOffset = 0;
  ui::setTwipsTop(c.Imgbox(0), L::kFrameTop);
  ui::setTwipsLeft(c.Imgbox(0), L::kFrameLeft);
  ui::setTwipsLeft(c.Imgbox(1), L::kFrameLeft);

  const int n = t.VarCount(page);
  const int s = t.SplitRow(page);
  for (int i = 1; i <= n; ++i) {
    if (i > 1) {
      c.createRow(i);
      rowOffset = i16(rowOffset + rowHeight + L::kRowGap);
      if (i == s) {
        rowOffset = i16(rowOffset + L::kFrameGap);
        rowOffset = openSecondFrame(c, rowOffset, rowHeight, i, n);
      }
      ui::setTwipsTop(c.chkV(i), i16(ui::twipsTop(c.chkV(1)) + rowOffset));
      ui::setTwipsTop(c.txtV(i), i16(ui::twipsTop(c.txtV(1)) + rowOffset));
      ui::setTwipsTop(c.lblUnit(i), i16(ui::twipsTop(c.lblUnit(1)) + rowOffset));
    }
    fillRow(form, page, i);
  }
  if (s == 0) {
    ui::setTwipsHeight(c.Imgbox(0),
                       i16(rowOffset + ui::twipsTop(c.chkV(1)) + L::kFrameBottomMargin));
    c.Imgbox(1)->setVisible(false);
  }
  placeColumns(c, t.MaxCaptionLen, n);

  form.session().enterPage(page);
  // The unknown shows a computed result, so its value box takes no typing.
  for (int i = 1; i <= n; ++i)
    MarkComputed(c.txtV(i), i == form.program.CurUnknown);
  nameFrames(c, s, n);
  form.PageBuilding = kFalse;
  form.window->setWindowTitle(t.PageTitle(t.CurPage));
  setTabOrder(form, n);
}

void FitUnitFields(PageDataForm& form) {
  QLineEdit* field = form.controls.lblUnit(1);  // the template of every row's field
  const datafile::PageTables& t = form.tables;
  // Most names come again on many rows; each is measured once.
  QSet<QString> names;
  for (int page = 1; page <= t.UnitName.upper1(); ++page) {
    for (int var = 1; var <= t.UnitName.upper2(); ++var) {
      for (int unit = 1; unit <= t.UnitName.upper3(); ++unit)
        names.insert(t.UnitName(page, var, unit));
    }
  }
  const QFontMetrics metrics(field->font());
  int widest = 0;
  for (const QString& name : names)
    widest = std::max(widest, metrics.horizontalAdvance(name));
  QStyleOptionFrame frame;
  frame.initFrom(field);
  frame.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, field);
  const QRect text = field->style()->subElementRect(QStyle::SE_LineEditContents, &frame, field);
  // Around the text: the frame, and the margin of 2 pixels a line edit keeps on either side.
  constexpr int kLineEditMargins = 2 * 2;
  const int needed = widest + field->width() - text.width() + kLineEditMargins + 1;
  const int twips = static_cast<int>(std::ceil(ui::pixelsToTwipsX(needed, field)));
  ui::setTwipsWidth(field, std::clamp(twips, static_cast<int>(L::kUnitWidth),
                                      L::kFrameBeyondUnit - L::kUnitFrameClear));
}

void RemovePage(PageDataForm& form) {
  for (int k = form.controls.rowCount(); k >= 2; --k)
    form.controls.removeRow(k);
  // A tip up now describes a row of the page that goes, and would stay beneath the new rows.
  form.rTxtTips->hide();
  // The focus arriving at a box of the page to come is an arrival, whichever box it is.
  form.GotFocusRow = 0;
}

// The rewrite is not an edit: every box shows its stored value afterwards, so nothing is left to
// commit.
void DisplayValues(PageDataForm& form) {
  const calc::PageSession session = form.session();
  const ProgramWrites writes(form);
  for (Integer i = 1; i <= session.rowCount(); ++i) {
    form.controls.txtV(i)->setText(session.valueText(i));
    form.controls.lblUnit(i)->setText(session.unitName(i));
  }
  RefreshChecks(form);
}

Integer CheckValue(const QCheckBox* box) {
  switch (box->checkState()) {
    case Qt::Checked:
      return 1;
    case Qt::PartiallyChecked:
      return 2;
    default:
      return 0;
  }
}

void MarkComputed(QLineEdit* box, bool computed) {
  box->setReadOnly(computed);
  box->setAccessibleDescription(computed ? QStringLiteral("Computed") : QString());
}

}  // namespace vantrel::pages
