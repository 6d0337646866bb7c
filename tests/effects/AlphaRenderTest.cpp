// The shared pixel rule, the band levels and ramps, and the line-call drawing
// of the band effects, checked on small pictures.
#include "effects/AlphaPixels.h"
#include "effects/AlphaRender.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

using namespace alphafx;

namespace {

// A picture whose every pixel differs, so that a misplaced product shows.
struct TPicture {
  int W, H;
  std::vector<std::uint8_t> Bytes;
  TPicture(int w, int h, unsigned seed = 1) : W(w), H(h), Bytes(static_cast<std::size_t>(w) * h * 4) {
    std::mt19937 rng(seed);
    for (auto& b : Bytes) b = static_cast<std::uint8_t>(rng());
  }
  TPixels View() { return {Bytes.data(), W, H, W * 4}; }
  const std::uint8_t* At(int x, int y) const { return &Bytes[(static_cast<std::size_t>(y) * W + x) * 4]; }
};

// The pixel as drawn at `level` from the original pixel.
void ExpectDrawn(const std::uint8_t* got, const std::uint8_t* original, int level, const char* where) {
  SCOPED_TRACE(where);
  EXPECT_EQ(got[0], AlphaMulTable[level][original[0]]);
  EXPECT_EQ(got[1], AlphaMulTable[level][original[1]]);
  EXPECT_EQ(got[2], AlphaMulTable[level][original[2]]);
  EXPECT_EQ(got[3], level);
}

}  // namespace

TEST(AlphaMulTable, HoldsTheProductsDividedBy256) {
  EXPECT_EQ(AlphaMulTable[255][255], 254);
  EXPECT_EQ(AlphaMulTable[0][200], 0);
  EXPECT_EQ(AlphaMulTable[128][255], 127);
  EXPECT_EQ(AlphaMulTable[17][33], (17 * 33) / 256);
  // Full opacity still darkens every non-zero value by one step.
  for (int v = 1; v < 256; ++v) EXPECT_LT(AlphaMulTable[255][v], v) << v;
  for (int a = 0; a < 256; a += 15)
    for (int v = 0; v < 256; v += 7) EXPECT_EQ(AlphaMulTable[a][v], (a * v) >> 8);
}

TEST(ApplyAlpha, ClipsToThePictureAndLeavesTheRestAlone) {
  TPicture pic(7, 5);
  const TPicture original = pic;
  ApplyAlpha(pic.View(), -3, 2, 4, 99, 200);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) {
      if (x <= 4 && y >= 2)
        ExpectDrawn(pic.At(x, y), original.At(x, y), 200, "inside");
      else
        EXPECT_EQ(0, std::memcmp(pic.At(x, y), original.At(x, y), 4)) << x << "," << y;
    }
  // Empty after clipping: nothing at all.
  TPicture untouched = original;
  ApplyAlpha(untouched.View(), 7, 0, 10, 4, 10);
  ApplyAlpha(untouched.View(), 3, 0, 2, 4, 10);
  ApplyAlpha(untouched.View(), 0, -5, 6, -1, 10);
  EXPECT_EQ(untouched.Bytes, original.Bytes);
}

TEST(ApplyAlpha, TwoCallsMultiplyTwiceAndKeepTheLaterAlpha) {
  TPicture pic(3, 1);
  const TPicture original = pic;
  ApplyAlpha(pic.View(), 0, 0, 1, 0, 200);
  ApplyAlpha(pic.View(), 1, 0, 2, 0, 100);
  const std::uint8_t* p = pic.At(1, 0);
  for (int c = 0; c < 3; ++c) EXPECT_EQ(p[c], AlphaMulTable[100][AlphaMulTable[200][original.At(1, 0)[c]]]);
  EXPECT_EQ(p[3], 100);
}

