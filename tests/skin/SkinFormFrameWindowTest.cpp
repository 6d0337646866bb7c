// The frame on real windows with our stored skins: the non-client bands,
// least sizes, caption buttons and their commands, the caption drag, the
// window's shape, the rebuild on a skin change, and the caption buttons' morph
// and glow on hover (none without the skin's effects).
#include "resources/Resources.h"
#include "skin/SkinAnimation.h"
#include "skin/SkinBmp.h"
#include "skin/SkinButton.h"
#include "skin/SkinClient.h"
#include "skin/SkinEdit.h"
#include "skin/SkinForm.h"
#include "skin/SkinHint.h"
#include "skin/SkinStdLabel.h"
#include "skin/SkinTextLabel.h"
#include "skin/StoredSkin.h"
#include "SkinDataTestSupport.h"

#include "platform/Messages.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct SkinnedWindow {
  TForm form;
  TbsCompressedStoredSkin stored;
  TbsSkinData* data = new TbsSkinData(&form);
  TbsSkinForm* frame;

  SkinnedWindow(TbsBorderIcons icons, QSize client = {382, 184}) {
    frame = CreateSkinFrame(&form, data, icons, {.Icon = true, .ObjectHints = true});
    form.SetCaption(QStringLiteral("Окно"));
    form.SetClientSize(client.width(), client.height());
  }
  void Load(const char* skin) {
    stored.LoadCompressedData(resources::Load(QLatin1String(skin)));
    data->SetCompressedStoredSkin(&stored);
  }
};

void SendMouse(QWidget* w, QEvent::Type type, QPoint local, QPoint global) {
  QMouseEvent e(type, local, global, Qt::LeftButton, type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

}  // namespace

TEST(SkinFormFrameWindow, RealSkinsSetTheirBandsAndLeastSizes) {
  struct Case {
    const char* Skin;
    QMargins Band;
    QSize Least;
  };
  const Case cases[] = {{"iMetal2.skn", {2, 25, 2, 3}, {170, 28}},
                        {"iMetal.skn", {2, 25, 2, 3}, {170, 28}},
                        {"CyberObject.skn", {5, 27, 5, 8}, {160, 35}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Skin);
    SkinnedWindow w(biMinimize);
    // Unskinned until the skin is loaded: 3-pixel borders under a caption band.
    EXPECT_FALSE(w.frame->Skinned());
    EXPECT_EQ(w.form.NonClientMargins(), QMargins(3, kDefaultCaptionHeight + 3, 3, 3));
    w.Load(c.Skin);
    ASSERT_TRUE(w.frame->Skinned());
    EXPECT_EQ(w.form.NonClientMargins(), c.Band);
    EXPECT_EQ(QSize(w.form.ClientWidth(), w.form.ClientHeight()), QSize(382, 184));
    EXPECT_EQ(w.form.size(), QSize(382 + c.Band.left() + c.Band.right(), 184 + c.Band.top() + c.Band.bottom()));
    EXPECT_EQ(w.frame->LeastSize(), c.Least);
    EXPECT_EQ(w.form.minimumSize(), c.Least);
    EXPECT_EQ(w.form.Client()->geometry(), w.frame->Geometry().ClientRect.ToQRect());
  }
}

TEST(SkinFormFrameWindow, CaptionButtonsFollowBorderIcons) {
  SkinnedWindow w(biMinimize);
  w.Load("iMetal2.skn");
  EXPECT_TRUE(w.frame->IsButtonVisible(TbsStdCommand::cmClose));
  EXPECT_TRUE(w.frame->IsButtonVisible(TbsStdCommand::cmMinimize));
  EXPECT_FALSE(w.frame->IsButtonVisible(TbsStdCommand::cmMaximize));
  EXPECT_FALSE(w.frame->IsButtonVisible(TbsStdCommand::cmSysMenu));
  EXPECT_FALSE(w.frame->IsButtonVisible(TbsStdCommand::cmRollUp));
  const QRect close = w.frame->ButtonRect(TbsStdCommand::cmClose);
  const QRect minimise = w.frame->ButtonRect(TbsStdCommand::cmMinimize);
  EXPECT_EQ(close.size(), QSize(19, 17));
  EXPECT_EQ(close.right() + 1, w.form.width() - 5);  // the caption's right end (287 of 292)
  EXPECT_EQ(minimise.right() + 1 + 2, close.left()); // "buttonsoffset" 2
  EXPECT_EQ(minimise.top(), close.top());

  w.frame->SetBorderIcons(0);  // as a message dialog
  EXPECT_TRUE(w.frame->IsButtonVisible(TbsStdCommand::cmClose));
  EXPECT_FALSE(w.frame->IsButtonVisible(TbsStdCommand::cmMinimize));
  w.frame->SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp);
  w.frame->SetHideCaptionButtons(true);
  for (TbsStdCommand b : {TbsStdCommand::cmClose, TbsStdCommand::cmMinimize, TbsStdCommand::cmMaximize,
                          TbsStdCommand::cmSysMenu, TbsStdCommand::cmRollUp})
    EXPECT_FALSE(w.frame->IsButtonVisible(b));

  SkinnedWindow about(biSystemMenu, {455, 413});
  about.frame->ShowIcon = false;
  about.Load("CyberObject.skn");
  EXPECT_TRUE(about.frame->IsButtonVisible(TbsStdCommand::cmClose));
  EXPECT_FALSE(about.frame->IsButtonVisible(TbsStdCommand::cmMinimize));
  const QRect sys = about.frame->ButtonRect(TbsStdCommand::cmSysMenu);
  EXPECT_EQ(sys.topLeft(), QPoint(8, 4));  // the caption's left end, 8,4,142,23
  EXPECT_EQ(sys.size(), QSize(21, 19));
}

