// The main window's and the splash window's controls as they are laid out.
#include "app/UnitDBtqrZastavka.h"
#include "app/Unit_Glav_Moment.h"
#include "forms/WindowParts.h"
#include "platform/Jpeg.h"
#include "platform/Png.h"
#include "resources/Resources.h"
#include "tests/app/ProgramWindows.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using MainWindow = ProgramWindowsTest;

struct ButtonRow {
  TbsSkinButton* TForm_Glav_Moment::*Member;
  int Left, Top, Width, Height;
  const char* Caption;
  const char* Hint;
};

const ButtonRow kButtons[] = {
    {&TForm_Glav_Moment::bsSkinButton1, 7, 15, 128, 39, "     Болты", "Моменты затяжки болтов"},
    {&TForm_Glav_Moment::bsSkinButton2, 149, 14, 132, 40, "     Гайки", "Моменты затяжки гаек"},
    {&TForm_Glav_Moment::bsSkinButton3, 8, 69, 276, 35, "     Другие резьбы", "Моменты затяжки других резьб"},
    {&TForm_Glav_Moment::bsSkinButton5, 8, 128, 369, 35, "  Моменты затяжки пневмоарматуры",
     "Моменты затяжки пневмоарматуры"},
    {&TForm_Glav_Moment::bsSkinButton4, 301, 0, 33, 33, "", "О программе"},
};

TEST_F(MainWindow, ButtonsStandWhereTheLayoutPutsThem) {
  for (const ButtonRow& row : kButtons) {
    TbsSkinButton* b = Form_Glav_Moment->*row.Member;
    SCOPED_TRACE(b->objectName().toStdString());
    EXPECT_EQ(b->parentWidget(), Form_Glav_Moment->Client());
    EXPECT_EQ(b->geometry(), QRect(row.Left, row.Top, row.Width, row.Height));
    EXPECT_EQ(b->Caption(), QString::fromUtf8(row.Caption));
    EXPECT_EQ(b->toolTip(), QString::fromUtf8(row.Hint));
    EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(b->Glyph().isNull());
    EXPECT_EQ(b->DefaultFont, TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlack));
    EXPECT_FALSE(b->UseSkinSize);
    EXPECT_FALSE(b->UseSkinFont);
    EXPECT_FALSE(b->UseSkinFontColor);
  }
  EXPECT_TRUE(Form_Glav_Moment->bsSkinButton1->AllowAllUp);
  EXPECT_EQ(Form_Glav_Moment->Image2->geometry(), QRect(336, 8, 38, 25));
  EXPECT_EQ(Form_Glav_Moment->Image2->Picture().size(), QSize(38, 25));
  EXPECT_EQ(Form_Glav_Moment->Image2->toolTip(), QStringLiteral("Рэспублiка Беларусь"));
}

TEST_F(MainWindow, TabOrderStartsAtTheAboutButton) {
  FinishSplash();
  ASSERT_TRUE(Form_Glav_Moment->Visible());
  QApplication::setActiveWindow(Form_Glav_Moment);
  ASSERT_NE(Form_Glav_Moment->focusWidget(), nullptr);
  EXPECT_EQ(Form_Glav_Moment->focusWidget()->objectName(), QStringLiteral("bsSkinButton4"));
  const TbsSkinButton* order[] = {Form_Glav_Moment->bsSkinButton4, Form_Glav_Moment->bsSkinButton1,
                                  Form_Glav_Moment->bsSkinButton2, Form_Glav_Moment->bsSkinButton3,
                                  Form_Glav_Moment->bsSkinButton5, Form_Glav_Moment->bsSkinButton4};
  for (int i = 0; i + 1 < 6; ++i) {
    EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[i + 1]) << i;
  }
}

TEST_F(MainWindow, KeyboardOpensAWorkingWindow) {
  FinishSplash();
  Form_Glav_Moment->bsSkinButton1->setFocus();
  QTest::keyClick(Form_Glav_Moment->bsSkinButton1, Qt::Key_Return);
  EXPECT_FALSE(Form_Glav_Moment->Visible());
  EXPECT_TRUE(Form_Glav_Moment->bsSkinButton1->isEnabled());
}

