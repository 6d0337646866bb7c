#include "platform/StdCtrls.h"

#include <QPainter>

TLabel::TLabel(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void TLabel::SetCaption(const QString& text) {
  FCaption = text;
  update();
}

void TLabel::SetFont(const TFont& font) {
  FFont = font;
  update();
}

void TLabel::SetColor(TColor color) {
  FColor = color;
  update();
}

void TLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (FColor != clNone) p.fillRect(rect(), ToQColor(FColor));
  p.setFont(ToQFont(FFont));
  p.setPen(ToQColor(FFont.Color));
  p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, FCaption);
}

TImage::TImage(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void TImage::SetPicture(const QImage& picture) {
  FPicture = picture;
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  if (FPicture.isNull()) return;
  QPainter p(this);
  if (Stretch)
    p.drawImage(rect(), FPicture);
  else
    p.drawImage(0, 0, FPicture);
}
