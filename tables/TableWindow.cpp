#include "tables/TableWindow.h"

#include "core/TorqueTables.h"
#include "forms/TableParts.h"
#include "forms/WindowParts.h"
#include "handoff/Handoff.h"
#include "platform/Dialogs.h"
#include "skin/SkinButton.h"
#include "skin/SkinClient.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinData.h"
#include "skin/SkinEdit.h"
#include "skin/SkinForm.h"
#include "skin/SkinLabel.h"
#include "skin/SkinMessage.h"
#include "skin/SkinStdLabel.h"

TTableWindow::TTableWindow(const TTableWindowDef& def, QWidget* parent) : TWorkingForm(parent), FDef(def) {
  setObjectName(QString::fromLatin1(def.Name));
  SetCaption(QString::fromUtf8(def.Caption));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biMinimize, {.Icon = true, .ObjectHints = true});
  bsSkinMessage1 = CreateWindowMessage(this, bsSkinData1);
  SetClientSize(def.ClientWidth, def.ClientHeight);

  for (const TTablePlace& place : def.Parts) MakePart(place);
  GiveSkinToClients(Client(), bsSkinData1);
  // The prompts name the lists below them.
  if (bsSkinStdLabel1) bsSkinStdLabel1->SetFocusControl(bsSkinComboBox1);
  if (bsSkinStdLabel2) bsSkinStdLabel2->SetFocusControl(bsSkinComboBox2);
  if (bsSkinStdLabel3) bsSkinStdLabel3->SetFocusControl(bsSkinComboBox3);
  for (int i = 1; i < kTableTabStops; ++i) setTabOrder(Control(def.Tabs[i - 1]), Control(def.Tabs[i]));

  bsSkinButton2->OnClick = [this](TObject* s) { bsSkinButton2Click(s); };
  bsSkinButton1->OnClick = [this](TObject* s) { bsSkinButton1Click(s); };
  bsSkinButton3->OnClick = [this](TObject* s) { bsSkinButton3Click(s); };
  bsSkinButton4->OnClick = [this](TObject* s) { bsSkinButton4Click(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };

  // The skin comes last, so that its change notices reach every control.
  bsCompressedStoredSkin1 = AttachStoredSkin(this, bsSkinData1, QStringLiteral("iMetal.skn"));
}

void TTableWindow::MakePart(const TTablePlace& place) {
  QWidget* c = Client();
  const QRect& r = place.Bounds;
  const int x = r.left(), y = r.top(), w = r.width(), h = r.height();
  switch (place.Part) {
    case TTablePart::DiameterPrompt:
      bsSkinStdLabel1 = MakeTableLabel(c, {"bsSkinStdLabel1", x, y, w, h, "Выберите номинальный диаметр резьбы:",
                                           clWindowText});
      break;
    case TTablePart::ClassPrompt:
      bsSkinStdLabel2 = MakeTableLabel(c, {"bsSkinStdLabel2", x, y, w, h, FDef.ClassPrompt, clWindowText});
      break;
    case TTablePart::JointPrompt:
      bsSkinStdLabel3 = MakeTableLabel(c, {"bsSkinStdLabel3", x, y, w, h, "Выберите класс соединения:", clWindowText});
      break;
    case TTablePart::DiameterList:
      bsSkinComboBox1 = MakeTableCombo(c, {"bsSkinComboBox1", x, y, w, h, "Номинальный диаметр резьбы"},
                                       torque::Diameters());
      break;
    case TTablePart::ClassList:
      bsSkinComboBox2 = MakeTableCombo(c, {"bsSkinComboBox2", x, y, w, h, "Класс прочности"}, FDef.Classes());
      break;
    case TTablePart::JointList:
      bsSkinComboBox3 = MakeTableCombo(c, {"bsSkinComboBox3", x, y, w, h, "Класс соединения"}, torque::JointClasses());
      break;
    case TTablePart::ShowButton:
      bsSkinButton2 = MakeButton(c, {"bsSkinButton2", x, y, w, h, "  Показать", "Показать момент затяжки",
                                     "glyph_show.png"});
      break;
    case TTablePart::ValueLabel: bsSkinLabel1 = MakeValueLabel(c, x, y, w, h); break;
    case TTablePart::SentenceField: bsSkinEdit1 = MakeResultEdit(c, x, y, w, h); break;
    case TTablePart::CopyButton:
      bsSkinButton1 = MakeButton(c, {"bsSkinButton1", x, y, w, h, "   Копировать фразу в буфер обмена",
                                     "   Копировать фразу в буфер обмена", "glyph_copy.png"});
      break;
    case TTablePart::LaunchButton:
      bsSkinButton3 = MakeButton(c, {"bsSkinButton3", x, y, w, h, "  Открыть AutoCAD", "  Открыть AutoCAD",
                                     "glyph_drawing.png"});
      break;
    case TTablePart::PathButton:
      bsSkinButton4 = MakeButton(c, {"bsSkinButton4", x, y, w, h, "  Путь к acad.exe", "Путь к acad.exe",
                                     "glyph_folder.png"});
      break;
    case TTablePart::PathDialog:
      OpenDialog1 = new TOpenDialog(this);
      OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
      OpenDialog1->Filter = QStringLiteral("Файлы exe|*.exe");
      OpenDialog1->InitialDir = QStringLiteral("C:\\");
      break;
    case TTablePart::TorqueCaption:
      MakeTableLabel(c, {nullptr, x, y, w, h, "Mкр max =", clBlue});  // Latin M
      break;
    case TTablePart::UnitCaption: MakeTableLabel(c, {nullptr, x, y, w, h, "Nm", clBlue}); break;
  }
}

