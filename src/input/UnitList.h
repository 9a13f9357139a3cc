#pragma once
// Choosing a row's display unit: a click on the unit field opens the list of the variable's
// units over it; a choice shows the value again in the new unit. The stored value never changes:
// a unit is only a display scale.

#include "numtext/NumberTypes.h"

namespace vantrel::pages {
struct PageDataForm;
}

namespace vantrel::input {

// Height of one list row, in twips.
inline constexpr int kUnitListRowHeight = 225;
// What the list shows for a unit whose name is a single space.
inline constexpr char kNoUnitName[] = "no unit";

// Row Index's unit field was clicked: opens the list with the row's current unit selected.
void lblUnit_Click(pages::PageDataForm& form, Integer Index);
// The list's selected item changed or was clicked: applies that unit.
void lstUnit_Click(pages::PageDataForm& form);
// The list lost the focus: it closes without a change.
void lstUnit_LostFocus(pages::PageDataForm& form);
// Closes the list without a change. A list that has the focus gives it back to the value box a
// choice would (the one last left), never to the next control in the keyboard order.
void HideUnitList(pages::PageDataForm& form);

}  // namespace vantrel::input