TEST(SkinFormFrameWindow, CloseAndMinimiseButtonsAct) {
  SkinnedWindow w(biMinimize);
  w.Load("iMetal2.skn");
  int closes = 0;
  w.form.OnClose = [&](TObject*, TCloseAction& action) {
    ++closes;
    action = TCloseAction::caHide;
  };
  w.form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.form));
  // A press that leaves the button before the release does nothing.
  const QRect close = w.frame->ButtonRect(TbsStdCommand::cmClose);
  QTest::mousePress(&w.form, Qt::LeftButton, {}, close.center());
  QTest::mouseRelease(&w.form, Qt::LeftButton, {}, QPoint(100, 100));
  EXPECT_EQ(closes, 0);
  QTest::mouseClick(&w.form, Qt::LeftButton, {}, close.center());
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(w.form.isVisible());

  w.form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.form));
  QTest::mouseClick(&w.form, Qt::LeftButton, {}, w.frame->ButtonRect(TbsStdCommand::cmMinimize).center());
  EXPECT_TRUE(w.form.isMinimized());
  EXPECT_EQ(closes, 1);
  w.form.showNormal();
  w.form.hide();
}

TEST(SkinFormFrameWindow, CaptionButtonsMorphToTheirActiveLookAndBack) {
  SkinnedWindow w(biMinimize);
  w.Load("iMetal2.skn");  // its caption buttons morph
  w.form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.form));
  auto closeK = [&] {
    for (const TbsFrameObject& o : w.frame->Objects())
      if (o.Command == TbsStdCommand::cmClose) return o.MorphK;
    return -1.0;
  };
  const QPoint over = w.frame->ButtonRect(TbsStdCommand::cmClose).center();
  QCursor::setPos(w.form.mapToGlobal(over));
  SendMouse(&w.form, QEvent::MouseMove, over, w.form.mapToGlobal(over));
  EXPECT_EQ(closeK(), 0.0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return closeK() == 1.0; }, 2000));
  // Straight into the client area: no event reaches the window, the
  // tracking notices the mouse gone and the button turns back.
  QCursor::setPos(w.form.mapToGlobal(QPoint(100, 100)));
  EXPECT_TRUE(QTest::qWaitFor([&] { return closeK() == 0.0; }, 2000));
  w.form.hide();
}

namespace {
int CloseObject(const TbsSkinForm& frame) {
  const auto& objects = frame.Objects();
  for (size_t i = 0; i < objects.size(); ++i)
    if (objects[i].Kind == TbsFrameObjectKind::CaptionButton && objects[i].Command == TbsStdCommand::cmClose)
      return int(i);
  return -1;
}

void Hover(SkinnedWindow& w, QPoint at) {
  QCursor::setPos(w.form.mapToGlobal(at));
  SendMouse(&w.form, QEvent::MouseMove, at, w.form.mapToGlobal(at));
}

// Pieces compared as plain RGB, whatever format they were drawn in.
QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }
QImage Piece(const QImage& picture, const TRect& r) { return Rgb(picture.copy(r.ToQRect())); }
}  // namespace

