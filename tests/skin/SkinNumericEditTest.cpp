// The numeric field: the keys it takes, the rewrite when the focus leaves and
// its change events. The test program runs with ',' and U+00A0 as the
// locale's separators.
#include "platform/Clipboard.h"
#include "platform/Forms.h"
#include "platform/Platform.h"
#include "skin/SkinButton.h"
#include "skin/SkinNumericEdit.h"

#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace {

// --- The widget ------------------------------------------------------------------

class SkinNumericEditField : public ::testing::Test {
protected:
  void SetUp() override {
    form = std::make_unique<TForm>();
    form->SetClientSize(300, 100);
    field = new TbsSkinNumericEdit(form->Client());
    field->SetBounds(10, 10, 100, 23);
    other = new TbsSkinButton(form->Client());
    other->SetBounds(10, 50, 75, 25);
    field->OnChange = [this](TObject*) {
      ++changes;
      valuesSeen.push_back(field->Value());
    };
    platform::SetBeepHook([this] { ++beeps; });
    form->Show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    field->Editor()->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(field->Editor()->hasFocus());
  }
  void TearDown() override {
    platform::SetBeepHook({});
    form.reset();
  }
  // Replaces the text as a user would: select all, then type.
  void Type(const QString& text) {
    field->Editor()->selectAll();
    QTest::keyClicks(field->Editor(), text);
  }
  void Leave() { QTest::mouseClick(other, Qt::LeftButton); }

  std::unique_ptr<TForm> form;
  TbsSkinNumericEdit* field = nullptr;
  TbsSkinButton* other = nullptr;
  int beeps = 0;
  int changes = 0;
  std::vector<double> valuesSeen;
};

TEST_F(SkinNumericEditField, StartsWithTextZeroAndValueZero) {
  EXPECT_EQ(field->Text(), "0");
  EXPECT_EQ(field->Value(), 0.0);
  EXPECT_EQ(field->Decimal(), 2);
}

TEST_F(SkinNumericEditField, TakesDigitsMinusAndTheSeparator) {
  Type(QStringLiteral("-12,5"));
  EXPECT_EQ(field->Text(), "-12,5");
  EXPECT_DOUBLE_EQ(field->Value(), -12.5);
  EXPECT_EQ(beeps, 0);
  EXPECT_EQ(changes, 5);  // one per typed character
}

TEST_F(SkinNumericEditField, RefusesOtherCharactersEnterAndSecondSeparatorsWithABeep) {
  Type(QStringLiteral("1,5"));
  const int before = changes;
  QTest::keyClicks(field->Editor(), QStringLiteral("a.+ e"));
  QTest::keyClick(field->Editor(), Qt::Key_Return);
  QTest::keyClick(field->Editor(), Qt::Key_Enter);
  QTest::keyClicks(field->Editor(), QStringLiteral(","));
  EXPECT_EQ(beeps, 8);
  EXPECT_EQ(field->Text(), "1,5");
  EXPECT_EQ(changes, before);
  // A second "-" is refused too, wherever the cursor is.
  field->Editor()->setCursorPosition(0);
  QTest::keyClicks(field->Editor(), QStringLiteral("-"));
  QTest::keyClicks(field->Editor(), QStringLiteral("-"));
  EXPECT_EQ(field->Text(), "-1,5");
  EXPECT_EQ(beeps, 9);
}

TEST_F(SkinNumericEditField, ASelectedSeparatorMayBeTypedOver) {
  Type(QStringLiteral("-3,25"));
  Type(QStringLiteral("-7,5"));  // the whole text selected: neither "-" nor "," is a second one
  EXPECT_EQ(beeps, 0);
  EXPECT_EQ(field->Text(), "-7,5");
}

TEST_F(SkinNumericEditField, ControlKeysEditTheText) {
  Type(QStringLiteral("125"));
  QTest::keyClick(field->Editor(), Qt::Key_Backspace);
  EXPECT_EQ(field->Text(), "12");
  EXPECT_DOUBLE_EQ(field->Value(), 12);
  QTest::keyClick(field->Editor(), Qt::Key_Home);
  QTest::keyClick(field->Editor(), Qt::Key_Delete);
  EXPECT_EQ(field->Text(), "2");
  EXPECT_EQ(beeps, 0);
}

TEST_F(SkinNumericEditField, ATextThatIsNoNumberKeepsThePreviousValue) {
  Type(QStringLiteral("8"));
  QTest::keyClick(field->Editor(), Qt::Key_Backspace);
  EXPECT_EQ(field->Text(), "");
  EXPECT_DOUBLE_EQ(field->Value(), 8);
  QTest::keyClicks(field->Editor(), QStringLiteral("-"));
  EXPECT_DOUBLE_EQ(field->Value(), 8);
  EXPECT_EQ(changes, 3);  // every text change is reported, number or not
}

