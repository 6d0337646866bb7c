#pragma once
#include "platform/Forms.h"
#include "skin/SkinData.h"
#include "skin/SkinButton.h"
#include "skin/SkinForm.h"

class TForm_DrugieRezby : public TForm {
  Q_OBJECT
public:
  explicit TForm_DrugieRezby(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;
  TbsSkinButton* bsSkinButton1;

  void FormClose(TObject* Sender, TCloseAction& Action);
  void bsSkinButton1Click(TObject* Sender);
};

extern TForm_DrugieRezby* Form_DrugieRezby;
