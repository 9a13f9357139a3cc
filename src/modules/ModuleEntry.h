#pragma once
// The programs' optional parts live in modules, loaded when first used: a run that draws nothing
// and prints nothing loads no library for drawing or printing, and the window comes up sooner.
// A module is looked for in $VANTREL_MODULE_DIR when that is set (the tests' build folder), then
// in the installed module folder as seen from the program's folder (where the build puts them
// too), then beside the program.

#include <QString>

namespace vantrel::modules {

// The entry named `entry` of the module file `module` ("vantrel-pdf.so"); null, with `error`
// saying why, when the module is not found or has no such entry.
QFunctionPointer moduleEntry(const QString& programFolder, const QString& module, const char* entry,
                             QString& error);

}  // namespace vantrel::modules