TEST(SkinFormFrameWindow, CyberObjectsCloseButtonGlowsFrameByFrameAndFadesBack) {
  SkinnedWindow w(biMinimize);
  w.Load("CyberObject.skn");
  w.form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.form));
  const int close = CloseObject(*w.frame);
  ASSERT_GE(close, 0);
  const TbsFrameObject o = w.frame->Objects()[size_t(close)];
  ASSERT_GT(o.FrameCount, 1);
  ASSERT_NE(w.frame->Animation(close), nullptr);
  const QImage strip = w.data->ActivePicture(o.ActivePictureIndex);
  const QRect at = w.frame->ButtonRect(TbsStdCommand::cmClose);
  auto shown = [&] { return Rgb(w.frame->FrameImage().copy(at)); };
  const QImage still = shown();
  EXPECT_EQ(still, Piece(strip, o.SkinRect));

  Hover(w, at.center());
  QPointer<QTimer> timer = w.frame->Animation(close)->Timer();
  ASSERT_TRUE(timer);
  EXPECT_EQ(timer->parent(), w.frame);
  EXPECT_EQ(shown(), still);  // nothing before the first frame's time
  for (int frame = 1; frame <= o.FrameCount; ++frame) {
    ASSERT_TRUE(timer) << frame;
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(shown(), Piece(strip, StripFrame(o.FramesRect, o.FrameCount, frame))) << frame;
  }
  EXPECT_EQ(w.frame->Animation(close)->Timer(), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(timer.isNull()) << "the glow's timer is freed when it arrives";
  EXPECT_EQ(shown(), Piece(strip, StripFrame(o.FramesRect, o.FrameCount, o.FrameCount)));  // it stays lit

  // The mouse goes straight into the client area: the tracking notices it
  // and the glow plays back to the button's own look.
  QCursor::setPos(w.form.mapToGlobal(QPoint(100, 100)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.frame->Animation(close)->Timer() != nullptr; }, 2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.frame->Animation(close)->Frame() == 0; }, 2000));
  EXPECT_EQ(shown(), still);

  // A run under way ends with the skin it belongs to.
  Hover(w, at.center());
  timer = w.frame->Animation(close)->Timer();
  ASSERT_TRUE(timer);
  w.Load("iMetal.skn");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(timer.isNull());
  w.form.hide();
}

TEST(SkinFormFrameWindow, WithoutSkinEffectsCaptionButtonsNeitherMorphNorGlow) {
  for (const char* skin : {"iMetal2.skn", "CyberObject.skn"}) {  // morphing; glowing
    SCOPED_TRACE(skin);
    SkinnedWindow w(biMinimize);
    w.data->EnableSkinEffects = false;
    w.Load(skin);
    w.form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.form));
    const int close = CloseObject(*w.frame);
    ASSERT_GE(close, 0);
    const TbsFrameObject o = w.frame->Objects()[size_t(close)];
    ASSERT_TRUE(o.Morphing || o.FrameCount > 0);
    const QRect at = w.frame->ButtonRect(TbsStdCommand::cmClose);
    Hover(w, at.center());
    // The active look at once, with no timer to get there.
    EXPECT_EQ(Rgb(w.frame->FrameImage().copy(at)), Piece(w.data->ActivePicture(o.ActivePictureIndex), o.ActiveSkinRect));
    EXPECT_TRUE(!w.frame->Animation(close) || !w.frame->Animation(close)->Timer());
    QTest::qWait(120);
    EXPECT_EQ(w.frame->Objects()[size_t(close)].MorphK, 0.0);
    w.form.hide();
  }
}

