#include "skin/SkinCompose.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

// A rectangle from its edges, the right and bottom ones excluded.
QRect Edges(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

QImage AsPremultiplied(const QImage& image) {
  return image.format() == kFormat ? image : image.convertToFormat(kFormat);
}

// An image of `size` filled with `background`; null for a size without area
// (or one too large to allocate).
QImage NewImage(QSize size, QRgb background) {
  if (size.width() <= 0 || size.height() <= 0) return {};
  QImage out(size, kFormat);
  if (!out.isNull()) out.fill(background);
  return out;
}

int Channel(QRgb pixel, int shift) { return int((pixel >> shift) & 0xFF); }

QRgb Blend(QRgb normal, QRgb active, double k) {
  QRgb out = 0;
  for (int shift = 0; shift <= 24; shift += 8) {
    // Both terms are non-negative: adding a half and truncating rounds to
    // the nearest integer, halves upwards.
    const double v = (1.0 - k) * Channel(normal, shift) + k * Channel(active, shift);
    out |= QRgb(std::min(unsigned(v + 0.5), 255u)) << shift;
  }
  return out;
}

// Weight of the active image at position t (0 at the edge where the wipe
// starts, 1 at the far edge) for the soft wipes.
double WipeWeight(double k, double t) { return std::clamp(2.0 * k - t, 0.0, 1.0); }
}  // namespace

TbsResizeMode ResizeModeOf(const TRect& skinRect, const TbsCornerPoints& points) {
  if (skinRect.IsEmpty()) return TbsResizeMode::rmNone;
  if (points.RightBottom.x() != 0 && points.RightBottom.y() != 0) return TbsResizeMode::rmFree;
  if (!points.RightTop.isNull()) return TbsResizeMode::rmAcross;
  if (!points.LeftBottom.isNull()) return TbsResizeMode::rmDown;
  return TbsResizeMode::rmFixed;
}

QSize SkinSizeFor(TbsResizeMode mode, QSize skin, QSize requested) {
  switch (mode) {
    case TbsResizeMode::rmFixed:
      return skin;
    case TbsResizeMode::rmAcross:
      return QSize(requested.width(), skin.height());
    case TbsResizeMode::rmDown:
      return QSize(skin.width(), requested.height());
    case TbsResizeMode::rmFree:
    case TbsResizeMode::rmNone:
      break;
  }
  return requested;
}

TbsPieceGeometry GeometryForSize(TbsResizeMode mode, QSize skin, const TbsPieceLayout& layout, QSize size) {
  const int dw = size.width() - skin.width();
  const int dh = size.height() - skin.height();
  TbsPieceGeometry g{layout.Points, layout.ClientRect};
  switch (mode) {
    case TbsResizeMode::rmFree:
      g.Points.RightTop.rx() += dw;
      g.Points.LeftBottom.ry() += dh;
      g.Points.RightBottom += QPoint(dw, dh);
      g.ClientRect.Right += dw;
      g.ClientRect.Bottom += dh;
      break;
    case TbsResizeMode::rmAcross:
      g.Points.RightTop.rx() += dw;
      g.ClientRect.Right += dw;
      break;
    case TbsResizeMode::rmDown:
      g.Points.LeftBottom.ry() += dh;
      g.ClientRect.Bottom += dh;
      break;
    case TbsResizeMode::rmFixed:
    case TbsResizeMode::rmNone:
      break;
  }
  return g;
}

TbsPieceLayout ClientCornerLayout(const TRect& c) {
  TbsPieceLayout layout;
  layout.Points = {QPoint(c.Left, c.Top), QPoint(c.Right, c.Top), QPoint(c.Left, c.Bottom),
                   QPoint(c.Right, c.Bottom)};
  layout.ClientRect = c;
  layout.Stretch = {true, true, true, true, true};
  return layout;
}

QImage CutPiece(const QImage& picture, const TRect& rect, QRgb outside) {
  if (rect.IsEmpty()) return {};
  QImage out = NewImage(QSize(rect.Width(), rect.Height()), outside);
  if (out.isNull() || picture.isNull()) return out;
  const QRect inside = rect.ToQRect().intersected(picture.rect());
  if (inside.isEmpty()) return out;
  const QImage part = AsPremultiplied(picture.copy(inside));
  const int dx = inside.left() - rect.Left, dy = inside.top() - rect.Top;
  for (int y = 0; y < part.height(); ++y) {
    const auto* s = reinterpret_cast<const QRgb*>(part.constScanLine(y));
    auto* d = reinterpret_cast<QRgb*>(out.scanLine(y + dy)) + dx;
    std::copy(s, s + part.width(), d);
  }
  return out;
}

