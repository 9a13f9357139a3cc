#pragma once
// Typing values into the value boxes: which box may take the focus, what is selected when it
// does, the commit of a changed value when its box loses the focus (or Enter is pressed, or
// Compute), and the arrow keys that walk the window's keyboard order like Tab and Shift+Tab.

#include "common/KeyCodes.h"
#include "numtext/NumberTypes.h"

namespace vantrel::pages {
struct PageDataForm;
}

namespace vantrel::input {

using pages::PageDataForm;

// The text of row Index's box changed (typed, or written by the program).
void txtV_Change(PageDataForm& form, Integer Index);
// Row Index's box took the focus. The unknown's box passes the focus on.
void txtV_GotFocus(PageDataForm& form, Integer Index);
// A character was typed into row Index's box; Enter commits at once and keeps the focus there.
void txtV_KeyPress(PageDataForm& form, Integer Index, Integer KeyAscii);
// Row Index's box lost the focus to another control of the window: commits a changed value.
void txtV_LostFocus(PageDataForm& form, Integer Index);
// A key went down anywhere in the window, before the focused control sees it.
void Form_KeyDown(PageDataForm& form, Integer KeyCode, Integer Shift);
// The Compute button: the focus goes back to the box that was left, which commits its entry.
void btnCompute_Click(PageDataForm& form);

// Moves the focus on as Tab (forward) or Shift+Tab would, once the running handler has
// returned.
void PostTab(PageDataForm& form, bool forward);
// Gives row's value box the focus and selects its whole text.
void FocusValueBox(PageDataForm& form, Integer row);

}  // namespace vantrel::input
