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

QList<TbsSkinStaticText*> LabelsOf(const QWidget* control) {
  QList<TbsSkinStaticText*> labels;
  if (!control) return labels;
  for (TbsSkinStaticText* label : control->window()->findChildren<TbsSkinStaticText*>()) {
    // A label may name the field around the editor that takes the focus.
    for (const QWidget* w = label->FocusControl(); w; w = w->focusProxy()) {
      if (w == control) {
        labels.append(label);
        break;
      }
    }
  }
  return labels;
}

QColor TbsSkinStaticText::DisabledLightColor() const {
  const bool skinned = FSkinData && !FSkinData->Empty();
  return ToQColor(skinned ? FSkinData->SkinColors.cBtnHighLight : clBtnHighlight);
}

QColor TbsSkinStaticText::DisabledShadowColor() const {
  const bool skinned = FSkinData && !FSkinData->Empty();
  return ToQColor(skinned ? FSkinData->SkinColors.cBtnShadow : clBtnShadow);
}
