#include "app/UnitInfTQR.h"


TFormInfTQR* FormInfTQR = nullptr;

TFormInfTQR::TFormInfTQR(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("FormInfTQR"));
  SetCaption(QStringLiteral("Информация о программе"));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biSystemMenu, false);
  SetClientSize(455, 413);

}

