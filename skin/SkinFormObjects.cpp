// The frame's skin objects under the mouse: which one is hot, its hint after
// a pause, the morph between its normal and active looks, the animations of
// the caption and the caption buttons; and the opacity raised after showing.
#include "skin/SkinForm.h"

#include "skin/SkinHint.h"

#include <QCursor>

int TbsSkinForm::ObjectAt(const QPoint& p) const {
  int index = -1;
  if (Skinned()) FrameHitTest(p, Geometry(), FObjects, &index);
  return index;
}

void TbsSkinForm::SetHot(int object, TbsStdCommand plain) {
  if (object == FHotObject && plain == FHotButton) return;
  if (object != FHotObject) {
    HideObjectHint();
    if (!ObjectHint(object).isEmpty()) FHintTimer->start();
  }
  FHotObject = object;
  FHotButton = plain;
  if (object >= 0 || plain != TbsStdCommand::cmDefault)
    FTrackTimer->start();
  else
    FTrackTimer->stop();
  if (EffectsOn())
    for (const TbsFrameObject& o : FObjects)
      if (o.Morphing) FMorphTimer->start();
  PlayAnimations();
  FForm->update();
}

bool TbsSkinForm::EffectsOn() const { return Skinned() && FSkinData->EnableSkinEffects; }

const TbsFrameAnimation* TbsSkinForm::Animation(int object) const {
  return object >= 0 && object < int(FAnimations.size()) ? FAnimations[size_t(object)].get() : nullptr;
}

void TbsSkinForm::PlayAnimations() {
  const bool effects = EffectsOn();
  const bool active = FForm->isActiveWindow();
  for (size_t i = 0; i < FAnimations.size() && i < FObjects.size(); ++i) {
    TbsFrameAnimation* a = FAnimations[i].get();
    if (!a) continue;
    const bool caption = FObjects[i].Kind == TbsFrameObjectKind::Caption;
    // A caption without "inactiveanimation" drops its frames at once when
    // its window goes inactive.
    if (!effects || (caption && !active && !FObjects[i].InActiveAnimation)) {
      a->Stop(0);
      continue;
    }
    a->Play(caption ? active : int(i) == FHotObject, [this] { FForm->update(); });
  }
}

void TbsSkinForm::TrackMouse() {
  const QPoint p = FForm->mapFromGlobal(QCursor::pos());
  TbsStdCommand button = TbsStdCommand::cmDefault;
  int index = -1;
  if (FForm->rect().contains(p)) {
    HitTest(p, &button);
    index = ObjectAt(p);
  }
  if (index != FHotObject || button != FHotButton) SetHot(index, button);
}

void TbsSkinForm::DropObjects() {
  FMorphTimer->stop();
  FTrackTimer->stop();
  HideObjectHint();
  FAnimations.clear();
  FObjects.clear();
  FHotObject = FPressedObject = -1;
}

QString TbsSkinForm::ObjectHint(int object) const {
  if (!ShowObjectHint || object < 0 || object >= int(FObjects.size())) return {};
  const TbsFrameObject& o = FObjects[size_t(object)];
  if (!o.Hint.isEmpty() || !UseDefaultObjectHint) return o.Hint;
  return DefaultCommandHint(o.Command);
}

QString TbsSkinForm::DefaultCommandHint(TbsStdCommand command) const {
  switch (command) {
    case TbsStdCommand::cmClose: return QStringLiteral("Закрыть");
    case TbsStdCommand::cmMaximize:
      return FForm->isMaximized() ? QStringLiteral("Восстановить") : QStringLiteral("Развернуть");
    case TbsStdCommand::cmMinimize: return QStringLiteral("Свернуть");
    case TbsStdCommand::cmRollUp: return QStringLiteral("Свернуть в заголовок");
    case TbsStdCommand::cmSysMenu: return QStringLiteral("Системное меню");
    case TbsStdCommand::cmMinimizeToTray: return QStringLiteral("Свернуть в область уведомлений");
    default: return {};
  }
}

QString TbsSkinForm::CommandHint(TbsStdCommand command) const {
  EnsureLayout();
  for (const TbsFrameObject& o : FObjects)
    if (o.Kind == TbsFrameObjectKind::CaptionButton && o.Command == command && o.Visible && !o.Hint.isEmpty())
      return o.Hint;
  return DefaultCommandHint(command);
}

void TbsSkinForm::ShowObjectHintNow() {
  const QString text = ObjectHint(FHotObject);
  if (!text.isEmpty() && FPressedObject < 0) ShowSkinHint(FForm, QCursor::pos(), text);
}

void TbsSkinForm::HideObjectHint() {
  FHintTimer->stop();
  if (TbsSkinHintWindow* hint = VisibleSkinHint(); hint && hint->Owner() == FForm) HideSkinHint();
}

void TbsSkinForm::MorphStep() {
  constexpr double kStep = 0.25;  // four steps of 25 ms from one look to the other
  bool moving = false;
  for (size_t i = 0; i < FObjects.size(); ++i) {
    TbsFrameObject& o = FObjects[i];
    if (!o.Morphing) continue;
    const double target = int(i) == FHotObject ? 1.0 : 0.0;
    o.MorphK = target > o.MorphK ? std::min(target, o.MorphK + kStep) : std::max(target, o.MorphK - kStep);
    moving = moving || o.MorphK != target;
  }
  if (!moving) FMorphTimer->stop();
  FForm->update();
}

void TbsSkinForm::AlphaStep() {
  const int target = AlphaBlend ? std::clamp(AlphaBlendValue, 0, 255) : 255;
  // The first tick comes 1 ms after showing; without the animation it is the last.
  FAlpha = AlphaBlendAnimation ? std::min(target, FAlpha + 10) : target;
  FForm->setWindowOpacity(FAlpha / 255.0);
  if (FAlpha >= target) {
    FAlphaTimer->stop();
  } else {
    FAlphaTimer->start(5);
  }
}
