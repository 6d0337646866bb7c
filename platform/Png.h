#pragma once
#include <QByteArray>
#include <QImage>

namespace platform {
// Decodes a PNG picture with libpng into Format_ARGB32 (colours as stored,
// not premultiplied); a null image when the bytes are not a PNG the decoder
// accepts. Safe on any thread, and before the application object exists.
QImage DecodePng(const QByteArray& data);
}
