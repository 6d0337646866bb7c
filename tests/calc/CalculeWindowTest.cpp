// The calculation window driven as a user drives it: typing into the numeric
// fields, choosing list items and materials, pressing the two buttons with the
// mouse. Russian separators (',' and U+00A0) throughout.
#include "core/CalcData.h"
#include "core/NumberFormat.h"
#include "core/ThreadCalc.h"
#include "calc/Unit_Calcule.h"
#include "platform/Clipboard.h"
#include "platform/Platform.h"
#include "tests/common/Notices.h"
#include "tests/common/ShownText.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace calcule_text;

QString Nb(const char* s) { return QString::fromUtf8(s).replace(QChar(' '), QChar(0x00A0)); }
const QString kForce = QStringLiteral("Максимальная растягивающая сила при SIGMAрастяж. материала: ");
const QString kTorque = QStringLiteral("Максимальный момент затяжки при SIGMAрастяж. материала: ");

class CalculeWindow : public ::testing::Test {
protected:
  void SetUp() override {
    w = std::make_unique<TForm_Calcule>();
    w->Show();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->bsSkinRadioGroup1->OnClick = [this, chained = w->bsSkinRadioGroup1->OnClick](TObject* s) {
      ++materialClicks;
      chained(s);
    };
  }
  void TearDown() override { w.reset(); }

  // Selects the field's text and types over it; the focus stays in the field.
  void Type(TbsSkinNumericEdit* field, const QString& text) {
    field->Editor()->setFocus(Qt::TabFocusReason);
    field->Editor()->selectAll();
    QTest::keyClicks(field->Editor(), text);
  }
  void Choose(TbsSkinComboBox* list, const QString& item) {
    const int i = static_cast<int>(list->Items().indexOf(item));
    ASSERT_GE(i, 0) << item.toStdString();
    list->SetItemIndex(i);
    ASSERT_EQ(list->Text(), item);
  }
  void Material(int index) { QTest::mouseClick(w->bsSkinRadioGroup1->Button(index), Qt::LeftButton); }
  void Press(TbsSkinButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

  // Fills the upper box's inputs apart from the material.
  void UpperInputs(const char* dn, const char* dv, const char* mu, const char* pitch, const char* d,
                   const char* d2) {
    Type(w->bsSkinNumericEdit1, QString::fromUtf8(dn));
    Type(w->bsSkinNumericEdit2, QString::fromUtf8(dv));
    Type(w->bsSkinNumericEdit3, QString::fromUtf8(mu));
    Choose(w->bsSkinComboBox1, QString::fromUtf8(pitch));
    Choose(w->bsSkinComboBox2, QString::fromUtf8(d));
    Type(w->bsSkinNumericEdit4, QString::fromUtf8(d2));
  }
  void LowerInputs(const char* m, const char* pitch, const char* d2, const char* mu, const char* dn,
                   const char* dv) {
    Type(w->Mzat, QString::fromUtf8(m));
    Choose(w->P, QString::fromUtf8(pitch));
    Choose(w->dsr, QString::fromUtf8(d2));
    Type(w->mu, QString::fromUtf8(mu));
    Type(w->dn, QString::fromUtf8(dn));
    Type(w->dv, QString::fromUtf8(dv));
  }

  std::unique_ptr<TForm_Calcule> w;
  NoticeRecorder notices;
  int materialClicks = 0;
};

// --- Upper box ---------------------------------------------------------------

TEST_F(CalculeWindow, UpperChecksRunInScreenOrderOneNoticeAtATime) {
  struct Step {
    std::function<void()> Fill;  // supplies the input the previous press missed
    QString Notice;               // the notice of the press after it, or empty
  };
  const std::vector<Step> steps = {
      {[] {}, kNoMaterial},
      {[&] { Material(2); }, kNoOuter},
      {[&] { Type(w->bsSkinNumericEdit1, "16"); }, kNoInner},
      {[&] { Type(w->bsSkinNumericEdit2, "10,5"); }, kNoFriction},
      // Pitch missing with diameter and mean diameter missing too: the pitch.
      {[&] { Type(w->bsSkinNumericEdit3, "0,14"); }, kNoPitch},
      {[&] { Choose(w->bsSkinComboBox1, "1,5"); }, kNoDiameter},
      {[&] { Choose(w->bsSkinComboBox2, "10"); }, kNoMeanDiameter},
      {[&] { Type(w->bsSkinNumericEdit4, "9,026"); }, QString()},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.Notice.toStdString());
    notices.Clear();
    s.Fill();
    Press(w->bsSkinButton1);
    if (s.Notice.isEmpty()) {
      EXPECT_EQ(notices.Count(), 0);
      EXPECT_TRUE(w->bsSkinStdLabel9->isVisible());
    } else {
      EXPECT_EQ(notices.Texts(), QStringList{s.Notice});
      EXPECT_FALSE(w->bsSkinStdLabel9->isVisible());
      EXPECT_FALSE(w->bsSkinStdLabel10->isVisible());
    }
  }
}

