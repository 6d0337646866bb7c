#include "core/Separators.h"

#include <QLocale>
#include <QString>

namespace core {

namespace {
QChar gDecimal;
QChar gThousand;
}  // namespace

QChar DecimalSeparator() {
  if (!gDecimal.isNull()) return gDecimal;
  return QLocale::system().decimalPoint().at(0);
}

QChar ThousandSeparator() {
  if (!gThousand.isNull()) return gThousand;
  const QString g = QLocale::system().groupSeparator();
  return g.isEmpty() ? QChar(' ') : g.at(0);
}

void SetLocaleSeparators(QChar decimal, QChar thousand) {
  gDecimal = decimal;
  gThousand = thousand;
}

}  // namespace core
