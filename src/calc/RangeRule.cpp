#include "calc/RangeRule.h"

#include <unordered_map>

#include "calc/SingleValue.h"
#include "common/TextKeys.h"
#include "numtext/NumberFormat.h"
#include "numtext/NumberReading.h"

namespace vantrel::calc {

namespace {

// Rules kept per thread: a data file has a few dozen expressions; more are read each time.
constexpr std::size_t kKeptRules = 256;

template <typename T, typename Range>
bool inRange(const T& value, const T& low, const T& high, const Range& range) {
  const bool aboveLow = range.lowExclusive ? low < value : !(value < low);
  const bool belowHigh = range.highExclusive ? value < high : !(high < value);
  return aboveLow && belowHigh;
}

}  // namespace

RangeRule::RangeRule(const QString& expression) {
  QString rest = expression.toUpper();
  const QString type = PopItem(rest);
  if (type == u"F")
    type_ = Type::Real;
  else if (type == u"I")
    type_ = Type::Whole;
  else if (type == u"S")
    type_ = Type::Selection;
  else if (type == u"O")
    type_ = Type::Options;
  // The item loop runs at least once: the type alone has one empty item.
  do {
    add(PopItem(rest));
  } while (!rest.isEmpty());
}

void RangeRule::add(const QString& item) {
  if (trimBlanks(item) == u"*") {
    anything_ = true;
    return;
  }
  const qsizetype tilde = item.indexOf(u'~');
  if (tilde < 0) {
    if (singleCount_ == kMaxRangeItems) {
      usable_ = false;
      return;
    }
    const auto slot = static_cast<std::size_t>(singleCount_++);
    try {
      if (numeric())
        numbers_[slot] = numtext::leadingSingle(item);
      else
        texts_[slot] = item;
    } catch (const numtext::NumberError&) {
      usable_ = false;
    }
    return;
  }
  if (rangeCount_ == kMaxRangeItems) {
    usable_ = false;
    return;
  }
  Range& range = ranges_[static_cast<std::size_t>(rangeCount_++)];
  QString low = item.left(tilde);
  QString high = item.mid(tilde + 1);
  range.lowExclusive = low.startsWith(u'>');
  if (range.lowExclusive) low.remove(0, 1);
  range.highExclusive = high.startsWith(u'<');
  if (range.highExclusive) high.remove(0, 1);
  // Reversed bounds are exchanged; the exclusive marks stay on the side they were written.
  if (numeric()) {
    try {
      range.low = numtext::leadingSingle(low);
      range.high = numtext::leadingSingle(high);
    } catch (const numtext::NumberError&) {
      usable_ = false;
    }
    if (range.high < range.low) std::swap(range.low, range.high);
  } else {
    range.lowText = low;
    range.highText = high;
    if (range.highText < range.lowText) std::swap(range.lowText, range.highText);
  }
}

bool RangeRule::check(QString& entry, Single& numValue, QString& textValue, bool* entryRead) const {
  if (entryRead != nullptr) *entryRead = true;
  entry = entry.toUpper();
  if (!numeric()) {
    entry = trimBlanks(entry);
    textValue = entry;
    return acceptsText(entry);
  }
  Single number = 0;
  try {
    if (type_ == Type::Real)
      number = numtext::leadingSingle(entry);
    else if (!storeSingle(numtext::intPart(numtext::leadingDouble(entry)), number))
      return false;
  } catch (const numtext::NumberError&) {
    if (entryRead != nullptr) *entryRead = false;
    return false;
  }
  numValue = number;
  entry = numtext::leadingSpaceForm(number);
  return acceptsNumber(number);
}

bool RangeRule::acceptsNumber(Single number) const {
  if (!usable_) return false;
  if (anything_) return true;
  // Items are tried from the last written to the first.
  for (int i = singleCount_ - 1; i >= 0; --i) {
    if (numbers_[static_cast<std::size_t>(i)] == number) return true;
  }
  for (int i = rangeCount_ - 1; i >= 0; --i) {
    const Range& range = ranges_[static_cast<std::size_t>(i)];
    if (inRange(number, range.low, range.high, range)) return true;
  }
  return false;
}

bool RangeRule::acceptsText(QString& entry) const {
  if (!usable_) return false;
  if (anything_) return true;
  for (int i = singleCount_ - 1; i >= 0; --i) {
    const QString& item = texts_[static_cast<std::size_t>(i)];
    if (type_ == Type::Selection && entry == item) return true;
    if (type_ == Type::Options &&
        QStringView(entry).left(1).compare(QStringView(item).left(1), Qt::CaseInsensitive) == 0) {
      entry = item;
      return true;
    }
  }
  for (int i = rangeCount_ - 1; i >= 0; --i) {
    const Range& range = ranges_[static_cast<std::size_t>(i)];
    if (inRange(entry, range.lowText, range.highText, range)) return true;
  }
  return false;
}

QString trimBlanks(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text.at(first) == u' ')
    ++first;
  while (last > first && text.at(last - 1) == u' ')
    --last;
  return text.mid(first, last - first);
}

const RangeRule& rangeRuleOf(const QString& expression) {
  thread_local std::unordered_map<QString, RangeRule, TextHash, TextEqual> kept;
  thread_local RangeRule unkept{QString()};
  const auto found = kept.find(expression);
  if (found != kept.end()) return found->second;
  if (kept.size() < kKeptRules)
    return kept.emplace(expression, RangeRule(expression)).first->second;
  unkept = RangeRule(expression);
  return unkept;
}

}  // namespace vantrel::calc
