#pragma once
// The skinned message dialog: every notice of the program goes through it.
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "skin/SkinData.h"

#include <QObject>
#include <QPointer>
#include <cstdint>

class TbsMessageForm;
class TbsSkinForm;
class TbsSkinStdLabel;

enum TMsgDlgType : std::uint8_t { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3, mtCustom = 4 };

// A set of button kinds, bit n for the kind of index n.
using TMsgDlgButtons = std::uint16_t;
enum TMsgDlgBtn : int {
  mbYes = 0, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp
};
constexpr TMsgDlgButtons ButtonSet(std::initializer_list<TMsgDlgBtn> kinds) {
  TMsgDlgButtons set = 0;
  for (TMsgDlgBtn k : kinds) set = static_cast<TMsgDlgButtons>(set | (1u << k));
  return set;
}

class TbsSkinMessage : public QObject {
  Q_OBJECT
public:
  explicit TbsSkinMessage(QObject* owner);
  ~TbsSkinMessage() override;

  bool ShowAgainFlag = false;
  bool ShowAgainFlagValue = false;
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 200;
  QPointer<TbsSkinData> SkinData;
  QPointer<TbsSkinData> CtrlSkinData;
  QString ButtonSkinDataName = QStringLiteral("button");
  QString MessageLabelSkinDataName = QStringLiteral("stdlabel");
  TFont DefaultFont = TFont::Make(QStringLiteral("Arial"), 14, 0, clWindowText);
  TFont DefaultButtonFont = TFont::Make(QStringLiteral("Arial"), 14, 0, clWindowText);
  bool UseSkinFont = true;

  // Builds the dialog, shows it modally, frees it, and returns the result code
  // of the button that closed it (2 when closed otherwise).
  int ShowDialog(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);

private:
  // The steps of building the dialog, in their order.
  TbsSkinForm* MakeFrame(TbsMessageForm& form) const;
  TbsSkinStdLabel* MakeLabel(TbsMessageForm& form, const QString& text) const;
  void MakeIcon(TbsMessageForm& form, TMsgDlgType type) const;
  // Returns the client width the box needs.
  int MakeShowAgainBox(TbsMessageForm& form, int top) const;
  void FitWidthToFrame(TbsMessageForm& form) const;
  void MakeButtons(TbsMessageForm& form, TMsgDlgButtons buttons, int buttonHeight, int rowWidth) const;
};

// A notice: information, the Yes button alone, help context 0; the result is
// not used.
void ShowNotice(TbsSkinMessage* message, const QString& text);

// The message component as the windows store it: their skin data, Arial bold
// 16 px red fonts, the skin's fonts not used.
TbsSkinMessage* CreateWindowMessage(QObject* owner, TbsSkinData* data);