void DrawPiece(QImage& target, const QRect& to, const QImage& source, const QRect& fromAsked, bool stretch) {
  if (to.isEmpty() || fromAsked.isEmpty() || target.isNull() || source.isNull()) return;
  const QRect from = fromAsked.intersected(source.rect());
  const QRect clip = to.intersected(target.rect());
  if (from.isEmpty() || clip.isEmpty()) return;
  if (target.format() != kFormat) target = target.convertToFormat(kFormat);
  const QImage src = AsPremultiplied(source);

  // Source column of every target column, then the same for each row: the
  // nearest pixel to the target pixel's centre when stretching, the pixel
  // of the repeated piece when tiling.
  auto map = [stretch](int offset, int fromLength, int toLength) {
    if (stretch) return int((2LL * offset + 1) * fromLength / (2LL * toLength));
    return offset % fromLength;
  };
  std::vector<int> columns(clip.width());
  for (int x = clip.left(); x <= clip.right(); ++x)
    columns[x - clip.left()] = from.left() + map(x - to.left(), from.width(), to.width());
  for (int y = clip.top(); y <= clip.bottom(); ++y) {
    const int sy = from.top() + map(y - to.top(), from.height(), to.height());
    const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
    auto* d = reinterpret_cast<QRgb*>(target.scanLine(y)) + clip.left();
    for (int i = 0; i < clip.width(); ++i) d[i] = s[columns[i]];
  }
}

QImage ComposeNinePiece(const QImage& piece, const TbsPieceLayout& layout, QSize size,
                        const TbsPieceGeometry& target, bool drawClient, QRgb background) {
  return ComposeNinePiecePart(piece, layout, size, target, QRect(QPoint(0, 0), size), drawClient, background);
}

QImage ComposeNinePiecePart(const QImage& piece, const TbsPieceLayout& layout, QSize size,
                            const TbsPieceGeometry& target, const QRect& part, bool drawClient, QRgb background) {
  if (size.width() <= 0 || size.height() <= 0) return {};
  const QRect whole(QPoint(0, 0), size);
  if (!whole.contains(part)) {
    // What lies beyond the composed image is 0, as a copy beyond an image's
    // edge gives; what lies inside is composed as usual.
    QImage out = NewImage(part.size(), 0);
    const QRect inside = whole.intersected(part);
    if (out.isNull() || inside.isEmpty()) return out;
    const QImage in = ComposeNinePiecePart(piece, layout, size, target, inside, drawClient, background);
    const QPoint at = inside.topLeft() - part.topLeft();
    for (int y = 0; y < in.height(); ++y) {
      const auto* from = reinterpret_cast<const QRgb*>(in.constScanLine(y));
      std::copy(from, from + in.width(), reinterpret_cast<QRgb*>(out.scanLine(y + at.y())) + at.x());
    }
    return out;
  }
  QImage out = NewImage(part.size(), background);
  if (out.isNull() || piece.isNull()) return out;
  const QImage src = AsPremultiplied(piece);
  const int SW = src.width(), SH = src.height(), W = size.width(), H = size.height();
  const TbsCornerPoints& p = layout.Points;
  const TRect& c = layout.ClientRect;
  const TbsCornerPoints& n = target.Points;
  const TRect& nc = target.ClientRect;
  const TbsStretchFlags& s = layout.Stretch;
  // Every piece is drawn at its place in the whole image, moved to the part.
  const QPoint shift = -part.topLeft();
  auto draw = [&](const QRect& to, const QRect& from, bool stretch) {
    DrawPiece(out, to.translated(shift), src, from, stretch);
  };
  auto tiled = [&](const QRect& to, const QRect& from) { draw(to, from, false); };

  if (drawClient) draw(nc.ToQRect(), c.ToQRect(), s.Client);
  // The four edges between the corner points.
  draw(Edges(n.LeftTop.x(), 0, n.RightTop.x(), nc.Top),
       Edges(p.LeftTop.x(), 0, p.RightTop.x(), c.Top), s.Top);
  draw(Edges(n.LeftBottom.x(), nc.Bottom, n.RightBottom.x(), H),
       Edges(p.LeftBottom.x(), c.Bottom, p.RightBottom.x(), SH), s.Bottom);
  draw(Edges(0, n.LeftTop.y(), nc.Left, n.LeftBottom.y()),
       Edges(0, p.LeftTop.y(), c.Left, p.LeftBottom.y()), s.Left);
  draw(Edges(nc.Right, n.RightTop.y(), W, n.RightBottom.y()),
       Edges(c.Right, p.RightTop.y(), SW, p.RightBottom.y()), s.Right);
  // The corner areas, unscaled; each is two rectangles (an L shape).
  tiled(Edges(0, 0, n.LeftTop.x(), nc.Top), Edges(0, 0, p.LeftTop.x(), c.Top));
  tiled(Edges(0, 0, nc.Left, n.LeftTop.y()), Edges(0, 0, c.Left, p.LeftTop.y()));
  tiled(Edges(n.RightTop.x(), 0, W, nc.Top), Edges(p.RightTop.x(), 0, SW, c.Top));
  tiled(Edges(nc.Right, 0, W, n.RightTop.y()), Edges(c.Right, 0, SW, p.RightTop.y()));
  tiled(Edges(0, nc.Bottom, n.LeftBottom.x(), H), Edges(0, c.Bottom, p.LeftBottom.x(), SH));
  tiled(Edges(0, n.LeftBottom.y(), nc.Left, H), Edges(0, p.LeftBottom.y(), c.Left, SH));
  tiled(Edges(n.RightBottom.x(), nc.Bottom, W, H), Edges(p.RightBottom.x(), c.Bottom, SW, SH));
  tiled(Edges(nc.Right, n.RightBottom.y(), W, H), Edges(c.Right, p.RightBottom.y(), SW, SH));
  return out;
}

