// The fixed drop-down list: keys, search, wheel, mouse, the popup list's
// size and place, and the chosen item surviving a list closed without
// acceptance.
#include "platform/Forms.h"
#include "platform/Platform.h"
#include "skin/SkinComboBox.h"
#include "tests/common/ShownText.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

QStringList Numbers(int n) {
  QStringList items;
  for (int i = 0; i < n; ++i) items << QString::number(10 + i);
  return items;
}

// The mouse moving over a widget with no button held.
void Hover(QWidget* w, QPoint at) {
  QMouseEvent ev(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                 Qt::NoModifier);
  QApplication::sendEvent(w, &ev);
}

class SkinComboBoxTest : public ::testing::Test {
protected:
  void SetUp() override {
    form = std::make_unique<TForm>();
    form->SetClientSize(300, 200);
    other = new QWidget(form->Client());
    other->setFocusPolicy(Qt::StrongFocus);
    other->setGeometry(200, 10, 50, 20);
    box = new TbsSkinComboBox(form->Client());
    box->SetBounds(20, 20, 81, 22);
    box->DropDownCount = 10;
    box->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold));
    box->OnClick = [this](TObject*) { ++clicks; };
    box->OnChange = [this](TObject*) { ++changes; };
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    box->setFocus();
    platform::SetTickSource([this] { return now; });
  }
  void TearDown() override { platform::SetTickSource({}); }

  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(box, key, mods); }
  void Type(char c) { QTest::keyClick(box, c); }
  // A typed character outside ASCII, as a keyboard layout delivers it.
  void TypeText(const QString& text) {
    for (QChar c : text) {
      QKeyEvent ev(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(box, &ev);
    }
  }
  void Wheel(int dy) {
    const QPointF at(10, 10);
    QWheelEvent ev(at, box->mapToGlobal(at), QPoint(), QPoint(0, dy), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &ev);
  }

  std::unique_ptr<TForm> form;
  QWidget* other = nullptr;
  TbsSkinComboBox* box = nullptr;
  int clicks = 0;
  int changes = 0;
  std::uint32_t now = 100000;
};

TEST_F(SkinComboBoxTest, StartsWithNothingChosenFirstDownChoosesTheFirstUpNothing) {
  box->SetItems({QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("10")});
  EXPECT_EQ(box->ItemIndex(), -1);
  EXPECT_EQ(box->Text(), QString());
  Key(Qt::Key_Up);
  EXPECT_EQ(box->ItemIndex(), -1);
  EXPECT_EQ(clicks, 0);
  Key(Qt::Key_Down);
  EXPECT_EQ(box->ItemIndex(), 0);
  EXPECT_EQ(box->Text(), QStringLiteral("6"));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(changes, 1);
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);
  EXPECT_EQ(box->Text(), QStringLiteral("10"));
  Key(Qt::Key_Down);  // nothing after the last
  EXPECT_EQ(box->ItemIndex(), 2);
  EXPECT_EQ(clicks, 3);
  Key(Qt::Key_Left);
  EXPECT_EQ(box->Text(), QStringLiteral("8"));
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);  // nothing before the first
  EXPECT_EQ(box->ItemIndex(), 0);
  EXPECT_FALSE(box->DroppedDown()) << "arrows alone never open the list";
}

TEST_F(SkinComboBoxTest, PageKeysMoveElevenBackAndNineOnWithTenRows) {
  box->SetItems(Numbers(30));
  box->SetItemIndex(15);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(box->ItemIndex(), 4);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(box->ItemIndex(), 0);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(box->ItemIndex(), 9);
  box->SetItemIndex(25);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(box->ItemIndex(), 29);
  EXPECT_EQ(box->Text(), QStringLiteral("39"));
  // In the open list the same keys move the highlight only.
  Key(Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(box->DroppedDown());
  Key(Qt::Key_PageUp);
  EXPECT_EQ(box->ListBox()->ItemIndex(), 18);
  EXPECT_EQ(box->ItemIndex(), 29);
  Key(Qt::Key_Return);
  EXPECT_EQ(box->ItemIndex(), 18);
}

TEST_F(SkinComboBoxTest, AltArrowsOpenAndCloseEscapeKeepsEnterTakes) {
  box->SetItems(Numbers(5));
  box->SetItemIndex(1);
  clicks = 0;
  Key(Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(box->DroppedDown());
  EXPECT_EQ(box->ListBox()->ItemIndex(), 1);
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(box->ListBox()->ItemIndex(), 3);
  EXPECT_EQ(box->Text(), QStringLiteral("11")) << "the list moves, not the choice";
  Key(Qt::Key_Escape);
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->ItemIndex(), 1);
  EXPECT_EQ(box->Text(), QStringLiteral("11"));
  EXPECT_EQ(clicks, 0);

  Key(Qt::Key_Right, Qt::AltModifier);
  ASSERT_TRUE(box->DroppedDown());
  Key(Qt::Key_Down);
  Key(Qt::Key_Up, Qt::AltModifier);
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->ItemIndex(), 1);

  Key(Qt::Key_Down, Qt::AltModifier);
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  Key(Qt::Key_Enter);
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->ItemIndex(), 3);
  EXPECT_EQ(box->Text(), QStringLiteral("13"));
  EXPECT_EQ(clicks, 1);
}

