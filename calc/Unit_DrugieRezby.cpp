#include "calc/Unit_DrugieRezby.h"

#include "app/Unit_Glav_Moment.h"
#include "app/WindowParts.h"
#include "calc/Unit_Calcule.h"

TForm_DrugieRezby* Form_DrugieRezby = nullptr;

TForm_DrugieRezby::TForm_DrugieRezby(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("Form_DrugieRezby"));
  SetCaption(QStringLiteral("Другие зезьбы"));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biMinimize, true);
  SetClientSize(611, 203);
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };

  bsSkinButton1 = MakeButton(Client(), {"bsSkinButton1", 568, 152, 41, 41, nullptr, "Расчёт", "glyph_calc16.png"});
  bsSkinButton1->SetSkinData(bsSkinData1);
  bsSkinButton1->OnClick = [this](TObject* s) { bsSkinButton1Click(s); };
}

void TForm_DrugieRezby::bsSkinButton1Click(TObject*) {
  Form_Calcule->Show();
  Form_Glav_Moment->Hide();
}

void TForm_DrugieRezby::FormClose(TObject*, TCloseAction&) { Form_Glav_Moment->Show(); }
