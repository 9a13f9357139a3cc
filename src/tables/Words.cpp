#include "tables/Words.h"

#include <QStringList>
#include <algorithm>

namespace vantrel::tables {

namespace {

enum class Kind { Other, Letter, Digit };

Kind kindOf(QChar c) {
  if (c.isDigit()) return Kind::Digit;
  return c.isLetter() ? Kind::Letter : Kind::Other;
}

bool contains(const Words& words, const QString& word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

}  // namespace

Words wordsOf(QStringView text) {
  Words words;
  QString word;
  Kind kind = Kind::Other;
  const auto flush = [&] {
    if (!word.isEmpty()) words.push_back(std::exchange(word, QString()).toCaseFolded());
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    Kind k = kindOf(c);
    // "." and "/" join digits into one number.
    if (k == Kind::Other && (c == u'.' || c == u'/') && kind == Kind::Digit &&
        i + 1 < text.size() && text[i + 1].isDigit()) {
      word += c;
      continue;
    }
    if (k != kind) flush();
    if (k != Kind::Other) word += c;
    kind = k;
  }
  flush();
  return words;
}

bool fitsWordStarts(const Words& search, const Words& name) {
  return std::all_of(search.begin(), search.end(), [&](const QString& s) {
    return std::any_of(name.begin(), name.end(), [&](const QString& w) { return w.startsWith(s); });
  });
}

bool fitsClosely(const Words& search, QStringView name) {
  const QStringList parts = name.toString().split(u'|');
  Words named;
  for (const QString& part : parts) {
    const Words words = wordsOf(part);
    const bool touched = std::any_of(words.begin(), words.end(),
                                     [&](const QString& w) { return contains(search, w); });
    if (!touched) continue;
    if (!std::all_of(words.begin(), words.end(),
                     [&](const QString& w) { return contains(search, w); }))
      return false;
    named.insert(named.end(), words.begin(), words.end());
  }
  return std::all_of(search.begin(), search.end(),
                     [&](const QString& s) { return contains(named, s); });
}

}  // namespace vantrel::tables