TEST_F(SkinComboBoxTest, EnterAndEscapeWithTheListClosedGoToTheWindow) {
  box->SetItems(Numbers(3));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(box, &enter);
  EXPECT_FALSE(enter.isAccepted());
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(box, &esc);
  EXPECT_FALSE(esc.isAccepted());
}

TEST_F(SkinComboBoxTest, ListRowsFollowTheItemsUpToDropDownCount) {
  struct Case {
    int Items;
    int Rows;
    bool ScrollBar;
  } cases[] = {{10, 10, false}, {4, 4, false}, {19, 10, true}, {1, 1, false}};
  for (const Case& c : cases) {
    box->SetItems(Numbers(c.Items));
    box->DropDown();
    ASSERT_TRUE(box->DroppedDown());
    EXPECT_EQ(box->ListBox()->Rows(), c.Rows) << c.Items;
    EXPECT_EQ(box->ListBox()->HasScrollBar(), c.ScrollBar) << c.Items;
    EXPECT_EQ(box->ListBox()->height(), c.Rows * box->ListBox()->RowHeight() + 2);
    EXPECT_EQ(box->ListBox()->width(), box->width());
    // Just under the control.
    EXPECT_EQ(box->ListBox()->geometry().topLeft(), box->mapToGlobal(QPoint(0, box->height())));
    box->CloseUp(false);
  }
  box->ListBoxWidth = 150;
  box->DropDown();
  EXPECT_EQ(box->ListBox()->width(), 150);
}

TEST_F(SkinComboBoxTest, TheListGrowsWiderThanTheBoxUntilEveryItemShowsWhole) {
  box->SetBounds(20, 20, 40, 22);
  box->ListBoxUseSkinFont = false;
  const QStringList items{QStringLiteral("0,009026"), QStringLiteral("0,0015"), QStringLiteral("1")};
  box->SetItems(items);
  for (int round = 0; round < 2; ++round) {
    // The second time the box stands at the right end of the work area: the
    // list stays inside it.
    if (round == 1) form->move(platform::WorkArea(box).right() + 1 - form->width(), form->y());
    box->DropDown();
    TbsPopupListBox* list = box->ListBox();
    ASSERT_TRUE(box->DroppedDown());
    EXPECT_GT(list->width(), box->width());
    EXPECT_LE(list->geometry().right(), platform::WorkArea(box).right());
    const QImage with = list->Render();
    list->SetItems(QStringList(items.size(), QString()));
    const QImage without = list->Render();
    list->SetItems(items);
    const QImage ink = InkMask(with, without);
    for (int i = 0; i < items.size(); ++i) {
      const QRect shown = InkBox(ink, list->ItemRect(i));
      const QRect whole = InkBox(TextInk(items[i], list->DrawFont()), QRect(0, 0, 1000, 100));
      EXPECT_NEAR(shown.width(), whole.width(), 1) << items[i].toStdString();
    }
    box->CloseUp(false);
  }
}

TEST_F(SkinComboBoxTest, NearTheBottomOfTheWorkAreaTheListOpensAbove) {
  const QRect area = platform::WorkArea(box);
  form->move(form->x(), area.bottom() - form->height() + 1);
  box->SetItems(Numbers(10));
  box->DropDown();
  ASSERT_TRUE(box->DroppedDown());
  const QRect list = box->ListBox()->geometry();
  EXPECT_EQ(list.bottom() + 1, box->mapToGlobal(QPoint(0, 0)).y());
  EXPECT_LE(list.bottom(), area.bottom());
}

