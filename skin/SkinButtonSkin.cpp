// The push button's skinned look: the state images of its record, the text
// colours and font, the focus rectangle and the morph between the normal and
// the active image. Behaviour and the plain look live in SkinButton.cpp.
#include "skin/SkinButton.h"

#include <QPainter>

namespace {
// The state rectangle, or the normal one when the skin leaves it empty.
const TRect& OrNormal(const TRect& state, const TRect& normal) { return state.IsEmpty() ? normal : state; }
}  // namespace

bool TbsSkinButton::ShowsPressed() const {
  return FDown && (FMouseIn || (hasFocus() && !FMousePressed) || FGroupIndex != 0);
}

const TbsDataSkinButtonControl* TbsSkinButton::ButtonRecord() const {
  return RecordAs<TbsDataSkinButtonControl>();
}

bool TbsSkinButton::GrowsAroundClient() const {
  return !UseSkinSize && (FResizeMode == TbsResizeMode::rmAcross || FResizeMode == TbsResizeMode::rmDown);
}

bool TbsSkinButton::MorphingEnabled() const {
  const TbsDataSkinButtonControl* record = ButtonRecord();
  return record && record->Morphing && FSkinData && !FSkinData->Empty() && FSkinData->EnableSkinEffects;
}

bool TbsSkinButton::AnimationEnabled() const {
  const TbsDataSkinButtonControl* record = ButtonRecord();
  return record && !StripFrame(record->AnimateSkinRect, record->FrameCount, 1).IsEmpty() && FSkinData &&
         !FSkinData->Empty() && FSkinData->EnableSkinEffects;
}

void TbsSkinButton::StartAnimation() {
  LookUpRecord();
  if (!AnimationEnabled()) {
    FAnimation.reset();
    return;
  }
  const TbsDataSkinButtonControl* record = ButtonRecord();
  if (!FAnimation || FAnimation->Count() != record->FrameCount)
    FAnimation = std::make_unique<TbsFrameAnimation>(this, record->FrameCount, record->AnimateInterval);
  FAnimation->Play(FMouseIn, [this] { update(); });
}

void TbsSkinButton::SkinWillChange() {
  FAnimation.reset();
  TbsSkinCustomControl::SkinWillChange();
}

void TbsSkinButton::DownChanged() {
  if (FDown) {
    FMorphStep = kMorphSteps;
    FMorphTimer->stop();
  } else {
    StartMorph();
  }
}

void TbsSkinButton::StartMorph() {
  if (FDown) return;  // k stays at 1 while the button is down
  LookUpRecord();
  const int target = IsActive() ? kMorphSteps : 0;
  if (!MorphingEnabled()) {
    FMorphTimer->stop();
    FMorphStep = target;
    return;
  }
  if (FMorphStep != target && !FMorphTimer->isActive()) FMorphTimer->start();
}

void TbsSkinButton::MorphTick() {
  const int target = (FDown || IsActive()) ? kMorphSteps : 0;
  if (FMorphStep < target)
    ++FMorphStep;
  else if (FMorphStep > target)
    --FMorphStep;
  if (FMorphStep == target) FMorphTimer->stop();
  update();
}

bool TbsSkinButton::DrawSkin(QImage& image) {
  const TbsDataSkinButtonControl* record = ButtonRecord();
  if (!record || FPicture.isNull() || FResizeMode == TbsResizeMode::rmNone) return false;

  // The state: disabled (when the skin has a disabled image), pressed,
  // active (focused or under the mouse), or normal.
  const bool enabled = isEnabled();
  const bool disabledLook = !enabled && !record->DisabledSkinRect.IsEmpty();
  const bool pressed = !disabledLook && ShowsPressed();
  // With frames the mouse's hot look is the animation's; the focus still
  // shows the active image.
  const bool active = !disabledLook && !pressed && (AnimationEnabled() ? hasFocus() : IsActive());
  TRect rect = FSkinRect;
  TColor color = record->Font.Color;
  if (disabledLook) {
    rect = record->DisabledSkinRect;
  } else if (pressed) {
    rect = OrNormal(record->DownSkinRect, FSkinRect);
    color = record->DownFontColor;
  } else if (active) {
    rect = OrNormal(record->ActiveSkinRect, FSkinRect);
    color = record->ActiveFontColor;
  }
  if (!enabled)
    color = record->DisabledFontColor;
  else if (!UseSkinFontColor)
    color = DefaultFont.Color;

  QImage body;
  const int frame = FAnimation && AnimationEnabled() ? FAnimation->Frame() : 0;
  if (enabled && !pressed && !active && frame > 0) {
    // A frame of the animation between the normal and the active look.
    body = ComposeSkinRect(StripFrame(record->AnimateSkinRect, record->FrameCount, frame), size());
  } else if (enabled && !pressed && FMorphTimer->isActive() && MorphingEnabled()) {
    // Half-way between the normal and the active image.
    const QImage normal = ComposeSkinRect(FSkinRect, size());
    const QImage hot = ComposeSkinRect(OrNormal(record->ActiveSkinRect, FSkinRect), size());
    body = MorphBlend(normal, hot, MorphFactor(), record->MorphKind);
  } else {
    body = ComposeSkinRect(rect, size());
  }
  if (body.isNull()) return false;

  QPainter p(&image);
  PutImage(p, body);

  // Name, height and style from the skin; the character set stays ours.
  const TFont font = record->Font.AppliedTo(DefaultFont, UseSkinFont);
  const QRect client = SkinClientRect().ToQRect();
  DrawGlyphAndText(p, client, font, ToQColor(color), pressed);
  if (record->ShowFocus && hasFocus() && !client.isEmpty()) {
    QPen pen(ToQColor(color));
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(client.adjusted(0, 0, -1, -1));
  }
  return true;
}
