#pragma once
// The user's decimal and digit-group separators, read from the system locale.
// This is the one place they can be overridden (the tests set the Russian
// ones: ',' and U+00A0); the platform layer and the number formats all read
// them here.
#include <QChar>

namespace core {

QChar DecimalSeparator();
QChar ThousandSeparator();
// Overrides the system's separators; a null QChar restores the system's value.
void SetLocaleSeparators(QChar decimal, QChar thousand);

}  // namespace core
