#include "datafile/WorkingDocument.h"

#include <QFile>
#include <algorithm>

#include "datafile/DataFileError.h"

namespace vantrel::datafile {

void WorkingDocument::loadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw DataFileError(QStringLiteral("the file cannot be read: ") + file.errorString());
  }
  try {
    setTextRtf(rtf::RichText::fromRtf(file.readAll()));
  } catch (const rtf::RtfError&) {
    throw DataFileError(QStringLiteral("the file is not an RTF document"));
  }
}

void WorkingDocument::setTextRtf(const rtf::RichText& text) {
  document_ = text;
  selStart_ = 0;
  selLength_ = 0;
}

void WorkingDocument::select(int start, int length) {
  selStart_ = std::clamp(start, 0, document_.length());
  selLength_ = std::clamp(length, 0, document_.length() - selStart_);
}

}  // namespace vantrel::datafile
