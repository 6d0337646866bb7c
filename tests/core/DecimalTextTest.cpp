// The decimal text rules the numeric field and the result format share.
#include "core/DecimalText.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

const QChar kComma(',');

TEST(DecimalText, NumberTestFollowsTheFieldRules) {
  for (const char* ok : {"0", "12", "-12", "12,5", "-0,5", "12,", "-1,", "0,000", "007"})
    EXPECT_TRUE(numtext::IsNumber(QString::fromLatin1(ok), kComma)) << ok;
  for (const char* bad : {"", "-", ",5", "1,2,3", "--1", "1-", "1-2", "1.5", "1 000", "+1", "1e5", "-,", "abc", " 1"})
    EXPECT_FALSE(numtext::IsNumber(QString::fromLatin1(bad), kComma)) << bad;
  // The separator is the one given: with '.' the comma is a foreign character.
  EXPECT_TRUE(numtext::IsNumber(QStringLiteral("1.5"), QChar('.')));
  EXPECT_FALSE(numtext::IsNumber(QStringLiteral("1,5"), QChar('.')));
  // Other scripts' digits are not digits of this field.
  EXPECT_FALSE(numtext::IsNumber(QString(QChar(0x0661)), kComma));
}

TEST(DecimalText, ReadsTheNumberAndRefusesOverflow) {
  EXPECT_DOUBLE_EQ(numtext::ReadNumber(QStringLiteral("-12,75"), kComma), -12.75);
  EXPECT_DOUBLE_EQ(numtext::ReadNumber(QStringLiteral("0,0123"), kComma), 0.0123);
  EXPECT_DOUBLE_EQ(numtext::ReadNumber(QStringLiteral("5,"), kComma), 5.0);
  EXPECT_EQ(numtext::ReadNumber(QStringLiteral("x"), kComma), 0.0);
  // A text past the range of a double is no number (the field keeps its value).
  const QString huge = QStringLiteral("1") + QString(400, QChar('0'));
  EXPECT_FALSE(numtext::IsNumber(huge, kComma));
}

TEST(DecimalText, PastedTextIsReadInTheUsersNotation) {
  auto pasted = [](const QString& text, QChar sep = kComma) { return numtext::PastedNumber(text, sep); };
  // What a result shows, with its no-break or ordinary group blanks.
  EXPECT_EQ(pasted(QStringLiteral("14\u00A0734,80")), QStringLiteral("14734,80"));
  EXPECT_EQ(pasted(QStringLiteral("14 734,80")), QStringLiteral("14734,80"));
  EXPECT_EQ(pasted(QStringLiteral("-1\u202F000\u202F000")), QStringLiteral("-1000000"));
  // A lone point stands for the comma; blanks around the text do not count.
  EXPECT_EQ(pasted(QStringLiteral(" 75.5\n")), QStringLiteral("75,5"));
  EXPECT_EQ(pasted(QStringLiteral("14 734.8")), QStringLiteral("14734,8"));
  EXPECT_EQ(pasted(QStringLiteral("-0,5")), QStringLiteral("-0,5"));
  // Under a point locale the comma is no decimal separator.
  EXPECT_EQ(pasted(QStringLiteral("2.5"), QChar('.')), QStringLiteral("2.5"));
  EXPECT_EQ(pasted(QStringLiteral("2,5"), QChar('.')), QString());
  for (const char* bad : {"", " ", "abc", "1.234,5", "1.2.3", "1 2", "1234 567", "1  234", " -", "- 1", "1 234 56",
                          "1,2 345", "12,5 0", "+5", "1e3", "5 кг"})
    EXPECT_EQ(pasted(QString::fromUtf8(bad)), QString()) << bad;
  // A whole-number field takes no fraction.
  EXPECT_EQ(numtext::PastedNumber(QStringLiteral("1 200"), kComma, false), QStringLiteral("1200"));
  EXPECT_EQ(numtext::PastedNumber(QStringLiteral("12,5"), kComma, false), QString());
}

TEST(DecimalText, FixedNotationRoundsHalvesAwayFromZero) {
  auto fixed = [](double v, int decimals) { return numtext::RoundedFixed(v, -decimals, decimals, QChar(',')); };
  EXPECT_EQ(fixed(0.137, 2), "0,14");
  EXPECT_EQ(fixed(9.0264, 3), "9,026");
  EXPECT_EQ(fixed(0.01234, 4), "0,0123");
  EXPECT_EQ(fixed(12, 2), "12,00");
  EXPECT_EQ(fixed(0.125, 2), "0,13");     // exact binary half
  EXPECT_EQ(fixed(2.675, 2), "2,68");     // stored as 2.67499999...
  EXPECT_EQ(fixed(-2.675, 2), "-2,68");
  EXPECT_EQ(fixed(9.995, 2), "10,00");    // the carry reaches a new digit
  EXPECT_EQ(fixed(-0.001, 2), "0,00");    // no sign on a zero
  EXPECT_EQ(fixed(7.5, 0), "8");          // no separator without decimals
  EXPECT_EQ(fixed(1e20, 2), "100000000000000000000,00");  // never an exponent
  EXPECT_EQ(fixed(1e-30, 4), "0,0000");
  EXPECT_EQ(fixed(std::numeric_limits<double>::infinity(), 2), "");
}

TEST(DecimalText, LeadingPlaceIsThePowerOfTheFirstDigit) {
  EXPECT_EQ(numtext::LeadingPlace(14734.7875), 4);
  EXPECT_EQ(numtext::LeadingPlace(-0.004), -3);
  EXPECT_EQ(numtext::LeadingPlace(1), 0);
  EXPECT_EQ(numtext::LeadingPlace(999999.9999999999999), 6);  // reads as 1 000 000 in 15 digits
  EXPECT_EQ(numtext::LeadingPlace(0), INT_MIN);
}

}  // namespace
