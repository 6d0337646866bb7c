// The skinned scroll bar: thumb size and place for a range, the parts of a
// skinned and a plain bar, the drawing of each part by state, and the
// QScrollBar that wears it (size, mouse, skin notices).
#include "platform/Forms.h"
#include "resources/Resources.h"
#include "skin/SkinData.h"
#include "skin/SkinRecords.h"
#include "skin/SkinScrollBar.h"
#include "skin/StoredSkin.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TbsScrollState Range(int min, int max, int page, int pos) {
  TbsScrollState s;
  s.Min = min;
  s.Max = max;
  s.Page = page;
  s.Position = pos;
  return s;
}

TEST(SkinScrollBarThumb, ShareAndPlaceFollowTheRange) {
  // 0..90 with a page of 10: a tenth of the track.
  EXPECT_EQ(ThumbSpan(Range(0, 90, 10, 0), 100).Length, 10);
  EXPECT_EQ(ThumbSpan(Range(0, 90, 10, 0), 100).Start, 0);
  EXPECT_EQ(ThumbSpan(Range(0, 90, 10, 45), 100).Start, 45);
  EXPECT_EQ(ThumbSpan(Range(0, 90, 10, 90), 100).Start, 90);
  // Positions outside the range are held at its ends.
  EXPECT_EQ(ThumbSpan(Range(0, 90, 10, 500), 100).Start, 90);
  EXPECT_EQ(ThumbSpan(Range(0, 90, 10, -5), 100).Start, 0);
  // A huge range keeps the smallest thumb; a page larger than the range
  // still leaves room to move.
  EXPECT_EQ(ThumbSpan(Range(0, 100000, 1, 0), 100).Length, kMinThumbLength);
  EXPECT_EQ(ThumbSpan(Range(0, 4, 10, 4), 140).Length, 100);
  EXPECT_EQ(ThumbSpan(Range(0, 4, 10, 4), 140).Start, 40);
  // A range that does not start at 0.
  EXPECT_EQ(ThumbSpan(Range(10, 20, 10, 15), 100).Start, 25);
  // Nothing to scroll, or no track: no thumb.
  EXPECT_EQ(ThumbSpan(Range(0, 0, 10, 0), 100).Length, 0);
  EXPECT_EQ(ThumbSpan(Range(0, 50, 10, 0), 0).Length, 0);
  // A track shorter than the smallest thumb: the thumb fills it.
  EXPECT_EQ(ThumbSpan(Range(0, 100000, 1, 0), 5).Length, 5);
}

TEST(SkinScrollBarThumb, DraggingBackGivesThePosition) {
  for (int max : {1, 7, 90, 1000}) {
    for (int pos = 0; pos <= max; pos += std::max(1, max / 13)) {
      const TbsScrollState s = Range(0, max, 10, pos);
      const TbsThumbSpan span = ThumbSpan(s, 150);
      const int back = PositionForThumb(s, 150, span.Length, span.Start);
      // One pixel of track may stand for several positions.
      const double perPixel = double(max) / std::max(1, 150 - span.Length);
      EXPECT_LE(std::abs(back - pos), perPixel / 2 + 1) << max << " " << pos;
    }
  }
  const TbsScrollState s = Range(0, 90, 10, 0);
  EXPECT_EQ(PositionForThumb(s, 100, 10, -20), 0);
  EXPECT_EQ(PositionForThumb(s, 100, 10, 400), 90);
  EXPECT_EQ(PositionForThumb(s, 100, 100, 0), 0);  // nothing to move in
}

