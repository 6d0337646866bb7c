#include "core/NumberFormat.h"

#include "core/DecimalText.h"
#include "core/Separators.h"

#include <algorithm>
#include <climits>

QString FormatResult(double value, QChar decimalSeparator, QChar groupSeparator) {
  constexpr int kSignificant = 6;
  constexpr int kDecimals = 2;
  const int leading = numtext::LeadingPlace(value);
  // Place of the sixth significant digit, or of the second decimal when that
  // is coarser (and for zero).
  const int place = leading == INT_MIN ? -kDecimals : std::max(leading - (kSignificant - 1), -kDecimals);
  return numtext::RoundedFixed(value, place, kDecimals, decimalSeparator, groupSeparator);
}

QString FormatResult(double value) {
  return FormatResult(value, core::DecimalSeparator(), core::ThousandSeparator());
}