TEST_F(CalculeWindow, NoticesAreInformationWithTheYesButtonAlone) {
  Press(w->bsSkinButton1);
  ASSERT_EQ(notices.Count(), 1);
  EXPECT_EQ(notices.Notices()[0].Buttons, QStringList{QStringLiteral("&Yes")});
}

TEST_F(CalculeWindow, OnlyAnExactZeroIsMissingNegativesPass) {
  Material(0);
  UpperInputs("-16", "-10,5", "-0,14", "1,5", "10", "-9,026");
  Press(w->bsSkinButton1);
  EXPECT_EQ(notices.Count(), 0);
  EXPECT_TRUE(w->bsSkinStdLabel10->isVisible());
}

TEST_F(CalculeWindow, WorkedExampleSteel35) {
  Material(2);
  UpperInputs("16", "10,5", "0,14", "1,5", "10", "9,026");
  Press(w->bsSkinButton1);
  EXPECT_EQ(notices.Count(), 0);
  EXPECT_EQ(w->bsSkinStdLabel9->Caption(), kForce + Nb("1 851,39") + QStringLiteral(" кг."));
  EXPECT_EQ(w->bsSkinStdLabel10->Caption(), kTorque + QStringLiteral("39,14 Н*м."));
  EXPECT_TRUE(w->bsSkinStdLabel9->isVisible());
  EXPECT_TRUE(w->bsSkinStdLabel10->isVisible());
  // The result labels are as wide as their texts, within the box.
  EXPECT_LE(w->bsSkinStdLabel9->geometry().right(), w->bsSkinGroupBox3->width());
  EXPECT_EQ(w->bsSkinStdLabel9->pos(), QPoint(11, 327));
  EXPECT_EQ(w->bsSkinStdLabel10->pos(), QPoint(9, 359));
}

TEST_F(CalculeWindow, WorkedExampleSteel40X) {
  Material(4);
  UpperInputs("30", "21", "0,14", "2,5", "20", "18,376");
  Press(w->bsSkinButton1);
  EXPECT_EQ(w->bsSkinStdLabel9->Caption(), kForce + Nb("14 734,80") + QStringLiteral(" кг."));
  EXPECT_EQ(w->bsSkinStdLabel10->Caption(), kTorque + QStringLiteral("605,95 Н*м."));
}

TEST_F(CalculeWindow, FieldsAreRoundedBeforeTheCalculationReadsThem) {
  // 0,137 and 9,0264 typed; the press moves the focus and rounds them first.
  Material(2);
  UpperInputs("16", "10,5", "0,14", "1,5", "10", "9,026");
  Press(w->bsSkinButton1);
  const QString exact = w->bsSkinStdLabel10->Caption();
  Type(w->bsSkinNumericEdit3, "0,137");
  Type(w->bsSkinNumericEdit4, "9,0264");
  Press(w->bsSkinButton1);
  EXPECT_EQ(w->bsSkinNumericEdit3->Text(), "0,14");
  EXPECT_EQ(w->bsSkinNumericEdit4->Text(), "9,026");
  EXPECT_EQ(w->bsSkinStdLabel10->Caption(), exact);
}

