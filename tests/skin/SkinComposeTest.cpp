// Composition of skin images and regions, on small pictures whose every
// pixel names its own place: red = 10 * x, green = 10 * y (or x and y
// themselves for wider pictures), so a composed pixel tells where it came from.
#include "skin/SkinCompose.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kBackground = 0xFF102030u;

// A w x h picture whose pixel (x, y) is (x * scale, y * scale, tag).
QImage Coordinates(int w, int h, int scale = 10, int tag = 0) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x * scale, y * scale, tag));
  return img;
}

// Where pixel (x, y) of a composed image came from.
QPoint From(const QImage& img, int x, int y, int scale = 10) {
  const QRgb p = img.pixel(x, y);
  return QPoint(qRed(p) / scale, qGreen(p) / scale);
}

bool IsBackground(const QImage& img, int x, int y) { return img.pixel(x, y) == kBackground; }

TbsPieceLayout Layout(QPoint lt, QPoint rt, QPoint lb, QPoint rb, TRect client, TbsStretchFlags stretch = {}) {
  TbsPieceLayout l;
  l.Points = {lt, rt, lb, rb};
  l.ClientRect = client;
  l.Stretch = stretch;
  return l;
}

// --- Resize mode and skin size ---------------------------------------------

TEST(SkinComposeResizeMode, FirstRuleThatHoldsWins) {
  const TRect skin{399, 293, 468, 316};
  using M = TbsResizeMode;
  // No area: no mode whatever the points say.
  EXPECT_EQ(ResizeModeOf(TRect{5, 5, 5, 20}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}), M::rmNone);
  EXPECT_EQ(ResizeModeOf(TRect{5, 20, 30, 10}, {}), M::rmNone);
  // Right-bottom with both coordinates set: nine pieces, even with the others set too.
  EXPECT_EQ(ResizeModeOf(skin, {{16, 12}, {53, 12}, {16, 20}, {53, 20}}), M::rmFree);
  // One coordinate of right-bottom is not enough.
  EXPECT_EQ(ResizeModeOf(skin, {{16, 12}, {53, 12}, {0, 0}, {53, 0}}), M::rmAcross);
  EXPECT_EQ(ResizeModeOf(skin, {{16, 12}, {53, 12}, {0, 0}, {0, 0}}), M::rmAcross);  // the "button" record
  EXPECT_EQ(ResizeModeOf(skin, {{0, 0}, {0, 5}, {0, 0}, {0, 0}}), M::rmAcross);
  EXPECT_EQ(ResizeModeOf(skin, {{16, 12}, {0, 0}, {16, 20}, {0, 9}}), M::rmDown);
  EXPECT_EQ(ResizeModeOf(skin, {{16, 12}, {0, 0}, {0, 0}, {0, 0}}), M::rmFixed);
  EXPECT_EQ(ResizeModeOf(skin, {}), M::rmFixed);
}

TEST(SkinComposeResizeMode, SkinSizeAndGeometryFollowTheMode) {
  const QSize skin(69, 23);
  const TbsPieceLayout l = Layout({16, 12}, {53, 12}, {16, 18}, {53, 18}, TRect{10, 2, 60, 21});
  using M = TbsResizeMode;
  EXPECT_EQ(SkinSizeFor(M::rmAcross, skin, QSize(128, 39)), QSize(128, 23));
  EXPECT_EQ(SkinSizeFor(M::rmDown, skin, QSize(128, 39)), QSize(69, 39));
  EXPECT_EQ(SkinSizeFor(M::rmFixed, skin, QSize(128, 39)), skin);
  EXPECT_EQ(SkinSizeFor(M::rmFree, skin, QSize(128, 39)), QSize(128, 39));
  EXPECT_EQ(SkinSizeFor(M::rmNone, skin, QSize(128, 39)), QSize(128, 39));

  // 128 x 39: dw = 59, dh = 16.
  const TbsPieceGeometry free = GeometryForSize(M::rmFree, skin, l, QSize(128, 39));
  EXPECT_EQ(free.Points, (TbsCornerPoints{{16, 12}, {112, 12}, {16, 34}, {112, 34}}));
  EXPECT_EQ(free.ClientRect, (TRect{10, 2, 119, 37}));

  const TbsPieceGeometry across = GeometryForSize(M::rmAcross, skin, l, QSize(128, 23));
  EXPECT_EQ(across.Points, (TbsCornerPoints{{16, 12}, {112, 12}, {16, 18}, {53, 18}}));
  EXPECT_EQ(across.ClientRect, (TRect{10, 2, 119, 21}));

  const TbsPieceGeometry down = GeometryForSize(M::rmDown, skin, l, QSize(69, 39));
  EXPECT_EQ(down.Points, (TbsCornerPoints{{16, 12}, {53, 12}, {16, 34}, {53, 18}}));
  EXPECT_EQ(down.ClientRect, (TRect{10, 2, 60, 37}));
}

