#pragma once
// Window transition effects: a window is captured, made layered and repainted
// frame by frame with an opacity pattern that moves across it (bands, a
// uniform fade or a radar sweep) until the effect's duration has passed.
#include "effects/AlphaRender.h"
#include "platform/FrameTimer.h"
#include "platform/Forms.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

enum TAlphaFXEffect : std::uint8_t {
  // One band crossing the window from one edge to the opposite one.
  afxLeftRight = 0, afxRightLeft = 1, afxTopBottom = 2, afxBottomTop = 3,
  // Two bands, from two opposite edges to the middle or from the middle out.
  afxDoubleInwardsVertical = 4, afxDoubleOutwardsVertical = 5,
  afxDoubleInwardsHorizontal = 6, afxDoubleOutwardsHorizontal = 7,
  afxFade = 8,
  afxRadarRandom = 9,   // one of the radar kinds, drawn when the effect is prepared
  afxCustom = 10,       // play the list CustomEffect, one entry per pass
  // A ray turning around the centre, starting at the angle named.
  afxRadarCounterClockwise0 = 11, afxRadarCounterClockwise90 = 12,
  afxRadarCounterClockwise180 = 13, afxRadarCounterClockwise270 = 14,
  afxRadarClockwise0 = 15, afxRadarClockwise90 = 16, afxRadarClockwise180 = 17, afxRadarClockwise270 = 18,
};

// A list of effect kinds, shared by reference: whoever holds it sees the
// radar kinds the effect draws for its afxRadarRandom entries.
using TAlphaFXCustomEffect = std::shared_ptr<std::vector<TAlphaFXEffect>>;

// How a layered update blends: source over, per-pixel alpha, constant 255.
struct TBlendFunction {
  std::uint8_t BlendOp = 0;        // AC_SRC_OVER
  std::uint8_t BlendFlags = 0;
  std::uint8_t SourceConstantAlpha = 255;
  std::uint8_t AlphaFormat = 1;    // AC_SRC_ALPHA
};

struct TAlphaFXRange {
  std::int32_t From = 0;
  std::int32_t To = 0;
};

// The engine: timing, frames and layered updates. A subclass prepares the
// ranges and draws each frame.
//
// The animated window is the effect's owner in spirit, but the effect is not
// its child object: it is held by its caller (on the stack in
// PlayAlphaEffect) and only watches the window, so that a window destroyed
// while its effect plays ends the effect instead of freeing it mid-frame.
class TAlphaFXBase : public QObject {
  Q_OBJECT
public:
  ~TAlphaFXBase() override;

  std::int32_t Duration;  // ms
  QPointer<TForm> Window;
  bool WaitForEnd;
  bool Finished = false;
  bool RestoreAtEnd;
  QImage SourceImage;  // the whole window when the effect started (Format_ARGB32)
  TNotifyEvent OnStart;
  TNotifyEvent OnFinish;
  TBlendFunction Blend;
  QPoint SourceOrigin{0, 0};
  QPoint WindowOrigin;
  QSize WindowSize;
  platform::TFrameTimer* FrameTimer = nullptr;
  std::uint32_t StartTick = 0;
  bool Hiding;
  TAlphaFXRange X, Y, Angle, Alpha;
  QImage WorkImage;  // the frame being drawn, premultiplied
  // The picture the next frame is drawn into while the window still shows
  // the last one: pushing a frame swaps the two, so none is copied.
  QImage NextImage;
  // What the lines of each picture hold of a band frame drawn from
  // SourceImage (lines that come out the same are not drawn again).
  alphafx::TLineLevels WorkLines, NextLines;

  virtual void Prepare() = 0;
  // Makes WorkImage the frame, drawn from SourceImage (WorkImage holds an
  // older frame until then).
  virtual void RenderFrame(std::int32_t X, std::int32_t Y, std::int32_t Angle, std::int32_t Alpha) = 0;
  virtual void Finish();

  // One frame for the time elapsed now; schedules the next one.
  void Step();
  void TimerTick();
  // WorkImage := SourceImage.
  void RestoreImage();
  // The frame's X, Y, Angle and Alpha after `elapsed` ms.
  static std::int32_t Interpolate(const TAlphaFXRange& range, std::int64_t elapsed, std::int32_t duration);

  // WorkImage as a pixel view for the renderers.
  alphafx::TPixels WorkPixels();
  // SourceImage as a view the renderers only read (empty when it is not
  // the size of WorkImage).
  alphafx::TPixels SourcePixels() const;

protected:
  TAlphaFXBase(TForm* owner, std::int32_t duration, bool restoreAtEnd, bool hiding, bool waitForEnd,
               TNotifyEvent onStart, TNotifyEvent onFinish);
  // The rest of construction: capture, first frame, OnStart, first update,
  // and with WaitForEnd the whole run. Called by the most derived
  // constructor, once the object is complete (Prepare and RenderFrame are
  // virtual).
  void Start();

private:
  void UpdateWindow(int flags);
  std::vector<QRect> FOutside;  // the parts of the window outside its shape
};

class TAlphaFX : public TAlphaFXBase {
  Q_OBJECT
public:
  TAlphaFX(TForm* owner, TAlphaFXEffect effect, std::int32_t passes, std::int32_t duration,
           TAlphaFXCustomEffect customEffect, bool restoreAtEnd, bool hiding, bool waitForEnd,
           TNotifyEvent onStart, TNotifyEvent onFinish);

  std::int32_t BandPos = 0;
  std::int32_t PassWidth = 0;
  std::int32_t PassHeight = 0;
  TAlphaFXEffect Effect;
  std::int32_t Passes;
  TAlphaFXCustomEffect CustomEffect;
  alphafx::TAngleTable AngleTable;
  std::uint16_t AngleOffset = 0;
  bool Clockwise = false;

  void Prepare() override;
  void RenderFrame(std::int32_t X, std::int32_t Y, std::int32_t Angle, std::int32_t Alpha) override;
  void ApplyAlpha(std::int32_t Left, std::int32_t Top, std::int32_t Right, std::int32_t Bottom, int Alpha);
  void RenderRadar(std::int32_t Angle);

  // The kind that draws the frame at progress X (afxCustom resolved).
  TAlphaFXEffect KindAt(std::int32_t X) const;

private:
  bool UsesRadar() const;
  std::vector<std::uint16_t> FAngleMap;  // PixelAngle of every pixel, offset 0
};

// Plays `customEffect` on `window` (Passes passes over Duration ms) and
// returns when it has ended; messages keep being dispatched meanwhile.
void PlayAlphaEffect(TForm* window, TAlphaFXCustomEffect customEffect, std::int32_t passes,
                     std::int32_t duration, bool restoreAtEnd, bool hiding, TNotifyEvent onStart,
                     TNotifyEvent onFinish);
TAlphaFXCustomEffect MakeCustomEffect(std::initializer_list<TAlphaFXEffect> effects);
TAlphaFXCustomEffect DoubleVerticalEffect();
// N kinds drawn uniformly from afxLeftRight .. afxRadarRandom.
TAlphaFXCustomEffect RandomCustomEffect(int count);
// One of the eight radar kinds.
TAlphaFXEffect RandomRadarEffect();