TEST_F(SkinNumericEditField, LeavingRewritesInFixedNotationAndRounds) {
  field->SetDecimal(2);
  Type(QStringLiteral("0,137"));
  changes = 0;
  valuesSeen.clear();
  Leave();
  EXPECT_FALSE(field->Editor()->hasFocus());
  EXPECT_EQ(field->Text(), "0,14");
  EXPECT_DOUBLE_EQ(field->Value(), 0.14);
  // The text changed and the value was rounded: two change events, both
  // seeing the rewritten value.
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(valuesSeen, (std::vector<double>{0.14, 0.14}));
}

TEST_F(SkinNumericEditField, LeavingWithoutRoundingRaisesOneChange) {
  field->SetDecimal(3);
  Type(QStringLiteral("9,5"));
  changes = 0;
  Leave();
  EXPECT_EQ(field->Text(), "9,500");
  EXPECT_EQ(changes, 1);
  // Leaving again changes nothing and reports nothing.
  field->Editor()->setFocus(Qt::TabFocusReason);
  Leave();
  EXPECT_EQ(changes, 1);
}

TEST_F(SkinNumericEditField, LeavingWithLargeNumbersWritesNoGroupsAndNoExponent) {
  Type(QStringLiteral("12345678901234"));
  Leave();
  EXPECT_EQ(field->Text(), "12345678901234,00");
}

TEST_F(SkinNumericEditField, AnEmptiedFieldGetsItsValueBack) {
  Type(QStringLiteral("12"));
  Leave();
  ASSERT_EQ(field->Text(), "12,00");
  field->Editor()->setFocus(Qt::TabFocusReason);
  field->Editor()->selectAll();
  QTest::keyClick(field->Editor(), Qt::Key_Delete);
  EXPECT_EQ(field->Text(), "");
  Leave();
  EXPECT_EQ(field->Text(), "12,00");
  EXPECT_DOUBLE_EQ(field->Value(), 12);
}

TEST_F(SkinNumericEditField, ANegativeZeroIsWrittenWithoutSign) {
  Type(QStringLiteral("-0,001"));
  Leave();
  EXPECT_EQ(field->Text(), "0,00");
  EXPECT_EQ(field->Value(), 0.0);
}

TEST_F(SkinNumericEditField, SettingTheValueRewritesLikeLeaving) {
  field->SetDecimal(4);
  changes = 0;
  field->SetValue(0.01234);
  EXPECT_EQ(field->Text(), "0,0123");
  EXPECT_DOUBLE_EQ(field->Value(), 0.0123);
  EXPECT_EQ(changes, 2);
  field->SetValue(0.0123);
  EXPECT_EQ(changes, 2);  // nothing changed
  field->SetValue(std::numeric_limits<double>::infinity());
  EXPECT_EQ(field->Text(), "0,0123");  // a field never holds what it cannot write
}

// --- Pasted and dropped text ---------------------------------------------------

// Drags `text` onto `target` and drops it at `at`; whether the drop was taken.
bool DropText(QWidget* target, QPoint at, const QString& text) {
  QMimeData data;
  data.setText(text);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

// The ways text enters besides typing, each from the clipboard's text (a drop
// carries it itself), over the whole text selected.
enum class Entry { CtrlV, ShiftInsert, ContextMenu, Drop };

std::string EntryName(const ::testing::TestParamInfo<Entry>& info) {
  static const char* const kNames[] = {"CtrlV", "ShiftInsert", "ContextMenu", "Drop"};
  return kNames[int(info.param)];
}

class SkinNumericEditPaste : public SkinNumericEditField, public ::testing::WithParamInterface<Entry> {
protected:
  void Enter(const QString& text) {
    QLineEdit* editor = field->Editor();
    switch (GetParam()) {
      case Entry::CtrlV:
      case Entry::ShiftInsert:
        platform::SetClipboardText(text);
        if (GetParam() == Entry::CtrlV)
          QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        else
          QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
        break;
      case Entry::ContextMenu: {
        // An empty clipboard disables the menu's paste: nothing to refuse.
        platform::SetClipboardText(text.isEmpty() ? QStringLiteral(" ") : text);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), editor->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(editor, &event);
        QMenu* menu = editor->findChild<QMenu*>();
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* a) {
          return a->text().startsWith(QLineEdit::tr("&Paste"));
        });
        ASSERT_NE(paste, actions.end());
        (*paste)->trigger();
        delete menu;
        break;
      }
      case Entry::Drop:
        DropText(editor, QPoint(editor->width() - 2, editor->height() / 2), text);  // on the end of the text
        break;
    }
  }
};

