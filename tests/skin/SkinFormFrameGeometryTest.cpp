// Frame geometry of a skinned window as plain functions: corner points and
// rectangles for a window size, least size, object placement, which caption
// buttons show and where, and what lies under a point.
#include "skin/SkinFrameGeometry.h"

#include <gtest/gtest.h>

namespace {

// The metal skins' frame: a 292 x 165 picture, client 2,25,290,162.
TbsDataSkinFormInfo MetalInfo() {
  TbsDataSkinFormInfo f;
  f.LeftTopPoint = {60, 40};
  f.RightTopPoint = {232, 40};
  f.LeftBottomPoint = {60, 140};
  f.RightBottomPoint = {232, 140};
  f.ClientRect = {2, 25, 290, 162};
  f.CaptionRect = {6, 4, 287, 21};
  f.ButtonsOffset = 2;
  f.FormMinWidth = 170;
  f.HitTestLeftTopPoint = {10, 10};
  f.HitTestRightBottomPoint = {280, 150};
  return f;
}
const QSize kPicture(292, 165);

TbsFrameObject Button(TbsStdCommand command, const TRect& skinRect) {
  TbsFrameObject o;
  o.Kind = TbsFrameObjectKind::CaptionButton;
  o.Command = command;
  o.SkinRect = skinRect;
  return o;
}

std::vector<TbsFrameObject> MetalObjects() {
  std::vector<TbsFrameObject> v;
  v.push_back(Button(TbsStdCommand::cmClose, {2, 2, 21, 19}));
  v.push_back(Button(TbsStdCommand::cmMaximize, {2, 21, 21, 38}));
  v.push_back(Button(TbsStdCommand::cmMinimize, {2, 40, 21, 57}));
  v.push_back(Button(TbsStdCommand::cmRollUp, {2, 78, 21, 95}));
  v.push_back(Button(TbsStdCommand::cmSysMenu, {2, 116, 21, 133}));
  TbsFrameObject caption;
  caption.Kind = TbsFrameObjectKind::Caption;
  caption.SkinRect = {6, 4, 287, 21};
  v.push_back(caption);
  v.push_back(Button(TbsStdCommand::cmMinimizeToTray, {2, 135, 21, 152}));
  return v;
}

const TbsFrameObject& Find(const std::vector<TbsFrameObject>& v, TbsStdCommand c) {
  for (const auto& o : v)
    if (o.Kind == TbsFrameObjectKind::CaptionButton && o.Command == c) return o;
  throw std::logic_error("no such button");
}
const TbsFrameObject& CaptionOf(const std::vector<TbsFrameObject>& v) {
  for (const auto& o : v)
    if (o.Kind == TbsFrameObjectKind::Caption) return o;
  throw std::logic_error("no caption");
}

}  // namespace

TEST(SkinFormFrameGeometry, PointsAndRectanglesFollowTheWindowSize) {
  const TbsDataSkinFormInfo info = MetalInfo();
  // The main window: client 382 x 184 inside 2/25/2/3 borders.
  TbsFrameGeometry g = FrameGeometryFor(info, kPicture, {386, 212});
  EXPECT_EQ(g.Points.LeftTop, QPoint(60, 40));
  EXPECT_EQ(g.Points.RightTop, QPoint(326, 40));
  EXPECT_EQ(g.Points.LeftBottom, QPoint(60, 187));
  EXPECT_EQ(g.Points.RightBottom, QPoint(326, 187));
  EXPECT_EQ(g.ClientRect, (TRect{2, 25, 384, 209}));
  EXPECT_EQ(g.CaptionRect, (TRect{6, 4, 381, 21}));
  EXPECT_EQ(g.HitTestPoints.LeftTop, QPoint(10, 10));
  EXPECT_EQ(g.HitTestPoints.RightBottom, QPoint(374, 197));
  EXPECT_TRUE(g.MaskRect.IsEmpty());  // no mask area: none appears

  // Narrower than the picture: everything right and below moves back.
  g = FrameGeometryFor(info, kPicture, {200, 100});
  EXPECT_EQ(g.Points.RightTop, QPoint(140, 40));
  EXPECT_EQ(g.Points.LeftBottom, QPoint(60, 75));
  EXPECT_EQ(g.ClientRect, (TRect{2, 25, 198, 97}));
  EXPECT_EQ(g.CaptionRect, (TRect{6, 4, 195, 21}));

  // At the picture's own size nothing moves.
  g = FrameGeometryFor(info, kPicture, kPicture);
  EXPECT_EQ(g.ClientRect, info.ClientRect);
  EXPECT_EQ(g.Points.RightBottom, info.RightBottomPoint);
}

