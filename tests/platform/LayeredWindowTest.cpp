// The layered-window update the effects draw through.
#include "platform/Layered.h"
#include "tests/common/Compositor.h"

#include <QPalette>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

using namespace platform;

namespace {
QImage Frame(int w, int h, QRgb argb) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(argb);
  return image;
}
}  // namespace

TEST(LayeredWindow, UpdatesNeedTheLayeredStateAndAUsableFrame) {
  QWidget window;
  EXPECT_FALSE(IsLayered(&window));
  EXPECT_FALSE(UpdateLayeredWindow(&window, {0, 0}, Frame(4, 4, 0x80402010), ULW_ALPHA));
  EXPECT_TRUE(LayeredFrame(&window).isNull());
  SetLayered(&window, true);
  EXPECT_TRUE(IsLayered(&window));
  EXPECT_FALSE(UpdateLayeredWindow(&window, {0, 0}, QImage(), ULW_ALPHA));
  EXPECT_FALSE(UpdateLayeredWindow(&window, {0, 0}, QImage(4, 4, QImage::Format_Grayscale8), ULW_ALPHA));
  EXPECT_FALSE(UpdateLayeredWindow(&window, {0, 0}, Frame(4, 4, 0), ULW_COLORKEY));
  EXPECT_FALSE(UpdateLayeredWindow(nullptr, {0, 0}, Frame(4, 4, 0), ULW_ALPHA));
  EXPECT_EQ(LayeredUpdateCount(&window), 0);
  EXPECT_TRUE(UpdateLayeredWindow(&window, {30, 40}, Frame(4, 3, 0x80402010), ULW_ALPHA));
  EXPECT_EQ(LayeredUpdateCount(&window), 1);
  EXPECT_EQ(LayeredOrigin(&window), QPoint(30, 40));
  EXPECT_EQ(LayeredFrame(&window).size(), QSize(4, 3));
  EXPECT_EQ(LayeredFrame(&window).pixel(1, 1), 0x80402010u);
}

