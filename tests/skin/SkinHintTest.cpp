// The hint window: its size and look from the skin's hint-window record or
// the plain box, its place near the mouse inside the work area, and the
// application filter that shows it for the controls of skinned windows.
#include "platform/Forms.h"
#include "platform/Platform.h"
#include "skin/SkinBmp.h"
#include "skin/SkinData.h"
#include "skin/SkinHint.h"
#include "SkinDataTestSupport.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// A 20 x 16 hint picture: pixel (x, y) = (10 x, 10 y, 77); borders 4 left,
// 3 top, 4 right, 3 bottom around the client rectangle.
QImage HintPicture() {
  QImage img(20, 16, QImage::Format_RGB32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 20; ++x) img.setPixel(x, y, qRgb(10 * x, 10 * y, 77));
  return img;
}

QByteArray HintSkinText() {
  return skintest::MinimalText(
      "[HINTWINDOW]\r\nwindowpictureindex=0\r\nmaskpictureindex=-1\r\nlefttoppoint=4,3\r\n"
      "righttoppoint=16,3\r\nleftbottompoint=4,13\r\nrightbottompoint=16,13\r\nclientrect=4,3,16,13\r\n"
      "fontname=Arial\r\nfontheight=-12\r\nfontstyle=fsbold\r\nfontcolor=255\r\n"
      "leftstretch=1\r\nrightstretch=1\r\ntopstretch=1\r\nbottomstretch=1\r\n");
}

// A window carrying the hint skin (or none) and one control with a hint.
struct HintWindowCase {
  explicit HintWindowCase(bool skinned) {
    Form = new TForm;
    Form->SetClientSize(300, 200);
    if (skinned) {
      skintest::TContainer c;
      c.Active = {WriteBmp(HintPicture(), 24)};
      c.Text = HintSkinText();
      Stored = skintest::Stored(c.Bytes());
      Data = new TbsSkinData(Form);
      Data->SetCompressedStoredSkin(Stored.get());
    }
    Control = new QPushButton(QStringLiteral("x"), Form->Client());
    Control->setGeometry(10, 10, 80, 24);
    Control->setToolTip(QStringLiteral("Выбор диаметра"));
    Form->Show();
  }
  ~HintWindowCase() {
    HideSkinHint();
    delete Form;
  }
  bool AskForHint(QWidget* w) {
    QHelpEvent e(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    return QApplication::sendEvent(w, &e);
  }

  std::unique_ptr<TbsCompressedStoredSkin> Stored;
  TForm* Form;
  TbsSkinData* Data = nullptr;
  QPushButton* Control;
};

TEST(SkinHintLook, SizeIsTheTextPlusTheRecordsBordersAndPadding) {
  HintWindowCase c(true);
  ASSERT_EQ(FindSkinDataFor(c.Control), c.Data);
  const TbsHintLook look = TbsHintLook::From(c.Data);
  ASSERT_TRUE(look.Skinned());
  const QString text = QStringLiteral("Строка занесена");
  const QFontMetrics fm(ToQFont(TFont::Make(QStringLiteral("Arial"), -12, fsBold)));
  const int p = kHintTextPadding;
  EXPECT_EQ(look.SizeFor(text), QSize(fm.horizontalAdvance(text) + 8 + 2 * p, fm.height() + 6 + 2 * p));
  // Two lines (a CR breaks the line): twice the height, the wider width.
  const QString two = text + QLatin1Char('\r') + QStringLiteral("и ещё одна, более длинная строка");
  EXPECT_EQ(look.SizeFor(two).height(), 2 * fm.height() + 6 + 2 * p);
  EXPECT_EQ(look.SizeFor(two).width(),
            fm.horizontalAdvance(QStringLiteral("и ещё одна, более длинная строка")) + 8 + 2 * p);
}

TEST(SkinHintLook, BodyIsThePictureInNinePiecesWithTheTextInside) {
  HintWindowCase c(true);
  const TbsHintLook look = TbsHintLook::From(c.Data);
  const QString text = QStringLiteral("Подсказка");
  const QSize size = look.SizeFor(text);
  const QImage img = look.Render(text, size).convertToFormat(QImage::Format_RGB32);
  const QImage pic = HintPicture();
  EXPECT_EQ(img.pixel(0, 0), pic.pixel(0, 0));
  EXPECT_EQ(img.pixel(3, 2), pic.pixel(3, 2));
  EXPECT_EQ(img.pixel(size.width() - 1, size.height() - 1), pic.pixel(19, 15));
  EXPECT_EQ(img.pixel(size.width() - 4, 0), pic.pixel(16, 0));
  // Text in the record's colour (red), inside the margins only.
  QRect red;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == qRgb(255, 0, 0)) red |= QRect(x, y, 1, 1);
  ASSERT_FALSE(red.isNull());
  EXPECT_TRUE(QRect(QPoint(0, 0), size).marginsRemoved(look.Margins()).contains(red));
}

