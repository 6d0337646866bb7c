#include "resources/Resources.h"
#include <QFile>

namespace resources {
QByteArray Load(const QString& name) {
  QFile f(QStringLiteral(":/art/") + name);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}
}