TEST(LayeredWindow, TheFrameIsCopiedWhenPushed) {
  QWidget window;
  SetLayered(&window, true);
  QImage frame = Frame(2, 2, 0xFF000000);
  UpdateLayeredWindow(&window, {0, 0}, frame, ULW_OPAQUE);
  frame.fill(0xFFFFFFFF);
  EXPECT_EQ(LayeredFrame(&window).pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(LayeredFlags(&window), ULW_OPAQUE);
}

TEST(LayeredWindow, TheLayerFollowsTheWindowAndGoesWithTheLayeredState) {
  QWidget window;
  window.resize(20, 20);
  SetLayered(&window, true);
  UpdateLayeredWindow(&window, {5, 6}, Frame(20, 20, 0x40102030), ULW_ALPHA);
  QWidget* layer = LayerWidget(&window);
  ASSERT_NE(layer, nullptr);
  EXPECT_FALSE(layer->isVisible()) << "nothing to see of a hidden window";
  EXPECT_EQ(window.windowOpacity(), 0.0);
  window.show();
  EXPECT_TRUE(layer->isVisible());
  EXPECT_EQ(layer->geometry(), QRect(5, 6, 20, 20));
  window.hide();
  EXPECT_FALSE(layer->isVisible());
  window.show();
  SetLayered(&window, false);
  EXPECT_FALSE(IsLayered(&window));
  EXPECT_EQ(LayerWidget(&window), nullptr);
  EXPECT_EQ(window.windowOpacity(), 1.0);
  EXPECT_TRUE(window.isVisible());
  // What was shown last stays readable; becoming layered again starts afresh.
  EXPECT_EQ(LayeredFrame(&window).pixel(0, 0), 0x40102030u);
  SetLayered(&window, true);
  EXPECT_TRUE(LayeredFrame(&window).isNull());
  EXPECT_EQ(LayeredUpdateCount(&window), 0);
}

// --- Without a compositor --------------------------------------------------------

namespace {
QRgb Over(QRgb premultiplied, QRgb behind) {
  const int rest = 255 - qAlpha(premultiplied);
  auto mix = [rest](int c, int b) { return std::min(255, c + (rest * b + 127) / 255); };
  return qRgb(mix(qRed(premultiplied), qRed(behind)), mix(qGreen(premultiplied), qGreen(behind)),
              mix(qBlue(premultiplied), qBlue(behind)));
}
}  // namespace

TEST(LayeredWindow, OpaqueCompositionBlendsOverWhatIsBehindAndShapesByAlpha) {
  // Columns: transparent, half-transparent grey, opaque red.
  QImage frame(3, 2, QImage::Format_ARGB32);
  for (int y = 0; y < 2; ++y) {
    frame.setPixel(0, y, qRgba(0, 0, 0, 0));
    frame.setPixel(1, y, qRgba(64, 64, 64, 128));
    frame.setPixel(2, y, qRgba(255, 0, 0, 255));
  }
  QImage behind(3, 2, QImage::Format_RGB32);
  behind.fill(qRgb(40, 120, 200));
  const TOpaqueFrame blended = ComposeOpaque(frame, ULW_ALPHA, behind);
  EXPECT_EQ(blended.Shape, QRegion(1, 0, 2, 2));
  EXPECT_EQ(blended.Image.pixel(1, 1), Over(frame.pixel(1, 1), behind.pixel(1, 1)));
  EXPECT_EQ(blended.Image.pixel(2, 0), qRgb(255, 0, 0));
  // Nothing known behind: the window's own colour at full opacity, not black.
  const TOpaqueFrame alone = ComposeOpaque(frame, ULW_ALPHA, QImage());
  EXPECT_EQ(alone.Shape, QRegion(1, 0, 2, 2));
  EXPECT_EQ(alone.Image.pixel(1, 0), qRgb(128, 128, 128));
  // ULW_OPAQUE: every pixel as it is.
  const TOpaqueFrame opaque = ComposeOpaque(frame, ULW_OPAQUE, behind);
  EXPECT_EQ(opaque.Shape, QRegion(0, 0, 3, 2));
  EXPECT_EQ(opaque.Image.pixel(1, 0), qRgb(64, 64, 64));
}

namespace {
// The composition one pixel at a time, written plainly; `behind` is null
// when nothing is known behind.
QRgb ComposedPixel(QRgb p, const QRgb* behind) {
  const int a = qAlpha(p);
  if (a == 0) return behind ? *behind : 0xFF000000u;
  if (a == 255) return p;
  if (behind)
    return Over(qRgba(std::min(qRed(p), a), std::min(qGreen(p), a), std::min(qBlue(p), a), a), *behind);
  auto plain = [a](int c) { return std::min(255, (c * 255 + a / 2) / a); };
  return qRgb(plain(qRed(p)), plain(qGreen(p)), plain(qBlue(p)));
}

std::vector<QRect> Rects(const QRegion& region) { return {region.begin(), region.end()}; }
}  // namespace

TEST(LayeredWindow, OpaqueCompositionGivesThePlainPerPixelResultForAnyPicture) {
  std::mt19937 random(20);
  auto byte = [&] { return static_cast<int>(random() & 255); };
  TOpaqueFrame out;  // used again from picture to picture
  for (const int w : {1, 3, 4, 5, 15, 16, 17, 31, 47, 257}) {
    const int h = 9;
    QImage frame(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
      auto* row = reinterpret_cast<QRgb*>(frame.scanLine(y));
      // Rows all clear, all opaque, every alpha in turn, pixels at random, and
      // runs of clear, opaque and graded pixels across the row.
      int runLeft = 0, runAlpha = 0;
      for (int x = 0; x < w; ++x) {
        int a = 0;
        switch (y % 5) {
          case 0: a = y == 0 ? 0 : 255; break;
          case 1: a = x & 255; break;
          case 2: a = (byte() % 3 == 0) ? 0 : (byte() % 2 ? 255 : byte()); break;
          default:
            if (runLeft-- <= 0) {
              runLeft = byte() % 21;
              runAlpha = byte() % 3 == 0 ? 0 : byte() % 2 ? 255 : std::max(1, byte());
            }
            a = runAlpha;
        }
        // Premultiplied colours and colours above the alpha.
        const bool premultiplied = byte() % 2 == 0;
        auto channel = [&] { return premultiplied ? (a ? byte() % (a + 1) : 0) : byte(); };
        row[x] = qRgba(channel(), channel(), channel(), a);
      }
    }
    // What is behind, alpha bytes included, as read from a screen.
    QImage behind(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) reinterpret_cast<QRgb*>(behind.scanLine(y))[x] = random();
    QRegion shape;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (qAlpha(frame.pixel(x, y))) shape += QRect(x, y, 1, 1);

    for (const bool withBackdrop : {true, false}) {
      const bool fresh = out.Image.size() != frame.size();
      ComposeOpaque(frame, ULW_ALPHA, withBackdrop ? behind : QImage(), out);
      ASSERT_EQ(out.Image.size(), frame.size());
      if (fresh) {
        EXPECT_EQ(out.Changed, QRegion(frame.rect())) << "width " << w;
      }
      for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(behind.constScanLine(y));
        const auto* o = reinterpret_cast<const QRgb*>(out.Image.constScanLine(y));
        for (int x = 0; x < w; ++x)
          ASSERT_EQ(o[x], ComposedPixel(in[x], withBackdrop ? b + x : nullptr))
              << "width " << w << " at " << x << "," << y << (withBackdrop ? " over a backdrop" : " alone")
              << " pixel " << std::hex << in[x];
      }
      // The same rectangles as the pixels' union: each row's runs whole.
      EXPECT_EQ(Rects(out.Shape), Rects(shape)) << "width " << w;
    }
    // Composed again: every row that comes out otherwise is among the changed
    // rows, and a row all clear (0) or all opaque (5) that comes out as it
    // was is not. The second picture shows another colour at the end of
    // rows 3, 5 and 7.
    auto row = [w](int y) { return QRect(0, y, w, 1); };
    ComposeOpaque(frame, ULW_ALPHA, behind, out);
    ComposeOpaque(frame, ULW_ALPHA, behind, out);
    EXPECT_FALSE(out.Changed.intersects(row(0)) || out.Changed.intersects(row(5))) << "width " << w;
    QImage next = frame.copy();
    for (const int y : {3, 5, 7})
      reinterpret_cast<QRgb*>(next.scanLine(y))[w - 1] = (out.Image.pixel(w - 1, y) ^ 0x00FFFFFFu) | 0xFF000000u;
    const QImage before = out.Image.copy();
    // Told the picture it was composed from: the rows the same in both stand
    // as they are, the others come out as always.
    ComposeOpaque(next, ULW_ALPHA, behind, out, frame);
    for (int y = 0; y < h; ++y) {
      if (std::memcmp(before.constScanLine(y), out.Image.constScanLine(y), std::size_t(w) * 4) != 0) {
        EXPECT_TRUE(out.Changed.contains(row(y))) << "width " << w << " row " << y;
      }
      const auto* in = reinterpret_cast<const QRgb*>(next.constScanLine(y));
      const auto* b = reinterpret_cast<const QRgb*>(behind.constScanLine(y));
      const auto* o = reinterpret_cast<const QRgb*>(out.Image.constScanLine(y));
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(o[x], ComposedPixel(in[x], b + x)) << "width " << w << " at " << x << "," << y << " after the first";
    }
    EXPECT_TRUE(out.Changed.contains(row(5)) && !out.Changed.intersects(row(0))) << "width " << w;
    EXPECT_FALSE(out.Changed.intersects(row(2)) || out.Changed.intersects(row(4))) << "width " << w;
    ComposeOpaque(frame, ULW_OPAQUE, behind, out);
    for (int y = 0; y < h; ++y) {
      const auto* in = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
      const auto* o = reinterpret_cast<const QRgb*>(out.Image.constScanLine(y));
      for (int x = 0; x < w; ++x) ASSERT_EQ(o[x], in[x] | 0xFF000000u) << "width " << w << " at " << x << "," << y;
    }
    EXPECT_EQ(out.Shape, QRegion(frame.rect()));
  }
}

