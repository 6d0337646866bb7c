// The About window's text and the pneumatic fittings window's table.
#include "app/Accessibility.h"
#include "app/PneumaticTable.h"
#include "app/UnitInfTQR.h"
#include "app/Unit_Glav_Moment.h"
#include "app/Unit_Pnevmo.h"
#include "skin/SkinForm.h"
#include "skin/SkinTextLabel.h"
#include "tests/app/ProgramWindows.h"

#include <QAccessible>
#include <QDir>
#include <QRegularExpression>
#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using InfoWindows = ProgramWindowsTest;

// Saves a picture for a person to look at when MOMENTY_SHOTS names a folder.
void Keep(const QImage& image, const char* name) {
  const QString dir = qEnvironmentVariable("MOMENTY_SHOTS");
  if (!dir.isEmpty()) image.save(QDir(dir).filePath(QString::fromLatin1(name)));
}

int DarkPixels(const QImage& image, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += qGray(image.pixel(x, y)) < 128;
  return n;
}

}  // namespace

// --- About -------------------------------------------------------------------------

TEST(AboutText, HasTwentyLinesWithTheirBlanksAndHonestContacts) {
  const QStringList t = AboutText();
  ASSERT_EQ(t.size(), 20);
  EXPECT_EQ(t[0], QStringLiteral(" Это приложение:"));
  EXPECT_EQ(t[1], QStringLiteral(" - помогает выбрать моменты затяжки "));  // trailing blank kept
  EXPECT_EQ(t[8], QStringLiteral(" обмена а далее нпример в AutoCAD."));
  EXPECT_EQ(t[10], QStringLiteral("\"Основы конструирования\" под. ред. П. Н. Учаева"));
  EXPECT_EQ(t[11], QStringLiteral("том 2 страницы 174 и 131."));
  EXPECT_TRUE(t[12].isEmpty());
  EXPECT_TRUE(t[13].startsWith(QStringLiteral(" Разработал: ")));
  EXPECT_TRUE(t[13].endsWith(QLatin1Char('.')));
  EXPECT_TRUE(t[18].isEmpty());
  EXPECT_EQ(t[17], QStringLiteral(" Приму любые замечания и предложения."));
  EXPECT_EQ(t[19], QStringLiteral(" Последнее обновление 29.10.2019г."));
  // No digits of a made-up telephone, no invented address.
  for (int i = 13; i <= 16; ++i) EXPECT_FALSE(t[i].contains(QRegularExpression(QStringLiteral("\\d")))) << i;
}

TEST_F(InfoWindows, AboutLabelFillsTheClientAreaInBoldBlue) {
  TbsSkinTextLabel* label = FormInfTQR->bsSkinTextLabel1;
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->parentWidget(), FormInfTQR->Client());
  EXPECT_EQ(label->geometry(), QRect(0, 0, 455, 413));
  EXPECT_EQ(label->SkinDataName, QStringLiteral("stdlabel"));
  EXPECT_FALSE(label->UseSkinFont);
  EXPECT_EQ(label->Font, TFont::Make(QStringLiteral("MS Sans Serif"), -16, fsBold, clBlue));
  EXPECT_EQ(label->DrawFont().pixelSize(), 16);
  EXPECT_TRUE(label->DrawFont().bold());
  EXPECT_EQ(label->DrawColor(), QColor(0, 0, 255));
  // Every line fits, across and down.
  for (int i = 0; i < 20; ++i) {
    const QRect r = label->LineRect(i);
    EXPECT_LE(r.right(), 454) << i;
    EXPECT_LE(r.bottom(), 412) << i;
  }
}

TEST_F(InfoWindows, AboutWindowShowsTheSameTextEachTimeItOpens) {
  FinishSplash();
  QImage first;
  for (int round = 0; round < 3; ++round) {
    Form_Glav_Moment->bsSkinButton4->Click();
    ASSERT_TRUE(FormInfTQR->Visible());
    EXPECT_EQ(FormInfTQR->bsSkinTextLabel1->Lines(), AboutText());
    const QImage shot = FormInfTQR->Client()->grab().toImage();
    if (round == 0) {
      first = shot;
      Keep(FormInfTQR->grab().toImage(), "about.png");
    } else {
      EXPECT_EQ(shot, first) << "round " << round;
    }
    FormInfTQR->Close();
    EXPECT_FALSE(FormInfTQR->Visible());
    EXPECT_TRUE(Form_Glav_Moment->Visible());
  }
  // The text is drawn in blue, line by line from the top.
  int blue = 0;
  for (int y = 0; y < first.height(); ++y)
    for (int x = 0; x < first.width(); ++x) {
      const QColor c = first.pixelColor(x, y);
      blue += c.blue() > 150 && c.red() < 100 && c.green() < 100;
    }
  EXPECT_GT(blue, 500);
}

