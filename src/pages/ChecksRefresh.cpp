#include "pages/ChecksRefresh.h"

#include "checks/PageChecks.h"
#include "ui/ChecksPanel.h"

namespace vantrel::pages {

void RefreshChecks(PageDataForm& form) {
  if (form.pageShown) form.pageShown();
  if (form.checksPanel == nullptr) return;
  const checks::PageChecks found = checks::checkPage(form.session());
  form.checksPanel->showChecks(checks::summaryLine(found), checks::fullText(found),
                               found.hasWarning());
}

}  // namespace vantrel::pages