TEST(SkinFormFrameWindow, CaptionDragsTheWindowTheClientDoesNot) {
  SkinnedWindow w(biMinimize);
  w.Load("iMetal2.skn");
  w.form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.form));
  const QPoint caption(60, 12), client(60, 100);
  EXPECT_EQ(w.frame->HitTest(caption), TbsSkinForm::THit::Caption);
  EXPECT_EQ(w.frame->HitTest(client), TbsSkinForm::THit::Client);
  EXPECT_EQ(w.frame->HitTest(QPoint(0, 100)), TbsSkinForm::THit::Border);
  TbsStdCommand b = TbsStdCommand::cmDefault;
  EXPECT_EQ(w.frame->HitTest(w.frame->ButtonRect(TbsStdCommand::cmClose).center(), &b), TbsSkinForm::THit::Button);
  EXPECT_EQ(b, TbsStdCommand::cmClose);

  const bool systemMove = w.form.windowHandle() && w.form.windowHandle()->startSystemMove();
  if (systemMove) GTEST_SKIP() << "the window system moves the window itself";
  const QPoint start = w.form.pos();
  auto drag = [&](QPoint at) {
    const QPoint g = w.form.mapToGlobal(at);
    SendMouse(&w.form, QEvent::MouseButtonPress, at, g);
    SendMouse(&w.form, QEvent::MouseMove, at + QPoint(30, 20), g + QPoint(30, 20));
    SendMouse(&w.form, QEvent::MouseButtonRelease, at + QPoint(30, 20), g + QPoint(30, 20));
  };
  drag(client);
  EXPECT_EQ(w.form.pos(), start);
  drag(caption);
  EXPECT_EQ(w.form.pos(), start + QPoint(30, 20));
  w.form.hide();
}

TEST(SkinFormFrameWindow, MaskShapesTheWindowAndNoMaskLeavesItRectangular) {
  SkinnedWindow w(biMinimize);
  w.Load("iMetal2.skn");
  const QRegion shape = w.form.mask();
  ASSERT_FALSE(shape.isEmpty());
  EXPECT_EQ(shape.boundingRect(), w.form.rect());
  EXPECT_FALSE(shape.contains(QPoint(0, 0)));                   // rounded top corners
  EXPECT_FALSE(shape.contains(QPoint(w.form.width() - 1, 0)));
  EXPECT_TRUE(shape.contains(QPoint(w.form.width() / 2, 0)));
  EXPECT_TRUE(shape.contains(QPoint(0, 100)));
  EXPECT_TRUE(shape.contains(QPoint(w.form.width() - 1, w.form.height() - 1)));
  // A larger window: the shape follows the size, shown or not.
  w.form.SetClientSize(600, 400);
  EXPECT_EQ(w.frame->WindowRegion().boundingRect(), w.form.rect());
  EXPECT_FALSE(w.frame->WindowRegion().contains(QPoint(w.form.width() - 1, 0)));
  w.form.SetClientSize(300, 200);
  w.form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.form));
  EXPECT_EQ(w.form.mask().boundingRect(), w.form.rect());
  EXPECT_FALSE(w.form.mask().contains(QPoint(w.form.width() - 1, 0)));
  w.form.hide();

  // A skin without a mask picture.
  skintest::TContainer c;
  c.Picture = skintest::Bmp(60, 40, 24);
  c.Text = "[VERSION]\r\n[PICTURES]\r\npicture=main.bmp\r\n[FORMINFO]\r\nclientrect=4,20,56,36\r\n"
           "captionrect=4,2,56,18\r\n[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=0\r\n";
  auto plain = skintest::Stored(c.Bytes());
  SkinnedWindow bare(biMinimize);
  bare.data->SetCompressedStoredSkin(plain.get());
  ASSERT_TRUE(bare.frame->Skinned());
  EXPECT_EQ(bare.form.NonClientMargins(), QMargins(4, 20, 4, 4));
  EXPECT_TRUE(bare.frame->WindowRegion().isEmpty());
  EXPECT_TRUE(bare.form.mask().isEmpty());
  // Its caption still drags although the skin has no caption record.
  EXPECT_EQ(bare.frame->HitTest(QPoint(30, 10)), TbsSkinForm::THit::Caption);
}

