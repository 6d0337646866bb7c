// skinmaker: draws our three skins into their source folders
// (resources/skins/<name>/: the description "skin.ini" and its BMP files).
// Two brushed-metal skins, "iMetal" and "iMetal2", and a dark technical one,
// "CyberObject". Every picture has the size and depth the windows' layouts
// are built around; the description's rectangles point into these pictures.
//
//   skinmaker <resources/skins folder> [preview folder]
//
// Conventions of our descriptions: a control's "skinrect" is its normal
// image; button-like areas inside a control ("buttonrect", "upbuttonrect",
// "trackarea", "checkimagearea", "textarea", "clientrect") are given
// relative to the skin rectangle; the other states' images ("active...",
// "down...", thumbs, marks, item images) are rectangles of the picture.
#include "skin/SkinBmp.h"
#include "skin/SkinIni.h"
#include "tools/SkinArt.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

using art::TArrow;
using art::TGlyph;

namespace {

// Rows of the group box's caption band: room for a 16-pixel bold caption.
constexpr int kGroupBand = 20;

struct TTheme {
  bool Cyber = false;
  QColor CapTop, CapBottom, Face, FaceLight, FaceDark, Outline, Light, Dark;
  QColor Field, Accent, AccentLight, Text, DimText, SheetBack, Glyph, GlyphHot;
  std::uint32_t Seed = 1;
};

// The layout of the control sheet (the largest active picture).
struct TSheet {
  TRect Edit{4, 4, 124, 25}, EditA{128, 4, 248, 25};
  TRect Memo{4, 29, 124, 109}, MemoA{128, 29, 248, 109};
  TRect Combo{4, 113, 124, 134}, ComboA{128, 113, 248, 134};
  TRect Label{4, 138, 124, 159};
  TRect Spin{4, 163, 124, 184}, SpinA{128, 163, 248, 184};
  TRect Check{4, 188, 124, 209}, CheckA{128, 188, 248, 209};
  TRect Radio{4, 213, 124, 234}, RadioA{128, 213, 248, 234};
  TRect Panel{4, 238, 124, 298};
  TRect List{252, 4, 372, 110};
  TRect Item{252, 114, 372, 132}, ItemA{252, 134, 372, 152}, ItemF{252, 154, 372, 172};
  TRect HScroll{128, 240, 328, 257}, BothH{128, 261, 308, 278};
  TRect VScroll{300, 298, 317, 378};
  TRect GroupBox;
  int ButtonTop = 0, ButtonH = 0;
  TRect Button(int state) const {  // 0 normal, 1 active, 2 down, 3 disabled
    const int top = ButtonTop + state * (ButtonH + 1);
    return {399, top, 468, top + ButtonH};
  }
  // 13 x 13 marks: row 0 check box, row 1 radio; columns: unchecked,
  // checked, active unchecked, active checked, disabled unchecked, disabled checked.
  TRect Mark(int row, int col) const {
    const int x = 376 + col * 17, y = 30 + row * 17;
    return {x, y, x + 13, y + 13};
  }
  TRect SpinImage(int i) const {  // active up, pressed up, active down, pressed down
    const int x = 376 + (i % 2) * 17, y = 64 + (i / 2) * 11;
    return {x, y, x + 15, y + 9};
  }
  TRect HPart(int i) const {  // active left, pressed left, active right, pressed right
    const int x = 376 + i * 19;
    return {x, 90, x + 17, 107};
  }
  TRect HThumb(int i) const {  // normal, active, pressed
    const int x = 376 + i * 32;
    return {x, 110, x + 30, 127};
  }
  TRect VPart(int i) const {  // active up, pressed up, active down, pressed down
    const int x = 376 + i * 19;
    return {x, 130, x + 17, 147};
  }
  TRect VThumb(int i) const {
    const int x = 376 + i * 19;
    return {x, 150, x + 17, 180};
  }
  TRect ComboButton(int i) const {  // normal, active, pressed
    const int x = 376 + i * 20;
    return {x, 4, x + 17, 21};
  }
};

struct TPicture {
  QString File;
  QImage Image;
  int Bits;
};

struct TSkin {
  QString Folder, SkinName, Comments;
  TTheme T;
  QSize Main;
  int Caption = 25;
  TRect Client;
  int MinWidth = 0;
  int MaskBits = 4;
  TSheet Sheet;
  QSize SheetSize;
  // Active picture indexes of the roles (-1: the role has no picture).
  int CapIdx = 0, SheetIdx = 4, ButtonMaskIdx = -1, HintIdx = -1, PopupIdx = -1, UpDownIdx = -1;
  int VScrollIdx = -1, SmallIdx = -1;
  QSize CapButton{19, 17};
  std::vector<TPicture> Active;
};

QString R(const TRect& r) { return QStringLiteral("%1,%2,%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom); }
QString P(int x, int y) { return QStringLiteral("%1,%2").arg(x).arg(y); }
int C(const QColor& c) { return (c.blue() << 16) | (c.green() << 8) | c.red(); }
TRect Shift(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

// --- Pieces of artwork -------------------------------------------------------

// A sunken field: outline, inner shadow, the field colour inside.
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

// A drop-down or spin button face with its arrow(s).
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

// A check box or radio mark: col as in TSheet::Mark.
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

// A popup or hint window background: a framed face that composes at any size.
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

// --- The main picture and its mask -------------------------------------------

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

// Black keeps the window, white cuts it away.
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

// --- Active pictures ---------------------------------------------------------

const TGlyph kCapGlyphs[] = {TGlyph::Close,    TGlyph::Maximize, TGlyph::Minimize, TGlyph::Restore, TGlyph::RollUp,
                             TGlyph::RollDown, TGlyph::SysMenu,  TGlyph::Tray,     TGlyph::Help};

// Caption buttons: columns normal, active, pressed; one row per kind, and a
// second block of columns when the picture is not tall enough.
TRect CapRect(const TSkin& s, int kind, int state) {
  const int w = s.CapButton.width(), h = s.CapButton.height();
  const QSize pic = s.Active[std::size_t(s.CapIdx)].Image.size();
  const int perBlock = (pic.height() - 2) / (h + 2);
  const int x = 2 + (kind / perBlock) * (3 * (w + 7) + 8) + state * (w + 7);
  const int y = 2 + (kind % perBlock) * (h + 2);
  return {x, y, x + w, y + h};
}

bool CapFits(const TSkin& s, int kind) {
  const QSize pic = s.Active[std::size_t(s.CapIdx)].Image.size();
  return CapRect(s, kind, 2).Right <= pic.width();
}

QImage DrawCaptionButtons(const TSkin& s) {
  QImage img(s.Active[std::size_t(s.CapIdx)].Image.size(), QImage::Format_RGB32);
  img.fill(s.T.SheetBack);
  for (int k = 0; k < 9; ++k)
    if (CapFits(s, k))
      for (int st = 0; st < 3; ++st) DrawCaptionButton(img, CapRect(s, k, st).ToQRect(), s.T, kCapGlyphs[k], st);
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

QImage DrawSheet(const TSkin& s) {
  const TTheme& t = s.T;
  const TSheet& l = s.Sheet;
  QImage img(s.SheetSize, QImage::Format_RGB32);
  img.fill(t.SheetBack);
  for (int a = 0; a < 2; ++a) {
    DrawField(img, a ? l.EditA : l.Edit, t, a);
    DrawField(img, a ? l.MemoA : l.Memo, t, a);
    const TRect combo = a ? l.ComboA : l.Combo;
    DrawField(img, combo, t, a);
    DrawSmallButton(img, {combo.Right - 19, combo.Top + 2, combo.Right - 2, combo.Bottom - 2}, t, 0, TArrow::Down);
    const TRect spin = a ? l.SpinA : l.Spin;
    DrawField(img, spin, t, a);
    DrawSmallButton(img, {spin.Right - 17, spin.Top + 2, spin.Right - 2, spin.Top + 10}, t, 0, TArrow::Up);
    DrawSmallButton(img, {spin.Right - 17, spin.Top + 11, spin.Right - 2, spin.Top + 19}, t, 0, TArrow::Down);
    for (const TRect& box : {a ? l.CheckA : l.Check, a ? l.RadioA : l.Radio}) {
      QPainter p(&img);
      p.fillRect(box.ToQRect(), t.Face);
      if (a) {
        p.setPen(t.Cyber ? QColor(24, 70, 84) : t.FaceLight);
        p.drawLine(box.Left + 20, box.Bottom - 2, box.Right - 4, box.Bottom - 2);
      }
    }
    DrawMark(img, Shift({3, 4, 16, 17}, (a ? l.CheckA : l.Check).Left, (a ? l.CheckA : l.Check).Top), t, false, a ? 2 : 0);
    DrawMark(img, Shift({3, 4, 16, 17}, (a ? l.RadioA : l.Radio).Left, (a ? l.RadioA : l.Radio).Top), t, true, a ? 2 : 0);
  }
  {
    QPainter p(&img);
    // Framed label: a raised plate with a sunken window.
    p.fillRect(l.Label.ToQRect(), t.Cyber ? QColor(6, 20, 28) : t.Field);
    art::Frame(p, l.Label.ToQRect(), t.Outline);
    art::Bevel(p, l.Label.ToQRect().adjusted(1, 1, -1, -1), t.FaceDark, t.FaceLight);
    // Panel: raised face.
    p.fillRect(l.Panel.ToQRect(), t.Face);
    art::Frame(p, l.Panel.ToQRect(), t.Outline);
    art::Bevel(p, l.Panel.ToQRect().adjusted(1, 1, -1, -1), t.Cyber ? t.Accent.darker(200) : t.FaceLight, t.FaceDark);
  }
  DrawField(img, l.List, t, false);
  {
    QPainter p(&img);
    p.fillRect(l.Item.ToQRect(), t.Field);
    art::VGradient(p, l.ItemA.ToQRect(), t.Cyber ? QColor(18, 60, 80) : QColor(226, 234, 244),
                   t.Cyber ? QColor(12, 44, 60) : QColor(206, 218, 232));
    art::VGradient(p, l.ItemF.ToQRect(), t.Cyber ? QColor(24, 120, 120) : QColor(82, 124, 178),
                   t.Cyber ? QColor(12, 80, 86) : QColor(52, 92, 146));
    art::Frame(p, l.ItemF.ToQRect(), t.Cyber ? t.AccentLight : QColor(40, 70, 120));
  }
  for (int i = 0; i < 3; ++i) DrawSmallButton(img, l.ComboButton(i), t, i, TArrow::Down);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 6; ++col) DrawMark(img, l.Mark(row, col), t, row == 1, col);
  for (int i = 0; i < 4; ++i) DrawSmallButton(img, l.SpinImage(i), t, i % 2 ? 2 : 1, i < 2 ? TArrow::Up : TArrow::Down);
  DrawScrollBar(img, l.HScroll, t, false);
  DrawScrollBar(img, l.BothH, t, false);
  DrawScrollBar(img, l.VScroll, t, true);
  for (int i = 0; i < 4; ++i) {
    DrawSmallButton(img, l.HPart(i), t, i % 2 ? 2 : 1, i < 2 ? TArrow::Left : TArrow::Right);
    DrawSmallButton(img, l.VPart(i), t, i % 2 ? 2 : 1, i < 2 ? TArrow::Up : TArrow::Down);
  }
  for (int i = 0; i < 3; ++i) {
    DrawThumb(img, l.HThumb(i), t, i, false);
    DrawThumb(img, l.VThumb(i), t, i, true);
  }
  for (int st = 0; st < 4; ++st) DrawPushButton(img, l.Button(st), t, st);

  // Group box: a caption band over a framed body (rows: band 0..19, body
  // 20..51, bottom line 52).
  const QRect g = l.GroupBox.ToQRect();
  QPainter p(&img);
  p.fillRect(g, t.Face);
  if (t.Cyber) {
    art::VGradient(p, QRect(g.left(), g.top(), g.width(), kGroupBand), QColor(16, 44, 64), QColor(10, 28, 42));
    p.setPen(t.AccentLight);
    p.drawLine(g.left(), g.top() + kGroupBand - 1, g.left() + 40, g.top() + kGroupBand - 1);
    p.setPen(t.Accent);
    p.drawLine(g.left() + 41, g.top() + kGroupBand - 1, g.right(), g.top() + kGroupBand - 1);
  } else {
    p.end();
    art::Brushed(img, QRect(g.left(), g.top(), g.width(), kGroupBand), t.CapTop, t.CapBottom, 8, t.Seed + 3);
    p.begin(&img);
    p.setPen(t.FaceDark);
    p.drawLine(g.left(), g.top() + kGroupBand - 1, g.right(), g.top() + kGroupBand - 1);
  }
  art::Frame(p, g, t.Outline);
  return img;
}

// Cyber: the combo button and the up-down arrows in their own small picture.
QImage DrawSmallSheet(const TSkin& s, QSize size) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(s.T.SheetBack);
  for (int i = 0; i < 3; ++i) DrawSmallButton(img, {2 + i * 20, 2, 19 + i * 20, 19}, s.T, i, TArrow::Down);
  for (int i = 0; i < 2; ++i) {
    DrawSmallButton(img, {2 + i * 15, 24, 15 + i * 15, 32}, s.T, i, TArrow::Up);
    DrawSmallButton(img, {2 + i * 15, 34, 15 + i * 15, 42}, s.T, i, TArrow::Down);
  }
  return img;
}

QImage DrawUpDown(const TSkin& s, QSize size) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(s.T.SheetBack);
  DrawSmallButton(img, {0, 0, 13, 8}, s.T, 0, TArrow::Up);
  DrawSmallButton(img, {14, 0, 27, 8}, s.T, 1, TArrow::Up);
  DrawSmallButton(img, {0, 9, 13, 17}, s.T, 0, TArrow::Down);
  DrawSmallButton(img, {14, 9, 27, 17}, s.T, 1, TArrow::Down);
  return img;
}

// iMetal2: the vertical scroll bar in its own picture (bar in the left
// column, other states in the right one).
QImage DrawVScrollPicture(const TSkin& s, QSize size) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(s.T.SheetBack);
  DrawScrollBar(img, {0, 0, 17, size.height()}, s.T, true);
  DrawSmallButton(img, {19, 0, 36, 17}, s.T, 1, TArrow::Up);
  DrawSmallButton(img, {19, size.height() - 17, 36, size.height()}, s.T, 1, TArrow::Down);
  for (int i = 0; i < 3; ++i) DrawThumb(img, {19, 19 + i * 26, 36, 43 + i * 26}, s.T, i, true);
  return img;
}

QImage DrawButtonMask(const TSkin& s) {
  QImage img(69, s.Sheet.ButtonH, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawRect(0, 2, 69, s.Sheet.ButtonH - 4);
  p.drawRect(2, 0, 65, s.Sheet.ButtonH);
  p.drawRect(1, 1, 67, s.Sheet.ButtonH - 2);
  p.end();
  return img;
}
}  // namespace

// The description text of a skin (SkinMakerDescription.h).
#include "tools/SkinMakerDescription.h"

namespace {
TTheme MetalTheme() {
  TTheme t;
  t.CapTop = QColor(234, 237, 241);
  t.CapBottom = QColor(166, 174, 184);
  t.Face = QColor(212, 215, 219);
  t.FaceLight = QColor(244, 246, 248);
  t.FaceDark = QColor(140, 146, 154);
  t.Outline = QColor(86, 92, 100);
  t.Light = QColor(250, 251, 252);
  t.Dark = QColor(96, 102, 110);
  t.Field = QColor(255, 255, 255);
  t.Accent = QColor(58, 110, 165);
  t.AccentLight = QColor(120, 170, 220);
  t.Text = QColor(0, 0, 0);
  t.DimText = QColor(120, 124, 130);
  t.SheetBack = QColor(200, 203, 207);
  t.Glyph = QColor(40, 44, 50);
  t.GlyphHot = QColor(30, 80, 150);
  t.Seed = 11;
  return t;
}

// A darker titanium with cooler highlights.
TTheme Metal2Theme() {
  TTheme t = MetalTheme();
  t.CapTop = QColor(218, 223, 230);
  t.CapBottom = QColor(118, 128, 142);
  t.Face = QColor(200, 205, 211);
  t.FaceLight = QColor(236, 239, 243);
  t.FaceDark = QColor(118, 126, 136);
  t.Outline = QColor(64, 72, 84);
  t.Dark = QColor(78, 86, 98);
  t.Field = QColor(250, 251, 252);
  t.Accent = QColor(36, 92, 160);
  t.SheetBack = QColor(190, 195, 201);
  t.Seed = 23;
  return t;
}

TTheme CyberTheme() {
  TTheme t;
  t.Cyber = true;
  t.CapTop = QColor(16, 40, 62);
  t.CapBottom = QColor(8, 22, 36);
  t.Face = QColor(12, 26, 38);
  t.FaceLight = QColor(36, 90, 110);
  t.FaceDark = QColor(4, 10, 16);
  t.Outline = QColor(30, 120, 130);
  t.Light = QColor(60, 160, 170);
  t.Dark = QColor(4, 10, 16);
  t.Field = QColor(6, 16, 24);
  t.Accent = QColor(40, 200, 180);
  t.AccentLight = QColor(130, 255, 220);
  t.Text = QColor(190, 244, 255);
  t.DimText = QColor(70, 110, 125);
  t.SheetBack = QColor(6, 14, 22);
  t.Glyph = QColor(90, 220, 200);
  t.GlyphHot = QColor(170, 255, 235);
  t.Seed = 37;
  return t;
}

void AddPicture(TSkin& s, const char* file, int w, int h, int bits) {
  s.Active.push_back({QLatin1String(file), QImage(w, h, QImage::Format_RGB32), bits});
}

TSkin IMetal() {
  TSkin s;
  s.Folder = QStringLiteral("iMetal");
  s.SkinName = QStringLiteral("iMetal");
  s.Comments = QStringLiteral("Светлый шлифованный металл");
  s.T = MetalTheme();
  s.Main = {292, 165};
  s.Caption = 25;
  s.Client = {2, 25, 290, 162};
  s.MinWidth = 170;
  s.MaskBits = 4;
  s.SheetSize = {535, 583};
  s.Sheet.ButtonTop = 293;
  s.Sheet.ButtonH = 23;
  s.Sheet.GroupBox = {4, 499, 294, 552};
  AddPicture(s, "buttons.bmp", 77, 172, 24);
  AddPicture(s, "updown.bmp", 27, 17, 24);
  AddPicture(s, "hint.bmp", 46, 42, 8);
  AddPicture(s, "popup.bmp", 38, 118, 24);
  AddPicture(s, "controls.bmp", 535, 583, 24);
  AddPicture(s, "buttonmask.bmp", 69, 23, 8);
  s.CapIdx = 0, s.UpDownIdx = 1, s.HintIdx = 2, s.PopupIdx = 3, s.SheetIdx = 4, s.ButtonMaskIdx = 5;
  return s;
}

TSkin IMetal2() {
  TSkin s;
  s.Folder = QStringLiteral("iMetal2");
  s.SkinName = QStringLiteral("iMetal2");
  s.Comments = QStringLiteral("Тёмный титан");
  s.T = Metal2Theme();
  s.Main = {292, 165};
  s.Caption = 25;
  s.Client = {2, 25, 290, 162};
  s.MinWidth = 170;
  s.MaskBits = 4;
  s.SheetSize = {538, 580};
  s.Sheet.ButtonTop = 266;
  s.Sheet.ButtonH = 25;
  s.Sheet.GroupBox = {4, 499, 294, 552};
  AddPicture(s, "buttons.bmp", 77, 172, 24);
  AddPicture(s, "hint.bmp", 120, 33, 24);
  AddPicture(s, "popup.bmp", 120, 100, 24);
  AddPicture(s, "vscroll.bmp", 38, 118, 24);
  AddPicture(s, "controls.bmp", 538, 580, 24);
  AddPicture(s, "buttonmask.bmp", 69, 25, 4);
  s.CapIdx = 0, s.HintIdx = 1, s.PopupIdx = 2, s.VScrollIdx = 3, s.SheetIdx = 4, s.ButtonMaskIdx = 5;
  return s;
}

TSkin Cyber() {
  TSkin s;
  s.Folder = QStringLiteral("CyberObject");
  s.SkinName = QStringLiteral("CyberObject");
  s.Comments = QStringLiteral("Тёмная техническая тема");
  s.T = CyberTheme();
  s.Main = {150, 150};
  s.Caption = 27;
  s.Client = {5, 27, 145, 142};
  s.MinWidth = 160;
  s.MaskBits = 1;
  s.SheetSize = {537, 382};
  s.Sheet.ButtonTop = 266;
  s.Sheet.ButtonH = 25;
  s.Sheet.GroupBox = {4, 302, 294, 355};
  s.CapButton = {21, 19};
  AddPicture(s, "buttons.bmp", 185, 114, 24);
  AddPicture(s, "popup.bmp", 146, 257, 24);
  AddPicture(s, "hint.bmp", 65, 115, 24);
  AddPicture(s, "small.bmp", 117, 100, 24);
  AddPicture(s, "controls.bmp", 537, 382, 24);
  s.CapIdx = 0, s.PopupIdx = 1, s.HintIdx = 2, s.SmallIdx = 3, s.SheetIdx = 4;
  return s;
}

// A preview of a window of the skin: the frame stretched between its corner
// points, close and minimise buttons, a push button and a group box.
void NineSlice(QPainter& p, const QImage& src, const QRect& from, const QRect& to, int l, int t, int r, int b) {
  const int sx[4] = {from.left(), from.left() + l, from.right() + 1 - r, from.right() + 1};
  const int sy[4] = {from.top(), from.top() + t, from.bottom() + 1 - b, from.bottom() + 1};
  const int dx[4] = {to.left(), to.left() + l, to.right() + 1 - r, to.right() + 1};
  const int dy[4] = {to.top(), to.top() + t, to.bottom() + 1 - b, to.bottom() + 1};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      if (sx[i + 1] > sx[i] && sy[j + 1] > sy[j] && dx[i + 1] > dx[i] && dy[j + 1] > dy[j])
        p.drawImage(QRect(QPoint(dx[i], dy[j]), QPoint(dx[i + 1] - 1, dy[j + 1] - 1)), src,
                    QRect(QPoint(sx[i], sy[j]), QPoint(sx[i + 1] - 1, sy[j + 1] - 1)));
}

QImage Preview(const TSkin& s, const QImage& main, QSize client) {
  const TRect& c = s.Client;
  const QSize size(client.width() + c.Left + s.Main.width() - c.Right,
                   client.height() + c.Top + s.Main.height() - c.Bottom);
  QImage img(size, QImage::Format_RGB32);
  img.fill(Qt::magenta);
  QPainter p(&img);
  const int corner = s.T.Cyber ? 39 : 60;
  NineSlice(p, main, main.rect(), img.rect(), corner, c.Top, corner, s.Main.height() - c.Bottom);
  const QImage caps = s.Active[std::size_t(s.CapIdx)].Image;
  int right = size.width() - (s.T.Cyber ? 8 : 5);
  for (int kind : {0, 2}) {
    const TRect r = CapRect(s, kind, kind == 0 ? 1 : 0);
    p.drawImage(QPoint(right - r.Width(), 4), caps, r.ToQRect());
    right -= r.Width() + 2;
  }
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(14);
  f.setBold(true);
  p.setFont(f);
  p.setPen(s.T.Cyber ? s.T.AccentLight : QColor(16, 20, 26));
  p.drawText(QRect(s.T.Cyber ? 10 : 8, 4, right - 10, s.CapButton.height()), Qt::AlignVCenter, QStringLiteral("Окно болтов"));
  const QImage sheet = s.Active[std::size_t(s.SheetIdx)].Image;
  for (int st = 0; st < 2; ++st) {
    const QRect to(c.Left + 10 + st * 140, c.Top + 12, 128, 39);
    NineSlice(p, sheet, s.Sheet.Button(st).ToQRect(), to, 10, 2, 9, 2);
    p.setPen(s.T.Cyber ? s.T.Text : QColor(0, 0, 0));
    p.drawText(to, Qt::AlignCenter, QStringLiteral("     Болты"));
  }
  const QRect box(c.Left + 10, c.Top + 64, 300, 110);
  NineSlice(p, sheet, s.Sheet.GroupBox.ToQRect(), box, 3, 17, 4, 9);
  p.setPen(s.T.Cyber ? s.T.Text : QColor(0, 0, 0));
  p.drawText(box.adjusted(6, 1, 0, 0), Qt::AlignTop | Qt::AlignLeft, QStringLiteral("Материал"));
  const TRect combo = s.Sheet.Combo;
  NineSlice(p, sheet, combo.ToQRect(), QRect(box.left() + 12, box.top() + 30, 200, 24), 4, 3, 22, 3);
  return img;
}

QImage Encodable(const QImage& image, int bits) {
  return bits == 24 ? image : art::ToPalette(image, 1 << bits);
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "skinmaker: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool MakeSkin(TSkin s, const QString& root, const QString& preview) {
  // Draw every role into its picture.
  for (std::size_t i = 0; i < s.Active.size(); ++i) {
    const int idx = int(i);
    const QSize size = s.Active[i].Image.size();
    QImage img;
    if (idx == s.CapIdx) img = DrawCaptionButtons(s);
    else if (idx == s.SheetIdx) img = DrawSheet(s);
    else if (idx == s.HintIdx) img = DrawWindowPiece(size, s.T, true);
    else if (idx == s.PopupIdx) img = DrawWindowPiece(size, s.T, false);
    else if (idx == s.UpDownIdx) img = DrawUpDown(s, size);
    else if (idx == s.VScrollIdx) img = DrawVScrollPicture(s, size);
    else if (idx == s.SmallIdx) img = DrawSmallSheet(s, size);
    else if (idx == s.ButtonMaskIdx) img = DrawButtonMask(s);
    s.Active[i].Image = img;
  }
  const QString folder = root + QLatin1Char('/') + s.Folder;
  if (!QDir().mkpath(folder)) return false;
  const QImage main = DrawMain(s);
  bool ok = WriteFile(folder + QStringLiteral("/main.bmp"), WriteBmp(main, 24));
  ok = ok && WriteFile(folder + QStringLiteral("/mask.bmp"), WriteBmp(DrawMainMask(s), s.MaskBits));
  for (const TPicture& pic : s.Active)
    ok = ok && WriteFile(folder + QLatin1Char('/') + pic.File, WriteBmp(Encodable(pic.Image, pic.Bits), pic.Bits));
  QByteArray text;
  for (const QString& line : Describe(s)) text += EncodeCp1251(line) + "\r\n";
  ok = ok && WriteFile(folder + QStringLiteral("/skin.ini"), text);
  if (ok && !preview.isEmpty()) {
    main.save(preview + QLatin1Char('/') + s.Folder + QStringLiteral("-main.png"));
    Preview(s, main, QSize(420, 200)).save(preview + QLatin1Char('/') + s.Folder + QStringLiteral("-window.png"));
    for (const TPicture& pic : s.Active)
      Encodable(pic.Image, pic.Bits).save(preview + QLatin1Char('/') + s.Folder + QLatin1Char('-') +
                                          QString(pic.File).replace(QStringLiteral(".bmp"), QStringLiteral(".png")));
  }
  return ok;
}
}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: skinmaker <skins folder> [preview folder]\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  const QString preview = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  bool ok = true;
  for (const TSkin& skin : {IMetal(), IMetal2(), Cyber()}) ok = MakeSkin(skin, root, preview) && ok;
  return ok ? 0 : 1;
}
