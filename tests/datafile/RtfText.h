#pragma once
// Test documents: plain text turned into an RTF file the way a word processor writes one
// (paragraphs as \par, markers' backslashes escaped, non-ASCII as \uN?).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace vantrel::testing {

inline QByteArray rtfFromPlain(const QString& plain) {
  QByteArray rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n"
      "\\pard\\plain\\f0\\fs20 ";
  for (const QChar ch : plain) {
    const char16_t c = ch.unicode();
    if (c == u'\n') {
      rtf += "\\par\n";
    } else if (c == u'\\' || c == u'{' || c == u'}') {
      rtf += '\\';
      rtf += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7f) {
      rtf += static_cast<char>(c);
    } else {
      rtf += "\\u" + QByteArray::number(static_cast<short>(c)) + "?";
    }
  }
  rtf += "\\par\n}";
  return rtf;
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
