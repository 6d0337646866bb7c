#include "skin/SkinStaticText.h"

TbsSkinStaticText::TbsSkinStaticText(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void TbsSkinStaticText::SetSkinData(TbsSkinData* data) {
  FSkinData = data;
  update();
}

void TbsSkinStaticText::SetFont(const TFont& font) {
  Font = font;
  update();
}

QColor TbsSkinStaticText::DisabledLightColor() const {
  const bool skinned = FSkinData && !FSkinData->Empty();
  return ToQColor(skinned ? FSkinData->SkinColors.cBtnHighLight : clBtnHighlight);
}

QColor TbsSkinStaticText::DisabledShadowColor() const {
  const bool skinned = FSkinData && !FSkinData->Empty();
  return ToQColor(skinned ? FSkinData->SkinColors.cBtnShadow : clBtnShadow);
}
