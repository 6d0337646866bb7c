// The radar sweep: angle table, pixel angles, the level rule with its soft
// seam, and the clockwise kinds as mirror images.
#include "effects/AlphaRender.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

using namespace alphafx;

namespace {
struct TFlat {
  int W, H;
  std::vector<std::uint8_t> Bytes;
  TFlat(int w, int h) : W(w), H(h), Bytes(static_cast<std::size_t>(w) * h * 4) {
    for (std::size_t i = 0; i < Bytes.size(); ++i) Bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  }
  TPixels View() { return {Bytes.data(), W, H, W * 4}; }
  int AlphaAt(int x, int y) const { return Bytes[(static_cast<std::size_t>(y) * W + x) * 4 + 3]; }
};
}  // namespace

TEST(AngleTable, IsLargeEnoughAndHoldsRoundedDegrees) {
  const TAngleTable t = BuildAngleTable(21, 9);
  EXPECT_EQ(t.N, 11);  // (21 + 2) div 2 beats (9 + 2) div 2
  EXPECT_EQ(BuildAngleTable(4, 30).N, 16);
  for (int k = 0; k < t.N; ++k) {
    EXPECT_EQ(t.At(0, k), 0);
    EXPECT_EQ(t.At(k, 0), 0);
  }
  EXPECT_EQ(t.At(1, 1), 45);
  EXPECT_EQ(t.At(10, 1), 6);   // 5.71 degrees
  EXPECT_EQ(t.At(1, 10), 84);  // 84.29 degrees
  EXPECT_EQ(t.At(2, 1), 27);   // 26.57 degrees
}

TEST(AngleTable, EveryCellOfAScreenSizedTableIsTheRoundedArctangent) {
  constexpr long double kPi = 3.141592653589793238462643383279502884L;
  const TAngleTable big = BuildAngleTable(1600, 1200);
  for (int i = 1; i < big.N; ++i)
    for (int j = 1; j < big.N; ++j) {
      const long double degrees = std::atan(static_cast<long double>(j) / i) / (2 * kPi) * 360;
      ASSERT_EQ(big.At(i, j), std::nearbyint(degrees)) << i << ", " << j;
    }
}

TEST(PixelAngle, GivesTheFourDirectionsAndTheCentre) {
  const TAngleTable t = BuildAngleTable(21, 21);
  const int C = 10;
  EXPECT_EQ(PixelAngle(t, C, C, 15, C, 0), 0);    // right
  EXPECT_EQ(PixelAngle(t, C, C, C, 4, 0), 90);    // up
  EXPECT_EQ(PixelAngle(t, C, C, 3, C, 0), 180);   // left
  EXPECT_EQ(PixelAngle(t, C, C, C, 17, 0), 270);  // down
  EXPECT_EQ(PixelAngle(t, C, C, C, C, 0), 270);   // the centre itself
  EXPECT_EQ(PixelAngle(t, C, C, 15, 5, 0), 45);
  EXPECT_EQ(PixelAngle(t, C, C, 5, 5, 0), 135);
  EXPECT_EQ(PixelAngle(t, C, C, 5, 15, 0), 225);
  EXPECT_EQ(PixelAngle(t, C, C, 15, 15, 0), 315);
  // Turned back by the start angle, wrapping once.
  EXPECT_EQ(PixelAngle(t, C, C, C, 4, 90), 0);
  EXPECT_EQ(PixelAngle(t, C, C, 15, C, 90), 270);
  EXPECT_EQ(PixelAngle(t, C, C, 15, 5, 270), 135);
}

TEST(RadarLevels, DivideTheRangeBy255) {
  EXPECT_EQ(RadarLevels(1, 0, false).Old, 0);
  EXPECT_EQ(RadarLevels(1, 0, false).New, 255);
  EXPECT_EQ(RadarLevels(1, 0, true).Old, 255);
  EXPECT_EQ(RadarLevels(1, 0, true).New, 0);
  EXPECT_EQ(RadarLevels(2, 0, false).New, 128);  // 127.5 -> 128
  EXPECT_EQ(RadarLevels(2, 1, false).Old, 128);
  EXPECT_EQ(RadarLevels(2, 1, false).New, 255);
  EXPECT_EQ(RadarLevels(3, 1, true).Old, 170);
}

TEST(RadarLevel, FollowsTheRayWithASoftSeam) {
  // Hiding, one pass: ahead 255, behind 0; d = -255 >> 3 = -32.
  const int a0 = 255, a1 = 0;
  const int t = 90;
  for (int p = 4; p <= 82; ++p) EXPECT_EQ(RadarLevel(p, t, a0, a1), 0) << p;
  const int graded[7] = {31, 62, 93, 124, 155, 186, 217};
  for (int p = 83; p <= 89; ++p) EXPECT_EQ(RadarLevel(p, t, a0, a1), graded[p - 83]) << p;
  for (int p = 90; p <= 355; ++p) EXPECT_EQ(RadarLevel(p, t, a0, a1), 255) << p;
  const int wedgeHigh[4] = {255, 223, 191, 159};
  for (int p = 356; p <= 359; ++p) EXPECT_EQ(RadarLevel(p, t, a0, a1), wedgeHigh[p - 356]) << p;
  const int wedgeLow[4] = {127, 95, 63, 31};
  for (int p = 0; p <= 3; ++p) EXPECT_EQ(RadarLevel(p, t, a0, a1), wedgeLow[p]) << p;
  // Showing: d = 255 >> 3 = 31, the wedge climbs from the other side.
  EXPECT_EQ(RadarLevel(356, 90, 0, 255), 0);
  EXPECT_EQ(RadarLevel(3, 90, 0, 255), 217);
}

