// Painting of a skinned frame: the composed frame, the inactive effects, the
// looks of the caption buttons, the caption text over its animation frames and
// the window's shape from a mask, on small pictures whose every pixel is
// known; and the caption's animation following its window's activation.
#include "skin/SkinBmp.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"
#include "skin/SkinFramePaint.h"
#include "SkinDataTestSupport.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace skintest;

namespace {
const QRgb kGrey = qRgb(100, 100, 100);
const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255), kYellow = qRgb(255, 255, 0);

// A 60 x 40 main picture: grey, a red top-left pixel, a green client area.
QImage MainPicture() {
  QImage img(60, 40, QImage::Format_RGB32);
  img.fill(kGrey);
  img.setPixel(0, 0, kRed);
  QPainter(&img).fillRect(QRect(3, 18, 54, 19), QColor(kGreen));
  return img;
}

// The button picture: normal red, active green, pressed blue, inactive
// yellow, 8 x 8 each, side by side.
QImage ButtonPicture() {
  QImage img(32, 8, QImage::Format_RGB32);
  QPainter p(&img);
  const QRgb colours[] = {kRed, kGreen, kBlue, kYellow};
  for (int i = 0; i < 4; ++i) p.fillRect(QRect(i * 8, 0, 8, 8), QColor(colours[i]));
  return img;
}

const QByteArray kText =
    "[VERSION]\r\nskinname=Frame\r\n"
    "[PICTURES]\r\npicture=main.bmp\r\nactivepicturescount=1\r\n0=buttons.bmp\r\n"
    "[FORMINFO]\r\nlefttoppoint=12,20\r\nrighttoppoint=48,20\r\nleftbottompoint=12,30\r\nrightbottompoint=48,30\r\n"
    "clientrect=3,18,57,37\r\ncaptionrect=3,1,57,17\r\nbuttonsoffset=1\r\nformminwidth=40\r\n"
    "leftstretch=1\r\nrightstretch=1\r\ntopstretch=1\r\nbottomstretch=1\r\n"
    "[SKINOBJECTS]\r\ncount=4\r\n0=close:stdbutton\r\n1=odd:userobject\r\n2=menu:menuitem\r\n3=caption:caption\r\n"
    "[close]\r\nactivepictureindex=0\r\nskinrectinapicture=1\r\nskinrect=0,0,8,8\r\nactiveskinrect=8,0,16,8\r\n"
    "downrect=16,0,24,8\r\ninactiveskinrect=24,0,32,8\r\nmorphing=1\r\ncommand=cmclose\r\n"
    "[odd]\r\nactivepictureindex=5\r\nskinrect=20,2,24,6\r\nactiveskinrect=1,1,2,2\r\nmorphing=1\r\n"
    "[caption]\r\nskinrect=3,1,57,17\r\nfontcolor=16711680\r\nactivefontcolor=255\r\n"
    "[SKINCONTROLS]\r\ncount=0\r\n";

// `caption` replaces the caption record's keys.
std::unique_ptr<TbsSkinData> FrameSkin(const QByteArray& caption = {}) {
  TContainer c;
  c.Picture = WriteBmp(MainPicture(), 24);
  c.Active = {WriteBmp(ButtonPicture(), 24)};
  c.Text = kText;
  if (!caption.isEmpty()) c.Text.replace("[caption]\r\nskinrect=3,1,57,17\r\n", "[caption]\r\n" + caption);
  auto data = std::make_unique<TbsSkinData>();
  auto stored = Stored(c.Bytes());
  data->ReadStoredSkin(stored.get());
  return data;
}

int CountNear(const QImage& img, QRgb want, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb p = img.pixel(x, y);
      if (std::abs(qRed(p) - qRed(want)) < 60 && std::abs(qGreen(p) - qGreen(want)) < 60 &&
          std::abs(qBlue(p) - qBlue(want)) < 60)
        ++n;
    }
  return n;
}
}  // namespace

TEST(SkinFormFramePaint, ObjectsComeFromTheRecordsExceptMenus) {
  auto data = FrameSkin();
  ASSERT_FALSE(data->Empty());
  const std::vector<TbsFrameObject> v = CreateFrameObjects(*data);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[0].Kind, TbsFrameObjectKind::CaptionButton);
  EXPECT_EQ(v[0].Command, TbsStdCommand::cmClose);
  EXPECT_EQ(v[0].DownRect, (TRect{16, 0, 24, 8}));
  EXPECT_TRUE(v[0].Morphing);
  // An active picture index out of range: no active look, no morphing.
  EXPECT_EQ(v[1].Kind, TbsFrameObjectKind::User);
  EXPECT_EQ(v[1].ActivePictureIndex, -1);
  EXPECT_TRUE(v[1].ActiveSkinRect.IsEmpty());
  EXPECT_FALSE(v[1].Morphing);
  EXPECT_EQ(v[2].Kind, TbsFrameObjectKind::Caption);
  ASSERT_TRUE(v[2].Caption.has_value());
  EXPECT_EQ(v[2].Caption->ActiveFontColor, 255);
}

