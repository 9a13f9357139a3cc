#pragma once
// Reads RTF as word processors save it into the flat document model.

#include "rtf/Document.h"

#include <QByteArrayView>
#include <memory>

namespace vantrel::rtf {

// Parses a whole document (its final paragraph mark is not text). Throws RtfError when the data
// does not start with "{\rtf" after optional white space; any other input gives a document.
std::shared_ptr<const Document> readRtf(QByteArrayView rtf);

}  // namespace vantrel::rtf
