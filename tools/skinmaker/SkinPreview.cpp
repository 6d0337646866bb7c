#include "tools/skinmaker/SkinPreview.h"

#include <QFont>
#include <QPainter>

namespace {
constexpr QRgb kOutside = 0xFFFFFFFFu;  // white: outside a mask

// The piece of `rect` in `picture` at `size`, composed as a control of the
// program composes a piece at a size its skin does not dictate.
QImage ComposeControl(const QImage& picture, const TRect& rect, const TbsPieceLayout& layout, QSize size) {
  return ComposeFreely(CutPiece(picture, rect), ResizeModeOf(rect, layout.Points), layout, size);
}

void DrawText(QPainter& p, const QRect& r, int flags, const QString& text, const QColor& color, int pixels) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(pixels);
  f.setBold(true);
  p.setFont(f);
  p.setPen(color);
  p.drawText(r, flags, text);
}

// The close button (as under the mouse) and the minimise button at the
// right end of the caption, and the caption text left of them.
void DrawCaption(QPainter& p, const TSkin& s, int width) {
  const QImage& caps = s.Picture(TRole::CaptionButtons).Image;
  const TRect caption = CaptionRect(s);
  int right = caption.Right + width - s.Main.width();
  for (const auto& [glyph, state] : {std::pair{art::TGlyph::Close, 1}, std::pair{art::TGlyph::Minimize, 0}}) {
    const TRect r = CapRect(s, glyph, state);
    p.drawImage(QPoint(right - r.Width(), caption.Top), caps, r.ToQRect());
    right -= r.Width() + 2;  // "buttonsoffset"
  }
  const QRect text(caption.Left + 2, caption.Top, right - caption.Left - 4, caption.Height());
  DrawText(p, text, Qt::AlignVCenter, QStringLiteral("Окно болтов"),
           s.T.Cyber ? s.T.AccentLight : QColor(16, 20, 26), 14);
}

// A push button at `to`, cut to its mask where the skin has one.
void DrawButton(QPainter& p, const TSkin& s, int state, const QRect& to) {
  const TbsPieceLayout layout = ButtonLayout(s);
  const TRect rect = s.Sheet.Button(state);
  p.save();
  if (s.Index(TRole::ButtonMask) >= 0) {
    const QImage& mask = s.Picture(TRole::ButtonMask).Image;
    const TRect whole{0, 0, mask.width(), mask.height()};
    const QImage composed = ComposeFreely(CutPiece(mask, whole, kOutside), ResizeModeOf(rect, layout.Points), layout,
                                          to.size(), kOutside);
    p.setClipRegion(MaskToRegion(composed, to.topLeft()));
  }
  p.drawImage(to.topLeft(), ComposeControl(s.Picture(TRole::Sheet).Image, rect, layout, to.size()));
  p.restore();
  DrawText(p, to, Qt::AlignCenter, QStringLiteral("     Болты"), s.T.Cyber ? s.T.Text : QColor(0, 0, 0), 14);
}

void DrawGroupBox(QPainter& p, const TSkin& s, const QRect& box) {
  const QImage& sheet = s.Picture(TRole::Sheet).Image;
  const QColor text = s.T.Cyber ? s.T.Text : QColor(0, 0, 0);
  p.drawImage(box.topLeft(), ComposeControl(sheet, s.Sheet.GroupBox, GroupBoxLayout(), box.size()));
  DrawText(p, box.adjusted(5, 1, 0, 0), Qt::AlignTop | Qt::AlignLeft, QStringLiteral("Материал"), text, 14);
  const QRect combo(box.left() + 12, box.top() + 30, 200, 24);
  p.drawImage(combo.topLeft(), ComposeControl(sheet, s.Sheet.Combo, ComboLayout(s.Sheet), combo.size()));
}
}  // namespace

QImage PreviewWindow(const TSkin& s, const QImage& main, const QImage& mask, QSize client) {
  const TRect& c = s.Client;
  const QSize size(client.width() + c.Left + s.Main.width() - c.Right,
                   client.height() + c.Top + s.Main.height() - c.Bottom);
  const TbsPieceLayout frame = FrameLayout(s);
  const TbsPieceGeometry geometry = GeometryForSize(TbsResizeMode::rmFree, s.Main, frame, size);
  QImage img = ComposeNinePiece(main, frame, size, geometry);
  QPainter p(&img);
  DrawCaption(p, s, size.width());
  for (int state = 0; state < 2; ++state) DrawButton(p, s, state, QRect(c.Left + 10 + state * 140, c.Top + 12, 128, 39));
  DrawGroupBox(p, s, QRect(c.Left + 10, c.Top + 64, 300, 110));
  // The window's shape: the mask composed like the frame; what it cuts away
  // becomes transparent.
  const QRegion shape = MaskToRegion(ComposeNinePiece(mask, frame, size, geometry, true, kOutside));
  p.setCompositionMode(QPainter::CompositionMode_Clear);
  p.setClipRegion(QRegion(img.rect()).subtracted(shape));
  p.fillRect(img.rect(), Qt::transparent);
  return img;
}
