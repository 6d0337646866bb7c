// The drop-down list's skinned look: its areas from the record, the state
// images and text colours, the drop-down button by state, the popup list's
// rows, item pictures and scroll bar, the skin notices; on a small skin
// built here (every pixel known) and on the stored "iMetal.skn".
#include "platform/Forms.h"
#include "platform/Messages.h"
#include "resources/Resources.h"
#include "skin/SkinMemo.h"
#include "skin/SkinBmp.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinData.h"
#include "skin/SkinRecords.h"
#include "skin/StoredSkin.h"
#include "SkinDataTestSupport.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The test picture (200 x 60). Every piece is one flat colour:
//   combobox normal  (0,0)-(40,20)    kBody      active (40,0)-(80,20) kBodyHot
//   item             (0,20)-(40,36)   kItem      focus item (40,20)-(80,36) kFocus
//   active item      (80,20)-(120,36) kItemHot
//   button normal    (80,0)-(96,16)   kButton    active (96,0)-(112,16) kButtonHot
//   button down      (112,0)-(128,16) kButtonDown
//   list body        (130,0)-(170,40) kList
//   vertical bar     (180,0)-(190,60) kUp rows 0..10, kTrack, kDown rows 50..60
//   thumb            (192,0)-(200,20) kThumb
const QRgb kBody = qRgb(200, 10, 10), kBodyHot = qRgb(10, 200, 10), kItem = qRgb(250, 250, 240),
           kFocus = qRgb(20, 20, 150), kItemHot = qRgb(150, 150, 20), kButton = qRgb(100, 100, 100),
           kButtonHot = qRgb(140, 140, 140), kButtonDown = qRgb(60, 60, 60), kList = qRgb(230, 200, 230),
           kUp = qRgb(1, 100, 200), kTrack = qRgb(5, 150, 150), kDown = qRgb(200, 100, 1),
           kThumb = qRgb(120, 60, 30);
// Text colours, none of which is in the picture.
const QColor kText(255, 0, 0), kHotText(0, 255, 0), kFocusText(0, 0, 255);

QImage Sheet() {
  QImage img(200, 60, QImage::Format_RGB32);
  img.fill(qRgb(0, 0, 0));
  auto fill = [&](int l, int t, int r, int b, QRgb c) {
    for (int y = t; y < b; ++y)
      for (int x = l; x < r; ++x) img.setPixel(x, y, c);
  };
  fill(0, 0, 40, 20, kBody);
  fill(40, 0, 80, 20, kBodyHot);
  fill(0, 20, 40, 36, kItem);
  fill(40, 20, 80, 36, kFocus);
  fill(80, 20, 120, 36, kItemHot);
  fill(80, 0, 96, 16, kButton);
  fill(96, 0, 112, 16, kButtonHot);
  fill(112, 0, 128, 16, kButtonDown);
  fill(130, 0, 170, 40, kList);
  fill(180, 0, 190, 10, kUp);
  fill(180, 10, 190, 50, kTrack);
  fill(180, 50, 190, 60, kDown);
  fill(192, 0, 200, 20, kThumb);
  return img;
}

