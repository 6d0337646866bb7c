#include "skin/SkinLabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kPlainInset = 3;
}

TbsSkinLabel::TbsSkinLabel(QWidget* parent) : TbsSkinCustomControl(parent, QStringLiteral("label")) {
  resize(75, 21);
  setFocusPolicy(Qt::NoFocus);
}

void TbsSkinLabel::SetAlignment(TAlignment a) {
  FAlignment = a;
  update();
}

void TbsSkinLabel::SetBorderStyle(TbsBevelStyle s) {
  FBorderStyle = s;
  update();
}

void TbsSkinLabel::SetCaption(const QString& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  update();
}

QRect TbsSkinLabel::TextArea() const { return rect().adjusted(kPlainInset, kPlainInset, -kPlainInset, -kPlainInset); }

QRect TbsSkinLabel::TextRect() const {
  // Vertically centred on the area; across by the alignment.
  const QRect area = TextArea();
  const QFontMetrics fm(ToQFont(DefaultFont));
  const int tw = fm.horizontalAdvance(FCaption);
  const int th = fm.height();
  int x = area.left();
  if (FAlignment == TAlignment::taRightJustify)
    x = area.left() + area.width() - tw;
  else if (FAlignment == TAlignment::taCenter)
    x = area.left() + area.width() / 2 - tw / 2;
  const int y = area.top() + area.height() / 2 - th / 2;
  return QRect(x, y, tw, th);
}

void TbsSkinLabel::DrawPlain(QImage& image) {
  // Button-face fill; a one-pixel frame whose upper-left and lower-right
  // colours follow the border style; the text inside the 3-pixel inset.
  QPainter p(&image);
  const QRect r = image.rect();
  p.fillRect(r, ToQColor(clBtnFace));
  TColor upper = clNone, lower = clNone;
  switch (FBorderStyle) {
    case TbsBevelStyle::bvFrame: upper = lower = clBtnShadow; break;
    case TbsBevelStyle::bvRaised: upper = clBtnHighlight; lower = clBtnShadow; break;
    case TbsBevelStyle::bvLowered: upper = clBtnShadow; lower = clBtnHighlight; break;
    case TbsBevelStyle::bvNone: break;
  }
  if (upper != clNone) {
    const int w = r.width() - 1, h = r.height() - 1;
    p.setPen(ToQColor(upper));
    p.drawLine(0, 0, w, 0);
    p.drawLine(0, 0, 0, h);
    p.setPen(ToQColor(lower));
    p.drawLine(w, 0, w, h);
    p.drawLine(0, h, w, h);
  }
  if (FCaption.isEmpty()) return;
  p.setClipRect(TextArea());
  p.setFont(ToQFont(DefaultFont));
  p.setPen(ToQColor(DefaultFont.Color));
  p.drawText(TextRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, FCaption);
}