TEST(SkinFormFrameGeometry, ButtonsAndMaskRectanglesMoveByTheirRules) {
  TbsDataSkinFormInfo info = MetalInfo();
  info.MaskRectArea = {2, 25, 290, 162};
  info.ButtonsRect = {200, 4, 287, 21};  // right of the middle: moves with the right edge
  TbsFrameGeometry g = FrameGeometryFor(info, kPicture, {392, 265});
  EXPECT_EQ(g.ButtonsRect, (TRect{300, 4, 387, 21}));
  EXPECT_EQ(g.MaskRect, (TRect{2, 25, 390, 262}));
  info.ButtonsRect = {10, 4, 100, 21};  // left of the middle: stays
  g = FrameGeometryFor(info, kPicture, {392, 265});
  EXPECT_EQ(g.ButtonsRect, (TRect{10, 4, 100, 21}));
  info.CaptionRect = {};  // no caption area: none appears
  EXPECT_TRUE(FrameGeometryFor(info, kPicture, {392, 265}).CaptionRect.IsEmpty());
}

TEST(SkinFormFrameGeometry, NonClientMarginsAndLeastSize) {
  TbsDataSkinFormInfo info = MetalInfo();
  EXPECT_EQ(SkinNonClientMargins(info, kPicture), QMargins(2, 25, 2, 3));
  TbsDataSkinFormInfo cyber;
  cyber.ClientRect = {5, 27, 145, 142};
  EXPECT_EQ(SkinNonClientMargins(cyber, {150, 150}), QMargins(5, 27, 5, 8));

  EXPECT_EQ(SkinLeastSize(info, kPicture, 0, 0), QSize(170, 28));
  EXPECT_EQ(SkinLeastSize(info, kPicture, 200, 0), QSize(170, 28));  // not beyond the picture: ignored
  EXPECT_EQ(SkinLeastSize(info, kPicture, 300, 50), QSize(300, 50));
  info.FormMinWidth = 0;
  EXPECT_EQ(SkinLeastSize(info, kPicture, 0, 0), QSize(292, 28));
  EXPECT_EQ(PlainLeastSize(0, 0, 22), QSize(120, 28));
  EXPECT_EQ(PlainLeastSize(150, 40, 22), QSize(150, 40));
}

TEST(SkinFormFrameGeometry, ObjectsMoveWithTheirCornerAreasOrStretchBetweenThem) {
  const TbsCornerPoints pt{{60, 40}, {232, 40}, {60, 140}, {232, 140}};
  const QSize window(392, 265);  // dw = dh = 100
  auto place = [&](TRect r) { return PlaceObjectRect(r, pt, kPicture, window); };
  EXPECT_EQ(place({5, 5, 20, 20}), (TRect{5, 5, 20, 20}));              // top-left
  EXPECT_EQ(place({240, 5, 260, 20}), (TRect{340, 5, 360, 20}));        // top-right
  EXPECT_EQ(place({5, 150, 20, 160}), (TRect{5, 250, 20, 260}));        // bottom-left
  EXPECT_EQ(place({240, 150, 260, 160}), (TRect{340, 250, 360, 260}));  // bottom-right
  EXPECT_EQ(place({6, 4, 287, 21}), (TRect{6, 4, 387, 21}));            // top-left to top-right
  EXPECT_EQ(place({0, 30, 2, 150}), (TRect{0, 30, 2, 250}));            // top-left to bottom-left
  EXPECT_EQ(place({0, 0, 292, 165}), (TRect{0, 0, 392, 265}));          // top-left to bottom-right
  EXPECT_EQ(place({10, 150, 280, 160}), (TRect{10, 250, 380, 260}));    // bottom-left to bottom-right
  EXPECT_EQ(place({288, 30, 292, 150}), (TRect{388, 30, 392, 250}));    // top-right to bottom-right
  EXPECT_EQ(place({100, 50, 120, 60}), (TRect{100, 50, 120, 60}));      // in the middle: stays
}

