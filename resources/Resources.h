#pragma once
#include <QByteArray>
#include <QString>

namespace resources {
// Bytes of an embedded picture or stream, by its file name in resources/art
// (for example "splash.jpg"). Empty when there is no such resource.
QByteArray Load(const QString& name);
}
