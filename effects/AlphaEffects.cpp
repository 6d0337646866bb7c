#include "effects/AlphaEffects.h"

#include "platform/Layered.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <utility>

// --- TAlphaFXBase ------------------------------------------------------------------

TAlphaFXBase::TAlphaFXBase(TForm* owner, std::int32_t duration, bool restoreAtEnd, bool hiding,
                           bool waitForEnd, TNotifyEvent onStart, TNotifyEvent onFinish)
    : Duration(std::max(1, duration)),  // the frames divide by it
      Window(owner),
      WaitForEnd(waitForEnd),
      RestoreAtEnd(restoreAtEnd),
      OnStart(std::move(onStart)),
      OnFinish(std::move(onFinish)),
      Hiding(hiding) {}

TAlphaFXBase::~TAlphaFXBase() {
  if (FrameTimer) FrameTimer->Stop();
}

void TAlphaFXBase::Start() {
  Finished = false;
  if (!Window) {
    Finished = true;
    return;
  }
  // Without a compositor a frame is shown opaque over a copy of what is
  // behind the window, which can only be taken before the window is shown.
  // On a window already on screen the effect could not be shown as it is:
  // it ends at once (a hiding window goes, a showing one stays as it is).
  if (!platform::CanShowLayeredAlpha(Window)) {
    FireEvent(OnStart, this);
    Finished = true;
    if (Window) Finish();
    return;
  }
  // The whole window: its skinned frame as well as its client area.
  const QSize size = Window->size();
  // Both start as nothing but zeros, which is what a band frame's line at
  // level 0 holds: those lines of the first frames are not written at all
  // (the first frame of a fade-in is nearly all of them).
  WorkImage = platform::NewClearPicture(size.width(), size.height(), QImage::Format_ARGB32);
  NextImage = platform::NewClearPicture(size.width(), size.height(), QImage::Format_ARGB32);
  WorkLines.HoldNothing(WorkImage.height());
  NextLines.HoldNothing(NextImage.height());
  platform::SetLayered(Window, true);

  // The window as it looks now, in its own shape: what lies outside its mask
  // stays transparent. Its pixels are either opaque or wholly transparent,
  // the same in the premultiplied and the plain format, so the picture is
  // drawn premultiplied and its bytes are then read as plain ones.
  WindowSize = size;
  FOutside.clear();
  SourceImage = platform::NewPicture(size.width(), size.height(), QImage::Format_ARGB32_Premultiplied);
  if (!size.isEmpty()) {
    SourceImage.fill(Qt::transparent);
    Window->render(&SourceImage);
    if (!Window->mask().isEmpty())
      for (const QRect& r : QRegion(QRect(QPoint(0, 0), size)) - Window->mask()) FOutside.push_back(r);
  }
  SourceImage.reinterpretAsFormat(QImage::Format_ARGB32);
  // Where the window itself lies on the screen.
  WindowOrigin = Window->geometry().topLeft();
  SourceOrigin = QPoint(0, 0);
  X = Y = Angle = TAlphaFXRange{};

  Prepare();
  FireEvent(OnStart, this);
  StartTick = platform::TickCount();
  UpdateWindow(platform::ULW_ALPHA);
  Step();
  if (!WaitForEnd) return;
  while (!Finished) {
    if (!Window) {
      Finished = true;
      break;
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  // A window destroyed meanwhile has nothing left to finish (and its
  // callbacks would reach for it).
  if (Window) Finish();
}

void TAlphaFXBase::RestoreImage() {
  WorkLines.Forget();
  if (SourceImage.isNull()) return;
  // One block copy; both images have the same size and row length.
  std::memcpy(WorkImage.bits(), SourceImage.constBits(), static_cast<std::size_t>(SourceImage.sizeInBytes()));
}

alphafx::TPixels TAlphaFXBase::WorkPixels() {
  alphafx::TPixels p;
  if (WorkImage.isNull()) return p;
  p.Bits = WorkImage.bits();
  p.Width = WorkImage.width();
  p.Height = WorkImage.height();
  p.Stride = static_cast<int>(WorkImage.bytesPerLine());
  return p;
}

alphafx::TPixels TAlphaFXBase::SourcePixels() const {
  alphafx::TPixels p;
  if (SourceImage.isNull() || SourceImage.size() != WorkImage.size()) return p;
  // Only read: the renderers draw from it into the work picture.
  p.Bits = const_cast<std::uint8_t*>(SourceImage.constBits());
  p.Width = SourceImage.width();
  p.Height = SourceImage.height();
  p.Stride = static_cast<int>(SourceImage.bytesPerLine());
  return p;
}

std::int32_t TAlphaFXBase::Interpolate(const TAlphaFXRange& r, std::int64_t elapsed, std::int32_t duration) {
  const long double f = static_cast<long double>(elapsed) / duration;
  if (r.To > r.From) return alphafx::RoundExt(f * (r.To - r.From) + r.From);
  return alphafx::RoundExt(r.From - f * (r.From - r.To));
}

void TAlphaFXBase::Step() {
  if (!Window) {
    Finished = true;
    return;
  }
  // The tick count wraps at 2^32; the difference is still the elapsed time.
  const std::int64_t elapsed = static_cast<std::uint32_t>(platform::TickCount() - StartTick);
  Finished = elapsed > Duration;
  if (Finished) {
    if (!WaitForEnd) Finish();
    return;
  }
  RenderFrame(Interpolate(X, elapsed, Duration), Interpolate(Y, elapsed, Duration),
              Interpolate(Angle, elapsed, Duration), Interpolate(Alpha, elapsed, Duration));
  UpdateWindow(platform::ULW_ALPHA);
  if (!FrameTimer) FrameTimer = new platform::TFrameTimer(this, Window);
  FrameTimer->Start(1, [this] { TimerTick(); });
}

void TAlphaFXBase::TimerTick() {
  // The next frame's timer is armed anew by Step.
  if (FrameTimer) FrameTimer->Stop();
  Step();
}

void TAlphaFXBase::Finish() {
  FireEvent(OnFinish, this);
  if (RestoreAtEnd && Window) {
    RestoreImage();
    UpdateWindow(platform::ULW_OPAQUE);
    if (platform::IsLayered(Window)) platform::SetLayered(Window, false);
  }
}

void TAlphaFXBase::UpdateWindow(int flags) {
  if (!Window) return;
  // The pattern gives every pixel its opacity; outside the window's shape
  // nothing is seen at any of them.
  if ((flags & platform::ULW_ALPHA) && !FOutside.empty()) WorkLines.Forget();
  if (flags & platform::ULW_ALPHA)
    for (const QRect& r : FOutside)
      for (int y = r.top(); y <= r.bottom(); ++y)
        std::memset(WorkImage.scanLine(y) + 4 * r.left(), 0, static_cast<std::size_t>(r.width()) * 4);
  // Rows drawn at the levels of the frame shown now are the same in both:
  // the window is told where the new frame may differ.
  const std::vector<std::int16_t>& now = WorkLines.Levels;
  const std::vector<std::int16_t>& shown = NextLines.Levels;
  if ((flags & platform::ULW_ALPHA) && !now.empty() && now.size() == shown.size() && !WorkLines.Columns &&
      !NextLines.Columns) {
    auto same = [&](int y) { return now[y] == shown[y] && now[y] != alphafx::kLineUnknown; };
    const int rows = int(now.size());
    QRegion differs;
    for (int y = 0; y < rows;) {
      if (same(y)) {
        ++y;
        continue;
      }
      int end = y + 1;
      while (end < rows && !same(end)) ++end;
      differs += QRect(0, y, WorkImage.width(), end - y);
      y = end;
    }
    platform::UpdateLayeredWindow(Window, WindowOrigin, WorkImage, flags, differs);
  } else {
    platform::UpdateLayeredWindow(Window, WindowOrigin, WorkImage, flags);
  }
  // The window keeps the frame just pushed; the next one is drawn into the
  // other picture.
  if (NextImage.size() == WorkImage.size()) {
    std::swap(WorkImage, NextImage);
    std::swap(WorkLines, NextLines);
  }
}

// --- TAlphaFX ------------------------------------------------------------------------

TAlphaFX::TAlphaFX(TForm* owner, TAlphaFXEffect effect, std::int32_t passes, std::int32_t duration,
                   TAlphaFXCustomEffect customEffect, bool restoreAtEnd, bool hiding, bool waitForEnd,
                   TNotifyEvent onStart, TNotifyEvent onFinish)
    : TAlphaFXBase(owner, duration, restoreAtEnd, hiding, waitForEnd, std::move(onStart), std::move(onFinish)),
      Effect(effect),
      Passes(std::max(1, passes)) {  // every pass divides the range
  if (Effect == afxCustom) {
    if (customEffect && !customEffect->empty())
      CustomEffect = std::move(customEffect);
    else
      CustomEffect = RandomCustomEffect(Passes);
  }
  Start();
}

bool TAlphaFX::UsesRadar() const {
  auto radar = [](TAlphaFXEffect e) { return e >= afxRadarCounterClockwise0 && e <= afxRadarClockwise270; };
  if (Effect == afxCustom && CustomEffect) return std::any_of(CustomEffect->begin(), CustomEffect->end(), radar);
  return radar(Effect);
}

void TAlphaFX::Prepare() {
  const int W = WorkImage.width();
  const int H = WorkImage.height();
  if (Effect == afxRadarRandom) {
    CustomEffect = std::make_shared<std::vector<TAlphaFXEffect>>();
    for (int i = 0; i < Passes; ++i) CustomEffect->push_back(RandomRadarEffect());
    Effect = afxCustom;
  }
  if (Effect == afxCustom && CustomEffect && !CustomEffect->empty())
    for (TAlphaFXEffect& e : *CustomEffect)
      if (e == afxRadarRandom) e = RandomRadarEffect();
  // Every pixel's angle, once for the whole effect; the frames only look it up.
  // Only the radar sweeps need angles.
  if (UsesRadar()) {
    AngleTable = alphafx::BuildAngleTable(W, H);
    FAngleMap = alphafx::BuildAngleMap(AngleTable, W, H);
  }
  PassWidth = W + 16;
  PassHeight = H + 16;
  AngleOffset = 0;
  X = {0, PassWidth * Passes};
  Y = {0, PassHeight * Passes};
  Angle = {0, 360 * Passes - 1};
  Alpha = {0, 255};
  RenderFrame(0, 0, 0, 0);
}

TAlphaFXEffect TAlphaFX::KindAt(std::int32_t x) const {
  if (Effect != afxCustom) return Effect;
  if (!CustomEffect || CustomEffect->empty()) return afxCustom;
  // The frame at the very end of the duration belongs to the last pass, not
  // to the first position of a pass after it.
  x = std::clamp(x, 0, std::max(0, PassWidth * Passes - 1));
  const auto n = static_cast<std::int32_t>(CustomEffect->size());
  return (*CustomEffect)[static_cast<std::size_t>((x / PassWidth) % n)];
}

void TAlphaFX::ApplyAlpha(std::int32_t Left, std::int32_t Top, std::int32_t Right, std::int32_t Bottom, int Alpha) {
  WorkLines.Forget();
  alphafx::ApplyAlpha(WorkPixels(), Left, Top, Right, Bottom, Alpha);
}

void TAlphaFX::RenderRadar(std::int32_t angle) {
  alphafx::TRadar radar;
  radar.Passes = Passes;
  radar.Hiding = Hiding;
  radar.AngleOffset = AngleOffset;
  radar.Clockwise = Clockwise;
  const int W = WorkImage.width(), H = WorkImage.height();
  if (FAngleMap.size() != static_cast<std::size_t>(W) * H) {
    if (AngleTable.N < std::max((W + 2) / 2, (H + 2) / 2)) AngleTable = alphafx::BuildAngleTable(W, H);
    FAngleMap = alphafx::BuildAngleMap(AngleTable, W, H);
  }
  const alphafx::TPixels work = WorkPixels();
  const alphafx::TPixels source = SourcePixels();
  if (source.Bits) {
    WorkLines.Forget();
    alphafx::RenderRadar(source, work, FAngleMap, angle, radar);
    return;
  }
  RestoreImage();
  alphafx::RenderRadar(work, FAngleMap, angle, radar);
}

void TAlphaFX::RenderFrame(std::int32_t x, std::int32_t y, std::int32_t angle, std::int32_t alpha) {
  const TAlphaFXEffect kind = KindAt(x);
  const int W = WorkImage.width();
  const int H = WorkImage.height();
  if (kind >= afxRadarCounterClockwise0 && kind <= afxRadarClockwise270) {
    static constexpr std::uint16_t kOffsets[4] = {0, 90, 180, 270};
    AngleOffset = kOffsets[(kind - afxRadarCounterClockwise0) % 4];
    Clockwise = kind >= afxRadarClockwise0;
    RenderRadar(angle);
    return;
  }
  if (kind == afxFade) {
    RestoreImage();
    ApplyAlpha(0, 0, W - 1, H - 1, Hiding ? 255 - alpha : alpha);
    return;
  }
  if (kind > afxDoubleOutwardsHorizontal) {  // not a kind that draws (a list holding afxCustom)
    RestoreImage();
    return;
  }
  const bool columns = alphafx::BandOnColumns(kind);
  const std::int32_t span = columns ? PassWidth : PassHeight;
  // As in KindAt: the end of the duration is the end of the last pass.
  const std::int32_t progress = std::clamp(columns ? x : y, 0, std::max(0, span * Passes - 1));
  BandPos = progress % span - 8;
  const int pass = progress / span;
  const auto calls =
      alphafx::BandCalls(kind, BandPos, W, H, alphafx::BandLevels(Passes, pass, Hiding), &BandPos);
  const alphafx::TPixels work = WorkPixels();
  const alphafx::TPixels source = SourcePixels();
  if (source.Bits) {
    alphafx::ApplyLineCalls(source, work, calls, columns, WorkLines);
    return;
  }
  RestoreImage();
  alphafx::ApplyLineCalls(work, calls, columns);
}

// --- Procedures --------------------------------------------------------------------------

void PlayAlphaEffect(TForm* window, TAlphaFXCustomEffect customEffect, std::int32_t passes,
                     std::int32_t duration, bool restoreAtEnd, bool hiding, TNotifyEvent onStart,
                     TNotifyEvent onFinish) {
  if (!window) return;
  TAlphaFXCustomEffect list = std::move(customEffect);  // held for the whole call
  TAlphaFX effect(window, afxCustom, passes, duration, list, restoreAtEnd, hiding, true,
                  std::move(onStart), std::move(onFinish));
}

TAlphaFXCustomEffect MakeCustomEffect(std::initializer_list<TAlphaFXEffect> effects) {
  return std::make_shared<std::vector<TAlphaFXEffect>>(effects);
}

TAlphaFXCustomEffect DoubleVerticalEffect() {
  return MakeCustomEffect({afxDoubleInwardsVertical, afxDoubleOutwardsVertical});
}

TAlphaFXCustomEffect RandomCustomEffect(int count) {
  auto list = std::make_shared<std::vector<TAlphaFXEffect>>();
  for (int i = 0; i < count; ++i) {
    platform::Randomize();
    list->push_back(static_cast<TAlphaFXEffect>(platform::Random(afxRadarRandom + 1)));
  }
  return list;
}

TAlphaFXEffect RandomRadarEffect() {
  platform::Randomize();
  return static_cast<TAlphaFXEffect>(afxRadarCounterClockwise0 + platform::Random(8));
}
