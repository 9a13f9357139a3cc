#pragma once
// Pointer moves. Over the window's background, the row frames and the tab strip they close the
// unit list and decide whether a pending tip waits for the pointer to rest again; over a value
// box they hide the tip and make that row's tip the next one; over the tip box they leave it.

#include "numtext/NumberTypes.h"

namespace vantrel::pages {
struct PageDataForm;
}

namespace vantrel::tips {

void Form_MouseMove(pages::PageDataForm& form);
void Imgbox_MouseMove(pages::PageDataForm& form, Integer Index);
void TabStrip_MouseMove(pages::PageDataForm& form);
void txtV_MouseMove(pages::PageDataForm& form, Integer Index);
void rTxtTips_MouseMove(pages::PageDataForm& form);

}  // namespace vantrel::tips