TEST_F(CalculeWindow, PastedNumbersAreTheNumbersCalculatedWith) {
  // The worked example, its numbers pasted as they come from elsewhere; a
  // paste that is no number is refused and leaves the number shown.
  auto paste = [](TbsSkinNumericEdit* field, const QString& text) {
    platform::SetClipboardText(text);
    field->Editor()->setFocus(Qt::TabFocusReason);
    field->Editor()->selectAll();
    QTest::keyClick(field->Editor(), Qt::Key_V, Qt::ControlModifier);
  };
  Material(2);
  UpperInputs("1", "1", "1", "1,5", "10", "1");
  paste(w->bsSkinNumericEdit1, QStringLiteral("16"));
  paste(w->bsSkinNumericEdit2, QStringLiteral("10.5"));
  paste(w->bsSkinNumericEdit3, QStringLiteral(" 0.14 "));
  paste(w->bsSkinNumericEdit4, QStringLiteral("9.026"));
  paste(w->bsSkinNumericEdit1, QStringLiteral("16 мм"));
  Press(w->bsSkinButton1);
  EXPECT_EQ(w->bsSkinNumericEdit1->Text(), QStringLiteral("16,00"));
  EXPECT_EQ(w->bsSkinNumericEdit2->Text(), QStringLiteral("10,500"));
  EXPECT_EQ(w->bsSkinStdLabel9->Caption(), kForce + Nb("1 851,39") + QStringLiteral(" кг."));
  EXPECT_EQ(w->bsSkinStdLabel10->Caption(), kTorque + QStringLiteral("39,14 Н*м."));
}

TEST_F(CalculeWindow, TypedStrengthGivesTheSameResultsAsTheTableValue) {
  Material(0);  // Сталь 25 нормализованная, 45 kgf/mm²
  UpperInputs("16", "10,5", "0,14", "1,5", "10", "9,026");
  Press(w->bsSkinButton1);
  const QString force = w->bsSkinStdLabel9->Caption(), torque = w->bsSkinStdLabel10->Caption();
  Type(w->NE_Other_Material, "45");
  EXPECT_EQ(w->bsSkinRadioGroup1->ItemIndex(), -1);
  Press(w->bsSkinButton1);
  EXPECT_EQ(notices.Count(), 0);
  EXPECT_EQ(w->bsSkinStdLabel9->Caption(), force);
  EXPECT_EQ(w->bsSkinStdLabel10->Caption(), torque);
  // The line around the field names the unit the calculation uses.
  EXPECT_EQ(w->bsSkinStdLabel15->Caption(), QStringLiteral("на растяжение:                кгс/мм²."));
}

TEST_F(CalculeWindow, ChoosingAMaterialResetsTheTypedStrengthAndStaysChosen) {
  Type(w->NE_Other_Material, "450");
  Press(w->bsSkinButton2);  // leave the field (the lower check refuses, harmlessly)
  ASSERT_EQ(w->NE_Other_Material->Text(), "450,00");
  Material(3);
  EXPECT_EQ(w->NE_Other_Material->Text(), "0,00");
  EXPECT_EQ(w->NE_Other_Material->Value(), 0.0);
  EXPECT_EQ(w->bsSkinRadioGroup1->ItemIndex(), 3);
  EXPECT_TRUE(w->bsSkinRadioGroup1->Button(3)->Checked());
  EXPECT_EQ(materialClicks, 1);
  // Typing a digit clears the choice, without a click that would reset the field.
  Type(w->NE_Other_Material, "5");
  EXPECT_EQ(w->bsSkinRadioGroup1->ItemIndex(), -1);
  EXPECT_FALSE(w->bsSkinRadioGroup1->Button(3)->Checked());
  EXPECT_EQ(w->NE_Other_Material->Text(), "5");
  EXPECT_EQ(materialClicks, 1);
  // Clicking the chosen material again changes nothing.
  Material(1);
  Type(w->NE_Other_Material, "7");
  Material(1);
  Material(1);
  EXPECT_EQ(materialClicks, 3);
}