// --- Nine pieces ------------------------------------------------------------

// A 10 x 8 piece, client (2,2)-(8,6), corner points (3,3), (7,3), (3,5), (7,5),
// composed at 16 x 12: dw = 6, dh = 4.
struct NinePiece {
  QImage Piece = Coordinates(10, 8);
  TbsPieceLayout L = Layout({3, 3}, {7, 3}, {3, 5}, {7, 5}, TRect{2, 2, 8, 6});
  QImage Compose(bool stretchAll) {
    L.Stretch = {stretchAll, stretchAll, stretchAll, stretchAll, stretchAll};
    const QSize size(16, 12);
    return ComposeNinePiece(Piece, L, size, GeometryForSize(TbsResizeMode::rmFree, Piece.size(), L, size), true,
                            kBackground);
  }
};

TEST(SkinComposeNinePiece, CornerAreasAreCopiedUnscaled) {
  NinePiece n;
  for (bool stretch : {false, true}) {
    const QImage img = n.Compose(stretch);
    ASSERT_EQ(img.size(), QSize(16, 12));
    // Top-left: (0,0)-(3,2) and (0,0)-(2,3).
    EXPECT_EQ(From(img, 0, 0), QPoint(0, 0));
    EXPECT_EQ(From(img, 2, 1), QPoint(2, 1));
    EXPECT_EQ(From(img, 1, 2), QPoint(1, 2));
    // Top-right: (13,0)-(16,2) from (7,0)-(10,2), and (14,0)-(16,3) from (8,0)-(10,3).
    EXPECT_EQ(From(img, 13, 0), QPoint(7, 0));
    EXPECT_EQ(From(img, 15, 1), QPoint(9, 1));
    EXPECT_EQ(From(img, 14, 2), QPoint(8, 2));
    // Bottom-left: (0,10)-(3,12) from (0,6)-(3,8), and (0,9)-(2,12) from (0,5)-(2,8).
    EXPECT_EQ(From(img, 2, 10), QPoint(2, 6));
    EXPECT_EQ(From(img, 1, 9), QPoint(1, 5));
    // Bottom-right: (13,10)-(16,12) from (7,6)-(10,8), and (14,9)-(16,12) from (8,5)-(10,8).
    EXPECT_EQ(From(img, 15, 11), QPoint(9, 7));
    EXPECT_EQ(From(img, 13, 10), QPoint(7, 6));
    EXPECT_EQ(From(img, 14, 9), QPoint(8, 5));
    // Nothing is left uncovered.
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 16; ++x) ASSERT_FALSE(IsBackground(img, x, y)) << x << "," << y;
  }
}

TEST(SkinComposeNinePiece, APartHasThePixelsOfTheWholeImagesCopy) {
  NinePiece n;
  const QSize size(16, 12);
  for (bool stretch : {false, true}) {
    n.L.Stretch = {stretch, stretch, stretch, stretch, stretch};
    const TbsPieceGeometry g = GeometryForSize(TbsResizeMode::rmFree, n.Piece.size(), n.L, size);
    for (bool client : {false, true}) {
      const QImage whole = ComposeNinePiece(n.Piece, n.L, size, g, client, kBackground);
      // Inside, along each edge, and partly or wholly beyond the image.
      for (const QRect& part : {QRect(0, 0, 16, 2), QRect(0, 10, 16, 2), QRect(0, 2, 3, 8), QRect(13, 2, 3, 8),
                                QRect(5, 4, 6, 5), QRect(-2, -3, 8, 6), QRect(12, 9, 7, 6), QRect(20, 0, 3, 3)}) {
        const QImage got = ComposeNinePiecePart(n.Piece, n.L, size, g, part, client, kBackground);
        EXPECT_EQ(got, whole.copy(part)) << stretch << client << " " << part.x() << "," << part.y();
      }
    }
  }
  EXPECT_TRUE(ComposeNinePiecePart(n.Piece, n.L, QSize(0, 12), {}, QRect(0, 0, 4, 4)).isNull());
}

