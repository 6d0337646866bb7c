// The result field: an ordinary line edit in the stated font and colour that
// shows a new text from its start and copies what it holds.
#include "skin/SkinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <gtest/gtest.h>

namespace {

TEST(SkinEditTest, NewTextIsShownFromItsStartAndCopiesAsHeld) {
  QWidget parent;
  auto* edit = new TbsSkinEdit(&parent);
  edit->SetBounds(8, 200, 120, 22);
  edit->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -15, fsBold, clBlue));
  const QString sentence = QStringLiteral("Момент затяжки болта поз.  Мкр от 80 Nm до 100 Nm, класс 2 по СТБ 1879-2008.");
  edit->SetText(sentence);
  EXPECT_EQ(edit->cursorPosition(), 0);
  EXPECT_EQ(edit->Text(), sentence);
  EXPECT_EQ(edit->font().pixelSize(), 15);
  EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(Qt::blue));
  // Hand-off code selects and copies through the line edit itself.
  QLineEdit* asLineEdit = edit;
  asLineEdit->selectAll();
  asLineEdit->copy();
  EXPECT_EQ(QApplication::clipboard()->text(), sentence);
}

}  // namespace