TEST_F(SkinComboBoxTest, TypingSearchesWithTheHalfSecondRule) {
  box->SetItems({QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14")});
  box->SetItemIndex(0);
  Type('1');  // the next one after "10" that begins with 1
  EXPECT_EQ(box->Text(), QStringLiteral("12"));
  now += 499;
  Type('4');  // "14" from the top
  EXPECT_EQ(box->Text(), QStringLiteral("14"));
  now += 500;
  Type('4');  // a new search for "4": nothing begins with it
  EXPECT_EQ(box->Text(), QStringLiteral("14"));
  now += 1000;
  Type('1');  // after the last, round to the top
  EXPECT_EQ(box->Text(), QStringLiteral("10"));
  now += 100;
  Type('9');  // "19": nothing
  EXPECT_EQ(box->Text(), QStringLiteral("10"));
}

TEST_F(SkinComboBoxTest, SearchIgnoresLetterCaseAndWithoutAutoCompleteTakesOneCharacter) {
  box->SetItems({QStringLiteral("Сталь"), QStringLiteral("латунь"), QStringLiteral("Лист")});
  TypeText(QStringLiteral("л"));
  EXPECT_EQ(box->Text(), QStringLiteral("латунь"));
  now += 10;
  TypeText(QStringLiteral("И"));
  EXPECT_EQ(box->Text(), QStringLiteral("Лист"));
  box->AutoComplete = false;
  now += 10;
  TypeText(QStringLiteral("с"));
  EXPECT_EQ(box->Text(), QStringLiteral("Сталь"));
  now += 10;
  TypeText(QStringLiteral("т"));  // alone: no item begins with "т"
  EXPECT_EQ(box->Text(), QStringLiteral("Сталь"));
}

TEST_F(SkinComboBoxTest, WheelTowardsTheUserChoosesTheNext) {
  box->SetItems(Numbers(3));
  Wheel(-120);
  EXPECT_EQ(box->ItemIndex(), 0);
  Wheel(-120);
  Wheel(-120);
  Wheel(-120);
  EXPECT_EQ(box->ItemIndex(), 2);
  Wheel(120);
  EXPECT_EQ(box->ItemIndex(), 1);
}

TEST_F(SkinComboBoxTest, WithoutItemsNothingOpensOrChanges) {
  box->SetItems({});
  box->DropDown();
  EXPECT_FALSE(box->DroppedDown());
  Key(Qt::Key_Down);
  Key(Qt::Key_Down, Qt::AltModifier);
  Type('1');
  Wheel(-120);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(70, 10));
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->ItemIndex(), -1);
  EXPECT_EQ(box->Text(), QString());
  EXPECT_EQ(clicks, 0);
}

TEST_F(SkinComboBoxTest, MousePicksAnItemInTheList) {
  box->SetItems(Numbers(6));
  box->setFocus();
  other->setFocus();
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(70, 10));  // on the button
  EXPECT_TRUE(box->hasFocus());
  ASSERT_TRUE(box->DroppedDown());
  TbsPopupListBox* list = box->ListBox();
  const QPoint third = list->ItemRect(2).center();
  Hover(list, third);
  EXPECT_EQ(list->ItemIndex(), 2);
  QTest::mouseClick(list, Qt::LeftButton, {}, third);
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->Text(), QStringLiteral("12"));
  EXPECT_EQ(clicks, 1);
  // A second press on the control toggles: open, then closed without taking.
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 10));
  ASSERT_TRUE(box->DroppedDown());
  Hover(list, list->ItemRect(4).center());
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->Text(), QStringLiteral("12"));
}

TEST_F(SkinComboBoxTest, ReleasingOutsideTheListClosesWithoutTaking) {
  box->SetItems(Numbers(6));
  box->SetItemIndex(0);
  box->DropDown();
  TbsPopupListBox* list = box->ListBox();
  QTest::mousePress(list, Qt::LeftButton, {}, list->ItemRect(3).center());
  EXPECT_EQ(list->ItemIndex(), 3);
  QTest::mouseRelease(list, Qt::LeftButton, {}, QPoint(list->width() + 30, -20));
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->ItemIndex(), 0);
  EXPECT_EQ(box->Text(), QStringLiteral("10"));
}

TEST_F(SkinComboBoxTest, FocusLeavingOrAClickElsewhereClosesTheList) {
  box->SetItems(Numbers(6));
  box->SetItemIndex(2);
  box->DropDown();
  QTest::keyClick(box, Qt::Key_Down);
  other->setFocus();
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->ItemIndex(), 2);
  box->setFocus();
  box->DropDown();
  QTest::mouseClick(form->Client(), Qt::LeftButton, {}, QPoint(250, 150));
  EXPECT_FALSE(box->DroppedDown());
  box->DropDown();
  form->Hide();
  EXPECT_FALSE(box->DroppedDown());
}

TEST_F(SkinComboBoxTest, SettingTheIndexSetsTheTextAndFiresClick) {
  box->SetItems(Numbers(4));
  box->SetItemIndex(3);
  EXPECT_EQ(box->Text(), QStringLiteral("13"));
  EXPECT_EQ(clicks, 1);
  box->SetItemIndex(-1);
  EXPECT_EQ(box->Text(), QString());
  box->SetItemIndex(7);  // out of range: nothing chosen
  EXPECT_EQ(box->ItemIndex(), -1);
  box->SetItemIndex(1);
  box->SetItems(Numbers(2));  // new items: nothing chosen
  EXPECT_EQ(box->ItemIndex(), -1);
  EXPECT_EQ(box->Text(), QString());
}

}  // namespace