QImage ComposeAcross(const QImage& piece, int leftEnd, int rightStart, bool stretch, QSize size,
                     QRgb background) {
  QImage out = NewImage(size, background);
  if (out.isNull() || piece.isNull()) return out;
  const QImage src = AsPremultiplied(piece);
  const int SW = src.width(), SH = src.height(), W = size.width();
  leftEnd = std::clamp(leftEnd, 0, SW);
  rightStart = std::clamp(rightStart, 0, SW);
  const int rightWidth = SW - rightStart;
  DrawPiece(out, Edges(leftEnd, 0, W - rightWidth, SH), src, Edges(leftEnd, 0, rightStart, SH), stretch);
  DrawPiece(out, Edges(0, 0, leftEnd, SH), src, Edges(0, 0, leftEnd, SH), false);
  DrawPiece(out, Edges(W - rightWidth, 0, W, SH), src, Edges(rightStart, 0, SW, SH), false);
  return out;
}

QImage ComposeDown(const QImage& piece, int topEnd, int bottomStart, bool stretch, QSize size,
                   QRgb background) {
  QImage out = NewImage(size, background);
  if (out.isNull() || piece.isNull()) return out;
  const QImage src = AsPremultiplied(piece);
  const int SW = src.width(), SH = src.height(), H = size.height();
  topEnd = std::clamp(topEnd, 0, SH);
  bottomStart = std::clamp(bottomStart, 0, SH);
  const int bottomHeight = SH - bottomStart;
  DrawPiece(out, Edges(0, topEnd, SW, H - bottomHeight), src, Edges(0, topEnd, SW, bottomStart), stretch);
  DrawPiece(out, Edges(0, 0, SW, topEnd), src, Edges(0, 0, SW, topEnd), false);
  DrawPiece(out, Edges(0, H - bottomHeight, SW, H), src, Edges(0, bottomStart, SW, SH), false);
  return out;
}

QImage ComposeByMode(const QImage& piece, TbsResizeMode mode, const TbsPieceLayout& layout, QSize size,
                     QRgb background) {
  const TbsCornerPoints& p = layout.Points;
  switch (mode) {
    case TbsResizeMode::rmFree:
      return ComposeNinePiece(piece, layout, size, GeometryForSize(mode, piece.size(), layout, size), true,
                              background);
    case TbsResizeMode::rmAcross:
      return ComposeAcross(piece, p.LeftTop.x(), p.RightTop.x(), layout.Stretch.Client, size, background);
    case TbsResizeMode::rmDown:
      return ComposeDown(piece, p.LeftTop.y(), p.LeftBottom.y(), layout.Stretch.Client, size, background);
    case TbsResizeMode::rmFixed: {
      QImage out = NewImage(size, background);
      if (!out.isNull()) DrawPiece(out, piece.rect(), piece, piece.rect(), false);
      return out;
    }
    case TbsResizeMode::rmNone:
      break;
  }
  return NewImage(size, background);
}

QImage ComposeClientCorners(const QImage& piece, const TRect& clientRect, QSize size, QRgb background) {
  const TbsPieceLayout layout = ClientCornerLayout(clientRect);
  return ComposeNinePiece(piece, layout, size,
                          GeometryForSize(TbsResizeMode::rmFree, piece.size(), layout, size), true, background);
}

