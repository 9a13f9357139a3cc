#pragma once
// Putting the page on show back to the data file's defaults: values, units, check states, the
// unknown and the focus row. Other pages keep their state.

#include "pages/PageDataForm.h"

namespace vantrel::pages {

void RestoreInit(PageDataForm& form);
void btnReset_Click(PageDataForm& form);

}  // namespace vantrel::pages
