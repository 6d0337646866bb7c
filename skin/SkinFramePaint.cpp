#include "skin/SkinFramePaint.h"

#include "platform/Graphics.h"
#include "skin/SkinAnimation.h"
#include "skin/SkinData.h"

#include <QPainter>
#include <algorithm>

namespace {
// The frame keeps the client piece as it lies (it is never drawn).
TbsPieceLayout FrameLayout(const TbsDataSkinFormInfo& info, const TRect& inner) {
  return PieceLayoutOf(info, inner, false);
}

int Clamp255(double v) { return std::clamp(int(v + 0.5), 0, 255); }
}  // namespace

QImage ComposeFrameImage(const QImage& picture, const TbsDataSkinFormInfo& info, QSize window) {
  // Corner points and client rectangle moved for the window size, then the
  // nine pieces without the client piece.
  const TbsFrameGeometry g = FrameGeometryFor(info, picture.size(), window);
  return ComposeNinePiece(picture, FrameLayout(info, info.ClientRect), window, {g.Points, g.ClientRect}, false, 0);
}

void ApplyInactiveEffect(QImage& image, TbsInactiveEffect effect) {
  if (image.isNull()) return;
  if (image.format() != QImage::Format_ARGB32_Premultiplied)
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int w = image.width(), h = image.height();
  const QImage source = effect == TbsInactiveEffect::ieSplitBlur ? image.copy() : QImage();
  quint32 seed = 0x2545F491u;  // noise is the same on every repaint
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const QRgb p = line[x];
      const int a = qAlpha(p);
      if (a == 0) continue;
      int r = qRed(p), g = qGreen(p), b = qBlue(p);
      switch (effect) {
        case TbsInactiveEffect::ieBrightness:
          r = Clamp255(r + (a - r) * 0.5);
          g = Clamp255(g + (a - g) * 0.5);
          b = Clamp255(b + (a - b) * 0.5);
          break;
        case TbsInactiveEffect::ieDarkness:
          r = Clamp255(r * 0.7);
          g = Clamp255(g * 0.7);
          b = Clamp255(b * 0.7);
          break;
        case TbsInactiveEffect::ieGrayScale:
          r = g = b = (r * 30 + g * 59 + b * 11) / 100;
          break;
        case TbsInactiveEffect::ieNoise: {
          seed = seed * 1664525u + 1013904223u;
          const int n = int(seed >> 24) % 51 - 25;
          r = std::clamp(r + n, 0, a);
          g = std::clamp(g + n, 0, a);
          b = std::clamp(b + n, 0, a);
          break;
        }
        case TbsInactiveEffect::ieSplitBlur: {
          // The mean of the pixel and its neighbours one pixel left and right.
          const auto* s = reinterpret_cast<const QRgb*>(source.constScanLine(y));
          const QRgb l = s[std::max(0, x - 1)], rr = s[std::min(w - 1, x + 1)];
          r = (qRed(l) + qRed(p) + qRed(rr)) / 3;
          g = (qGreen(l) + qGreen(p) + qGreen(rr)) / 3;
          b = (qBlue(l) + qBlue(p) + qBlue(rr)) / 3;
          break;
        }
        case TbsInactiveEffect::ieInvert:
          r = a - r;
          g = a - g;
          b = a - b;
          break;
      }
      line[x] = qRgba(std::min(r, a), std::min(g, a), std::min(b, a), a);
    }
  }
}

void DrawCaptionText(QImage& frame, const TbsFrameObject& o, const QString& text, bool active) {
  if (!o.Caption || o.Rect.IsEmpty() || text.isEmpty()) return;
  const TbsDataSkinCaption& c = *o.Caption;
  // The text rectangle keeps its distances from the object's edges.
  QRect box = o.Rect.ToQRect();
  if (!c.TextRect.IsEmpty()) {
    box = QRect(QPoint(o.Rect.Left + c.TextRect.Left, o.Rect.Top + c.TextRect.Top),
                QPoint(o.Rect.Right - (o.SkinRect.Width() - c.TextRect.Right) - 1,
                       o.Rect.Bottom - (o.SkinRect.Height() - c.TextRect.Bottom) - 1));
  }
  if (box.width() <= 0 || box.height() <= 0) return;
  QPainter p(&frame);
  p.setFont(ToQFont(TFont::Make(c.Font.Name, c.Font.Height, c.Font.Style)));
  p.setClipRect(box);
  int align = Qt::AlignVCenter;
  align |= c.Alignment == TAlignment::taLeftJustify    ? Qt::AlignLeft
           : c.Alignment == TAlignment::taRightJustify ? Qt::AlignRight
                                                       : Qt::AlignHCenter;
  const QString shown = p.fontMetrics().elidedText(text, Qt::ElideRight, box.width());
  if (c.Light) {
    p.setPen(ToQColor(active ? c.ActiveLightColor : c.LightColor));
    p.drawText(box.translated(1, 1), align, shown);
  }
  if (c.Shadow) {
    p.setPen(ToQColor(active ? c.ActiveShadowColor : c.ShadowColor));
    p.drawText(box.translated(1, 1), align, shown);
  }
  p.setPen(ToQColor(active ? c.ActiveFontColor : c.Font.Color));
  p.drawText(box, align, shown);
}

