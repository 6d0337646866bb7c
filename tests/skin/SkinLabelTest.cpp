// The framed label's plain look: face, frame colours by border style, the
// value text placed by its alignment and kept inside the inset area.
#include "skin/SkinLabel.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class SkinLabelTest : public ::testing::Test {
protected:
  void SetUp() override {
    parent = std::make_unique<QWidget>();
    label = new TbsSkinLabel(parent.get());
    label->SetBounds(0, 0, 60, 22);
    label->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlue));
  }
  // Pixel columns holding text colour (blue dominant).
  static QList<int> BlueColumns(const QImage& img) {
    QList<int> cols;
    for (int x = 0; x < img.width(); ++x)
      for (int y = 0; y < img.height(); ++y) {
        const QColor c = img.pixelColor(x, y);
        if (c.blue() > 150 && c.red() < 100 && c.green() < 100) {
          cols << x;
          break;
        }
      }
    return cols;
  }
  std::unique_ptr<QWidget> parent;
  TbsSkinLabel* label = nullptr;
};

TEST_F(SkinLabelTest, ConstructedAs75By21WithTheFrameBorder) {
  TbsSkinLabel fresh(parent.get());
  EXPECT_EQ(fresh.size(), QSize(75, 21));
  EXPECT_EQ(fresh.BorderStyle(), TbsBevelStyle::bvFrame);
  EXPECT_EQ(fresh.SkinDataName(), QStringLiteral("label"));
}

TEST_F(SkinLabelTest, FrameColoursFollowTheBorderStyle) {
  struct Case {
    TbsBevelStyle Style;
    TColor UpperLeft, LowerRight;
  } cases[] = {{TbsBevelStyle::bvFrame, clBtnShadow, clBtnShadow},
               {TbsBevelStyle::bvRaised, clBtnHighlight, clBtnShadow},
               {TbsBevelStyle::bvLowered, clBtnShadow, clBtnHighlight},
               {TbsBevelStyle::bvNone, clBtnFace, clBtnFace}};
  for (const Case& c : cases) {
    label->SetBorderStyle(c.Style);
    const QImage img = label->Render();
    EXPECT_EQ(img.pixelColor(0, 0), ToQColor(c.UpperLeft)) << int(c.Style);
    EXPECT_EQ(img.pixelColor(0, 10), ToQColor(c.UpperLeft)) << int(c.Style);
    EXPECT_EQ(img.pixelColor(59, 21), ToQColor(c.LowerRight)) << int(c.Style);
    EXPECT_EQ(img.pixelColor(59, 10), ToQColor(c.LowerRight)) << int(c.Style);
    EXPECT_EQ(img.pixelColor(30, 1), ToQColor(clBtnFace)) << int(c.Style);
  }
}

TEST_F(SkinLabelTest, ValueIsCentredLeftOrRightInTheInsetArea) {
  label->SetCaption(QStringLiteral("100"));
  label->SetAlignment(TAlignment::taCenter);
  QList<int> cols = BlueColumns(label->Render());
  ASSERT_FALSE(cols.isEmpty());
  const int leftGap = cols.first(), rightGap = 59 - cols.last();
  EXPECT_LE(std::abs(leftGap - rightGap), 3) << leftGap << " " << rightGap;

  label->SetAlignment(TAlignment::taLeftJustify);
  cols = BlueColumns(label->Render());
  ASSERT_FALSE(cols.isEmpty());
  EXPECT_GE(cols.first(), 3);
  EXPECT_LE(cols.first(), 5);

  label->SetAlignment(TAlignment::taRightJustify);
  cols = BlueColumns(label->Render());
  ASSERT_FALSE(cols.isEmpty());
  EXPECT_LE(cols.last(), 56);
  EXPECT_GE(cols.last(), 53);

  const QRect r = label->TextRect();
  const QRect area = label->TextArea();
  EXPECT_LE(std::abs((r.top() - area.top()) - (area.bottom() - r.bottom())), 1);
}

TEST_F(SkinLabelTest, ALongValueStaysInsideItsArea) {
  label->SetCaption(QStringLiteral("1234567890123"));
  label->SetAlignment(TAlignment::taCenter);
  const QList<int> cols = BlueColumns(label->Render());
  ASSERT_FALSE(cols.isEmpty());
  EXPECT_GE(cols.first(), 3);
  EXPECT_LE(cols.last(), 56);
}

}  // namespace

// --- The skinned look, from a small skin built here ------------------------------

#include "platform/Forms.h"
#include "skin/SkinBmp.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"
#include "SkinDataTestSupport.h"

namespace {

// A 12 x 6 "label" piece whose pixel (x, y) is (10 x, 10 y, 200): every
// pixel tells where it came from. No colour of it is pure red or magenta.
QImage LabelPicture() {
  QImage img(12, 6, QImage::Format_RGB32);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 12; ++x) img.setPixel(x, y, qRgb(10 * x, 10 * y, 200));
  return img;
}