TEST(SkinScrollBarGeometry, PlainBarsButtonsAtTheEnds) {
  const TbsScrollGeometry v = PlainScrollGeometry(QRect(0, 0, 16, 100), true, Range(0, 10, 10, 0));
  EXPECT_EQ(v.UpButton, QRect(0, 0, 16, 16));
  EXPECT_EQ(v.DownButton, QRect(0, 84, 16, 16));
  EXPECT_EQ(v.Track, QRect(0, 16, 16, 68));
  EXPECT_EQ(v.Thumb, QRect(0, 16, 16, 34));
  const TbsScrollGeometry h = PlainScrollGeometry(QRect(5, 5, 20, 16), false, Range(0, 10, 10, 0));
  // Too short for two square buttons: half the length each, no track.
  EXPECT_EQ(h.UpButton, QRect(5, 5, 10, 16));
  EXPECT_EQ(h.DownButton, QRect(15, 5, 10, 16));
  EXPECT_TRUE(h.Thumb.isEmpty());
  EXPECT_EQ(ScrollPartAt(v, {5, 5}, true), TbsScrollPart::UpButton);
  EXPECT_EQ(ScrollPartAt(v, {5, 90}, true), TbsScrollPart::DownButton);
  EXPECT_EQ(ScrollPartAt(v, {5, 20}, true), TbsScrollPart::Thumb);
  EXPECT_EQ(ScrollPartAt(v, {5, 70}, true), TbsScrollPart::TrackAfter);
  EXPECT_EQ(ScrollPartAt(v, {50, 70}, true), TbsScrollPart::None);
}

// A synthetic bar: the skin picture 40 x 30; vertical bar (0,0)-(10,30):
// rows 0..8 up button kUp, 8..22 track kTrack, 22..30 down button kDown;
// thumb (20,0)-(30,12): two rows kEnd at each end, kMid between with one
// row kGrip (row 6); active up
// button (30,0)-(40,8) kHot, pressed up (30,10)-(40,18) kPressed; active
// thumb (20,14)-(30,26) kHot.
const QRgb kUp = qRgb(10, 10, 200), kTrack = qRgb(10, 200, 10), kDown = qRgb(200, 10, 10),
           kEnd = qRgb(50, 50, 50), kMid = qRgb(150, 150, 150), kHot = qRgb(250, 250, 0),
           kPressed = qRgb(0, 250, 250), kGrip = qRgb(250, 0, 250);

struct SyntheticBar {
  SyntheticBar() : Record(QStringLiteral("vscrollbar")) {
    Picture = QImage(40, 30, QImage::Format_RGB32);
    Picture.fill(qRgb(0, 0, 0));
    QPainter p(&Picture);
    p.fillRect(0, 0, 10, 8, kUp);
    p.fillRect(0, 8, 10, 14, kTrack);
    p.fillRect(0, 22, 10, 8, kDown);
    p.fillRect(20, 0, 10, 12, kEnd);
    p.fillRect(20, 2, 10, 8, kMid);
    p.fillRect(20, 6, 10, 1, kGrip);
    p.fillRect(30, 0, 10, 8, kHot);
    p.fillRect(30, 10, 10, 8, kPressed);
    p.fillRect(20, 14, 10, 12, kHot);
    p.end();
    Record.PictureIndex = 0;
    Record.SkinRect = {0, 0, 10, 30};
    Record.LeftTopPoint = {5, 8};
    Record.LeftBottomPoint = {5, 22};
    Record.ClientRect = {0, 8, 10, 22};
    Record.StretchEffect = true;
    Record.TrackArea = {0, 8, 10, 22};
    Record.UpButtonRect = {0, 0, 10, 8};
    Record.DownButtonRect = {0, 22, 10, 30};
    Record.ActiveUpButtonRect = {30, 0, 40, 8};
    Record.DownUpButtonRect = {30, 10, 40, 18};
    Record.ThumbRect = {20, 0, 30, 12};
    Record.ActiveThumbRect = {20, 14, 30, 26};
    Record.ThumbOffset1 = 2;
    Record.ThumbOffset2 = 2;
  }
  TbsScrollSkin Skin() const { return {&Record, Picture}; }
  QImage Draw(QSize size, const TbsScrollState& state) const {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(0);
    QPainter p(&img);
    EXPECT_TRUE(DrawSkinScrollBar(p, Skin(), img.rect(), true, state));
    return img;
  }
  TbsDataSkinScrollBarControl Record;
  QImage Picture;
};

