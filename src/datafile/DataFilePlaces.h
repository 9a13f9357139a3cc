#pragma once
// Where the data file is looked for. The current folder comes first, so that a user's own edited
// copy wins; then the folder installed with the programs, found from the running program's own
// folder (bin/../share/vantrel), so that an installed program works from any folder.

#include <QString>
#include <QStringList>

namespace vantrel::datafile {

// The folders to look in, in order: currentFolder, then the installed data folder beside
// programFolder (left out when programFolder is empty).
QStringList DataFileFolders(const QString& currentFolder, const QString& programFolder);

// The folder of the running program's file; "" where the system cannot tell. Read without an
// application object, which vantrel-solve does not create (its constructor would also set the C
// library's locale from the environment).
QString RunningProgramFolder();

}  // namespace vantrel::datafile
