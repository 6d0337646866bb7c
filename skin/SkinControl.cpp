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
  const bool loaded = FSkinData && !FSkinData->Empty() && !FSkinSuspended;
  FIndex = loaded ? FSkinData->FindControlIndex(FSkinDataName) : -1;
}

void TbsSkinControl::SkinWillChange() {
  FSkinSuspended = true;
  FIndex = -1;
}

void TbsSkinControl::SkinChanged() {
  FSkinSuspended = false;
  LookUpRecord();
  update();
}

namespace {
constexpr QRgb kMaskOutside = 0xFFFFFFFFu;  // white: not part of the control
}

void TbsSkinCustomControl::SetSkinData(TbsSkinData* data) {
  TbsSkinControl::SetSkinData(data);
  if (!data || data->Empty()) UpdateRegion();
}

void TbsSkinCustomControl::LookUpRecord() {
  TbsSkinControl::LookUpRecord();
  const TbsDataSkinControl* found = FIndex >= 0 ? FSkinData->Control(FIndex) : nullptr;
  const auto* record = dynamic_cast<const TbsDataSkinCustomControl*>(found);
  if (!record || !FAccepts(found)) {
    FIndex = -1;
    FPicture = FMaskPicture = TbsSkinPicture();
    FSkinRect = TRect();
    FLayout = TbsPieceLayout();
    FResizeMode = TbsResizeMode::rmNone;
    return;
  }
  // ActivePicture gives a null image for -1 and for indexes out of range.
  FPicture = FSkinData->ActivePicture(record->PictureIndex);
  FMaskPicture = FSkinData->ActivePicture(record->MaskPictureIndex);
  FSkinRect = record->SkinRect;
  FLayout = PieceLayoutOf(*record);
  FResizeMode = ResizeModeOf(FSkinRect, FLayout.Points);
}

void TbsSkinCustomControl::SkinWillChange() {
  TbsSkinControl::SkinWillChange();
  clearMask();
}

void TbsSkinCustomControl::SkinChanged() {
  FSkinSuspended = false;
  LookUpRecord();
  if (FIndex < 0) {
    if (DefaultWidth > 0) resize(DefaultWidth, height());
    if (DefaultHeight > 0) resize(width(), DefaultHeight);
  } else if (!FPicture.isNull() && (FollowsSkinSize() || FResizeMode == TbsResizeMode::rmFree)) {
    // A control that cannot show its skin keeps its own size.
    const QSize skin(FSkinRect.Width(), FSkinRect.Height());
    const QSize wanted = SkinSizeFor(FResizeMode, skin, size());
    if (wanted != size()) resize(wanted);
  }
  UpdateRegion();
  update();
}

TRect TbsSkinCustomControl::SkinClientRect() const {
  const QSize skin(FSkinRect.Width(), FSkinRect.Height());
  if (GrowsAroundClient())
    return GeometryForSize(TbsResizeMode::rmFree, skin, ClientCornerLayout(FLayout.ClientRect), size()).ClientRect;
  return GeometryForSize(FResizeMode, skin, FLayout, size()).ClientRect;
}

QImage TbsSkinCustomControl::ComposeBody(const QImage& piece, QSize size, QRgb background) const {
  // The mask goes through here too, so the region always fits the body.
  if (GrowsAroundClient()) return ComposeClientCorners(piece, FLayout.ClientRect, size, background);
  return ComposeByMode(piece, FResizeMode, FLayout, size, background);
}

QImage TbsSkinCustomControl::ComposeSkinRect(const TRect& rect, QSize size, QRgb background) const {
  if (FPicture.isNull() || rect.IsEmpty()) return {};
  return ComposeBody(CutPiece(FPicture, rect, background), size, background);
}

QImage TbsSkinCustomControl::ComposeMask() const {
  if (FIndex < 0 || FMaskPicture.isNull() || FResizeMode == TbsResizeMode::rmNone) return {};
  // A mask picture of the skin rectangle's size is the mask of that piece
  // alone; a larger one lies over the whole picture like the skin itself.
  const QSize skin(FSkinRect.Width(), FSkinRect.Height());
  const QImage piece = FMaskPicture.size() == skin
                           ? CutPiece(FMaskPicture, TRect{0, 0, skin.width(), skin.height()}, kMaskOutside)
                           : CutPiece(FMaskPicture, FSkinRect, kMaskOutside);
  return ComposeBody(piece, size(), kMaskOutside);
}

void TbsSkinCustomControl::UpdateRegion() {
  LookUpRecord();
  const QImage mask = ComposeMask();
  const QRegion region = mask.isNull() ? QRegion() : MaskToRegion(mask);
  // An empty region would hide the control altogether: no region instead.
  if (region.isEmpty())
    clearMask();
  else
    setMask(region);
}

void TbsSkinCustomControl::resizeEvent(QResizeEvent* event) {
  TbsSkinControl::resizeEvent(event);
  if (FSkinData || !mask().isEmpty()) UpdateRegion();
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
