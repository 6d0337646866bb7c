#include "tables/Unit_Gayki.h"

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

TForm_Gayki* Form_Gayki = nullptr;

namespace {
// Layout of the nut window, client coordinates.
const TLabelSpec kLabels[] = {
    {"bsSkinStdLabel1", 75, 16, 355, 20, "Выберите номинальный диаметр резьбы:", clWindowText},
    {"bsSkinStdLabel2", 10, 56, 424, 20, "Выберите класс прочности гайки по ГОСТ 1759.4:", clWindowText},
    {"bsSkinStdLabel3", 180, 104, 249, 20, "Выберите класс соединения:", clWindowText},
    {nullptr, 384, 152, 86, 20, "Mкр max =", clBlue},  // Latin M
    {nullptr, 543, 152, 27, 20, "Nm", clBlue},
};
const TComboSpec kCombos[] = {
    {"bsSkinComboBox1", 440, 16, 95, 22, "Номинальный диаметр резьбы"},
    {"bsSkinComboBox2", 440, 53, 96, 22, "Класс прочности"},
    {"bsSkinComboBox3", 440, 101, 96, 22, "Класс соединения"},
};
const TButtonSpec kShow = {"bsSkinButton2", 168, 149, 151, 41, "  Показать", "Показать момент затяжки",
                           "glyph_show.png"};
const TButtonSpec kCopy = {"bsSkinButton1", 101, 229, 383, 40, "   Копировать фразу в буфер обмена",
                           "   Копировать фразу в буфер обмена", "glyph_copy.png"};
const TButtonSpec kLaunch = {"bsSkinButton3", 113, 291, 199, 40, "  Открыть AutoCAD", "  Открыть AutoCAD",
                             "glyph_drawing.png"};
const TButtonSpec kPath = {"bsSkinButton4", 410, 293, 183, 41, "  Путь к acad.exe", "Путь к acad.exe",
                           "glyph_folder.png"};
}  // namespace

TForm_Gayki::TForm_Gayki(QWidget* parent) : TWorkingForm(parent) {
  setObjectName(QStringLiteral("Form_Gayki"));
  SetCaption(QStringLiteral("Окно гаек"));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biMinimize, true);
  bsSkinMessage1 = CreateWindowMessage(this, bsSkinData1);
  SetClientSize(621, 352);

  QWidget* c = Client();
  bsSkinStdLabel1 = MakeTableLabel(c, kLabels[0]);
  bsSkinStdLabel2 = MakeTableLabel(c, kLabels[1]);
  bsSkinComboBox1 = MakeTableCombo(c, kCombos[0], torque::Diameters());
  bsSkinComboBox2 = MakeTableCombo(c, kCombos[1], torque::NutGroups());
  bsSkinComboBox3 = MakeTableCombo(c, kCombos[2], torque::JointClasses());
  bsSkinStdLabel3 = MakeTableLabel(c, kLabels[2]);
  bsSkinButton2 = MakeButton(c, kShow);
  bsSkinLabel1 = MakeValueLabel(c, 472, 151, 65, 22);
  bsSkinEdit1 = MakeResultEdit(c, 8, 200, 599, 22);
  bsSkinButton1 = MakeButton(c, kCopy);
  bsSkinButton3 = MakeButton(c, kLaunch);
  bsSkinButton4 = MakeButton(c, kPath);
  OpenDialog1 = new TOpenDialog(this);
  OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
  OpenDialog1->Filter = QStringLiteral("Файлы exe|*.exe");
  OpenDialog1->InitialDir = QStringLiteral("C:\\");
  MakeTableLabel(c, kLabels[3]);
  MakeTableLabel(c, kLabels[4]);

  GiveSkinToControls(c, bsSkinData1);

  // Tab order 0 to 8 (the framed label takes no focus).
  QWidget* order[] = {bsSkinComboBox1, bsSkinComboBox2, bsSkinComboBox3, bsSkinButton2, bsSkinLabel1,
                      bsSkinEdit1,     bsSkinButton1,   bsSkinButton3,   bsSkinButton4};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  bsSkinButton2->OnClick = [this](TObject* s) { bsSkinButton2Click(s); };
  bsSkinButton1->OnClick = [this](TObject* s) { bsSkinButton1Click(s); };
  bsSkinButton3->OnClick = [this](TObject* s) { bsSkinButton3Click(s); };
  bsSkinButton4->OnClick = [this](TObject* s) { bsSkinButton4Click(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };

  // The skin comes last, so that its change notices reach every control.
  bsCompressedStoredSkin1 = AttachStoredSkin(this, bsSkinData1, QStringLiteral("iMetal.skn"));
}

void TForm_Gayki::FormClose(TObject*, TCloseAction&) { ShowOpener(); }

void TForm_Gayki::bsSkinButton2Click(TObject*) {
  static const TTorqueWindowKind kind{"Выберите пожалуйста класс прочности гайки.", torque::NutMaxTorque, &torque::kNutNoun};
  ShowTorque({bsSkinComboBox1, bsSkinComboBox2, bsSkinComboBox3, bsSkinLabel1, bsSkinEdit1, bsSkinMessage1}, kind);
}

void TForm_Gayki::bsSkinButton1Click(TObject*) { CopySentenceToClipboard(bsSkinEdit1, bsSkinMessage1); }

void TForm_Gayki::bsSkinButton3Click(TObject*) { LaunchDrawingProgram(this, bsSkinMessage1); }

void TForm_Gayki::bsSkinButton4Click(TObject*) { ChooseDrawingProgramPath(this, OpenDialog1, bsSkinMessage1); }