TEST_F(CalculeWindow, LeavingTheStrengthFieldUnchangedKeepsTheMaterial) {
  Material(5);
  w->NE_Other_Material->Editor()->setFocus(Qt::TabFocusReason);
  Press(w->bsSkinButton2);
  EXPECT_EQ(w->bsSkinRadioGroup1->ItemIndex(), 5);
}

TEST_F(CalculeWindow, ARefusedCalculationLeavesEarlierResults) {
  Material(2);
  UpperInputs("16", "10,5", "0,14", "1,5", "10", "9,026");
  Press(w->bsSkinButton1);
  LowerInputs("50", "0,0015", "0,009026", "0,14", "0,016", "0,0105");
  Press(w->bsSkinButton2);
  const QString force = w->bsSkinStdLabel9->Caption(), preload = w->Usilie->Caption();
  Type(w->bsSkinNumericEdit1, "0");
  Press(w->bsSkinButton1);
  EXPECT_EQ(notices.Texts(), QStringList{kNoOuter});
  EXPECT_EQ(w->bsSkinStdLabel9->Caption(), force);
  EXPECT_TRUE(w->bsSkinStdLabel9->isVisible());
  EXPECT_EQ(w->Usilie->Caption(), preload);
  EXPECT_TRUE(w->Usilie->isVisible());
}

TEST_F(CalculeWindow, AnUpperResultPastTheRangeOfADoubleIsRefused) {
  UpperInputs("16", "10,5", "0,14", "1,5", "10", "9,026");
  Type(w->NE_Other_Material, QStringLiteral("1") + QString(308, QChar('0')));
  Press(w->bsSkinButton1);
  EXPECT_EQ(notices.Texts(), QStringList{kNoResult});
  EXPECT_FALSE(w->bsSkinStdLabel9->isVisible());
  EXPECT_FALSE(w->bsSkinStdLabel10->isVisible());
}

// --- Lower box ---------------------------------------------------------------

TEST_F(CalculeWindow, LowerChecksPitchThenMeanDiameter) {
  Press(w->bsSkinButton2);
  EXPECT_EQ(notices.Texts(), QStringList{kNoPitch});
  Choose(w->P, "0,0015");
  Press(w->bsSkinButton2);
  EXPECT_EQ(notices.Texts(), (QStringList{kNoPitch, kNoMeanDiameter}));
  EXPECT_FALSE(w->Usilie->isVisible());
  // Zero torque, friction and diameters pass.
  Choose(w->dsr, "0,009026");
  Press(w->bsSkinButton2);
  EXPECT_EQ(notices.Count(), 2);
  EXPECT_EQ(w->Usilie->Caption(), QStringLiteral("Усилие затяжки = 0,00 Н."));
  EXPECT_TRUE(w->Usilie->isVisible());
}

TEST_F(CalculeWindow, LowerWorkedExamples) {
  LowerInputs("50", "0,0015", "0,009026", "0,14", "0,016", "0,0105");
  Press(w->bsSkinButton2);
  EXPECT_EQ(w->Usilie->Caption(), QStringLiteral("Усилие затяжки = ") + Nb("26 237,00") + QStringLiteral(" Н."));
  Type(w->mu, "0");
  Type(w->dn, "0");
  Type(w->dv, "0");
  Press(w->bsSkinButton2);
  EXPECT_EQ(w->Usilie->Caption(), QStringLiteral("Усилие затяжки = ") + Nb("207 039,00") + QStringLiteral(" Н."));
  EXPECT_EQ(notices.Count(), 0);
  EXPECT_EQ(w->Usilie->pos(), QPoint(11, 263));
}

TEST_F(CalculeWindow, LowerDiameterIsRoundedToFourDecimals) {
  LowerInputs("50", "0,0015", "0,009026", "0,14", "0,01234", "0,0105");
  Press(w->bsSkinButton2);
  EXPECT_EQ(w->dn->Text(), "0,0123");
  const auto rounded = PreloadFromTorque({50, 0.0015, 0.009026, 0.14, 0.0123, 0.0105});
  const auto typed = PreloadFromTorque({50, 0.0015, 0.009026, 0.14, 0.01234, 0.0105});
  ASSERT_TRUE(rounded && typed);
  ASSERT_NE(FormatResult(*rounded), FormatResult(*typed));
  EXPECT_EQ(w->Usilie->Caption(), QStringLiteral("Усилие затяжки = ") + FormatResult(*rounded) + QStringLiteral(" Н."));
}

