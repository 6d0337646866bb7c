// A notice from a window with a loaded skin takes its figures from that skin.
#include "platform/Forms.h"
#include "resources/Resources.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"
#include "skin/SkinMessage.h"
#include "skin/SkinButton.h"
#include "skin/SkinMessageForm.h"
#include "skin/SkinStdLabel.h"
#include "skin/StoredSkin.h"
#include "tests/common/Notices.h"

#include <gtest/gtest.h>

namespace {

struct Measured {
  QSize Client, Window;
  QMargins Frame;
  int LabelWidth = 0, LabelHeight = 0;
  QRect Button;
  QColor TextColour;
};

Measured ShowFrom(TbsSkinData* data, const QString& text) {
  TForm owner;
  TbsSkinMessage* message = CreateWindowMessage(&owner, data);
  Measured m;
  NoticeRecorder recorder;
  recorder.OnShown = [&](TbsMessageForm* form) {
    m.Client = QSize(form->ClientWidth(), form->ClientHeight());
    m.Window = form->size();
    m.Frame = form->NonClientMargins();
    m.LabelWidth = form->Message->width();
    m.LabelHeight = form->Message->height();
    m.Button = form->Buttons.value(0) ? form->Buttons[0]->geometry() : QRect();
    m.TextColour = form->Message->DrawColor();
  };
  ShowNotice(message, text);
  EXPECT_EQ(recorder.Count(), 1);
  return m;
}

TEST(SkinMessageSkinned, OneLineNoticeOnTheMetalSkin) {
  TForm holder;
  auto* data = new TbsSkinData(&holder);
  data->SetCompressedStoredSkin(
      CreateStoredSkin(&holder, resources::Load(QStringLiteral("iMetal.skn")), QStringLiteral("iMetal.skn")));
  ASSERT_FALSE(data->Empty());

  const Measured m = ShowFrom(data, QStringLiteral("Выберите пожалуйста диаметр резьбы."));
  // Button height from the skin's "button" record: 316 - 293.
  EXPECT_EQ(m.Button.height(), 23);
  EXPECT_EQ(m.Button.width(), 70);
  EXPECT_EQ(m.Client.height(), m.LabelHeight + 23 + 50);
  EXPECT_EQ(m.Client.width(), m.LabelWidth + 50 + 40);
  EXPECT_EQ(m.Button.top(), m.Client.height() - 23 - 10);
  EXPECT_EQ(m.Button.left(), (m.Client.width() - 70) / 2);
  // The skin's own borders and its black label colour.
  EXPECT_EQ(m.Frame, QMargins(2, 25, 2, 3));
  EXPECT_EQ(m.TextColour, QColor(0, 0, 0));

  // A very short notice is held at the skin's least width, 170.
  const Measured s = ShowFrom(data, QStringLiteral("Да."));
  EXPECT_EQ(s.Window.width(), 170);
}

TEST(SkinMessageSkinned, WithoutASkinThePlainFiguresHold) {
  TForm holder;
  auto* data = new TbsSkinData(&holder);
  const Measured m = ShowFrom(data, QStringLiteral("Да."));
  EXPECT_EQ(m.Button.height(), 25);
  EXPECT_EQ(m.Client.height(), m.LabelHeight + 25 + 50);
  EXPECT_EQ(m.Window.width(), 120);
  EXPECT_EQ(m.TextColour, QColor(255, 0, 0));
}

}  // namespace
