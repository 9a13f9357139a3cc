#pragma once
// The tip of a row: a piece of the page's tips text, shown in the tip box just below the row's
// value box when the timer ticks after the pointer has rested.

#include <QString>

#include "numtext/NumberTypes.h"
#include "rtf/RichText.h"

namespace vantrel::pages {
struct PageDataForm;
}
namespace vantrel::ui {
class RichTextBox;
}

namespace vantrel::tips {

// Twips per character and per line of a tip box.
inline constexpr int kTipCharWidth = 130;
inline constexpr int kTipLineHeight = 270;

// Tip iTipNo of sTips: the text between the (2n-1)-th and the 2n-th sTag, formatting kept, one
// leading line break dropped. When the tips text has fewer pairs, "Tips not found!" is shown
// and the tip is the text "No tips!". The result is also shown in sData.
rtf::RichText UnpackTips(pages::PageDataForm& form, ui::RichTextBox& sData,
                         const rtf::RichText& sTips, Integer iTipNo, const QString& sTag);

// Sizes the box to its text (plainText, lines ending in CR LF): the longest line x 130 twips
// wide, the lines x 270 twips high.
void DisplayRTF(ui::RichTextBox& rtxtBox, const QString& plainText);

// A tick of the tip timer: shows the pending tip when the pointer rests on another row's value
// box, or on the row being edited once enough ticks have passed since the last tip.
void TipTimer_Timer(pages::PageDataForm& form);

}  // namespace vantrel::tips