TEST(SkinComposeNinePiece, TiledEdgesRepeatFromTheirStartAndCutAtTheEnd) {
  NinePiece n;
  const QImage img = n.Compose(false);
  // Top edge: columns 3..12 from source columns 3..6, repeated.
  const int top[] = {3, 4, 5, 6, 3, 4, 5, 6, 3, 4};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(From(img, 3 + i, 0), QPoint(top[i], 0)) << i;
    EXPECT_EQ(From(img, 3 + i, 11), QPoint(top[i], 7)) << i;  // bottom edge alike, last source rows
  }
  // Left edge: rows 3..8 from source rows 3..4; right edge from columns 8..9.
  const int side[] = {3, 4, 3, 4, 3, 4};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(From(img, 0, 3 + i), QPoint(0, side[i])) << i;
    EXPECT_EQ(From(img, 15, 3 + i), QPoint(9, side[i])) << i;
  }
  // Client: (2,2)-(14,10) tiled from (2,2)-(8,6), cut at the right and bottom.
  EXPECT_EQ(From(img, 2, 2), QPoint(2, 2));
  EXPECT_EQ(From(img, 8, 6), QPoint(2, 2));
  EXPECT_EQ(From(img, 13, 9), QPoint(7, 5));
  EXPECT_EQ(From(img, 9, 5), QPoint(3, 5));
}

TEST(SkinComposeNinePiece, StretchedPiecesTakeTheNearestPixel) {
  NinePiece n;
  const QImage img = n.Compose(true);
  // Top edge: 4 source columns over 10, by pixel centres.
  const int top[] = {3, 3, 4, 4, 4, 5, 5, 6, 6, 6};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(From(img, 3 + i, 1), QPoint(top[i], 1)) << i;
  // Left edge: 2 rows over 6.
  const int side[] = {3, 3, 3, 4, 4, 4};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(From(img, 1, 3 + i), QPoint(1, side[i])) << i;
  // Client: 6 x 4 over 12 x 8, every source pixel twice in each direction.
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x) ASSERT_EQ(From(img, 2 + x, 2 + y), QPoint(2 + x / 2, 2 + y / 2));
  // No smoothing: every colour of the result is one of the picture's.
  QSet<QRgb> source;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) source.insert(n.Piece.pixel(x, y));
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_TRUE(source.contains(img.pixel(x, y)));
}

TEST(SkinComposeNinePiece, PiecesOfZeroOrNegativeLengthAreSkipped) {
  // The top and bottom edges have no length in the source: at a wider size
  // their place stays empty instead of being filled from nothing.
  const QImage piece = Coordinates(8, 8);
  TbsPieceLayout l = Layout({4, 2}, {4, 2}, {4, 6}, {4, 6}, TRect{2, 2, 6, 6});
  QImage img = ComposeNinePiece(piece, l, QSize(12, 8),
                                GeometryForSize(TbsResizeMode::rmFree, piece.size(), l, QSize(12, 8)), true,
                                kBackground);
  for (int x = 4; x < 8; ++x) {
    EXPECT_TRUE(IsBackground(img, x, 0)) << x;
    EXPECT_TRUE(IsBackground(img, x, 7)) << x;
  }
  EXPECT_EQ(From(img, 3, 0), QPoint(3, 0));   // top-left corner
  EXPECT_EQ(From(img, 8, 0), QPoint(4, 0));   // top-right corner
  EXPECT_EQ(From(img, 11, 7), QPoint(7, 7));  // bottom-right corner

  // Smaller than the skin: the client rectangle turns negative and is not
  // drawn; nothing is written outside the image.
  l = ClientCornerLayout(TRect{2, 2, 6, 6});
  img = ComposeNinePiece(piece, l, QSize(3, 8), GeometryForSize(TbsResizeMode::rmFree, piece.size(), l, QSize(3, 8)),
                         true, kBackground);
  ASSERT_EQ(img.size(), QSize(3, 8));
  EXPECT_EQ(From(img, 0, 0), QPoint(0, 0));
  EXPECT_EQ(From(img, 2, 7), QPoint(7, 7));

  // A size without area gives no image at all.
  EXPECT_TRUE(ComposeNinePiece(piece, l, QSize(0, 8), {}).isNull());
}

// --- Three pieces -------------------------------------------------------------