TEST_F(CalculeWindow, APreloadPastTheRangeOfADoubleIsRefused) {
  LowerInputs("50", "0,0015", "0,009026", "0,14", "0,016", "0,0105");
  Press(w->bsSkinButton2);
  const QString before = w->Usilie->Caption();
  Type(w->Mzat, QStringLiteral("1") + QString(308, QChar('0')));
  Type(w->mu, "0");
  Choose(w->P, "0,0005");
  Press(w->bsSkinButton2);
  EXPECT_EQ(notices.Texts(), QStringList{kNoResult});
  EXPECT_EQ(w->Usilie->Caption(), before);
}

// --- Window --------------------------------------------------------------------

TEST_F(CalculeWindow, InputsAndResultsSurviveClosingAndReopening) {
  Material(4);
  UpperInputs("30", "21", "0,14", "2,5", "20", "18,376");
  Press(w->bsSkinButton1);
  LowerInputs("50", "0,0015", "0,009026", "0,14", "0,016", "0,0105");
  Press(w->bsSkinButton2);
  const QString force = w->bsSkinStdLabel9->Caption(), torque = w->bsSkinStdLabel10->Caption(),
                preload = w->Usilie->Caption();
  w->Close();
  EXPECT_FALSE(w->isVisible());
  w->Show();
  EXPECT_EQ(w->bsSkinRadioGroup1->ItemIndex(), 4);
  EXPECT_EQ(w->bsSkinNumericEdit1->Text(), "30,00");
  EXPECT_EQ(w->bsSkinNumericEdit4->Text(), "18,376");
  EXPECT_EQ(w->bsSkinComboBox1->Text(), "2,5");
  EXPECT_EQ(w->dsr->Text(), "0,009026");
  EXPECT_EQ(w->dv->Text(), "0,0105");
  EXPECT_EQ(w->bsSkinStdLabel9->Caption(), force);
  EXPECT_EQ(w->bsSkinStdLabel10->Caption(), torque);
  EXPECT_EQ(w->Usilie->Caption(), preload);
  EXPECT_TRUE(w->bsSkinStdLabel9->isVisible() && w->bsSkinStdLabel10->isVisible() && w->Usilie->isVisible());
}

TEST_F(CalculeWindow, FreshWindowShowsZerosEmptyListsAndNoResults) {
  for (TbsSkinNumericEdit* f : {w->bsSkinNumericEdit1, w->bsSkinNumericEdit2, w->bsSkinNumericEdit3,
                                w->bsSkinNumericEdit4, w->NE_Other_Material, w->Mzat, w->dn, w->dv, w->mu}) {
    EXPECT_EQ(f->Text(), "0") << f->objectName().toStdString();
    EXPECT_EQ(f->Value(), 0.0);
  }
  for (TbsSkinComboBox* l : {w->bsSkinComboBox1, w->bsSkinComboBox2, w->P, w->dsr}) EXPECT_EQ(l->Text(), "");
  EXPECT_EQ(w->bsSkinRadioGroup1->ItemIndex(), -1);
  EXPECT_EQ(w->bsSkinRadioGroup1->Items(), MaterialItems());
  EXPECT_FALSE(w->bsSkinStdLabel9->isVisible());
  EXPECT_FALSE(w->bsSkinStdLabel10->isVisible());
  EXPECT_FALSE(w->Usilie->isVisible());
  EXPECT_EQ(w->ClientWidth(), 1042);
  EXPECT_EQ(w->ClientHeight(), 709);
}