TEST(SkinFormFramePaint, CaptionButtonTakesTheLookOfItsState) {
  auto data = FrameSkin();
  TbsFrameObject o = CreateFrameObjects(*data)[0];
  o.Rect = {2, 2, 10, 10};
  auto look = [&](bool active, bool down, bool windowActive) {
    QImage frame(20, 20, QImage::Format_ARGB32_Premultiplied);
    frame.fill(0);
    o.Active = active;
    o.Down = down;
    TbsFrameState state;
    state.Window = frame.size();
    state.Active = windowActive;
    DrawFrameObject(frame, *data, o, state);
    EXPECT_EQ(frame.pixel(0, 0), 0u);  // nothing outside its rectangle
    return frame.pixel(5, 5);
  };
  EXPECT_EQ(look(false, false, true), kRed | 0xff000000);
  EXPECT_EQ(look(true, false, true), kGreen | 0xff000000);
  EXPECT_EQ(look(true, true, true), kBlue | 0xff000000);
  EXPECT_EQ(look(false, false, false), kYellow | 0xff000000);
  EXPECT_EQ(look(true, true, false), kBlue | 0xff000000);
  // Hidden: nothing drawn.
  o.Visible = false;
  EXPECT_EQ(look(false, false, true), 0u);

  // Half way through morphing: the normal and active looks mixed.
  o.Visible = true;
  o.MorphK = 0.5;
  const QRgb mixed = look(false, false, true);
  EXPECT_NEAR(qRed(mixed), 128, 1);
  EXPECT_NEAR(qGreen(mixed), 128, 1);
  EXPECT_EQ(qBlue(mixed), 0);
  EXPECT_EQ(look(true, true, true), kBlue | 0xff000000);  // pressed: no morphing
  o.Morphing = false;
  EXPECT_EQ(look(false, false, true), kRed | 0xff000000);

  // A maximise button of a maximised window shows its restore look.
  TbsFrameObject max = CreateFrameObjects(*data)[0];
  max.Command = TbsStdCommand::cmMaximize;
  max.RestoreRect = {24, 0, 32, 8};
  max.Rect = {0, 0, 8, 8};
  QImage frame(8, 8, QImage::Format_ARGB32_Premultiplied);
  TbsFrameState state;
  state.Window = frame.size();
  state.Maximized = true;
  DrawFrameObject(frame, *data, max, state);
  EXPECT_EQ(frame.pixel(4, 4), kYellow | 0xff000000);
  state.Maximized = false;
  DrawFrameObject(frame, *data, max, state);
  EXPECT_EQ(frame.pixel(4, 4), kRed | 0xff000000);
}

