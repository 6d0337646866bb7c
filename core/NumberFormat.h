#pragma once
// How the results of the thread calculations are written.
#include <QChar>
#include <QString>

// Rounded once, halves away from zero, at the sixth significant digit or at the
// second decimal, whichever is coarser; written with two decimals, the digits
// before the separator grouped in threes, never with an exponent. Empty for a
// value that is not finite (callers never show one).
QString FormatResult(double value, QChar decimalSeparator, QChar groupSeparator);
// The same with the locale's separators.
QString FormatResult(double value);