TEST(BandLevels, StepThroughThePasses) {
  // One pass: straight from one end to the other.
  EXPECT_EQ(BandLevels(1, 0, false).New, 255);
  EXPECT_EQ(BandLevels(1, 0, false).Old, 0);
  EXPECT_EQ(BandLevels(1, 0, true).New, 0);
  EXPECT_EQ(BandLevels(1, 0, true).Old, 255);
  // Two passes showing: 0 -> 128, then 127 -> 255; hiding: 255 -> 127, then 128 -> 0.
  EXPECT_EQ(BandLevels(2, 0, false).Old, 0);
  EXPECT_EQ(BandLevels(2, 0, false).New, 128);
  EXPECT_EQ(BandLevels(2, 1, false).Old, 127);
  EXPECT_EQ(BandLevels(2, 1, false).New, 255);
  EXPECT_EQ(BandLevels(2, 0, true).Old, 255);
  EXPECT_EQ(BandLevels(2, 0, true).New, 127);
  EXPECT_EQ(BandLevels(2, 1, true).Old, 128);
  EXPECT_EQ(BandLevels(2, 1, true).New, 0);
  // Three passes: the step 85.33 rounds to 85; the last level is capped.
  EXPECT_EQ(BandLevels(3, 0, false).New, 85);
  EXPECT_EQ(BandLevels(3, 1, false).New, 171);
  EXPECT_EQ(BandLevels(3, 2, false).New, 255);
  EXPECT_EQ(BandLevels(3, 2, false).Old, 170);
}

TEST(BandRamps, ClimbToFullOpacityWithTiesToEven) {
  const int up0[8] = {32, 64, 96, 128, 159, 191, 223, 255};  // 127.5 -> 128, 159.375 -> 159
  for (int i = 0; i < 8; ++i) EXPECT_EQ(RampUp(0, i), up0[i]) << i;
  for (int i = 0; i < 7; ++i) EXPECT_EQ(RampDown(0, i), RampUp(0, 6 - i)) << i;
  EXPECT_EQ(RampDown(0, 7), 0);
  for (int L : {0, 1, 127, 128, 200, 255}) {
    EXPECT_EQ(RampUp(L, 7), 255);
    EXPECT_EQ(RampDown(L, 7), L);
    for (int i = 0; i < 7; ++i) EXPECT_LE(RampUp(L, i), RampUp(L, i + 1));
  }
  EXPECT_EQ(RoundExt(2.5L), 2);
  EXPECT_EQ(RoundExt(3.5L), 4);
  EXPECT_EQ(RoundExt(-2.5L), -2);
}

TEST(BandCalls, LeftRightCoversEveryColumnInOrder) {
  // Band at 10 in a 30-column picture, levels new 255 / old 0.
  const auto calls = BandCalls(0, 10, 30, 4, {255, 0});
  ASSERT_EQ(calls.size(), 18u);
  EXPECT_EQ(calls.front().First, 0);
  EXPECT_EQ(calls.front().Last, 1);
  EXPECT_EQ(calls.front().Alpha, 255);
  EXPECT_EQ(calls[1].First, 2);
  EXPECT_EQ(calls[1].Alpha, RampUp(255, 0));
  EXPECT_EQ(calls[9].First, 10);
  EXPECT_EQ(calls[9].Alpha, RampDown(0, 0));
  EXPECT_EQ(calls.back().First, 18);
  EXPECT_EQ(calls.back().Last, 29);
  EXPECT_EQ(calls.back().Alpha, 0);
}

TEST(BandCalls, MirroredKindsTurnTheBandAround) {
  int pos = 0;
  const auto calls = BandCalls(1, 3, 40, 5, {255, 0}, &pos);
  EXPECT_EQ(pos, 36);  // W - 1 - 3
  // Band(36, Old, New): left of the band still transparent, right of it done.
  EXPECT_EQ(calls.front().Alpha, 0);
  EXPECT_EQ(calls.front().Last, 27);
  EXPECT_EQ(calls.back().First, 44);
  EXPECT_EQ(calls.back().Alpha, 255);
  BandCalls(3, 3, 40, 20, {255, 0}, &pos);
  EXPECT_EQ(pos, 16);  // H - 1 - 3
  BandCalls(4, -7, 40, 20, {255, 0}, &pos);
  EXPECT_EQ(pos, -3);  // halved toward zero
  BandCalls(7, 15, 40, 20, {255, 0}, &pos);
  EXPECT_EQ(pos, 7);
}

