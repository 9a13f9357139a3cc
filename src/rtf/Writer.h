#pragma once
// Writes the model as RTF that this reader and common word processors read back: \uN? escapes
// announced by \uc1, a font table with entry 0 for the default font, a colour table that starts
// with the automatic entry, and no byte of 0x80 or more.

#include "rtf/Document.h"

#include <QByteArray>

namespace vantrel::rtf {

// The whole document; its last paragraph gets a final \par, which loading drops again.
QByteArray writeDocument(const Document& doc);
// The characters [start, start + length) after Document::clampRange, nothing more.
QByteArray writeRange(const Document& doc, int start, int length);

}  // namespace vantrel::rtf
