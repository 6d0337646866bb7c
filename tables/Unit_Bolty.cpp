#include "tables/Unit_Bolty.h"

#include "forms/TableParts.h"
#include "forms/WindowParts.h"
#include "handoff/Handoff.h"
#include "platform/Dialogs.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinData.h"
#include "skin/SkinEdit.h"
#include "skin/SkinForm.h"
#include "skin/SkinLabel.h"
#include "skin/SkinMessage.h"
#include "skin/SkinStdLabel.h"
#include "tables/TableWindowParts.h"
#include "core/TorqueTables.h"

TForm_Bolty* Form_Bolty = nullptr;

namespace {
// Layout of the bolt window, client coordinates.
const TLabelSpec kLabels[] = {
    {"bsSkinStdLabel1", 75, 16, 355, 20, "Выберите номинальный диаметр резьбы:", clWindowText},
    {"bsSkinStdLabel2", 10, 56, 428, 20, "Выберите класс прочности болта по ГОСТ 1759.4:", clWindowText},
    {"bsSkinStdLabel3", 180, 104, 249, 20, "Выберите класс соединения:", clWindowText},
    {nullptr, 384, 152, 86, 20, "Mкр max =", clBlue},  // Latin M
    {nullptr, 543, 152, 27, 20, "Nm", clBlue},
};
const TComboSpec kCombos[] = {
    {"bsSkinComboBox1", 440, 16, 81, 22, "Номинальный диаметр резьбы"},
    {"bsSkinComboBox2", 440, 53, 81, 22, "Класс прочности"},
    {"bsSkinComboBox3", 440, 101, 81, 22, "Класс соединения"},
};
const TButtonSpec kShow = {"bsSkinButton2", 218, 137, 151, 41, "  Показать", "Показать момент затяжки",
                           "glyph_show.png"};
const TButtonSpec kCopy = {"bsSkinButton1", 114, 241, 383, 40, "   Копировать фразу в буфер обмена",
                           "   Копировать фразу в буфер обмена", "glyph_copy.png"};
const TButtonSpec kLaunch = {"bsSkinButton3", 118, 303, 199, 40, "  Открыть AutoCAD", "  Открыть AutoCAD",
                             "glyph_drawing.png"};
const TButtonSpec kPath = {"bsSkinButton4", 338, 305, 183, 41, "  Путь к acad.exe", "Путь к acad.exe",
                           "glyph_folder.png"};
}  // namespace

TForm_Bolty::TForm_Bolty(QWidget* parent) : TWorkingForm(parent) {
  setObjectName(QStringLiteral("Form_Bolty"));
  SetCaption(QStringLiteral("Окно болтов"));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biMinimize, true);
  bsSkinMessage1 = CreateWindowMessage(this, bsSkinData1);
  SetClientSize(593, 362);

  QWidget* c = Client();
  bsSkinStdLabel1 = MakeTableLabel(c, kLabels[0]);
  bsSkinStdLabel2 = MakeTableLabel(c, kLabels[1]);
  bsSkinStdLabel3 = MakeTableLabel(c, kLabels[2]);
  bsSkinComboBox1 = MakeTableCombo(c, kCombos[0], torque::Diameters());
  bsSkinComboBox2 = MakeTableCombo(c, kCombos[1], torque::BoltClasses());
  bsSkinComboBox3 = MakeTableCombo(c, kCombos[2], torque::JointClasses());
  bsSkinButton2 = MakeButton(c, kShow);
  bsSkinEdit1 = MakeResultEdit(c, 8, 200, 577, 22);
  bsSkinButton1 = MakeButton(c, kCopy);
  bsSkinLabel1 = MakeValueLabel(c, 472, 151, 60, 22);
  bsSkinButton3 = MakeButton(c, kLaunch);
  OpenDialog1 = new TOpenDialog(this);
  OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
  OpenDialog1->Filter = QStringLiteral("Файлы exe|*.exe");
  OpenDialog1->InitialDir = QStringLiteral("C:\\");
  bsSkinButton4 = MakeButton(c, kPath);
  MakeTableLabel(c, kLabels[3]);
  MakeTableLabel(c, kLabels[4]);

  GiveSkinToControls(c, bsSkinData1);

  // Tab order 0 to 8 (the framed label takes no focus).
  QWidget* order[] = {bsSkinComboBox1, bsSkinComboBox2, bsSkinComboBox3, bsSkinButton2, bsSkinEdit1,
                      bsSkinButton1,   bsSkinLabel1,    bsSkinButton3,   bsSkinButton4};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  bsSkinButton2->OnClick = [this](TObject* s) { bsSkinButton2Click(s); };
  bsSkinButton1->OnClick = [this](TObject* s) { bsSkinButton1Click(s); };
  bsSkinButton3->OnClick = [this](TObject* s) { bsSkinButton3Click(s); };
  bsSkinButton4->OnClick = [this](TObject* s) { bsSkinButton4Click(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
  OnShow = [this](TObject* s) { FormShow(s); };

  // The skin comes last, so that its change notices reach every control.
  bsCompressedStoredSkin1 = AttachStoredSkin(this, bsSkinData1, QStringLiteral("iMetal.skn"));
}

void TForm_Bolty::FormClose(TObject*, TCloseAction&) { ShowOpener(); }

void TForm_Bolty::bsSkinButton2Click(TObject*) {
  static const TTorqueWindowKind kind{"Выберите пожалуйста класс прочности болта.", torque::BoltMaxTorque, &torque::kBoltNoun};
  ShowTorque({bsSkinComboBox1, bsSkinComboBox2, bsSkinComboBox3, bsSkinLabel1, bsSkinEdit1, bsSkinMessage1}, kind);
}

void TForm_Bolty::bsSkinButton1Click(TObject*) { CopySentenceToClipboard(bsSkinEdit1, bsSkinMessage1); }

void TForm_Bolty::bsSkinButton3Click(TObject*) { LaunchDrawingProgram(this, bsSkinMessage1); }

void TForm_Bolty::bsSkinButton4Click(TObject*) { ChooseDrawingProgramPath(this, OpenDialog1, bsSkinMessage1); }

void TForm_Bolty::FormShow(TObject*) { TakeProgramFolder(); }
