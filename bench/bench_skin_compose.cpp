// Composition on every paint: a button image and a window frame composed at
// their sizes, and a window region built from a mask. Each paint composes the
// whole image afresh, so a button should take well under a millisecond
// (aim: below 0.2 ms for the largest button, 369 x 35) and a frame with its
// region a few milliseconds at most.
#include "skin/SkinCompose.h"

#include <benchmark/benchmark.h>

namespace {
QImage Pattern(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
  return img;
}

// A button of the windows: 69 x 23 piece, client corners, at 369 x 35.
void BM_ButtonClientCorners(benchmark::State& state) {
  const QImage piece = CutPiece(Pattern(535, 583), TRect{399, 293, 468, 316});
  for (auto _ : state) {
    QImage img = ComposeClientCorners(piece, TRect{10, 2, 60, 21}, QSize(369, 35));
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_ButtonClientCorners)->Unit(benchmark::kMicrosecond);

// The same button blended half-way between two state images.
void BM_ButtonMorph(benchmark::State& state) {
  const QImage picture = Pattern(535, 583);
  const QImage normal = ComposeClientCorners(CutPiece(picture, TRect{399, 293, 468, 316}), TRect{10, 2, 60, 21},
                                             QSize(369, 35));
  const QImage active = ComposeClientCorners(CutPiece(picture, TRect{399, 317, 468, 340}), TRect{10, 2, 60, 21},
                                             QSize(369, 35));
  for (auto _ : state) {
    QImage img = MorphBlend(normal, active, 0.4, TbsMorphKind::mkDefault);
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_ButtonMorph)->Unit(benchmark::kMicrosecond);

// A 292 x 165 frame picture grown to a 600 x 420 window, tiled edges, client left out.
void BM_FrameNinePiece(benchmark::State& state) {
  const QImage picture = Pattern(292, 165);
  TbsPieceLayout l;
  l.Points = {{30, 25}, {260, 25}, {30, 162}, {260, 162}};
  l.ClientRect = TRect{2, 25, 290, 162};
  const QSize size(600, 420);
  const TbsPieceGeometry g = GeometryForSize(TbsResizeMode::rmFree, picture.size(), l, size);
  for (auto _ : state) {
    QImage img = ComposeNinePiece(picture, l, size, g, false);
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_FrameNinePiece)->Unit(benchmark::kMicrosecond);

// A window-sized mask with rounded-off corners read into a region.
void BM_MaskRegion(benchmark::State& state) {
  QImage mask(600, 420, QImage::Format_RGB32);
  mask.fill(qRgb(0, 0, 0));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6 - y; ++x) {
      mask.setPixel(x, y, qRgb(255, 255, 255));
      mask.setPixel(599 - x, y, qRgb(255, 255, 255));
    }
  for (auto _ : state) {
    QRegion r = MaskToRegion(mask);
    benchmark::DoNotOptimize(r.rectCount());
  }
}
BENCHMARK(BM_MaskRegion)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
