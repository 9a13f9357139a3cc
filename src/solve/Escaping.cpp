#include "solve/Escaping.h"

#include <algorithm>

namespace vantrel::solve {

void appendCsvField(QString& out, QStringView text) {
  const bool quote =
      !text.isEmpty() && (text.front().isSpace() || text.back().isSpace() ||
                          std::any_of(text.begin(), text.end(), [](QChar c) {
                            return c == u',' || c == u'"' || c == u'\n' || c == u'\r';
                          }));
  if (!quote) {
    out += text;
    return;
  }
  out += u'"';
  for (const QChar c : text) {
    if (c == u'"') out += u'"';
    out += c;
  }
  out += u'"';
}

void appendJsonString(QString& out, QStringView text) {
  out += u'"';
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'"':
        out += QLatin1StringView("\\\"");
        break;
      case u'\\':
        out += QLatin1StringView("\\\\");
        break;
      case u'\n':
        out += QLatin1StringView("\\n");
        break;
      case u'\r':
        out += QLatin1StringView("\\r");
        break;
      case u'\t':
        out += QLatin1StringView("\\t");
        break;
      default:
        if (c.unicode() < 0x20) {
          out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        } else {
          out += c;
        }
    }
  }
  out += u'"';
}

QString csvField(const QString& text) {
  QString out;
  appendCsvField(out, text);
  return out;
}

QString jsonString(const QString& text) {
  QString out;
  out.reserve(text.size() + 2);
  appendJsonString(out, text);
  return out;
}

}  // namespace vantrel::solve