TEST(SkinComposeThreePiece, AcrossKeepsTheEndsAndFillsTheMiddle) {
  // 9 x 3: left end columns 0..1, middle 2..5, right end 6..8.
  const QImage piece = Coordinates(9, 3);
  const QImage tiled = ComposeAcross(piece, 2, 6, false, QSize(15, 5), kBackground);
  const QImage stretched = ComposeAcross(piece, 2, 6, true, QSize(15, 5), kBackground);
  const int tileCols[] = {0, 1, 2, 3, 4, 5, 2, 3, 4, 5, 2, 3, 6, 7, 8};
  const int stretchCols[] = {0, 1, 2, 2, 3, 3, 3, 4, 4, 5, 5, 5, 6, 7, 8};
  for (int x = 0; x < 15; ++x)
    for (int y = 0; y < 3; ++y) {
      EXPECT_EQ(From(tiled, x, y), QPoint(tileCols[x], y)) << x;
      EXPECT_EQ(From(stretched, x, y), QPoint(stretchCols[x], y)) << x;
    }
  // The height stays the piece's; the rows below keep the background.
  for (int x = 0; x < 15; ++x) EXPECT_TRUE(IsBackground(tiled, x, 4));

  // Through the mode: rmAcross takes the ends from the left-top and right-top x.
  TbsPieceLayout l = Layout({2, 1}, {6, 1}, {}, {}, TRect{1, 0, 8, 3}, {false, false, false, false, true});
  EXPECT_EQ(ComposeByMode(piece, TbsResizeMode::rmAcross, l, QSize(15, 5), kBackground), stretched);
}

TEST(SkinComposeThreePiece, DownKeepsTheEndsAndFillsTheMiddle) {
  const QImage piece = Coordinates(3, 9);
  const QImage tiled = ComposeDown(piece, 2, 6, false, QSize(4, 15), kBackground);
  const int tileRows[] = {0, 1, 2, 3, 4, 5, 2, 3, 4, 5, 2, 3, 6, 7, 8};
  for (int y = 0; y < 15; ++y) EXPECT_EQ(From(tiled, 1, y), QPoint(1, tileRows[y])) << y;
  for (int y = 0; y < 15; ++y) EXPECT_TRUE(IsBackground(tiled, 3, y));

  TbsPieceLayout l = Layout({1, 2}, {}, {0, 6}, {}, TRect{0, 1, 3, 8});
  EXPECT_EQ(ComposeByMode(piece, TbsResizeMode::rmDown, l, QSize(4, 15), kBackground), tiled);

  // rmFixed: the piece as it lies, nothing grows.
  const QImage fixed = ComposeByMode(piece, TbsResizeMode::rmFixed, l, QSize(4, 15), kBackground);
  EXPECT_EQ(From(fixed, 2, 8), QPoint(2, 8));
  EXPECT_TRUE(IsBackground(fixed, 3, 0) && IsBackground(fixed, 0, 9));
}

// --- Client corners (buttons whose size the skin does not dictate) ---------

TEST(SkinComposeClientCorners, ButtonOf276x35FromA69x23Skin) {
  // Pixel (x, y) of the 69 x 23 piece is (x, y, 77).
  const QImage piece = Coordinates(69, 23, 1, 77);
  const QImage img = ComposeClientCorners(piece, TRect{10, 2, 60, 21}, QSize(276, 35), kBackground);
  ASSERT_EQ(img.size(), QSize(276, 35));
  auto at = [&](int x, int y) { return From(img, x, y, 1); };
  // Four corners.
  EXPECT_EQ(at(0, 0), QPoint(0, 0));
  EXPECT_EQ(at(275, 0), QPoint(68, 0));
  EXPECT_EQ(at(0, 34), QPoint(0, 22));
  EXPECT_EQ(at(275, 34), QPoint(68, 22));
  // Borders: 10 left, 9 right, 2 top, 2 bottom, each keeping its width.
  for (int y = 2; y < 33; ++y) {
    EXPECT_EQ(at(9, y).x(), 9);
    EXPECT_EQ(at(267, y).x(), 60);
    EXPECT_EQ(at(275, y).x(), 68);
  }
  for (int x = 10; x < 267; ++x) {
    EXPECT_EQ(at(x, 1).y(), 1);
    EXPECT_EQ(at(x, 33).y(), 21);
  }
  // The 257 x 31 middle is the 50 x 19 client stretched: its corners come
  // from the client's corners and it stays inside the client.
  EXPECT_EQ(at(10, 2), QPoint(10, 2));
  EXPECT_EQ(at(266, 32), QPoint(59, 20));
  for (int y = 2; y < 33; ++y)
    for (int x = 10; x < 267; ++x) {
      const QPoint p = at(x, y);
      ASSERT_TRUE(p.x() >= 10 && p.x() < 60 && p.y() >= 2 && p.y() < 21) << x << "," << y;
    }
}