TEST_F(MainWindow, SplashHasItsPictureAndLabels) {
  TFormDBtqrZastavka* s = FormDBtqrZastavka;
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Image1->geometry(), QRect(0, 0, 525, 373));
  EXPECT_TRUE(s->Image1->Stretch);
  EXPECT_EQ(s->Image1->Picture().size(), QSize(640, 480));
  EXPECT_EQ(s->Label1->geometry(), QRect(428, 358, 88, 13));
  EXPECT_EQ(s->Label1->Caption(), QStringLiteral("Идёт загрузка"));
  EXPECT_EQ(s->Label1->Font(), TFont::Make(QStringLiteral("MS Sans Serif"), -11, fsBold, clRed));
  EXPECT_EQ(s->Label2->geometry(), QRect(12, 8, 470, 24));
  EXPECT_EQ(s->Label2->Caption(), QStringLiteral("Моменты затяжки резьбовых соединений v.4.2"));
  EXPECT_EQ(s->Label2->Font(), TFont::Make(QStringLiteral("MS Sans Serif"), -19, fsBold, clRed));
  EXPECT_EQ(s->Timer1->interval(), 3000);
  EXPECT_TRUE(s->Timer1->isActive());
  // No frame: the client area is the whole window.
  EXPECT_EQ(s->size(), QSize(525, 373));
}

TEST_F(MainWindow, SplashPictureFillsTheWindow) {
  const QImage shot = FormDBtqrZastavka->Image1->grab().toImage();
  // Stretched: the picture's corners land in the window's corners, and the
  // blueprint blue shows there, not the empty window background.
  const QColor corner = shot.pixelColor(shot.width() - 1, shot.height() - 1);
  EXPECT_GT(corner.blue(), corner.red());
  EXPECT_EQ(shot.size(), QSize(525, 373));
}

TEST(Pictures, SplashJpegDecodes) {
  const QImage img = platform::DecodeJpeg(resources::Load(QStringLiteral("splash.jpg")));
  EXPECT_EQ(img.size(), QSize(640, 480));
  EXPECT_TRUE(platform::DecodeJpeg(QByteArray("not a jpeg at all")).isNull());
  QByteArray cut = resources::Load(QStringLiteral("splash.jpg")).left(300);
  EXPECT_NO_FATAL_FAILURE(platform::DecodeJpeg(cut));
}

TEST(Pictures, IconPngDecodesAsQtReadsIt) {
  const QFileInfoList files = QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files);
  ASSERT_FALSE(files.isEmpty());
  for (const QFileInfo& file : files) {
    QFile f(file.filePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const QImage ours = platform::DecodePng(bytes);
    const QImage qt = QImage(file.filePath()).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(qt.isNull()) << file.fileName().toStdString();
    EXPECT_EQ(ours.format(), QImage::Format_ARGB32);
    EXPECT_EQ(ours, qt) << file.fileName().toStdString();
    EXPECT_TRUE(platform::DecodePng(bytes.left(bytes.size() / 2)).isNull()) << "a cut file gives nothing";
  }
  EXPECT_TRUE(platform::DecodePng(QByteArray("not a png at all")).isNull());
  EXPECT_TRUE(platform::DecodePng(QByteArray()).isNull());
}

TEST(Pictures, ArtPicturesReadAsQtReadsThem) {
  // The buttons' glyphs and the flag: each pixel as Qt's own reader gives it.
  int pngs = 0;
  for (const QFileInfo& file : QDir(QStringLiteral(":/art")).entryInfoList({QStringLiteral("*.png")}, QDir::Files)) {
    SCOPED_TRACE(file.fileName().toStdString());
    const QImage qt = QImage(file.filePath()).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(qt.isNull());
    EXPECT_EQ(ArtImage(file.fileName()), qt);
    ++pngs;
  }
  EXPECT_GT(pngs, 0);
  EXPECT_TRUE(ArtImage(QStringLiteral("no-such-picture.png")).isNull());
}

}  // namespace