QByteArray SkinText(const QByteArray& controls, const QByteArray& comboExtra) {
  return "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n"
         "[SKINCONTROLS]\r\n" + controls +
         "[combobox]\r\n" + comboExtra +
         "pictureindex=0\r\nskinrect=0,0,40,20\r\nactiveskinrect=40,0,80,20\r\n"
         "lefttoppoint=3,10\r\nrighttoppoint=20,10\r\nclientrect=3,3,20,17\r\nbuttonrect=22,2,38,18\r\n"
         "itemrect=0,20,40,36\r\nactiveitemrect=80,20,120,36\r\nfocusitemrect=40,20,80,36\r\n"
         "itemleftoffset=2\r\nitemrightoffset=2\r\nitemtextrect=2,0,38,16\r\n"
         "fontname=Arial\r\nfontheight=14\r\nfontstyle=fsbold\r\n"
         "fontcolor=255\r\nactivefontcolor=65280\r\nfocusfontcolor=16711680\r\n"
         "listboxname=combolistbox\r\nfocusitemstretcheffect=1\r\n"
         "[combobutton]\r\npictureindex=0\r\nskinrect=80,0,96,16\r\nactiveskinrect=96,0,112,16\r\n"
         "downskinrect=112,0,128,16\r\nlefttoppoint=3,3\r\nrighttoppoint=13,3\r\nleftbottompoint=3,13\r\n"
         "rightbottompoint=13,13\r\nclientrect=3,3,13,13\r\nstretcheffect=1\r\n"
         "[combolistbox]\r\npictureindex=0\r\nskinrect=130,0,170,40\r\nlefttoppoint=2,2\r\n"
         "righttoppoint=38,2\r\nleftbottompoint=2,38\r\nrightbottompoint=38,38\r\nclientrect=2,2,38,37\r\n"
         "stretcheffect=1\r\nitemrect=0,20,40,36\r\nactiveitemrect=80,20,120,36\r\nfocusitemrect=40,20,80,36\r\n"
         "itemtextrect=2,0,38,16\r\nfontname=Arial\r\nfontheight=14\r\nfontstyle=fsbold\r\n"
         "fontcolor=255\r\nactivefontcolor=65280\r\nfocusfontcolor=16711680\r\nvscrollbarname=vscrollbar\r\n"
         "[vscrollbar]\r\npictureindex=0\r\nskinrect=180,0,190,60\r\nlefttoppoint=5,10\r\nleftbottompoint=5,50\r\n"
         "clientrect=0,10,10,50\r\nstretcheffect=1\r\ntrackarea=0,10,10,50\r\nupbuttonrect=0,0,10,10\r\n"
         "downbuttonrect=0,50,10,60\r\nthumbrect=192,0,200,20\r\nthumboffset1=2\r\nthumboffset2=2\r\n";
}

const QByteArray kAllControls =
    "count=4\r\n0=combobox:combobox\r\n1=combobutton:button\r\n2=combolistbox:listbox\r\n"
    "3=vscrollbar:scrollbar\r\n";

