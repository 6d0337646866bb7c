#pragma once
// The About window: what the program does, its sources and who made it.
#include "platform/Forms.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"
#include "skin/SkinTextLabel.h"

#include <QStringList>

class TbsCompressedStoredSkin;

class TFormInfTQR : public TForm {
  Q_OBJECT
public:
  explicit TFormInfTQR(QWidget* parent = nullptr);

  TbsSkinForm* bsSkinForm1;
  TbsSkinData* bsSkinData1;
  TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;
  TbsSkinTextLabel* bsSkinTextLabel1;
};

extern TFormInfTQR* FormInfTQR;

// The twenty lines of the About text, blanks included.
QStringList AboutText();
