#pragma once
// The Help button: opens the help document in the program's folder with the desktop's
// application for it, the HTML form first and the rich-text form second, with a message for
// each that fails.

#include <QString>

namespace vantrel::pages {
struct PageDataForm;
}
namespace vantrel::ui {
class DocumentOpener;
}

namespace vantrel::tips {

// Opens file (a full path) with its application. Returns "" when it was handed on, otherwise the
// message that tells the user to open it by hand.
QString sShellOpen(ui::DocumentOpener& opener, const QString& file);

void btnHelp_Click(pages::PageDataForm& form);

}  // namespace vantrel::tips
