#pragma once
// What the programs draw to files: the calculation record (a PDF, or HTML with the plot as SVG)
// and vantrel-solve's plot of --plot. It is done by the module vantrel-pdf.so, which alone loads
// Qt Svg (and, for vantrel-solve, Qt Gui, with an application object on the offscreen platform,
// which needs no display). The module is loaded only by a run that draws.

#include <QString>

#include "curves/Figure.h"
#include "record/RecordOutput.h"

namespace vantrel::modules {

struct DrawingJob {
  const record::RecordDraft* record = nullptr;  // null: no record
  bool recordHtmlWanted = false;                // the record's HTML is given back in recordHtml
  QString recordPath;                           // the record's file; empty: none
  const curves::Figure* plot = nullptr;         // null: no plot
  QString plotPath;
  // Filled in by the module.
  QString recordHtml;
  QString recordError;  // why the record's file could not be written; empty when it was
  QString plotError;    // likewise for the plot's
};

// Has the module (found from programFolder, as ModuleEntry.h says) do job. Returns why the module
// cannot be used, or an empty string once it has run.
QString runDrawingJob(DrawingJob& job, const QString& programFolder);

// The entry of the module, resolved by its C name.
using DrawingEntry = void (*)(DrawingJob& job);
inline constexpr const char* kDrawingEntryName = "vantrelDraw";

}  // namespace vantrel::modules