TEST_P(SkinNumericEditPaste, ANumberInTheUsersNotationIsTaken) {
  const bool drop = GetParam() == Entry::Drop;
  for (const QString& text : {QStringLiteral("75.5"), QStringLiteral("14 734,80"),
                              QStringLiteral("14\u00A0734,80"), QStringLiteral("-0,25")}) {
    SCOPED_TRACE(text.toStdString());
    Type(QStringLiteral("12"));
    if (drop) field->Editor()->setText(QString());  // a drop lands beside the text, not over it
    field->Editor()->selectAll();
    changes = 0;
    Enter(text);
    const QString expected = numtext::PastedNumber(text, QChar(','));
    EXPECT_EQ(field->Text(), expected);
    EXPECT_DOUBLE_EQ(field->Value(), numtext::ReadNumber(expected, QChar(',')));
    EXPECT_GE(changes, 1);
  }
  EXPECT_EQ(beeps, 0);
  // The value shown is the value used: leaving rewrites from it.
  Leave();
  EXPECT_EQ(field->Text(), QStringLiteral("-0,25"));
}

TEST_P(SkinNumericEditPaste, AnythingElseBeepsAndChangesNothing) {
  Type(QStringLiteral("12,5"));
  field->Editor()->setCursorPosition(2);  // between "12" and ",5"
  changes = 0;
  int expectedBeeps = 0;
  // Not numbers; numbers that would leave no number beside the text there.
  for (const QString& text : {QStringLiteral("abc"), QString(), QStringLiteral("1 2"), QStringLiteral("3,5"),
                              QStringLiteral("-1"), QStringLiteral("1.234,5")}) {
    SCOPED_TRACE(text.toStdString());
    Enter(text);
    EXPECT_EQ(beeps, ++expectedBeeps);
    EXPECT_EQ(field->Text(), QStringLiteral("12,5"));
    EXPECT_DOUBLE_EQ(field->Value(), 12.5);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(field->Editor()->cursorPosition(), 2);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryWay, SkinNumericEditPaste,
                         ::testing::Values(Entry::CtrlV, Entry::ShiftInsert, Entry::ContextMenu, Entry::Drop),
                         EntryName);

TEST_F(SkinNumericEditField, ADropOnAFieldNotBeingEditedShowsTheValueWrittenOut) {
  Leave();
  ASSERT_FALSE(field->Editor()->hasFocus());
  field->Editor()->setText(QString());
  EXPECT_TRUE(DropText(field->Editor(), QPoint(5, 5), QStringLiteral("7.125")));
  EXPECT_EQ(field->Text(), QStringLiteral("7,13"));
  EXPECT_DOUBLE_EQ(field->Value(), 7.13);
}

TEST_F(SkinNumericEditField, FollowsTheLocaleSeparator) {
  platform::SetLocaleSeparators(QChar('.'), QChar(','));
  Type(QStringLiteral("1.5"));
  QTest::keyClicks(field->Editor(), QStringLiteral(","));
  Leave();
  platform::SetLocaleSeparators(QChar(','), QChar(0x00A0));
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(field->Text(), "1.50");
  EXPECT_DOUBLE_EQ(field->Value(), 1.5);
}

}  // namespace

// --- The skinned look ---------------------------------------------------------------

#include "skin/SkinBmp.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"
#include "SkinDataTestSupport.h"

namespace {

// The "edit" piece: 12 x 6, pixel (x, y) = (10 x, 10 y, tag); the active
// piece below it. Its corner points make it grow across only (rmAcross), as
// a field whose height the skin would fix.
constexpr int kFieldNormal = 40, kFieldActive = 120;
QImage FieldPicture() {
  QImage img(12, 12, QImage::Format_RGB32);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x)
      img.setPixel(x, y, qRgb(10 * x, 10 * (y % 6), y < 6 ? kFieldNormal : kFieldActive));
  return img;
}

