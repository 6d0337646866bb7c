#include "platform/Jpeg.h"

#include "platform/Platform.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace platform {
namespace {
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

void OnError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr) {}
}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) return {};
  jpeg_decompress_struct info{};
  ErrorManager err{};
  info.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  err.pub.output_message = OnMessage;
  // Everything that must survive a longjmp lives outside this frame's locals
  // that the decoder touches.
  static thread_local QImage result;
  result = QImage();
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  info.out_color_space = JCS_EXT_BGRX;  // libjpeg-turbo writes 32-bit pixels directly
  jpeg_start_decompress(&info);
  result = NewPicture(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB32);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = result.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  QImage out = result;
  result = QImage();
  return out;
}
}  // namespace platform
