#include "tools/skinmaker/ArtPieces.h"

#include <algorithm>

using art::TArrow;
using art::TGlyph;

void DrawField(QImage& img, const TRect& r, const TTheme& t, bool active) {
  QPainter p(&img);
  const QRect q = r.ToQRect();
  p.fillRect(q, t.Field);
  art::Frame(p, q, active ? t.Accent : t.Outline);
  art::Bevel(p, q.adjusted(1, 1, -1, -1), t.Cyber ? t.Dark : t.FaceDark, t.Cyber ? t.FaceDark : t.FaceLight);
  if (t.Cyber && active) {
    p.setPen(t.AccentLight);
    p.drawLine(q.left() + 3, q.top(), q.left() + 12, q.top());
  }
}

void DrawSmallButton(QImage& img, const TRect& r, const TTheme& t, int state, TArrow arrow) {
  QPainter p(&img);
  const QRect q = r.ToQRect();
  if (t.Cyber) {
    p.fillRect(q, state == 2 ? t.FaceDark : (state == 1 ? t.Face.lighter(140) : t.Face));
    art::Frame(p, q, state ? t.AccentLight : t.Accent);
  } else {
    art::VGradient(p, q, state == 2 ? t.FaceDark : t.FaceLight.lighter(state == 1 ? 106 : 100),
                   state == 2 ? t.FaceLight : t.FaceDark);
    art::Frame(p, q, state == 1 ? t.Accent : t.Outline);
  }
  art::Arrow(p, q, arrow, state == 1 ? t.GlyphHot : t.Glyph, std::min(q.width(), q.height()) >= 14 ? 4 : 3);
}

void DrawPushButton(QImage& img, const TRect& r, const TTheme& t, int state) {
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRect q = r.ToQRect();
  if (t.Cyber) {
    // Chamfered plate, thin bright outline, a short bright tick at the left.
    p.fillRect(q, t.Face);
    const QColor fill = state == 2 ? QColor(10, 58, 64) : state == 1 ? QColor(22, 62, 92) : QColor(18, 44, 68);
    QLinearGradient g(q.topLeft(), q.bottomLeft());
    g.setColorAt(0, fill.lighter(130));
    g.setColorAt(1, fill);
    const QPainterPath path = art::Chamfered(QRectF(q).adjusted(0.5, 0.5, -0.5, -0.5), 4);
    p.fillPath(path, state == 3 ? QBrush(QColor(20, 30, 40)) : QBrush(g));
    p.setPen(QPen(state == 3 ? QColor(40, 70, 85) : state == 1 ? t.AccentLight : t.Accent, 1));
    p.drawPath(path);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(state == 3 ? QColor(40, 70, 85) : t.AccentLight);
    p.drawLine(q.left() + 3, q.top() + 6, q.left() + 3, q.bottom() - 6);
    return;
  }
  const QColor top = state == 2 ? QColor(158, 166, 176) : state == 1 ? QColor(250, 252, 255) : QColor(244, 246, 248);
  const QColor bottom = state == 2 ? QColor(222, 226, 231) : state == 1 ? QColor(178, 198, 222) : QColor(172, 180, 190);
  const QPainterPath path = art::Rounded(q, 4);
  QLinearGradient g(q.topLeft(), q.bottomLeft());
  g.setColorAt(0, state == 3 ? QColor(214, 216, 219) : top);
  g.setColorAt(0.48, state == 3 ? QColor(208, 210, 213) : art::Mix(top, bottom, 0.35));
  g.setColorAt(0.52, state == 3 ? QColor(204, 206, 209) : art::Mix(top, bottom, 0.6));
  g.setColorAt(1, state == 3 ? QColor(198, 200, 204) : bottom);
  p.fillPath(path, g);
  p.setPen(QPen(state == 3 ? QColor(160, 164, 170) : state == 1 ? t.Accent : t.Outline, 1));
  p.drawPath(path);
  p.setPen(QPen(QColor(255, 255, 255, state == 2 ? 60 : 170), 1));
  p.drawLine(QPointF(q.left() + 4, q.top() + 1.5), QPointF(q.right() - 4, q.top() + 1.5));
}