TEST(SkinComposeClientCorners, CutPieceFillsWhatLiesOutsideThePicture) {
  const QImage picture = Coordinates(6, 6);
  const QImage piece = CutPiece(picture, TRect{4, 4, 8, 7}, kBackground);
  ASSERT_EQ(piece.size(), QSize(4, 3));
  EXPECT_EQ(From(piece, 0, 0), QPoint(4, 4));
  EXPECT_EQ(From(piece, 1, 1), QPoint(5, 5));
  EXPECT_TRUE(IsBackground(piece, 2, 0));
  EXPECT_TRUE(IsBackground(piece, 0, 2));
  EXPECT_TRUE(CutPiece(picture, TRect{3, 3, 3, 9}).isNull());
}

// --- Mask to region ----------------------------------------------------------

QImage WhiteMask(int w, int h) {
  QImage m(w, h, QImage::Format_RGB32);
  m.fill(qRgb(255, 255, 255));
  return m;
}

TEST(SkinComposeMaskRegion, BlackRunsBecomeOnePixelHighRectangles) {
  QImage mask = WhiteMask(80, 3);
  for (int x = 3; x <= 65; ++x) mask.setPixel(x, 0, qRgb(0, 0, 0));
  mask.setPixel(0, 1, qRgb(0, 0, 0));
  mask.setPixel(79, 1, qRgb(0, 0, 0));
  mask.setPixel(40, 2, qRgb(0, 0, 1));  // not quite black: cut away
  const TbsMaskRuns runs = MaskRuns(mask);
  EXPECT_FALSE(runs.Truncated);
  ASSERT_EQ(runs.Runs.size(), 3u);
  EXPECT_EQ(runs.Runs[0], (TRect{3, 0, 66, 1}));
  EXPECT_EQ(runs.Runs[1], (TRect{0, 1, 1, 2}));
  EXPECT_EQ(runs.Runs[2], (TRect{79, 1, 80, 2}));

  const QRegion region = MaskToRegion(mask, QPoint(10, 20));
  EXPECT_TRUE(region.contains(QPoint(13, 20)));
  EXPECT_TRUE(region.contains(QPoint(75, 20)));
  EXPECT_FALSE(region.contains(QPoint(12, 20)));
  EXPECT_FALSE(region.contains(QPoint(76, 20)));
  EXPECT_TRUE(region.contains(QPoint(89, 21)));
  EXPECT_FALSE(region.contains(QPoint(50, 22)));
  EXPECT_EQ(region.boundingRect(), QRect(10, 20, 80, 2));
}

TEST(SkinComposeMaskRegion, PaletteMasksCountByTheirColours) {
  // A 4-bit style mask: index 1 is black, index 0 white.
  QImage mask(5, 1, QImage::Format_Indexed8);
  mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  mask.fill(0);
  mask.setPixel(1, 0, 1);
  mask.setPixel(2, 0, 1);
  const TbsMaskRuns runs = MaskRuns(mask);
  ASSERT_EQ(runs.Runs.size(), 1u);
  EXPECT_EQ(runs.Runs[0], (TRect{1, 0, 3, 1}));
  EXPECT_TRUE(MaskRuns(WhiteMask(4, 4)).Runs.empty());
  EXPECT_TRUE(MaskToRegion(WhiteMask(4, 4)).isEmpty());
}

TEST(SkinComposeMaskRegion, PremultipliedMasksReadAsTheirOpaqueColours) {
  // Opaque black, transparent, half-transparent dark and half-transparent
  // nearly black pixels: read as the same mask converted to RGB32 reads.
  QImage mask(6, 1, QImage::Format_ARGB32_Premultiplied);
  mask.fill(qRgb(255, 255, 255));
  mask.setPixel(0, 0, qRgba(0, 0, 0, 255));
  mask.setPixel(1, 0, qRgba(0, 0, 0, 0));
  mask.setPixel(3, 0, qRgba(0, 0, 1, 128));
  mask.setPixel(4, 0, qRgba(0, 0, 0, 128));
  const TbsMaskRuns runs = MaskRuns(mask);
  const TbsMaskRuns converted = MaskRuns(mask.convertToFormat(QImage::Format_RGB32));
  ASSERT_EQ(runs.Runs.size(), 2u);
  EXPECT_EQ(runs.Runs, converted.Runs);
  EXPECT_EQ(runs.Runs[0], (TRect{0, 0, 2, 1}));
  EXPECT_EQ(runs.Runs[1], (TRect{4, 0, 5, 1}));
}

