#include "skin/SkinStdLabel.h"

#include "skin/SkinAccessible.h"
#include "skin/SkinButton.h"  // StripAccelerator
#include "skin/SkinData.h"
#include "skin/SkinRecords.h"

#include <QPainter>

void TbsSkinStdLabel::SetCaption(const QString& caption) {
  if (caption == FCaption) return;
  const QString before = ShownText();
  FCaption = caption;
  update();
  AccessibleTextChanged(this, before, ShownText());
}

QString TbsSkinStdLabel::ShownText() const { return StripAccelerator(FCaption); }

const TbsDataSkinStdLabelControl* TbsSkinStdLabel::Record() const {
  if (!FSkinData || FSkinData->Empty()) return nullptr;
  return FSkinData->ControlRecord<TbsDataSkinStdLabelControl>(SkinDataName);
}

QFont TbsSkinStdLabel::DrawFont() const {
  // With a record: the record's font when the skin's font is asked for, else
  // the label's own. Without one: the default font in place of the record's.
  if (const auto* r = Record(); r && UseSkinFont)
    return ToQFont(r->Font.ToFont());
  return ToQFont(UseSkinFont && !Record() ? DefaultFont : Font);
}

QColor TbsSkinStdLabel::DrawColor() const {
  // The record's colour wins whenever a record is used and its colour asked for.
  const auto* r = Record();
  if (r && UseSkinColor) return ToQColor(r->Font.Color);
  if (r) return ToQColor(Font.Color);
  return ToQColor(UseSkinFont ? DefaultFont.Color : Font.Color);
}

void TbsSkinStdLabel::paintEvent(QPaintEvent*) {
  if (FCaption.isEmpty()) return;
  QPainter p(this);
  p.setFont(DrawFont());
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
  if (!isEnabled()) {
    p.setPen(DisabledLightColor());
    p.drawText(rect().translated(1, 1), flags, FCaption);
    p.setPen(DisabledShadowColor());
    p.drawText(rect(), flags, FCaption);
    return;
  }
  p.setPen(DrawColor());
  p.drawText(rect(), flags, FCaption);
}
