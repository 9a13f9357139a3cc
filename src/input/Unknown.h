#pragma once
// Choosing the unknown: checking a row's box makes that variable the one the page solves for.
// The unknown's box is the only checked one, its caption alone ends in "?", and its value box
// alone is read-only. Nothing is recomputed until the next commit.

#include "numtext/NumberTypes.h"

namespace vantrel::pages {
struct PageDataForm;
}

namespace vantrel::input {

// Row Index's check box changed state, by the user or by the program.
void chkV_Click(pages::PageDataForm& form, Integer Index);

}  // namespace vantrel::input
