// The effect engine on a real window, with a fake tick count: frames drawn
// for given elapsed times, the order of OnStart and the first update, the end
// of the effect and the window it leaves behind.
#include "effects/AlphaEffects.h"
#include "platform/Forms.h"
#include "platform/Layered.h"
#include "platform/Platform.h"
#include "tests/common/Compositor.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

constexpr int kW = 40, kH = 30;
const QColor kFace(200, 100, 50);

// A window whose client area is one known colour.
std::unique_ptr<TForm> MakeWindow() {
  auto form = std::make_unique<TForm>();
  form->SetClientSize(kW, kH);
  QPalette pal = form->Client()->palette();
  pal.setColor(QPalette::Window, kFace);
  form->Client()->setPalette(pal);
  form->move(100, 120);
  return form;
}

class AlphaEngine : public ::testing::Test {
protected:
  void SetUp() override {
    Now = 5000;
    platform::SetTickSource([this] { return Now; });
    Window = MakeWindow();
  }
  void TearDown() override {
    Window.reset();
    platform::SetTickSource(nullptr);
    platform::SetCounterSource(nullptr);
  }

  // Alpha and colour of a pixel of the frame the window shows.
  static void ExpectLevel(const QImage& frame, int x, int y, int level) {
    const uchar* p = frame.constScanLine(y) + 4 * x;
    EXPECT_EQ(p[3], level) << "alpha at " << x << "," << y;
    EXPECT_EQ(p[0], AlphaMulTable[level][kFace.blue()]) << "blue at " << x << "," << y;
    EXPECT_EQ(p[1], AlphaMulTable[level][kFace.green()]) << "green at " << x << "," << y;
    EXPECT_EQ(p[2], AlphaMulTable[level][kFace.red()]) << "red at " << x << "," << y;
  }
  QImage Shown() const { return platform::LayeredFrame(Window.get()); }

  // An effect driven by hand: not waiting for its end.
  std::unique_ptr<TAlphaFX> Make(TAlphaFXEffect effect, int passes, int duration, bool hiding,
                                 TAlphaFXCustomEffect list = nullptr, bool restore = false) {
    return std::make_unique<TAlphaFX>(Window.get(), effect, passes, duration, list, restore, hiding, false,
                                      nullptr, [this](TObject*) { ++Finishes; });
  }
  void StepAt(TAlphaFX& fx, std::uint32_t elapsed) {
    Now = fx.StartTick + elapsed;
    fx.Step();
  }

  std::uint32_t Now = 0;
  std::unique_ptr<TForm> Window;
  int Finishes = 0;
};

}  // namespace

TEST_F(AlphaEngine, CapturesTheWholeWindowAndShowsItInItsOwnPlace) {
  // A window with a frame band of its own colour around the client area,
  // and a shape that cuts its top-left corner off.
  const QColor band(20, 90, 160);
  Window->SetNonClientMargins(QMargins(3, 12, 4, 5));
  QPalette pal = Window->palette();
  pal.setColor(QPalette::Window, band);
  Window->setPalette(pal);
  const QSize whole(kW + 7, kH + 17);
  ASSERT_EQ(Window->size(), whole);
  const QRegion shape = QRegion(QRect(QPoint(0, 0), whole)) - QRegion(0, 0, 6, 6);
  Window->setMask(shape);
  const QImage grab = Window->grab().toImage().convertToFormat(QImage::Format_ARGB32);

  // A hiding fade starts fully opaque.
  auto fx = Make(afxFade, 1, 100, true);
  ASSERT_EQ(fx->SourceImage.size(), whole);
  EXPECT_EQ(fx->WindowSize, whole);
  EXPECT_TRUE(platform::IsLayered(Window.get()));
  EXPECT_EQ(platform::LayeredOrigin(Window.get()), Window->geometry().topLeft());
  EXPECT_EQ(platform::LayeredFlags(Window.get()), platform::ULW_ALPHA);
  // First update plus the frame of the first step.
  EXPECT_EQ(platform::LayeredUpdateCount(Window.get()), 2);
  const QImage first = Shown();
  ASSERT_EQ(first.size(), whole);
  for (int y = 0; y < whole.height(); ++y)
    for (int x = 0; x < whole.width(); ++x) {
      const QRgb p = first.pixel(x, y);
      if (!shape.contains(QPoint(x, y))) {
        EXPECT_EQ(p, 0u) << "outside the shape at " << x << "," << y;
      } else {
        const QRgb g = grab.pixel(x, y);
        EXPECT_EQ(fx->SourceImage.pixel(x, y), g) << x << "," << y;
        EXPECT_EQ(p, qRgba(AlphaMulTable[255][qRed(g)], AlphaMulTable[255][qGreen(g)],
                           AlphaMulTable[255][qBlue(g)], 255))
            << x << "," << y;
      }
      if (HasFailure()) return;
    }
  EXPECT_EQ(QColor(fx->SourceImage.pixel(10, 1)), band);  // the frame band
  EXPECT_EQ(QColor(fx->SourceImage.pixel(3 + 5, 12 + 5)), kFace);  // the client area in its place
  EXPECT_EQ(fx->PassWidth, whole.width() + 16);
  EXPECT_EQ(fx->PassHeight, whole.height() + 16);
  EXPECT_EQ(fx->Angle.To, 359);
}