TEST(RadarLevel, NearTheStartRayTheWedgeGivesWayToTheRay) {
  // Ray at 2 degrees: pixels at p = 0..3 are within 8 degrees of it and take
  // the near-ray rule (after both angles move by 16), not the fixed wedge.
  EXPECT_EQ(RadarLevel(1, 2, 255, 0), 0 + 31 * (-1 + 8));  // e = -1, behind the ray
  EXPECT_EQ(RadarLevel(3, 2, 255, 0), 255);                 // e = 1, ahead: 255 + 0
  // Ray at 355: pixels at 356.. are just ahead of it.
  EXPECT_EQ(RadarLevel(357, 355, 0, 255), 0 + 31 * (8 - 2));
  // The same pixel with the ray far away stays in the wedge.
  EXPECT_EQ(RadarLevel(357, 200, 0, 255), 0 + 31 * 1);
  // 360 (the clockwise form of 0) stands in the wedge like 0 does.
  EXPECT_EQ(RadarLevel(360, 100, 255, 0), RadarLevel(0, 100, 255, 0));
}

TEST(RenderRadar, ColoursEveryPixelByItsAngle) {
  const int W = 61, H = 41;
  const TAngleTable table = BuildAngleTable(W, H);
  const auto map = BuildAngleMap(table, W, H);
  TFlat pic(W, H);
  const TFlat original = pic;
  TRadar radar;
  radar.Hiding = true;
  RenderRadar(pic.View(), map, 90, radar);
  int graded = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const int p = PixelAngle(table, W / 2, H / 2, x, y, 0);
      const int v = RadarLevel(p, 90, 255, 0);
      const std::size_t k = (static_cast<std::size_t>(y) * W + x) * 4;
      ASSERT_EQ(pic.Bytes[k + 3], v) << x << "," << y;
      ASSERT_EQ(pic.Bytes[k + 1], AlphaMulTable[v][original.Bytes[k + 1]]);
      if (p >= 83 && p <= 89) ++graded;
    }
  EXPECT_GT(graded, 0);
  // Straight up lies on the ray: opaque. Straight left: ahead, opaque. Down-right: passed.
  EXPECT_EQ(pic.AlphaAt(W / 2, 2), 255);
  EXPECT_EQ(pic.AlphaAt(2, H / 2), 255);
  EXPECT_EQ(pic.AlphaAt(W / 2 + 10, H / 2 - 10), 0);
}

TEST(RenderRadar, ClockwiseKindsAreMirrorImages) {
  // Odd sizes, so that the mirror of every pixel is a pixel. The centre has
  // the fixed angle 270 and is left out.
  const int W = 41, H = 31, CX = W / 2, CY = H / 2;
  const TAngleTable table = BuildAngleTable(W, H);
  const auto map = BuildAngleMap(table, W, H);
  for (std::uint16_t offset : {0, 90, 180, 270})
    for (int angle : {40, 100, 200, 300}) {
      TRadar ccw;
      ccw.AngleOffset = offset;
      TRadar cw = ccw;
      cw.Clockwise = true;
      TFlat a(W, H), b(W, H);
      RenderRadar(a.View(), map, angle, ccw);
      RenderRadar(b.View(), map, angle, cw);
      const bool acrossRow = offset == 0 || offset == 180;
      for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
          if (x == CX && y == CY) continue;
          const int mx = acrossRow ? x : 2 * CX - x;
          const int my = acrossRow ? 2 * CY - y : y;
          ASSERT_EQ(b.AlphaAt(x, y), a.AlphaAt(mx, my))
              << "offset " << offset << " angle " << angle << " at " << x << "," << y;
        }
    }
}

TEST(RenderRadar, OnePassMovesFromTheStartLevelToTheEndLevel) {
  const int W = 33, H = 25;
  const TAngleTable table = BuildAngleTable(W, H);
  const auto map = BuildAngleMap(table, W, H);
  TRadar radar;  // showing, one pass
  TFlat first(W, H), last(W, H);
  RenderRadar(first.View(), map, 0, radar);
  RenderRadar(last.View(), map, 359, radar);
  int firstOpaque = 0, lastOpaque = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      firstOpaque += first.AlphaAt(x, y) == 255;
      lastOpaque += last.AlphaAt(x, y) == 255;
    }
  EXPECT_LT(firstOpaque, W * H / 10);
  EXPECT_GT(lastOpaque, W * H * 8 / 10);
}