TEST(LayeredWindow, WithoutACompositorTheWindowShowsThePictureOpaqueOverWhatWasBehindIt) {
  WithoutCompositor none;
  // The desktop behind: a plain window.
  const QRgb desk = qRgb(40, 120, 200);
  QWidget desktop(nullptr, Qt::Window | Qt::FramelessWindowHint);
  desktop.setGeometry(100, 100, 200, 200);
  desktop.setAutoFillBackground(true);
  QPalette pal = desktop.palette();
  pal.setColor(QPalette::Window, QColor(desk));
  desktop.setPalette(pal);
  desktop.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&desktop));

  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setGeometry(150, 150, 40, 20);
  window.setMask(QRegion(0, 0, 40, 19));  // a shape of its own
  SetLayered(&window, true);
  window.show();
  EXPECT_FALSE(window.mask().intersects(window.rect())) << "nothing is seen before the first picture";
  // Left quarter transparent, the next quarter half-transparent grey, the rest opaque red.
  QImage frame(40, 20, QImage::Format_ARGB32);
  frame.fill(qRgba(255, 0, 0, 255));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) frame.setPixel(x, y, x < 10 ? qRgba(0, 0, 0, 0) : qRgba(64, 64, 64, 128));
  ASSERT_TRUE(UpdateLayeredWindow(&window, window.geometry().topLeft(), frame, ULW_ALPHA));
  EXPECT_EQ(window.mask(), QRegion(10, 0, 30, 20));
  QWidget* picture = LayerWidget(&window);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->parentWidget(), &window);
  const QImage shown = window.grab().toImage();
  EXPECT_EQ(shown.pixel(15, 5), Over(frame.pixel(15, 5), desk));
  EXPECT_EQ(shown.pixel(30, 5), qRgb(255, 0, 0));
  // Shown again over another desktop: the same picture is blended anew.
  window.hide();
  const QRgb desk2 = qRgb(200, 60, 10);
  pal.setColor(QPalette::Window, QColor(desk2));
  desktop.setPalette(pal);
  desktop.repaint();
  window.show();
  ASSERT_TRUE(UpdateLayeredWindow(&window, window.geometry().topLeft(), frame.copy(), ULW_ALPHA));
  EXPECT_EQ(window.grab().toImage().pixel(15, 5), Over(frame.pixel(15, 5), desk2));
  // Back to its own painting and shape.
  SetLayered(&window, false);
  EXPECT_EQ(window.mask(), QRegion(0, 0, 40, 19));
  EXPECT_EQ(LayerWidget(&window), nullptr);
  EXPECT_TRUE(window.isVisible());
}
