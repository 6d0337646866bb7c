// The skinned looks of the group box and of the radio group's item buttons:
// client area and caption band from the "groupbox" record (the stored metal
// skin and a small skin built here), caption alignment, font colour and
// frame image, the item buttons' check images, and the skin notices.
#include "platform/Messages.h"
#include "resources/Resources.h"
#include "skin/SkinBmp.h"
#include "skin/SkinForm.h"
#include "skin/SkinGroupBox.h"
#include "skin/StoredSkin.h"
#include "SkinDataTestSupport.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include <memory>

namespace {

// --- A small skin whose every pixel is known ----------------------------------
//
// One 80 x 60 picture:
//   groupbox  skinrect 0,0,40,40: caption band rows 0..21 grey (kBand),
//             the rest of the piece kFace; corner points 3,22 / 37,22 /
//             3,37 / 37,37, client 2,22,38,38, captionrect 1,1,39,21;
//   radiobox  skinrect 0,40,40,60 (kRadioFace), across: corner points 15,10
//             and 35,10, client 15,0,38,20, checkimagearea 2,4,14,16,
//             textarea 15,0,38,20; active body 40,40,80,60 (kRadioHot);
//   marks     checked 40,0,52,12 (kChecked), unchecked 40,12,52,24
//             (kUnchecked), disabled unchecked 52,12,64,24 (kGreyMark);
//   frame     framerect 40,24,70,34 (kFrame), frametextrect 5,2,25,8.
const QColor kBand(150, 150, 150), kFace(200, 200, 200), kRadioFace(210, 210, 210), kRadioHot(220, 220, 220);
const QColor kChecked(0, 160, 0), kUnchecked(0, 0, 160), kGreyMark(90, 90, 90), kFrame(250, 240, 120);
const QColor kRecordText(255, 0, 0), kOwnText(0, 0, 255), kHotText(0, 128, 0);

QImage SheetPicture() {
  QImage img(80, 60, QImage::Format_RGB32);
  img.fill(Qt::white);
  auto fill = [&img](QRect r, const QColor& c) {
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) img.setPixel(x, y, c.rgb());
  };
  fill(QRect(0, 0, 40, 22), kBand);
  fill(QRect(0, 22, 40, 18), kFace);
  fill(QRect(0, 40, 40, 20), kRadioFace);
  fill(QRect(40, 40, 40, 20), kRadioHot);
  fill(QRect(40, 0, 12, 12), kChecked);
  fill(QRect(40, 12, 12, 12), kUnchecked);
  fill(QRect(52, 12, 12, 12), kGreyMark);
  fill(QRect(40, 24, 30, 10), kFrame);
  return img;
}

QByteArray SheetText(const QByteArray& groupExtra) {
  return "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n"
         "[SKINCONTROLS]\r\ncount=2\r\n0=groupbox:panel\r\n1=radiobox:checkradio\r\n"
         "[groupbox]\r\n" + groupExtra +
         "pictureindex=0\r\nskinrect=0,0,40,40\r\n"
         "lefttoppoint=3,22\r\nrighttoppoint=37,22\r\nleftbottompoint=3,37\r\nrightbottompoint=37,37\r\n"
         "clientrect=2,22,38,38\r\nstretcheffect=1\r\ncaptionrect=1,1,39,21\r\n"
         "fontname=Arial\r\nfontheight=14\r\nfontstyle=fsbold\r\nfontcolor=255\r\n"
         "[radiobox]\r\npictureindex=0\r\nskinrect=0,40,40,60\r\n"
         "lefttoppoint=15,10\r\nrighttoppoint=35,10\r\nclientrect=15,0,38,20\r\nstretcheffect=1\r\n"
         "fontname=Arial\r\nfontheight=14\r\nfontstyle=fsbold\r\n"
         "fontcolor=255\r\nactivefontcolor=32768\r\nunenabledfontcolor=8421504\r\n"
         "activeskinrect=40,40,80,60\r\ncheckimagearea=2,4,14,16\r\ntextarea=15,0,38,20\r\n"
         "checkimagerect=40,0,52,12\r\nuncheckimagerect=40,12,52,24\r\n"
         "unenableduncheckimagerect=52,12,64,24\r\n";
}

