#pragma once
// The bolt and the nut window are one window with other data: the class
// prompt and list, the notice for an empty class list, the maximum-torque
// look-up, the noun of the sentence, the places of the controls and the
// order in which they are made and walked by Tab. Each window's unit
// describes it as a TTableWindowDef; TTableWindow builds it and carries the
// components and handlers both share.
#include "forms/WorkingForm.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class TOpenDialog;
class TbsCompressedStoredSkin;
class TbsSkinButton;
class TbsSkinComboBox;
class TbsSkinData;
class TbsSkinEdit;
class TbsSkinForm;
class TbsSkinLabel;
class TbsSkinMessage;
class TbsSkinStdLabel;

// The parts of a table window.
enum class TTablePart : std::uint8_t {
  DiameterPrompt,  // bsSkinStdLabel1
  ClassPrompt,     // bsSkinStdLabel2
  JointPrompt,     // bsSkinStdLabel3
  DiameterList,    // bsSkinComboBox1
  ClassList,       // bsSkinComboBox2
  JointList,       // bsSkinComboBox3
  ShowButton,      // bsSkinButton2, "  Показать"
  ValueLabel,      // bsSkinLabel1, the maximum torque
  SentenceField,   // bsSkinEdit1, the result sentence
  CopyButton,      // bsSkinButton1
  LaunchButton,    // bsSkinButton3
  PathButton,      // bsSkinButton4
  PathDialog,      // OpenDialog1, no place on screen
  TorqueCaption,   // the unnamed "Mкр max =" before the value
  UnitCaption,     // the unnamed "Nm" after it
};
inline constexpr int kTablePartCount = 15;
inline constexpr int kTableTabStops = 9;

// A part and its place in client coordinates.
struct TTablePlace {
  TTablePart Part;
  QRect Bounds;
};

struct TTableWindowDef {
  const char* Name;     // the window's object name
  const char* Caption;
  int ClientWidth, ClientHeight;
  const char* ClassPrompt;
  QStringList (*Classes)();
  const char* ClassNotice;  // shown when no class is chosen
  std::optional<QString> (*MaxTorque)(const QString& diameter, const QString& strengthClass);
  const QString* Noun;      // of the result sentence
  // Every part in the order it is made: later parts stack above earlier ones.
  TTablePlace Parts[kTablePartCount];
  // The parts in the order Tab walks them (the framed label takes no focus).
  TTablePart Tabs[kTableTabStops];
};

class TTableWindow : public TWorkingForm {
  Q_OBJECT
public:
  TbsSkinForm* bsSkinForm1 = nullptr;
  TbsSkinData* bsSkinData1 = nullptr;
  TbsCompressedStoredSkin* bsCompressedStoredSkin1 = nullptr;
  TbsSkinMessage* bsSkinMessage1 = nullptr;
  TbsSkinStdLabel* bsSkinStdLabel1 = nullptr;
  TbsSkinStdLabel* bsSkinStdLabel2 = nullptr;
  TbsSkinStdLabel* bsSkinStdLabel3 = nullptr;
  TbsSkinComboBox* bsSkinComboBox1 = nullptr;
  TbsSkinComboBox* bsSkinComboBox2 = nullptr;
  TbsSkinComboBox* bsSkinComboBox3 = nullptr;
  TbsSkinButton* bsSkinButton2 = nullptr;
  TbsSkinLabel* bsSkinLabel1 = nullptr;
  TbsSkinEdit* bsSkinEdit1 = nullptr;
  TbsSkinButton* bsSkinButton1 = nullptr;
  TbsSkinButton* bsSkinButton3 = nullptr;
  TbsSkinButton* bsSkinButton4 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;

  void FormClose(TObject* Sender, TCloseAction& Action);
  // "  Показать": refuses an empty list with its notice (diameter, class,
  // joint class in that order); otherwise shows the maximum torque in the
  // value label and the sentence (or fixed wording) for the joint class in
  // the result field. A pair without a table row leaves what is shown.
  void bsSkinButton2Click(TObject* Sender);
  void bsSkinButton1Click(TObject* Sender);
  void bsSkinButton3Click(TObject* Sender);
  void bsSkinButton4Click(TObject* Sender);

protected:
  TTableWindow(const TTableWindowDef& def, QWidget* parent);

private:
  void MakePart(const TTablePlace& place);
  QWidget* Control(TTablePart part) const;

  const TTableWindowDef& FDef;
};
