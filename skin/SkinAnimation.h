#pragma once
// Frame animations of skin objects: a strip of equal pictures side by side
// in a skin picture, played one frame per interval towards its last frame
// (while the object is active: under the mouse, or its window active) or
// back to its first.
#include "skin/SkinIni.h"  // TRect

#include <QPointer>
#include <QTimer>
#include <functional>

// Frame `number` (1 .. count) of a strip of `count` equal frames side by
// side in `strip`; an empty rectangle when there is no such frame.
TRect StripFrame(const TRect& strip, int count, int number);

// Where an object's animation stands: frame 0 is the object's own look,
// frames 1 .. Count() the pictures of its strip. Its timer exists only
// while it plays: made as a child of the owner when it starts, freed when
// it arrives, when it is stopped, and with the owner or the animation.
class TbsFrameAnimation {
public:
  TbsFrameAnimation(QObject* owner, int count, int interval) : FOwner(owner), FCount(count), FInterval(interval) {}
  ~TbsFrameAnimation() { Stop(FFrame); }
  TbsFrameAnimation(const TbsFrameAnimation&) = delete;
  TbsFrameAnimation& operator=(const TbsFrameAnimation&) = delete;

  int Count() const { return FCount; }
  int Frame() const { return FFrame; }
  // The timer while the animation plays, else null.
  QTimer* Timer() const { return FTimer; }

  // Plays forward to the last frame or back to the first, one frame per
  // interval; `changed` runs after every frame. Nothing plays when the
  // animation is there already.
  void Play(bool forward, std::function<void()> changed);
  // Ends a run at once, at `frame`.
  void Stop(int frame = 0);

private:
  void Step();

  QObject* FOwner;
  int FCount, FInterval;
  int FFrame = 0, FTarget = 0;
  QPointer<QTimer> FTimer;
  std::function<void()> FChanged;
};