TEST_F(CalculeWindow, TabVisitsTheControlsBoxByBox) {
  w->bsSkinRadioGroup1->Button(0)->setFocus(Qt::TabFocusReason);
  QStringList visited;
  for (int i = 0; i < 16; ++i) {
    QWidget* f = QApplication::focusWidget();
    ASSERT_NE(f, nullptr);
    // A field's editor stands for the field.
    if (qobject_cast<QLineEdit*>(f)) f = f->parentWidget();
    visited << (qobject_cast<TbsGroupButton*>(f) ? QStringLiteral("material") : f->objectName());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(visited, (QStringList{"material", "bsSkinNumericEdit1", "bsSkinNumericEdit2", "bsSkinNumericEdit3",
                                  "bsSkinButton1", "bsSkinComboBox2", "bsSkinComboBox1", "bsSkinNumericEdit4",
                                  "NE_Other_Material", "dn", "dv", "mu", "bsSkinButton2", "dsr", "P", "Mzat"}));
}

TEST_F(CalculeWindow, BothCalculationsWorkFromTheKeyboard) {
  // Space chooses the material, Space presses the button; the focus leaving a
  // field rewrites it.
  w->bsSkinRadioGroup1->Button(0)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // Сталь 35 нормализованная
  EXPECT_EQ(w->bsSkinRadioGroup1->ItemIndex(), 2);
  auto typeAndTab = [](const char* text) {
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  };
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  typeAndTab("16");
  typeAndTab("10,5");
  typeAndTab("0,14");
  EXPECT_EQ(w->bsSkinNumericEdit3->Text(), "0,14");
  ASSERT_EQ(QApplication::focusWidget(), w->bsSkinButton1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), w->bsSkinComboBox2);
  Choose(w->bsSkinComboBox2, "10");
  Choose(w->bsSkinComboBox1, "1,5");
  w->bsSkinNumericEdit4->Editor()->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9,026"));
  w->bsSkinButton1->setFocus(Qt::BacktabFocusReason);
  EXPECT_EQ(w->bsSkinNumericEdit4->Text(), "9,026");
  QTest::keyClick(w->bsSkinButton1, Qt::Key_Space);
  EXPECT_EQ(notices.Count(), 0);
  EXPECT_EQ(w->bsSkinStdLabel10->Caption(), kTorque + QStringLiteral("39,14 Н*м."));
}

// --- Values in boxes too narrow for them ---------------------------------------

TEST_F(CalculeWindow, ValuesAreShownWholeOrElidedNeverCut) {
  // Every item of every list, chosen.
  for (TbsSkinComboBox* list : {w->bsSkinComboBox1, w->bsSkinComboBox2, w->P, w->dsr}) {
    for (int i = 0; i < list->Items().size(); ++i) {
      list->SetItemIndex(-1);
      const QImage without = list->grab().toImage();
      list->SetItemIndex(i);
      EXPECT_TRUE(ShowsWholeOrElided(list->grab().toImage(), without, list->Text(), ToQFont(list->DefaultFont)))
          << list->objectName().toStdString();
    }
  }
  // 99 999 999 typed into every field, which is then left.
  for (TbsSkinNumericEdit* f : {w->bsSkinNumericEdit1, w->bsSkinNumericEdit2, w->bsSkinNumericEdit3,
                                w->bsSkinNumericEdit4, w->NE_Other_Material, w->Mzat, w->dn, w->dv, w->mu}) {
    Type(f, QStringLiteral("99999999"));
    w->bsSkinButton1->setFocus(Qt::TabFocusReason);
    const QString text = f->Text();
    ASSERT_TRUE(text.startsWith(QStringLiteral("99999999,"))) << text.toStdString();
    const QImage with = f->grab().toImage();
    f->Editor()->setText(QString());
    const QImage without = f->grab().toImage();
    f->Editor()->setText(text);
    EXPECT_TRUE(ShowsWholeOrElided(with, without, text, f->Editor()->font())) << f->objectName().toStdString();
  }
  // While a field is edited its text scrolls, in the field's own size.
  w->mu->Editor()->setFocus(Qt::TabFocusReason);
  w->mu->Editor()->end(false);
  const QImage editing = w->mu->grab().toImage();
  const QString text = w->mu->Text();
  w->mu->Editor()->setText(QString());
  EXPECT_FALSE(ShowsWholeOrElided(editing, w->mu->grab().toImage(), text, w->mu->Editor()->font()));
}

}  // namespace
