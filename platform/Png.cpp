#include "platform/Png.h"

#include <png.h>

namespace platform {
QImage DecodePng(const QByteArray& data) {
  if (data.isEmpty()) return {};
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, data.constData(), std::size_t(data.size()))) return {};
  // Blue, green, red, alpha in memory: a 32-bit ARGB pixel on this machine.
  png.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
  QImage image(int(png.width), int(png.height), QImage::Format_ARGB32);
  if (image.isNull()) {
    png_image_free(&png);
    return {};
  }
  if (!png_image_finish_read(&png, nullptr, image.bits(), png_int_32(image.bytesPerLine()), nullptr)) {
    png_image_free(&png);
    return {};
  }
  return image;
}
}  // namespace platform
