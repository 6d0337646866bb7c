#include "tools/skinmaker/SkinPictures.h"

#include "tools/skinmaker/ArtPieces.h"

#include <QPainter>
#include <QPainterPath>

using art::TArrow;
using art::TGlyph;

QImage DrawMain(const TSkin& s) {
  const TTheme& t = s.T;
  QImage img(s.Main, QImage::Format_RGB32);
  img.fill(t.Face);
  const int w = s.Main.width(), h = s.Main.height();
  const TRect& c = s.Client;
  if (!t.Cyber) {
    // Caption band of brushed steel, narrow bevelled borders.
    art::Brushed(img, QRect(0, 0, w, s.Caption), t.CapTop, t.CapBottom, 10, t.Seed);
    art::Brushed(img, QRect(0, s.Caption, w, h - s.Caption), t.FaceLight, t.Face, 5, t.Seed + 7);
    QPainter p(&img);
    p.fillRect(c.ToQRect(), t.Face);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawLine(1, 1, w - 2, 1);
    p.setPen(t.Dark);
    p.drawLine(c.Left, s.Caption - 1, c.Right - 1, s.Caption - 1);
    p.setPen(t.Light);
    p.drawLine(1, s.Caption, 1, h - 2);                      // inner left
    p.drawLine(c.Left, c.Bottom, w - 2, c.Bottom);           // top of the bottom border
    p.setPen(t.FaceDark);
    p.drawLine(w - 2, s.Caption, w - 2, h - 2);
    art::Frame(p, QRect(0, 0, w, h), t.Outline);
    return img;
  }
  // The technical look: dark panels, a fine grid in the caption, thin bright
  // lines following the chamfered outline.
  QPainter p(&img);
  p.fillRect(img.rect(), QColor(8, 18, 28));
  art::VGradient(p, QRect(0, 0, w, s.Caption), QColor(16, 40, 62), QColor(8, 22, 36));
  p.setPen(QColor(20, 52, 74));
  for (int x = 3; x < w; x += 6) p.drawLine(x, 3, x, s.Caption - 3);
  p.fillRect(c.ToQRect(), t.Face);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(t.Accent, 1));
  p.drawPath(art::Chamfered(QRectF(0.5, 0.5, w - 1, h - 1), 8));
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(t.AccentLight);
  p.drawLine(c.Left, s.Caption - 1, c.Right - 1, s.Caption - 1);
  p.drawLine(12, 2, 34, 2);  // inside the corner areas, which are not tiled
  p.drawLine(w - 35, 2, w - 13, 2);
  p.setPen(QColor(30, 110, 120));
  p.drawLine(2, 12, 2, h - 10);                  // left and right rails
  p.drawLine(w - 3, 12, w - 3, h - 10);
  p.drawLine(c.Left, c.Bottom + 3, c.Right - 1, c.Bottom + 3);
  // Scale ticks on the 6-pixel pitch of the caption grid, so that the tiled
  // edges repeat seamlessly.
  for (int x = 15; x < w - 15; x += 6) p.drawLine(x, c.Bottom + 4, x, c.Bottom + 5);
  p.setPen(t.AccentLight);
  p.drawLine(c.Left - 1, c.Top, c.Left - 1, c.Bottom);
  p.drawLine(c.Right, c.Top, c.Right, c.Bottom);
  return img;
}

QImage DrawMainMask(const TSkin& s) {
  QImage img(s.Main, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  const QRectF r(0, 0, s.Main.width(), s.Main.height());
  if (s.T.Cyber) {
    p.drawPath(art::Chamfered(r, 8));
  } else {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);  // the two shapes join, not cancel
    path.addRoundedRect(r, 6, 6);
    path.addRect(QRectF(0, 12, r.width(), r.height() - 12));  // square lower corners
    p.drawPath(path.simplified());
  }
  p.end();
  return art::ToPalette(img, 2);
}

namespace {
QImage DrawCaptionButtons(const TSkin& s) {
  QImage img(s.Picture(TRole::CaptionButtons).Size, QImage::Format_RGB32);
  img.fill(s.T.SheetBack);
  for (int k = 0; k < kCaptionButtonKinds; ++k) {
    const TGlyph glyph = TGlyph(k);
    if (CapFits(s, glyph))
      for (int st = 0; st < 3; ++st) DrawCaptionButton(img, CapRect(s, glyph, st).ToQRect(), s.T, glyph, st);
  }
  for (const TGlyph glyph : kGlowingButtons) {
    const TRect strip = GlowStrip(s, glyph);
    for (int i = 0; !strip.IsEmpty() && i < s.GlowFrames; ++i) {
      const QRect frame(strip.Left + i * s.CapButton.width(), strip.Top, s.CapButton.width(), s.CapButton.height());
      DrawCaptionGlow(img, frame, s.T, glyph, double(i) / (s.GlowFrames - 1));
    }
  }
  return img;
}

QImage DrawSmallSheet(const TSkin& s, QSize size) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(s.T.SheetBack);
  for (int i = 0; i < 3; ++i) DrawSmallButton(img, SmallComboButton(i), s.T, i, TArrow::Down);
  for (int i = 0; i < 2; ++i) {
    DrawSmallButton(img, SmallSpinArrow(false, i), s.T, i, TArrow::Up);
    DrawSmallButton(img, SmallSpinArrow(true, i), s.T, i, TArrow::Down);
  }
  return img;
}

QImage DrawUpDown(const TSkin& s, QSize size) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(s.T.SheetBack);
  DrawSmallButton(img, UpDownArrow(false, 0), s.T, 0, TArrow::Up);
  DrawSmallButton(img, UpDownArrow(false, 1), s.T, 1, TArrow::Up);
  DrawSmallButton(img, UpDownArrow(true, 0), s.T, 0, TArrow::Down);
  DrawSmallButton(img, UpDownArrow(true, 1), s.T, 1, TArrow::Down);
  return img;
}

QImage DrawVScrollPicture(const TSkin& s, QSize size) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(s.T.SheetBack);
  DrawScrollBar(img, {0, 0, 17, size.height()}, s.T, true);
  DrawSmallButton(img, VScrollArrow(false, size.height()), s.T, 1, TArrow::Up);
  DrawSmallButton(img, VScrollArrow(true, size.height()), s.T, 1, TArrow::Down);
  for (int i = 0; i < 3; ++i) DrawThumb(img, VScrollThumb(i), s.T, i, true);
  return img;
}

// The push button's outline with its corners cut by one and two pixels.
QImage DrawButtonMask(const TSkin& s) {
  const int h = s.Sheet.ButtonH;
  QImage img(69, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawRect(0, 2, 69, h - 4);
  p.drawRect(2, 0, 65, h);
  p.drawRect(1, 1, 67, h - 2);
  p.end();
  return img;
}

QImage DrawPicture(const TSkin& s, const TPicture& pic) {
  switch (pic.Role) {
    case TRole::CaptionButtons: return DrawCaptionButtons(s);
    case TRole::Sheet: return DrawSheet(s);
    case TRole::ButtonMask: return DrawButtonMask(s);
    case TRole::Hint: return DrawWindowPiece(pic.Size, s.T, true);
    case TRole::Popup: return DrawWindowPiece(pic.Size, s.T, false);
    case TRole::UpDown: return DrawUpDown(s, pic.Size);
    case TRole::VScroll: return DrawVScrollPicture(s, pic.Size);
    case TRole::Small: return DrawSmallSheet(s, pic.Size);
  }
  return {};
}
}  // namespace

void DrawPictures(TSkin& s) {
  for (TPicture& pic : s.Active) pic.Image = DrawPicture(s, pic);
}
