#include "app/Unit_Glav_Moment.h"

#include "app/UnitInfTQR.h"
#include "app/Unit_Pnevmo.h"
#include "calc/Unit_DrugieRezby.h"
#include "effects/AlphaEffects.h"
#include "forms/WindowParts.h"
#include "platform/Platform.h"
#include "tables/Unit_Bolty.h"
#include "tables/Unit_Gayki.h"

TForm_Glav_Moment* Form_Glav_Moment = nullptr;

namespace {
// Layout of the main window, client coordinates.
const TButtonDef kButtons[] = {
    {"bsSkinButton1", 7, 15, 128, 39, "     Болты", "Моменты затяжки болтов", "glyph_bolt.png"},
    {"bsSkinButton2", 149, 14, 132, 40, "     Гайки", "Моменты затяжки гаек", "glyph_nut.png"},
    {"bsSkinButton3", 8, 69, 276, 35, "     Другие резьбы", "Моменты затяжки других резьб",
     "glyph_thread.png"},
    {"bsSkinButton5", 8, 128, 369, 35, "  Моменты затяжки пневмоарматуры",
     "Моменты затяжки пневмоарматуры", "glyph_fitting.png"},
    {"bsSkinButton4", 301, 0, 33, 33, nullptr, "О программе", "glyph_about.png"},
};
}  // namespace

TForm_Glav_Moment::TForm_Glav_Moment(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("Form_Glav_Moment"));
  SetCaption(QStringLiteral("Моменты затяжки резьбовых соединений. v.4.2"));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biMinimize, {.Icon = true, .ObjectHints = true});
  SetClientSize(382, 184);
  bsSkinMessage1 = CreateWindowMessage(this, bsSkinData1);

  TbsSkinButton* made[5];
  for (int i = 0; i < 5; ++i) {
    made[i] = MakeButton(Client(), kButtons[i]);
    made[i]->SetSkinData(bsSkinData1);
  }
  bsSkinButton1 = made[0];
  bsSkinButton2 = made[1];
  bsSkinButton3 = made[2];
  bsSkinButton5 = made[3];
  bsSkinButton4 = made[4];
  bsSkinButton1->AllowAllUp = true;

  Image2 = new TImage(Client());
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->SetBounds(336, 8, 38, 25);
  Image2->SetPicture(ArtImage(QStringLiteral("flag_by.png")));
  Image2->setToolTip(QStringLiteral("Рэспублiка Беларусь"));

  SetTabOrder({bsSkinButton4, bsSkinButton1, bsSkinButton2, bsSkinButton3, bsSkinButton5});

  bsSkinButton1->OnClick = [this](TObject* s) { bsSkinButton1Click(s); };
  bsSkinButton2->OnClick = [this](TObject* s) { bsSkinButton2Click(s); };
  bsSkinButton3->OnClick = [this](TObject* s) { bsSkinButton3Click(s); };
  bsSkinButton4->OnClick = [this](TObject* s) { bsSkinButton4Click(s); };
  bsSkinButton5->OnClick = [this](TObject* s) { bsSkinButton5Click(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };

  // The skin comes last, so that its change notices reach every control.
  bsCompressedStoredSkin1 = AttachStoredSkin(this, bsSkinData1, QStringLiteral("iMetal2.skn"));
}

void TForm_Glav_Moment::bsSkinButton1Click(TObject*) {
  Form_Bolty->Show();
  Hide();
}

void TForm_Glav_Moment::bsSkinButton2Click(TObject*) {
  Form_Gayki->Show();
  Hide();
}

void TForm_Glav_Moment::bsSkinButton3Click(TObject*) {
  Form_DrugieRezby->Show();
  Hide();
}

void TForm_Glav_Moment::bsSkinButton5Click(TObject*) {
  Form_Pnevmo->Show();
  Hide();
}

void TForm_Glav_Moment::bsSkinButton4Click(TObject*) {
  // Slides in from the left; an open About window only comes to the front.
  const bool wasShown = FormInfTQR->Visible();
  if (!wasShown) FormInfTQR->CentreOnDesktop();
  const bool slid = platform::AnimateWindow(FormInfTQR, 600,
                                            platform::AW_SLIDE | platform::AW_ACTIVATE | platform::AW_HOR_POSITIVE);
  // Closed by the user while it slid in, it stays closed.
  if (slid || wasShown) FormInfTQR->Show();
}

void TForm_Glav_Moment::FormClose(TObject*, TCloseAction&) {
  SetEnabled(false);
  // One radar sweep of a random kind fades the window out; it is hidden when
  // the sweep ends.
  PlayAlphaEffect(this, MakeCustomEffect({afxRadarRandom}), 1, 500, false, true, nullptr,
                  [this](TObject*) { Hide(); });
  Application->Terminate();
}
