#include "forms/WindowParts.h"

#include "platform/Forms.h"
#include "platform/Png.h"
#include "resources/Resources.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"

QImage ArtImage(const QString& name) {
  // Our own reader: asking Qt would load every image format plugin to guess
  // the format of a file we know is a PNG.
  return platform::DecodePng(resources::Load(name));
}

TbsSkinButton* MakeButton(QWidget* parent, const TButtonDef& row, const TFont& font) {
  auto* b = new TbsSkinButton(parent);
  b->setObjectName(QString::fromLatin1(row.Name));
  b->UseSkinSize = false;
  b->UseSkinFont = false;
  b->UseSkinFontColor = false;
  b->SetDefaultFont(font);
  b->SetBounds(row.Left, row.Top, row.Width, row.Height);
  if (row.Caption) b->SetCaption(QString::fromUtf8(row.Caption));
  if (row.Hint) b->SetHint(QString::fromUtf8(row.Hint));
  if (row.Glyph) b->SetGlyph(ArtImage(QString::fromLatin1(row.Glyph)));
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

TbsCompressedStoredSkin* AttachStoredSkin(TForm* form, TbsSkinData* data, const QString& name) {
  TbsCompressedStoredSkin* stored = CreateStoredSkin(form, resources::Load(name), name);
  stored->setObjectName(QStringLiteral("bsCompressedStoredSkin1"));
  InvokeHandler([&] { data->SetCompressedStoredSkin(stored); });
  return stored;
}
