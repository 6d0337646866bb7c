// The push button: mouse, keys, window keys, repeat, groups, plain look and
// the glyph-and-caption layout.
#include "platform/Forms.h"
#include "skin/SkinButton.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <QTimer>

namespace {

struct ButtonWindow {
  ButtonWindow() : Form(new TForm) {
    Form->SetClientSize(300, 120);
    Button = new TbsSkinButton(Form->Client());
    Button->SetBounds(10, 10, 120, 30);
    Button->SetCaption(QStringLiteral("&Yes"));
    Button->OnClick = [this](TObject*) { ++Clicks; };
    Other = new QLineEdit(Form->Client());
    Other->setGeometry(10, 60, 120, 22);
    Form->Show();
    QApplication::setActiveWindow(Form);
  }
  ~ButtonWindow() { delete Form; }
  TForm* Form;
  TbsSkinButton* Button;
  QLineEdit* Other;
  int Clicks = 0;
};

TEST(SkinButtonMouse, ClicksOnReleaseOverTheButtonOnly) {
  ButtonWindow w;
  QTest::mousePress(w.Button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(w.Button->Down());
  EXPECT_EQ(w.Clicks, 0);
  QTest::mouseRelease(w.Button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(w.Clicks, 1);
  EXPECT_FALSE(w.Button->Down());
  EXPECT_TRUE(w.Button->hasFocus());

  // Released after the mouse has left it: it comes up without a click.
  QTest::mousePress(w.Button, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(w.Button, Qt::LeftButton, {}, QPoint(200, 5));
  EXPECT_EQ(w.Clicks, 1);
  EXPECT_FALSE(w.Button->Down());

  // Other buttons do nothing.
  QTest::mouseClick(w.Button, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(w.Clicks, 1);
}

TEST(SkinButtonMouse, DisabledButtonTakesNoClick) {
  ButtonWindow w;
  w.Button->setEnabled(false);
  QTest::mouseClick(w.Button, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::keyClick(w.Form, Qt::Key_Y);
  EXPECT_EQ(w.Clicks, 0);
}

TEST(SkinButtonKeys, SpaceGoesDownAndClicksOnReleaseEnterClicksAtOnce) {
  ButtonWindow w;
  w.Button->setFocus();
  QTest::keyPress(w.Button, Qt::Key_Space);
  EXPECT_TRUE(w.Button->Down());
  EXPECT_EQ(w.Clicks, 0);
  QTest::keyRelease(w.Button, Qt::Key_Space);
  EXPECT_FALSE(w.Button->Down());
  EXPECT_EQ(w.Clicks, 1);
  QTest::keyClick(w.Button, Qt::Key_Return);
  QTest::keyClick(w.Button, Qt::Key_Enter);
  EXPECT_EQ(w.Clicks, 3);
}

TEST(SkinButtonKeys, WindowKeysReachDefaultCancelAndAcceleratorButtons) {
  ButtonWindow w;
  auto* cancel = new TbsSkinButton(w.Form->Client());
  cancel->SetCaption(QStringLiteral("Cancel"));
  int cancels = 0;
  cancel->OnClick = [&](TObject*) { ++cancels; };
  cancel->show();
  w.Other->setFocus();

  // Neither default nor cancel yet: Enter and Escape do nothing.
  QTest::keyClick(w.Other, Qt::Key_Return);
  QTest::keyClick(w.Other, Qt::Key_Escape);
  EXPECT_EQ(w.Clicks, 0);
  EXPECT_EQ(cancels, 0);

  w.Button->Default = true;
  cancel->Cancel = true;
  QTest::keyClick(w.Other, Qt::Key_Return);
  EXPECT_EQ(w.Clicks, 1);
  QTest::keyClick(w.Other, Qt::Key_Escape);
  EXPECT_EQ(cancels, 1);

  // The accelerator letter, with focus on a button (which takes no text).
  cancel->setFocus();
  QTest::keyClick(cancel, Qt::Key_Y);
  EXPECT_EQ(w.Clicks, 2);
  QTest::keyClick(cancel, Qt::Key_Y, Qt::AltModifier);
  EXPECT_EQ(w.Clicks, 3);
  QTest::keyClick(cancel, Qt::Key_N);
  EXPECT_EQ(w.Clicks, 3);
}

TEST(SkinButtonKeys, ModalResultEndsTheModalLoop) {
  TForm form;
  form.SetClientSize(200, 80);
  auto* yes = new TbsSkinButton(form.Client());
  yes->ModalResult = mrYes;
  bool clicked = false;
  yes->OnClick = [&](TObject*) { clicked = true; };
  QTimer::singleShot(0, [&] { QTest::mouseClick(yes, Qt::LeftButton); });
  EXPECT_EQ(form.ShowModal(), mrYes);
  EXPECT_TRUE(clicked);
  EXPECT_FALSE(form.Visible());

  // Closed without a button: cancel.
  QTimer::singleShot(0, [&] { form.Close(); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(SkinButtonRepeat, HeldButtonClicksOnEveryTickAndOnceMoreOnRelease) {
  ButtonWindow w;
  w.Button->RepeatMode = true;
  w.Button->RepeatInterval = 100;
  QTest::mousePress(w.Button, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(w.Button->RepeatTimer()->isActive());
  EXPECT_EQ(w.Button->RepeatTimer()->interval(), 100);
  for (int i = 0; i < 3; ++i) QMetaObject::invokeMethod(w.Button->RepeatTimer(), "timeout");
  EXPECT_EQ(w.Clicks, 3);
  QTest::mouseRelease(w.Button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(w.Clicks, 4);
  EXPECT_FALSE(w.Button->RepeatTimer()->isActive());
}

TEST(SkinButtonRepeat, HeldWithTheDefaultIntervalRepeatsOnTheTimersOwnEvents) {
  ButtonWindow w;
  w.Button->RepeatMode = true;
  QTest::mousePress(w.Button, Qt::LeftButton, {}, QPoint(5, 5));
  QTimer* timer = w.Button->RepeatTimer();
  ASSERT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 100);
  // The timer's events as the event loop delivers them, however late.
  for (int i = 0; i < 3; ++i) {
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
  }
  EXPECT_EQ(w.Clicks, 3);
  QTest::mouseRelease(w.Button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(w.Clicks, 4);
  EXPECT_FALSE(timer->isActive());
}

TEST(SkinButtonGroups, LatchingButtonsReleaseEachOther) {
  TForm form;
  auto* a = new TbsSkinButton(form.Client());
  auto* b = new TbsSkinButton(form.Client());
  int clicksA = 0, clicksB = 0;
  a->OnClick = [&](TObject*) { ++clicksA; };
  b->OnClick = [&](TObject*) { ++clicksB; };
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  form.Show();
  QTest::mousePress(a, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(clicksA, 1);  // a latching button clicks at once
  QTest::mouseRelease(a, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(a->Down());  // and stays down
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  // Clicking a pressed one again does nothing without AllowAllUp...
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(clicksB, 1);
  // ...and releases it with it.
  b->AllowAllUp = true;
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicksB, 2);
  a->SetDown(true);
  b->SetDown(true);
  EXPECT_FALSE(a->Down());
}

QColor At(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

TEST(SkinButtonLook, PlainLookFollowsTheState) {
  ButtonWindow w;
  w.Button->SetCaption(QString());
  w.Other->setFocus();
  QImage img = w.Button->Render();
  EXPECT_EQ(At(img, 0, 0), ToQColor(clBtnShadow));
  EXPECT_EQ(At(img, 60, 15), ToQColor(clBtnFace));

  // Focused: the active look, navy frame.
  w.Button->setFocus();
  img = w.Button->Render();
  EXPECT_EQ(At(img, 0, 0), ToQColor(8388608));
  EXPECT_EQ(At(img, 60, 15), ToQColor(13811126));
  EXPECT_EQ(ToQColor(8388608), QColor(0, 0, 128));

  // Held down with the mouse over it: the pressed face.
  QTest::mouseMove(w.Button, QPoint(5, 5));
  QTest::mousePress(w.Button, Qt::LeftButton, {}, QPoint(5, 5));
  img = w.Button->Render();
  EXPECT_EQ(At(img, 60, 15), ToQColor(11899781));
  QTest::mouseRelease(w.Button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST(SkinButtonLook, CaptionIsDrawnInTheDefaultFontColour) {
  ButtonWindow w;
  w.Button->SetCaption(QStringLiteral("WWWWWW"));
  w.Button->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold, clRed));
  const QImage img = w.Button->Render();
  int red = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 60 && c.blue() < 60) ++red;
    }
  EXPECT_GT(red, 30);
  // Disabled: the caption turns to the button-shadow colour.
  w.Button->setEnabled(false);
  const QImage off = w.Button->Render();
  for (int y = 0; y < off.height(); ++y)
    for (int x = 0; x < off.width(); ++x) {
      const QColor c = off.pixelColor(x, y);
      ASSERT_FALSE(c.red() > 200 && c.green() < 60 && c.blue() < 60);
    }
}

TEST(SkinButtonLayout, GlyphLeftOfCaptionCentredAsABlock) {
  // 41 x 41 glyph, text 80 x 18, spacing 1 in a 151 x 41 client.
  const QRect client(0, 0, 151, 41);
  const auto p = PlaceGlyphAndText(client, {41, 41}, {80, 18}, -1, 1, TbsButtonLayout::blGlyphLeft);
  const int half = (41 + 80 + 1) / 2;
  EXPECT_EQ(p.Glyph, QPoint(75 - half, 20 - 20));
  EXPECT_EQ(p.Text.topLeft(), QPoint(75 + half - 80, 20 - 9));
  const auto r = PlaceGlyphAndText(client, {41, 41}, {80, 18}, -1, 1, TbsButtonLayout::blGlyphRight);
  EXPECT_EQ(r.Text.left(), 75 - half);
  EXPECT_EQ(r.Glyph.x(), 75 + half - 41);
}

TEST(SkinButtonLayout, MarginsAndVerticalLayouts) {
  const QRect client(10, 20, 100, 60);
  auto p = PlaceGlyphAndText(client, {16, 16}, {40, 12}, 4, 2, TbsButtonLayout::blGlyphLeft);
  EXPECT_EQ(p.Glyph.x(), 14);
  EXPECT_EQ(p.Text.left(), 14 + 16 + 2);
  p = PlaceGlyphAndText(client, {16, 16}, {40, 12}, 4, 2, TbsButtonLayout::blGlyphRight);
  EXPECT_EQ(p.Glyph.x(), 10 + 100 - 16 - 4);
  EXPECT_EQ(p.Text.left(), p.Glyph.x() - 2 - 40);
  p = PlaceGlyphAndText(client, {16, 16}, {40, 12}, 4, 2, TbsButtonLayout::blGlyphTop);
  EXPECT_EQ(p.Glyph.y(), 24);
  EXPECT_EQ(p.Text.top(), 24 + 16 + 2);
  EXPECT_EQ(p.Text.left(), 60 - 20);
  p = PlaceGlyphAndText(client, {16, 16}, {40, 12}, -1, 2, TbsButtonLayout::blGlyphBottom);
  const int half = (12 + 16 + 2) / 2;
  EXPECT_EQ(p.Text.top(), 50 - half);
  EXPECT_EQ(p.Glyph.y(), 50 + half - 16);
}

TEST(SkinButtonCaption, AcceleratorMarks) {
  EXPECT_EQ(StripAccelerator(QStringLiteral("N&oToAll")), QStringLiteral("NoToAll"));
  EXPECT_EQ(AcceleratorOf(QStringLiteral("N&oToAll")), QChar('o'));
  EXPECT_EQ(AcceleratorOf(QStringLiteral("Fish && Chips")), QChar());
  EXPECT_EQ(StripAccelerator(QStringLiteral("Fish && Chips")), QStringLiteral("Fish & Chips"));
  EXPECT_EQ(AcceleratorOf(QStringLiteral("OK")), QChar());
}

}  // namespace
