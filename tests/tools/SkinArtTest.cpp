// The skin maker's reduction of drawn pictures to palettes.
#include "tools/SkinArt.h"

#include <gtest/gtest.h>

TEST(SkinArt, PaletteKeepsFewColoursExactly) {
  QImage img(5, 3, QImage::Format_RGB32);
  img.fill(Qt::white);
  img.setPixel(1, 1, qRgb(0, 0, 0));
  img.setPixel(4, 2, qRgb(0, 0, 0));
  const QImage two = art::ToPalette(img, 2);
  ASSERT_EQ(two.format(), QImage::Format_Indexed8);
  EXPECT_EQ(two.colorCount(), 2);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(two.pixel(x, y) & 0xFFFFFF, img.pixel(x, y) & 0xFFFFFF);
}

TEST(SkinArt, PaletteMapsRareColoursToTheNearestKeptOne) {
  QImage img(10, 1, QImage::Format_RGB32);
  for (int x = 0; x < 6; ++x) img.setPixel(x, 0, qRgb(200, 0, 0));
  for (int x = 6; x < 9; ++x) img.setPixel(x, 0, qRgb(0, 0, 200));
  img.setPixel(9, 0, qRgb(190, 10, 5));  // rare: closest to the red
  const QImage out = art::ToPalette(img, 2);
  EXPECT_EQ(out.colorCount(), 2);
  EXPECT_EQ(out.pixel(9, 0), qRgb(200, 0, 0));
  EXPECT_EQ(out.pixel(7, 0), qRgb(0, 0, 200));
}

TEST(SkinArt, NoiseIsRepeatableAndBounded) {
  art::TNoise a(5), b(5);
  for (int i = 0; i < 1000; ++i) {
    const int v = a.Next(6);
    EXPECT_EQ(v, b.Next(6));
    EXPECT_GE(v, -6);
    EXPECT_LE(v, 6);
  }
}
