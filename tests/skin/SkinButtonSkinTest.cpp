// The push button's skinned look, from a small skin built here: its state
// images, text colours and font, size and region, the fall-backs to the
// plain look, the morph between the normal and the active image, and the
// frame animation on hover.
#include "platform/Forms.h"
#include "skin/SkinBmp.h"
#include "skin/SkinButton.h"
#include "skin/SkinData.h"
#include "SkinDataTestSupport.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// State pieces of the "controls" picture: four 12 x 6 pieces one below the
// other (normal, active, down, disabled), then two animation frames side by
// side; pixel (x, y) of a piece is (10 * x, 10 * y, tag) with the tag
// telling the state or the frame.
constexpr int kNormal = 20, kActive = 60, kDown = 100, kDisabled = 140, kFrame1 = 180, kFrame2 = 220;

QImage ControlsPicture() {
  QImage img(24, 30, QImage::Format_RGB32);
  const int tags[] = {kNormal, kActive, kDown, kDisabled};
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 24; ++x)
      img.setPixel(x, y, qRgb(10 * (x % 12), 10 * (y % 6), y < 24 ? tags[y / 6] : x < 12 ? kFrame1 : kFrame2));
  return img;
}

// Black (part of the button) except the four corner pixels.
QImage ButtonMask() {
  QImage img(12, 6, QImage::Format_RGB32);
  img.fill(qRgb(0, 0, 0));
  for (QPoint p : {QPoint(0, 0), QPoint(11, 0), QPoint(0, 5), QPoint(11, 5)}) img.setPixel(p, qRgb(255, 255, 255));
  return img;
}

// Text colours, none of which occurs in the picture.
const QColor kNormalText(255, 0, 0), kActiveText(0, 255, 0), kDownText(0, 0, 255), kDisabledText(255, 255, 0);
const QColor kOwnText(255, 0, 255);  // the button's DefaultFont colour

// The "button" record; `overrides` come first, so they win over the defaults.
QByteArray SkinText(const QByteArray& overrides, const QByteArray& type) {
  return "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n"
         "[SKINCONTROLS]\r\ncount=1\r\n0=button:" + type + "\r\n[button]\r\n" + overrides +
         "pictureindex=0\r\nmaskpictureindex=1\r\nskinrect=0,0,12,6\r\n"
         "lefttoppoint=4,3\r\nrighttoppoint=8,3\r\nleftbottompoint=0,0\r\nrightbottompoint=0,0\r\n"
         "clientrect=2,1,10,5\r\nstretcheffect=1\r\n"
         "fontname=Arial\r\nfontheight=14\r\nfontstyle=fsbold\r\n"
         "fontcolor=255\r\nactivefontcolor=65280\r\ndownfontcolor=16711680\r\ndisabledfontcolor=65535\r\n"
         "activeskinrect=0,6,12,12\r\ndownskinrect=0,12,12,18\r\ndisabledskinrect=0,18,12,24\r\n"
         "morphing=1\r\nmorphkind=mkdefault\r\nshowfocus=0\r\n";
}

struct SkinnedButton {
  explicit SkinnedButton(const QByteArray& overrides = {}, bool effects = false,
                         const QByteArray& type = "button") {
    skintest::TContainer c;
    c.Active = {WriteBmp(ControlsPicture(), 24), WriteBmp(ButtonMask(), 24)};
    c.Text = SkinText(overrides, type);
    Stored = skintest::Stored(c.Bytes());
    Form = new TForm;
    Form->SetClientSize(300, 200);
    Data = new TbsSkinData(Form);
    Data->EnableSkinEffects = effects;
    Data->SetCompressedStoredSkin(Stored.get());
    Button = new TbsSkinButton(Form->Client());
    Button->SetBounds(10, 10, 120, 30);
    Button->UseSkinSize = false;
    Button->DefaultFont = TFont::Make(QStringLiteral("Arial"), 14, 0, FromQColor(kOwnText));
    Other = new QLineEdit(Form->Client());  // holds the focus unless a test moves it
    Other->setGeometry(10, 100, 120, 22);
    Form->Show();
    QApplication::setActiveWindow(Form);
    Other->setFocus();
  }
  ~SkinnedButton() { delete Form; }

  void Attach() { Button->SetSkinData(Data); }
  void Enter() {
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(15, 15));
    QApplication::sendEvent(Button, &e);
  }
  void Leave() {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(Button, &e);
  }
  void Tick() { QMetaObject::invokeMethod(Button->MorphTimer(), "timeout"); }
  void TickFrames() { QMetaObject::invokeMethod(Button->Animation()->Timer(), "timeout"); }
  // The state tag of the image, read from the left border.
  int Tag() { return qBlue(Button->Render().pixel(0, 15)); }

  std::unique_ptr<TbsCompressedStoredSkin> Stored;
  TForm* Form;
  TbsSkinData* Data;
  TbsSkinButton* Button;
  QLineEdit* Other;
};

