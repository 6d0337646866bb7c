// The other-threads note window: its text, and its button that opens the one
// calculation window.
#include "calc/Unit_Calcule.h"
#include "calc/Unit_DrugieRezby.h"

#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The note and the calculation window as the program makes them, with a
// plain window standing in for the main window that opens the note.
class NoteWindow : public ::testing::Test {
protected:
  void SetUp() override {
    Opener = new TForm;
    Form_DrugieRezby = new TForm_DrugieRezby;
    Form_Calcule = new TForm_Calcule;
    Form_DrugieRezby->SetOpener(Opener);
    // As the main window's "Другие резьбы" button does.
    Form_DrugieRezby->Show();
    Opener->Hide();
    QApplication::setActiveWindow(Form_DrugieRezby);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form_DrugieRezby));
  }
  void TearDown() override {
    delete Form_Calcule;
    Form_Calcule = nullptr;
    delete Form_DrugieRezby;
    Form_DrugieRezby = nullptr;
    delete Opener;
  }
  TForm* Opener = nullptr;
  void PressCalculator() { QTest::mouseClick(Form_DrugieRezby->bsSkinButton1, Qt::LeftButton); }
};

TEST_F(NoteWindow, HoldsTheTenLinesWithTheirBlanks) {
  const QStringList lines = Form_DrugieRezby->bsSkinMemo1->Lines();
  ASSERT_EQ(lines.size(), 10);
  EXPECT_EQ(lines, OtherThreadsNote());
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("   Для ")));
  EXPECT_FALSE(lines[0].startsWith(QStringLiteral("    ")));
  EXPECT_TRUE(lines[0].endsWith(QStringLiteral("по ")));
  EXPECT_TRUE(lines[4].endsWith(QStringLiteral("болта ")));
  EXPECT_TRUE(lines[6].contains(QStringLiteral("расчёта  и расчёта")));
  EXPECT_EQ(lines[8], QString(98, QChar('-')) + QChar('>'));
  EXPECT_TRUE(lines[9].isEmpty());
}

TEST_F(NoteWindow, TextCannotBeEditedButCanBeSelected) {
  QPlainTextEdit* view = Form_DrugieRezby->bsSkinMemo1->Viewer();
  view->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(view, QStringLiteral("abc"));
  QTest::keyClick(view, Qt::Key_Delete);
  QTest::keyClick(view, Qt::Key_Backspace);
  EXPECT_EQ(Form_DrugieRezby->bsSkinMemo1->Lines(), OtherThreadsNote());
  view->selectAll();
  EXPECT_EQ(view->textCursor().selectedText().size(), Form_DrugieRezby->bsSkinMemo1->Text().size());
}

TEST_F(NoteWindow, ControlsSitWhereTheyBelong) {
  EXPECT_EQ(Form_DrugieRezby->bsSkinMemo1->geometry(), QRect(8, 8, 553, 185));
  EXPECT_EQ(Form_DrugieRezby->bsSkinButton1->geometry(), QRect(568, 152, 41, 41));
  EXPECT_EQ(Form_DrugieRezby->bsSkinButton1->toolTip(), QStringLiteral("Расчёт"));
  EXPECT_EQ(Form_DrugieRezby->bsSkinButton1->Glyph().size(), QSize(16, 16));
  EXPECT_EQ(Form_DrugieRezby->bsSkinMemo1->parentWidget(), Form_DrugieRezby->Client());
}

TEST_F(NoteWindow, ButtonPressedTwiceShowsOneCalculationWindow) {
  PressCalculator();
  EXPECT_TRUE(Form_Calcule->isVisible());
  EXPECT_FALSE(Opener->isVisible());
  EXPECT_TRUE(Form_DrugieRezby->isVisible());
  TForm_Calcule* first = Form_Calcule;
  Form_DrugieRezby->activateWindow();
  PressCalculator();
  EXPECT_EQ(Form_Calcule, first);
  int shown = 0;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (qobject_cast<TForm_Calcule*>(top) && top->isVisible()) ++shown;
  EXPECT_EQ(shown, 1);
}

TEST_F(NoteWindow, ClosingItLeavesTheCalculationWindowOpenAndBringsBackTheMainWindow) {
  PressCalculator();
  Form_DrugieRezby->Close();
  EXPECT_FALSE(Form_DrugieRezby->isVisible());
  EXPECT_TRUE(Opener->isVisible());
  EXPECT_TRUE(Form_Calcule->isVisible());
}

TEST_F(NoteWindow, ClosingTheCalculationWindowKeepsTheNote) {
  PressCalculator();
  Form_Calcule->Close();
  EXPECT_FALSE(Form_Calcule->isVisible());
  EXPECT_TRUE(Form_DrugieRezby->isVisible());
  EXPECT_FALSE(Opener->isVisible());
}

}  // namespace
