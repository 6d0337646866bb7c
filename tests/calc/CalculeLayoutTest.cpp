// Where the calculation window's controls sit, and how they are dressed.
#include "calc/Unit_Calcule.h"
#include "skin/SkinGroupBox.h"

#include <QFontInfo>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct Place {
  const char* Name;
  const char* Parent;  // nullptr: the window's client area
  int Left, Top, Width, Height;
};

// Labels size themselves to their text: for them the width and height are the
// least ones.
const Place kPlaces[] = {
    {"bsSkinGroupBox3", nullptr, 3, 4, 1032, 389},
    {"bsSkinGroupBox4", nullptr, 4, 402, 1032, 301},
    {"bsSkinRadioGroup1", "bsSkinGroupBox3", 8, 31, 273, 194},
    {"bsSkinGroupBox1", "bsSkinGroupBox3", 296, 31, 353, 97},
    {"bsSkinStdLabel1", "bsSkinGroupBox1", 11, 32, 202, 20},
    {"bsSkinNumericEdit1", "bsSkinGroupBox1", 234, 30, 103, 23},
    {"bsSkinStdLabel2", "bsSkinGroupBox1", 11, 64, 213, 20},
    {"bsSkinNumericEdit2", "bsSkinGroupBox1", 234, 62, 103, 23},
    {"bsSkinGroupBox2", "bsSkinGroupBox3", 664, 32, 353, 97},
    {"bsSkinStdLabel3", "bsSkinGroupBox2", 11, 32, 86, 20},
    {"bsSkinNumericEdit3", "bsSkinGroupBox2", 106, 30, 50, 23},
    {"bsSkinStdLabel4", "bsSkinGroupBox2", 11, 56, 205, 16},
    {"bsSkinStdLabel5", "bsSkinGroupBox2", 11, 72, 228, 16},
    {"bsSkinButton1", "bsSkinGroupBox3", 781, 243, 175, 41},
    {"bsSkinStdLabel7", "bsSkinGroupBox3", 287, 173, 355, 20},
    {"bsSkinComboBox2", "bsSkinGroupBox3", 647, 173, 88, 22},
    {"bsSkinStdLabel6", "bsSkinGroupBox3", 291, 143, 193, 20},
    {"bsSkinComboBox1", "bsSkinGroupBox3", 488, 143, 81, 22},
    {"bsSkinStdLabel8", "bsSkinGroupBox3", 287, 205, 289, 20},
    {"bsSkinNumericEdit4", "bsSkinGroupBox3", 604, 204, 103, 23},
    {"GroupBox_Other_Material", "bsSkinGroupBox3", 8, 232, 353, 81},
    {"bsSkinStdLabel12", "GroupBox_Other_Material", 6, 25, 335, 20},
    {"bsSkinStdLabel15", "GroupBox_Other_Material", 7, 49, 254, 20},
    {"NE_Other_Material", "GroupBox_Other_Material", 143, 48, 71, 23},
    {"bsSkinStdLabel9", "bsSkinGroupBox3", 11, 327, 41, 20},
    {"bsSkinStdLabel10", "bsSkinGroupBox3", 9, 359, 65, 20},
    {"bsSkinStdLabel14", "bsSkinGroupBox4", 11, 32, 183, 20},
    {"Mzat", "bsSkinGroupBox4", 200, 30, 84, 23},
    {"bsSkinGroupBox5", "bsSkinGroupBox4", 296, 31, 353, 97},
    {"bsSkinStdLabel16", "bsSkinGroupBox5", 11, 32, 190, 20},
    {"dn", "bsSkinGroupBox5", 223, 30, 106, 23},
    {"bsSkinStdLabel17", "bsSkinGroupBox5", 11, 64, 201, 20},
    {"dv", "bsSkinGroupBox5", 223, 62, 106, 23},
    {"bsSkinGroupBox6", "bsSkinGroupBox4", 664, 32, 353, 97},
    {"bsSkinStdLabel18", "bsSkinGroupBox6", 11, 32, 86, 20},
    {"mu", "bsSkinGroupBox6", 106, 30, 83, 23},
    {"bsSkinStdLabel19", "bsSkinGroupBox6", 11, 56, 205, 16},
    {"bsSkinStdLabel20", "bsSkinGroupBox6", 11, 72, 228, 16},
    {"bsSkinStdLabel13", "bsSkinGroupBox4", 290, 143, 215, 20},
    {"P", "bsSkinGroupBox4", 520, 143, 62, 22},
    {"bsSkinStdLabel11", "bsSkinGroupBox4", 287, 174, 333, 20},
    {"dsr", "bsSkinGroupBox4", 635, 174, 85, 22},
    {"bsSkinButton2", "bsSkinGroupBox4", 781, 183, 175, 41},
    {"Usilie", "bsSkinGroupBox4", 11, 263, 59, 20},
};

