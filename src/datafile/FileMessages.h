#pragma once
// What the user is told when the data file cannot be loaded. The window shows these texts in its
// message box and the command line writes them to standard error, so both say the same. Lines
// are separated by a carriage return, as in every message box of the program.

#include <QString>
#include <QStringList>

#include "datafile/DataFileError.h"

namespace vantrel::datafile {

// The data file was looked for at each of paths, one line each, and found at none.
QString missingFileMessage(const QStringList& paths);
// The data file at path could not be read: what is wrong and where.
QString damagedFileMessage(const DataFileError& error, const QString& path);

}  // namespace vantrel::datafile
