// The read-only memo: its lines come back as stored, typing changes nothing,
// the text can be selected and scrolled.
#include "platform/Forms.h"
#include "skin/SkinMemo.h"

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

}  // namespace
