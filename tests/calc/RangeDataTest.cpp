#include "calc/RangeData.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cfloat>
#include <optional>
#include <random>

namespace vantrel::calc {
namespace {

TEST(PopItem, SplitsAtTheFirstComma) {
  const struct {
    QString text, item, rest;
  } cases[] = {{"a,b,c", "a", "b,c"}, {"abc", "abc", ""}, {",x", "", "x"},
               {"x,", "x", ""},       {"", "", ""},       {" 1 , 2", " 1 ", " 2"}};
  for (const auto& c : cases) {
    QString text = c.text;
    EXPECT_EQ(PopItem(text), c.item) << c.text.toStdString();
    EXPECT_EQ(text, c.rest) << c.text.toStdString();
  }
}

TEST(CheckRange, EveryFormOfTheLanguage) {
  struct Case {
    QString expression, entry;
    bool accepted;
    QString entryAfter;
    std::optional<Single> number;  // numeric types
  };
  const Case cases[] = {
      // Inclusive and exclusive bounds, reversed bounds (the marks stay where written).
      {"F,0~100", "0", true, " 0", 0},
      {"F,0~100", "100", true, " 100", 100},
      {"F,0~100", "-0.001", false, "-0.001", -0.001f},
      {"F,0~100", "100.001", false, " 100.001", 100.001f},
      {"F,>0~100", "0", false, " 0", 0},
      {"F,>0~1", "1", true, " 1", 1},
      {"F,0~<100", "100", false, " 100", 100},
      {"F,>0~<1", "1", false, " 1", 1},
      {"F,100~0", "50", true, " 50", 50},
      {"F,>10~0", "0", false, " 0", 0},
      // Integers: the integer part toward minus infinity is checked and shown.
      {"I,1~10", "10.7", true, " 10", 10},
      {"I,1~10", "0.9", false, " 0", 0},
      {"I,1~10,20", "20.5", true, " 20", 20},
      {"I,*", "-2.5", true, "-3", -3},
      // Single values, anything, the type alone, the question mark, the leading-number rule.
      {"F,1,2,5", "2", true, " 2", 2},
      {"F,1,2,5", "1.5", false, " 1.5", 1.5f},
      {"F,*", "abc", true, " 0", 0},
      {"F, * ,1", "1E30", true, " 1E+30", 1e30f},
      {"F", "0", true, " 0", 0},
      {"F", "1", false, " 1", 1},
      {"F,5~10,?", "0", true, " 0", 0},
      {"f,0~1", "12.5 mm", false, " 12.5", 12.5f},
      // Text types: trimmed and upper-cased entries; items are not trimmed; options match by
      // their first letter, the later one winning; other types accept only ranges and "*".
      {"S,YES,NO", "yes", true, "YES", {}},
      {"S,YES,NO", " no ", true, "NO", {}},
      {"S,YES,NO", "Y", false, "Y", {}},
      {"S,YES,NO", "YES\t", false, "YES\t", {}},
      {"S, YES", "YES", false, "YES", {}},
      {"S", "", true, "", {}},
      {"O,LOW,HIGH", "h", true, "HIGH", {}},
      {"O,LOW,LARGE", "l", true, "LARGE", {}},
      {"O,LOW,HIGH", "x", false, "X", {}},
      {"T,A~C", "b", true, "B", {}},
      {"T,A~C", "D", false, "D", {}},
      {"T,ABC", "ABC", false, "ABC", {}},
      // Ten of each is the limit; more, or a number beyond a Single, refuses everything.
      {"F,1,2,3,4,5,6,7,8,9,10", "10", true, " 10", 10},
      {"F,1,2,3,4,5,6,7,8,9,10,11", "1", false, " 1", 1},
      {"F,0~1,0~1,0~1,0~1,0~1,0~1,0~1,0~1,0~1,0~1", "1", true, " 1", 1},
      {"F,0~1,0~1,0~1,0~1,0~1,0~1,0~1,0~1,0~1,0~1,0~1", "1", false, " 1", 1},
      {"F,1E39,1", "1", false, " 1", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.expression + " <- " + c.entry).toStdString());
    QString expression = c.expression;
    QString entry = c.entry;
    Single number = -99;
    QString text = "unset";
    EXPECT_EQ(CheckRange(expression, entry, number, text), c.accepted);
    EXPECT_TRUE(expression.isEmpty());
    EXPECT_EQ(entry, c.entryAfter);
    if (c.number) {
      EXPECT_EQ(number, *c.number);
      EXPECT_EQ(text, "unset");
    } else {
      // The text output is the entry without its blanks, before an option replaces it.
      EXPECT_EQ(number, -99);
      EXPECT_EQ(text, c.entry.toUpper().remove(QRegularExpression("^ +| +$")));
    }
  }
}

TEST(CheckRange, EntriesBeyondTheSingleRangeAreRefused) {
  for (const QString expr : {"F,*", "I,*", "F,0~1E38"}) {
    QString expression = expr, entry = "1E39", text;
    Single number = 5;
    EXPECT_FALSE(CheckRange(expression, entry, number, text)) << expr.toStdString();
    EXPECT_EQ(number, 5);
  }
}

TEST(RoundSignificant, RoundsToTheGivenDigits) {
  const struct {
    Single value;
    Integer digits;
    Single expected;
  } cases[] = {
      {1234, 2, 1200},       {0.01567f, 2, 0.016f}, {0, 2, 0},         {9.96f, 2, 10},
      {100, 2, 100},         {1000, 2, 1000},       {-1234, 2, -1200}, {0.5f, 2, 0.5f},
      {FLT_MAX, 2, 3.4e38f}, {1e-45f, 2, 1.4e-45f},
  };
  for (const auto& c : cases)
    EXPECT_FLOAT_EQ(RoundSignificant(c.value, c.digits), c.expected) << c.value;
  EXPECT_THROW(RoundSignificant(FLT_MAX, 4), numtext::NumberError);
  EXPECT_THROW(RoundSignificant(5, 7), numtext::NumberError);
}

TEST(RangeToDisplay, ConvertsEveryBoundToTwoDigits) {
  const struct {
    QString expression;
    Single factor;
    QString shown;
  } cases[] = {
      {"f,0.001~10", 1, "f,0.001~10"},
      {"F,>0.001~10", 1000, "F,> 1~ 10000"},
      {"f,0~<100", 1000, "F, 0~< 100000"},
      {"F,1,2,5", 2, "F, 2, 4, 10"},
      {"F,1234", 0.5f, "F, 620"},
      {"F, * ,3", 1000, "F, * , 3000"},
      {"S,YES,NO", 2, ""},
      {"F,-5~5", 1000, "F,-5000~ 5000"},
      {"F,-0.01567", 2, "F,-0.031"},
      {"F", 1000, "F, 0"},
      {"F,0~1E39", 1000, "F, 0~ 3.4E+38"},
      {"F,1E400,-1E400", 2, "F, 3.4E+38,-3.4E+38"},
  };
  for (const auto& c : cases) {
    QString expression = c.expression;
    EXPECT_EQ(RangeToDisplay(expression, c.factor), c.shown) << c.expression.toStdString();
  }
}

// The caption is rewritten in place: its "&" and "=" become blanks.
TEST(RangeMessage, TextsCharacterForCharacter) {
  const struct {
    QString shown, caption, unit, message;
  } cases[] = {
      {"F,0.001~10", "&Pipe Dia. =", "m",
       " Pipe Dia.   out of Range!\rAccepted range is: 0.001 to 10m"},
      {"F,> 1~ 10000", "&Flow=", " mm",
       " Flow  out of Range!\rAccepted range is:  greater than  1 to  10000 mm"},
      {"F,1,2,5", "K", "", "K out of Range!\rAccepted range is: 1, 2 or  5"},
      {"F,0~<100", "L&en=gth=", "m",
       "L en gth= out of Range!\rAccepted range is: 0 to  less than 100m"},
      {"F,?,0~1", "x", "", "x out of Range!\rAccepted range is: 0 to 1"},
      {"F,0~1,?x,7", "x", "", "x out of Range!\rAccepted range is: 0 to 1"},
      {"F,0~1,?,5", "x", "", "x out of Range!\rAccepted range is: 0 to 1 or  5"},
      {"S,YES,NO", "x", "", "x out of Range!\rAccepted range is: YES or  NO"},
      // Nothing to show: an "S" list converted with a factor, or the type alone; a type and its
      // comma still get the second line.
      {"", "&Flow=", "m", " Flow  out of Range!"},
      {"F", "&Flow=", "m", " Flow  out of Range!"},
      {"F,", "&Flow=", "m", " Flow  out of Range!\rAccepted range is: m"},
  };
  for (const auto& c : cases) {
    QString caption = c.caption;
    EXPECT_EQ(RangeMessage(c.shown, caption, c.unit), c.message) << c.shown.toStdString();
    EXPECT_TRUE(c.message.startsWith(caption + " out of Range!")) << caption.toStdString();
  }
}

// Random expressions, entries and factors: every procedure answers, none throws.
TEST(RangeData, OddExpressionsNeverFail) {
  const QString alphabet = "FISOT,,,~~<>*?0123456789.-+Ee \t";
  const Single factors[] = {1, 1000, 0.001f, -2, 0, FLT_MAX, 1e-45f};
  std::mt19937 random(7);
  const auto randomText = [&] {
    QString text;
    for (int n = random() % 40; n > 0; --n)
      text += alphabet.at(random() % alphabet.size());
    return text;
  };
  for (int round = 0; round < 3000; ++round) {
    QString expression = randomText(), forDisplay = expression, entry = randomText(), text;
    Single number = 0;
    SCOPED_TRACE(expression.toStdString());
    ASSERT_NO_THROW(CheckRange(expression, entry, number, text));
    QString caption = "&Value =";
    ASSERT_NO_THROW(
        EXPECT_TRUE(RangeMessage(RangeToDisplay(forDisplay, factors[round % 7]), caption, "m")
                        .startsWith(" Value   out of Range!")));
  }
}

}  // namespace
}  // namespace vantrel::calc
