// The message dialog: its layout, its default and cancel buttons, its result
// codes and its life time, driven through real key presses.
#include "platform/Platform.h"
#include "platform/StdCtrls.h"
#include "skin/SkinButton.h"
#include "skin/SkinForm.h"
#include "skin/SkinMessage.h"
#include "skin/SkinMessageForm.h"
#include "skin/SkinStdLabel.h"
#include "tests/common/Notices.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Shape {
  QString Caption;
  QSize Client;
  QSize Window;
  QRect Label;
  QRect Icon;  // null when none
  QList<QRect> Buttons;
  QStringList Names;
};

Shape ShapeOf(TbsMessageForm* f) {
  Shape s;
  s.Caption = f->Caption();
  s.Client = QSize(f->ClientWidth(), f->ClientHeight());
  s.Window = f->size();
  s.Label = f->Message->geometry();
  if (f->Image) s.Icon = f->Image->geometry();
  for (TbsSkinButton* b : f->Buttons) {
    s.Buttons << b->geometry();
    s.Names << b->objectName();
  }
  return s;
}

// Runs a step once the dialog's modal loop runs and the dialog is active, as
// a user's input would come.
void Later(TbsMessageForm* f, std::function<void()> step) {
  QTimer::singleShot(0, f, [f, step] {
    EXPECT_TRUE(QTest::qWaitForWindowActive(f, 2000));
    step();
  });
}

class SkinMessageDialog : public ::testing::Test {
protected:
  std::unique_ptr<QObject> owner = std::make_unique<QObject>();
  TbsSkinMessage* msg = CreateWindowMessage(owner.get(), nullptr);
};

TEST_F(SkinMessageDialog, NoticeHasInformationCaptionIconAndOneCentredYesButton) {
  NoticeRecorder rec;
  Shape s;
  QPointer<TbsMessageForm> seen;
  rec.OnShown = [&](TbsMessageForm* f) {
    s = ShapeOf(f);
    seen = f;
    EXPECT_TRUE(f->isModal());
  };
  const int result = msg->ShowDialog(QStringLiteral("Выберите пожалуйста диаметр резьбы."), mtInformation,
                                     ButtonSet({mbYes}), 0);
  EXPECT_EQ(result, mrYes);
  EXPECT_TRUE(seen.isNull()) << "the dialog must be freed before the call returns";
  ASSERT_EQ(rec.Count(), 1);
  EXPECT_EQ(rec.Notices()[0].Buttons, QStringList{QStringLiteral("&Yes")});
  EXPECT_EQ(s.Caption, QStringLiteral("Information"));
  EXPECT_EQ(s.Names, QStringList{QStringLiteral("Yes")});
  // Arial bold 16 px text, one line.
  const QFontMetrics fm(ToQFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold)));
  EXPECT_EQ(s.Label.topLeft(), QPoint(50, 15));
  EXPECT_NEAR(s.Label.height(), fm.height(), 1);
  EXPECT_NEAR(s.Label.width(), fm.horizontalAdvance(rec.Texts()[0]), 2);
  EXPECT_EQ(s.Client.height(), s.Label.height() + 25 + 50);
  EXPECT_EQ(s.Client.width(), s.Label.width() + 50 + 40);
  ASSERT_EQ(s.Buttons.size(), 1);
  EXPECT_EQ(s.Buttons[0].size(), QSize(70, 25));
  EXPECT_EQ(s.Buttons[0].left(), (s.Client.width() - 70) / 2);
  EXPECT_EQ(s.Buttons[0].bottom() + 1, s.Client.height() - 10);
  EXPECT_EQ(s.Icon, QRect(5, std::max(10, 15 + s.Label.height() / 2 - 16), 32, 32));
}

