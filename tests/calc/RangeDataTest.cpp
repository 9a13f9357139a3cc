#include "calc/RangeData.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "numtext/NumberReading.h"

namespace vantrel::calc {
namespace {

// The entry comes back as the checked number with the leading blank of a value that is not
// negative, or as the text without its blanks (an option replaced by the whole option).
TEST(CheckRange, EveryFormOfTheLanguage) {
  const struct {
    QString expression, entry;
    bool accepted;
    QString entryAfter;
  } cases[] = {
      // Bounds: inclusive, exclusive, reversed (the marks stay where written).
      {"F,0~100", "100", true, " 100"},
      {"F,>0~100", "0", false, " 0"},
      {"F,0~<100", "100", false, " 100"},
      {"F,100~0", "50", true, " 50"},
      {"f,0~1", "12.5 mm", false, " 12.5"},
      // Integers: the integer part toward minus infinity is checked and shown.
      {"I,1~10", "10.7", true, " 10"},
      {"I,*", "-2.5", true, "-3"},
      {"F,1,2,5", "2", true, " 2"},
      {"F,*", "abc", true, " 0"},
      // Text types: items are not trimmed, entries only of blanks; the later option wins.
      {"S,YES,NO", " yes ", true, "YES"},
      {"S,YES,NO", "YES\t", false, "YES\t"},
      {"S, YES", "\tYES", false, "\tYES"},
      {"O,LOW,LARGE", "l", true, "LARGE"},
      {"T,A~C", "b", true, "B"},
      // More than ten single values or ranges, of either kind, or a number beyond a Single,
      // refuse everything.
      {"F,1,2,3,4,5,6,7,8,9,10,11", "1", false, " 1"},
      {"S,A,B,C,D,E,F,G,H,I,J,K", "a", false, "A"},
      {"F,1E39,1", "1", false, " 1"},
      {"F,*", "1E39", false, "1E39"}};
  for (const auto& c : cases) {
    SCOPED_TRACE((c.expression + " <- " + c.entry).toStdString());
    QString expression = c.expression, entry = c.entry, text;
    Single number = -99;
    EXPECT_EQ(CheckRange(expression, entry, number, text), c.accepted);
    EXPECT_EQ(entry, c.entryAfter);
    if (c.expression.startsWith('F', Qt::CaseInsensitive) || c.expression.startsWith('I'))
      EXPECT_EQ(number, c.entryAfter == "1E39" ? -99 : numtext::leadingSingle(c.entryAfter));
    else
      EXPECT_EQ(text, c.entry.toUpper().remove(QRegularExpression("^ +| +$")));
  }
}

// Bounds in the display unit, to two significant digits (half to even, from the exact digits).
TEST(RangeToDisplay, ConvertsEveryBound) {
  const struct {
    QString expression;
    Single factor;
    QString shown;
  } cases[] = {{"f,0.001~10", 1, "f,0.001~10"},     {"F,>0.001~10", 1000, "F,> 1~ 10000"},
               {"f,0~<100", 1000, "F, 0~< 100000"}, {"F,1234", 0.5f, "F, 620"},
               {"F, * ,3", 1000, "F, * , 3000"},    {"S,YES,NO", 2, ""},
               {"F,-0.01567", 2, "F,-0.031"},       {"F,0~1E39", 1000, "F, 0~ 3.4E+38"}};
  for (const auto& c : cases) {
    QString expression = c.expression;
    EXPECT_EQ(RangeToDisplay(expression, c.factor), c.shown) << c.expression.toStdString();
  }
}

// The caption is rewritten in place: its first "&" and first "=" become blanks.
TEST(RangeMessage, TextsCharacterForCharacter) {
  const struct {
    QString shown, caption, unit, message;
  } cases[] = {{"F,> 1~ 10000", "&Flow=", " mm",
                " Flow  out of Range!\rAccepted range is:  greater than  1 to  10000 mm"},
               {"F,1,2,5", "K", "", "K out of Range!\rAccepted range is: 1, 2 or  5"},
               {"F,0~<100", "L&en=gth=", "m",
                "L en gth= out of Range!\rAccepted range is: 0 to  less than 100m"},
               {"F,?,0~1,?x,7", "x", "", "x out of Range!\rAccepted range is: 0 to 1"},
               // A type and its comma still get the second line; the type alone, or the empty text
               // of a converted "S" list, do not.
               {"F,", "x", "m", "x out of Range!\rAccepted range is: m"},
               {"F", "x", "m", "x out of Range!"},
               {"", "&Flow=", "m", " Flow  out of Range!"}};
  for (const auto& c : cases) {
    QString caption = c.caption;
    EXPECT_EQ(RangeMessage(c.shown, caption, c.unit), c.message) << c.shown.toStdString();
  }
}

}  // namespace
}  // namespace vantrel::calc
