#include "tips/TipBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "numtext/NumberReading.h"
#include "pages/PageDataForm.h"
#include "rtf/RichTextRender.h"
#include "rtf/WorkingDocument.h"
#include "ui/Dialogs.h"
#include "ui/RichTextBox.h"
#include "ui/Twips.h"

namespace vantrel::tips {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// A tip too long for the 16-bit layout arithmetic gets the largest box it can have.
int clampedTwips(long long product) {
  return static_cast<int>(std::min<long long>(product, std::numeric_limits<Integer>::max()));
}

// The tip is already in the box (UnpackTips put it there); this sizes, places and shows it.
void show(pages::PageDataForm& form, const QString& plainText) {
  ui::RichTextBox& box = *form.rTxtTips;
  DisplayRTF(box, plainText);
  const QLineEdit* value = form.controls.txtV(form.TipRow);
  // 50 twips per caption character to the left of the value box.
  const Integer captions = numtext::roundToInteger(form.tables.MaxCaptionLen * 100.0);
  const int left = ui::twipsLeft(value) - static_cast<int>(captions / 2.0);
  QRect r = ui::twipsRect(&box);
  r.moveTo(left, ui::twipsTop(value) + ui::twipsHeight(value));
  ui::setTwipsRect(&box, r);
  box.show();
  box.raise();
}

// What the tip box adds below a row's own tip (lines broken by CR LF): the row's table. Returns
// the plain text of the box.
QString addNote(pages::PageDataForm& form, const QString& tip) {
  const QString note = form.TipNote ? form.TipNote(form.TipRow) : QString();
  if (note.isEmpty()) return tip;
  QTextDocument* document = form.rTxtTips->document();
  if (tip.isEmpty()) document->clear();
  QTextCursor cursor(document);
  cursor.movePosition(QTextCursor::End);
  for (const QString& line : note.split(kLineBreak)) {
    if (!cursor.atStart()) cursor.insertBlock();
    cursor.insertText(line);
  }
  return tip.isEmpty() ? note : tip + kLineBreak + note;
}

// Clears a flag when the scope ends, however it ends.
class Running {
 public:
  explicit Running(bool& flag) : flag_(flag) { flag_ = true; }
  ~Running() { flag_ = false; }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;

 private:
  bool& flag_;
};

}  // namespace

rtf::RichText UnpackTips(pages::PageDataForm& form, ui::RichTextBox& sData,
                         const rtf::RichText& sTips, Integer iTipNo, const QString& sTag) {
  rtf::WorkingDocument doc;
  doc.setTextRtf(sTips);
  int found = 0;
  int from = 0;
  while (found < iTipNo) {
    const int open = doc.find(sTag, from);
    if (open < 0) break;
    // An opening mark without its closing one holds no tip.
    const int close = doc.find(sTag, open + 1);
    if (close < 0) break;
    doc.select(open + 1, close - open - 1);
    ++found;
    from = close + 1;
  }
  rtf::RichText tip;
  if (found < iTipNo || iTipNo < 1) {
    form.dialogs->message(QStringLiteral("Tips not found!"));
    tip = rtf::RichText::fromPlainText(u"No tips!");
  } else {
    tip = doc.selRtf();
    if (tip.plainText().startsWith(kLineBreak)) tip = tip.slice(2, tip.length() - 2);
  }
  rtf::renderRichText(tip, *sData.document(), ui::RichTextBox::ownFont());
  return tip;
}

void DisplayRTF(ui::RichTextBox& rtxtBox, const QString& plainText) {
  long long longest = 0;
  long long lines = 0;
  qsizetype start = 0;
  for (qsizetype p = plainText.indexOf(u'\r'); p >= 0; p = plainText.indexOf(u'\r', p + 1)) {
    // From the second line on, the LF of the previous break counts as a character of the line.
    longest = std::max<long long>(longest, p - start);
    ++lines;
    start = p + 1;
  }
  ++lines;
  if (lines == 1) longest = plainText.size();
  QRect r = ui::twipsRect(&rtxtBox);
  r.setSize(QSize(clampedTwips(longest * kTipCharWidth), clampedTwips(lines * kTipLineHeight)));
  ui::setTwipsRect(&rtxtBox, r);
}

void TipTimer_Timer(pages::PageDataForm& form) {
  // The timer runs on under a message box, where a tip would come up beneath the box.
  if (form.InTipTick || QApplication::activeModalWidget() != nullptr) return;
  const Running running(form.InTipTick);
  if (form.TipTickCount < std::numeric_limits<Integer>::max()) ++form.TipTickCount;
  if (form.rTxtTips->isVisible()) return;
  const bool otherRow = form.TipRow != 0 && form.TipRow != form.CurFocusRow;
  if (!otherRow && form.TipTickCount < form.tables.TipTicks) return;
  if (form.TipRow == 0) form.TipRow = form.CurFocusRow;
  // No row edited and none under the pointer: there is no tip to show.
  if (form.TipRow < 1 || form.TipRow > form.controls.rowCount()) return;
  form.tables.TipShown = pages::kTrue;
  const datafile::PageTables& t = form.tables;
  const rtf::RichText tip =
      UnpackTips(form, *form.rTxtTips, t.PageTips(t.CurPage), form.TipRow, QStringLiteral("#"));
  const QString& plain = tip.plainText();
  const bool own = !plain.isEmpty() && plain != QStringLiteral(" ");
  const QString shown = addNote(form, own ? plain : QString());
  if (!shown.isEmpty()) show(form, shown);
  form.TipTickCount = 0;
}

}  // namespace vantrel::tips
