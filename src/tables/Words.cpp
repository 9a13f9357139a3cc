#include "tables/Words.h"

#include <algorithm>
#include <utility>

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

Search searchOf(QStringView text) {
  Search search;
  for (const QStringView piece : text.tokenize(u' ', Qt::SkipEmptyParts)) {
    Words words = wordsOf(piece);
    if (!words.empty()) search.push_back(std::move(words));
  }
  return search;
}

namespace {

bool fitsAt(const Words& piece, const Words& name, std::size_t at) {
  if (at + piece.size() > name.size()) return false;
  for (std::size_t i = 0; i + 1 < piece.size(); ++i)
    if (name[at + i] != piece[i]) return false;
  return name[at + piece.size() - 1].startsWith(piece.back());
}

}  // namespace

bool fitsWordStarts(const Search& search, const Words& name) {
  return std::all_of(search.begin(), search.end(), [&](const Words& piece) {
    for (std::size_t at = 0; at < name.size(); ++at)
      if (fitsAt(piece, name, at)) return true;
    return false;
  });
}

int distance(const Search& pieces, QStringView name) {
  Words search;
  for (const Words& piece : pieces)
    search.insert(search.end(), piece.begin(), piece.end());
  const Words all = wordsOf(name);
  if (!std::all_of(search.begin(), search.end(),
                   [&](const QString& s) { return contains(all, s); }))
    return -1;
  int unnamed = 0;
  for (const QStringView part : name.tokenize(u'|')) {
    const Words words = wordsOf(part);
    const auto named = [&](const QString& w) { return contains(search, w); };
    if (std::none_of(words.begin(), words.end(), named)) continue;
    for (std::size_t i = 0; i < words.size(); ++i) {
      const bool label =
          words[i][0].isLetter() && i + 1 < words.size() && words[i + 1][0].isDigit();
      if (!label && !named(words[i])) ++unnamed;
    }
  }
  return unnamed;
}

}  // namespace vantrel::tables