struct SheetSkin {
  explicit SheetSkin(const QByteArray& groupExtra = "alignment=taleftjustify\r\n") {
    skintest::TContainer c;
    c.Active = {WriteBmp(SheetPicture(), 24)};
    c.Text = SheetText(groupExtra);
    Stored = skintest::Stored(c.Bytes());
    Data = new TbsSkinData(&Form);
    Data->SetCompressedStoredSkin(Stored.get());
  }
  TForm Form;
  std::unique_ptr<TbsCompressedStoredSkin> Stored;
  TbsSkinData* Data;
};

// The columns that differ between two images of one size: (first, last), or
// (-1, -1) when none does.
std::pair<int, int> ChangedColumns(const QImage& a, const QImage& b) {
  int first = -1, last = -1;
  for (int x = 0; x < a.width(); ++x)
    for (int y = 0; y < a.height(); ++y)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

int CountColour(const QImage& img, const QColor& c, const QRect& within) {
  int n = 0;
  const QRect r = within.intersected(img.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += img.pixel(x, y) == c.rgb();
  return n;
}

const TFont kBoxFont = TFont::Make(QStringLiteral("Arial"), -16, fsBold, FromQColor(kOwnText));

// --- Placement rules ------------------------------------------------------------

TEST(SkinGroupBoxPlacement, AreasFollowTheResizeMode) {
  // Across (rmAcross) on a 40 x 20 skin with its ends at 15 and 35, grown by 60.
  const TbsCornerPoints across{{15, 10}, {35, 10}, {}, {}};
  const QSize skin(40, 20), wide(100, 20);
  EXPECT_EQ(PlaceSkinArea({2, 4, 14, 16}, TbsResizeMode::rmAcross, across, skin, wide), (TRect{2, 4, 14, 16}));
  EXPECT_EQ(PlaceSkinArea({15, 0, 38, 20}, TbsResizeMode::rmAcross, across, skin, wide), (TRect{15, 0, 98, 20}));
  EXPECT_EQ(PlaceSkinArea({36, 2, 39, 8}, TbsResizeMode::rmAcross, across, skin, wide), (TRect{96, 2, 99, 8}));
  // Down (rmDown): the same along the height.
  const TbsCornerPoints down{{10, 5}, {}, {10, 15}, {}};
  EXPECT_EQ(PlaceSkinArea({0, 16, 5, 19}, TbsResizeMode::rmDown, down, skin, {40, 50}), (TRect{0, 46, 5, 49}));
  EXPECT_EQ(PlaceSkinArea({0, 2, 5, 19}, TbsResizeMode::rmDown, down, skin, {40, 50}), (TRect{0, 2, 5, 49}));
  // Fixed: where it lies whatever the size.
  EXPECT_EQ(PlaceSkinArea({36, 2, 39, 8}, TbsResizeMode::rmFixed, across, skin, wide), (TRect{36, 2, 39, 8}));
  // Nine pieces: a band from the top-left into the top-right corner area widens.
  const TbsCornerPoints nine{{3, 17}, {286, 16}, {2, 49}, {286, 44}};
  EXPECT_EQ(PlaceSkinArea({1, 1, 289, 14}, TbsResizeMode::rmFree, nine, {290, 53}, {500, 120}),
            (TRect{1, 1, 499, 14}));
}

TEST(SkinGroupBoxPlacement, CaptionPartsLineUpByAlignment) {
  const QRect band(10, 0, 200, 20);
  const QSize text(50, 16), check(12, 12);
  TbsCaptionLayout l = LayoutCaption(band, TAlignment::taLeftJustify, text);
  EXPECT_EQ(l.Text, QRect(10, 2, 50, 16));
  EXPECT_TRUE(l.Check.isNull());
  l = LayoutCaption(band, TAlignment::taRightJustify, text, check);
  EXPECT_EQ(l.Text.right(), band.right());
  EXPECT_EQ(l.Check, QRect(l.Text.left() - 14, 4, 12, 12));  // 2 pixels before the text
  l = LayoutCaption(band, TAlignment::taCenter, text, {}, 70, 10, 5);
  EXPECT_EQ(l.Frame, QRect(10 + 65, 5, 70, 10));
  EXPECT_EQ(l.Text.left(), l.Frame.left() + 5);
}

// --- The stored metal skin ------------------------------------------------------

struct MetalWindow {
  MetalWindow() {
    Frame = CreateSkinFrame(&Form, Data, biMinimize, {.Icon = true, .ObjectHints = true});
    Form.SetClientSize(700, 500);
    Stored.LoadCompressedData(resources::Load(QStringLiteral("iMetal.skn")));
    Data->SetCompressedStoredSkin(&Stored);
  }
  TForm Form;
  TbsCompressedStoredSkin Stored;
  TbsSkinData* Data = new TbsSkinData(&Form);
  TbsSkinForm* Frame;
};

TEST(SkinGroupBoxMetal, ClientAreaAndCaptionBandFollowTheRecord) {
  // "groupbox": skinrect 290 x 53, client 1,20,289,52, captionrect 5,1,289,20.
  MetalWindow w;
  TbsSkinGroupBox box(w.Form.Client());
  box.SetSkinData(w.Data);
  ASSERT_TRUE(box.SkinnedLook());
  box.resize(353, 97);
  EXPECT_EQ(box.ClientArea(), QRect(QPoint(1, 20), QPoint(352 - 1, 96 - 1)));
  EXPECT_EQ(box.CaptionRect(), QRect(QPoint(5, 1), QPoint(352 - 1, 20 - 1)));
  box.resize(1032, 389);
  EXPECT_EQ(box.ClientArea(), QRect(QPoint(1, 20), QPoint(1031 - 1, 388 - 1)));
  EXPECT_EQ(box.CaptionRect(), QRect(QPoint(5, 1), QPoint(1031 - 1, 20 - 1)));
  // Outside caption mode there is no band.
  box.SetCaptionMode(false);
  EXPECT_TRUE(box.CaptionRect().isEmpty());
}

TEST(SkinGroupBoxMetal, RadioGroupArrangesItsButtonsInTheSkinnedClientArea) {
  MetalWindow w;
  TbsSkinRadioGroup group(w.Form.Client());
  group.SetBounds(8, 31, 273, 194);
  group.SetSkinData(w.Data);
  QStringList items;
  for (int i = 0; i < 8; ++i) items << QStringLiteral("Сталь %1").arg(i);
  group.SetItems(items);
  // Client 1,20 .. 272,193: 173 pixels for eight rows of 21.
  const QRect client = group.ClientArea();
  ASSERT_EQ(client, QRect(1, 20, 271, 173));
  for (int i = 0; i < 8; ++i) {
    const QRect r = group.Button(i)->geometry();
    EXPECT_EQ(r.top(), client.top() + 21 * i) << i;
    EXPECT_EQ(r.height(), 21) << i;
    EXPECT_EQ(r.left(), client.left() + 1) << i;
    EXPECT_GE(group.Button(i)->RecordIndex(), 0) << i;  // skinned from "radiobox"
    EXPECT_TRUE(client.contains(r)) << i;
  }
  // Nine items in two columns: five rows, the first column filled first.
  items << QStringLiteral("Д16");
  group.SetItems(items);
  group.SetColumns(2);
  for (int i = 0; i < 9; ++i) {
    const QRect r = group.Button(i)->geometry();
    EXPECT_EQ(r.height(), 173 / 5) << i;
    EXPECT_EQ(r.top(), client.top() + (i % 5) * (173 / 5)) << i;
    EXPECT_EQ(r.left(), client.left() + 1 + (i < 5 ? 0 : 271 / 2 - 2)) << i;
  }
}

TEST(SkinGroupBoxMetal, NoticesTurnTheLookPlainAndBackAndRearrange) {
  MetalWindow w;
  auto* group = new TbsSkinRadioGroup(w.Form.Client());
  group->SetBounds(8, 31, 273, 194);
  group->SetSkinData(w.Data);
  group->SetItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  const QRect skinned = group->ClientArea();
  ASSERT_EQ(skinned.top(), 20);

  w.Data->BroadcastSkinNotice(WM_SKINCHANGING);
  EXPECT_EQ(group->RecordIndex(), -1);
  EXPECT_EQ(group->ClientArea(), QRect(1, 23, 271, 170));  // the plain box with its 22-pixel band
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(group->Button(i)->RecordIndex(), -1) << i;
    EXPECT_EQ(group->Button(i)->geometry(), GroupButtonRect(group->ClientArea(), 3, 1, i)) << i;
  }

  w.Data->BroadcastSkinNotice(WM_SKINCHANGED);
  EXPECT_GE(group->RecordIndex(), 0);
  EXPECT_EQ(group->ClientArea(), skinned);
  for (int i = 0; i < 3; ++i) {
    EXPECT_GE(group->Button(i)->RecordIndex(), 0) << i;
    EXPECT_EQ(group->Button(i)->geometry(), GroupButtonRect(skinned, 3, 1, i)) << i;
  }
}

// --- The small skin: caption and item buttons -----------------------------------

TEST(SkinGroupBoxCaption, EmptyCaptionLeavesTheSkinImage) {
  SheetSkin s;
  TbsSkinGroupBox box(s.Form.Client());
  box.resize(240, 80);
  box.SetSkinData(s.Data);
  ASSERT_TRUE(box.SkinnedLook());
  const QImage bare = box.Render();
  // The body as the record composes it: the band grey, the face below.
  EXPECT_EQ(bare, box.ComposeSkinRect(box.SkinRect(), box.size()));
  EXPECT_EQ(QColor(bare.pixel(120, 10)), kBand);
  EXPECT_EQ(QColor(bare.pixel(120, 50)), kFace);

  box.SetCaption(QStringLiteral("Окно"));
  const QImage captioned = box.Render();
  EXPECT_NE(captioned, bare);
}

TEST(SkinGroupBoxCaption, TextSitsByTheRecordsAlignmentInTheRecordsColour) {
  struct Case {
    QByteArray Key;
    TAlignment Alignment;
  };
  const Case cases[] = {{"alignment=taleftjustify\r\n", TAlignment::taLeftJustify},
                        {"alignment=tarightjustify\r\n", TAlignment::taRightJustify},
                        {"alignment=tacenter\r\n", TAlignment::taCenter}};
  const QString caption = QStringLiteral("Другой материал:");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Key.constData());
    SheetSkin s(c.Key);
    TbsSkinGroupBox box(s.Form.Client());
    box.resize(300, 80);
    box.UseSkinFont = false;
    box.SetDefaultFont(kBoxFont);
    box.SetSkinData(s.Data);
    const QImage bare = box.Render();
    box.SetCaption(caption);
    const QImage img = box.Render();

    // Captionrect 1,1,39,21 widened by 260: columns 1 .. 298.
    const QRect band = box.CaptionRect();
    ASSERT_EQ(band, QRect(1, 1, 298, 20));
    const auto [first, last] = ChangedColumns(bare, img);
    ASSERT_GE(first, 0);
    const int width = QFontMetrics(ToQFont(kBoxFont)).horizontalAdvance(caption);
    switch (c.Alignment) {
      case TAlignment::taLeftJustify:
        EXPECT_LE(first - band.left(), 2);
        EXPECT_GT(band.right() - last, 100);
        break;
      case TAlignment::taRightJustify:
        EXPECT_LE(band.right() - last, 2);
        EXPECT_GT(first - band.left(), 100);
        break;
      case TAlignment::taCenter:
        EXPECT_NEAR((first + last) / 2.0, band.left() + band.width() / 2.0, 3);
        break;
    }
    EXPECT_NEAR(last - first + 1, width, 3);
    // The record's colour, never the box's own font colour.
    EXPECT_GT(CountColour(img, kRecordText, band), 20);
    EXPECT_EQ(CountColour(img, kOwnText, img.rect()), 0);
  }
}