int CountColour(const QImage& img, const QColor& c) {
  int n = 0;
  const QRgb want = c.rgb();
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == want;
  return n;
}

// Leftmost and rightmost column holding the colour, or (-1, -1).
std::pair<int, int> ColumnsOf(const QImage& img, const QColor& c) {
  int first = -1, last = -1;
  for (int x = 0; x < img.width(); ++x)
    for (int y = 0; y < img.height(); ++y)
      if (img.pixel(x, y) == c.rgb()) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

TEST(SkinButtonSkinLook, StateImagesFollowTheButton) {
  SkinnedButton b;
  b.Attach();
  ASSERT_GE(b.Button->RecordIndex(), 0);
  EXPECT_EQ(b.Tag(), kNormal);
  b.Enter();
  EXPECT_EQ(b.Tag(), kActive);
  b.Button->SetDown(true);  // down with the mouse over it
  EXPECT_EQ(b.Tag(), kDown);
  b.Leave();                // down, but neither under the mouse nor focused
  EXPECT_EQ(b.Tag(), kNormal);
  b.Button->SetGroupIndex(1);  // a latched button shows down wherever the mouse is
  EXPECT_EQ(b.Tag(), kDown);
  b.Button->SetGroupIndex(0);
  b.Button->SetDown(false);
  b.Button->setFocus();
  ASSERT_TRUE(b.Button->hasFocus());
  EXPECT_EQ(b.Tag(), kActive);  // focused
  b.Button->setEnabled(false);
  EXPECT_EQ(b.Tag(), kDisabled);
}

TEST(SkinButtonSkinLook, ImageGrowsAroundTheClientCornersWhenTheSkinDoesNotSizeIt) {
  SkinnedButton b;
  b.Attach();
  EXPECT_EQ(b.Button->size(), QSize(120, 30));
  EXPECT_EQ(b.Button->SkinClientRect(), (TRect{2, 1, 118, 29}));
  const QImage img = b.Button->Render();
  // Corners as in the piece, borders of 2, 2, 1, 1 pixels.
  EXPECT_EQ(img.pixel(0, 0), qRgb(0, 0, kNormal));
  EXPECT_EQ(img.pixel(119, 29), qRgb(110, 50, kNormal));
  EXPECT_EQ(qRed(img.pixel(118, 15)), 100);
  EXPECT_EQ(qGreen(img.pixel(60, 29)), 50);
  // The middle comes from the client area only.
  for (int y = 1; y < 29; ++y)
    for (int x = 2; x < 118; ++x) {
      const QRgb p = img.pixel(x, y);
      ASSERT_TRUE(qRed(p) >= 20 && qRed(p) <= 90 && qGreen(p) >= 10 && qGreen(p) <= 40) << x << "," << y;
    }
}

TEST(SkinButtonSkinLook, UseSkinSizeTakesTheSkinHeight) {
  SkinnedButton b;
  b.Button->UseSkinSize = true;
  b.Attach();
  EXPECT_EQ(b.Button->size(), QSize(120, 6));  // rmAcross: any width, the skin's height
  const QImage img = b.Button->Render();
  // Three pieces across: ends of 4 columns unscaled, the middle stretched.
  EXPECT_EQ(img.pixel(3, 2), qRgb(30, 20, kNormal));
  EXPECT_EQ(img.pixel(116, 2), qRgb(80, 20, kNormal));
  EXPECT_EQ(b.Button->SkinClientRect(), (TRect{2, 1, 118, 5}));
}

TEST(SkinButtonSkinLook, RegionComesFromTheMaskAndFollowsTheSize) {
  SkinnedButton b;
  b.Attach();
  QRegion r = b.Button->mask();
  ASSERT_FALSE(r.isEmpty());
  for (QPoint p : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 29), QPoint(119, 29)}) EXPECT_FALSE(r.contains(p)) << p.x();
  for (QPoint p : {QPoint(1, 0), QPoint(0, 1), QPoint(60, 15), QPoint(118, 29)}) EXPECT_TRUE(r.contains(p)) << p.x();

  b.Button->SetBounds(10, 10, 200, 40);
  r = b.Button->mask();
  EXPECT_FALSE(r.contains(QPoint(199, 39)));
  EXPECT_TRUE(r.contains(QPoint(198, 39)));
  EXPECT_TRUE(r.contains(QPoint(150, 20)));

  // Without skin data the region goes.
  b.Button->SetSkinData(nullptr);
  EXPECT_TRUE(b.Button->mask().isEmpty());
}

