#pragma once
#include <QByteArray>
#include <QImage>

namespace platform {
// Decodes a JPEG picture with libjpeg; a null image when the bytes are not
// a JPEG the decoder accepts.
QImage DecodeJpeg(const QByteArray& data);
}