struct SkinnedCombo {
  explicit SkinnedCombo(const QByteArray& controls = kAllControls, const QByteArray& comboExtra = {}) {
    skintest::TContainer c;
    c.Active = {WriteBmp(Sheet(), 24)};
    c.Text = SkinText(controls, comboExtra);
    Stored = skintest::Stored(c.Bytes());
    Form = new TForm;
    Form->SetClientSize(300, 200);
    Data = new TbsSkinData(Form);
    Data->SetCompressedStoredSkin(Stored.get());
    Box = new TbsSkinComboBox(Form->Client());
    Box->UseSkinSize = false;
    Box->UseSkinFont = false;
    Box->DropDownCount = 10;
    Box->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlack));
    Box->SetItems({QStringLiteral("WWWW"), QStringLiteral("MMMM"), QStringLiteral("HHHH")});
    Box->SetBounds(10, 10, 100, 24);
    Other = new QLineEdit(Form->Client());
    Other->setGeometry(10, 100, 120, 22);
    Form->Show();
    QApplication::setActiveWindow(Form);
    Other->setFocus();
    Box->SetSkinData(Data);
  }
  ~SkinnedCombo() { delete Form; }

  void Enter() {
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(15, 15));
    QApplication::sendEvent(Box, &e);
  }
  void Leave() {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(Box, &e);
  }
  void Move(QPoint at) {
    QMouseEvent ev(QEvent::MouseMove, QPointF(at), QPointF(Box->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(Box, &ev);
  }

  std::unique_ptr<TbsCompressedStoredSkin> Stored;
  TForm* Form;
  TbsSkinData* Data;
  TbsSkinComboBox* Box;
  QLineEdit* Other;
};

int CountColour(const QImage& img, const QColor& c, const QRect& within = {}) {
  const QRect r = within.isNull() ? img.rect() : within;
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += img.pixel(x, y) == c.rgb();
  return n;
}

TEST(SkinComboBoxSkinLook, AreasComeFromTheRecordMovedForTheSize) {
  SkinnedCombo s;
  ASSERT_NE(s.Box->ComboRecord(), nullptr);
  // 100 x 24 against the 40 x 20 skin: dw 60, dh 4. The button (left 22, at
  // or beyond 40 - 20) keeps its distance from the right edge.
  EXPECT_EQ(s.Box->ButtonRect(), QRect(QPoint(82, 2), QPoint(97, 21)));
  EXPECT_EQ(s.Box->TextRect(), QRect(QPoint(3, 3), QPoint(79, 20)));
  // Following the skin's size, the bottoms stay (the height is the skin's).
  s.Box->UseSkinSize = true;
  s.Box->SkinChanged();
  EXPECT_EQ(s.Box->size(), QSize(100, 20));
  EXPECT_EQ(s.Box->ButtonRect(), QRect(QPoint(82, 2), QPoint(97, 17)));
  // Without skin data the plain areas.
  s.Box->SetSkinData(nullptr);
  s.Box->resize(100, 24);
  EXPECT_EQ(s.Box->ComboRecord(), nullptr);
  EXPECT_EQ(s.Box->ButtonRect(), QRect(QPoint(81, 2), QPoint(97, 21)));
  EXPECT_EQ(s.Box->TextRect(), QRect(QPoint(2, 2), QPoint(79, 21)));
}

TEST(SkinComboBoxSkinLook, BodyAndTextFollowMouseAndFocus) {
  SkinnedCombo s;
  s.Box->SetItemIndex(0);
  QImage img = s.Box->Render();
  EXPECT_EQ(img.pixel(1, 12), kBody);
  EXPECT_GT(CountColour(img, kText, s.Box->TextRect()), 10);
  EXPECT_EQ(CountColour(img, kHotText, s.Box->TextRect()), 0);

  s.Enter();
  img = s.Box->Render();
  EXPECT_EQ(img.pixel(1, 12), kBodyHot);
  EXPECT_GT(CountColour(img, kHotText, s.Box->TextRect()), 10);
  EXPECT_EQ(CountColour(img, kText, s.Box->TextRect()), 0);

  s.Leave();
  s.Box->setFocus();
  ASSERT_TRUE(s.Box->hasFocus());
  img = s.Box->Render();
  EXPECT_EQ(img.pixel(1, 12), kBodyHot);  // focused counts as active
  // The focus item picture fills the text area behind the focus colour text.
  const QRect text = s.Box->TextRect();
  EXPECT_EQ(img.pixel(text.left(), text.top()), kFocus);
  EXPECT_EQ(img.pixel(text.right(), text.bottom()), kFocus);
  EXPECT_GT(CountColour(img, kFocusText, text), 10);
  EXPECT_EQ(CountColour(img, kText, text) + CountColour(img, kHotText, text), 0);
}

TEST(SkinComboBoxSkinLook, AnEmptyActiveRectangleKeepsTheNormalBody) {
  SkinnedCombo s(kAllControls, "activeskinrect=0,0,0,0\r\n");
  s.Enter();
  EXPECT_EQ(s.Box->Render().pixel(1, 12), kBody);
}

TEST(SkinComboBoxSkinLook, ButtonWearsItsRecordByStateWithAnArrowOfOurOwn) {
  SkinnedCombo s;
  const QRect b = s.Box->ButtonRect();
  const QPoint edge = b.topLeft() + QPoint(1, 1);
  EXPECT_EQ(s.Box->Render().pixel(edge), kButton);
  // The flat button picture has no glyph: the arrow is drawn in the font colour.
  EXPECT_GT(CountColour(s.Box->Render(), kText, b), 5);

  s.Enter();
  s.Move(b.center());
  ASSERT_TRUE(s.Box->MouseInButton());
  EXPECT_EQ(s.Box->Render().pixel(edge), kButtonHot);

  QTest::mousePress(s.Box, Qt::LeftButton, {}, b.center());
  ASSERT_TRUE(s.Box->ButtonPressed());
  const QImage pressed = s.Box->Render();
  EXPECT_EQ(pressed.pixel(edge), kButtonDown);
  QTest::mouseRelease(s.Box, Qt::LeftButton, {}, b.center());
  s.Box->CloseUp(false);
}

TEST(SkinComboBoxSkinLook, WithoutAButtonRecordThePlainButton) {
  SkinnedCombo s("count=1\r\n0=combobox:combobox\r\n");
  ASSERT_NE(s.Box->ComboRecord(), nullptr);
  ASSERT_EQ(s.Box->DropButtonRecord(), nullptr);
  const QImage img = s.Box->Render();
  const QRect b = s.Box->ButtonRect();
  EXPECT_EQ(img.pixel(1, 12), kBody);                                    // the body still skinned
  EXPECT_EQ(QColor(img.pixel(b.left() + 2, b.top() + 2)), ToQColor(clBtnFace));  // plain face
  EXPECT_EQ(QColor(img.pixel(b.topLeft())), ToQColor(clBtnShadow));      // plain frame
}

TEST(SkinComboBoxSkinLook, ARecordOfAnotherClassGivesThePlainLook) {
  SkinnedCombo s("count=1\r\n0=combobox:button\r\n");
  EXPECT_EQ(s.Box->ComboRecord(), nullptr);
  const QImage img = s.Box->Render();
  EXPECT_EQ(QColor(img.pixel(0, 0)), ToQColor(clBtnShadow));
}

TEST(SkinComboBoxSkinLook, GlyphDetection) {
  QImage flat(17, 17, QImage::Format_RGB32);
  flat.fill(qRgb(120, 120, 120));
  EXPECT_FALSE(HasGlyph(flat));
  QImage shaded = flat;  // shaded from top to bottom, framed
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x) shaded.setPixel(x, y, (x == 0 || y == 0) ? qRgb(0, 0, 0) : qRgb(100 + 8 * y, 100 + 8 * y, 100 + 8 * y));
  EXPECT_FALSE(HasGlyph(shaded));
  QImage arrow = shaded;
  for (int x = 6; x <= 10; ++x) arrow.setPixel(x, 8, qRgb(0, 0, 0));
  EXPECT_TRUE(HasGlyph(arrow));
}