struct SkinnedField {
  SkinnedField() {
    skintest::TContainer c;
    c.Active = {WriteBmp(FieldPicture(), 24)};
    c.Text = "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n"
             "[SKINCONTROLS]\r\ncount=1\r\n0=edit:edit\r\n[edit]\r\npictureindex=0\r\nskinrect=0,0,12,6\r\n"
             "lefttoppoint=4,0\r\nrighttoppoint=8,0\r\nclientrect=3,2,9,4\r\nstretcheffect=1\r\n"
             "activeskinrect=0,6,12,12\r\nfontheight=-15\r\nfontstyle=fsbold\r\nfontcolor=255\r\nactivefontcolor=65280\r\ndisabledfontcolor=65535\r\n";
    Stored = skintest::Stored(c.Bytes());
    Form = new TForm;
    Form->SetClientSize(300, 200);
    Data = new TbsSkinData(Form);
    Data->SetCompressedStoredSkin(Stored.get());
    CreateSkinFrame(Form, Data, biSystemMenu, TbsFrameShows{});
    Field = new TbsSkinNumericEdit(Form->Client());
    Field->SetBounds(20, 20, 103, 23);
    Field->UseSkinFont = true;  // the record's font and colours
    Field->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -13, fsBold, clBlue));
    Other = new QLineEdit(Form->Client());
    Other->setGeometry(20, 100, 100, 22);
    Form->Show();
    QApplication::setActiveWindow(Form);
    Other->setFocus();
  }
  ~SkinnedField() { delete Form; }

  std::unique_ptr<TbsCompressedStoredSkin> Stored;
  TForm* Form;
  TbsSkinData* Data;
  TbsSkinNumericEdit* Field;
  QLineEdit* Other;
};

TEST(SkinNumericEditSkinned, BodyAndEditorFollowTheEditRecord) {
  SkinnedField s;
  s.Field->SetSkinData(s.Data);
  ASSERT_GE(s.Field->RecordIndex(), 0);
  EXPECT_EQ(s.Field->size(), QSize(103, 23));  // the field keeps its size
  // Grown around the client rectangle (3,2)-(9,4): borders 3 left, 2 top,
  // 3 right, 2 bottom.
  const QRect client(3, 2, 97, 19);
  EXPECT_EQ(s.Field->SkinClientRect().ToQRect(), client);
  EXPECT_EQ(s.Field->Editor()->geometry(), client);
  const QImage shot = s.Field->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage pic = FieldPicture();
  EXPECT_EQ(shot.pixel(0, 0), pic.pixel(0, 0));
  EXPECT_EQ(shot.pixel(102, 22), pic.pixel(11, 5));
  EXPECT_EQ(shot.pixel(100, 21), pic.pixel(9, 4));
  // The editor lets the body show through; the text is the record's red.
  EXPECT_EQ(qBlue(shot.pixel(50, 4)), kFieldNormal);
  QRect text;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (shot.pixel(x, y) == qRgb(255, 0, 0)) text |= QRect(x, y, 1, 1);
  ASSERT_FALSE(text.isNull());
  EXPECT_TRUE(client.contains(text));
}

TEST(SkinNumericEditSkinned, FocusAndNoticesChangeTheLook) {
  SkinnedField s;
  s.Field->SetSkinData(s.Data);
  s.Field->Editor()->setFocus();
  EXPECT_EQ(qBlue(s.Field->Render().pixel(0, 0)), kFieldActive);
  EXPECT_EQ(s.Field->Editor()->palette().color(QPalette::Text), QColor(0, 255, 0));
  s.Field->Editor()->selectAll();
  QTest::keyClicks(s.Field->Editor(), QStringLiteral("7"));
  EXPECT_EQ(s.Field->Text(), QStringLiteral("7"));
  s.Other->setFocus();
  EXPECT_EQ(qBlue(s.Field->Render().pixel(0, 0)), kFieldNormal);

  // A skin too new to read: notice 1225 only, the plain look and editor place.
  skintest::TContainer tooNew;
  tooNew.Version = 4;
  const auto newer = skintest::Stored(tooNew.Bytes());
  s.Data->SetCompressedStoredSkin(newer.get());
  EXPECT_EQ(s.Field->RecordIndex(), -1);
  EXPECT_EQ(s.Field->Editor()->geometry(), QRect(2, 2, 99, 19));
  EXPECT_EQ(s.Field->Editor()->palette().color(QPalette::Text), QColor(Qt::blue));
  EXPECT_EQ(s.Field->Render().pixelColor(0, 0), ToQColor(clBtnShadow));
  s.Data->SetCompressedStoredSkin(s.Stored.get());
  EXPECT_GE(s.Field->RecordIndex(), 0);
  EXPECT_EQ(s.Field->Editor()->geometry(), QRect(3, 2, 97, 19));
  EXPECT_EQ(s.Field->Text(), QStringLiteral("7,00"));  // rewritten when it lost the focus
}

}  // namespace
