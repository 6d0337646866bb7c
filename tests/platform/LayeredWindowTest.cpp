// The layered-window update the effects draw through.
#include "platform/Layered.h"

#include <QWidget>
#include <gtest/gtest.h>

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
