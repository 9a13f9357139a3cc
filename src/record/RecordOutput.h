#pragma once
// The calculation record on paper: laid out on one A4 page of a PDF file or of a printer, text
// kept as text, in the window's font family. Needs Qt Gui, and a QGuiApplication to run.

#include <QString>
#include <QtGlobal>

class QPageLayout;
class QPagedPaintDevice;

namespace vantrel::record {

// The family the window's rows are set in, which the record is printed in.
inline constexpr const char* kRecordFontFamily = "Arial";

// The page of a record's PDF: A4 upright with its margins.
QPageLayout recordPageLayout();

// The type size, in points, html is set in on a page of layout: the largest from 11 down, in
// half points, that keeps it to one page (6 at the least).
qreal recordPointSize(const QString& html, const QPageLayout& layout);

// Lays html out on one page of device (the type made smaller until it fits) and paints it.
// False when the device cannot be painted on.
bool printRecord(const QString& html, QPagedPaintDevice& device);

// Writes the record to path as a one-page A4 PDF. An existing file is replaced only once the new
// one is complete. Returns why the file could not be written, or an empty string.
QString saveRecordPdf(const QString& html, const QString& path);

}  // namespace vantrel::record
