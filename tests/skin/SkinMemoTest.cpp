// The read-only memo: its lines come back as stored, typing changes nothing,
// the text can be selected and scrolled.
#include "platform/Forms.h"
#include "resources/Resources.h"
#include "skin/SkinData.h"
#include "skin/SkinMemo.h"
#include "skin/SkinRecords.h"
#include "skin/SkinScrollBar.h"
#include "skin/StoredSkin.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class SkinMemoView : public ::testing::Test {
protected:
  void SetUp() override {
    form = std::make_unique<TForm>();
    form->SetClientSize(300, 200);
    memo = new TbsSkinMemo(form->Client());
    memo->SetBounds(8, 8, 200, 80);
    memo->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlack));
    for (int i = 0; i < 12; ++i) lines << QStringLiteral("  line %1 with a long tail of words that runs on ").arg(i);
    lines << QString();
    memo->SetLines(lines);
    form->Show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }
  std::unique_ptr<TForm> form;
  TbsSkinMemo* memo = nullptr;
  QStringList lines;
};

TEST_F(SkinMemoView, KeepsLinesExactlyBlanksAndEmptyLastLineIncluded) {
  EXPECT_EQ(memo->Lines(), lines);
}

TEST_F(SkinMemoView, TypingPastingAndDeletingChangeNothing) {
  memo->Viewer()->setFocus();
  QTest::keyClicks(memo->Viewer(), QStringLiteral("xyz"));
  QTest::keyClick(memo->Viewer(), Qt::Key_Delete);
  QTest::keyClick(memo->Viewer(), Qt::Key_Backspace);
  QTest::keyClick(memo->Viewer(), Qt::Key_Return);
  QTest::keyClick(memo->Viewer(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(memo->Lines(), lines);
}

TEST_F(SkinMemoView, TextCanBeSelectedWithTheKeyboard) {
  memo->Viewer()->setFocus();
  QTest::keyClick(memo->Viewer(), Qt::Key_Home, Qt::ControlModifier);
  for (int i = 0; i < 6; ++i) QTest::keyClick(memo->Viewer(), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(memo->Viewer()->textCursor().selectedText(), lines[0].left(6));
}

TEST_F(SkinMemoView, ScrollsBothWaysAndDoesNotWrap) {
  QScrollBar* v = memo->Viewer()->verticalScrollBar();
  QScrollBar* h = memo->Viewer()->horizontalScrollBar();
  EXPECT_TRUE(v->isVisible());
  EXPECT_TRUE(h->isVisible());
  EXPECT_GT(v->maximum(), 0);
  EXPECT_GT(h->maximum(), 0);
  memo->Viewer()->setFocus();
  QTest::keyClick(memo->Viewer(), Qt::Key_End, Qt::ControlModifier);
  EXPECT_GT(v->value(), 0);  // scrolled down to the cursor
  EXPECT_EQ(memo->Viewer()->document()->blockCount(), lines.size());
}

// The memo on a stored skin, placed as in the note window.
class SkinMemoSkinned : public ::testing::Test {
protected:
  void Load(const char* skin) {
    form = std::make_unique<TForm>();
    form->SetClientSize(600, 260);
    data = new TbsSkinData(form.get());
    data->SetCompressedStoredSkin(CreateStoredSkin(form.get(), resources::Load(QString::fromLatin1(skin)),
                                                   QString::fromLatin1(skin)));
    other = new QWidget(form->Client());
    other->setFocusPolicy(Qt::StrongFocus);
    other->setGeometry(10, 230, 20, 20);
    memo = new TbsSkinMemo(form->Client());
    memo->SetBounds(8, 8, 553, 185);
    memo->UseSkinFont = false;
    memo->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlack));
    QStringList lines;
    for (int i = 0; i < 30; ++i) lines << QStringLiteral("line %1 ").arg(i).repeated(12);
    memo->SetLines(lines);
    memo->SetSkinData(data);
    form->Show();
    QApplication::setActiveWindow(form.get());
    other->setFocus();
    QCoreApplication::processEvents();  // the scroll area lays its bars out
  }
  std::unique_ptr<TForm> form;
  TbsSkinData* data = nullptr;
  QWidget* other = nullptr;
  TbsSkinMemo* memo = nullptr;
};

TEST_F(SkinMemoSkinned, TextViewLiesInTheClientAreaWithTheSkinsBars) {
  Load("iMetal.skn");
  ASSERT_NE(memo->MemoRecord(), nullptr);
  // "memo" of iMetal: 120 x 80, client 3,3,117,77, grown to 553 x 185.
  EXPECT_EQ(memo->ViewerRect(), QRect(QPoint(3, 3), QPoint(549, 181)));
  EXPECT_EQ(memo->Viewer()->geometry(), memo->ViewerRect());
  EXPECT_FALSE(memo->VerticalBar()->Skin().IsEmpty());
  EXPECT_EQ(memo->HorizontalBar()->SkinDataName(), QStringLiteral("bothhscrollbar"));
  EXPECT_FALSE(memo->HorizontalBar()->Skin().IsEmpty());
  EXPECT_EQ(memo->VerticalBar()->width(), 17);
  EXPECT_EQ(memo->HorizontalBar()->height(), 17);
  // The body's corner is the picture's.
  const TbsDataSkinMemoControl* r = memo->MemoRecord();
  const QImage picture = data->ActivePicture(r->PictureIndex);
  EXPECT_EQ(memo->Render().pixel(1, 1), picture.pixel(r->SkinRect.Left + 1, r->SkinRect.Top + 1));
  // Still read-only and scrollable.
  memo->Viewer()->setFocus();
  const QStringList before = memo->Lines();
  QTest::keyClicks(memo->Viewer(), QStringLiteral("xyz"));
  EXPECT_EQ(memo->Lines(), before);
  QTest::keyClick(memo->Viewer(), Qt::Key_End, Qt::ControlModifier);
  EXPECT_GT(memo->VerticalBar()->value(), 0);
}

TEST_F(SkinMemoSkinned, ColoursComeFromTheRecord) {
  Load("CyberObject.skn");
  const TbsDataSkinMemoControl* r = memo->MemoRecord();
  ASSERT_NE(r, nullptr);
  const QPalette pal = memo->Viewer()->palette();
  EXPECT_EQ(pal.color(QPalette::Base), ToQColor(r->BGColor));
  EXPECT_EQ(pal.color(QPalette::Text), ToQColor(r->Font.Color));
  EXPECT_NE(pal.color(QPalette::Base), ToQColor(clWindow));
  // The window's own font stays: Arial bold, 16 pixels.
  EXPECT_EQ(memo->Viewer()->font().pixelSize(), 16);
  EXPECT_TRUE(memo->Viewer()->font().bold());
}

TEST_F(SkinMemoSkinned, PlainBetweenTheSkinNoticesThenSkinnedAgain) {
  Load("CyberObject.skn");
  const QRect skinned = memo->ViewerRect();
  memo->SkinWillChange();
  EXPECT_EQ(memo->MemoRecord(), nullptr);
  EXPECT_EQ(memo->Viewer()->geometry(), QRect(2, 2, 549, 181));
  EXPECT_TRUE(memo->VerticalBar()->Skin().IsEmpty());
  EXPECT_TRUE(memo->HorizontalBar()->Skin().IsEmpty());
  EXPECT_EQ(memo->Viewer()->palette().color(QPalette::Base), ToQColor(clWindow));
  EXPECT_EQ(QColor(memo->Render().pixel(0, 0)), ToQColor(clBtnShadow));  // plain border
  memo->SkinChanged();
  EXPECT_NE(memo->MemoRecord(), nullptr);
  EXPECT_EQ(memo->Viewer()->geometry(), skinned);
  EXPECT_FALSE(memo->VerticalBar()->Skin().IsEmpty());
  EXPECT_EQ(memo->Viewer()->palette().color(QPalette::Base), ToQColor(memo->MemoRecord()->BGColor));
}

}  // namespace