TEST_F(AlphaEngine, LeftRightBandAtTheStartAndTheEndOfItsPass) {
  // Duration = PassWidth, so X equals the elapsed milliseconds.
  auto fx = Make(afxLeftRight, 1, kW + 16, false);
  StepAt(*fx, 0);
  EXPECT_EQ(fx->BandPos, -8);
  for (int x = 0; x < kW; ++x) ExpectLevel(Shown(), x, 7, 0);
  StepAt(*fx, kW + 15);
  EXPECT_EQ(fx->BandPos, kW + 7);
  for (int x = 0; x < kW; ++x) ExpectLevel(Shown(), x, 3, 255);
  // Half way: passed columns opaque, columns ahead transparent, ridge between.
  StepAt(*fx, 28);
  EXPECT_EQ(fx->BandPos, 20);
  ExpectLevel(Shown(), 11, 0, 255);
  ExpectLevel(Shown(), 12, 0, alphafx::RampUp(255, 0));
  ExpectLevel(Shown(), 20, 0, alphafx::RampDown(0, 0));
  ExpectLevel(Shown(), 27, 0, alphafx::RampDown(0, 7));
  ExpectLevel(Shown(), 28, 0, 0);
}

TEST_F(AlphaEngine, TheFrameAtTheVeryEndOfTheDurationShowsTheEndOfTheLastPass) {
  // Elapsed = Duration puts X at PassWidth × Passes, one past the last pass:
  // drawn as the last position of the last pass, not as a new first pass.
  auto fx = Make(afxLeftRight, 1, kW + 16, false);
  StepAt(*fx, kW + 16);
  EXPECT_FALSE(fx->Finished);
  for (int x = 0; x < kW; ++x) ExpectLevel(Shown(), x, 9, 255);
}

TEST_F(AlphaEngine, TwoPassDoubleVerticalGoesToHalfThenFullOpacity) {
  // PassWidth 56 and PassHeight 46 both change pass at half the duration.
  auto fx = Make(afxCustom, 2, 1000, false, DoubleVerticalEffect());
  const int M = kH / 2;
  StepAt(*fx, 0);
  ExpectLevel(Shown(), 10, M, 0);
  // End of pass 0 (Y = 45): from the edges in, everything at 128 but the
  // bright ridge meeting in the middle.
  StepAt(*fx, 489);
  ASSERT_EQ(fx->KindAt(54), afxDoubleInwardsVertical);
  ExpectLevel(Shown(), 3, 0, 128);
  ExpectLevel(Shown(), 3, kH - 1, 128);
  for (int y = 0; y < kH; ++y) EXPECT_GE(Shown().constScanLine(y)[4 * 3 + 3], 128) << y;
  // Pass 1 starts at 127 and brightens from the middle out.
  StepAt(*fx, 500);
  ASSERT_EQ(fx->KindAt(56), afxDoubleOutwardsVertical);
  ExpectLevel(Shown(), 3, 0, 127);
  ExpectLevel(Shown(), 3, kH - 1, 127);
  StepAt(*fx, 600);
  ExpectLevel(Shown(), 3, 0, 127);  // edges still at the old level
  ExpectLevel(Shown(), 3, 6, 127);
  StepAt(*fx, 750);
  ExpectLevel(Shown(), 3, M, 255);  // middle done
  ExpectLevel(Shown(), 3, 8, 255);
  StepAt(*fx, 999);
  for (int y = 0; y < kH; ++y) ExpectLevel(Shown(), 5, y, 255);
}

