#include "tables/Unit_Bolty.h"

#include "app/Unit_Glav_Moment.h"

TForm_Bolty* Form_Bolty = nullptr;

TForm_Bolty::TForm_Bolty(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("Form_Bolty"));
  SetCaption(QStringLiteral("Окно болтов"));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biMinimize, true);
  SetClientSize(593, 362);
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

void TForm_Bolty::FormClose(TObject*, TCloseAction&) { Form_Glav_Moment->Show(); }