TEST(SkinFormFramePaint, AnAnimatedCaptionShowsItsFrameUnderItsText) {
  // Two frames in the button picture: red, then green.
  auto data = FrameSkin("skinrect=3,1,57,17\r\nactivepictureindex=0\r\nskinrectinapicture=1\r\n"
                        "animateskinrect=0,0,16,8\r\nframecount=2\r\nanimateinterval=30\r\ninactiveanimation=1\r\n");
  TbsFrameObject o = CreateFrameObjects(*data)[2];
  ASSERT_EQ(o.Kind, TbsFrameObjectKind::Caption);
  EXPECT_EQ(o.FrameCount, 2);
  EXPECT_EQ(o.FramesRect, (TRect{0, 0, 16, 8}));
  EXPECT_EQ(o.FrameInterval, 30);
  EXPECT_TRUE(o.InActiveAnimation);
  o.Rect = {0, 0, 40, 16};
  auto corner = [&](int frame) {
    QImage img(40, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(0);
    o.Frame = frame;
    TbsFrameState state;
    state.Window = img.size();
    state.Caption = QStringLiteral("W");
    DrawFrameObject(img, *data, o, state);
    return img.pixel(39, 15);  // clear of the text
  };
  EXPECT_EQ(corner(0), 0u);  // its own look: the frame beneath shows
  EXPECT_EQ(corner(1), kRed | 0xff000000);
  EXPECT_EQ(corner(2), kGreen | 0xff000000);
  // A strip too narrow for its frames does not animate.
  auto narrow = FrameSkin("skinrect=3,1,57,17\r\nanimateskinrect=0,0,1,8\r\nframecount=2\r\n");
  EXPECT_EQ(CreateFrameObjects(*narrow)[2].FrameCount, 0);
}

TEST(SkinFormFramePaint, AnAnimatedCaptionPlaysWhileItsWindowIsActive) {
  for (const bool backWhenInactive : {false, true}) {
    SCOPED_TRACE(backWhenInactive);
    auto data = FrameSkin("skinrect=3,1,57,17\r\nactivepictureindex=0\r\nskinrectinapicture=1\r\n"
                          "animateskinrect=0,0,16,8\r\nframecount=2\r\ninactiveanimation=" +
                          QByteArray(backWhenInactive ? "1" : "0") + "\r\n");
    TForm form, other;
    TbsSkinForm* frame = CreateSkinFrame(&form, data.get(), biSystemMenu, {});
    form.SetClientSize(100, 40);
    form.Show();
    other.Show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.isActiveWindow(); }, 2000));
    const int caption = 2;
    ASSERT_EQ(frame->Objects()[caption].Kind, TbsFrameObjectKind::Caption);
    const TbsFrameAnimation* a = frame->Animation(caption);
    ASSERT_NE(a, nullptr);
    for (int i = 0; i < 2; ++i) {
      ASSERT_NE(a->Timer(), nullptr) << i;
      QMetaObject::invokeMethod(a->Timer(), "timeout");
    }
    EXPECT_EQ(a->Frame(), 2);
    EXPECT_EQ(a->Timer(), nullptr);

    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isActiveWindow(); }, 2000));
    if (backWhenInactive) {
      ASSERT_NE(a->Timer(), nullptr);  // plays back
      QMetaObject::invokeMethod(a->Timer(), "timeout");
      EXPECT_EQ(a->Frame(), 1);
    } else {
      EXPECT_EQ(a->Frame(), 0);  // drops its frames at once
      EXPECT_EQ(a->Timer(), nullptr);
    }
    // Without the skin's effects it does not start again.
    data->EnableSkinEffects = false;
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.isActiveWindow(); }, 2000));
    EXPECT_EQ(a->Frame(), 0);
    EXPECT_EQ(a->Timer(), nullptr);
  }
}

TEST(SkinFormFramePaint, FrameKeepsCornersAndLeavesTheClientOut) {
  auto data = FrameSkin();
  std::vector<TbsFrameObject> v = CreateFrameObjects(*data);
  const QSize window(120, 70);
  LayoutFrameObjects(v, data->FormInfo, data->Picture().size(), window, 0, false);
  TbsFrameState state;
  state.Window = window;
  const QImage frame = PaintSkinFrame(*data, v, state);
  ASSERT_EQ(frame.size(), window);
  EXPECT_EQ(frame.pixel(0, 0), kRed | 0xff000000);          // corner, unscaled
  EXPECT_EQ(frame.pixel(1, 0), kGrey | 0xff000000);
  EXPECT_EQ(frame.pixel(119, 69), kGrey | 0xff000000);
  EXPECT_EQ(qAlpha(frame.pixel(60, 40)), 0);                 // client: not painted
  EXPECT_EQ(qAlpha(frame.pixel(3, 48)), 0);
  EXPECT_EQ(frame.pixel(2, 48), kGrey | 0xff000000);         // left border
  // The close button at the caption's right end, 117 - 8 .. 117.
  EXPECT_EQ(frame.pixel(113, 5), kRed | 0xff000000);
  EXPECT_EQ(frame.pixel(108, 5), kGrey | 0xff000000);
}

TEST(SkinFormFramePaint, InactiveEffectsAlterEveryPixel) {
  auto effect = [](TbsInactiveEffect e) {
    QImage img(3, 1, QImage::Format_ARGB32_Premultiplied);
    img.fill(qRgb(100, 50, 200));
    img.setPixel(2, 0, 0);  // transparent stays transparent
    ApplyInactiveEffect(img, e);
    EXPECT_EQ(img.pixel(2, 0), 0u);
    return img.pixel(0, 0);
  };
  EXPECT_EQ(effect(TbsInactiveEffect::ieBrightness), qRgb(178, 153, 228));
  EXPECT_EQ(effect(TbsInactiveEffect::ieDarkness), qRgb(70, 35, 140));
  EXPECT_EQ(effect(TbsInactiveEffect::ieGrayScale), qRgb(81, 81, 81));
  EXPECT_EQ(effect(TbsInactiveEffect::ieInvert), qRgb(155, 205, 55));
  const QRgb noisy = effect(TbsInactiveEffect::ieNoise);
  EXPECT_LE(std::abs(qRed(noisy) - 100), 25);
  EXPECT_LE(std::abs(qBlue(noisy) - 200), 25);

  QImage stripe(3, 1, QImage::Format_ARGB32_Premultiplied);
  stripe.setPixel(0, 0, qRgb(0, 0, 0));
  stripe.setPixel(1, 0, qRgb(90, 90, 90));
  stripe.setPixel(2, 0, qRgb(0, 0, 0));
  ApplyInactiveEffect(stripe, TbsInactiveEffect::ieSplitBlur);
  EXPECT_EQ(stripe.pixel(1, 0), qRgb(30, 30, 30));
  EXPECT_EQ(stripe.pixel(0, 0), qRgb(30, 30, 30));  // 0 + 0 + 90 over three
}

