#pragma once
// Test documents: plain text turned into an RTF file by the engine's own writer (paragraphs as
// \par, markers' backslashes escaped, non-ASCII as \uN?).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "rtf/RichText.h"

namespace vantrel::testing {

inline QByteArray rtfFromPlain(const QString& plain) {
  return rtf::RichText::fromPlainText(plain).toRtf();
}

// A folder that holds test data files and disappears with the test.
class TempFolder {
 public:
  QString write(const QString& name, const QByteArray& content) const {
    const QString path = QDir(dir_.path()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
    return path;
  }
  QString path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

}  // namespace vantrel::testing