TEST(SkinHintLook, PlainBoxWithoutASkin) {
  HintWindowCase c(false);
  EXPECT_EQ(FindSkinDataFor(c.Control), nullptr);
  ShowSkinHint(c.Control, c.Control->mapToGlobal(QPoint(5, 5)), QStringLiteral("Подсказка"));
  TbsSkinHintWindow* hint = VisibleSkinHint();
  ASSERT_NE(hint, nullptr);
  EXPECT_FALSE(hint->Look().Skinned());
  const QImage img = hint->Look().Render(hint->Text(), hint->size());
  EXPECT_EQ(img.pixelColor(0, 0), ToQColor(clInfoText));
  EXPECT_EQ(img.pixelColor(1, 1), ToQColor(clInfoBk));
  EXPECT_EQ(hint->size(), hint->Look().SizeFor(QStringLiteral("Подсказка")));
  // Asked for in the corner of the work area: it stays inside it.
  const QRect area = platform::WorkAreaAt(QPoint(0, 0));
  ShowSkinHint(c.Control, area.bottomRight(), QStringLiteral("Подсказка у края экрана"));
  ASSERT_NE(VisibleSkinHint(), nullptr);
  EXPECT_TRUE(area.contains(VisibleSkinHint()->geometry()));
  // An empty text hides it.
  ShowSkinHint(c.Control, QPoint(10, 10), QString());
  EXPECT_EQ(VisibleSkinHint(), nullptr);
}

TEST(SkinHintPlace, BelowTheMouseAndInsideTheWorkArea) {
  const QRect area(0, 0, 800, 600);
  const QSize size(120, 24);
  EXPECT_EQ(HintPosition(QPoint(100, 100), size, area), QPoint(100 + kHintOffsetX, 100 + kHintOffsetY));
  // At the right edge: moved left to end at the edge.
  EXPECT_EQ(HintPosition(QPoint(790, 100), size, area).x(), 800 - 120);
  // At the bottom edge: above the mouse.
  const QPoint low = HintPosition(QPoint(300, 590), size, area);
  EXPECT_LE(low.y() + size.height(), 590);
  EXPECT_GE(low.y(), 0);
  // In the bottom-right corner of a work area that does not start at 0.
  const QRect offset(100, 50, 400, 300);
  const QPoint corner = HintPosition(QPoint(499, 349), size, offset);
  EXPECT_TRUE(offset.contains(QRect(corner, size)));
  // A hint wider than the area keeps its left edge inside.
  EXPECT_EQ(HintPosition(QPoint(300, 100), QSize(1000, 20), area).x(), 0);
}

TEST(SkinHintFilter, ShowsTheSkinHintForASkinnedWindowsControl) {
  InstallSkinHints();
  InstallSkinHints();  // once only
  HintWindowCase c(true);
  EXPECT_TRUE(c.AskForHint(c.Control));
  TbsSkinHintWindow* hint = VisibleSkinHint();
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->Owner(), c.Control);
  EXPECT_EQ(hint->Text(), QStringLiteral("Выбор диаметра"));
  EXPECT_TRUE(hint->Look().Skinned());
  EXPECT_TRUE(platform::WorkAreaAt(hint->pos()).contains(hint->geometry()));
  EXPECT_TRUE(hint->HideTimer()->isActive());
  // Asked again with the mouse moved a little: the hint does not jump.
  const QPoint at = hint->pos();
  QHelpEvent again(QEvent::ToolTip, QPoint(30, 12), c.Control->mapToGlobal(QPoint(30, 12)));
  QApplication::sendEvent(c.Control, &again);
  EXPECT_EQ(hint->pos(), at);

  // A key press hides it, as a leave of the control does.
  QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(c.Control, &key);
  EXPECT_EQ(VisibleSkinHint(), nullptr);
  c.AskForHint(c.Control);
  ASSERT_NE(VisibleSkinHint(), nullptr);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(c.Control, &leave);
  EXPECT_EQ(VisibleSkinHint(), nullptr);
  // The timer ends it too.
  c.AskForHint(c.Control);
  ASSERT_NE(VisibleSkinHint(), nullptr);
  QMetaObject::invokeMethod(VisibleSkinHint()->HideTimer(), "timeout");
  EXPECT_EQ(VisibleSkinHint(), nullptr);
}

TEST(SkinHintFilter, WindowsWithoutASkinKeepTheOrdinaryTooltip) {
  InstallSkinHints();
  HintWindowCase c(false);
  c.AskForHint(c.Control);
  EXPECT_EQ(VisibleSkinHint(), nullptr);
  // A control without a hint of its own asks its parent; nothing to show.
  HintWindowCase s(true);
  s.Control->setToolTip(QString());
  s.AskForHint(s.Control);
  EXPECT_EQ(VisibleSkinHint(), nullptr);
}

}  // namespace
