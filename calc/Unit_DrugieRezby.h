#pragma once
// The note for threads outside the bolt and nut tables, with the button that
// opens the calculation window.
#include "forms/WorkingForm.h"
#include "skin/SkinButton.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"
#include "skin/SkinMemo.h"

#include <QStringList>

class TbsCompressedStoredSkin;

class TForm_DrugieRezby : public TWorkingForm {
  Q_OBJECT
public:
  explicit TForm_DrugieRezby(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;
  TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;
  TbsSkinMemo* bsSkinMemo1;
  TbsSkinButton* bsSkinButton1;

  void FormClose(TObject* Sender, TCloseAction& Action);
  void bsSkinButton1Click(TObject* Sender);
};

extern TForm_DrugieRezby* Form_DrugieRezby;

// The note, line for line as the memo holds it.
QStringList OtherThreadsNote();