// --- Pneumatic fittings ---------------------------------------------------------------

TEST(PneumaticTable, PictureIsAGreyTableWhoseTextsFitTheirCells) {
  const QImage image = DrawPneumaticTable();
  Keep(image, "pneumatic_table.png");
  EXPECT_EQ(image.size(), QSize(415, 537));
  EXPECT_EQ(image.format(), QImage::Format_Grayscale8);
  EXPECT_TRUE(image.allGray());
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));  // white paper

  const auto cells = PneumaticTableCells();
  // Title, header, then 27 rows: 4 + 4 + 3 + 4 + 2 + 2 cells per row by group.
  ASSERT_EQ(cells.size(), 1u + 4u + 5 * 4 + 6 * 4 + 5 * 3 + 4 * 4 + 5 * 2 + 2 * 2);
  EXPECT_EQ(cells[0].Text, PneumaticTitle());
  EXPECT_TRUE(cells[0].Bold);
  EXPECT_EQ(cells[1].Text, QStringLiteral("Наименование"));
  EXPECT_EQ(cells.back().Text, QStringLiteral("22…28"));
  const QRect inside(QPoint(0, 0), QSize(412, 536));  // what the window shows
  for (const TTableCell& c : cells) {
    SCOPED_TRACE(c.Text.toStdString());
    EXPECT_TRUE(inside.contains(c.Box));
    const QFontMetrics fm(PneumaticTableFont(c));
    EXPECT_LE(fm.horizontalAdvance(c.Text), c.Box.width() - 2 * kPneumaticCellPadding);
    EXPECT_LE(fm.ascent() + fm.descent() - 2, c.Box.height());
    const QRect interior = c.Box.adjusted(1, 1, -1, -1);
    if (c.Text.isEmpty())
      EXPECT_EQ(DarkPixels(image, interior), 0);
    else
      EXPECT_GT(DarkPixels(image, interior), 10);
  }
  // Cells in reading order never overlap inside (rows stack, groups apart).
  for (std::size_t i = 1; i < cells.size(); ++i)
    for (std::size_t j = i + 1; j < cells.size(); ++j)
      EXPECT_FALSE(cells[i].Box.adjusted(1, 1, -1, -1).intersects(cells[j].Box.adjusted(1, 1, -1, -1)))
          << cells[i].Text.toStdString() << " / " << cells[j].Text.toStdString();
  // Ruled lines are black; the bold title is darker than a row's text.
  for (const QRect& r : PneumaticTableRules()) {
    EXPECT_EQ(qGray(image.pixel(r.topLeft())), 0);
    EXPECT_EQ(qGray(image.pixel(r.bottomRight())), 0);
  }
}

TEST(PneumaticTable, GroupsAreSeparatedByWhiteGaps) {
  const QImage image = DrawPneumaticTable();
  const auto cells = PneumaticTableCells();
  // The row cells' boxes, grouped by group: between the bottom of one group
  // and the top of the next lies a band of white paper.
  std::vector<int> bottoms, tops;
  int index = 5;
  for (const TFittingGroup& g : PneumaticGroups()) {
    const int perRow = g.Layout == TFittingLayout::Full ? 4 : g.Layout == TFittingLayout::NoDesignation ? 3 : 2;
    tops.push_back(cells[index].Box.top());
    index += perRow * static_cast<int>(g.Rows.size());
    bottoms.push_back(cells[index - 1].Box.bottom());
  }
  for (int g = 0; g + 1 < 6; ++g) {
    ASSERT_GT(tops[g + 1] - bottoms[g], 4) << g;
    EXPECT_EQ(DarkPixels(image, QRect(0, bottoms[g] + 1, 415, tops[g + 1] - bottoms[g] - 1)), 0) << g;
  }
}