TEST(SkinFormFrameWindow, ASkinChangeRebuildsTheFrame) {
  SkinnedWindow w(biMinimize);
  QStringList events;
  w.frame->OnBeforeChangeSkinData = [&](TObject*) { events << "before"; };
  w.frame->OnChangeSkinData = [&](TObject*) { events << "change"; };
  w.frame->OnAfterChangeSkinData = [&](TObject*) { events << "after"; };
  w.Load("iMetal2.skn");
  EXPECT_EQ(events, (QStringList{"before", "change", "after"}));
  EXPECT_EQ(w.frame->ButtonRect(TbsStdCommand::cmClose).size(), QSize(19, 17));
  TbsCompressedStoredSkin cyber;
  cyber.LoadCompressedData(resources::Load(QStringLiteral("CyberObject.skn")));
  w.data->SetCompressedStoredSkin(&cyber);
  EXPECT_EQ(w.form.NonClientMargins(), QMargins(5, 27, 5, 8));
  EXPECT_EQ(QSize(w.form.ClientWidth(), w.form.ClientHeight()), QSize(382, 184));
  EXPECT_EQ(w.frame->ButtonRect(TbsStdCommand::cmClose).size(), QSize(21, 19));
  EXPECT_EQ(w.frame->Objects().size(), 7u);
  // The frame image is the skin's at the window's size.
  EXPECT_EQ(w.frame->FrameImage().size(), w.form.size());
  w.Load("iMetal.skn");
}

// The skin clients of a window, whatever their widget class: given the skin
// data all at once, and told of its changes by the frame.
TEST(SkinFormFrameWindow, EveryKindOfSkinClientGetsTheSkinAndItsNotices) {
  SkinnedWindow w(biMinimize);
  w.Load("iMetal.skn");
  auto* box = new QWidget(w.form.Client());  // a container: clients below it count too
  auto* button = new TbsSkinButton(box);
  auto* label = new TbsSkinStdLabel(w.form.Client());
  auto* lines = new TbsSkinTextLabel(box);
  auto* edit = new TbsSkinEdit(w.form.Client());
  GiveSkinToClients(w.form.Client(), w.data);
  EXPECT_EQ(SkinClientsBelow(w.form.Client()).size(), 4);
  for (TbsSkinClient* c : std::initializer_list<TbsSkinClient*>{button, label, lines, edit})
    EXPECT_EQ(c->SkinData(), w.data);
  ASSERT_GE(button->RecordIndex(), 0);
  ASSERT_TRUE(edit->Skinned());

  // A client of another window's skin data hears nothing of this one's.
  TbsCompressedStoredSkin otherStored;
  otherStored.LoadCompressedData(resources::Load(QStringLiteral("iMetal.skn")));
  TbsSkinData other;
  other.SetCompressedStoredSkin(&otherStored);
  auto* foreign = new TbsSkinButton(w.form.Client());
  foreign->SetSkinData(&other);
  ASSERT_GE(foreign->RecordIndex(), 0);

  w.data->BroadcastSkinNotice(WM_SKINCHANGING);
  EXPECT_EQ(button->RecordIndex(), -1);
  button->Render();  // a paint in between keeps the plain look
  EXPECT_EQ(button->RecordIndex(), -1);
  EXPECT_FALSE(edit->Skinned());
  EXPECT_GE(foreign->RecordIndex(), 0);
  w.data->BroadcastSkinNotice(WM_SKINCHANGED);
  EXPECT_GE(button->RecordIndex(), 0);
  EXPECT_TRUE(edit->Skinned());
}