TEST_F(SkinMessageDialog, EscapeDoesNothingWithoutCancelButtonAndEnterPressesYes) {
  NoticeRecorder rec;
  rec.AutoAnswer = false;
  bool openAfterEscape = false;
  int resultAfterEscape = -1;
  rec.OnShown = [&](TbsMessageForm* f) {
    Later(f, [&, f] {
      QWidget* target = f->DefaultButton();
      QTest::keyClick(target, Qt::Key_Escape);
      openAfterEscape = f->isVisible();
      resultAfterEscape = f->ModalResult();
      QTest::keyClick(target, Qt::Key_Return);
    });
  };
  EXPECT_EQ(msg->ShowDialog(QStringLiteral("x"), mtInformation, ButtonSet({mbYes}), 0), mrYes);
  EXPECT_TRUE(openAfterEscape);
  EXPECT_EQ(resultAfterEscape, mrNone);
}

TEST_F(SkinMessageDialog, AcceleratorLetterPressesItsButton) {
  NoticeRecorder rec;
  rec.AutoAnswer = false;
  rec.OnShown = [&](TbsMessageForm* f) {
    Later(f, [f] { QTest::keyClick(f->Buttons[0], Qt::Key_N); });
  };
  // Yes, No: "N" is the accelerator of "&No".
  EXPECT_EQ(msg->ShowDialog(QStringLiteral("?"), mtConfirmation, ButtonSet({mbYes, mbNo}), 0), mrNo);
  EXPECT_EQ(rec.Notices()[0].Caption, QStringLiteral("Confirm"));
}

TEST_F(SkinMessageDialog, OkAndCancelInIndexOrderOkDefaultCancelAnswersEscape) {
  NoticeRecorder rec;
  rec.AutoAnswer = false;
  Shape s;
  QString def, cancel;
  rec.OnShown = [&](TbsMessageForm* f) {
    s = ShapeOf(f);
    def = f->DefaultButton() ? f->DefaultButton()->objectName() : QString();
    cancel = f->CancelButton() ? f->CancelButton()->objectName() : QString();
    Later(f, [f] { QTest::keyClick(f->Buttons[0], Qt::Key_Escape); });
  };
  // The caller lists Cancel first; the dialog still orders by kind index.
  const int r = msg->ShowDialog(QStringLiteral("Продолжить?"), mtWarning, ButtonSet({mbCancel, mbOK}), 0);
  EXPECT_EQ(r, mrCancel);
  EXPECT_EQ(s.Caption, QStringLiteral("Warning"));
  EXPECT_EQ(s.Names, (QStringList{QStringLiteral("OK"), QStringLiteral("Cancel")}));
  EXPECT_EQ(def, QStringLiteral("OK"));
  EXPECT_EQ(cancel, QStringLiteral("Cancel"));
  ASSERT_EQ(s.Buttons.size(), 2);
  EXPECT_EQ(s.Buttons[1].left() - s.Buttons[0].left(), 80);
  EXPECT_EQ(s.Buttons[0].left(), (s.Client.width() - 150) / 2);
}

TEST_F(SkinMessageDialog, DefaultAndCancelFollowTheRules) {
  struct Case {
    TMsgDlgButtons Set;
    const char* Default;
    const char* Cancel;
  };
  const Case cases[] = {
      {ButtonSet({mbYes, mbNo}), "Yes", "No"},
      {ButtonSet({mbYes, mbNo, mbOK}), "OK", "No"},
      {ButtonSet({mbAbort, mbRetry, mbIgnore}), "Retry", ""},
      {ButtonSet({mbOK}), "OK", "OK"},
      {ButtonSet({mbYes, mbNo, mbCancel}), "Yes", "Cancel"},
      {ButtonSet({mbAll, mbHelp}), "", ""},
  };
  NoticeRecorder rec;
  rec.Answer = mrCancel;
  for (const Case& c : cases) {
    QString def = QStringLiteral("-"), cancel = QStringLiteral("-");
    rec.OnShown = [&](TbsMessageForm* f) {
      def = f->DefaultButton() ? f->DefaultButton()->objectName() : QString();
      cancel = f->CancelButton() ? f->CancelButton()->objectName() : QString();
    };
    msg->ShowDialog(QStringLiteral("t"), mtInformation, c.Set, 0);
    EXPECT_EQ(def, QString::fromLatin1(c.Default)) << c.Set;
    EXPECT_EQ(cancel, QString::fromLatin1(c.Cancel)) << c.Set;
  }
}

