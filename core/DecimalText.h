#pragma once
// The decimal text rules the numeric field and the result format share:
// rounding to a decimal place as the number reads, fixed notation with
// grouping, and the field's number test. Plain functions of text and
// separators, with no widget and no locale of their own.
#include <QChar>
#include <QString>
#include <climits>

namespace numtext {

// Place (power of ten) of the first significant digit of |value|, judged on the
// value's 15-digit decimal form; INT_MIN for zero and for values that are not
// finite.
int LeadingPlace(double value);

// Writes `value` rounded once, halves away from zero, at the place 10^roundPlace
// (digits below it become zeros), with exactly `decimals` digits after
// `decimalSeparator` and, when `groupSeparator` is not null, the digits before
// it grouped in threes. No exponent whatever the magnitude; no sign when every
// written digit is zero. The value is first taken to its 15-significant-digit
// decimal form, so a half that binary representation turned into ...4999 (0.125
// style values, 2.675) still rounds as the decimal number reads. Empty for a
// value that is not finite. Requires roundPlace >= -decimals.
QString RoundedFixed(double value, int roundPlace, int decimals, QChar decimalSeparator,
                     QChar groupSeparator = QChar());

// The number a numeric field keeps for `value`: written with `decimals` digits
// (halves away from zero, as RoundedFixed) and read back.
double RoundedToDecimals(double value, int decimals);

// The field's number test: not empty, not a lone "-", only digits, "-" and the
// decimal separator, "-" only first and at most once, the separator at most once
// and not first, at least one digit, and a finite value.
bool IsNumber(const QString& text, QChar decimalSeparator);
// The number a text passing IsNumber reads; 0 otherwise.
double ReadNumber(const QString& text, QChar decimalSeparator);

// A pasted or dropped text read as a number in the user's notation, written
// the way the field holds it (digits, "-", `decimalSeparator`): blanks around
// it are ignored; blanks (ordinary, no-break, narrow no-break) between digit
// groups before the separator are dropped, provided every group after the
// first has three digits; and when the separator is "," a text with a single
// "." and no "," takes that "." for it. Empty when the text is no number
// (IsNumber fails) or holds a fraction where `fraction` is false.
QString PastedNumber(const QString& text, QChar decimalSeparator, bool fraction = true);

}  // namespace numtext
