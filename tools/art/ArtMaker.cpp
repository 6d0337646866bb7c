#include "tools/art/ArtMaker.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <jpeglib.h>

namespace art {
namespace {
bool WriteJpeg(const QImage& source, const QString& path, int quality) {
  const QImage img = source.convertToFormat(QImage::Format_RGB888);
  FILE* f = std::fopen(path.toLocal8Bit().constData(), "wb");
  if (!f) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr err{};
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, f);
  info.image_width = static_cast<JDIMENSION>(img.width());
  info.image_height = static_cast<JDIMENSION>(img.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uchar*>(img.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(f) == 0;
}

bool Save(const QImage& image, const QString& path) {
  const bool ok = path.endsWith(QLatin1String(".jpg")) ? WriteJpeg(image, path, 88) : image.save(path, "PNG");
  if (!ok) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return ok;
}
}  // namespace

QImage DrawArtPicture(const TArtPicture& picture) {
  QImage img(picture.Width, picture.Height, picture.Format);
  img.fill(Qt::transparent);
  QPainter p(&img);
  if (picture.Smooth) p.setRenderHint(QPainter::Antialiasing);
  picture.Paint(p);
  p.end();
  return img;
}

int RunArtMaker(int argc, char** argv, const char* tool, std::span<const TArtPicture> pictures) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", tool);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
  bool ok = true;
  for (const TArtPicture& picture : pictures)
    ok = Save(DrawArtPicture(picture), folder + QLatin1String(picture.File)) && ok;
  return ok ? 0 : 1;
}

QLinearGradient Gradient(QPointF from, QPointF to, const QColor& a, const QColor& b) {
  QLinearGradient g(from, to);
  g.setColorAt(0, a);
  g.setColorAt(1, b);
  return g;
}

QRadialGradient Radial(QPointF centre, double radius, const QColor& a, const QColor& b) {
  QRadialGradient g(centre, radius);
  g.setColorAt(0, a);
  g.setColorAt(1, b);
  return g;
}

QPainterPath ClosedPath(std::initializer_list<QPointF> corners) {
  QPainterPath path;
  for (const QPointF& c : corners) {
    if (path.elementCount() == 0) path.moveTo(c);
    else path.lineTo(c);
  }
  path.closeSubpath();
  return path;
}

}  // namespace art
