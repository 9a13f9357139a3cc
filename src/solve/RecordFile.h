#pragma once
// The calculation record written by vantrel-solve --record: the HTML as it is, or a PDF laid
// out by the PDF writer module (vantrel-pdf.so). The module, with Qt Gui and an application
// object on the offscreen platform, is loaded only when a PDF is asked for: every other run
// loads no graphics library and needs no display.

#include <QString>

namespace vantrel::solve {

// Writes html to path, a PDF when path ends in ".pdf". programFolder is the folder of the
// program file, beside which (or installed, in the program's library folder) the module is
// looked for. Returns why the file could not be written, or an empty string.
QString writeRecordFile(const QString& html, const QString& path, const QString& programFolder);

// The entry of the module, resolved by its C name.
using SaveRecordPdf = void (*)(const QString& html, const QString& path, QString& error);
inline constexpr const char* kSaveRecordPdfName = "vantrelSaveRecordPdf";

}  // namespace vantrel::solve