const QColor kRecordText(255, 0, 0);  // the record's "fontcolor" 255
const QColor kOwnText(255, 0, 255);   // the label's DefaultFont colour

// Corner points make the record rmFree (grows both ways) or rmAcross.
QByteArray LabelSkinText(bool modeFree) {
  const QByteArray points = modeFree ? "lefttoppoint=3,2\r\nrighttoppoint=9,2\r\nleftbottompoint=3,4\r\n"
                                       "rightbottompoint=9,4\r\n"
                                     : "lefttoppoint=4,0\r\nrighttoppoint=8,0\r\nleftbottompoint=0,0\r\n"
                                       "rightbottompoint=0,0\r\n";
  return "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n"
         "[SKINCONTROLS]\r\ncount=1\r\n0=label:label\r\n[label]\r\npictureindex=0\r\nskinrect=0,0,12,6\r\n" +
         points +
         "clientrect=2,1,10,5\r\nleftstretch=1\r\ntopstretch=1\r\nrightstretch=1\r\nbottomstretch=1\r\n"
         "stretcheffect=1\r\nfontname=Arial\r\nfontheight=-13\r\nfontstyle=fsbold\r\nfontcolor=255\r\n";
}

struct SkinnedLabel {
  explicit SkinnedLabel(bool modeFree = true, QSize size = {128, 30}) {
    skintest::TContainer c;
    c.Active = {WriteBmp(LabelPicture(), 24)};
    c.Text = LabelSkinText(modeFree);
    Stored = skintest::Stored(c.Bytes());
    Form = new TForm;
    Form->SetClientSize(300, 200);
    Data = new TbsSkinData(Form);
    Data->SetCompressedStoredSkin(Stored.get());
    CreateSkinFrame(Form, Data, biSystemMenu, TbsFrameShows{});  // passes the skin notices on
    Label = new TbsSkinLabel(Form->Client());
    // As the windows set up their value label.
    Label->UseSkinSize = false;
    Label->UseSkinFont = false;
    Label->UseSkinFontColor = false;
    Label->SetAlignment(TAlignment::taCenter);
    Label->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold, FromQColor(kOwnText)));
    Label->SetBounds(10, 10, size.width(), size.height());
    Label->SetCaption(QStringLiteral("100"));
  }
  ~SkinnedLabel() { delete Form; }

  std::unique_ptr<TbsCompressedStoredSkin> Stored;
  TForm* Form;
  TbsSkinData* Data;
  TbsSkinLabel* Label;
};

// Columns and rows holding exactly `c`: first and last of each, or -1.
struct TExtent {
  int Left = -1, Right = -1, Top = -1, Bottom = -1;
  bool Empty() const { return Left < 0; }
};
TExtent ExtentOf(const QImage& img, const QColor& c) {
  TExtent e;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == c.rgb()) {
        if (e.Left < 0 || x < e.Left) e.Left = x;
        e.Right = std::max(e.Right, x);
        if (e.Top < 0) e.Top = y;
        e.Bottom = y;
      }
  return e;
}

TEST(SkinLabelSkinned, BodyIsTheRecordImageGrownByItsCornerPoints) {
  SkinnedLabel s;
  s.Label->SetCaption(QString());
  s.Label->SetSkinData(s.Data);
  ASSERT_GE(s.Label->RecordIndex(), 0);
  const QImage img = s.Label->Render();
  const QImage pic = LabelPicture();
  // Corners unscaled: top-left and bottom-right pixels of the piece.
  EXPECT_EQ(img.pixel(0, 0), pic.pixel(0, 0));
  EXPECT_EQ(img.pixel(2, 1), pic.pixel(2, 1));
  EXPECT_EQ(img.pixel(127, 29), pic.pixel(11, 5));
  EXPECT_EQ(img.pixel(125, 28), pic.pixel(9, 4));
  // The client area (2,1)-(10,5) stretched into (2,1)-(126,29): its colours only.
  for (QPoint p : {QPoint(3, 2), QPoint(64, 15), QPoint(124, 27)}) {
    const QColor c = img.pixelColor(p);
    EXPECT_EQ(c.blue(), 200);
    EXPECT_GE(c.red(), 20);
    EXPECT_LE(c.red(), 90);
    EXPECT_GE(c.green(), 10);
    EXPECT_LE(c.green(), 40);
  }
}

