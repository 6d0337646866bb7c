#include "calc/Unit_Calcule.h"


TForm_Calcule* Form_Calcule = nullptr;

TForm_Calcule::TForm_Calcule(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("Form_Calcule"));
  SetCaption(QStringLiteral("Окно расчёта."));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biMinimize, true);
  SetClientSize(1042, 709);

}

