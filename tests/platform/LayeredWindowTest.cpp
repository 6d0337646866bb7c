// The layered-window update the effects draw through.
#include "platform/Layered.h"
#include "tests/common/Compositor.h"

#include <QPalette>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>

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
  // Back to its own painting and shape.
  SetLayered(&window, false);
  EXPECT_EQ(window.mask(), QRegion(0, 0, 40, 19));
  EXPECT_EQ(LayerWidget(&window), nullptr);
  EXPECT_TRUE(window.isVisible());
}