TEST(BandCalls, DoubleInwardsDropsOnlyTheGuardedRampRowsNearTheMiddle) {
  // H = 20 (middle row 10), BandPos 16 -> B = 8, levels new 128 / old 0.
  const auto calls = BandCalls(4, 16, 10, 20, {128, 0});
  std::vector<TLineCall> expected = {{0, -1, 128}};
  for (int i = 0; i < 8; ++i) expected.push_back({i, i, RampUp(128, i)});
  expected.push_back({8, 8, RampDown(0, 0)});  // rows 8 and 9 only: B + i < M
  expected.push_back({9, 9, RampDown(0, 1)});
  expected.push_back({16, 9, 0});
  expected.push_back({10, 3, 0});
  expected.push_back({10, 10, RampUp(0, 6)});  // only rows at or past the middle
  expected.push_back({11, 11, RampUp(0, 7)});
  for (int i = 0; i < 8; ++i) expected.push_back({12 + i, 12 + i, RampDown(128, i)});
  expected.push_back({20, 19, 128});
  ASSERT_EQ(calls.size(), expected.size());
  for (std::size_t k = 0; k < calls.size(); ++k) {
    EXPECT_EQ(calls[k].First, expected[k].First) << k;
    EXPECT_EQ(calls[k].Last, expected[k].Last) << k;
    EXPECT_EQ(calls[k].Alpha, expected[k].Alpha) << k;
  }
}

TEST(BandCalls, DoubleOutwardsStartsAtTheMiddle) {
  // Start of a pass: BandPos -8 -> B = -4; H = 21, M = 10.
  TPicture pic(3, 21);
  const TPicture original = pic;
  ApplyLineCalls(pic.View(), BandCalls(5, -8, 3, 21, {255, 0}), false);
  // Far from the middle: still the old level.
  ExpectDrawn(pic.At(1, 0), original.At(1, 0), 0, "top");
  ExpectDrawn(pic.At(1, 20), original.At(1, 20), 0, "bottom");
  // Rows 6..13 are covered by both bands: first the upper band's up(0, i),
  // then the lower band's down(0, i), which leaves its alpha.
  for (int i = 0; i < 8; ++i) {
    const std::uint8_t* p = pic.At(1, 6 + i);
    EXPECT_EQ(p[3], RampDown(0, i)) << i;
    EXPECT_EQ(p[2], AlphaMulTable[RampDown(0, i)][AlphaMulTable[RampUp(0, i)][original.At(1, 6 + i)[2]]]) << i;
  }
  ExpectDrawn(pic.At(2, 5), original.At(2, 5), 0, "above the bands");
  ExpectDrawn(pic.At(2, 14), original.At(2, 14), 0, "below the bands");
}

TEST(ApplyLineCalls, EqualsOneApplyAlphaPerCallInOrder) {
  // The fast drawing must give exactly the pixels of the plain rule, also for
  // overlapping, reversed and out-of-range calls.
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    const int W = 1 + static_cast<int>(rng() % 37);
    const int H = 1 + static_cast<int>(rng() % 23);
    const bool columns = rng() % 2;
    const int extent = columns ? W : H;
    std::vector<TLineCall> calls;
    const int n = static_cast<int>(rng() % 12);
    for (int i = 0; i < n; ++i) {
      const int a = static_cast<int>(rng() % (extent + 20)) - 10;
      const int b = static_cast<int>(rng() % (extent + 20)) - 10;
      calls.push_back({a, b, static_cast<int>(rng() % 256)});
    }
    TPicture fast(W, H, round);
    TPicture plain = fast;
    const TPicture source = fast;
    ApplyLineCalls(fast.View(), calls, columns);
    for (const TLineCall& c : calls) {
      if (columns)
        ApplyAlpha(plain.View(), c.First, 0, c.Last, H - 1, c.Alpha);
      else
        ApplyAlpha(plain.View(), 0, c.First, W - 1, c.Last, c.Alpha);
    }
    ASSERT_EQ(fast.Bytes, plain.Bytes) << "round " << round;
    // Drawn from the source into a picture holding something else: the
    // same pixels, the lines no call covers included; the source untouched.
    TPicture from = source, into(W, H, round + 1000);
    ApplyLineCalls(from.View(), into.View(), calls, columns);
    ASSERT_EQ(into.Bytes, plain.Bytes) << "drawn from the source, round " << round;
    ASSERT_EQ(from.Bytes, source.Bytes) << "round " << round;
  }
}