TEST(SkinGroupBoxCaption, FrameImageIsAsWideAsTheTextPlusItsMargin) {
  // framerect 30 wide, frametextrect 20 wide: a 10-pixel margin. The text
  // takes the frame's own colour here, so that the frame's rows read as one
  // run of that colour whatever the letters cover.
  SheetSkin s("alignment=taleftjustify\r\nframerect=40,24,70,34\r\nframetextrect=5,2,25,8\r\n"
              "frameleftoffset=3\r\nframerightoffset=3\r\nfontcolor=" +
              QByteArray::number(int(FromQColor(kFrame))) + "\r\n");
  TbsSkinGroupBox box(s.Form.Client());
  box.resize(300, 80);
  box.UseSkinFont = false;
  box.SetDefaultFont(kBoxFont);
  box.SetSkinData(s.Data);
  const QString caption = QStringLiteral("Окно расчёта");
  box.SetCaption(caption);
  const QImage img = box.Render();
  const int width = QFontMetrics(ToQFont(kBoxFont)).horizontalAdvance(caption);
  // The frame's row just inside its top edge (band rows 1..20, frame 10 high
  // centred: rows 6..15) shows the frame colour from x 1 over its width.
  int run = 0;
  for (int x = 0; x < img.width(); ++x) run += QColor(img.pixel(x, 6)) == kFrame;
  EXPECT_EQ(run, width + 10);
  EXPECT_EQ(QColor(img.pixel(1, 6)), kFrame);
  EXPECT_EQ(QColor(img.pixel(1, 5)), kBand);
}

