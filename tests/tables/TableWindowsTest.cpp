// The bolt and nut windows driven as a user drives them: lists picked with
// the mouse or the keyboard, "Показать" pressed, notices answered.
#include "platform/Platform.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinLabel.h"
#include "skin/SkinStdLabel.h"
#include "tables/Unit_Bolty.h"
#include "tables/Unit_Gayki.h"
#include "tests/common/Notices.h"
#include "tests/common/ShownText.h"
#include "tests/common/TableData.h"
#include "tests/tables/TableWindowsFixture.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The controls both windows share by name.
struct Window {
  TForm* Form;
  TbsSkinComboBox* Diameter;
  TbsSkinComboBox* Class;
  TbsSkinComboBox* Joint;
  TbsSkinButton* Show;
  TbsSkinLabel* Value;
  TbsSkinEdit* Sentence;
  QString Noun;
  QStringList Classes;
  QString ClassNotice;
};

Window Bolts() {
  auto* f = Form_Bolty;
  return {f, f->bsSkinComboBox1, f->bsSkinComboBox2, f->bsSkinComboBox3, f->bsSkinButton2, f->bsSkinLabel1,
          f->bsSkinEdit1, QStringLiteral("болта"), tabledata::kBoltClasses,
          QStringLiteral("Выберите пожалуйста класс прочности болта.")};
}

Window Nuts() {
  auto* f = Form_Gayki;
  return {f, f->bsSkinComboBox1, f->bsSkinComboBox2, f->bsSkinComboBox3, f->bsSkinButton2, f->bsSkinLabel1,
          f->bsSkinEdit1, QStringLiteral("гайки"), tabledata::kNutGroups,
          QStringLiteral("Выберите пожалуйста класс прочности гайки.")};
}

// Opens the list with a click and clicks the item.
void Pick(TbsSkinComboBox* box, const QString& text) {
  const int index = box->Items().indexOf(text);
  ASSERT_GE(index, 0) << text.toStdString();
  QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
  ASSERT_TRUE(box->DroppedDown());
  TbsPopupListBox* list = box->ListBox();
  QTest::mouseClick(list, Qt::LeftButton, {}, list->ItemRect(index).center());
  ASSERT_FALSE(box->DroppedDown());
  ASSERT_EQ(box->Text(), text);
}

void Press(const Window& w) { QTest::mouseClick(w.Show, Qt::LeftButton, {}, w.Show->rect().center()); }

// What the result field should hold, from the printed range table.
QString Expected(const QString& noun, const QString& max, const QString& joint) {
  for (const QStringList& row : tabledata::Rows(tabledata::kRangeGrid)) {
    if (row[0] != max) continue;
    const QString min = row[tabledata::kJointClasses.indexOf(joint) + 1];
    if (min.startsWith(QStringLiteral("Не"))) return min;
    return QStringLiteral("Момент затяжки ") + noun + QStringLiteral(" поз.  Мкр от ") + min +
           QStringLiteral(" Nm до ") + max + QStringLiteral(" Nm, класс ") + joint +
           QStringLiteral(" по СТБ 1879-2008.");
  }
  return QStringLiteral("<no row>");
}

class TableWindows : public TableWindowsFixture {
protected:
  // The windows live for the whole suite, as in the program.
  static void SetUpTestSuite() { CreateWindows(); }
  static void TearDownTestSuite() { DestroyWindows(); }
  void SetUp() override {}
  void TearDown() override {
    Form_Bolty->Hide();
    Form_Gayki->Hide();
    Opener->Hide();
  }

  // Shows the window fresh: nothing chosen, label and field empty.
  static void Open(const Window& w) {
    for (TbsSkinComboBox* b : {w.Diameter, w.Class, w.Joint}) b->SetItemIndex(-1);
    w.Value->SetCaption(QString());
    w.Sentence->SetText(QString());
    w.Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.Form));
  }
};

TEST_F(TableWindows, EveryCombinationShowsTheTablesMaximumAndRange) {
  const auto grid = tabledata::Rows(tabledata::kMaxGrid);
  for (const Window& w : {Bolts(), Nuts()}) {
    Open(w);
    NoticeRecorder rec;
    for (const QStringList& row : grid) {
      Pick(w.Diameter, row[0]);
      for (int c = 0; c < 5; ++c) {
        Pick(w.Class, w.Classes[c]);
        for (const QString& joint : tabledata::kJointClasses) {
          Pick(w.Joint, joint);
          Press(w);
          ASSERT_EQ(w.Value->Caption(), row[c + 1]) << row[0].toStdString() << " " << w.Classes[c].toStdString();
          ASSERT_EQ(w.Sentence->Text(), Expected(w.Noun, row[c + 1], joint))
              << row[0].toStdString() << " " << w.Classes[c].toStdString() << " " << joint.toStdString();
        }
      }
    }
    EXPECT_EQ(rec.Count(), 0);
    w.Form->Hide();
  }
}