TEST(ApplyLineCalls, RealBandFramesEqualThePlainRule) {
  // Every band kind at every position of a pass, for both directions.
  const int W = 29, H = 17;
  for (int kind = 0; kind <= 7; ++kind)
    for (bool hiding : {false, true})
      for (int passes : {1, 2}) {
        const int span = BandOnColumns(kind) ? W + 16 : H + 16;
        // As an effect draws its frames: from one source into two pictures
        // in turn, each remembering what its lines hold.
        TPicture source(W, H, 5), turns[2] = {TPicture(W, H, 6), TPicture(W, H, 7)};
        TLineLevels held[2];
        for (int P = 0; P < span * passes; ++P) {
          const auto calls = BandCalls(kind, P % span - 8, W, H, BandLevels(passes, P / span, hiding));
          TPicture fast(W, H, static_cast<unsigned>(P));
          TPicture plain = fast, plainFromSource = source;
          ApplyLineCalls(fast.View(), calls, BandOnColumns(kind));
          for (const TLineCall& c : calls) {
            for (TPicture* pic : {&plain, &plainFromSource}) {
              if (BandOnColumns(kind))
                ApplyAlpha(pic->View(), c.First, 0, c.Last, H - 1, c.Alpha);
              else
                ApplyAlpha(pic->View(), 0, c.First, W - 1, c.Last, c.Alpha);
            }
          }
          ASSERT_EQ(fast.Bytes, plain.Bytes) << "kind " << kind << " P " << P;
          ApplyLineCalls(source.View(), turns[P % 2].View(), calls, BandOnColumns(kind), held[P % 2]);
          ASSERT_EQ(turns[P % 2].Bytes, plainFromSource.Bytes) << "in turn, kind " << kind << " P " << P;
        }
      }
}

TEST(PixelLoops, WideAndNarrowGiveTheSameBytesAsTheTable) {
  // Every run length up to a few wide steps, every kind of tail; each byte
  // checked against the table itself.
  struct TRestore {
    bool Was = VectorPixelsInUse();
    ~TRestore() { UseVectorPixels(Was); }
  } restore;
  std::mt19937 rng(11);
  for (int count = 1; count <= 70; ++count) {
    TPicture original(count, 3, static_cast<unsigned>(count));
    std::vector<std::uint8_t> levels(static_cast<std::size_t>(count));
    for (auto& l : levels) l = static_cast<std::uint8_t>(rng() % 4 == 0 ? rng() : 77);  // runs and changes
    const int level = static_cast<int>(rng() % 256);
    for (bool wide : {false, true}) {
      UseVectorPixels(wide);
      TPicture block = original, perPixel = original;
      BlendBlock(block.View().Row(0), block.View().Stride, 2, count, AlphaMulTable[level].data(),
                 static_cast<std::uint8_t>(level));
      BlendLevels(perPixel.View().Row(1), count, levels.data());
      for (int x = 0; x < count; ++x) {
        ExpectDrawn(block.At(x, 0), original.At(x, 0), level, "block row 0");
        ExpectDrawn(block.At(x, 1), original.At(x, 1), level, "block row 1");
        EXPECT_EQ(0, std::memcmp(block.At(x, 2), original.At(x, 2), 4)) << "row past the block";
        ExpectDrawn(perPixel.At(x, 1), original.At(x, 1), levels[x], "per-pixel levels");
        EXPECT_EQ(0, std::memcmp(perPixel.At(x, 0), original.At(x, 0), 4));
      }
      if (HasFailure()) {
        ADD_FAILURE() << "count " << count << (wide ? " wide" : " narrow");
        return;
      }
    }
  }
}

