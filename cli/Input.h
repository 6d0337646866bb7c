#pragma once
// Reading what the user typed: list items written loosely and numbers with
// either decimal mark.
#include <QString>
#include <QStringList>

#include <optional>

namespace cli {

// The form two inputs are compared in: lower case, Cyrillic letters that look
// like Latin ones taken as those ("М12" and "M12", "АК8" and "AK8"), "," read
// as ".", blanks trimmed and runs of blanks made one, and an "m" before a
// digit dropped (a thread "M12" is the diameter "12").
QString Folded(const QString& text);

// The item of `items` that `input` names when both are folded; nothing when
// none does.
std::optional<QString> FindItem(const QString& input, const QStringList& items);

// A number written with "," or "." as the decimal mark (a leading mark is
// read as "0."); nothing for anything else.
std::optional<double> ReadDecimal(const QString& text);

// The item of a list of numbers (written with the decimal comma) that has the
// value `input` reads; "1,50", "1.5" and "1,5" name the same item.
std::optional<QString> FindNumberItem(const QString& input, const QStringList& items);

}  // namespace cli