TEST_F(AlphaEngine, FadeFollowsTheElapsedTimeBothWays) {
  auto show = Make(afxFade, 1, 1000, false);
  StepAt(*show, 500);
  ExpectLevel(Shown(), 0, 0, 128);  // Round(127.5) = 128, ties to even
  StepAt(*show, 250);
  ExpectLevel(Shown(), 0, 0, 64);  // Round(63.75)
  show.reset();
  auto hide = Make(afxFade, 1, 1000, true);
  StepAt(*hide, 250);
  ExpectLevel(Shown(), 7, 7, 255 - 64);
}

TEST_F(AlphaEngine, RadarCaseOfAHidingSweepAtNinetyDegrees) {
  // Duration 359 ms makes Angle equal the elapsed milliseconds.
  auto fx = Make(afxRadarCounterClockwise0, 1, 359, true);
  StepAt(*fx, 90);
  const int CX = kW / 2, CY = kH / 2;
  const QImage frame = Shown();
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const int p = alphafx::PixelAngle(fx->AngleTable, CX, CY, x, y, 0);
      int v;
      if (p >= 4 && p <= 82) v = 0;
      else if (p >= 83 && p <= 89) v = 31 * (p - 82);
      else if (p >= 90 && p <= 355) v = 255;
      else if (p >= 356) v = 255 - 32 * (p - 356);  // 360 stands for 0
      else v = 127 - 32 * p;
      if (p == 360) v = 127;
      ExpectLevel(frame, x, y, v);
      if (HasFailure()) return;
    }
}

TEST_F(AlphaEngine, WithoutACompositorEachFrameShowsAsIfComposedAlone) {
  // Frame after frame the window shows only what changed; what it shows
  // must still be each frame composed on its own, in colours and in shape.
  WithoutCompositor none;
  for (const TAlphaFXEffect kind : {afxDoubleInwardsVertical, afxDoubleOutwardsHorizontal, afxTopBottom}) {
    Window = MakeWindow();
    auto fx = Make(afxCustom, 2, 1000, false, MakeCustomEffect({kind, afxDoubleOutwardsVertical}));
    for (int elapsed = 0; elapsed <= 1000; elapsed += 7) {
      StepAt(*fx, static_cast<std::uint32_t>(elapsed));
      const platform::TOpaqueFrame alone = platform::ComposeOpaque(Shown(), platform::ULW_ALPHA, QImage());
      QWidget* layer = platform::LayerWidget(Window.get());
      ASSERT_NE(layer, nullptr);
      QImage seen(layer->size(), QImage::Format_RGB32);
      layer->render(&seen);
      ASSERT_EQ(seen, alone.Image) << "kind " << int(kind) << " at " << elapsed << " ms";
      ASSERT_EQ(Window->mask(), alone.Shape.isEmpty() ? QRegion(-1, -1, 1, 1) : alone.Shape)
          << "kind " << int(kind) << " at " << elapsed << " ms";
    }
  }
}

TEST_F(AlphaEngine, FinishedOnlyOnceTheElapsedTimeExceedsTheDuration) {
  auto fx = Make(afxFade, 1, 300, false);
  const int updates = platform::LayeredUpdateCount(Window.get());
  StepAt(*fx, 300);
  EXPECT_FALSE(fx->Finished);
  EXPECT_EQ(Finishes, 0);
  EXPECT_EQ(platform::LayeredUpdateCount(Window.get()), updates + 1);
  ExpectLevel(Shown(), 1, 1, 255);
  StepAt(*fx, 301);
  EXPECT_TRUE(fx->Finished);
  EXPECT_EQ(Finishes, 1);  // not waiting: the step itself finishes
  EXPECT_EQ(platform::LayeredUpdateCount(Window.get()), updates + 1);
}

