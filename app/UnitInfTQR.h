#pragma once
#include "platform/Forms.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"

class TFormInfTQR : public TForm {
  Q_OBJECT
public:
  explicit TFormInfTQR(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;

};

extern TFormInfTQR* FormInfTQR;
