#include "app/Unit_Pnevmo.h"

#include "app/PneumaticTable.h"
#include "forms/WindowParts.h"

TForm_Pnevmo* Form_Pnevmo = nullptr;

TForm_Pnevmo::TForm_Pnevmo(QWidget* parent) : TWorkingForm(parent) {
  setObjectName(QStringLiteral("Form_Pnevmo"));
  SetCaption(QStringLiteral("Окно моментов затяжки пневмоарматуры."));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biSystemMenu, {});
  SetClientSize(412, 536);

  // The picture is a little larger than the client area and is drawn unscaled
  // from the top-left corner: its last columns and row stay outside.
  Image1 = new TImage(Client());
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->Stretch = false;
  // Drawn when the window is first shown: the program starts without it.
  Image1->SetPicture(std::function<QImage()>(DrawPneumaticTable));
  Image1->SetBounds(0, 0, 412, 536);

  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };

  // The skin comes last, so that its change notices reach every control.
  bsCompressedStoredSkin1 = AttachStoredSkin(this, bsSkinData1, QStringLiteral("CyberObject.skn"));
}

void TForm_Pnevmo::FormClose(TObject*, TCloseAction&) { ShowOpener(); }
