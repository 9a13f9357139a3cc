#include "solve/Escaping.h"

#include <algorithm>

namespace vantrel::solve {

QString csvField(const QString& text) {
  const bool quote =
      !text.isEmpty() && (text.front().isSpace() || text.back().isSpace() ||
                          std::any_of(text.begin(), text.end(), [](QChar c) {
                            return c == u',' || c == u'"' || c == u'\n' || c == u'\r';
                          }));
  if (!quote) return text;
  QString doubled = text;
  doubled.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return u'"' + doubled + u'"';
}

QString jsonString(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'"':
        out += QStringLiteral("\\\"");
        break;
      case u'\\':
        out += QStringLiteral("\\\\");
        break;
      case u'\n':
        out += QStringLiteral("\\n");
        break;
      case u'\r':
        out += QStringLiteral("\\r");
        break;
      case u'\t':
        out += QStringLiteral("\\t");
        break;
      default:
        if (c.unicode() < 0x20) {
          out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        } else {
          out += c;
        }
    }
  }
  return out + u'"';
}

}  // namespace vantrel::solve
