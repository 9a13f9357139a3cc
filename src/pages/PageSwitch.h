#pragma once
// Switching pages through the tab strip. Only the page on show has rows; every page keeps its
// values, check states, unknown and focus row in the page tables while another is shown.

#include "numtext/NumberTypes.h"
#include "pages/PageDataForm.h"

namespace vantrel::pages {

// Stores the page on show (iCurntPage) into the page tables.
void SaveToDataStore(PageDataForm& form, Integer& iCurntPage);
// A tab was chosen: shows its page, unless it is the page on show.
void TabStrip_Click(PageDataForm& form);
// A key went down while the tab strip had the focus: Up and Down show the previous and next page
// (cyclically) without moving the strip's highlighted tab; Left and Right only move the focus
// into the page.
void TabStrip_KeyDown(PageDataForm& form, Integer& KeyCode, Integer Shift);

}  // namespace vantrel::pages
