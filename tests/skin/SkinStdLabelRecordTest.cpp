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
