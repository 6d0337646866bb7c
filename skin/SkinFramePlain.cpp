// The unskinned frame: three-pixel raised borders, a caption band of the
// default caption height with drawn caption buttons, used until a skin is
// loaded and whenever a skin gives no picture.
#include "skin/SkinForm.h"
#include "skin/SkinPlainLook.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int kBorder = 3;
constexpr int kButtonW = 20;
constexpr int kButtonH = 18;
constexpr int kButtonGap = 2;
constexpr int kSysMenuSize = 16;
}  // namespace

TbsPlainFrameLayout PlainFrameLayout(QSize window, TbsBorderIcons icons, bool hideButtons) {
  // An unskinned frame: three-pixel borders on every side, a caption band of
  // the default caption height under the top border. Caption buttons sit at
  // the band's right end, right to left (close, maximise, minimise, roll-up),
  // the system-menu button at its left end.
  TbsPlainFrameLayout l;
  l.NonClient = QMargins(kBorder, kDefaultCaptionHeight + kBorder, kBorder, kBorder);
  l.Caption = QRect(kBorder, kBorder, window.width() - 2 * kBorder, kDefaultCaptionHeight);
  const int top = l.Caption.top() + (kDefaultCaptionHeight - kButtonH) / 2;
  int right = l.Caption.right() - kButtonGap;
  auto place = [&](QRect& r, bool shown) {
    if (!shown || hideButtons) return;
    r = QRect(right - kButtonW + 1, top, kButtonW, kButtonH);
    right -= kButtonW + kButtonGap;
  };
  place(l.Close, true);
  place(l.Maximize, icons & biMaximize);
  place(l.Minimize, icons & biMinimize);
  place(l.RollUp, icons & biRollUp);
  int textLeft = l.Caption.left() + 6;
  if ((icons & biSystemMenu) && !hideButtons) {
    l.SysMenu = QRect(l.Caption.left() + 3, l.Caption.top() + (kDefaultCaptionHeight - kSysMenuSize) / 2,
                      kSysMenuSize, kSysMenuSize);
    textLeft = l.SysMenu.right() + 5;
  }
  l.Text = QRect(QPoint(textLeft, l.Caption.top()), QPoint(right - 2, l.Caption.bottom()));
  return l;
}

namespace {
void DrawCaptionGlyph(QPainter& p, const QRect& r, TbsStdCommand kind, const QColor& c) {
  p.setPen(QPen(c, 2));
  const QRect g = r.adjusted(6, 5, -6, -5);
  switch (kind) {
    case TbsStdCommand::cmClose:
      p.drawLine(g.topLeft(), g.bottomRight());
      p.drawLine(g.topRight(), g.bottomLeft());
      break;
    case TbsStdCommand::cmMinimize:
      p.drawLine(g.left(), g.bottom(), g.right(), g.bottom());
      break;
    case TbsStdCommand::cmMaximize:
      p.drawRect(g);
      break;
    case TbsStdCommand::cmRollUp:
      p.drawLine(g.left(), g.top() + 2, g.right(), g.top() + 2);
      break;
    default:
      break;
  }
}
}  // namespace

void TbsSkinForm::PaintPlain(QPainter& p) {
  const TbsPlainFrameLayout l = Layout();
  const QRect r = FForm->rect();
  const bool active = FForm->isActiveWindow();
  // Border band: button face with a dark outline and a raised edge inside.
  p.fillRect(r, ToQColor(clBtnFace));
  p.setPen(ToQColor(cl3DDkShadow));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  DrawBevelEdge(p, r.adjusted(1, 1, -1, -1), TbsBevelStyle::bvRaised);
  // Caption band.
  QLinearGradient grad(l.Caption.topLeft(), l.Caption.bottomLeft());
  grad.setColorAt(0, active ? QColor(0xfb, 0xfb, 0xfd) : QColor(0xf4, 0xf4, 0xf4));
  grad.setColorAt(1, active ? QColor(0xc9, 0xd3, 0xe2) : QColor(0xdc, 0xdc, 0xdc));
  p.fillRect(l.Caption, grad);
  const TFont& font = active ? DefCaptionFont : DefInActiveCaptionFont;
  p.setFont(ToQFont(font));
  p.setPen(ToQColor(font.Color));
  const QString text = p.fontMetrics().elidedText(FForm->windowTitle(), Qt::ElideRight, l.Text.width());
  p.drawText(l.Text, Qt::AlignVCenter | Qt::AlignLeft, text);
  // Caption buttons.
  for (const auto& [kind, br] : l.Buttons()) {
    if (!br.isValid() || kind == TbsStdCommand::cmSysMenu) continue;  // the icon is drawn below
    const bool pressed = FPressedButton == kind && FHotButton == kind;
    const bool hot = FHotButton == kind;
    QColor face = ToQColor(clBtnFace);
    if (pressed)
      face = ToQColor(11899781);
    else if (hot)
      face = kind == TbsStdCommand::cmClose ? QColor(0xe8, 0x11, 0x23) : ToQColor(13811126);
    p.fillRect(br, face);
    p.setPen(hot || pressed ? ToQColor(8388608) : ToQColor(clBtnShadow));
    p.drawRect(br.adjusted(0, 0, -1, -1));
    const QColor glyph = (hot && kind == TbsStdCommand::cmClose && !pressed) ? Qt::white
                         : active ? ToQColor(clBtnText) : ToQColor(clBtnShadow);
    DrawCaptionGlyph(p, br.translated(pressed ? 1 : 0, pressed ? 1 : 0), kind, glyph);
  }
  if (l.SysMenu.isValid()) {
    const QIcon icon = FForm->windowIcon();
    if (!icon.isNull() && ShowIcon) {
      icon.paint(&p, l.SysMenu);
    } else {
      // A small window symbol.
      p.setPen(ToQColor(clBtnText));
      p.fillRect(l.SysMenu.adjusted(1, 2, -1, -2), ToQColor(clWindow));
      p.drawRect(l.SysMenu.adjusted(1, 2, -2, -3));
      p.fillRect(QRect(l.SysMenu.left() + 1, l.SysMenu.top() + 2, l.SysMenu.width() - 2, 3),
                 ToQColor(clNavy));
    }
  }
}
