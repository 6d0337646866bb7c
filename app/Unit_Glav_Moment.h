#pragma once
// The main window: five buttons that open the working windows and the About
// window, and the flag.
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "skin/SkinButton.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"
#include "skin/SkinMessage.h"

class TbsCompressedStoredSkin;

class TForm_Glav_Moment : public TForm {
  Q_OBJECT
public:
  explicit TForm_Glav_Moment(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;
  TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;
  TbsSkinMessage* bsSkinMessage1;
  TbsSkinButton* bsSkinButton1;
  TbsSkinButton* bsSkinButton2;
  TbsSkinButton* bsSkinButton3;
  TbsSkinButton* bsSkinButton4;
  TbsSkinButton* bsSkinButton5;
  TImage* Image2;

  void bsSkinButton1Click(TObject* Sender);
  void bsSkinButton2Click(TObject* Sender);
  void bsSkinButton3Click(TObject* Sender);
  void bsSkinButton4Click(TObject* Sender);
  void bsSkinButton5Click(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
};

extern TForm_Glav_Moment* Form_Glav_Moment;
