#include "tables/Unit_Gayki.h"

#include "app/Unit_Glav_Moment.h"

TForm_Gayki* Form_Gayki = nullptr;

TForm_Gayki::TForm_Gayki(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("Form_Gayki"));
  SetCaption(QStringLiteral("Окно гаек"));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biMinimize, true);
  SetClientSize(621, 352);
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

void TForm_Gayki::FormClose(TObject*, TCloseAction&) { Form_Glav_Moment->Show(); }
