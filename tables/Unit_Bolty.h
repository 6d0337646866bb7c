#pragma once
// The bolt window: maximum tightening torque of a bolt by thread diameter
// and strength class, and the allowed range for a joint class worded for the
// drawing.
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

class TForm_Bolty : public TWorkingForm {
  Q_OBJECT
public:
  explicit TForm_Bolty(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;
  TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;
  TbsSkinMessage* bsSkinMessage1;
  TbsSkinStdLabel* bsSkinStdLabel1;
  TbsSkinStdLabel* bsSkinStdLabel2;
  TbsSkinStdLabel* bsSkinStdLabel3;
  TbsSkinComboBox* bsSkinComboBox1;
  TbsSkinComboBox* bsSkinComboBox2;
  TbsSkinComboBox* bsSkinComboBox3;
  TbsSkinButton* bsSkinButton2;
  TbsSkinEdit* bsSkinEdit1;
  TbsSkinButton* bsSkinButton1;
  TbsSkinLabel* bsSkinLabel1;
  TbsSkinButton* bsSkinButton3;
  TOpenDialog* OpenDialog1;
  TbsSkinButton* bsSkinButton4;

  void FormClose(TObject* Sender, TCloseAction& Action);
  void bsSkinButton2Click(TObject* Sender);
  void bsSkinButton1Click(TObject* Sender);
  void bsSkinButton3Click(TObject* Sender);
  void bsSkinButton4Click(TObject* Sender);
  void FormShow(TObject* Sender);
};

extern TForm_Bolty* Form_Bolty;
