// A layered window's picture as a screen without per-pixel alpha shows it.
#include "platform/Layered.h"

#include <QRect>

#include <algorithm>
#include <utility>
#include <vector>

namespace platform {

namespace {

// A premultiplied pixel over an opaque one: each channel c + (255 - a) * under
// / 255, rounded; red and blue side by side in one multiplication. A valid
// premultiplied channel is at most its alpha, so no sum passes 255.
inline QRgb Over(QRgb p, QRgb under) {
  const std::uint32_t rest = 255 - (p >> 24);
  std::uint32_t rb = (under & 0x00FF00FFu) * rest + 0x00800080u;
  rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
  std::uint32_t g = (under & 0x0000FF00u) * rest + 0x00008000u;
  g = ((g + ((g >> 8) & 0x0000FF00u)) >> 8) & 0x0000FF00u;
  return 0xFF000000u | ((p & 0x00FFFFFFu) + rb + g);
}

// Whether every colour channel is at most the alpha, as premultiplied ones are.
inline bool Premultiplied(QRgb p) {
  const std::uint32_t a = p >> 24;
  return ((p >> 16) & 0xFF) <= a && ((p >> 8) & 0xFF) <= a && (p & 0xFF) <= a;
}

// The shape of the pixels with any opacity, built row by row: per row the
// runs of such pixels, a run of rows with the same runs as one band.
class TShapeBuilder {
public:
  void Row(int y, const std::vector<std::pair<int, int>>& runs) {
    if (y > 0 && runs == FBandRuns) {
      FBandBottom = y;
      return;
    }
    Close();
    FBandRuns = runs;
    FBandTop = FBandBottom = y;
  }
  QRegion Region() {
    Close();
    QRegion shape;
    shape.setRects(FRects.data(), static_cast<int>(FRects.size()));
    return shape;
  }

private:
  void Close() {
    for (const auto& [left, end] : FBandRuns)
      FRects.emplace_back(QPoint(left, FBandTop), QPoint(end - 1, FBandBottom));
    FBandRuns.clear();
  }
  std::vector<QRect> FRects;
  std::vector<std::pair<int, int>> FBandRuns;  // [left, end) of each run
  int FBandTop = 0, FBandBottom = 0;
};

}  // namespace

TOpaqueFrame ComposeOpaque(const QImage& frame, int flags, const QImage& backdrop) {
  TOpaqueFrame out;
  ComposeOpaque(frame, flags, backdrop, out);
  return out;
}

void ComposeOpaque(const QImage& frame, int flags, const QImage& backdrop, TOpaqueFrame& out) {
  out.Shape = QRegion();
  if (frame.isNull() || frame.depth() != 32) {
    out.Image = QImage();
    return;
  }
  const QImage source = frame.format() == QImage::Format_ARGB32 ? frame : frame.convertToFormat(QImage::Format_ARGB32);
  const int w = source.width();
  if (out.Image.size() != source.size() || out.Image.format() != QImage::Format_RGB32 || !out.Image.isDetached())
    out.Image = QImage(source.size(), QImage::Format_RGB32);
  if (flags & ULW_OPAQUE) {
    // The colours as they are, every pixel shown.
    for (int y = 0; y < source.height(); ++y) {
      const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
      auto* o = reinterpret_cast<QRgb*>(out.Image.scanLine(y));
      for (int x = 0; x < w; ++x) o[x] = in[x] | 0xFF000000u;
    }
    out.Shape = QRegion(source.rect());
    return;
  }
  const bool behind = !backdrop.isNull() && backdrop.size() == source.size();
  const QImage back = behind ? backdrop.convertToFormat(QImage::Format_RGB32) : QImage();
  TShapeBuilder shape;
  std::vector<std::pair<int, int>> runs;
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    const auto* b = behind ? reinterpret_cast<const QRgb*>(back.constScanLine(y)) : nullptr;
    auto* o = reinterpret_cast<QRgb*>(out.Image.scanLine(y));
    runs.clear();
    int start = -1;
    for (int x = 0; x < w; ++x) {
      const QRgb p = in[x];
      const std::uint32_t a = p >> 24;
      if (a == 0) {
        o[x] = b ? b[x] : 0xFF000000u;  // outside the shape
        if (start >= 0) runs.emplace_back(start, x);
        start = -1;
        continue;
      }
      if (start < 0) start = x;
      if (a == 255) {
        o[x] = p;
      } else if (b) {
        // Over what is behind; a channel above its alpha is taken as the alpha.
        o[x] = Over(Premultiplied(p) ? p : qRgba(std::min<int>(qRed(p), a), std::min<int>(qGreen(p), a),
                                                 std::min<int>(qBlue(p), a), a),
                    b[x]);
      } else {
        // Nothing known behind: the window's own colour, at full opacity.
        auto plain = [a](std::uint32_t c) { return std::min(255u, (c * 255 + a / 2) / a); };
        o[x] = 0xFF000000u | plain((p >> 16) & 0xFF) << 16 | plain((p >> 8) & 0xFF) << 8 | plain(p & 0xFF);
      }
    }
    if (start >= 0) runs.emplace_back(start, w);
    shape.Row(y, runs);
  }
  out.Shape = shape.Region();
}

}  // namespace platform