struct SheetGroup {
  SheetSkin Skin;
  TbsSkinRadioGroup* Group = new TbsSkinRadioGroup(Skin.Form.Client());
  SheetGroup() {
    Group->SetBounds(0, 0, 240, 100);
    Group->UseSkinFont = false;
    Group->SetButtonDefaultFont(kBoxFont);
    Group->SetSkinData(Skin.Data);
    Group->SetItems({QStringLiteral("Сталь"), QStringLiteral("Д16")});
  }
};

TEST(SkinGroupBoxItems, CheckImageIsDrawnInTheCheckImageArea) {
  SheetGroup g;
  TbsGroupButton* b = g.Group->Button(0);
  ASSERT_GE(b->RecordIndex(), 0);
  // Client 2,22 .. 238,98 of the group: two rows of 38.
  ASSERT_EQ(b->size(), QSize(234, 38));
  const QRect area = b->CheckImageArea();
  // 2,4,14,16 of the 20-row image, which sits 9 rows down in the button.
  EXPECT_EQ(area, QRect(2, 4 + 9, 12, 12));
  EXPECT_EQ(b->TextArea(), QRect(15, 0, 234 - 2 - 15, 38));  // reaches the top and bottom

  const QImage unchecked = b->Render();
  EXPECT_EQ(CountColour(unchecked, kUnchecked, area), 144);  // the whole 12 x 12 mark
  EXPECT_EQ(CountColour(unchecked, kUnchecked, unchecked.rect()), 144);
  EXPECT_EQ(CountColour(unchecked, kChecked, unchecked.rect()), 0);

  g.Group->SetItemIndex(0);
  const QImage checked = b->Render();
  EXPECT_EQ(CountColour(checked, kChecked, area), 144);
  EXPECT_EQ(CountColour(checked, kUnchecked, checked.rect()), 0);
  // Only the mark changed: the rest of the two images is the same body and text.
  QImage a = unchecked, c = checked;
  for (QImage* img : {&a, &c})
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) img->setPixel(x, y, 0);
  EXPECT_EQ(a, c);

  // Disabled: the skin's disabled mark.
  g.Group->SetItemIndex(-1);
  b->setEnabled(false);
  EXPECT_EQ(CountColour(b->Render(), kGreyMark, area), 144);
}

