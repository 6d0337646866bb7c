#include "app/WindowParts.h"

#include "resources/Resources.h"

QImage ArtImage(const QString& name) {
  QImage image;
  image.loadFromData(resources::Load(name));
  return image;
}

TbsSkinButton* MakeButton(QWidget* parent, const TButtonSpec& spec, const TFont& font) {
  auto* b = new TbsSkinButton(parent);
  b->setObjectName(QString::fromLatin1(spec.Name));
  b->UseSkinSize = false;
  b->UseSkinFont = false;
  b->UseSkinFontColor = false;
  b->SetDefaultFont(font);
  b->SetBounds(spec.Left, spec.Top, spec.Width, spec.Height);
  if (spec.Caption) b->SetCaption(QString::fromUtf8(spec.Caption));
  if (spec.Hint) b->SetHint(QString::fromUtf8(spec.Hint));
  if (spec.Glyph) b->SetGlyph(ArtImage(QString::fromLatin1(spec.Glyph)));
  b->setCursor(Qt::PointingHandCursor);
  return b;
}