class CalculeLayout : public ::testing::Test {
protected:
  void SetUp() override { w = std::make_unique<TForm_Calcule>(); }
  std::unique_ptr<TForm_Calcule> w;
};

TEST_F(CalculeLayout, EveryControlSitsAtItsPlaceInItsParent) {
  for (const Place& p : kPlaces) {
    SCOPED_TRACE(p.Name);
    auto* c = w->findChild<QWidget*>(QString::fromLatin1(p.Name));
    ASSERT_NE(c, nullptr);
    const QString parent = p.Parent ? QString::fromLatin1(p.Parent) : QString();
    if (p.Parent)
      EXPECT_EQ(c->parentWidget()->objectName(), parent);
    else
      EXPECT_EQ(c->parentWidget(), w->Client());
    EXPECT_EQ(c->pos(), QPoint(p.Left, p.Top));
    if (qobject_cast<TbsSkinStdLabel*>(c)) {
      EXPECT_GE(c->width(), p.Width);
      EXPECT_GE(c->height(), p.Height);
    } else {
      EXPECT_EQ(c->size(), QSize(p.Width, p.Height));
    }
  }
}

TEST_F(CalculeLayout, LabelsFitTheirTextsAndTheStrengthFieldCoversOnlyTheBlanks) {
  for (TbsSkinStdLabel* l : w->findChildren<TbsSkinStdLabel*>()) {
    const QFontMetrics fm(l->DrawFont());
    EXPECT_GE(l->width(), fm.horizontalAdvance(l->Caption())) << l->objectName().toStdString();
  }
  // "на растяжение:" ends left of the field, and the unit is drawn wholly to
  // the right of it (rather than under it) whatever the width of a blank.
  TbsSkinStdLabel* line = w->bsSkinStdLabel15;
  const QFontMetrics fm(line->DrawFont());
  const int fieldLeft = w->NE_Other_Material->x(), fieldRight = fieldLeft + w->NE_Other_Material->width();
  EXPECT_LT(line->x() + fm.horizontalAdvance(QStringLiteral("на растяжение:")), fieldLeft);
  const QImage drawn = line->grab().toImage();
  int rightmostInk = -1;
  for (int x = 0; x < drawn.width(); ++x)
    for (int y = 0; y < drawn.height(); ++y)
      if (qGray(drawn.pixel(x, y)) < 96) rightmostInk = x;
  EXPECT_GE(line->x() + rightmostInk, fieldRight + fm.horizontalAdvance(QStringLiteral("кгс/мм².")) - 3);
  EXPECT_LT(rightmostInk, line->width());
}

