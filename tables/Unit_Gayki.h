#pragma once
// The nut window: the twin of the bolt window for nuts, by nut class group.
#include "forms/WorkingForm.h"

class TOpenDialog;
class TbsSkinButton;
class TbsSkinComboBox;
class TbsSkinData;
class TbsSkinEdit;
class TbsSkinForm;
class TbsSkinLabel;
class TbsSkinMessage;
class TbsSkinStdLabel;

class TbsCompressedStoredSkin;

class TForm_Gayki : public TWorkingForm {
  Q_OBJECT
public:
  explicit TForm_Gayki(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;
  TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;
  TbsSkinMessage* bsSkinMessage1;
  TbsSkinStdLabel* bsSkinStdLabel1;
  TbsSkinStdLabel* bsSkinStdLabel2;
  TbsSkinComboBox* bsSkinComboBox1;
  TbsSkinComboBox* bsSkinComboBox2;
  TbsSkinComboBox* bsSkinComboBox3;
  TbsSkinStdLabel* bsSkinStdLabel3;
  TbsSkinButton* bsSkinButton2;
  TbsSkinLabel* bsSkinLabel1;
  TbsSkinEdit* bsSkinEdit1;
  TbsSkinButton* bsSkinButton1;
  TbsSkinButton* bsSkinButton3;
  TbsSkinButton* bsSkinButton4;
  TOpenDialog* OpenDialog1;

  void FormClose(TObject* Sender, TCloseAction& Action);
  void bsSkinButton2Click(TObject* Sender);
  void bsSkinButton1Click(TObject* Sender);
  void bsSkinButton3Click(TObject* Sender);
  void bsSkinButton4Click(TObject* Sender);
};

extern TForm_Gayki* Form_Gayki;