TEST(SkinButtonSkinLook, TextColourFollowsTheState) {
  SkinnedButton b;
  b.Button->SetCaption(QStringLiteral("WWW"));
  b.Attach();
  auto only = [&](const QColor& c) {
    const QImage img = b.Button->Render();
    int others = 0;
    for (const QColor& o : {kNormalText, kActiveText, kDownText, kDisabledText, kOwnText})
      if (o != c) others += CountColour(img, o);
    return CountColour(img, c) > 0 && others == 0;
  };
  EXPECT_TRUE(only(kNormalText));
  b.Enter();
  EXPECT_TRUE(only(kActiveText));
  b.Button->SetDown(true);
  EXPECT_TRUE(only(kDownText));
  b.Button->SetDown(false);
  b.Leave();
  b.Button->setEnabled(false);
  EXPECT_TRUE(only(kDisabledText));

  // With UseSkinFontColor off an enabled button uses its own font's colour in
  // every state; a disabled one still the skin's disabled colour.
  b.Button->UseSkinFontColor = false;
  EXPECT_TRUE(only(kDisabledText));
  b.Button->setEnabled(true);
  EXPECT_TRUE(only(kOwnText));
  b.Enter();
  EXPECT_TRUE(only(kOwnText));
}

TEST(SkinButtonSkinLook, SkinFontIsUsedOnlyWithUseSkinFont) {
  SkinnedButton b;
  b.Button->SetCaption(QStringLiteral("WWWW"));
  b.Attach();
  const auto [boldFirst, boldLast] = ColumnsOf(b.Button->Render(), kNormalText);  // the record's bold Arial
  b.Button->UseSkinFont = false;                                                   // DefaultFont: no style
  const auto [plainFirst, plainLast] = ColumnsOf(b.Button->Render(), kNormalText);
  ASSERT_GE(boldFirst, 0);
  ASSERT_GE(plainFirst, 0);
  EXPECT_GT(boldLast - boldFirst, plainLast - plainFirst);
}

TEST(SkinButtonSkinLook, FocusRectangleOnlyWhenTheSkinShowsFocus) {
  for (bool show : {false, true}) {
    SkinnedButton b(show ? "showfocus=1\r\n" : "");
    b.Attach();
    b.Button->setFocus();
    ASSERT_TRUE(b.Button->hasFocus());
    const QImage img = b.Button->Render();
    int onTop = 0, onLeft = 0;
    for (int x = 2; x < 118; ++x) onTop += img.pixel(x, 1) == kActiveText.rgb();
    for (int y = 1; y < 29; ++y) onLeft += img.pixel(2, y) == kActiveText.rgb();
    if (show) {
      EXPECT_GT(onTop, 20);
      EXPECT_GT(onLeft, 5);
      EXPECT_LT(onTop, 116);  // dotted, not solid
    } else {
      EXPECT_EQ(onTop + onLeft, 0);
    }
  }
}

TEST(SkinButtonSkinFallback, PlainLookWithoutAUsableRecord) {
  const QRgb plainFrame = ToQColor(clBtnShadow).rgb();
  {
    SkinnedButton b("pictureindex=7\r\nmaskpictureindex=9\r\n");  // both out of range
    b.Button->UseSkinSize = true;
    b.Attach();
    EXPECT_TRUE(b.Button->SkinPicture().isNull());
    EXPECT_EQ(b.Button->Render().pixel(0, 0), plainFrame);
    EXPECT_TRUE(b.Button->mask().isEmpty());
    EXPECT_EQ(b.Button->size(), QSize(120, 30));
  }
  {
    SkinnedButton b({}, false, "edit");  // a record of another class
    b.Button->UseSkinSize = true;
    b.Attach();
    EXPECT_EQ(b.Button->RecordIndex(), -1);
    EXPECT_EQ(b.Button->Render().pixel(0, 0), plainFrame);
    EXPECT_EQ(b.Button->size(), QSize(120, 30));
    EXPECT_TRUE(b.Button->mask().isEmpty());
  }
  {
    SkinnedButton b;
    b.Button->DefaultWidth = 90;
    b.Button->DefaultHeight = 27;
    b.Button->SetSkinDataName(QStringLiteral("nosuchrecord"));
    b.Attach();
    EXPECT_EQ(b.Button->size(), QSize(90, 27));
  }
}

// --- Morphing -----------------------------------------------------------------