TEST_F(SkinMessageDialog, EveryButtonKindReturnsItsCodeAndHelpKeepsTheDialogOpen) {
  struct Kind {
    TMsgDlgBtn Btn;
    const char* Caption;
    int Code;
  };
  const Kind kinds[] = {{mbYes, "&Yes", 6},      {mbNo, "&No", 7},           {mbOK, "OK", 1},
                        {mbCancel, "Cancel", 2}, {mbAbort, "&Abort", 3},     {mbRetry, "&Retry", 4},
                        {mbIgnore, "&Ignore", 5}, {mbAll, "&All", 8},        {mbNoToAll, "N&oToAll", 9},
                        {mbYesToAll, "&YesToAll", 10}};
  NoticeRecorder rec;
  rec.AutoAnswer = false;
  for (const Kind& k : kinds) {
    QString caption;
    rec.OnShown = [&](TbsMessageForm* f) {
      caption = f->Buttons.value(0) ? f->Buttons[0]->Caption() : QString();
      Later(f, [f] { QTest::mouseClick(f->Buttons[0], Qt::LeftButton); });
    };
    EXPECT_EQ(msg->ShowDialog(QStringLiteral("t"), mtInformation, ButtonSet({k.Btn}), 0), k.Code);
    EXPECT_EQ(caption, QString::fromLatin1(k.Caption));
  }
  // Help: clicking it leaves the dialog open; OK then closes it.
  bool openAfterHelp = false;
  rec.OnShown = [&](TbsMessageForm* f) {
    Later(f, [&, f] {
      ASSERT_EQ(f->Buttons.size(), 2);
      EXPECT_EQ(f->Buttons[1]->Caption(), QStringLiteral("&Help"));
      QTest::mouseClick(f->Buttons[1], Qt::LeftButton);
      openAfterHelp = f->isVisible() && f->ModalResult() == mrNone;
      QTest::mouseClick(f->Buttons[0], Qt::LeftButton);
    });
  };
  EXPECT_EQ(msg->ShowDialog(QStringLiteral("t"), mtInformation, ButtonSet({mbOK, mbHelp}), 17), mrOk);
  EXPECT_TRUE(openAfterHelp);
}

TEST_F(SkinMessageDialog, ClosingByTheFrameReturnsTwoAndAnEmptySetHasNoButtons) {
  NoticeRecorder rec;
  rec.AutoAnswer = false;
  int buttons = -1;
  rec.OnShown = [&](TbsMessageForm* f) {
    buttons = f->Buttons.size();
    Later(f, [f] { f->bsSkinForm->ButtonCommand(TbsStdCommand::cmClose); });
  };
  EXPECT_EQ(msg->ShowDialog(QStringLiteral("t"), mtError, 0, 0), mrCancel);
  EXPECT_EQ(buttons, 0);
  EXPECT_EQ(rec.Notices()[0].Caption, QStringLiteral("Error"));
  // Closed by the frame, a Yes-only notice also gives 2.
  EXPECT_EQ(msg->ShowDialog(QStringLiteral("t"), mtInformation, ButtonSet({mbYes}), 0), mrCancel);
}