TEST(PixelLoops, EveryWidthThisProcessorRunsGivesTheNarrowBytes) {
  // Each width against one pixel at a time: blocks through table rows
  // (computed by the vector loops) and through a composed row (looked up),
  // drawn in place and from a source, and per-pixel levels, over lengths
  // that leave every kind of tail.
  struct TRestore {
    bool Was = VectorPixelsInUse();
    ~TRestore() { UseVectorPixels(Was); }
  } restore;
  std::array<std::uint8_t, 256> composed{};
  for (int v = 0; v < 256; ++v) composed[v] = AlphaMulTable[90][AlphaMulTable[200][v]];
  const int W = 45, H = 3;
  std::vector<std::uint16_t> angles(W);
  std::array<std::uint8_t, 360> levelOf{};
  std::mt19937 rng(5);
  for (auto& l : levelOf) l = static_cast<std::uint8_t>(rng() % 3 == 0 ? 255 : rng());
  for (auto& a : angles) a = static_cast<std::uint16_t>(rng() % 360);
  auto draw = [&](int count, int level) {
    TPicture in(W, H, static_cast<unsigned>(count * 7 + level)), out(W, H, 3), perPixel = in, angled = in;
    const std::uint8_t* lut = level < 0 ? composed.data() : AlphaMulTable[level].data();
    const auto alpha = static_cast<std::uint8_t>(level < 0 ? 77 : level);
    auto at = [](TPicture& pic, int x, int y) { return pic.View().Row(y) + 4 * x; };
    BlendBlockFrom(at(in, 1, 0), W * 4, at(out, 1, 0), W * 4, H, count, lut, alpha);
    BlendBlock(at(in, 0, 0), W * 4, 2, count, lut, alpha);
    BlendLevels(at(perPixel, 0, 1), count, levelOf.data() + count);
    BlendAngles(at(angled, 0, 2), count, angles.data(), levelOf.data());
    return std::vector<std::vector<std::uint8_t>>{in.Bytes, out.Bytes, perPixel.Bytes, angled.Bytes};
  };
  int ran = 0;
  for (int width : {4, 8, 16}) {
    if (!UseVectorPixelWidth(width)) continue;
    ++ran;
    for (int count = 1; count <= W - 1; ++count)
      for (int level : {-1, 0, 1, 128, 254, 255, count * 5}) {
        UseVectorPixelWidth(width);
        const auto wide = draw(count, level);
        UseVectorPixelWidth(1);
        ASSERT_EQ(wide, draw(count, level)) << width << " pixels at once, " << count << " pixels, level " << level;
      }
  }
  EXPECT_FALSE(UseVectorPixelWidth(3));
#if defined(__x86_64__)
  EXPECT_GE(ran, 1) << "x86-64 always runs the four-pixel loops";
#endif
}

TEST(PixelLoops, WholeFramesAreTheSameEitherWay) {
  if (!VectorPixelsAvailable()) GTEST_SKIP() << "no wide loops on this processor";
  struct TRestore {
    bool Was = VectorPixelsInUse();
    ~TRestore() { UseVectorPixels(Was); }
  } restore;
  const int W = 53, H = 37;
  const TAngleTable table = BuildAngleTable(W, H);
  const auto map = BuildAngleMap(table, W, H);
  for (int angle : {0, 5, 90, 200, 355, 400}) {
    TRadar radar;
    radar.Passes = 2;
    radar.AngleOffset = static_cast<std::uint16_t>(angle % 4 * 90);
    radar.Clockwise = angle % 2;
    TPicture wide(W, H, static_cast<unsigned>(angle)), narrow = wide;
    UseVectorPixels(true);
    RenderRadar(wide.View(), map, angle, radar);
    UseVectorPixels(false);
    RenderRadar(narrow.View(), map, angle, radar);
    EXPECT_EQ(wide.Bytes, narrow.Bytes) << "radar at " << angle;
    for (bool useWide : {false, true}) {
      UseVectorPixels(useWide);
      TPicture from(W, H, static_cast<unsigned>(angle)), into(W, H, 99);
      RenderRadar(from.View(), into.View(), map, angle, radar);
      EXPECT_EQ(into.Bytes, wide.Bytes) << "radar drawn from the source at " << angle;
    }
  }
  for (int kind = 0; kind <= 7; ++kind) {
    const auto calls = BandCalls(kind, 13, W, H, {200, 30});
    TPicture wide(W, H, static_cast<unsigned>(kind)), narrow = wide;
    UseVectorPixels(true);
    ApplyLineCalls(wide.View(), calls, BandOnColumns(kind));
    UseVectorPixels(false);
    ApplyLineCalls(narrow.View(), calls, BandOnColumns(kind));
    EXPECT_EQ(wide.Bytes, narrow.Bytes) << "kind " << kind;
  }
}
