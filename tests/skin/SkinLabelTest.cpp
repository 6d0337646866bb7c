// The framed label's plain look: face, frame colours by border style, the
// value text placed by its alignment and kept inside the inset area.
#include "skin/SkinLabel.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class SkinLabelTest : public ::testing::Test {
protected:
  void SetUp() override {
    parent = std::make_unique<QWidget>();
    label = new TbsSkinLabel(parent.get());
    label->SetBounds(0, 0, 60, 22);
    label->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlue));
  }
  // Pixel columns holding text colour (blue dominant).
  static QList<int> BlueColumns(const QImage& img) {
    QList<int> cols;
    for (int x = 0; x < img.width(); ++x)
      for (int y = 0; y < img.height(); ++y) {
        const QColor c = img.pixelColor(x, y);
        if (c.blue() > 150 && c.red() < 100 && c.green() < 100) {
          cols << x;
          break;
        }
      }
    return cols;
  }
  std::unique_ptr<QWidget> parent;
  TbsSkinLabel* label = nullptr;
};

TEST_F(SkinLabelTest, ConstructedAs75By21WithTheFrameBorder) {
  TbsSkinLabel fresh(parent.get());
  EXPECT_EQ(fresh.size(), QSize(75, 21));
  EXPECT_EQ(fresh.BorderStyle(), TbsBevelStyle::bvFrame);
  EXPECT_EQ(fresh.SkinDataName(), QStringLiteral("label"));
}

TEST_F(SkinLabelTest, FrameColoursFollowTheBorderStyle) {
  struct Case {
    TbsBevelStyle Style;
    TColor UpperLeft, LowerRight;
  } cases[] = {{TbsBevelStyle::bvFrame, clBtnShadow, clBtnShadow},
               {TbsBevelStyle::bvRaised, clBtnHighlight, clBtnShadow},
               {TbsBevelStyle::bvLowered, clBtnShadow, clBtnHighlight},
               {TbsBevelStyle::bvNone, clBtnFace, clBtnFace}};
  for (const Case& c : cases) {
    label->SetBorderStyle(c.Style);
    const QImage img = label->Render();
    EXPECT_EQ(img.pixelColor(0, 0), ToQColor(c.UpperLeft)) << int(c.Style);
    EXPECT_EQ(img.pixelColor(0, 10), ToQColor(c.UpperLeft)) << int(c.Style);
    EXPECT_EQ(img.pixelColor(59, 21), ToQColor(c.LowerRight)) << int(c.Style);
    EXPECT_EQ(img.pixelColor(59, 10), ToQColor(c.LowerRight)) << int(c.Style);
    EXPECT_EQ(img.pixelColor(30, 1), ToQColor(clBtnFace)) << int(c.Style);
  }
}

TEST_F(SkinLabelTest, ValueIsCentredLeftOrRightInTheInsetArea) {
  label->SetCaption(QStringLiteral("100"));
  label->SetAlignment(TAlignment::taCenter);
  QList<int> cols = BlueColumns(label->Render());
  ASSERT_FALSE(cols.isEmpty());
  const int leftGap = cols.first(), rightGap = 59 - cols.last();
  EXPECT_LE(std::abs(leftGap - rightGap), 3) << leftGap << " " << rightGap;

  label->SetAlignment(TAlignment::taLeftJustify);
  cols = BlueColumns(label->Render());
  ASSERT_FALSE(cols.isEmpty());
  EXPECT_GE(cols.first(), 3);
  EXPECT_LE(cols.first(), 5);

  label->SetAlignment(TAlignment::taRightJustify);
  cols = BlueColumns(label->Render());
  ASSERT_FALSE(cols.isEmpty());
  EXPECT_LE(cols.last(), 56);
  EXPECT_GE(cols.last(), 53);

  const QRect r = label->TextRect();
  const QRect area = label->TextArea();
  EXPECT_LE(std::abs((r.top() - area.top()) - (area.bottom() - r.bottom())), 1);
}

TEST_F(SkinLabelTest, ALongValueStaysInsideItsArea) {
  label->SetCaption(QStringLiteral("1234567890123"));
  label->SetAlignment(TAlignment::taCenter);
  const QList<int> cols = BlueColumns(label->Render());
  ASSERT_FALSE(cols.isEmpty());
  EXPECT_GE(cols.first(), 3);
  EXPECT_LE(cols.last(), 56);
}

}  // namespace