TEST_F(SkinMessageDialog, CustomTypeTakesTheApplicationTitleAndShowsNoIcon) {
  const QString before = Application->Title();
  Application->SetTitle(QStringLiteral("Моменты затяжки резьбовых соединений по СТБ 1879-2008"));
  NoticeRecorder rec;
  bool icon = true;
  rec.OnShown = [&](TbsMessageForm* f) { icon = f->Image != nullptr || f->findChild<TImage*>(); };
  msg->ShowDialog(QStringLiteral("t"), mtCustom, ButtonSet({mbOK}), 0);
  EXPECT_EQ(rec.Notices()[0].Caption, Application->Title());
  EXPECT_FALSE(icon);
  Application->SetTitle(before);
}

TEST_F(SkinMessageDialog, CarriageReturnsBreakLinesAndTheIconFollowsTheLabelMiddle) {
  NoticeRecorder rec;
  Shape one, three;
  rec.OnShown = [&](TbsMessageForm* f) { (rec.Count() == 1 ? one : three) = ShapeOf(f); };
  msg->ShowDialog(QStringLiteral("Файл acad.exe не найден."), mtInformation, ButtonSet({mbYes}), 0);
  msg->ShowDialog(QStringLiteral("Файл acad.exe не найден.\rПропишите путь к нему\rкликнув кнопку с папкой."),
                  mtInformation, ButtonSet({mbYes}), 0);
  EXPECT_GE(three.Label.height(), 3 * one.Label.height() - 3);
  EXPECT_LE(three.Label.height(), 3 * one.Label.height() + 3);
  // The widest line sets the width, not the whole text.
  EXPECT_LT(three.Label.width(), 2 * one.Label.width());
  EXPECT_EQ(three.Icon.top(), std::max(10, 15 + three.Label.height() / 2 - 16));
  EXPECT_GT(three.Icon.top(), 10);
  EXPECT_EQ(three.Client.height(), three.Label.height() + 75);
}

TEST_F(SkinMessageDialog, EmptyTextTakesTheButtonRowClampedToTheLeastWidth) {
  NoticeRecorder rec;
  Shape yes, four;
  rec.OnShown = [&](TbsMessageForm* f) { (rec.Count() == 1 ? yes : four) = ShapeOf(f); };
  msg->ShowDialog(QString(), mtInformation, ButtonSet({mbYes}), 0);
  msg->ShowDialog(QString(), mtInformation, ButtonSet({mbYes, mbNo, mbOK, mbCancel}), 0);
  EXPECT_EQ(yes.Label.width(), 0);
  // 70 + 40 = 110 of client is narrower than the 120 least window width.
  EXPECT_EQ(yes.Window.width(), 120);
  EXPECT_EQ(four.Client.width(), 4 * 70 + 3 * 10 + 40);
  EXPECT_EQ(four.Buttons.first().left(), 20);
}

TEST_F(SkinMessageDialog, AVeryLongTextIsClampedToTheWorkArea) {
  NoticeRecorder rec;
  Shape s;
  rec.OnShown = [&](TbsMessageForm* f) { s = ShapeOf(f); };
  msg->ShowDialog(QString(400, QLatin1Char('W')), mtInformation, ButtonSet({mbYes}), 0);
  EXPECT_EQ(s.Window.width(), platform::WorkArea(nullptr).width());
}

TEST_F(SkinMessageDialog, ShowAgainBoxReportsTheInverseOfItsTick) {
  msg->ShowAgainFlag = true;
  msg->ShowAgainFlagValue = false;
  NoticeRecorder rec;
  bool ticked = false;
  int extra = 0;
  rec.OnShown = [&](TbsMessageForm* f) {
    ASSERT_NE(f->CheckBox, nullptr);
    ticked = f->CheckBox->isChecked();
    EXPECT_EQ(f->CheckBox->text(), QStringLiteral("Do not display this message again"));
    extra = f->ClientHeight() - (f->Message->height() + 25 + 50);
  };
  msg->ShowDialog(QStringLiteral("t"), mtInformation, ButtonSet({mbYes}), 0);
  EXPECT_TRUE(ticked);
  EXPECT_EQ(extra, 40);
  EXPECT_FALSE(msg->ShowAgainFlagValue);
  rec.OnShown = [&](TbsMessageForm* f) { f->CheckBox->setChecked(false); };
  msg->ShowDialog(QStringLiteral("t"), mtInformation, ButtonSet({mbYes}), 0);
  EXPECT_TRUE(msg->ShowAgainFlagValue);
  // Now the box starts cleared.
  rec.OnShown = [&](TbsMessageForm* f) { ticked = f->CheckBox->isChecked(); };
  msg->ShowDialog(QStringLiteral("t"), mtInformation, ButtonSet({mbYes}), 0);
  EXPECT_FALSE(ticked);
}

