#pragma once
// The calculation record's files: a PDF of its A4 sheets, or HTML with the same sheets and the
// plot as SVG. Needs Qt Gui and Qt Svg, and a QGuiApplication to run; the programs reach it
// through the drawing module, which alone loads those libraries.

#include <QString>

#include "record/RecordOutput.h"

namespace vantrel::record {

// The record as an HTML file: the plot as SVG, the sheets as on paper.
QString recordFileHtml(const RecordDraft& draft);

// Writes the record to path: an A4 PDF for a name ending in ".pdf" (isPdfPath), else the HTML.
// An existing file is replaced only once the new one is complete. Returns why the file could not
// be written, or an empty string.
QString saveRecordFile(const RecordDraft& draft, const QString& path);

}  // namespace vantrel::record