TEST(SkinComposeMaskRegion, AtMostTenThousandRunsPerPiece) {
  // Every other pixel black: one run per black pixel.
  auto striped = [](int runs) {
    QImage m = WhiteMask(2 * runs, 1);
    for (int i = 0; i < runs; ++i) m.setPixel(2 * i, 0, qRgb(0, 0, 0));
    return m;
  };
  const TbsMaskRuns exact = MaskRuns(striped(kMaxMaskRuns));
  EXPECT_EQ(exact.Runs.size(), size_t(kMaxMaskRuns));
  EXPECT_FALSE(exact.Truncated);

  const TbsMaskRuns over = MaskRuns(striped(kMaxMaskRuns + 5));
  EXPECT_EQ(over.Runs.size(), size_t(kMaxMaskRuns));
  EXPECT_TRUE(over.Truncated);
  EXPECT_EQ(over.Runs.back(), (TRect{2 * (kMaxMaskRuns - 1), 0, 2 * (kMaxMaskRuns - 1) + 1, 1}));
  const QRegion region = RegionFromRuns(over.Runs);
  EXPECT_TRUE(region.contains(QPoint(2 * (kMaxMaskRuns - 1), 0)));
  EXPECT_FALSE(region.contains(QPoint(2 * kMaxMaskRuns, 0)));

  // A smaller limit is kept the same way.
  EXPECT_EQ(MaskRuns(striped(10), 4).Runs.size(), 4u);
}

// --- Morphing -----------------------------------------------------------------

QImage Filled(int w, int h, QRgb c) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(c);
  return img;
}

TEST(SkinComposeMorph, DefaultBlendRoundsEachChannel) {
  const QImage normal = Filled(3, 2, qRgb(10, 200, 0));
  const QImage active = Filled(3, 2, qRgb(255, 0, 101));
  // k = 0.2: 0.8 * 10 + 0.2 * 255 = 59; 0.8 * 200 = 160; 0.2 * 101 = 20.2 -> 20.
  EXPECT_EQ(MorphBlend(normal, active, 0.2, TbsMorphKind::mkDefault).pixel(2, 1), qRgb(59, 160, 20));
  // k = 0.5: 132.5 -> 133, 100, 50.5 -> 51.
  EXPECT_EQ(MorphBlend(normal, active, 0.5, TbsMorphKind::mkDefault).pixel(0, 0), qRgb(133, 100, 51));
  // k outside 0..1 is held at its end.
  EXPECT_EQ(MorphBlend(normal, active, 1.7, TbsMorphKind::mkDefault).pixel(0, 0), qRgb(255, 0, 101));
  // Images of different sizes: the active one.
  EXPECT_EQ(MorphBlend(Filled(2, 2, 0), active, 0.5, TbsMorphKind::mkDefault).size(), active.size());
}

TEST(SkinComposeMorph, EveryKindRunsFromNormalToActive) {
  const QImage normal = Coordinates(6, 4, 10, 1).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage active = Coordinates(6, 4, 20, 2).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int kind = 0; kind <= int(TbsMorphKind::mkPush); ++kind) {
    const auto k = TbsMorphKind(kind);
    EXPECT_EQ(MorphBlend(normal, active, 0.0, k), normal) << kind;
    EXPECT_EQ(MorphBlend(normal, active, 1.0, k), active) << kind;
    // Half-way is neither of the two.
    const QImage half = MorphBlend(normal, active, 0.5, k);
    EXPECT_NE(half, normal) << kind;
    EXPECT_NE(half, active) << kind;
  }
  // The slides at k = 0.5 on 6 columns: three columns of the active image.
  const QImage left = MorphBlend(normal, active, 0.5, TbsMorphKind::mkLeftSlide);
  EXPECT_EQ(left.pixel(0, 1), active.pixel(3, 1));
  EXPECT_EQ(left.pixel(3, 1), normal.pixel(3, 1));
  const QImage right = MorphBlend(normal, active, 0.5, TbsMorphKind::mkRightSlide);
  EXPECT_EQ(right.pixel(5, 1), active.pixel(2, 1));
  EXPECT_EQ(right.pixel(2, 1), normal.pixel(2, 1));
  const QImage push = MorphBlend(normal, active, 0.5, TbsMorphKind::mkPush);
  EXPECT_EQ(push.pixel(0, 2), active.pixel(3, 2));
  EXPECT_EQ(push.pixel(3, 2), normal.pixel(0, 2));
}

}  // namespace