TEST_F(InfoWindows, PneumaticWindowShowsTheTableUnscaledAndBringsBackTheMainWindow) {
  FinishSplash();
  TImage* image = Form_Pnevmo->Image1;
  ASSERT_NE(image, nullptr);
  EXPECT_FALSE(image->Stretch);
  EXPECT_EQ(image->geometry(), QRect(0, 0, 412, 536));
  const QImage table = DrawPneumaticTable();
  EXPECT_EQ(image->Picture(), table);

  for (int round = 0; round < 2; ++round) {
    Form_Glav_Moment->bsSkinButton5->Click();
    ASSERT_TRUE(Form_Pnevmo->Visible());
    EXPECT_FALSE(Form_Glav_Moment->Visible());
    const QImage shot = image->grab().toImage();
    Keep(Form_Pnevmo->grab().toImage(), "pneumatic_window.png");
    ASSERT_EQ(shot.size(), QSize(412, 536));
    EXPECT_EQ(shot.convertToFormat(QImage::Format_Grayscale8), table.copy(0, 0, 412, 536));
    Form_Pnevmo->Close();
    EXPECT_FALSE(Form_Pnevmo->Visible());
    EXPECT_TRUE(Form_Glav_Moment->Visible());
  }
}

TEST_F(InfoWindows, PneumaticPictureReadsAsATableOfTheFittingsOtherPicturesAsPictures) {
  InstallAccessibility();
  FinishSplash();
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(Form_Pnevmo->Image1);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->role(), QAccessible::Table);
  EXPECT_EQ(table->text(QAccessible::Name), PneumaticTitle());
  QAccessibleTableInterface* grid = table->tableInterface();
  ASSERT_NE(grid, nullptr);
  const QStringList header = PneumaticHeader();
  ASSERT_EQ(grid->columnCount(), header.size());
  for (int c = 0; c < header.size(); ++c) EXPECT_EQ(grid->columnDescription(c), header[c]);

  auto name = [&](int row, int column) {
    QAccessibleInterface* cell = grid->cellAt(row, column);
    return cell ? cell->text(QAccessible::Name) : QStringLiteral("<none>");
  };
  int row = 0;
  for (const TFittingGroup& g : PneumaticGroups()) {
    for (const TFittingRow& r : g.Rows) {
      SCOPED_TRACE(r.Name.toStdString());
      EXPECT_EQ(name(row, 0), r.Name);
      QAccessibleInterface* first = grid->cellAt(row, 0);
      if (g.Layout == TFittingLayout::Full) {
        EXPECT_EQ(name(row, 1), r.Designation);
      } else {
        // The name stands over the designation's column as well.
        EXPECT_EQ(grid->cellAt(row, 1), first);
        EXPECT_EQ(first->tableCellInterface()->columnExtent(), 2);
      }
      EXPECT_EQ(name(row, 2), r.Torque);
      const auto headers = grid->cellAt(row, 2)->tableCellInterface()->columnHeaderCells();
      ASSERT_EQ(headers.size(), 1);
      EXPECT_EQ(headers[0]->text(QAccessible::Name), header[2]);
      if (g.Layout == TFittingLayout::NameTorque)
        EXPECT_EQ(grid->cellAt(row, 3), nullptr);
      else
        EXPECT_EQ(name(row, 3), r.Wrench);
      // Children in reading order: the torque follows the name (and the designation).
      EXPECT_EQ(table->indexOfChild(grid->cellAt(row, 2)) - table->indexOfChild(first),
                g.Layout == TFittingLayout::Full ? 2 : 1);
      ++row;
    }
  }
  EXPECT_EQ(grid->rowCount(), row);
  EXPECT_EQ(grid->cellAt(row, 0), nullptr);

  // The main window's flag is a picture named by its hint.
  TImage* flag = Form_Glav_Moment->findChild<TImage*>();
  ASSERT_NE(flag, nullptr);
  QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(flag);
  EXPECT_EQ(picture->role(), QAccessible::Graphic);
  EXPECT_EQ(picture->text(QAccessible::Name), flag->toolTip());
  EXPECT_FALSE(flag->toolTip().isEmpty());
}

TEST_F(InfoWindows, AboutWindowIsSizeableAndItsTextFollowsTheClientArea) {
  TFormInfTQR* about = FormInfTQR;
  about->Show();
  EXPECT_TRUE(about->bsSkinForm1->Sizeable());
  about->resize(about->width() + 60, about->height() + 30);
  QApplication::processEvents();
  EXPECT_EQ(about->bsSkinTextLabel1->geometry(), about->Client()->rect());
  EXPECT_EQ(about->Client()->size(), QSize(455 + 60, 413 + 30));
  about->Hide();
}
