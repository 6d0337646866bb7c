#pragma once
#include "platform/Forms.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"

class TForm_Pnevmo : public TForm {
  Q_OBJECT
public:
  explicit TForm_Pnevmo(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;

  void FormClose(TObject* Sender, TCloseAction& Action);
};

extern TForm_Pnevmo* Form_Pnevmo;