TEST_F(SkinMessageDialog, WithoutASkinTheTextIsDrawnInTheRedDefaultFont) {
  NoticeRecorder rec;
  QColor color;
  QFont font;
  rec.OnShown = [&](TbsMessageForm* f) {
    color = f->Message->DrawColor();
    font = f->Message->DrawFont();
  };
  ShowNotice(msg, QStringLiteral("Строка занесена в буфер обмена."));
  EXPECT_EQ(color, QColor(Qt::red));
  EXPECT_TRUE(font.bold());
  EXPECT_EQ(font.pixelSize(), 16);
  EXPECT_EQ(rec.Texts(), QStringList{QStringLiteral("Строка занесена в буфер обмена.")});
  EXPECT_EQ(rec.Notices()[0].Result, mrYes);
}

TEST_F(SkinMessageDialog, AnAmpersandInTheTextIsShownAsItself) {
  NoticeRecorder rec;
  QString caption;
  rec.OnShown = [&](TbsMessageForm* f) { caption = f->Message->Caption(); };
  ShowNotice(msg, QStringLiteral("Путь: /opt/a&b/acad.exe- ПРОПИСАН."));
  EXPECT_EQ(caption, QStringLiteral("Путь: /opt/a&&b/acad.exe- ПРОПИСАН."));
  EXPECT_EQ(rec.Texts()[0], QStringLiteral("Путь: /opt/a&b/acad.exe- ПРОПИСАН."));
}
}  // namespace

// The skin decides the button height only through a button record.
#include "skin/SkinData.h"
#include "SkinDataTestSupport.h"

namespace {

QByteArray SkinWithControl(const char* type) {
  return QByteArray("[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n"
                    "[SKINCONTROLS]\r\ncount=1\r\n0=button:") +
         type + "\r\n[button]\r\nskinrect=399,293,468,316\r\n";
}

TEST_F(SkinMessageDialog, ButtonsTakeTheHeightOfTheSkinsButtonRecord) {
  struct Case {
    const char* Type;  // nullptr: no skin loaded
    int Height;
  } cases[] = {{"button", 316 - 293}, {"panel", 25}, {nullptr, 25}};
  for (const Case& c : cases) {
    TbsSkinData data;
    std::unique_ptr<TbsCompressedStoredSkin> stored;
    if (c.Type) {
      skintest::TContainer container;
      container.Text = SkinWithControl(c.Type);
      stored = skintest::Stored(container.Bytes());
      data.SetCompressedStoredSkin(stored.get());
      ASSERT_FALSE(data.Empty());
    }
    msg->CtrlSkinData = &data;
    NoticeRecorder rec;
    int height = 0, clientHeight = 0, labelHeight = 0;
    rec.OnShown = [&](TbsMessageForm* f) {
      height = f->Buttons[0]->height();
      clientHeight = f->ClientHeight();
      labelHeight = f->Message->height();
    };
    ShowNotice(msg, QStringLiteral("Строка занесена в буфер обмена."));
    EXPECT_EQ(height, c.Height) << (c.Type ? c.Type : "none");
    EXPECT_EQ(clientHeight, labelHeight + c.Height + 50);
    msg->CtrlSkinData = nullptr;
  }
}

}  // namespace
