#include "skin/SkinPlainLook.h"

#include "platform/Graphics.h"

#include <QPainter>

void DrawBevelEdge(QPainter& p, const QRect& r, TbsBevelStyle style) {
  TColor upper = clNone, lower = clNone;
  switch (style) {
    case TbsBevelStyle::bvFrame: upper = lower = clBtnShadow; break;
    case TbsBevelStyle::bvRaised: upper = clBtnHighlight; lower = clBtnShadow; break;
    case TbsBevelStyle::bvLowered: upper = clBtnShadow; lower = clBtnHighlight; break;
    case TbsBevelStyle::bvNone: return;
  }
  const int right = r.right(), bottom = r.bottom();
  p.setPen(ToQColor(upper));
  p.drawLine(r.left(), r.top(), right, r.top());
  p.drawLine(r.left(), r.top(), r.left(), bottom);
  p.setPen(ToQColor(lower));
  p.drawLine(right, r.top(), right, bottom);
  p.drawLine(r.left(), bottom, right, bottom);
}

void DrawPlainBevel(QPainter& p, const QRect& r, TbsBevelStyle style) {
  p.fillRect(r, ToQColor(clBtnFace));
  DrawBevelEdge(p, r, style);
}

void DrawSunkenBorder(QPainter& p, QSize size) {
  const int w = size.width(), h = size.height();
  p.setPen(ToQColor(clBtnShadow));
  p.drawLine(0, 0, w - 1, 0);
  p.drawLine(0, 0, 0, h - 1);
  p.setPen(ToQColor(cl3DDkShadow));
  p.drawLine(1, 1, w - 2, 1);
  p.drawLine(1, 1, 1, h - 2);
  p.setPen(ToQColor(clBtnHighlight));
  p.drawLine(0, h - 1, w - 1, h - 1);
  p.drawLine(w - 1, 0, w - 1, h - 1);
  p.setPen(ToQColor(cl3DLight));
  p.drawLine(1, h - 2, w - 2, h - 2);
  p.drawLine(w - 2, 1, w - 2, h - 2);
}
