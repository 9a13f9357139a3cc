#pragma once
// Values that belong to the program as a whole rather than to one window or module.

#include <QString>

#include "numtext/NumberTypes.h"

namespace vantrel {

struct ProgramWide {
  QString AppFolder;       // the data file's folder: the current directory, else the installed one
  QString HelpBaseName;    // base name of the help documents, set while the data file is found
  QString DataFile;        // the data file's whole path, once it is found
  Integer CurUnknown = 0;  // the variable computed on the page on show
  Integer WinLeft = 0;     // the main window's last position in twips; 0 = none stored
  Integer WinTop = 0;
};

}  // namespace vantrel
