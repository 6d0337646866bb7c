#include "cli/Input.h"

#include "core/DecimalText.h"
#include "core/ThreadCalc.h"

namespace cli {

namespace {

// Lower-case Cyrillic letters drawn like a Latin letter, and that letter.
// Upper case folds here too, through the lower-casing done first.
constexpr struct {
  char16_t Cyrillic;
  char Latin;
} kLookAlikes[] = {
    {u'а', 'a'}, {u'в', 'b'}, {u'е', 'e'}, {u'к', 'k'}, {u'м', 'm'}, {u'н', 'h'}, {u'о', 'o'},
    {u'р', 'p'}, {u'с', 'c'}, {u'т', 't'}, {u'у', 'y'}, {u'х', 'x'}, {u'і', 'i'}, {u'ј', 'j'},
};

QChar Latin(QChar c) {
  for (const auto& l : kLookAlikes)
    if (c.unicode() == l.Cyrillic) return QLatin1Char(l.Latin);
  return c;
}

}  // namespace

QString Folded(const QString& text) {
  QString s = text.simplified().toLower();
  for (QChar& c : s) {
    c = Latin(c);
    if (c == QLatin1Char(',')) c = QLatin1Char('.');
  }
  if (s.size() > 1 && s.at(0) == QLatin1Char('m') && s.at(1).isDigit()) s.remove(0, 1);
  return s;
}

std::optional<QString> FindItem(const QString& input, const QStringList& items) {
  const QString key = Folded(input);
  for (const QString& item : items)
    if (Folded(item) == key) return item;
  return std::nullopt;
}

std::optional<double> ReadDecimal(const QString& text) {
  QString s = text.trimmed();
  s.replace(QLatin1Char(','), QLatin1Char('.'));
  if (s.startsWith(QLatin1Char('.'))) s.prepend(QLatin1Char('0'));
  else if (s.startsWith(QLatin1String("-."))) s.insert(1, QLatin1Char('0'));
  if (!numtext::IsNumber(s, QLatin1Char('.'))) return std::nullopt;
  return numtext::ReadNumber(s, QLatin1Char('.'));
}

std::optional<QString> FindNumberItem(const QString& input, const QStringList& items) {
  const std::optional<double> value = ReadDecimal(Folded(input));
  if (!value) return std::nullopt;
  for (const QString& item : items)
    if (ListNumber(item) == *value) return item;
  return std::nullopt;
}

}  // namespace cli