TEST_F(CalculeLayout, FontsColoursHintsAndCaptions) {
  EXPECT_EQ(w->bsSkinGroupBox3->Caption(), QStringLiteral("Окно расчёта момента затяжки:"));
  EXPECT_EQ(w->bsSkinGroupBox4->Caption(), QStringLiteral("Окно расчёта усилия затяжки:"));
  EXPECT_EQ(w->bsSkinRadioGroup1->Caption(), QStringLiteral("Выберите материал:"));
  EXPECT_EQ(w->bsSkinButton1->Caption(), QStringLiteral("   Расчитать"));
  EXPECT_EQ(w->bsSkinButton2->Caption(), QStringLiteral("   Расчитать"));
  EXPECT_EQ(w->bsSkinButton1->toolTip(), QStringLiteral("Расчитать"));
  EXPECT_EQ(w->bsSkinButton1->Glyph().size(), QSize(41, 41));
  EXPECT_EQ(w->bsSkinButton2->Glyph().size(), QSize(41, 41));
  EXPECT_EQ(w->bsSkinComboBox2->toolTip(), QStringLiteral("Номинальный диаметр резьбы"));
  EXPECT_TRUE(w->bsSkinComboBox1->toolTip().isEmpty());
  EXPECT_EQ(w->bsSkinComboBox2->DropDownCount, 10);
  EXPECT_EQ(w->P->DefaultFont.Height, -15);
  EXPECT_EQ(w->dsr->DefaultFont.Height, -16);
  EXPECT_EQ(w->bsSkinStdLabel9->Font.Color, clRed);
  EXPECT_EQ(w->Usilie->Font.Color, clRed);
  EXPECT_EQ(w->bsSkinStdLabel1->Font.Color, clWindowText);
  EXPECT_EQ(w->bsSkinStdLabel4->Font.Height, -15);
  EXPECT_TRUE(w->bsSkinStdLabel1->Font.Style & fsBold);
  EXPECT_EQ(w->bsSkinStdLabel1->Font.Name, QStringLiteral("MS Sans Serif"));
  for (TbsSkinNumericEdit* f : w->findChildren<TbsSkinNumericEdit*>()) {
    EXPECT_EQ(f->Editor()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(f->DefaultFont, TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlack));
  }
  const int decimals[] = {w->bsSkinNumericEdit1->Decimal(), w->bsSkinNumericEdit2->Decimal(),
                          w->bsSkinNumericEdit3->Decimal(), w->bsSkinNumericEdit4->Decimal(),
                          w->NE_Other_Material->Decimal(), w->Mzat->Decimal(), w->dn->Decimal(),
                          w->dv->Decimal(), w->mu->Decimal()};
  EXPECT_EQ(std::vector<int>(std::begin(decimals), std::end(decimals)), (std::vector<int>{2, 3, 2, 3, 2, 2, 4, 4, 2}));
  EXPECT_EQ(w->bsSkinGroupBox3->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(w->bsSkinComboBox1->cursor().shape(), Qt::PointingHandCursor);
}

// Its group boxes wear the skin, and what they hold stays inside them.
TEST(SkinGroupBoxWindow, CalculationWindowChildrenStayInsideTheSkinnedClientAreas) {
  TForm_Calcule form;
  form.Show();
  const auto boxes = form.findChildren<TbsSkinGroupBox*>();
  ASSERT_EQ(boxes.size(), 8);  // seven boxes and the radio group
  for (TbsSkinGroupBox* box : boxes) {
    SCOPED_TRACE(box->objectName().toStdString());
    ASSERT_TRUE(box->SkinnedLook());
    const QRect client = box->ClientArea();
    for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      EXPECT_TRUE(client.contains(child->geometry()))
          << child->objectName().toStdString() << " at " << child->x() << "," << child->y() << " "
          << child->width() << "x" << child->height();
  }
  // Pictures to look at, on request.
  const QString dir = qEnvironmentVariable("GROUP_SHOTS_DIR");
  if (!dir.isEmpty()) {
    form.grab().save(dir + QStringLiteral("/calcule.png"));
    form.bsSkinRadioGroup1->SetItemIndex(3);
    form.bsSkinRadioGroup1->grab().save(dir + QStringLiteral("/radiogroup.png"));
  }
}

}  // namespace
