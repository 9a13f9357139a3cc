#include "tips/Help.h"

#include <QDir>

#include "pages/PageDataForm.h"
#include "ui/Dialogs.h"
#include "ui/DocumentOpener.h"

namespace vantrel::tips {

namespace {

// The help document of the given extension, as a path of the platform.
QString helpDocument(const pages::PageDataForm& form, const QString& extension) {
  const ProgramWide& p = form.program;
  return QDir::toNativeSeparators(QDir(p.AppFolder).filePath(p.HelpBaseName + extension));
}

}  // namespace

QString sShellOpen(ui::DocumentOpener& opener, const QString& file) {
  if (opener.open(file)) return QString();
  return QStringLiteral("Falied to start ") + file + QStringLiteral("'s Application\r\n") +
         QStringLiteral("try to open ") + file + QStringLiteral(" manually to read the help file.");
}

void btnHelp_Click(pages::PageDataForm& form) {
  QString message = sShellOpen(*form.opener, helpDocument(form, QStringLiteral(".htm")));
  if (message.isEmpty()) return;
  form.dialogs->message(message, ui::MessageIcon::Critical);
  message = sShellOpen(*form.opener, helpDocument(form, QStringLiteral(".rtf")));
  if (!message.isEmpty()) form.dialogs->message(message, ui::MessageIcon::Critical);
}

}  // namespace vantrel::tips