void DrawFrameObject(QImage& frame, const TbsSkinData& data, const TbsFrameObject& o, const TbsFrameState& state) {
  if (!o.Visible || o.Rect.IsEmpty()) return;
  const QRect to = o.Rect.ToQRect();
  // The normal and inactive pieces, and the frames of an animation, lie where
  // "skinrectinapicture" says; the active and pressed ones in the active
  // picture.
  const QImage active = data.ActivePicture(o.ActivePictureIndex);
  const QImage& base = o.SkinRectInAPicture ? active : data.Picture().Image();
  const TRect animated = StripFrame(o.FramesRect, o.FrameCount, o.Frame);
  const bool framed = !animated.IsEmpty() && !base.isNull();
  if (o.Kind == TbsFrameObjectKind::Caption) {
    if (framed) DrawPiece(frame, to, base, animated.ToQRect(), true);
    DrawCaptionText(frame, o, state.Caption, state.Active);
    return;
  }
  if (o.Command == TbsStdCommand::cmSysMenu && state.ShowIcon && !state.Icon.isNull()) {
    QPainter p(&frame);
    state.Icon.paint(&p, to);
    return;
  }
  if (framed && !o.Down) {
    DrawPiece(frame, to, base, animated.ToQRect(), true);
    return;
  }
  const bool restore = state.Maximized && o.Command == TbsStdCommand::cmMaximize && !o.RestoreRect.IsEmpty();
  const QImage* source = &base;
  TRect from = restore ? o.RestoreRect : o.SkinRect;
  const TRect& down = restore ? o.RestoreDownRect : o.DownRect;
  const TRect& hot = restore ? o.RestoreActiveRect : o.ActiveSkinRect;
  const TRect& inactive = restore ? o.RestoreInActiveRect : o.InActiveSkinRect;
  if (o.Morphing && !o.Down && o.MorphK > 0 && o.MorphK < 1 && !hot.IsEmpty() && !active.isNull()) {
    const TRect normal = !state.Active && !inactive.IsEmpty() ? inactive : from;
    const QImage blend = MorphBlend(CutPiece(base, normal), CutPiece(active, hot), o.MorphK, o.MorphKind);
    if (!blend.isNull()) DrawPiece(frame, to, blend, blend.rect(), true);
    return;
  }
  if (o.Down && !down.IsEmpty()) {
    from = down;
    if (!active.isNull()) source = &active;
  } else if (o.Active && !hot.IsEmpty() && !active.isNull()) {
    from = hot;
    source = &active;
  } else if (!state.Active && !inactive.IsEmpty()) {
    from = inactive;
  }
  if (source->isNull() || from.IsEmpty()) return;
  DrawPiece(frame, to, *source, from.ToQRect(), true);
}

QImage PaintSkinFrame(const TbsSkinData& data, const std::vector<TbsFrameObject>& objects,
                      const TbsFrameState& state) {
  const TbsDataSkinFormInfo& info = data.FormInfo;
  const bool useInactive = !state.Active && !data.InActivePicture().isNull();
  QImage frame = ComposeFrameImage(useInactive ? data.InActivePicture() : data.Picture(), info, state.Window);
  if (!state.Active && info.AutoRenderingInActiveImage) ApplyInactiveEffect(frame, info.InActiveEffect);
  for (const TbsFrameObject& o : objects) DrawFrameObject(frame, data, o, state);
  return frame;
}

QRegion FrameRegion(const QImage& mask, const TbsDataSkinFormInfo& info, QSize picture, QSize window) {
  if (mask.isNull() || info.MaskRectArea.IsEmpty()) return {};
  // The mask composed like the frame, around the mask rectangle; what the
  // pieces do not cover is white (outside). The mask rectangle itself is
  // whole, so only the four strips around it are composed and read:
  //
  //   +---------------------------+
  //   | top strip, full width     |  rows 0 .. mask top
  //   +-----+---------------+-----+
  //   | L   | mask rectangle|   R |  rows mask top .. mask bottom
  //   +-----+---------------+-----+
  //   | bottom strip, full width  |  rows mask bottom .. H
  //   +---------------------------+
  const TbsFrameGeometry g = FrameGeometryFor(info, picture, window);
  const TbsPieceLayout layout = FrameLayout(info, info.MaskRectArea);
  const TbsPieceGeometry target{g.Points, g.MaskRect};
  const TRect& m = g.MaskRect;
  const int W = window.width(), H = window.height();
  QRegion region(m.ToQRect());
  const QRect pieces[] = {QRect(0, 0, W, m.Top), QRect(0, m.Bottom, W, H - m.Bottom),
                          QRect(0, m.Top, m.Left, m.Height()), QRect(m.Right, m.Top, W - m.Right, m.Height())};
  for (const QRect& r : pieces) {
    if (r.width() <= 0 || r.height() <= 0) continue;
    region += MaskToRegion(ComposeNinePiecePart(mask, layout, window, target, r, false, qRgb(255, 255, 255)),
                           r.topLeft());
  }
  return region;
}
