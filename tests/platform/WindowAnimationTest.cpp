// The window animation, frame by frame under a fake clock: a slide carries
// the window's picture in with the moving edge, a roll uncovers the picture
// where it stands.
#include "platform/Layered.h"
#include "platform/Platform.h"

#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

constexpr int kW = 40, kH = 20, kMs = 600, kStep = 100;

// Every pixel of the window a colour of its own place.
QRgb ColourAt(int x, int y) { return qRgb(x * 6, y * 12, 90); }

class TStripes : public QWidget {
public:
  TStripes() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) { setGeometry(200, 150, kW, kH); }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) {
        p.setPen(QColor(ColourAt(x, y)));
        p.drawPoint(x, y);
      }
  }
};

class WindowAnimation : public ::testing::Test {
protected:
  void TearDown() override { SetTickSource(nullptr); }

  // Plays the animation with a clock that moves on 100 ms at every look and
  // returns each frame with the time it was drawn for: the clock is read
  // once before the first frame and once before each following one.
  struct TFrame {
    int Elapsed;
    QImage Image;
  };
  std::vector<TFrame> Play(QWidget& window, std::uint32_t flags) {
    std::vector<TFrame> frames;
    std::uint32_t now = 5000;
    int looks = 0;
    SetTickSource([&] {
      // What shows now is the frame of the previous look.
      if (looks > 0) frames.push_back({(looks - 1) * kStep, LayeredFrame(&window)});
      ++looks;
      return now += kStep;
    });
    EXPECT_TRUE(AnimateWindow(&window, kMs, flags));
    SetTickSource(nullptr);
    frames.push_back({(looks - 1) * kStep, LayeredFrame(&window)});
    return frames;
  }

  // The columns of the window that show at `elapsed`.
  static int Seen(int elapsed) { return static_cast<int>(kW * (elapsed / double(kMs))); }
};

}  // namespace

TEST_F(WindowAnimation, ASlideCarriesThePictureInFromTheLeftEdge) {
  TStripes window;
  const auto frames = Play(window, AW_SLIDE | AW_ACTIVATE | AW_HOR_POSITIVE);
  ASSERT_EQ(frames.size(), std::size_t(kMs / kStep + 1));
  for (const TFrame& f : frames) {
    SCOPED_TRACE(f.Elapsed);
    ASSERT_EQ(f.Image.size(), QSize(kW, kH));
    const int seen = Seen(f.Elapsed);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) {
        // The right-hand part of the picture, at the window's left edge.
        const QRgb expected = x < seen ? ColourAt(x + kW - seen, y) : 0u;
        ASSERT_EQ(f.Image.pixel(x, y), expected) << x << "," << y;
      }
  }
  EXPECT_EQ(frames.back().Elapsed, kMs);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(IsLayered(&window));
  EXPECT_EQ(window.windowOpacity(), 1.0);
}

TEST_F(WindowAnimation, ARollUncoversThePictureWhereItStandsAndKeepsTheWindowsShape) {
  TStripes window;
  const QRegion shape = QRegion(0, 0, kW, kH) - QRegion(kW - 4, 0, 4, 4);
  window.setMask(shape);
  const auto frames = Play(window, AW_ACTIVATE | AW_HOR_POSITIVE);
  ASSERT_EQ(frames.size(), std::size_t(kMs / kStep + 1));
  for (const TFrame& f : frames) {
    SCOPED_TRACE(f.Elapsed);
    const int seen = Seen(f.Elapsed);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) {
        const QRgb expected = x < seen && shape.contains(QPoint(x, y)) ? ColourAt(x, y) : 0u;
        ASSERT_EQ(f.Image.pixel(x, y), expected) << x << "," << y;
      }
  }
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.mask(), shape) << "the window keeps its own shape";
}

TEST_F(WindowAnimation, HidingSlidesThePictureOutOverTheFarEdge) {
  TStripes window;
  window.show();
  const auto frames = Play(window, AW_HIDE | AW_SLIDE | AW_HOR_POSITIVE);
  ASSERT_EQ(frames.size(), std::size_t(kMs / kStep + 1));
  for (const TFrame& f : frames) {
    SCOPED_TRACE(f.Elapsed);
    const int seen = Seen(kMs - f.Elapsed);
    for (int x = 0; x < kW; ++x) {
      // The left-hand part of the picture, at the window's right edge.
      const QRgb expected = x >= kW - seen ? ColourAt(x - (kW - seen), 7) : 0u;
      ASSERT_EQ(f.Image.pixel(x, 7), expected) << x;
    }
  }
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(IsLayered(&window));
  // A shown window is not shown again, nor a hidden one hidden.
  EXPECT_FALSE(AnimateWindow(&window, kMs, AW_HIDE | AW_SLIDE | AW_HOR_POSITIVE));
  window.show();
  EXPECT_FALSE(AnimateWindow(&window, kMs, AW_SLIDE | AW_HOR_POSITIVE));
}

TEST_F(WindowAnimation, AWindowClosedWhileItSlidesInStaysClosed) {
  TStripes window;
  std::uint32_t now = 5000;
  int looks = 0;
  SetTickSource([&] {
    if (++looks == 3) window.hide();  // the user closes it half-way
    return now += kStep;
  });
  EXPECT_FALSE(AnimateWindow(&window, kMs, AW_SLIDE | AW_ACTIVATE | AW_HOR_POSITIVE));
  SetTickSource(nullptr);
  EXPECT_LT(looks, kMs / kStep);  // no frame after the close
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(IsLayered(&window));
}
