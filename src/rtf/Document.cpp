#include "rtf/Document.h"

#include <algorithm>
#include <limits>

namespace vantrel::rtf {

namespace {

// Index of the last element whose key is <= pos, for tables sorted by key.
template <typename Table, typename Key>
int lastAtOrBefore(const Table& table, int pos, Key key) {
  auto it = std::upper_bound(table.begin(), table.end(), pos,
                             [&](int p, const auto& item) { return p < key(item); });
  return static_cast<int>(it - table.begin()) - 1;
}

}  // namespace

Document::Document() : paragraphs_{Paragraph{}} {}

int Document::runIndexAt(int pos) const {
  return std::max(0, lastAtOrBefore(runs_, pos, [](const TextRun& r) { return r.start; }));
}

int Document::paragraphIndexAt(int pos) const {
  auto it = std::lower_bound(paragraphs_.begin(), paragraphs_.end(), pos,
                             [](const Paragraph& p, int value) { return p.end < value; });
  // A position on the LF of a break still belongs to the paragraph that break ends.
  if (it != paragraphs_.begin() && std::prev(it)->end + 1 == pos) --it;
  if (it == paragraphs_.end()) --it;
  return static_cast<int>(it - paragraphs_.begin());
}

int Document::paragraphStart(int i) const {
  return i == 0 ? 0 : paragraphs_[i - 1].end + 2;
}

std::pair<int, int> Document::clampRange(int start, int length) const {
  const qint64 size = text_.size();
  qint64 first = std::clamp<qint64>(start, 0, size);
  qint64 last = std::clamp<qint64>(qint64(start) + std::max(length, 0), first, size);
  // A break or a surrogate pair is never cut in half: a bound inside one moves past it.
  auto inside = [&](qint64 pos) {
    if (pos <= 0 || pos >= size) return false;
    return (text_[pos] == u'\n' && text_[pos - 1] == u'\r') ||
           (text_[pos].isLowSurrogate() && text_[pos - 1].isHighSurrogate());
  };
  if (inside(first)) ++first;
  if (inside(last)) ++last;
  last = std::max(first, last);
  return {static_cast<int>(first), static_cast<int>(last)};
}

std::shared_ptr<const Document> Document::slice(int start, int length) const {
  const auto [first, last] = clampRange(start, length);
  auto piece = std::make_shared<Document>();
  piece->text_ = text_.mid(first, last - first);
  piece->defaultFont_ = defaultFont_;

  if (first < last) {
    for (int i = runIndexAt(first); i < static_cast<int>(runs_.size()) && runs_[i].start < last;
         ++i) {
      piece->runs_.push_back({std::max(runs_[i].start, first) - first, runs_[i].format});
    }
  }
  auto br = std::lower_bound(breaks_.begin(), breaks_.end(), first,
                             [](const Break& b, int value) { return b.position < value; });
  for (; br != breaks_.end() && br->position < last; ++br) {
    piece->breaks_.push_back({br->position - first, br->kind});
  }
  // Paragraphs whose break lies inside the piece keep their ends; the one holding the end of
  // the piece becomes its last paragraph.
  piece->paragraphs_.clear();
  int p = paragraphIndexAt(first);
  const int lastIndex = static_cast<int>(paragraphs_.size()) - 1;
  for (; p < lastIndex && paragraphs_[p].end + 2 <= last; ++p) {
    piece->paragraphs_.push_back({paragraphs_[p].end - first, paragraphs_[p].alignment});
  }
  piece->paragraphs_.push_back({last - first, paragraphs_[p].alignment});

  // Folding goes code point by code point and a range never splits a surrogate pair, so the
  // piece's folded text is the same range of this one's; copying it keeps cutting the data file
  // from folding the same characters again at every cut.
  piece->folded_ = folded_.mid(first, last - first);
  piece->dropFinalMark();
  piece->folded_.truncate(piece->text_.size());
  return piece;
}

void Document::dropFinalMark() {
  if (breaks_.empty() || breaks_.back().position + 2 != text_.size()) return;
  const int newLength = breaks_.back().position;
  if (breaks_.back().kind == BreakKind::Paragraph && paragraphs_.size() > 1) {
    paragraphs_.pop_back();
  }
  breaks_.pop_back();
  paragraphs_.back().end = newLength;
  text_.truncate(newLength);
  while (!runs_.empty() && runs_.back().start >= newLength)
    runs_.pop_back();
}

// Every search folds the whole text of the document it searches, and loading a data file
// searches thousands of times: plain ASCII, most of a data file, takes the short way.
QString foldCase(QStringView text) {
  QString folded(text.size(), Qt::Uninitialized);
  QChar* out = folded.data();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.unicode() < 0x80) {
      out[i] = c.unicode() >= u'A' && c.unicode() <= u'Z' ? QChar(c.unicode() + 32) : c;
    } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      const char32_t cp = QChar::surrogateToUcs4(c, text[i + 1]);
      const char32_t f = QChar::toCaseFolded(cp);
      // Keep the original when folding would change the number of UTF-16 units.
      const char32_t kept = QChar::requiresSurrogates(f) ? f : cp;
      out[i] = QChar(QChar::highSurrogate(kept));
      out[++i] = QChar(QChar::lowSurrogate(kept));
    } else {
      out[i] = c.toCaseFolded();
    }
  }
  return folded;
}

void Document::foldText() {
  folded_ = foldCase(text_);
}

int Document::find(QStringView needle, int from) const {
  if (needle.isEmpty() || from >= text_.size()) return -1;
  return static_cast<int>(folded_.indexOf(foldCase(needle), std::max(from, 0)));
}

bool Document::operator==(const Document& other) const {
  return text_ == other.text_ && runs_ == other.runs_ && breaks_ == other.breaks_ &&
         paragraphs_ == other.paragraphs_ && defaultFont_ == other.defaultFont_;
}

}  // namespace vantrel::rtf
