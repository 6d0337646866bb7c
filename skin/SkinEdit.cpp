#include "skin/SkinEdit.h"

#include <QPalette>

TbsSkinEdit::TbsSkinEdit(QWidget* parent) : QLineEdit(parent) {
  resize(121, 20);
  SetDefaultFont(FDefaultFont);
}

void TbsSkinEdit::SetSkinData(TbsSkinData* data) {
  FSkinData = data;
  update();
}

void TbsSkinEdit::SetDefaultFont(const TFont& font) {
  FDefaultFont = font;
  setFont(ToQFont(font));
  QPalette pal = palette();
  pal.setColor(QPalette::Text, ToQColor(font.Color));
  pal.setColor(QPalette::Base, ToQColor(clWindow));
  setPalette(pal);
}
