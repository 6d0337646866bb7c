#include "skin/SkinAnimation.h"

#include <algorithm>

TRect StripFrame(const TRect& strip, int count, int number) {
  if (count <= 0 || number < 1 || number > count) return {};
  const int w = strip.Width() / count;
  if (w <= 0 || strip.Height() <= 0) return {};
  const int left = strip.Left + (number - 1) * w;
  return {left, strip.Top, left + w, strip.Bottom};
}

void TbsFrameAnimation::Play(bool forward, std::function<void()> changed) {
  FTarget = forward ? FCount : 0;
  FChanged = std::move(changed);
  if (FFrame == FTarget) {
    Stop(FFrame);
    return;
  }
  if (FTimer) return;  // already on its way; it turns round by itself
  FTimer = new QTimer(FOwner);
  FTimer->setInterval(std::max(1, FInterval));
  QObject::connect(FTimer, &QTimer::timeout, FOwner, [this] { Step(); });
  FTimer->start();
}

void TbsFrameAnimation::Stop(int frame) {
  FFrame = std::clamp(frame, 0, FCount);
  FTarget = FFrame;
  if (!FTimer) return;
  // It may be the timer whose tick is running now.
  FTimer->stop();
  FTimer->deleteLater();
  FTimer = nullptr;
}

void TbsFrameAnimation::Step() {
  FFrame += FTarget > FFrame ? 1 : FTarget < FFrame ? -1 : 0;
  if (FFrame == FTarget) Stop(FFrame);
  if (FChanged) FChanged();
}
