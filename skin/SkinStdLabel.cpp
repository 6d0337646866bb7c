#include "skin/SkinStdLabel.h"

#include "skin/SkinData.h"

#include <QPainter>

TbsSkinStdLabel::TbsSkinStdLabel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void TbsSkinStdLabel::SetSkinData(TbsSkinData* data) {
  FSkinData = data;
  update();
}

void TbsSkinStdLabel::SetCaption(const QString& caption) {
  FCaption = caption;
  update();
}

void TbsSkinStdLabel::SetFont(const TFont& font) {
  Font = font;
  update();
}

QFont TbsSkinStdLabel::DrawFont() const {
  // Without a skin record: the default font when the skin's font is asked for,
  // else the label's own.
  return ToQFont(UseSkinFont ? DefaultFont : Font);
}

QColor TbsSkinStdLabel::DrawColor() const { return ToQColor(UseSkinFont ? DefaultFont.Color : Font.Color); }

void TbsSkinStdLabel::paintEvent(QPaintEvent*) {
  if (FCaption.isEmpty()) return;
  QPainter p(this);
  p.setFont(DrawFont());
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
  if (!isEnabled()) {
    p.setPen(ToQColor(clBtnHighlight));
    p.drawText(rect().translated(1, 1), flags, FCaption);
    p.setPen(ToQColor(clBtnShadow));
    p.drawText(rect(), flags, FCaption);
    return;
  }
  p.setPen(DrawColor());
  p.drawText(rect(), flags, FCaption);
}