TEST(SkinFormFramePaint, CaptionTextUsesTheActiveOrInactiveColourAndShadow) {
  TbsDataSkinCaption rec(QStringLiteral("caption"));
  rec.Font.Color = 0xFF0000;       // blue
  rec.ActiveFontColor = 0x0000FF;  // red
  rec.Shadow = true;
  rec.ShadowColor = rec.ActiveShadowColor = 0x00FF00;  // green
  rec.Font.Style = fsBold;
  rec.Alignment = TAlignment::taLeftJustify;
  TbsFrameObject o;
  o.Kind = TbsFrameObjectKind::Caption;
  o.Caption = rec;
  o.SkinRect = o.Rect = {0, 0, 80, 20};
  auto draw = [&](bool active) {
    QImage img(80, 20, QImage::Format_ARGB32_Premultiplied);
    img.fill(qRgb(255, 255, 255));
    DrawCaptionText(img, o, QStringLiteral("WM"), active);
    return img;
  };
  const QImage active = draw(true), inactive = draw(false);
  EXPECT_GT(CountNear(active, kRed, active.rect()), 0);
  EXPECT_EQ(CountNear(active, kBlue, active.rect()), 0);
  EXPECT_GT(CountNear(inactive, kBlue, inactive.rect()), 0);
  EXPECT_EQ(CountNear(inactive, kRed, inactive.rect()), 0);
  EXPECT_GT(CountNear(active, kGreen, active.rect()), 0);
  // Left aligned: the right end stays white; right aligned: the left end.
  EXPECT_EQ(CountNear(active, kRed, QRect(50, 0, 30, 20)), 0);
  o.Caption->Alignment = TAlignment::taRightJustify;
  const QImage right = draw(true);
  EXPECT_EQ(CountNear(right, kRed, QRect(0, 0, 30, 20)), 0);
  EXPECT_GT(CountNear(right, kRed, QRect(50, 0, 30, 20)), 0);
}

TEST(SkinFormFramePaint, RegionIsTheMaskRectangleAndTheBlackPixelsAround) {
  // A 10 x 10 mask, black but for its two top corners; mask area 2,2,8,8.
  QImage mask(10, 10, QImage::Format_RGB32);
  mask.fill(qRgb(0, 0, 0));
  mask.setPixel(0, 0, qRgb(255, 255, 255));
  mask.setPixel(9, 0, qRgb(255, 255, 255));
  TbsDataSkinFormInfo info;
  info.LeftTopPoint = {3, 3};
  info.RightTopPoint = {7, 3};
  info.LeftBottomPoint = {3, 7};
  info.RightBottomPoint = {7, 7};
  info.ClientRect = info.MaskRectArea = {2, 2, 8, 8};
  info.LeftStretch = info.RightStretch = info.TopStretch = info.BottomStretch = true;
  const QRegion r = FrameRegion(mask, info, {10, 10}, {30, 20});
  EXPECT_EQ(r.boundingRect(), QRect(0, 0, 30, 20));
  EXPECT_FALSE(r.contains(QPoint(0, 0)));
  EXPECT_FALSE(r.contains(QPoint(29, 0)));  // the right corner moved with the width
  EXPECT_TRUE(r.contains(QPoint(1, 0)));
  EXPECT_TRUE(r.contains(QPoint(28, 0)));
  EXPECT_TRUE(r.contains(QPoint(0, 19)));
  EXPECT_TRUE(r.contains(QPoint(29, 19)));
  EXPECT_TRUE(r.contains(QPoint(15, 10)));  // mask rectangle

  // A white edge pixel cuts the stretched edge; the mask rectangle stays whole.
  mask.setPixel(5, 1, qRgb(255, 255, 255));
  const QRegion cut = FrameRegion(mask, info, {10, 10}, {30, 20});
  EXPECT_FALSE(cut.contains(QPoint(15, 1)));
  EXPECT_TRUE(cut.contains(QPoint(15, 2)));

  // No mask: no shape at all.
  EXPECT_TRUE(FrameRegion(QImage(), info, {10, 10}, {30, 20}).isEmpty());
}
