#include "rtf/WorkingDocument.h"

#include <QFile>
#include <algorithm>

namespace vantrel::rtf {

void WorkingDocument::loadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw RtfError("the file cannot be read: " + file.errorString().toStdString());
  }
  try {
    setTextRtf(RichText::fromRtf(file.readAll()));
  } catch (const RtfError&) {
    throw RtfError("the file is not an RTF document");
  }
}

void WorkingDocument::setTextRtf(const RichText& text) {
  document_ = text;
  selStart_ = 0;
  selLength_ = 0;
}

void WorkingDocument::select(int start, int length) {
  selStart_ = std::clamp(start, 0, document_.length());
  selLength_ = std::clamp(length, 0, document_.length() - selStart_);
}

}  // namespace vantrel::rtf
