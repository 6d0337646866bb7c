// Skinned controls on a window of the platform: an error thrown by a click
// handler reaches the general error display, and a static label draws in its
// own font and colour when the skin's are not used.
#include "platform/Exceptions.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "skin/SkinButton.h"
#include "skin/SkinStdLabel.h"
#include "tests/common/ErrorRecorder.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ErrorDisplay, ThrownHandlerErrorIsShownAndTheProgramGoesOn) {
  ErrorRecorder errors;
  TForm form;
  auto* button = new TbsSkinButton(form.Client());
  int calls = 0;
  button->OnClick = [&](TObject*) {
    ++calls;
    if (calls == 1) throw EIniFileException(QStringLiteral("Unable to write to /x/PatchMoment.ini"));
  };
  form.Show();
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_EQ(errors.Shown.size(), 1);
  EXPECT_EQ(errors.Shown[0], QStringLiteral("Unable to write to /x/PatchMoment.ini"));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(errors.Shown.size(), 1);
}

TEST(StaticLabel, DrawsWithItsOwnFontWhenTheSkinFontIsNotUsed) {
  TForm form;
  auto* label = new TbsSkinStdLabel(form.Client());
  label->SetBounds(0, 0, 200, 20);
  label->UseSkinFont = false;
  label->UseSkinColor = false;
  label->SetFont(TFont::Make(QStringLiteral("MS Sans Serif"), -16, fsBold, clBlue));
  label->SetCaption(QStringLiteral("Mкр max ="));
  EXPECT_EQ(label->DrawFont().pixelSize(), 16);
  EXPECT_TRUE(label->DrawFont().bold());
  EXPECT_EQ(label->DrawColor(), QColor(0, 0, 255));
  form.Show();
  const QImage img = label->grab().toImage();
  int blue = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.blue() > 200 && c.red() < 80 && c.green() < 80) ++blue;
    }
  EXPECT_GT(blue, 20);
  // Mouse passes through to what lies below.
  EXPECT_TRUE(label->testAttribute(Qt::WA_TransparentForMouseEvents));
}

}  // namespace
