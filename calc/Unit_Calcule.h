#pragma once
#include "platform/Forms.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"

class TForm_Calcule : public TForm {
  Q_OBJECT
public:
  explicit TForm_Calcule(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;

};

extern TForm_Calcule* Form_Calcule;
