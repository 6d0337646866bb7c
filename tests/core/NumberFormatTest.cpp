// The result number format: six significant digits or two decimals, whichever
// is coarser, rounded once with halves away from zero, grouped in threes.
#include "core/NumberFormat.h"
#include "core/Separators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QString Ru(double v) { return FormatResult(v, QChar(','), QChar(0x00A0)); }
QString Nb(const char* s) { return QString::fromUtf8(s).replace(QChar(' '), QChar(0x00A0)); }

TEST(NumberFormat, WorkedExamplesOfTheCalculations) {
  EXPECT_EQ(Ru(14734.7875), Nb("14 734,80"));  // rounded at the sixth significant digit
  EXPECT_EQ(Ru(605.9485), "605,95");           // rounded at the second decimal
  EXPECT_EQ(Ru(0.004), "0,00");
}

TEST(NumberFormat, RoundsAtTheCoarserOfTheTwoPlaces) {
  EXPECT_EQ(Ru(1.23456789), "1,23");
  EXPECT_EQ(Ru(1234.5678), Nb("1 234,57"));   // seven digits: still the second decimal
  EXPECT_EQ(Ru(12345.678), Nb("12 345,70"));  // the sixth digit is the first decimal
  EXPECT_EQ(Ru(123456.78), Nb("123 457,00"));
  EXPECT_EQ(Ru(26237.0449), Nb("26 237,00"));
}

TEST(NumberFormat, HalvesGoAwayFromZeroAsTheDecimalNumberReads) {
  EXPECT_EQ(Ru(0.125), "0,13");
  EXPECT_EQ(Ru(2.675), "2,68");    // binary 2.67499999...
  EXPECT_EQ(Ru(1.005), "1,01");    // binary 1.00499999...
  EXPECT_EQ(Ru(0.005), "0,01");
  EXPECT_EQ(Ru(12345.65), Nb("12 345,70"));
  EXPECT_EQ(Ru(123456.5), Nb("123 457,00"));
  EXPECT_EQ(Ru(0.1 + 0.2 + 0.005), "0,31");  // 0.30500000000000005
  EXPECT_EQ(Ru(0.0049999), "0,00");
  // Rounded once: 1.2344999 does not become 1.2345 and then 1.24.
  EXPECT_EQ(Ru(1.2344999), "1,23");
}

TEST(NumberFormat, NegativesMirrorPositivesAndZeroHasNoSign) {
  EXPECT_EQ(Ru(-2.675), "-2,68");
  EXPECT_EQ(Ru(-14734.7875), Nb("-14 734,80"));
  EXPECT_EQ(Ru(-0.004), "0,00");
  EXPECT_EQ(Ru(-0.0), "0,00");
  EXPECT_EQ(Ru(0), "0,00");
}

TEST(NumberFormat, MillionsKeepTheGroupedFixedForm) {
  EXPECT_EQ(Ru(999999.5), Nb("1 000 000,00"));
  EXPECT_EQ(Ru(1234567.891), Nb("1 234 570,00"));
  EXPECT_EQ(Ru(987654321987.0), Nb("987 654 000 000,00"));
  EXPECT_EQ(Ru(1.5e20), Nb("150 000 000 000 000 000 000,00"));
  EXPECT_FALSE(Ru(1e300).contains(QChar('e')));
  EXPECT_EQ(Ru(1e300).size(), 301 + 100 + 3);  // 301 digits, 100 group marks, ",00"
}

TEST(NumberFormat, TinyValuesAreZero) {
  EXPECT_EQ(Ru(1e-300), "0,00");
  EXPECT_EQ(Ru(std::numeric_limits<double>::denorm_min()), "0,00");
}

TEST(NumberFormat, NotANumberIsNeverWritten) {
  EXPECT_EQ(Ru(std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(Ru(-std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(Ru(std::nan("")), "");
}

TEST(NumberFormat, UsesTheLocaleSeparators) {
  EXPECT_EQ(FormatResult(14734.7875), Nb("14 734,80"));  // the test program's Russian separators
  core::SetLocaleSeparators(QChar('.'), QChar(','));
  EXPECT_EQ(FormatResult(1851.388), "1,851.39");
  core::SetLocaleSeparators(QChar(','), QChar(0x00A0));
}

}  // namespace