TEST(SkinLabelSkinned, KeepsItsOwnSizeUnlessItFollowsTheSkin) {
  {
    SkinnedLabel s(false, {128, 39});  // a record that only grows across
    s.Label->SetSkinData(s.Data);
    EXPECT_EQ(s.Label->size(), QSize(128, 39));
    // Grown around the client rectangle like a push button: borders of 2
    // left, 1 top, 2 right and 1 bottom kept.
    const QImage img = s.Label->Render();
    const QImage pic = LabelPicture();
    EXPECT_EQ(img.pixel(1, 0), pic.pixel(1, 0));
    EXPECT_EQ(img.pixel(127, 38), pic.pixel(11, 5));
    EXPECT_EQ(img.pixel(126, 38), pic.pixel(10, 5));
    EXPECT_EQ(s.Label->TextArea(), QRect(2, 1, 124, 37));
  }
  {
    SkinnedLabel s(false, {128, 39});
    s.Label->UseSkinSize = true;
    s.Label->SetSkinData(s.Data);
    EXPECT_EQ(s.Label->size(), QSize(128, 6));
  }
  {
    SkinnedLabel s(true, {128, 39});  // rmFree allows any size
    s.Label->UseSkinSize = true;
    s.Label->SetSkinData(s.Data);
    EXPECT_EQ(s.Label->size(), QSize(128, 39));
  }
}

TEST(SkinLabelSkinned, TextIsPlacedByAlignmentInTheGrownClientRectangle) {
  SkinnedLabel s;
  s.Label->SetSkinData(s.Data);
  const QRect area(2, 1, 124, 28);  // client 2,1,10,5 grown by 116 x 24
  EXPECT_EQ(s.Label->TextArea(), area);

  s.Label->SetAlignment(TAlignment::taLeftJustify);
  TExtent e = ExtentOf(s.Label->Render(), kOwnText);
  ASSERT_FALSE(e.Empty());
  EXPECT_GE(e.Left, area.left());
  EXPECT_LE(e.Left, area.left() + 2);

  s.Label->SetAlignment(TAlignment::taRightJustify);
  e = ExtentOf(s.Label->Render(), kOwnText);
  ASSERT_FALSE(e.Empty());
  EXPECT_LE(e.Right, area.right());
  EXPECT_GE(e.Right, area.right() - 3);

  s.Label->SetAlignment(TAlignment::taCenter);
  e = ExtentOf(s.Label->Render(), kOwnText);
  ASSERT_FALSE(e.Empty());
  EXPECT_LE(std::abs((e.Left - area.left()) - (area.right() - e.Right)), 3);
  // Centred down the area too.
  EXPECT_LE(std::abs((e.Top - area.top()) - (area.bottom() - e.Bottom)), 5);
}

TEST(SkinLabelSkinned, TextColourAndFontFollowTheUseSkinFlags) {
  SkinnedLabel s;
  s.Label->SetSkinData(s.Data);
  // UseSkinFontColor False: the DefaultFont colour, never the record's.
  EXPECT_FALSE(ExtentOf(s.Label->Render(), kOwnText).Empty());
  EXPECT_TRUE(ExtentOf(s.Label->Render(), kRecordText).Empty());
  EXPECT_EQ(s.Label->TextFont().Color, FromQColor(kOwnText));

  // UseSkinFontColor True: the record's "fontcolor", also with our font.
  s.Label->UseSkinFontColor = true;
  EXPECT_FALSE(ExtentOf(s.Label->Render(), kRecordText).Empty());
  EXPECT_TRUE(ExtentOf(s.Label->Render(), kOwnText).Empty());
  EXPECT_EQ(s.Label->TextFont().Height, -16);

  // UseSkinFont True: the record's name, height and style, our character set.
  s.Label->UseSkinFont = true;
  const TFont f = s.Label->TextFont();
  EXPECT_EQ(f.Height, -13);
  EXPECT_EQ(f.Style, TFontStyles(fsBold));
  EXPECT_EQ(f.Color, FromQColor(kRecordText));
  EXPECT_EQ(f.Charset, s.Label->DefaultFont.Charset);
}

TEST(SkinLabelSkinned, NoticesSwitchToThePlainLookAndBack) {
  SkinnedLabel s;
  s.Label->SetSkinData(s.Data);
  // A skin too new to read: 1225 comes, 1226 never does.
  skintest::TContainer tooNew;
  tooNew.Version = 4;
  const auto newer = skintest::Stored(tooNew.Bytes());
  s.Data->SetCompressedStoredSkin(newer.get());
  EXPECT_EQ(s.Label->RecordIndex(), -1);
  EXPECT_EQ(s.Label->TextArea(), QRect(3, 3, 122, 24));
  // Reading the skin again sends 1225 and 1226 through the window.
  s.Data->SetCompressedStoredSkin(s.Stored.get());
  EXPECT_GE(s.Label->RecordIndex(), 0);
  EXPECT_EQ(s.Label->TextArea(), QRect(2, 1, 124, 28));
  // Without skin data: the plain face and frame, text inset by 3.
  s.Label->SetSkinData(nullptr);
  const QImage img = s.Label->Render();
  EXPECT_EQ(img.pixelColor(0, 0), ToQColor(clBtnShadow));
  EXPECT_EQ(s.Label->TextArea(), QRect(3, 3, 122, 24));
}

}  // namespace