TEST_F(TableWindows, TheLongestSentenceIsShownWholeOrElidedNeverCut) {
  const auto grid = tabledata::Rows(tabledata::kMaxGrid);
  for (const Window& w : {Bolts(), Nuts()}) {
    SCOPED_TRACE(w.Noun.toStdString());
    // The choice whose sentence is widest in the field's font.
    const QFontMetrics fm(w.Sentence->font());
    QStringList widest{QString(), QString(), QString()};
    int most = -1;
    for (const QStringList& row : grid)
      for (int c = 0; c < 5; ++c)
        for (const QString& joint : tabledata::kJointClasses) {
          const int width = fm.horizontalAdvance(Expected(w.Noun, row[c + 1], joint));
          if (width > most) {
            most = width;
            widest = {row[0], w.Classes[c], joint};
          }
        }
    Open(w);
    NoticeRecorder rec;
    Pick(w.Diameter, widest[0]);
    Pick(w.Class, widest[1]);
    Pick(w.Joint, widest[2]);
    Press(w);
    ASSERT_FALSE(w.Sentence->hasFocus());
    const QString sentence = w.Sentence->Text();
    const QImage with = w.Sentence->grab().toImage();
    w.Sentence->SetText(QString());
    const QImage without = w.Sentence->grab().toImage();
    EXPECT_TRUE(ShowsWholeOrElided(with, without, sentence, w.Sentence->font()));
    w.Form->Hide();
  }
}

TEST_F(TableWindows, EmptyListsAreReportedOneAtATimeInScreenOrder) {
  for (const Window& w : {Bolts(), Nuts()}) {
    Open(w);
    w.Value->SetCaption(QStringLiteral("36"));
    w.Sentence->SetText(QStringLiteral("набрано вручную"));
    NoticeRecorder rec;
    Press(w);
    Pick(w.Diameter, QStringLiteral("12"));
    Press(w);
    Pick(w.Class, w.Classes[2]);
    Press(w);
    EXPECT_EQ(rec.Texts(), (QStringList{QStringLiteral("Выберите пожалуйста диаметр резьбы."), w.ClassNotice,
                                        QStringLiteral("Выберите пожалуйста класс соединения.")}));
    for (const NoticeRecorder::Notice& n : rec.Notices()) {
      EXPECT_EQ(n.Caption, QStringLiteral("Information"));
      EXPECT_EQ(n.Buttons, QStringList{QStringLiteral("&Yes")});
    }
    // A refused press changes nothing.
    EXPECT_EQ(w.Value->Caption(), QStringLiteral("36"));
    EXPECT_EQ(w.Sentence->Text(), QStringLiteral("набрано вручную"));
    // Joint class alone missing is found even with the other two set; a
    // joint class without the others still reports the diameter first.
    rec.Clear();
    w.Diameter->SetItemIndex(-1);
    Pick(w.Joint, QStringLiteral("1"));
    Press(w);
    EXPECT_EQ(rec.Texts(), QStringList{QStringLiteral("Выберите пожалуйста диаметр резьбы.")});
    w.Form->Hide();
  }
}

TEST_F(TableWindows, APressReplacesTypedTextAndWordingsGiveWayToSentences) {
  const Window w = Bolts();
  Open(w);
  Pick(w.Diameter, QStringLiteral("6"));
  Pick(w.Class, QStringLiteral("5.8"));
  Pick(w.Joint, QStringLiteral("4"));
  Press(w);
  EXPECT_EQ(w.Value->Caption(), QStringLiteral("5"));
  EXPECT_EQ(w.Sentence->Text(), QStringLiteral("Не определён"));
  Pick(w.Joint, QStringLiteral("3"));
  EXPECT_EQ(w.Sentence->Text(), QStringLiteral("Не определён")) << "picking alone changes nothing";
  Press(w);
  EXPECT_EQ(w.Sentence->Text(), QStringLiteral("Момент затяжки болта поз.  Мкр от 2 Nm до 5 Nm, класс 3 по СТБ 1879-2008."));
  // Typed into by the user, then pressed again: the same result comes back.
  w.Sentence->setFocus();
  w.Sentence->selectAll();
  QTest::keyClicks(w.Sentence, "abc");
  EXPECT_EQ(w.Sentence->Text(), QStringLiteral("abc"));
  Press(w);
  EXPECT_EQ(w.Sentence->Text(), QStringLiteral("Момент затяжки болта поз.  Мкр от 2 Nm до 5 Nm, класс 3 по СТБ 1879-2008."));
  Pick(w.Diameter, QStringLiteral("24"));
  Pick(w.Class, QStringLiteral("12.9"));
  Press(w);
  EXPECT_EQ(w.Value->Caption(), QStringLiteral("1100"));
  EXPECT_EQ(w.Sentence->Text(), QStringLiteral("Не регламентирован"));
}

