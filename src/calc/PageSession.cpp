#include "calc/PageSession.h"

#include <algorithm>
#include <stdexcept>

#include "calc/NewtonMethod.h"
#include "calc/RangeData.h"
#include "calc/RangeRule.h"
#include "calc/SingleValue.h"
#include "numtext/NumberFormat.h"
#include "numtext/NumberReading.h"

namespace vantrel::calc {

namespace {

// Passes everything on, but a page whose caption names no formula is reported once per commit
// instead of once per formula evaluation (a solve evaluates it hundreds of times).
class OnceCritical : public CalcUi {
 public:
  explicit OnceCritical(CalcUi& ui) : ui_(ui) {}
  void setStatusText(const QString& text) override { ui_.setStatusText(text); }
  bool askYesNo(const QString& text) override { return ui_.askYesNo(text); }
  void showCritical(const QString& text) override {
    if (shown_) return;
    shown_ = true;
    ui_.showCritical(text);
  }

 private:
  CalcUi& ui_;
  bool shown_ = false;
};

// The caption as the messages name it: the access-key "&" and the trailing "=" become blanks,
// as in the out-of-range message; an "&" inside a word ("Veloc&ity") goes without a blank, so
// that the word stays whole.
QString messageCaption(QString caption) {
  const qsizetype key = caption.indexOf(u'&');
  if (key > 0 && !caption[key - 1].isSpace())
    caption.remove(key, 1);
  else if (key >= 0)
    caption[key] = u' ';
  const qsizetype equals = caption.indexOf(u'=');
  if (equals >= 0) caption[equals] = u' ';
  return caption;
}

const QChar kCr(13);

}  // namespace

void PageSession::enterPage(Integer page) {
  t_.CurPage = page;
  for (Integer i = 1; i <= t_.VarCount(page); ++i)
    t_.CurValue(i) = t_.VarValue(page, i);
  unknown_ = t_.UnknownVar(page);
  forgetEntry();
}

void PageSession::forgetChanges() {
  for (Integer i = 1; i <= rowCount(); ++i)
    t_.VarChanged(page(), i) = 0;
}

bool PageSession::chooseUnit(Integer var, Integer u) {
  Single shown = 0;
  if (!valueInUnit(var, u, shown)) return false;
  t_.VarUnit(page(), var) = u;
  return true;
}

QString PageSession::caption(Integer var) const {
  return t_.VarCaptionRTF(page(), var).plainText();
}

QString PageSession::unitName(Integer var) const {
  return t_.UnitName(page(), var, t_.VarUnit(page(), var));
}

bool PageSession::valueInUnit(Integer var, Integer u, Single& shown) const {
  return storeSingle(static_cast<double>(t_.UnitFactor(page(), var, u)) * t_.CurValue(var), shown);
}

QString PageSession::valueText(Integer var) const {
  const Integer u = t_.VarUnit(page(), var);
  Single shown = 0;
  if (!valueInUnit(var, u, shown)) throw std::overflow_error("Overflow");
  return numtext::formatPattern(shown, t_.UnitFormat(page(), var, u));
}

QString PageSession::textInUnit(Integer var, double base) const {
  const Integer u = t_.VarUnit(page(), var);
  Single shown = 0;
  if (!storeSingle(static_cast<double>(t_.UnitFactor(page(), var, u)) * base, shown)) return {};
  return numtext::formatPattern(shown, t_.UnitFormat(page(), var, u));
}

Single PageSession::factor(Integer var) const {
  return t_.UnitFactor(page(), var, t_.VarUnit(page(), var));
}

CommitResult PageSession::refuse(const QString& message, Single factor, Single prevValue) const {
  CommitResult result;
  Single restored = 0;
  // The value before the entry was shown in this unit a moment ago, so it fits.
  storeSingle(static_cast<double>(factor) * prevValue, restored);
  result.boxText = numtext::generalForm(restored);
  result.message = message;
  return result;
}

bool PageSession::everyRowShowable() const {
  for (Integer i = 1; i <= rowCount(); ++i) {
    Single shown = 0;
    if (!valueInUnit(i, t_.VarUnit(page(), i), shown)) return false;
  }
  return true;
}

// The row committed counts as changed when its entry stands (a solve given up on puts the page
// back as it was); any other row when the solve moved it.
void PageSession::markChanged(const Values& before, Integer index, Single entered) {
  for (Integer i = 1; i <= rowCount(); ++i) {
    const bool moved = t_.CurValue(i) != before[i - 1];
    if (moved || (i == index && t_.CurValue(i) == entered)) t_.VarChanged(page(), i) = 1;
  }
}

CommitResult PageSession::commit(Integer index, const QString& text, Single& prevValue,
                                 CalcUi& ui) {
  const Single f = factor(index);
  // The messages are made only for a refusal: a batch commits many thousands of entries.
  const auto name = [&] { return messageCaption(caption(index)); };
  if (f == 0) {
    return refuse(
        name().trimmed() +
            QStringLiteral(" cannot be entered in this unit: its conversion factor is 0."),
        f, prevValue);
  }
  // Numbers are held in single precision; an entry beyond it, typed or converted to the base
  // unit, is refused before anything else.
  const auto tooLarge = [&] {
    return name() + QStringLiteral(" out of Range!") + kCr +
           QStringLiteral("The number is beyond the largest that can be held (3.402823E+38).");
  };
  double typed = 0;
  try {
    typed = numtext::leadingDouble(text);
  } catch (const numtext::NumberError&) {
    return refuse(tooLarge(), f, prevValue);
  }
  Single typedSingle = 0;
  Single base = 0;
  if (!storeSingle(typed, typedSingle) ||
      !storeSingle(static_cast<double>(typedSingle) / f, base)) {
    return refuse(tooLarge(), f, prevValue);
  }

  const QString expr = t_.RangeExpr(page(), index);
  const RangeRule& rule = rangeRuleOf(expr);
  Single numOut = 0;
  QString textOut;
  bool inRange = false;
  if (rule.real()) {
    // The check reads the entry as the text of the base value, which is this number.
    numOut = numtext::generalFormValue(base);
    inRange = rule.acceptsNumber(numOut);
  } else {
    QString checked = numtext::leadingSpaceForm(base);
    inRange = rule.check(checked, numOut, textOut);
  }
  if (!inRange) {
    QString shownExpr = expr;
    QString captionText = caption(index);
    const QString shown = RangeToDisplay(shownExpr, f);
    return refuse(RangeMessage(shown, captionText, unitName(index)), f, prevValue);
  }

  CommitResult result;
  result.accepted = true;
  const Values before(t_.CurValue.data(), t_.CurValue.data() + t_.CurValue.upper());
  const Single startBefore = prevValue;
  if (!expr.startsWith(u'S')) {
    Single shown = 0;
    storeSingle(static_cast<double>(numOut) * f, shown);
    result.boxText = numtext::leadingSpaceForm(shown);
    t_.CurValue(index) = base;
  } else {
    result.boxText = textOut;
  }
  const Single entered = t_.CurValue(index);
  OnceCritical once(ui);
  bool solvable = true;
  try {
    NewtonSolve(t_.CurValue, unknown_, index, prevValue, once, t_.PageCaption(page()), observer_);
  } catch (const std::overflow_error&) {
    solvable = false;
  }
  if (!solvable || !everyRowShowable()) {
    std::copy(before.begin(), before.end(), t_.CurValue.data());
    prevValue = startBefore;
    return refuse(name().trimmed() + QStringLiteral(" cannot be taken:") + kCr +
                      QStringLiteral("the result lies beyond the largest number that can be "
                                     "held or shown."),
                  f, prevValue);
  }
  markChanged(before, index, entered);
  if (entry_ != nullptr) {
    *entry_ = EntryRecord{index,           text,   numtext::leadingNumberLength(text), typedSingle,
                          unitName(index), entered};
  }
  return result;
}

}  // namespace vantrel::calc
