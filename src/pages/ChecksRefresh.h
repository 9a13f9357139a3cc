#pragma once
// Rewrites the checks panel of the status bar from the page on show, and tells the window's
// pageShown (the plot follows the page).

#include "pages/PageDataForm.h"

namespace vantrel::pages {

// Called whenever what the checks read may have changed: the rows rewritten (a commit, a page
// switch, a reset, start-up), the unknown moved or a unit chosen.
void RefreshChecks(PageDataForm& form);

}  // namespace vantrel::pages
