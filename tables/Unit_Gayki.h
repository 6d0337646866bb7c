#pragma once
#include "platform/Forms.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"

class TForm_Gayki : public TForm {
  Q_OBJECT
public:
  explicit TForm_Gayki(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;

  void FormClose(TObject* Sender, TCloseAction& Action);
};

extern TForm_Gayki* Form_Gayki;
