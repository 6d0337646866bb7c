#include "platform/StdCtrls.h"

#include <QPainter>
#include <utility>

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

const QImage& TImage::Picture() const {
  if (FDraw) FPicture = std::exchange(FDraw, nullptr)();
  return FPicture;
}

void TImage::SetPicture(const QImage& picture) {
  FDraw = nullptr;
  FPicture = picture;
  update();
}

void TImage::SetPicture(std::function<QImage()> draw) {
  FDraw = std::move(draw);
  FPicture = QImage();
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  const QImage& picture = Picture();
  if (picture.isNull()) return;
  QPainter p(this);
  if (Stretch)
    p.drawImage(rect(), picture);
  else
    p.drawImage(0, 0, picture);
}
