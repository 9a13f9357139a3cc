// The range language under arbitrary expressions, entries and unit factors: checking an entry,
// converting the expression into a display unit and building the refusal message, as a commit
// does with whatever the data file and the user supply.

#include <QString>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "calc/RangeData.h"
#include "entries/FuzzEntries.h"
#include "entries/Inputs.h"

namespace vantrel::fuzz {

Outcome fuzzRange(const std::uint8_t* data, std::size_t size) {
  const QList<QByteArray> lines = linesOf(data, size, 5);
  const QString expression = QString::fromUtf8(lines[0]);
  const QString entry = QString::fromUtf8(lines[1]);
  const Single factor = std::strtof(lines[2].constData(), nullptr);
  const QString caption = QString::fromUtf8(lines[3]);
  const QString unit = QString::fromUtf8(lines[4]);

  QString consumed = expression;
  QString checkedEntry = entry;
  // Stays NaN unless the entry's number was read.
  Single numValue = std::numeric_limits<Single>::quiet_NaN();
  QString textValue;
  const bool accepted = calc::CheckRange(consumed, checkedEntry, numValue, textValue);
  QString upper = expression.toUpper();
  const QString type = calc::PopItem(upper);
  const bool numeric = type == QStringLiteral("F") || type == QStringLiteral("I");
  if (accepted && numeric) require(std::isfinite(numValue), "a non-finite number was accepted");

  // The decision depends on the entry's meaning only: blanks around it never count, and for a
  // real number only its value does (nine digits give back the same Single).
  const auto decide = [&expression](QString typed) {
    QString again = expression;
    Single n = 0;
    QString t;
    return calc::CheckRange(again, typed, n, t);
  };
  require(decide(QStringLiteral(" ") + entry + QStringLiteral(" ")) == accepted,
          "blanks around the entry change the decision");
  if (type == QStringLiteral("F") && std::isfinite(numValue)) {
    require(decide(QString::asprintf("%.9g", static_cast<double>(numValue))) == accepted,
            "an entry of the same value gets another decision");
  }

  QString asWritten = expression;
  require(calc::RangeToDisplay(asWritten, 1.0f) == expression,
          "the expression shown in its own unit is not the expression as written");

  QString toConvert = expression;
  const QString shown = calc::RangeToDisplay(toConvert, factor);
  if (factor != 1.0f && type == QStringLiteral("S"))
    require(shown.isEmpty(), "a selection list was converted into a unit");

  QString messageCaption = caption;
  const QString message = calc::RangeMessage(shown, messageCaption, unit);
  require(message.startsWith(messageCaption + QStringLiteral(" out of Range!")),
          "the message does not start with the caption");
  require(message.size() == messageCaption.size() + 14 || message.endsWith(unit),
          "the message's accepted range does not end with the unit");
  return accepted ? Outcome::Accepted : Outcome::Refused;
}

}  // namespace vantrel::fuzz