void DrawMark(QImage& img, const TRect& r, const TTheme& t, bool radio, int col) {
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF q = QRectF(r.ToQRect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const bool checked = col % 2 == 1, active = col / 2 == 1, disabled = col / 2 == 2;
  const QColor line = disabled ? t.DimText : active ? t.Accent : t.Outline;
  const QColor back = disabled ? t.Face : t.Field;
  p.setPen(QPen(line, 1));
  p.setBrush(back);
  if (radio) p.drawEllipse(q);
  else if (t.Cyber) p.drawPath(art::Chamfered(q, 2));
  else p.drawRoundedRect(q, 2, 2);
  if (!checked) return;
  const QColor mark = disabled ? t.DimText : t.Cyber ? t.AccentLight : QColor(30, 40, 52);
  if (radio) {
    p.setPen(Qt::NoPen);
    p.setBrush(mark);
    p.drawEllipse(q.center(), 2.6, 2.6);
  } else {
    p.setPen(QPen(mark, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF o = q.topLeft();
    p.drawPolyline(QPolygonF() << o + QPointF(3, 6.5) << o + QPointF(5.5, 9) << o + QPointF(10, 3.5));
  }
}

void DrawCaptionButton(QImage& img, const QRect& q, const TTheme& t, TGlyph glyph, int state) {
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  if (t.Cyber) {
    const QPainterPath path = art::Chamfered(QRectF(q).adjusted(0.5, 0.5, -0.5, -0.5), 3);
    p.fillPath(path, state == 2 ? QColor(8, 40, 46) : state == 1 ? QColor(20, 60, 84) : QColor(12, 32, 50));
    p.setPen(QPen(state ? t.AccentLight : t.Accent, 1));
    p.drawPath(path);
    art::Glyph(p, q, glyph, glyph == TGlyph::Close && state == 1 ? QColor(255, 120, 110) : state ? t.GlyphHot : t.Glyph);
    return;
  }
  const QPainterPath path = art::Rounded(q, 3);
  QLinearGradient g(q.topLeft(), q.bottomLeft());
  g.setColorAt(0, state == 2 ? QColor(150, 158, 168) : QColor(250, 251, 252));
  g.setColorAt(1, state == 2 ? QColor(214, 218, 223) : state == 1 ? QColor(190, 206, 226) : QColor(180, 187, 196));
  p.fillPath(path, g);
  p.setPen(QPen(state == 1 ? t.Accent : t.Outline, 1));
  p.drawPath(path);
  const QColor glyphColor = state == 1 ? (glyph == TGlyph::Close ? QColor(200, 40, 30) : t.GlyphHot) : t.Glyph;
  art::Glyph(p, state == 2 ? q.translated(1, 1) : q, glyph, glyphColor);
}

void DrawCaptionGlow(QImage& img, const QRect& q, const TTheme& t, TGlyph glyph, double level) {
  if (level <= 0) {
    DrawCaptionButton(img, q, t, glyph, 0);
    return;
  }
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(q).adjusted(0.5, 0.5, -0.5, -0.5);
  const QPainterPath path = art::Chamfered(box, 3);
  p.fillPath(path, art::Mix(QColor(12, 32, 50), QColor(24, 72, 98), level));
  // The halo: the accent rising from the plate's middle towards its rim.
  QRadialGradient halo(box.center(), box.width() * 0.6);
  QColor rim = t.Accent;
  rim.setAlphaF(0.55 * level);
  QColor middle = t.Accent;
  middle.setAlphaF(0.12 * level);
  halo.setColorAt(0, middle);
  halo.setColorAt(1, rim);
  p.fillPath(path, halo);
  QColor inner = t.AccentLight;
  inner.setAlphaF(0.7 * level);
  p.setPen(QPen(inner, 1));
  p.drawPath(art::Chamfered(box.adjusted(1, 1, -1, -1), 2));
  p.setPen(QPen(art::Mix(t.Accent, t.AccentLight, level), 1));
  p.drawPath(path);
  // The close glyph brightens first and then warms to its hot red.
  const QColor glyphColor = glyph != TGlyph::Close ? art::Mix(t.Glyph, t.GlyphHot, level)
                            : level <= 0.5         ? art::Mix(t.Glyph, t.GlyphHot, 2 * level)
                                                   : art::Mix(t.GlyphHot, QColor(255, 120, 110), 2 * level - 1);
  art::Glyph(p, q, glyph, glyphColor);
}

QImage DrawWindowPiece(QSize size, const TTheme& t, bool hint) {
  QImage img(size, QImage::Format_RGB32);
  QPainter p(&img);
  const QRect q = img.rect();
  if (t.Cyber) {
    p.fillRect(q, hint ? QColor(10, 30, 40) : QColor(9, 22, 34));
    p.setPen(QColor(18, 44, 62));
    for (int x = 4; x < size.width() - 4; x += 6) p.drawLine(x, 4, x, size.height() - 5);
    p.end();
    QPainter f(&img);
    art::Frame(f, q, t.Accent);
    art::Frame(f, q.adjusted(2, 2, -2, -2), QColor(22, 70, 80));
    f.setPen(t.AccentLight);
    f.drawLine(1, 1, 6, 1);
    f.drawLine(1, 1, 1, 6);
    return img;
  }
  art::Brushed(img, q, hint ? QColor(250, 248, 236) : QColor(236, 239, 242),
               hint ? QColor(232, 228, 206) : QColor(214, 219, 224), hint ? 2 : 4, t.Seed + (hint ? 91 : 92));
  art::Frame(p, q, t.Outline);
  art::Bevel(p, q.adjusted(1, 1, -1, -1), t.FaceLight, t.FaceDark);
  return img;
}

void DrawScrollBar(QImage& img, const TRect& r, const TTheme& t, bool vertical) {
  {
    QPainter p(&img);
    p.fillRect(r.ToQRect(), t.Cyber ? QColor(6, 16, 24) : t.FaceDark.lighter(115));
    art::Frame(p, r.ToQRect(), t.Outline);
  }
  if (vertical) {
    DrawSmallButton(img, {r.Left, r.Top, r.Right, r.Top + 17}, t, 0, TArrow::Up);
    DrawSmallButton(img, {r.Left, r.Bottom - 17, r.Right, r.Bottom}, t, 0, TArrow::Down);
  } else {
    DrawSmallButton(img, {r.Left, r.Top, r.Left + 17, r.Bottom}, t, 0, TArrow::Left);
    DrawSmallButton(img, {r.Right - 17, r.Top, r.Right, r.Bottom}, t, 0, TArrow::Right);
  }
}

void DrawThumb(QImage& img, const TRect& r, const TTheme& t, int state, bool vertical) {
  DrawSmallButton(img, r, t, state, TArrow::Up);
  QPainter p(&img);
  // Repaint the middle as a grip instead of an arrow.
  const QRect q = r.ToQRect().adjusted(2, 2, -2, -2);
  if (t.Cyber) p.fillRect(q, state == 2 ? t.FaceDark : state == 1 ? t.Face.lighter(140) : t.Face);
  else art::VGradient(p, q, t.FaceLight, t.FaceDark.lighter(120));
  p.setPen(state == 1 ? t.GlyphHot : t.Glyph);
  const QPoint m = q.center();
  for (int i = -2; i <= 2; i += 2) {
    if (vertical) p.drawLine(m.x() - 3, m.y() + i, m.x() + 3, m.y() + i);
    else p.drawLine(m.x() + i, m.y() - 3, m.x() + i, m.y() + 3);
  }
}