TEST_F(AlphaEngine, ElapsedTimeSurvivesTheTickCountWrapping) {
  Now = 0xFFFFFF00u;
  auto fx = Make(afxFade, 1, 1000, false);
  Now = 0xFFFFFF00u + 500u;  // wraps past zero
  fx->Step();
  EXPECT_FALSE(fx->Finished);
  ExpectLevel(Shown(), 0, 0, 128);
}

TEST_F(AlphaEngine, OnStartSeesTheFirstFrameBeforeTheWindowShowsIt) {
  bool called = false;
  TAlphaFX fx(Window.get(), afxCustom, 2, 1000, DoubleVerticalEffect(), false, false, false,
              [&](TObject* sender) {
                called = true;
                auto* self = qobject_cast<TAlphaFX*>(sender);
                ASSERT_NE(self, nullptr);
                EXPECT_TRUE(platform::IsLayered(Window.get()));
                EXPECT_EQ(platform::LayeredUpdateCount(Window.get()), 0);
                // The first frame (everything 0) is already in WorkImage:
                // a middle row is transparent, not the plain picture.
                EXPECT_EQ(self->WorkImage.constScanLine(kH / 2)[3], 0);
                EXPECT_EQ(self->WorkImage.constScanLine(0)[3], alphafx::RampDown(0, 4));
                Window->show();
              },
              nullptr);
  EXPECT_TRUE(called);
  EXPECT_TRUE(Window->isVisible());
  EXPECT_GE(platform::LayeredUpdateCount(Window.get()), 1);
}

TEST_F(AlphaEngine, RadarRandomBecomesOneDrawnRadarKindPerPass) {
  auto list = MakeCustomEffect({afxRadarRandom, afxFade, afxRadarRandom});
  auto fx = Make(afxCustom, 3, 1000, false, list);
  ASSERT_EQ(list->size(), 3u);  // the caller's list itself is completed
  EXPECT_GE((*list)[0], afxRadarCounterClockwise0);
  EXPECT_LE((*list)[0], afxRadarClockwise270);
  EXPECT_EQ((*list)[1], afxFade);
  EXPECT_GE((*list)[2], afxRadarCounterClockwise0);
  fx.reset();
  auto direct = Make(afxRadarRandom, 2, 1000, true);
  EXPECT_EQ(direct->Effect, afxCustom);
  ASSERT_EQ(direct->CustomEffect->size(), 2u);
  for (auto e : *direct->CustomEffect) {
    EXPECT_GE(e, afxRadarCounterClockwise0);
    EXPECT_LE(e, afxRadarClockwise270);
  }
}

TEST_F(AlphaEngine, AnEmptyListIsReplacedByRandomKinds) {
  auto fx = Make(afxCustom, 4, 1000, false, std::make_shared<std::vector<TAlphaFXEffect>>());
  ASSERT_EQ(fx->CustomEffect->size(), 4u);
  for (auto e : *fx->CustomEffect) {
    EXPECT_NE(e, afxRadarRandom);
    EXPECT_NE(e, afxCustom);
  }
  EXPECT_TRUE(RandomCustomEffect(0)->empty());
}

TEST_F(AlphaEngine, RandomDrawsReseedFromTheCounterEachTime) {
  // A frozen counter gives the same seed before every draw, hence the same kind.
  platform::SetCounterSource([] { return std::int64_t{123456789}; });
  const TAlphaFXEffect first = RandomRadarEffect();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(RandomRadarEffect(), first);
  const auto list = RandomCustomEffect(6);
  for (auto e : *list) EXPECT_EQ(e, (*list)[0]);
  // Different counter values reach different kinds.
  std::set<int> seen;
  for (std::int64_t c = 1; c < 400; c += 7) {
    platform::SetCounterSource([c] { return c * 1000003; });
    seen.insert(RandomRadarEffect());
  }
  EXPECT_GT(seen.size(), 4u);
  for (int k : seen) {
    EXPECT_GE(k, afxRadarCounterClockwise0);
    EXPECT_LE(k, afxRadarClockwise270);
  }
}