TEST_F(TableWindows, ChoicesLabelAndSentenceSurviveClosingAndEachWindowKeepsItsOwn) {
  const Window b = Bolts(), n = Nuts();
  Open(b);
  Pick(b.Diameter, QStringLiteral("12"));
  Pick(b.Class, QStringLiteral("8.8"));
  Pick(b.Joint, QStringLiteral("2"));
  Press(b);
  Open(n);
  Pick(n.Diameter, QStringLiteral("24"));
  Pick(n.Class, QStringLiteral("10;12"));
  Pick(n.Joint, QStringLiteral("1"));
  Press(n);
  n.Form->Close();
  b.Form->Close();
  EXPECT_FALSE(b.Form->Visible());
  EXPECT_TRUE(Opener->Visible()) << "closing a working window shows the window that opened it";
  b.Form->Show();
  Opener->Hide();
  ASSERT_TRUE(b.Form->Visible());
  EXPECT_EQ(b.Diameter->Text(), QStringLiteral("12"));
  EXPECT_EQ(b.Class->Text(), QStringLiteral("8.8"));
  EXPECT_EQ(b.Joint->Text(), QStringLiteral("2"));
  EXPECT_EQ(b.Value->Caption(), QStringLiteral("100"));
  EXPECT_EQ(b.Sentence->Text(),
            QStringLiteral("Момент затяжки болта поз.  Мкр от 80 Nm до 100 Nm, класс 2 по СТБ 1879-2008."));
  EXPECT_EQ(n.Value->Caption(), QStringLiteral("1100"));
  EXPECT_EQ(n.Sentence->Text(),
            QStringLiteral("Момент затяжки гайки поз.  Мкр от 920 Nm до 1100 Nm, класс 1 по СТБ 1879-2008."));
  EXPECT_EQ(n.Class->Text(), QStringLiteral("10;12"));
}

TEST_F(TableWindows, KeyboardAloneGetsTheSentence) {
  const Window w = Bolts();
  Open(w);
  w.Diameter->setFocus();
  auto key = [&w](Qt::Key k) { QTest::keyClick(w.Form->focusWidget(), k); };
  // The two keys of a search come within its pause by the clock the list
  // reads, however slowly the machine delivers them; a search left by an
  // earlier test lies far behind.
  const std::uint32_t now = platform::TickCount() + 60000;
  platform::SetTickSource([now] { return now; });
  QTest::keyClicks(w.Diameter, "12");  // search: "1" -> "10", "12" -> "12"
  platform::SetTickSource({});
  EXPECT_EQ(w.Diameter->Text(), QStringLiteral("12"));
  key(Qt::Key_Tab);
  ASSERT_EQ(w.Form->focusWidget(), w.Class);
  key(Qt::Key_Down);
  key(Qt::Key_Down);
  key(Qt::Key_Down);
  EXPECT_EQ(w.Class->Text(), QStringLiteral("8.8"));
  key(Qt::Key_Tab);
  ASSERT_EQ(w.Form->focusWidget(), w.Joint);
  QTest::keyClick(w.Joint, Qt::Key_Down, Qt::AltModifier);
  key(Qt::Key_Down);
  key(Qt::Key_Down);
  key(Qt::Key_Return);
  EXPECT_EQ(w.Joint->Text(), QStringLiteral("2"));
  key(Qt::Key_Tab);
  ASSERT_EQ(w.Form->focusWidget(), w.Show);
  key(Qt::Key_Space);
  EXPECT_EQ(w.Value->Caption(), QStringLiteral("100"));
  EXPECT_EQ(w.Sentence->Text(),
            QStringLiteral("Момент затяжки болта поз.  Мкр от 80 Nm до 100 Nm, класс 2 по СТБ 1879-2008."));
}

TEST_F(TableWindows, TabGoesThroughTheControlsInTheirOrder) {
  struct Case {
    TForm* Form;
    QStringList Order;
  } cases[] = {
      {Form_Bolty, {"bsSkinComboBox1", "bsSkinComboBox2", "bsSkinComboBox3", "bsSkinButton2", "bsSkinEdit1",
                    "bsSkinButton1", "bsSkinButton3", "bsSkinButton4", "bsSkinComboBox1"}},
      {Form_Gayki, {"bsSkinComboBox1", "bsSkinComboBox2", "bsSkinComboBox3", "bsSkinButton2", "bsSkinEdit1",
                    "bsSkinButton1", "bsSkinButton3", "bsSkinButton4", "bsSkinComboBox1"}},
  };
  for (const Case& c : cases) {
    c.Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(c.Form));
    c.Form->findChild<QWidget*>(QStringLiteral("bsSkinComboBox1"))->setFocus();
    QStringList seen{c.Form->focusWidget()->objectName()};
    for (int i = 1; i < c.Order.size(); ++i) {
      QTest::keyClick(c.Form->focusWidget(), Qt::Key_Tab);
      seen << c.Form->focusWidget()->objectName();
    }
    EXPECT_EQ(seen, c.Order) << c.Form->objectName().toStdString();
    c.Form->Hide();
  }
}

}  // namespace
