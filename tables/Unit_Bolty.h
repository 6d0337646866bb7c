#pragma once
#include "platform/Forms.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"

class TForm_Bolty : public TForm {
  Q_OBJECT
public:
  explicit TForm_Bolty(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;

  void FormClose(TObject* Sender, TCloseAction& Action);
};

extern TForm_Bolty* Form_Bolty;
