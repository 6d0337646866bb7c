// The bolt and nut windows as laid out: every control's class, place, size,
// text, hint, font and cursor.
#include "platform/Dialogs.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinLabel.h"
#include "skin/SkinMessage.h"
#include "skin/SkinStdLabel.h"
#include "tables/Unit_Bolty.h"
#include "tables/Unit_Gayki.h"
#include "tests/tables/TableWindowsFixture.h"

#include <gtest/gtest.h>

namespace {

// Each window's named controls in the order the window declares and makes
// them.
struct Control {
  const char* Name;
  const char* Class;
  QRect Geometry;
  const char* Text;  // caption or first item
  const char* Hint;
};

const Control kBolty[] = {
    {"bsSkinStdLabel1", "TbsSkinStdLabel", {75, 16, 355, 20}, "Выберите номинальный диаметр резьбы:", ""},
    {"bsSkinStdLabel2", "TbsSkinStdLabel", {10, 56, 428, 20}, "Выберите класс прочности болта по ГОСТ 1759.4:", ""},
    {"bsSkinStdLabel3", "TbsSkinStdLabel", {180, 104, 249, 20}, "Выберите класс соединения:", ""},
    {"bsSkinComboBox1", "TbsSkinComboBox", {440, 16, 81, 22}, "6", "Номинальный диаметр резьбы"},
    {"bsSkinComboBox2", "TbsSkinComboBox", {440, 53, 81, 22}, "5.8", "Класс прочности"},
    {"bsSkinComboBox3", "TbsSkinComboBox", {440, 101, 81, 22}, "1", "Класс соединения"},
    {"bsSkinButton2", "TbsSkinButton", {218, 137, 151, 41}, "  Показать", "Показать момент затяжки"},
    {"bsSkinEdit1", "TbsSkinEdit", {8, 200, 577, 22}, "", ""},
    {"bsSkinButton1", "TbsSkinButton", {114, 241, 383, 40}, "   Копировать фразу в буфер обмена",
     "   Копировать фразу в буфер обмена"},
    {"bsSkinLabel1", "TbsSkinLabel", {472, 151, 60, 22}, "", ""},
    {"bsSkinButton3", "TbsSkinButton", {118, 303, 199, 40}, "  Открыть AutoCAD", "  Открыть AutoCAD"},
    {"bsSkinButton4", "TbsSkinButton", {338, 305, 183, 41}, "  Путь к acad.exe", "Путь к acad.exe"},
};

const Control kGayki[] = {
    {"bsSkinStdLabel1", "TbsSkinStdLabel", {75, 16, 355, 20}, "Выберите номинальный диаметр резьбы:", ""},
    {"bsSkinStdLabel2", "TbsSkinStdLabel", {10, 56, 424, 20}, "Выберите класс прочности гайки по ГОСТ 1759.4:", ""},
    {"bsSkinComboBox1", "TbsSkinComboBox", {440, 16, 95, 22}, "6", "Номинальный диаметр резьбы"},
    {"bsSkinComboBox2", "TbsSkinComboBox", {440, 53, 96, 22}, "4;5;6", "Класс прочности"},
    {"bsSkinComboBox3", "TbsSkinComboBox", {440, 101, 96, 22}, "1", "Класс соединения"},
    {"bsSkinStdLabel3", "TbsSkinStdLabel", {180, 104, 249, 20}, "Выберите класс соединения:", ""},
    {"bsSkinButton2", "TbsSkinButton", {168, 149, 151, 41}, "  Показать", "Показать момент затяжки"},
    {"bsSkinLabel1", "TbsSkinLabel", {472, 151, 65, 22}, "", ""},
    {"bsSkinEdit1", "TbsSkinEdit", {8, 200, 599, 22}, "", ""},
    {"bsSkinButton1", "TbsSkinButton", {101, 229, 383, 40}, "   Копировать фразу в буфер обмена",
     "   Копировать фразу в буфер обмена"},
    {"bsSkinButton3", "TbsSkinButton", {113, 291, 199, 40}, "  Открыть AutoCAD", "  Открыть AutoCAD"},
    {"bsSkinButton4", "TbsSkinButton", {410, 293, 183, 41}, "  Путь к acad.exe", "Путь к acad.exe"},
};

QString TextOf(QWidget* w) {
  if (auto* l = qobject_cast<TbsSkinStdLabel*>(w)) return l->Caption();
  if (auto* c = qobject_cast<TbsSkinComboBox*>(w)) return c->Items().value(0);
  if (auto* b = qobject_cast<TbsSkinButton*>(w)) return b->Caption();
  if (auto* e = qobject_cast<TbsSkinEdit*>(w)) return e->Text();
  if (auto* l = qobject_cast<TbsSkinLabel*>(w)) return l->Caption();
  return QStringLiteral("?");
}

class TableLayout : public TableWindowsFixture {};

template <std::size_t N>
void CheckControls(TForm* form, const Control (&controls)[N]) {
  SCOPED_TRACE(form->objectName().toStdString());
  for (const Control& c : controls) {
    SCOPED_TRACE(c.Name);
    auto* w = form->Client()->findChild<QWidget*>(QString::fromLatin1(c.Name));
    ASSERT_NE(w, nullptr);
    EXPECT_STREQ(w->metaObject()->className(), c.Class);
    EXPECT_EQ(w->geometry(), c.Geometry);
    EXPECT_EQ(TextOf(w), QString::fromUtf8(c.Text));
    EXPECT_EQ(w->toolTip(), QString::fromUtf8(c.Hint));
    const bool hand = qobject_cast<TbsSkinButton*>(w) || qobject_cast<TbsSkinComboBox*>(w);
    if (hand) {
      EXPECT_EQ(w->cursor().shape(), Qt::PointingHandCursor);
    }
  }
  // The order they were made in decides which stacks above which: the named
  // controls as listed, then the two unnamed labels.
  QStringList made, listed;
  for (QObject* o : form->Client()->children())
    if (o->isWidgetType()) made << o->objectName();
  for (const Control& c : controls) listed << QString::fromLatin1(c.Name);
  EXPECT_EQ(made, listed + QStringList(2, QString()));
}

TEST_F(TableLayout, ControlsStandWhereTheLayoutPutsThem) {
  CheckControls(Form_Bolty, kBolty);
  CheckControls(Form_Gayki, kGayki);
  EXPECT_EQ(Form_Bolty->Caption(), QStringLiteral("Окно болтов"));
  EXPECT_EQ(QSize(Form_Bolty->ClientWidth(), Form_Bolty->ClientHeight()), QSize(593, 362));
  EXPECT_EQ(Form_Gayki->Caption(), QStringLiteral("Окно гаек"));
  EXPECT_EQ(QSize(Form_Gayki->ClientWidth(), Form_Gayki->ClientHeight()), QSize(621, 352));
}

TEST_F(TableLayout, UnitLabelsFrameTheValueInBlue) {
  for (TForm* f : {static_cast<TForm*>(Form_Bolty), static_cast<TForm*>(Form_Gayki)}) {
    QMap<QString, QRect> unnamed;
    for (TbsSkinStdLabel* l : f->Client()->findChildren<TbsSkinStdLabel*>()) {
      const QFont font = l->DrawFont();
      EXPECT_TRUE(font.bold());
      EXPECT_EQ(font.pixelSize(), 16);
      if (l->objectName().isEmpty()) {
        unnamed.insert(l->Caption(), l->geometry());
        EXPECT_EQ(l->DrawColor(), QColor(Qt::blue));
      } else {
        EXPECT_EQ(l->DrawColor(), ToQColor(clWindowText));
      }
    }
    // "Mкр max =" begins with the Latin capital M.
    EXPECT_EQ(unnamed.value(QStringLiteral("M") + QStringLiteral("кр max =")), QRect(384, 152, 86, 20));
    EXPECT_EQ(unnamed.value(QStringLiteral("Nm")), QRect(543, 152, 27, 20));
    EXPECT_EQ(unnamed.size(), 2);
  }
}

TEST_F(TableLayout, ListsLabelFieldAndButtonsUseTheirFonts) {
  for (TForm* f : {static_cast<TForm*>(Form_Bolty), static_cast<TForm*>(Form_Gayki)}) {
    for (TbsSkinComboBox* c : f->Client()->findChildren<TbsSkinComboBox*>()) {
      EXPECT_EQ(c->Style, bscbFixedStyle);
      EXPECT_EQ(c->DropDownCount, 10);
      EXPECT_EQ(c->ItemIndex(), -1);
      EXPECT_EQ(c->DefaultFont, TFont::Make(QStringLiteral("Arial"), -16, fsBold, clWindowText));
    }
    auto* label = f->Client()->findChild<TbsSkinLabel*>(QStringLiteral("bsSkinLabel1"));
    EXPECT_EQ(label->Alignment(), TAlignment::taCenter);
    EXPECT_EQ(label->BorderStyle(), TbsBevelStyle::bvFrame);
    EXPECT_EQ(label->DefaultFont, TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlue));
    auto* edit = f->Client()->findChild<TbsSkinEdit*>(QStringLiteral("bsSkinEdit1"));
    EXPECT_EQ(edit->font().pixelSize(), 15);
    EXPECT_TRUE(edit->font().bold());
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(Qt::blue));
    EXPECT_FALSE(edit->isReadOnly());
    for (TbsSkinButton* b : f->Client()->findChildren<TbsSkinButton*>()) {
      EXPECT_EQ(b->DefaultFont, TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlack));
      EXPECT_FALSE(b->Glyph().isNull()) << b->objectName().toStdString();
    }
    auto* show = f->Client()->findChild<TbsSkinButton*>(QStringLiteral("bsSkinButton2"));
    EXPECT_EQ(show->Glyph().size(), QSize(41, 41));
    auto* dialog = f->findChild<TOpenDialog*>(QStringLiteral("OpenDialog1"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Filter, QStringLiteral("Файлы exe|*.exe"));
    EXPECT_EQ(dialog->InitialDir, QStringLiteral("C:\\"));
    auto* message = f->findChild<TbsSkinMessage*>(QStringLiteral("bsSkinMessage1"));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->DefaultFont, TFont::Make(QStringLiteral("Arial"), -16, fsBold, clRed));
    EXPECT_FALSE(message->UseSkinFont);
  }
}

}  // namespace