TEST(SkinComboBoxSkinList, RowsItemsAndBarFromTheListRecord) {
  SkinnedCombo s;
  QStringList items;
  for (int i = 0; i < 14; ++i) items << QStringLiteral("W%1").arg(i);
  s.Box->SetItems(items);
  s.Box->SetItemIndex(2);
  s.Box->DropDown();
  TbsPopupListBox* list = s.Box->ListBox();
  ASSERT_TRUE(s.Box->DroppedDown());
  ASSERT_NE(list->ListRecord(), nullptr);
  // Rows as high as the item picture; borders of the record: 2 above, 3 below.
  EXPECT_EQ(list->RowHeight(), 16);
  EXPECT_EQ(list->Borders(), QMargins(2, 2, 2, 3));
  EXPECT_EQ(list->height(), 10 * 16 + 5);
  ASSERT_TRUE(list->HasScrollBar());
  EXPECT_EQ(list->ScrollBarRect(), QRect(100 - 2 - 10, 2, 10, 10 * 16));

  const QImage img = list->Render();
  EXPECT_EQ(img.pixel(0, 0), kList);
  // The current item on the focus picture, the others on the item picture.
  const QRect current = list->ItemRect(2), other = list->ItemRect(5);
  EXPECT_EQ(current.right(), list->ScrollBarRect().left() - 1);
  EXPECT_EQ(img.pixel(current.topLeft()), kFocus);
  EXPECT_EQ(img.pixel(other.topLeft()), kItem);
  EXPECT_GT(CountColour(img, kFocusText, current), 5);
  EXPECT_GT(CountColour(img, kText, other), 5);
  // The bar: up button, track, thumb at the top (first row shown), down button.
  const QRect bar = list->ScrollBarRect();
  EXPECT_EQ(img.pixel(bar.left() + 5, bar.top() + 3), kUp);
  EXPECT_EQ(img.pixel(bar.left() + 5, bar.bottom() - 3), kDown);
  EXPECT_EQ(img.pixel(bar.left() + 5, bar.top() + 10 + 4), kThumb);
  EXPECT_EQ(img.pixel(bar.left() + 5, bar.bottom() - 12), kTrack);
  s.Box->CloseUp(false);
}

