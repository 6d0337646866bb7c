#include "skin/SkinLabel.h"

#include "skin/SkinAccessible.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kPlainInset = 3;
}

TbsSkinLabel::TbsSkinLabel(QWidget* parent)
    : TbsSkinCustomControl(parent, QStringLiteral("label"), IsRecordOf<TbsDataSkinLabelControl>) {
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
  const QString before = FCaption;
  FCaption = caption;
  update();
  AccessibleTextChanged(this, before, FCaption);
}

const TbsDataSkinLabelControl* TbsSkinLabel::LabelRecord() const {
  if (FPicture.isNull() || FResizeMode == TbsResizeMode::rmNone) return nullptr;
  return RecordAs<TbsDataSkinLabelControl>();
}

bool TbsSkinLabel::GrowsAroundClient() const {
  return !UseSkinSize && FResizeMode != TbsResizeMode::rmFree && FResizeMode != TbsResizeMode::rmNone;
}

QRect TbsSkinLabel::TextArea() const {
  if (LabelRecord()) return SkinClientRect().ToQRect();
  return rect().adjusted(kPlainInset, kPlainInset, -kPlainInset, -kPlainInset);
}

TFont TbsSkinLabel::TextFont() const {
  TFont font = DefaultFont;
  if (const TbsDataSkinLabelControl* record = LabelRecord()) {
    // Name, height and style from the skin; the character set stays ours.
    font = record->Font.AppliedTo(font, UseSkinFont);
    font.Color = record->Font.Color;
  }
  if (!UseSkinFontColor) font.Color = DefaultFont.Color;
  return font;
}

QRect TbsSkinLabel::TextRect() const {
  // Vertically centred on the area; across by the alignment.
  const QRect area = TextArea();
  const QFontMetrics fm(ToQFont(TextFont()));
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

void TbsSkinLabel::DrawText(QPainter& p) const {
  if (FCaption.isEmpty()) return;
  const TFont font = TextFont();
  p.save();
  p.setClipRect(TextArea());
  p.setFont(ToQFont(font));
  p.setPen(ToQColor(font.Color));
  p.drawText(TextRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, FCaption);
  p.restore();
}

bool TbsSkinLabel::DrawSkin(QImage& image) {
  if (!LabelRecord()) return false;
  const QImage body = ComposeSkinRect(FSkinRect, size());
  if (body.isNull()) return false;
  QPainter p(&image);
  PutImage(p, body);
  DrawText(p);
  return true;
}

void TbsSkinLabel::DrawPlain(QImage& image) {
  // Button-face fill; a one-pixel frame whose upper-left and lower-right
  // colours follow the border style; the text inside the 3-pixel inset.
  QPainter p(&image);
  DrawPlainBevel(p, image.rect(), FBorderStyle);
  DrawText(p);
}