TbsMaskRuns MaskRuns(const QImage& mask, int maxRuns) {
  TbsMaskRuns result;
  if (mask.isNull()) return result;
  // Premultiplied pixels are read as they are: their red, green and blue are
  // all 0 exactly when the unpremultiplied ones are (or alpha is 0, which
  // reads as black either way).
  const QImage m = mask.format() == QImage::Format_RGB32 || mask.format() == kFormat
                       ? mask
                       : mask.convertToFormat(QImage::Format_RGB32);
  const int w = m.width();
  for (int y = 0; y < m.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(m.constScanLine(y));
    int x = 0;
    while (x < w) {
      if ((line[x] & 0x00FFFFFFu) != 0) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < w && (line[x] & 0x00FFFFFFu) == 0) ++x;
      if (int(result.Runs.size()) >= maxRuns) {
        result.Truncated = true;
        return result;
      }
      result.Runs.push_back(TRect{start, y, x, y + 1});
    }
  }
  return result;
}

QRegion RegionFromRuns(const std::vector<TRect>& runs, QPoint offset) {
  QRegion region;
  if (runs.empty()) return region;
  // The runs come row by row, left to right, without overlaps: already the
  // banded order a region keeps, so they can be handed over as they are.
  std::vector<QRect> rects;
  rects.reserve(runs.size());
  for (const TRect& r : runs) rects.push_back(r.ToQRect().translated(offset));
  region.setRects(rects.data(), int(rects.size()));
  return region;
}

QRegion MaskToRegion(const QImage& mask, QPoint offset, int maxRuns) {
  return RegionFromRuns(MaskRuns(mask, maxRuns).Runs, offset);
}

QImage MorphBlend(const QImage& normalImage, const QImage& activeImage, double k, TbsMorphKind kind) {
  if (normalImage.size() != activeImage.size() || normalImage.isNull()) return activeImage;
  k = std::clamp(k, 0.0, 1.0);
  const QImage normal = AsPremultiplied(normalImage);
  const QImage active = AsPremultiplied(activeImage);
  QImage out(normal.size(), kFormat);
  if (out.isNull()) return activeImage;
  const int W = out.width(), H = out.height();

  if (kind == TbsMorphKind::mkLeftSlide || kind == TbsMorphKind::mkRightSlide || kind == TbsMorphKind::mkPush) {
    const int shift = int(std::lround(k * W));  // columns of the active image in view
    for (int y = 0; y < H; ++y) {
      const auto* n = reinterpret_cast<const QRgb*>(normal.constScanLine(y));
      const auto* a = reinterpret_cast<const QRgb*>(active.constScanLine(y));
      auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
      for (int x = 0; x < W; ++x) {
        if (kind == TbsMorphKind::mkLeftSlide)
          d[x] = x < shift ? a[x + W - shift] : n[x];
        else if (kind == TbsMorphKind::mkRightSlide)
          d[x] = x >= W - shift ? a[x - (W - shift)] : n[x];
        else
          d[x] = x < shift ? a[x + W - shift] : n[x - shift];
      }
    }
    return out;
  }

  // The blends: a weight of the active image per column (the default blend
  // and the sideways wipes) or per row (the top-to-bottom wipe).
  std::vector<double> columns(W, k);
  auto at = [](int i, int n) { return n > 1 ? double(i) / (n - 1) : 0.0; };
  if (kind == TbsMorphKind::mkLeftGradient)
    for (int x = 0; x < W; ++x) columns[x] = WipeWeight(k, at(x, W));
  else if (kind == TbsMorphKind::mkRightGradient)
    for (int x = 0; x < W; ++x) columns[x] = WipeWeight(k, 1.0 - at(x, W));
  for (int y = 0; y < H; ++y) {
    const auto* n = reinterpret_cast<const QRgb*>(normal.constScanLine(y));
    const auto* a = reinterpret_cast<const QRgb*>(active.constScanLine(y));
    auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
    if (kind == TbsMorphKind::mkGradient) {
      const double w = WipeWeight(k, at(y, H));
      for (int x = 0; x < W; ++x) d[x] = Blend(n[x], a[x], w);
    } else {
      for (int x = 0; x < W; ++x) d[x] = Blend(n[x], a[x], columns[x]);
    }
  }
  return out;
}

void PutImage(QPainter& p, const QImage& image) {
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(0, 0, image);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QImage ComposeFreely(const QImage& piece, TbsResizeMode mode, const TbsPieceLayout& layout, QSize size,
                     QRgb background) {
  if (mode == TbsResizeMode::rmFree || mode == TbsResizeMode::rmNone)
    return ComposeByMode(piece, mode, layout, size, background);
  return ComposeClientCorners(piece, layout.ClientRect, size, background);
}