TEST_F(AlphaEngine, PlayWithRestoreEndsOpaqueAndNotLayered) {
  // Each look at the clock moves it on by 90 ms.
  platform::SetTickSource([this] { return Now += 90; });
  Window->show();
  bool timerRan = false;
  QTimer::singleShot(0, [&] { timerRan = true; });
  int starts = 0;
  PlayAlphaEffect(Window.get(), DoubleVerticalEffect(), 2, 1000, true, false,
                  [&](TObject*) { ++starts; }, nullptr);
  EXPECT_EQ(starts, 1);
  EXPECT_TRUE(timerRan) << "messages are dispatched while the effect plays";
  EXPECT_FALSE(platform::IsLayered(Window.get()));
  EXPECT_EQ(platform::LayeredFlags(Window.get()), platform::ULW_OPAQUE);
  const QImage last = Shown();
  ASSERT_EQ(last.size(), QSize(kW, kH));
  EXPECT_EQ(last.pixel(kW / 2, kH / 2), kFace.rgb());
  EXPECT_EQ(Window->windowOpacity(), 1.0);
  EXPECT_EQ(platform::LayerWidget(Window.get()), nullptr);
  EXPECT_TRUE(Window->isVisible());
}

TEST_F(AlphaEngine, PlayHidingWithoutRestoreStaysLayeredAndAlmostTransparent) {
  platform::SetTickSource([this] { return Now += 45; });
  Window->show();
  PlayAlphaEffect(Window.get(), MakeCustomEffect({afxRadarRandom}), 1, 500, false, true, nullptr,
                  [this](TObject*) { Window->hide(); });
  EXPECT_FALSE(Window->isVisible());
  EXPECT_TRUE(platform::IsLayered(Window.get()));
  const QImage last = Shown();
  ASSERT_FALSE(last.isNull());
  long opaque = 0, total = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x, ++total) opaque += last.constScanLine(y)[4 * x + 3] > 64;
  EXPECT_LT(opaque * 10, total) << "the last frame should be nearly transparent";
  QWidget* layer = platform::LayerWidget(Window.get());
  ASSERT_NE(layer, nullptr);
  EXPECT_FALSE(layer->isVisible()) << "the layer hides with its window";
}

TEST_F(AlphaEngine, AWindowDestroyedWhilePlayingEndsTheEffect) {
  platform::SetTickSource([this] { return Now; });  // time stands still
  Window->show();
  TForm* raw = Window.get();
  QTimer::singleShot(30, [&] { Window.reset(); });
  bool finishCalled = false;
  PlayAlphaEffect(raw, MakeCustomEffect({afxFade}), 1, 1000, true, false, nullptr,
                  [&](TObject*) { finishCalled = true; });
  EXPECT_EQ(Window, nullptr);
  EXPECT_FALSE(finishCalled) << "no finishing touches on a window that is gone";
}

TEST_F(AlphaEngine, FramesArePacedToTheScreenRefresh) {
  // Real time: a 300 ms effect asks for a frame every millisecond but gets
  // at most one per refresh period.
  platform::SetTickSource(nullptr);
  platform::ResetFramePacing();
  Window->show();
  platform::TFrameTimer probe(nullptr, Window.get());
  const double period = probe.FramePeriodMs();
  PlayAlphaEffect(Window.get(), MakeCustomEffect({afxFade}), 1, 300, false, false, nullptr, nullptr);
  const int frames = platform::LayeredUpdateCount(Window.get());
  EXPECT_LE(frames, static_cast<int>(300 / period) + 4);
  EXPECT_GE(frames, 3);
  EXPECT_GE(probe.DelayFor(1), static_cast<int>(period) - 3);
}
