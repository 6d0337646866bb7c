#pragma once
// The window frame component: reserves the non-client band of its window,
// paints caption and borders, places and runs the caption buttons, and lets
// the caption drag the window.
#include "platform/Forms.h"
#include "platform/Graphics.h"

#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QTimer>

#include "skin/SkinData.h"
#include "skin/SkinFrameGeometry.h"
#include "skin/SkinMenu.h"

#include <vector>


// Caption buttons of the frame.
enum class TbsFrameButton { None, Close, Maximize, Minimize, RollUp, SysMenu, MinimizeToTray };

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
  // Showing with translucency: the window appears fully transparent and is
  // then made AlphaBlendValue opaque (255 with only the animation), at once
  // or, with AlphaBlendAnimation, in steps of 10 every 5 ms.
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 200;
  QTimer* AlphaTimer() const { return FAlphaTimer; }
  TFont DefCaptionFont = TFont::Make(QStringLiteral("Arial"), 14, fsBold, clBtnText);
  TFont DefInActiveCaptionFont = TFont::Make(QStringLiteral("Arial"), 14, fsBold, clBtnShadow);

  TNotifyEvent OnChangeSkinData, OnBeforeChangeSkinData, OnAfterChangeSkinData;

  // Skin data is set, loaded and has a main picture.
  bool Skinned() const;
  // Least window size the frame allows.
  QSize LeastSize() const;
  bool IsButtonVisible(TbsFrameButton button) const;
  // The unskinned frame's layout at the window's size.
  TbsPlainFrameLayout Layout() const;
  // The skinned frame's geometry and objects at the window's size (empty
  // when unskinned).
  TbsFrameGeometry Geometry() const;
  const std::vector<TbsFrameObject>& Objects() const {
    EnsureLayout();
    return FObjects;
  }
  // Where a caption button lies on the window (null when it does not show).
  QRect ButtonRect(TbsFrameButton button) const;
  // The window's shape from the skin's mask; empty when it has none.
  QRegion WindowRegion() const {
    EnsureLayout();
    return FRegion;
  }
  // A sizeable window is sized by dragging its frame's edges and corners
  // (within "borderwidth" pixels of the window's edge; 3 pixels unskinned).
  bool Sizeable() const { return FSizeable; }
  void SetSizeable(bool value);
  // The edge or corner under a window point (None when not sizeable).
  TbsFrameEdge SizingZone(const QPoint& windowPoint) const;

  // What lies under a point of the window.
  enum class THit { Client, Caption, Button, Border };
  THit HitTest(const QPoint& windowPoint, TbsFrameButton* button = nullptr) const;
  // The frame as it is painted now, at the window's size.
  QImage FrameImage() const;

  // Runs a caption button's command.
  void ButtonCommand(TbsFrameButton button);

  // Rolls the window up to its frame (caption and borders) or back down to
  // the height it had.
  bool RolledUp() const { return FRolledUp; }
  void SetRolledUp(bool value);

  // The system menu as the frame would open it now: restore, minimise,
  // roll-up (with biRollUp), close; drawn from the menus' skin.
  enum class TSysMenuCommand { None, Restore, Minimize, RollUp, Close };
  struct TSysMenuItem {
    TSysMenuCommand Command;
    QString Caption;
    bool Enabled;
  };
  std::vector<TSysMenuItem> SystemMenuItems() const;
  void SystemMenuCommand(TSysMenuCommand command);
  // Opens the system menu at a screen point and runs the chosen command.
  void ShowSystemMenu(const QPoint& globalPos);
  // The hint shown over a frame object: the skin object's own hint, or with
  // UseDefaultObjectHint a text for its command when the skin gives none;
  // empty when the frame shows no object hints.
  QString ObjectHint(int object) const;
  QTimer* HintTimer() const { return FHintTimer; }

  // The menu while it is open (null otherwise).
  TbsSkinPopupMenu* OpenSystemMenu() const { return FSysMenu; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void ApplyMargins();
  // Rebuilds objects, least size, geometry and region from the skin.
  void Rebuild();
  void Relayout();
  void UpdateRegion();
  // A hidden window gets its resize events only when shown: queries made
  // before that lay the frame out for the current size first.
  void EnsureLayout() const;
  void SetHot(int object, TbsFrameButton plain);
  void HideObjectHint();
  // Moves every morphing object a step towards its look (active while the
  // mouse is over it); stops the timer when all have arrived.
  void MorphStep();
  void Paint();
  void PaintPlain(QPainter& p);

  TForm* FForm;
  QPointer<TbsSkinData> FSkinData;
  TbsBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize | biRollUp;
  bool FHideCaptionButtons = false;
  TbsFrameButton FHotButton = TbsFrameButton::None;
  TbsFrameButton FPressedButton = TbsFrameButton::None;
  std::vector<TbsFrameObject> FObjects;
  int FHotObject = -1;
  int FPressedObject = -1;
  QRegion FRegion;
  QSize FLayoutSize;
  QTimer* FMorphTimer;
  QTimer* FTrackTimer;  // watches for the mouse leaving the hot object
  QTimer* FHintTimer;   // the pause before an object's hint shows
  QTimer* FAlphaTimer;  // raises the opacity after the window is shown
  int FAlpha = 255;
  void AlphaStep();
  bool FSizeable = false;
  Qt::Edges FSizingEdges;   // being sized by hand (the window system could not)
  QRect FSizingStart;       // the window's geometry when sizing began
  QPoint FSizingPress;      // the mouse's screen position then
  void SizeBy(const QPoint& globalPos);
  bool FRolledUp = false;
  int FRestoreHeight = 0;
  QPointer<TbsSkinPopupMenu> FSysMenu;
  bool FDragging = false;
  QPoint FDragOffset;
};

// The frame as the windows set it up: skin data, border icons, icon and hint
// switches.
TbsSkinForm* CreateSkinFrame(TForm* form, TbsSkinData* data, TbsBorderIcons icons, bool showIcon);