QWidget* TTableWindow::Control(TTablePart part) const {
  switch (part) {
    case TTablePart::DiameterList: return bsSkinComboBox1;
    case TTablePart::ClassList: return bsSkinComboBox2;
    case TTablePart::JointList: return bsSkinComboBox3;
    case TTablePart::ShowButton: return bsSkinButton2;
    case TTablePart::ValueLabel: return bsSkinLabel1;
    case TTablePart::SentenceField: return bsSkinEdit1;
    case TTablePart::CopyButton: return bsSkinButton1;
    case TTablePart::LaunchButton: return bsSkinButton3;
    case TTablePart::PathButton: return bsSkinButton4;
    default: return nullptr;  // labels and the dialog take no focus
  }
}

void TTableWindow::FormClose(TObject*, TCloseAction&) { ShowOpener(); }

void TTableWindow::bsSkinButton2Click(TObject*) {
  if (bsSkinComboBox1->Text().isEmpty()) {
    ShowNotice(bsSkinMessage1, QStringLiteral("Выберите пожалуйста диаметр резьбы."));
    return;
  }
  if (bsSkinComboBox2->Text().isEmpty()) {
    ShowNotice(bsSkinMessage1, QString::fromUtf8(FDef.ClassNotice));
    return;
  }
  if (bsSkinComboBox3->Text().isEmpty()) {
    ShowNotice(bsSkinMessage1, QStringLiteral("Выберите пожалуйста класс соединения."));
    return;
  }
  if (const auto max = FDef.MaxTorque(bsSkinComboBox1->Text(), bsSkinComboBox2->Text()))
    bsSkinLabel1->SetCaption(*max);
  // The range is looked up by the value the label now shows.
  if (const auto text = torque::ResultText(*FDef.Noun, bsSkinLabel1->Caption(), bsSkinComboBox3->Text()))
    bsSkinEdit1->SetText(*text);
}

void TTableWindow::bsSkinButton1Click(TObject*) { CopySentenceToClipboard(bsSkinEdit1, bsSkinMessage1); }

void TTableWindow::bsSkinButton3Click(TObject*) { LaunchDrawingProgram(this, bsSkinMessage1); }

void TTableWindow::bsSkinButton4Click(TObject*) { ChooseDrawingProgramPath(this, OpenDialog1, bsSkinMessage1); }
