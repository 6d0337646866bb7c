#pragma once
// The calculation window: the maximum tensile force and tightening torque of a
// thread from its material's strength (upper box), and the axial preload from
// a tightening torque (lower box).
#include "platform/Forms.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinData.h"
#include "skin/SkinForm.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinMessage.h"
#include "skin/SkinNumericEdit.h"
#include "skin/SkinStdLabel.h"

class TbsCompressedStoredSkin;

class TForm_Calcule : public TForm {
  Q_OBJECT
public:
  explicit TForm_Calcule(QWidget* parent = nullptr);

  TbsSkinData* bsSkinData1;

  TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;
  TbsSkinForm* bsSkinForm1;
  TbsSkinMessage* bsSkinMessage1;

  // Upper box: torque from material strength.
  TbsSkinGroupBox* bsSkinGroupBox3;
  TbsSkinRadioGroup* bsSkinRadioGroup1;
  TbsSkinGroupBox* bsSkinGroupBox1;
  TbsSkinStdLabel* bsSkinStdLabel1;
  TbsSkinNumericEdit* bsSkinNumericEdit1;  // Dn, mm
  TbsSkinStdLabel* bsSkinStdLabel2;
  TbsSkinNumericEdit* bsSkinNumericEdit2;  // Dv, mm
  TbsSkinGroupBox* bsSkinGroupBox2;
  TbsSkinStdLabel* bsSkinStdLabel3;
  TbsSkinNumericEdit* bsSkinNumericEdit3;  // μ
  TbsSkinStdLabel* bsSkinStdLabel4;
  TbsSkinStdLabel* bsSkinStdLabel5;
  TbsSkinButton* bsSkinButton1;
  TbsSkinStdLabel* bsSkinStdLabel7;
  TbsSkinComboBox* bsSkinComboBox2;        // d, mm
  TbsSkinStdLabel* bsSkinStdLabel6;
  TbsSkinComboBox* bsSkinComboBox1;        // P, mm
  TbsSkinStdLabel* bsSkinStdLabel8;
  TbsSkinNumericEdit* bsSkinNumericEdit4;  // d2, mm
  TbsSkinGroupBox* GroupBox_Other_Material;
  TbsSkinStdLabel* bsSkinStdLabel12;
  TbsSkinStdLabel* bsSkinStdLabel15;
  TbsSkinNumericEdit* NE_Other_Material;   // typed strength, kgf/mm²
  TbsSkinStdLabel* bsSkinStdLabel9;        // force result
  TbsSkinStdLabel* bsSkinStdLabel10;       // torque result

  // Lower box: preload from torque.
  TbsSkinGroupBox* bsSkinGroupBox4;
  TbsSkinStdLabel* bsSkinStdLabel14;
  TbsSkinNumericEdit* Mzat;                // M, N·m
  TbsSkinGroupBox* bsSkinGroupBox5;
  TbsSkinStdLabel* bsSkinStdLabel16;
  TbsSkinNumericEdit* dn;                  // Dn, m
  TbsSkinStdLabel* bsSkinStdLabel17;
  TbsSkinNumericEdit* dv;                  // Dv, m
  TbsSkinGroupBox* bsSkinGroupBox6;
  TbsSkinStdLabel* bsSkinStdLabel18;
  TbsSkinNumericEdit* mu;                  // μ
  TbsSkinStdLabel* bsSkinStdLabel19;
  TbsSkinStdLabel* bsSkinStdLabel20;
  TbsSkinStdLabel* bsSkinStdLabel13;
  TbsSkinComboBox* P;                      // p, m
  TbsSkinStdLabel* bsSkinStdLabel11;
  TbsSkinComboBox* dsr;                    // d2, m
  TbsSkinButton* bsSkinButton2;
  TbsSkinStdLabel* Usilie;                 // preload result

  void bsSkinButton1Click(TObject* Sender);
  void bsSkinButton2Click(TObject* Sender);
  void NE_Other_MaterialChange(TObject* Sender);
  void bsSkinRadioGroup1Click(TObject* Sender);

private:
  void CreateControls();
  // Links the controls one after another in the focus chain that Tab walks.
  void LinkTabOrder();
  // Shows a result text in a result label sized to it.
  static void ShowResult(TbsSkinStdLabel* label, const QString& text);

  // Set while choosing a material resets the typed strength, so that the
  // reset does not clear the choice it comes from.
  bool FResettingStrength = false;
};

extern TForm_Calcule* Form_Calcule;

// Texts of the window's notices.
namespace calcule_text {
inline const QString kNoMaterial = QStringLiteral("Выберите пожалуйста материал или введите предел прочности.");
inline const QString kNoOuter = QStringLiteral("Выберите пожалуйста наружный диаметр опорной поверхности.");
inline const QString kNoInner = QStringLiteral("Выберите пожалуйста внутренний диаметр опорной поверхности.");
inline const QString kNoFriction = QStringLiteral("Выберите пожалуйста коэф-т трения.");
inline const QString kNoPitch = QStringLiteral("Выберите пожалуйста шаг резьбы.");
inline const QString kNoDiameter = QStringLiteral("Выберите пожалуйста номинальный диаметр резьбы.");
inline const QString kNoMeanDiameter = QStringLiteral("Выберите пожалуйста средний диаметр резьбы.");
inline const QString kNoResult = QStringLiteral("При введённых значениях расчёт не даёт результата.");
}  // namespace calcule_text
