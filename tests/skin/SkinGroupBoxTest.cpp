// Group box client area and caption, and the radio group's item buttons:
// arrangement, choosing and its click event.
#include "platform/Forms.h"
#include "skin/SkinGroupBox.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList Items(int n) {
  QStringList items;
  for (int i = 0; i < n; ++i) items << QStringLiteral("item %1").arg(i);
  return items;
}

TEST(SkinGroupBoxLayout, PlainBoxReservesACaptionBandInsideAOnePixelBorder) {
  TbsSkinGroupBox box(nullptr);
  box.resize(353, 97);
  EXPECT_EQ(box.ClientArea(), QRect(1, 23, 351, 73));
  EXPECT_EQ(box.CaptionRect(), QRect(1, 1, 351, 22));
  box.SetCaptionMode(false);
  EXPECT_EQ(box.ClientArea(), QRect(1, 1, 351, 95));
  EXPECT_TRUE(box.CaptionRect().isEmpty());
  box.SetBorderStyle(TbsBevelStyle::bvNone);
  EXPECT_EQ(box.ClientArea(), QRect(0, 0, 353, 97));
}

TEST(SkinGroupBoxLayout, EightItemsInOneColumnStackByButtonHeight) {
  const QRect client(5, 30, 200, 180);
  for (int i = 0; i < 8; ++i) {
    const QRect r = GroupButtonRect(client, 8, 1, i);
    EXPECT_EQ(r.height(), 22);
    EXPECT_EQ(r.top(), 30 + 22 * i);
    EXPECT_EQ(r.left(), 6);
    EXPECT_EQ(r.width(), 198);
  }
}

TEST(SkinGroupBoxLayout, NineItemsInTwoColumnsFillTheFirstColumnFirst) {
  const QRect client(0, 0, 202, 100);
  for (int i = 0; i < 9; ++i) {
    const QRect r = GroupButtonRect(client, 9, 2, i);
    EXPECT_EQ(r.width(), 99);
    EXPECT_EQ(r.height(), 20);                   // five rows
    EXPECT_EQ(r.left(), i < 5 ? 1 : 100) << i;   // items 0-4 left, 5-8 right
    EXPECT_EQ(r.top(), (i % 5) * 20) << i;
  }
  EXPECT_TRUE(GroupButtonRect(client, 9, 2, 9).isNull());
  EXPECT_TRUE(GroupButtonRect(client, 0, 2, 0).isNull());
}

TEST(SkinGroupBoxDrawing, CaptionIsDrawnOnlyWhenThereIsOne) {
  TbsSkinGroupBox box(nullptr);
  box.resize(200, 60);
  box.SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlack));
  const QImage empty = box.Render();
  box.SetCaption(QStringLiteral("Другой материал:"));
  const QImage captioned = box.Render();
  // The caption changes pixels inside the band only.
  const QRect band = box.CaptionRect();
  int inside = 0, outside = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x)
      if (empty.pixel(x, y) != captioned.pixel(x, y)) (band.contains(x, y) ? inside : outside)++;
  EXPECT_GT(inside, 50);
  EXPECT_EQ(outside, 0);
}

class SkinGroupBoxRadio : public ::testing::Test {
protected:
  void SetUp() override {
    form = std::make_unique<TForm>();
    form->SetClientSize(400, 300);
    group = new TbsSkinRadioGroup(form->Client());
    group->SetBounds(8, 31, 273, 194);
    group->SetItems(Items(8));
    group->OnClick = [this](TObject*) {
      ++clicks;
      indexAtClick = group->ItemIndex();
    };
  }
  void ShowActive() {
    form->Show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }
  std::unique_ptr<TForm> form;
  TbsSkinRadioGroup* group = nullptr;
  int clicks = 0;
  int indexAtClick = -2;
};

TEST_F(SkinGroupBoxRadio, OneButtonPerItemArrangedInTheClientArea) {
  ASSERT_EQ(group->ButtonCount(), 8);
  const QRect client = group->ClientArea();  // 1, 23, 271 x 170
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(group->Button(i)->Caption(), QStringLiteral("item %1").arg(i));
    EXPECT_EQ(group->Button(i)->geometry(), GroupButtonRect(client, 8, 1, i));
    EXPECT_FALSE(group->Button(i)->Checked());
  }
  EXPECT_EQ(group->ItemIndex(), -1);
  group->SetItems(Items(3));
  EXPECT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->Button(2)->geometry(), GroupButtonRect(client, 3, 1, 2));
  form->show();  // a hidden widget hears of its new size when shown
  group->resize(273, 100);
  EXPECT_EQ(group->Button(2)->geometry(), GroupButtonRect(group->ClientArea(), 3, 1, 2));
}

TEST_F(SkinGroupBoxRadio, ChoosingAnotherItemFiresTheClickOnce) {
  ShowActive();
  QTest::mouseClick(group->Button(2), Qt::LeftButton);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(indexAtClick, 2);
  EXPECT_TRUE(group->Button(2)->Checked());
  // A click on the chosen item raises nothing.
  QTest::mouseClick(group->Button(2), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(group->Button(5), Qt::LeftButton);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(group->Button(2)->Checked());
  EXPECT_TRUE(group->Button(5)->Checked());
}

TEST_F(SkinGroupBoxRadio, ReleasingOutsideTheButtonDoesNotChoose) {
  ShowActive();
  QTest::mousePress(group->Button(1), Qt::LeftButton);
  QTest::mouseRelease(group->Button(1), Qt::LeftButton, {}, QPoint(-5, -5));
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_EQ(clicks, 0);
}

TEST_F(SkinGroupBoxRadio, SettingTheIndexTicksAndClearingFiresNothing) {
  group->SetItemIndex(4);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(group->Button(4)->Checked());
  group->SetItemIndex(-1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(group->ItemIndex(), -1);
  for (int i = 0; i < 8; ++i) EXPECT_FALSE(group->Button(i)->Checked());
  group->SetItemIndex(99);  // clamped to the last item
  EXPECT_EQ(group->ItemIndex(), 7);
  group->SetItemIndex(-7);
  EXPECT_EQ(group->ItemIndex(), -1);
}

TEST_F(SkinGroupBoxRadio, RebuildingKeepsTheChoiceWithoutAClick) {
  group->SetItemIndex(3);
  clicks = 0;
  group->SetItems(Items(8));
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(group->Button(3)->Checked());
  group->SetItems(Items(2));  // the chosen item is gone
  EXPECT_EQ(group->ItemIndex(), -1);
}

TEST_F(SkinGroupBoxRadio, KeyboardChoosesWithSpaceAndArrows) {
  ShowActive();
  group->Button(0)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(group->Button(0), Qt::Key_Space);
  EXPECT_EQ(group->ItemIndex(), 0);
  QTest::keyClick(group->Button(0), Qt::Key_Down);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_TRUE(group->Button(1)->hasFocus());
  QTest::keyClick(group->Button(1), Qt::Key_Up);
  QTest::keyClick(group->Button(0), Qt::Key_Up);  // wraps to the last
  EXPECT_EQ(group->ItemIndex(), 7);
  EXPECT_EQ(clicks, 4);
  // Tab reaches the group at its chosen item only.
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(bool(group->Button(i)->focusPolicy() & Qt::TabFocus), i == 7) << i;
}

}  // namespace