TEST(SkinFormFrameGeometry, CaptionButtonsShowByBorderIcons) {
  using C = TbsStdCommand;
  struct Case {
    TbsBorderIcons Icons;
    bool Hide;
    bool Close, Max, Min, Sys, Roll, Tray;
  };
  const Case cases[] = {
      {biMinimize, false, true, false, true, false, false, false},  // main and working windows
      {biSystemMenu, false, true, false, false, true, false, false},  // About, pneumatic
      {0, false, true, false, false, false, false, false},            // message dialog
      {biSystemMenu | biMinimize | biMaximize | biRollUp, false, true, true, true, true, true, false},
      {biMinimizeToTray, false, true, false, false, false, false, true},
      {biSystemMenu | biMinimize | biMaximize | biRollUp | biMinimizeToTray, true, false, false, false, false,
       false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "icons " << c.Icons << " hide " << c.Hide);
    EXPECT_EQ(CaptionButtonShows(C::cmClose, c.Icons, c.Hide), c.Close);
    EXPECT_EQ(CaptionButtonShows(C::cmMaximize, c.Icons, c.Hide), c.Max);
    EXPECT_EQ(CaptionButtonShows(C::cmMinimize, c.Icons, c.Hide), c.Min);
    EXPECT_EQ(CaptionButtonShows(C::cmSysMenu, c.Icons, c.Hide), c.Sys);
    EXPECT_EQ(CaptionButtonShows(C::cmRollUp, c.Icons, c.Hide), c.Roll);
    EXPECT_EQ(CaptionButtonShows(C::cmMinimizeToTray, c.Icons, c.Hide), c.Tray);
    EXPECT_FALSE(CaptionButtonShows(C::cmDefault, c.Icons, c.Hide));
  }
}

TEST(SkinFormFrameGeometry, ButtonsSitRightToLeftWithTheOffsetAndTheCaptionSpansTheRest) {
  const TbsDataSkinFormInfo info = MetalInfo();
  std::vector<TbsFrameObject> v = MetalObjects();
  LayoutFrameObjects(v, info, kPicture, {386, 212}, biMinimize, false);
  // Caption rectangle at this size: 6,4,381,21.
  EXPECT_EQ(Find(v, TbsStdCommand::cmClose).Rect, (TRect{362, 4, 381, 21}));
  EXPECT_EQ(Find(v, TbsStdCommand::cmMinimize).Rect, (TRect{341, 4, 360, 21}));
  EXPECT_FALSE(Find(v, TbsStdCommand::cmMaximize).Visible);
  EXPECT_FALSE(Find(v, TbsStdCommand::cmSysMenu).Visible);
  EXPECT_EQ(CaptionOf(v).Rect, (TRect{6, 4, 341, 21}));

  // Every button: close, maximise, minimise, roll-up from the right; the
  // system-menu button at the caption's left end.
  LayoutFrameObjects(v, info, kPicture, {386, 212}, biSystemMenu | biMinimize | biMaximize | biRollUp, false);
  EXPECT_EQ(Find(v, TbsStdCommand::cmMaximize).Rect, (TRect{341, 4, 360, 21}));
  EXPECT_EQ(Find(v, TbsStdCommand::cmMinimize).Rect, (TRect{320, 4, 339, 21}));
  EXPECT_EQ(Find(v, TbsStdCommand::cmRollUp).Rect, (TRect{299, 4, 318, 21}));
  EXPECT_EQ(Find(v, TbsStdCommand::cmSysMenu).Rect, (TRect{6, 4, 25, 21}));
  EXPECT_EQ(CaptionOf(v).Rect, (TRect{25, 4, 299, 21}));

  // A 16 x 16 window icon as the system-menu button, centred down the caption.
  LayoutFrameObjects(v, info, kPicture, {386, 212}, biSystemMenu, false, {16, 16});
  EXPECT_EQ(Find(v, TbsStdCommand::cmSysMenu).Rect, (TRect{6, 4, 22, 20}));
  EXPECT_EQ(Find(v, TbsStdCommand::cmClose).Rect, (TRect{362, 4, 381, 21}));

  // Hidden buttons: the caption runs to the area's right edge + offset.
  LayoutFrameObjects(v, info, kPicture, {386, 212}, biMinimize, true);
  for (const auto& o : v) {
    if (o.Kind == TbsFrameObjectKind::CaptionButton) {
      EXPECT_FALSE(o.Visible);
    }
  }
  EXPECT_EQ(CaptionOf(v).Rect, (TRect{6, 4, 383, 21}));
}

TEST(SkinFormFrameGeometry, AButtonsRectangleTakesTheButtonsAndLeavesTheCaption) {
  TbsDataSkinFormInfo info = MetalInfo();
  info.ButtonsRect = {240, 2, 290, 20};
  info.ButtonsOffset = 5;
  std::vector<TbsFrameObject> v = MetalObjects();
  LayoutFrameObjects(v, info, kPicture, {392, 265}, biMinimize, false);
  EXPECT_EQ(Find(v, TbsStdCommand::cmClose).Rect, (TRect{371, 2, 390, 19}));
  EXPECT_EQ(Find(v, TbsStdCommand::cmMinimize).Rect, (TRect{347, 2, 366, 19}));
  EXPECT_EQ(CaptionOf(v).Rect, (TRect{6, 4, 387, 21}));  // placed as an object only
}