TEST(SkinComboBoxSkinList, TheItemUnderTheMouseIsCurrentAndAnotherHotOneShowsActive) {
  SkinnedCombo s;
  s.Box->DropDown();
  TbsPopupListBox* list = s.Box->ListBox();
  const QPoint over = list->ItemRect(1).center();
  QMouseEvent move(QEvent::MouseMove, QPointF(over), QPointF(list->mapToGlobal(over)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(list, &move);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->HotIndex(), 1);
  // A key moves the current item away; the mouse still rests on item 1.
  QTest::keyClick(s.Box, Qt::Key_Down);
  ASSERT_EQ(list->ItemIndex(), 2);
  const QImage img = list->Render();
  EXPECT_EQ(img.pixel(list->ItemRect(1).topLeft()), kItemHot);
  EXPECT_GT(CountColour(img, kHotText, list->ItemRect(1)), 5);
  EXPECT_EQ(img.pixel(list->ItemRect(2).topLeft()), kFocus);
  s.Box->CloseUp(false);
}

TEST(SkinComboBoxSkinList, WithoutAListRecordThePlainList) {
  SkinnedCombo s("count=2\r\n0=combobox:combobox\r\n1=combobutton:button\r\n");
  s.Box->DropDown();
  TbsPopupListBox* list = s.Box->ListBox();
  EXPECT_EQ(list->ListRecord(), nullptr);
  EXPECT_EQ(list->height(), 3 * list->RowHeight() + 2);
  EXPECT_EQ(QColor(list->Render().pixel(0, 0)), ToQColor(clWindowFrame));
  s.Box->CloseUp(false);
}

TEST(SkinComboBoxSkinNotices, PlainBetweenTheNoticesThenSkinnedAgain) {
  SkinnedCombo s;
  s.Box->DropDown();
  TbsPopupListBox* list = s.Box->ListBox();
  ASSERT_NE(list->ListRecord(), nullptr);
  const QImage skinned = s.Box->Render();
  const QImage skinnedList = list->Render();

  s.Box->SkinWillChange();
  EXPECT_EQ(s.Box->ComboRecord(), nullptr);
  EXPECT_EQ(QColor(s.Box->Render().pixel(0, 0)), ToQColor(clBtnShadow));  // the plain frame
  EXPECT_EQ(s.Box->ButtonRect().width(), 17);                              // the plain button
  EXPECT_EQ(list->ListRecord(), nullptr);
  EXPECT_EQ(QColor(list->Render().pixel(0, 0)), ToQColor(clWindowFrame));

  s.Box->SkinChanged();
  EXPECT_NE(list->ListRecord(), nullptr);
  EXPECT_EQ(s.Box->Render(), skinned);
  EXPECT_EQ(list->Render(), skinnedList);
  s.Box->CloseUp(false);

  // Loading a skin again sends both notices through the skin data; in
  // between, the skin data is empty and the box plain.
  s.Data->ReadStoredSkin(s.Stored.get());
  s.Box->SkinChanged();  // what the window frame does on the second notice
  EXPECT_EQ(s.Box->Render(), skinned);
}

// --- The stored skin -----------------------------------------------------------------

struct StoredCombo {
  StoredCombo() {
    Form.SetClientSize(300, 300);
    Data = new TbsSkinData(&Form);
    Data->SetCompressedStoredSkin(
        CreateStoredSkin(&Form, resources::Load(QStringLiteral("iMetal.skn")), QStringLiteral("iMetal.skn")));
    Box = new TbsSkinComboBox(Form.Client());
    Box->UseSkinSize = false;
    Box->UseSkinFont = false;
    Box->DropDownCount = 10;
    Box->SetItems({QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("10")});
    Box->SetBounds(20, 20, 81, 22);
    Box->SetSkinData(Data);
  }
  TForm Form;
  TbsSkinData* Data;
  TbsSkinComboBox* Box;
};

TEST(SkinComboBoxStoredSkin, AreasAndListOnIMetal) {
  StoredCombo s;
  ASSERT_NE(s.Box->ComboRecord(), nullptr);
  ASSERT_NE(s.Box->DropButtonRecord(), nullptr);
  EXPECT_EQ(s.Box->DropButtonRecord()->IDName, QStringLiteral("combobutton"));
  // 81 x 22 against the 120 x 21 skin: dw -39, dh 1.
  EXPECT_EQ(s.Box->ButtonRect(), QRect(QPoint(62, 2), QPoint(78, 19)));
  EXPECT_EQ(s.Box->TextRect(), QRect(QPoint(3, 3), QPoint(58, 18)));
  // The stored button picture carries its own arrow.
  const QImage img = s.Box->Render();
  EXPECT_TRUE(HasGlyph(img.copy(s.Box->ButtonRect())));

  s.Box->DropDown();
  TbsPopupListBox* list = s.Box->ListBox();
  ASSERT_NE(list->ListRecord(), nullptr);
  EXPECT_EQ(list->ListRecord()->IDName, QStringLiteral("combolistbox"));
  EXPECT_EQ(list->RowHeight(), 18);
  EXPECT_EQ(list->Rows(), 3);
  EXPECT_FALSE(list->HasScrollBar());
  EXPECT_EQ(list->height(), 3 * 18 + 4);
  s.Box->CloseUp(false);
}

}  // namespace
