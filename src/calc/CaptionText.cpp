#include "calc/CaptionText.h"

#include <QVarLengthArray>

namespace vantrel::calc {

namespace {

// Built on the stack and copied once: every case of a batch names every row.
QString withoutAccessKeys(QStringView caption) {
  QVarLengthArray<QChar, 64> chars;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      chars.append(caption[i]);
    } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
      chars.append(u'&');
      ++i;
    }
  }
  return QStringView(chars.data(), chars.size()).trimmed().toString();
}

QStringView withoutMark(QStringView caption, QChar mark) {
  caption = caption.trimmed();
  return caption.endsWith(mark) ? caption.chopped(1).trimmed() : caption;
}

}  // namespace

QString shownCaption(QStringView caption) {
  return withoutAccessKeys(withoutMark(caption, u'?'));
}

QString variableName(QStringView caption) {
  return withoutAccessKeys(withoutMark(withoutMark(caption, u'?'), u'='));
}

}  // namespace vantrel::calc