TEST(SkinFormFrameGeometry, HitTestTellsCaptionClientButtonsAndBorder) {
  const TbsDataSkinFormInfo info = MetalInfo();
  const QSize window(386, 212);
  std::vector<TbsFrameObject> v = MetalObjects();
  LayoutFrameObjects(v, info, kPicture, window, biMinimize, false);
  const TbsFrameGeometry g = FrameGeometryFor(info, kPicture, window);
  int index = -2;
  EXPECT_EQ(FrameHitTest({100, 10}, g, v, &index), TbsFrameHit::Caption);
  EXPECT_EQ(index, -1);
  EXPECT_EQ(FrameHitTest({100, 100}, g, v), TbsFrameHit::Client);
  EXPECT_EQ(FrameHitTest({2, 25}, g, v), TbsFrameHit::Client);
  EXPECT_EQ(FrameHitTest({1, 100}, g, v), TbsFrameHit::Border);
  EXPECT_EQ(FrameHitTest({100, 210}, g, v), TbsFrameHit::Border);
  EXPECT_EQ(FrameHitTest({370, 12}, g, v, &index), TbsFrameHit::Object);
  ASSERT_GE(index, 0);
  EXPECT_EQ(v[index].Command, TbsStdCommand::cmClose);
  EXPECT_EQ(FrameHitTest({350, 12}, g, v, &index), TbsFrameHit::Object);
  EXPECT_EQ(v[index].Command, TbsStdCommand::cmMinimize);
  // The gap between the buttons and the strip right of close are no caption.
  EXPECT_EQ(FrameHitTest({360, 12}, g, v), TbsFrameHit::Border);
  EXPECT_EQ(FrameHitTest({383, 12}, g, v), TbsFrameHit::Border);

  // Without a caption object the caption rectangle drags, the buttons still act.
  std::erase_if(v, [](const TbsFrameObject& o) { return o.Kind == TbsFrameObjectKind::Caption; });
  EXPECT_EQ(FrameHitTest({100, 10}, g, v), TbsFrameHit::Caption);
  EXPECT_EQ(FrameHitTest({370, 12}, g, v), TbsFrameHit::Object);
}

TEST(SkinFrameSizing, ZonesLieAlongTheEdgeCornersFirst) {
  const QSize w(300, 200);
  const TRect client{2, 25, 298, 197};
  const TbsCornerPoints hit{QPoint(60, 40), QPoint(240, 40), QPoint(60, 160), QPoint(240, 160)};
  struct Case {
    QPoint P;
    TbsFrameEdge Edge;
  };
  const Case cases[] = {
      {{0, 0}, TbsFrameEdge::TopLeft},       {{1, 30}, TbsFrameEdge::TopLeft},  // down the left edge to y 40
      {{1, 41}, TbsFrameEdge::Left},         {{1, 100}, TbsFrameEdge::Left},
      {{150, 0}, TbsFrameEdge::Top},         {{61, 2}, TbsFrameEdge::Top},
      {{299, 10}, TbsFrameEdge::TopRight},   {{240, 0}, TbsFrameEdge::TopRight},
      {{299, 100}, TbsFrameEdge::Right},     {{150, 199}, TbsFrameEdge::Bottom},
      {{10, 199}, TbsFrameEdge::BottomLeft}, {{299, 199}, TbsFrameEdge::BottomRight},
      {{150, 100}, TbsFrameEdge::None},      {{3, 100}, TbsFrameEdge::None},  // 3 pixels in: past the border
      {{150, 10}, TbsFrameEdge::None},       // the caption, away from the edge
      {{-1, 5}, TbsFrameEdge::None},         {{300, 5}, TbsFrameEdge::None},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FrameSizingZone(c.P, w, client, hit, 3), c.Edge) << c.P.x() << "," << c.P.y();
  EXPECT_EQ(FrameSizingZone({0, 0}, w, client, hit, 0), TbsFrameEdge::None);
  EXPECT_EQ(FrameEdges(TbsFrameEdge::BottomRight), Qt::BottomEdge | Qt::RightEdge);
  EXPECT_EQ(FrameEdges(TbsFrameEdge::None), Qt::Edges());
}
