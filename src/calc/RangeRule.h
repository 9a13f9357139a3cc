#pragma once
// An accepted-range expression read once into its type, single values and ranges, to test many
// entries against: a page's ranges do not change while it is used, and a batch checks every
// entry of every case, and every result, against them.

#include <QString>
#include <array>

#include "calc/RangeData.h"

namespace vantrel::calc {

class RangeRule {
 public:
  // Reads the expression as CheckRange does (upper-cased, the type first, then the items).
  explicit RangeRule(const QString& expression);

  // Whether the type is "F": an entry stands for the Single its leading number reads as.
  bool real() const { return type_ == Type::Real; }
  // CheckRange with this rule's expression. `entryRead` tells whether a numeric entry's number
  // could be read at all (a number beyond the Single range cannot).
  bool check(QString& entry, Single& numValue, QString& textValue, bool* entryRead = nullptr) const;
  // For a numeric rule, the decision on an entry whose number (its integer part for "I") is
  // already read.
  bool acceptsNumber(Single number) const;

 private:
  enum class Type { Real, Whole, Selection, Options, Text };
  struct Range {
    bool lowExclusive = false;
    bool highExclusive = false;
    Single low = 0;
    Single high = 0;
    QString lowText;
    QString highText;
  };
  bool numeric() const { return type_ == Type::Real || type_ == Type::Whole; }
  void add(const QString& item);
  bool acceptsText(QString& entry) const;

  Type type_ = Type::Text;
  bool anything_ = false;  // an item is "*"
  bool usable_ = true;     // false once the expression overflows the tables or a number
  std::array<Single, kMaxRangeItems> numbers_{};
  std::array<QString, kMaxRangeItems> texts_;
  int singleCount_ = 0;
  std::array<Range, kMaxRangeItems> ranges_;
  int rangeCount_ = 0;
};

// The rule of `expression`, read on this thread's first use of it and kept (past a few hundred
// expressions, only until the next call for one not kept).
const RangeRule& rangeRuleOf(const QString& expression);

// The text without the blanks around it: the language trims blanks only; tabs and other white
// space are part of an item.
QString trimBlanks(const QString& text);

}  // namespace vantrel::calc