TEST(SkinFormFrameWindow, CaptionButtonsShowTheSkinsHintsAfterAPause) {
  SkinnedWindow w(biMinimize);
  w.Load("iMetal2.skn");
  w.form.Show();
  const QRect close = w.frame->ButtonRect(TbsStdCommand::cmClose);
  const QRect minimise = w.frame->ButtonRect(TbsStdCommand::cmMinimize);
  auto moveTo = [&](QPoint p) { SendMouse(&w.form, QEvent::MouseMove, p, w.form.mapToGlobal(p)); };
  moveTo(close.center());
  EXPECT_TRUE(w.frame->HintTimer()->isActive());
  EXPECT_EQ(VisibleSkinHint(), nullptr);  // not before the pause
  QMetaObject::invokeMethod(w.frame->HintTimer(), "timeout");
  ASSERT_NE(VisibleSkinHint(), nullptr);
  EXPECT_EQ(VisibleSkinHint()->Text(), QStringLiteral("Закрыть"));  // the skin object's own hint
  EXPECT_EQ(VisibleSkinHint()->Owner(), &w.form);
  // Another button: the old hint goes, the new one waits for its pause.
  moveTo(minimise.center());
  EXPECT_EQ(VisibleSkinHint(), nullptr);
  QMetaObject::invokeMethod(w.frame->HintTimer(), "timeout");
  ASSERT_NE(VisibleSkinHint(), nullptr);
  EXPECT_EQ(VisibleSkinHint()->Text(), QStringLiteral("Свернуть"));
  // A press hides it.
  SendMouse(&w.form, QEvent::MouseButtonPress, minimise.center(), w.form.mapToGlobal(minimise.center()));
  EXPECT_EQ(VisibleSkinHint(), nullptr);
  SendMouse(&w.form, QEvent::MouseButtonRelease, QPoint(1, 1), w.form.mapToGlobal(QPoint(1, 1)));
  // Without object hints nothing is offered.
  w.frame->ShowObjectHint = false;
  int closeObject = -1;
  for (size_t i = 0; i < w.frame->Objects().size(); ++i)
    if (w.frame->Objects()[i].Command == TbsStdCommand::cmClose) closeObject = int(i);
  ASSERT_GE(closeObject, 0);
  EXPECT_TRUE(w.frame->ObjectHint(closeObject).isEmpty());
}

TEST(SkinFormFrameWindow, OnlyASizeableWindowSizesByItsEdgesAndNeverBelowItsLeastSize) {
  SkinnedWindow w(biSystemMenu);
  w.Load("CyberObject.skn");
  w.form.Show();
  const QRect start = w.form.geometry();
  const QPoint right(w.form.width() - 1, w.form.height() / 2);
  EXPECT_EQ(w.frame->SizingZone(right), TbsFrameEdge::None);  // not sizeable
  SendMouse(&w.form, QEvent::MouseButtonPress, right, w.form.mapToGlobal(right));
  SendMouse(&w.form, QEvent::MouseMove, right + QPoint(40, 0), w.form.mapToGlobal(right) + QPoint(40, 0));
  SendMouse(&w.form, QEvent::MouseButtonRelease, right, w.form.mapToGlobal(right));
  EXPECT_EQ(w.form.geometry(), start);

  w.frame->SetSizeable(true);
  EXPECT_EQ(w.frame->SizingZone(right), TbsFrameEdge::Right);
  EXPECT_EQ(w.frame->SizingZone(QPoint(w.form.width() / 2, w.form.height() / 2)), TbsFrameEdge::None);
  QWindow* handle = w.form.windowHandle();
  if (handle && handle->startSystemResize(Qt::RightEdge)) GTEST_SKIP() << "the window system sizes the window itself";
  const QPoint g = w.form.mapToGlobal(right);
  SendMouse(&w.form, QEvent::MouseButtonPress, right, g);
  SendMouse(&w.form, QEvent::MouseMove, right, g + QPoint(40, 7));
  EXPECT_EQ(w.form.geometry(), start.adjusted(0, 0, 40, 0));  // the right edge moves, nothing else
  // Dragged far to the left: the least width stops it.
  SendMouse(&w.form, QEvent::MouseMove, right, g - QPoint(2000, 0));
  EXPECT_EQ(w.form.width(), w.frame->LeastSize().width());
  EXPECT_EQ(w.form.x(), start.x());
  SendMouse(&w.form, QEvent::MouseButtonRelease, right, g);
  // The bottom-left corner moves two edges at once.
  const QRect before = w.form.geometry();
  const QPoint corner(0, w.form.height() - 1);
  const QPoint gc = w.form.mapToGlobal(corner);
  EXPECT_EQ(w.frame->SizingZone(corner), TbsFrameEdge::BottomLeft);
  SendMouse(&w.form, QEvent::MouseButtonPress, corner, gc);
  SendMouse(&w.form, QEvent::MouseMove, corner, gc + QPoint(-30, 20));
  SendMouse(&w.form, QEvent::MouseButtonRelease, corner, gc);
  EXPECT_EQ(w.form.geometry(), before.adjusted(-30, 0, 0, 20));
  // The client area follows the new size inside the frame.
  EXPECT_EQ(w.form.Client()->geometry(), w.frame->Geometry().ClientRect.ToQRect());
}
