#pragma once
// The window frame component: reserves the non-client band of its window,
// paints caption and borders, places and runs the caption buttons, and lets
// the caption drag the window.
#include "platform/Forms.h"
#include "platform/Graphics.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include "skin/SkinData.h"

enum TbsBorderIcon : unsigned {
  biSystemMenu = 1u << 0,
  biMinimize = 1u << 1,
  biMaximize = 1u << 2,
  biRollUp = 1u << 3,
  biMinimizeToTray = 1u << 4,
};
using TbsBorderIcons = unsigned;

// Caption buttons of the frame.
enum class TbsFrameButton { None, Close, Maximize, Minimize, RollUp, SysMenu };

// Where the parts of an unskinned frame lie for a window of the given size.
struct TbsPlainFrameLayout {
  QMargins NonClient;
  QRect Caption;   // caption band, window coordinates
  QRect Close;
  QRect Maximize;
  QRect Minimize;
  QRect RollUp;
  QRect SysMenu;
  QRect Text;      // where the caption text goes
};
constexpr int kDefaultCaptionHeight = 22;
TbsPlainFrameLayout PlainFrameLayout(QSize window, TbsBorderIcons icons, bool hideButtons);

class TbsSkinForm : public QObject {
  Q_OBJECT
public:
  // The owner must be a window (TForm); anything else fails with EInvalidCast.
  explicit TbsSkinForm(QObject* owner);
  ~TbsSkinForm() override;

  TForm* Form() const { return FForm; }

  TbsSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TbsSkinData* data);
  TbsSkinData* MenusSkinData = nullptr;

  TbsBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TbsBorderIcons icons);
  bool HideCaptionButtons() const { return FHideCaptionButtons; }
  void SetHideCaptionButtons(bool value);
  bool ShowIcon = false;
  bool ShowObjectHint = false;
  bool UseDefaultObjectHint = true;
  bool UseDefaultSysMenu = true;
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  TFont DefCaptionFont = TFont::Make(QStringLiteral("Arial"), 14, fsBold, clBtnText);
  TFont DefInActiveCaptionFont = TFont::Make(QStringLiteral("Arial"), 14, fsBold, clBtnShadow);

  bool Skinned() const;
  // Least window size the frame allows.
  QSize LeastSize() const;
  bool IsButtonVisible(TbsFrameButton button) const;
  TbsPlainFrameLayout Layout() const;
  // What lies under a point of the window.
  enum class THit { Client, Caption, Button, Border };
  THit HitTest(const QPoint& windowPoint, TbsFrameButton* button = nullptr) const;

  // Runs a caption button's command.
  void ButtonCommand(TbsFrameButton button);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void ApplyMargins();
  void Paint();
  void ShowSystemMenu(const QPoint& globalPos);

  TForm* FForm;
  QPointer<TbsSkinData> FSkinData;
  TbsBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize | biRollUp;
  bool FHideCaptionButtons = false;
  TbsFrameButton FHotButton = TbsFrameButton::None;
  TbsFrameButton FPressedButton = TbsFrameButton::None;
  bool FDragging = false;
  QPoint FDragOffset;
};

// The frame as the windows set it up: skin data, border icons, icon and hint
// switches.
TbsSkinForm* CreateSkinFrame(TForm* form, TbsSkinData* data, TbsBorderIcons icons, bool showIcon);
