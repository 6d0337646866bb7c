#include "skin/SkinControl.h"

#include "skin/SkinData.h"

#include <QPainter>

TbsSkinControl::TbsSkinControl(QWidget* parent, const QString& skinDataName)
    : QWidget(parent), FSkinDataName(skinDataName) {
  // Each paint covers the whole control: no background erase in between.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TbsSkinControl::SetSkinData(TbsSkinData* data) {
  FSkinData = data;
  if (data && !data->Empty())
    SkinChanged();
  else
    update();
}

void TbsSkinControl::SetSkinDataName(const QString& name) {
  FSkinDataName = name;
  update();
}

void TbsSkinControl::LookUpRecord() {
  FIndex = (FSkinData && !FSkinData->Empty()) ? FSkinData->FindControlIndex(FSkinDataName) : -1;
}

void TbsSkinControl::SkinWillChange() { FIndex = -1; }

void TbsSkinControl::SkinChanged() {
  LookUpRecord();
  update();
}

void TbsSkinCustomControl::SkinChanged() {
  LookUpRecord();
  if (FIndex < 0) {
    if (DefaultWidth > 0) resize(DefaultWidth, height());
    if (DefaultHeight > 0) resize(width(), DefaultHeight);
  }
  update();
}

QImage TbsSkinControl::Render() {
  QImage image(size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  LookUpRecord();
  if (FIndex < 0 || !DrawSkin(image)) DrawPlain(image);
  return image;
}

void TbsSkinControl::paintEvent(QPaintEvent*) {
  if (width() < 1 || height() < 1) return;
  const QImage image = Render();
  QPainter p(this);
  p.drawImage(0, 0, image);
}