TEST(SkinScrollBarDraw, PartsAtTheirPlacesAndTheThumbGrownByItsMiddle) {
  SyntheticBar bar;
  // 10 x 100: the track runs from 8 to 92 (84 pixels); range 0..30, page 10:
  // thumb 21 pixels, at position 15 it starts 32 pixels into the track.
  const TbsScrollState state = Range(0, 30, 10, 15);
  const TbsScrollGeometry g = SkinScrollGeometry(bar.Skin(), QRect(0, 0, 10, 100), true, state);
  EXPECT_EQ(g.UpButton, QRect(0, 0, 10, 8));
  EXPECT_EQ(g.DownButton, QRect(0, 92, 10, 8));
  EXPECT_EQ(g.Track, QRect(0, 8, 10, 84));
  EXPECT_EQ(g.Thumb, QRect(0, 8 + 32, 10, 21));

  const QImage img = bar.Draw({10, 100}, state);
  EXPECT_EQ(img.pixel(5, 3), kUp);
  EXPECT_EQ(img.pixel(5, 96), kDown);
  EXPECT_EQ(img.pixel(5, 20), kTrack);
  EXPECT_EQ(img.pixel(5, 80), kTrack);
  // The thumb (rows 40..60): its two-row ends as they are, the middle grown
  // with the grip kept one row high in the centre (the 8-row middle at 46..53).
  EXPECT_EQ(img.pixel(5, 40), kEnd);
  EXPECT_EQ(img.pixel(5, 41), kEnd);
  EXPECT_EQ(img.pixel(5, 42), kMid);
  EXPECT_EQ(img.pixel(5, 58), kMid);
  EXPECT_EQ(img.pixel(5, 59), kEnd);
  EXPECT_EQ(img.pixel(5, 60), kEnd);
  EXPECT_EQ(img.pixel(5, 61), kTrack);
  int grip = 0;
  for (int y = 40; y <= 60; ++y) grip += img.pixel(5, y) == kGrip;
  EXPECT_EQ(grip, 1);
  EXPECT_EQ(img.pixel(5, 50), kGrip);
}

TEST(SkinScrollBarDraw, HotAndPressedPartsWearTheirPictures) {
  SyntheticBar bar;
  TbsScrollState state = Range(0, 30, 10, 0);
  state.Hot = TbsScrollPart::UpButton;
  EXPECT_EQ(bar.Draw({10, 100}, state).pixel(5, 3), kHot);
  state.Pressed = TbsScrollPart::UpButton;
  EXPECT_EQ(bar.Draw({10, 100}, state).pixel(5, 3), kPressed);
  // The down button has no state pictures: it keeps the bar's own.
  state.Hot = state.Pressed = TbsScrollPart::DownButton;
  EXPECT_EQ(bar.Draw({10, 100}, state).pixel(5, 96), kDown);
  // A pressed thumb without a down picture falls back to the active one.
  state.Hot = TbsScrollPart::None;
  state.Pressed = TbsScrollPart::Thumb;
  EXPECT_EQ(bar.Draw({10, 100}, state).pixel(5, 12), kHot);
}

TEST(SkinScrollBarDraw, AThickerBarIsScaledAcross) {
  SyntheticBar bar;
  const TbsScrollState state = Range(0, 30, 10, 0);
  const TbsScrollGeometry g = SkinScrollGeometry(bar.Skin(), QRect(0, 0, 20, 100), true, state);
  EXPECT_EQ(g.UpButton, QRect(0, 0, 20, 8));
  const QImage img = bar.Draw({20, 100}, state);
  EXPECT_EQ(img.pixel(19, 3), kUp);
  EXPECT_EQ(img.pixel(19, 12), kMid);  // thumb, stretched across too
}

TEST(SkinScrollBarDraw, AnUnusableSkinDrawsNothingAndThePlainBarInstead) {
  SyntheticBar bar;
  bar.Record.SkinRect = {};
  QImage img(10, 100, QImage::Format_ARGB32_Premultiplied);
  img.fill(0);
  QPainter p(&img);
  EXPECT_FALSE(DrawSkinScrollBar(p, bar.Skin(), img.rect(), true, Range(0, 10, 10, 0)));
  EXPECT_EQ(img.pixel(5, 50), 0u);
  DrawScrollBar(p, bar.Skin(), img.rect(), true, Range(0, 10, 10, 0));
  p.end();
  EXPECT_EQ(QColor(img.pixel(0, 0)), ToQColor(clBtnShadow));  // the plain button's frame
}

