// The static label takes its colour (and, when asked, its font) from the
// skin's "stdlabel" record.
#include "platform/Forms.h"
#include "resources/Resources.h"
#include "skin/SkinData.h"
#include "skin/SkinStdLabel.h"
#include "skin/StoredSkin.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinStdLabelRecord, RecordColourReplacesTheDefaultFontsRed) {
  TForm form;
  auto* data = new TbsSkinData(&form);
  auto* label = new TbsSkinStdLabel(form.Client());
  const TFont red = TFont::Make(QStringLiteral("Arial"), -16, fsBold, clRed);
  label->DefaultFont = red;
  label->SetFont(red);
  label->UseSkinFont = false;  // as the message dialog sets it; colour from the skin stays on
  label->SetSkinData(data);
  // No skin loaded: the default font's red.
  EXPECT_EQ(label->Record(), nullptr);
  EXPECT_EQ(label->DrawColor(), QColor(255, 0, 0));

  auto* stored = CreateStoredSkin(&form, resources::Load(QStringLiteral("iMetal.skn")), QStringLiteral("iMetal.skn"));
  data->SetCompressedStoredSkin(stored);
  ASSERT_FALSE(data->Empty());
  ASSERT_NE(label->Record(), nullptr);
  EXPECT_EQ(label->DrawColor(), QColor(0, 0, 0));
  // The font stays the label's own: Arial bold 16 px.
  EXPECT_EQ(label->DrawFont().pixelSize(), 16);
  EXPECT_TRUE(label->DrawFont().bold());

  // The windows' labels use neither the skin's font nor its colour.
  label->UseSkinColor = false;
  EXPECT_EQ(label->DrawColor(), QColor(255, 0, 0));
  // With the skin's font asked for, the record's font is used.
  label->UseSkinFont = true;
  EXPECT_EQ(label->DrawFont().family(), ToQFont(TFont::Make(label->Record()->Font.Name, 1, 0)).family());
  EXPECT_EQ(label->DrawFont().pixelSize(), FontPixelSize(label->Record()->Font.Height));
}

}  // namespace

// --- Disabled text -------------------------------------------------------------

#include "SkinDataTestSupport.h"
#include "skin/SkinTextLabel.h"

namespace {

// How many pixels of the window's client area are exactly `colour`.
int CountOf(TForm& form, const QColor& colour) {
  const QImage shot = form.Client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int n = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) n += shot.pixel(x, y) == colour.rgb();
  return n;
}

TEST(SkinStaticTextDisabled, RaisedThenSunkenInTheSkinsButtonColoursOrTheSystems) {
  TForm form;
  form.SetClientSize(300, 120);
  auto* data = new TbsSkinData(&form);
  const TFont big = TFont::Make(QStringLiteral("Arial"), -30, fsBold, clBlack);
  auto* label = new TbsSkinStdLabel(form.Client());
  label->SetBounds(0, 0, 300, 40);
  label->SetCaption(QStringLiteral("ММ"));
  auto* text = new TbsSkinTextLabel(form.Client());
  text->SetBounds(0, 50, 300, 40);
  text->SetLines({QStringLiteral("ММ")});
  for (TbsSkinStaticText* t : {static_cast<TbsSkinStaticText*>(label), static_cast<TbsSkinStaticText*>(text)}) {
    t->UseSkinFont = false;
    t->SetFont(big);
    t->SetSkinData(data);
    t->setEnabled(false);
  }
  label->UseSkinColor = false;
  const QColor light(0, 255, 0), shadow(0, 0, 255);  // "cbtnhighlight" 65280, "cbtnshadow" 16711680

  // No skin yet: the system's colours.
  EXPECT_EQ(label->DisabledLightColor(), ToQColor(clBtnHighlight));
  EXPECT_EQ(text->DisabledShadowColor(), ToQColor(clBtnShadow));
  EXPECT_EQ(CountOf(form, light), 0);
  EXPECT_EQ(CountOf(form, shadow), 0);
  EXPECT_GT(CountOf(form, ToQColor(clBtnShadow)), 50);

  skintest::TContainer c;
  c.Text = skintest::MinimalText("[SKINCOLORS]\r\ncbtnhighlight=65280\r\ncbtnshadow=16711680\r\n");
  const auto stored = skintest::Stored(c.Bytes());
  data->ReadStoredSkin(stored.get());
  ASSERT_FALSE(data->Empty());
  EXPECT_EQ(label->DisabledLightColor(), light);
  EXPECT_EQ(text->DisabledShadowColor(), shadow);
  // Both texts of both labels: the light one shows below and right of the shadow.
  const QImage shot = form.Client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (const QRect& band : {QRect(0, 0, 300, 40), QRect(0, 50, 300, 40)}) {
    int lights = 0, shadows = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
      for (int x = band.left(); x <= band.right(); ++x) {
        lights += shot.pixel(x, y) == light.rgb();
        shadows += shot.pixel(x, y) == shadow.rgb();
      }
    EXPECT_GT(lights, 10) << band.top();
    EXPECT_GT(shadows, 50) << band.top();
  }

  // A skin without the two keys leaves them at the system's.
  c.Text = skintest::MinimalText();
  const auto plain = skintest::Stored(c.Bytes());
  data->ReadStoredSkin(plain.get());
  ASSERT_FALSE(data->Empty());
  EXPECT_EQ(label->DisabledLightColor(), ToQColor(clBtnHighlight));
  EXPECT_EQ(CountOf(form, shadow), 0);
}

}  // namespace