TEST(SkinGroupBoxItems, BodyAndTextFollowTheMouse) {
  SheetGroup g;
  TbsGroupButton* b = g.Group->Button(1);
  const QImage normal = b->Render();
  // The 20-row body centred in 38 rows, drawn out to the top and bottom.
  for (int y : {0, 8, 20, 37}) EXPECT_EQ(QColor(normal.pixel(200, y)), kRadioFace) << y;
  EXPECT_GT(CountColour(normal, kRecordText, b->TextArea()), 10);  // "fontcolor", not DefaultFont's
  EXPECT_EQ(CountColour(normal, kOwnText, normal.rect()), 0);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(b, &enter);
  const QImage hot = b->Render();
  EXPECT_EQ(QColor(hot.pixel(200, 20)), kRadioHot);
  EXPECT_GT(CountColour(hot, kHotText, b->TextArea()), 10);
  EXPECT_EQ(CountColour(hot, kRecordText, hot.rect()), 0);
}

TEST(SkinGroupBoxItems, WithoutARadioRecordTheButtonsStayPlain) {
  SheetGroup g;
  g.Group->ButtonSkinDataName = QStringLiteral("nosuchrecord");
  g.Group->SetItems({QStringLiteral("x")});
  TbsGroupButton* b = g.Group->Button(0);
  EXPECT_EQ(b->RecordIndex(), -1);
  EXPECT_TRUE(b->CheckImageArea().isNull());
  const QImage img = b->Render();
  EXPECT_EQ(CountColour(img, kUnchecked, img.rect()), 0);
  EXPECT_EQ(QColor(img.pixel(img.width() - 3, 3)), ToQColor(clBtnFace));
}

}  // namespace
