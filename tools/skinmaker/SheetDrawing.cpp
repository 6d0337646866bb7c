// The control sheet: every control's looks in one picture, where TSheet
// places them.
#include "tools/skinmaker/ArtPieces.h"
#include "tools/skinmaker/SkinPictures.h"

#include <QPainter>

using art::TArrow;

namespace {
// The normal or the active looks of the fields and boxes: edit, memo, the
// drop-down list with its button, the spin edit with its arrows, the check
// box and the radio with their marks.
void DrawFieldLooks(QImage& img, const TTheme& t, const TSheet& l, bool a) {
  DrawField(img, a ? l.EditA : l.Edit, t, a);
  DrawField(img, a ? l.MemoA : l.Memo, t, a);
  const TRect combo = a ? l.ComboA : l.Combo;
  DrawField(img, combo, t, a);
  DrawSmallButton(img, Shift(ComboButtonArea(combo), combo.Left, combo.Top), t, 0, TArrow::Down);
  const TRect spin = a ? l.SpinA : l.Spin;
  DrawField(img, spin, t, a);
  DrawSmallButton(img, Shift(SpinButtonArea(spin, false), spin.Left, spin.Top), t, 0, TArrow::Up);
  DrawSmallButton(img, Shift(SpinButtonArea(spin, true), spin.Left, spin.Top), t, 0, TArrow::Down);
  const TRect check = a ? l.CheckA : l.Check, radio = a ? l.RadioA : l.Radio;
  for (const TRect& box : {check, radio}) {
    QPainter p(&img);
    p.fillRect(box.ToQRect(), t.Face);
    if (a) {
      p.setPen(t.Cyber ? QColor(24, 70, 84) : t.FaceLight);
      p.drawLine(box.Left + 20, box.Bottom - 2, box.Right - 4, box.Bottom - 2);
    }
  }
  DrawMark(img, Shift(kCheckImageArea, check.Left, check.Top), t, false, a ? 2 : 0);
  DrawMark(img, Shift(kCheckImageArea, radio.Left, radio.Top), t, true, a ? 2 : 0);
}

// The framed label, the panel, the list box and its three item looks.
void DrawPlates(QImage& img, const TTheme& t, const TSheet& l) {
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
  QPainter p(&img);
  p.fillRect(l.Item.ToQRect(), t.Field);
  art::VGradient(p, l.ItemA.ToQRect(), t.Cyber ? QColor(18, 60, 80) : QColor(226, 234, 244),
                 t.Cyber ? QColor(12, 44, 60) : QColor(206, 218, 232));
  art::VGradient(p, l.ItemF.ToQRect(), t.Cyber ? QColor(24, 120, 120) : QColor(82, 124, 178),
                 t.Cyber ? QColor(12, 80, 86) : QColor(52, 92, 146));
  art::Frame(p, l.ItemF.ToQRect(), t.Cyber ? t.AccentLight : QColor(40, 70, 120));
}

// The images of the other states: drop-down buttons, marks, spin arrows,
// scroll bars with their arrows and thumbs, and the push button's four looks.
void DrawStateImages(QImage& img, const TTheme& t, const TSheet& l) {
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
}

// Group box: a caption band over a framed body (rows: band 0..19, body
// 20..51, bottom line 52).
void DrawGroupBox(QImage& img, const TTheme& t, const TSheet& l) {
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
}
}  // namespace

QImage DrawSheet(const TSkin& s) {
  QImage img(s.Picture(TRole::Sheet).Size, QImage::Format_RGB32);
  img.fill(s.T.SheetBack);
  for (const bool active : {false, true}) DrawFieldLooks(img, s.T, s.Sheet, active);
  DrawPlates(img, s.T, s.Sheet);
  DrawStateImages(img, s.T, s.Sheet);
  DrawGroupBox(img, s.T, s.Sheet);
  return img;
}
