#pragma once
// The pneumatic fittings window: one picture, the table of tightening torques.
#include "forms/WorkingForm.h"
#include "platform/StdCtrls.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"

class TbsCompressedStoredSkin;

class TForm_Pnevmo : public TWorkingForm {
  Q_OBJECT
public:
  explicit TForm_Pnevmo(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;
  TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;
  TImage* Image1;

  void FormClose(TObject* Sender, TCloseAction& Action);
};

extern TForm_Pnevmo* Form_Pnevmo;
