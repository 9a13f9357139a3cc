#include "calc/CaptionText.h"

#include <QVarLengthArray>
#include <unordered_map>

#include "common/TextKeys.h"

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
  // Every case of a batch names every row: the names of the few captions a data file has are
  // made once per thread (past a few hundred, each time).
  constexpr std::size_t kKept = 256;
  thread_local std::unordered_map<QString, QString, TextHash, TextEqual> kept;
  const auto found = kept.find(caption);
  if (found != kept.end()) return found->second;
  QString name = withoutAccessKeys(withoutMark(withoutMark(caption, u'?'), u'='));
  if (kept.size() < kKept) kept.emplace(caption.toString(), name);
  return name;
}

}  // namespace vantrel::calc
