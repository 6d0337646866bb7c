#include "calc/Unit_DrugieRezby.h"

#include "calc/Unit_Calcule.h"
#include "forms/WindowParts.h"

TForm_DrugieRezby* Form_DrugieRezby = nullptr;

QStringList OtherThreadsNote() {
  return {
      QStringLiteral("   Для резьбовых соединений, отличающихся от указанных по "),
      QStringLiteral("диаметру и/или шагу резьбы, допускается установление"),
      QStringLiteral("разработчиком конструкции расчётных крутящих моментов"),
      QStringLiteral("затяжек, расчитанных по предварительному"),
      QStringLiteral("усилию затяжки, составляющему 75% от пробной нагрузки болта "),
      QStringLiteral("по ГОСТ 1759.4."),
      QStringLiteral("Для такого расчёта  и расчёта осевой силы при известном моменте"),
      QStringLiteral("затяжки кликните кнопку справа:"),
      QString(98, QLatin1Char('-')) + QLatin1Char('>'),  // points at the button
      QString(),
  };
}

TForm_DrugieRezby::TForm_DrugieRezby(QWidget* parent) : TWorkingForm(parent) {
  setObjectName(QStringLiteral("Form_DrugieRezby"));
  SetCaption(QStringLiteral("Другие зезьбы"));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biMinimize, {.Icon = true, .ObjectHints = true});
  SetClientSize(611, 203);
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };

  bsSkinMemo1 = new TbsSkinMemo(Client());
  bsSkinMemo1->setObjectName(QStringLiteral("bsSkinMemo1"));
  bsSkinMemo1->SetBounds(8, 8, 553, 185);
  bsSkinMemo1->UseSkinFont = false;
  bsSkinMemo1->SetDefaultFont(TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlack));
  bsSkinMemo1->SetLines(OtherThreadsNote());
  bsSkinMemo1->SetSkinData(bsSkinData1);

  bsSkinButton1 = MakeButton(Client(), {"bsSkinButton1", 568, 152, 41, 41, nullptr, "Расчёт", "glyph_calc16.png"});
  bsSkinButton1->SetSkinData(bsSkinData1);
  bsSkinButton1->OnClick = [this](TObject* s) { bsSkinButton1Click(s); };

  // The skin comes last, so that its change notices reach every control.
  bsCompressedStoredSkin1 = AttachStoredSkin(this, bsSkinData1, QStringLiteral("iMetal.skn"));
}

void TForm_DrugieRezby::bsSkinButton1Click(TObject*) {
  Form_Calcule->Show();
  HideOpener();
}

void TForm_DrugieRezby::FormClose(TObject*, TCloseAction&) { ShowOpener(); }