TEST(SkinButtonSkinMorph, FiveTicksReachTheActiveImageAndFiveReturn) {
  SkinnedButton b({}, true);
  b.Attach();
  ASSERT_TRUE(b.Button->MorphingEnabled());
  const QImage normal = b.Button->Render();
  b.Enter();
  ASSERT_TRUE(b.Button->MorphTimer()->isActive());
  EXPECT_EQ(b.Button->MorphTimer()->interval(), 20);
  EXPECT_EQ(b.Button->Render(), normal);  // k = 0: nothing has changed yet
  // The corner pixel is (110, 50, 20) normal and (110, 50, 60) active:
  // blue = 0.8 * 20 + 0.2 * 60 = 28 after one tick, and so on.
  const int blue[] = {28, 36, 44, 52, 60};
  for (int i = 0; i < 5; ++i) {
    b.Tick();
    EXPECT_NEAR(b.Button->MorphFactor(), 0.2 * (i + 1), 1e-9);
    EXPECT_EQ(b.Button->Render().pixel(119, 29), qRgb(110, 50, blue[i])) << i;
  }
  EXPECT_FALSE(b.Button->MorphTimer()->isActive());
  EXPECT_EQ(b.Tag(), kActive);

  b.Leave();
  ASSERT_TRUE(b.Button->MorphTimer()->isActive());
  for (int i = 0; i < 5; ++i) b.Tick();
  EXPECT_EQ(b.Button->MorphFactor(), 0.0);
  EXPECT_FALSE(b.Button->MorphTimer()->isActive());
  EXPECT_EQ(b.Button->Render(), normal);
}

TEST(SkinButtonSkinMorph, DownJumpsToTheEndAndReleaseFadesBack) {
  SkinnedButton b({}, true);
  b.Attach();
  b.Enter();
  b.Tick();
  b.Button->SetDown(true);
  EXPECT_EQ(b.Button->MorphFactor(), 1.0);
  EXPECT_FALSE(b.Button->MorphTimer()->isActive());
  EXPECT_EQ(b.Tag(), kDown);
  b.Leave();
  b.Button->SetDown(false);  // the mouse has gone: fade back to normal
  EXPECT_TRUE(b.Button->MorphTimer()->isActive());
  b.Tick();
  EXPECT_EQ(qBlue(b.Button->Render().pixel(119, 29)), 52);
}

TEST(SkinButtonSkinMorph, NoMorphWithoutSkinEffectsOrWithoutTheRecordsSwitch) {
  const std::pair<QByteArray, bool> cases[] = {{"", false}, {"morphing=0\r\n", true}};
  for (const auto& [overrides, effects] : cases) {
    SkinnedButton b(overrides, effects);
    b.Attach();
    EXPECT_FALSE(b.Button->MorphingEnabled());
    b.Enter();
    EXPECT_FALSE(b.Button->MorphTimer()->isActive());
    EXPECT_EQ(b.Tag(), kActive);
  }
}

// --- Frame animation ------------------------------------------------------------

const QByteArray kFrames = "animateskinrect=0,24,24,30\r\nframecount=2\r\nanimateinterval=40\r\nmorphing=0\r\n";

TEST(SkinButtonSkinAnimation, FramesPlayOnEnterAndBackOnLeaveEachRunWithItsOwnTimer) {
  SkinnedButton b(kFrames, true);
  b.Attach();
  ASSERT_TRUE(b.Button->AnimationEnabled());
  b.Enter();
  ASSERT_NE(b.Button->Animation(), nullptr);
  QPointer<QTimer> timer = b.Button->Animation()->Timer();
  ASSERT_TRUE(timer);
  EXPECT_EQ(timer->interval(), 40);
  EXPECT_EQ(timer->parent(), b.Button);
  EXPECT_EQ(b.Tag(), kNormal);  // frame 0 until the first tick
  b.TickFrames();
  EXPECT_EQ(b.Tag(), kFrame1);
  b.Leave();  // turns round half-way, on the same timer
  EXPECT_EQ(b.Button->Animation()->Timer(), timer);
  b.Enter();
  b.TickFrames();
  EXPECT_EQ(b.Tag(), kFrame2);  // the last frame stays while the mouse is over it
  EXPECT_EQ(b.Button->Animation()->Timer(), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(timer.isNull()) << "the timer is freed when the run ends";

  b.Leave();
  timer = b.Button->Animation()->Timer();
  ASSERT_TRUE(timer);
  b.TickFrames();
  EXPECT_EQ(b.Tag(), kFrame1);
  b.TickFrames();
  EXPECT_EQ(b.Tag(), kNormal);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(timer.isNull());

  b.Enter();  // a run under way goes with its button
  timer = b.Button->Animation()->Timer();
  ASSERT_TRUE(timer);
  delete b.Button;
  EXPECT_TRUE(timer.isNull());
}

TEST(SkinButtonSkinAnimation, NoFramesWithoutSkinEffects) {
  SkinnedButton b(kFrames, false);
  b.Attach();
  EXPECT_FALSE(b.Button->AnimationEnabled());
  b.Enter();
  EXPECT_TRUE(!b.Button->Animation() || !b.Button->Animation()->Timer());
  EXPECT_EQ(b.Tag(), kActive);  // straight to the active look
}

}  // namespace