// --- The widget on the stored skin ----------------------------------------------------

struct StoredBar {
  StoredBar() {
    Form.SetClientSize(200, 300);
    Data = new TbsSkinData(&Form);
    Data->SetCompressedStoredSkin(
        CreateStoredSkin(&Form, resources::Load(QStringLiteral("iMetal.skn")), QStringLiteral("iMetal.skn")));
    Bar = new TbsSkinScrollBar(Qt::Vertical, Form.Client());
    Bar->setRange(0, 90);
    Bar->setPageStep(10);
    Bar->setGeometry(10, 10, 17, 200);
    Bar->SetSkinData(Data);
    Form.Show();
  }
  TForm Form;
  TbsSkinData* Data;
  TbsSkinScrollBar* Bar;
};

TEST(SkinScrollBarWidget, WearsTheStoredBar) {
  StoredBar s;
  ASSERT_FALSE(s.Bar->Skin().IsEmpty());
  EXPECT_EQ(s.Bar->sizeHint().width(), 17);
  // "vscrollbar" of iMetal: 17 x 80, buttons 17 high at both ends.
  const TbsScrollGeometry g = s.Bar->Geometry();
  EXPECT_EQ(g.UpButton, QRect(0, 0, 17, 17));
  EXPECT_EQ(g.DownButton, QRect(0, 183, 17, 17));
  EXPECT_EQ(g.Track, QRect(0, 17, 17, 166));
  // The rendering starts with the picture's up button as it lies.
  const QImage picture = s.Data->ActivePicture(s.Bar->Skin().Record->PictureIndex);
  const TRect& skin = s.Bar->Skin().Record->SkinRect;
  EXPECT_EQ(s.Bar->Render().pixel(3, 3), picture.pixel(skin.Left + 3, skin.Top + 3));
}

TEST(SkinScrollBarWidget, MouseStepsPagesAndDrags) {
  StoredBar s;
  const TbsScrollGeometry g = s.Bar->Geometry();
  QTest::mouseClick(s.Bar, Qt::LeftButton, {}, g.DownButton.center());
  EXPECT_EQ(s.Bar->value(), 1);
  QTest::mouseClick(s.Bar, Qt::LeftButton, {}, g.UpButton.center());
  EXPECT_EQ(s.Bar->value(), 0);
  QTest::mouseClick(s.Bar, Qt::LeftButton, {}, QPoint(8, g.Track.bottom() - 2));
  EXPECT_EQ(s.Bar->value(), 10);
  // Drag the thumb to the end of the track.
  const QRect thumb = s.Bar->Geometry().Thumb;
  QTest::mousePress(s.Bar, Qt::LeftButton, {}, thumb.center());
  QMouseEvent move(QEvent::MouseMove, QPointF(thumb.center().x(), g.Track.bottom() + 50),
                   s.Bar->mapToGlobal(QPointF(thumb.center().x(), g.Track.bottom() + 50)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(s.Bar, &move);
  EXPECT_EQ(s.Bar->value(), 90);
  QTest::mouseRelease(s.Bar, Qt::LeftButton, {}, QPoint(thumb.center().x(), g.Track.bottom()));
  EXPECT_FALSE(s.Bar->isSliderDown());
  EXPECT_EQ(s.Bar->Geometry().Thumb.bottom(), g.Track.bottom());
}

TEST(SkinScrollBarWidget, PlainBetweenTheSkinNotices) {
  StoredBar s;
  const QImage skinned = s.Bar->Render();
  s.Bar->SkinWillChange();
  EXPECT_TRUE(s.Bar->Skin().IsEmpty());
  QImage plain(s.Bar->size(), QImage::Format_ARGB32_Premultiplied);
  plain.fill(ToQColor(clBtnFace));
  {
    QPainter p(&plain);
    DrawPlainScrollBar(p, plain.rect(), true, s.Bar->State());
  }
  EXPECT_EQ(s.Bar->Render(), plain);
  s.Bar->SkinChanged();
  EXPECT_EQ(s.Bar->Render(), skinned);
}

}  // namespace
