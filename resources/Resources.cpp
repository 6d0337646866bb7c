#include "resources/Resources.h"

#include <QFile>
#include <QResource>

namespace resources {
QByteArray Load(const QString& name) {
  const QString path = QStringLiteral(":/art/") + name;
  // A resource stored as it is is read in place: the bytes stay in the
  // program's image, shared and only paged in as they are used.
  const QResource resource(path);
  if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression && resource.data())
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size()));
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}
}
