#pragma once
// The window frame component: reserves the non-client band of its window,
// paints caption and borders, places and runs the caption buttons, and lets
// the caption drag the window. The frame's work is spread over a few units:
// SkinForm.cpp (skin, layout, painting, events), SkinFormObjects.cpp (the
// object under the mouse, its hint and morph), SkinFormSizing.cpp (sizing,
// dragging, rolling up) and SkinFormSysMenu.cpp (the system menu).
#include "platform/Forms.h"
#include "platform/Graphics.h"

#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QTimer>

#include "skin/SkinAnimation.h"
#include "skin/SkinData.h"
#include "skin/SkinFrameGeometry.h"
#include "skin/SkinMenu.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

class QKeyEvent;
class QMouseEvent;
class TMessageEvent;

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
  // The caption buttons with their commands (a null rectangle: not shown).
  std::array<std::pair<TbsStdCommand, QRect>, 5> Buttons() const {
    return {{{TbsStdCommand::cmClose, Close},
             {TbsStdCommand::cmMaximize, Maximize},
             {TbsStdCommand::cmMinimize, Minimize},
             {TbsStdCommand::cmRollUp, RollUp},
             {TbsStdCommand::cmSysMenu, SysMenu}}};
  }
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
  // Whether the caption button of a command shows.
  bool IsButtonVisible(TbsStdCommand button) const;
  // The unskinned frame's layout at the window's size.
  TbsPlainFrameLayout Layout() const;
  // The skinned frame's geometry and objects at the window's size (empty
  // when unskinned).
  TbsFrameGeometry Geometry() const;
  const std::vector<TbsFrameObject>& Objects() const {
    EnsureLayout();
    return FObjects;
  }
  // The skin's effects are on (and the frame is skinned): its objects
  // morph and animate. Off, each shows its look for the moment at once.
  bool EffectsOn() const;
  // The frame animation of object `object` (a caption, or a caption button
  // with frames), or null; visible so that tests can drive it.
  const TbsFrameAnimation* Animation(int object) const;

  // Where the caption button of a command lies on the window (null when it
  // does not show).
  QRect ButtonRect(TbsStdCommand button) const;
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

  // What lies under a point of the window; over a caption button `button`
  // receives its command (cmDefault over anything else).
  enum class THit { Client, Caption, Button, Border };
  THit HitTest(const QPoint& windowPoint, TbsStdCommand* button = nullptr) const;
  // The frame as it is painted now, at the window's size.
  QImage FrameImage() const;

  // Runs a caption button's command (cmDefault: nothing).
  void ButtonCommand(TbsStdCommand button);

  // Rolls the window up to its frame (caption and borders) or back down to
  // the height it had.
  bool RolledUp() const { return FRolledUp; }
  void SetRolledUp(bool value);

  // The system menu as the frame would open it now: restore, minimise,
  // roll-up (with biRollUp), a divider (cmDefault), close; drawn from the
  // menus' skin.
  struct TSysMenuItem {
    TbsStdCommand Command;
    QString Caption;
    bool Enabled;
  };
  std::vector<TSysMenuItem> SystemMenuItems() const;
  // Runs a system-menu command: cmRestore, cmMinimize, cmRollUp or cmClose.
  void SystemMenuCommand(TbsStdCommand command);
  // Opens the system menu at a screen point and runs the chosen command.
  void ShowSystemMenu(const QPoint& globalPos);
  // The hint shown over a frame object: the skin object's own hint, or with
  // UseDefaultObjectHint a text for its command when the skin gives none;
  // empty when the frame shows no object hints.
  QString ObjectHint(int object) const;
  // What a caption button of a command is called (for a screen reader,
  // whether the frame shows hints or not): the skin object's hint, else the
  // usual word for the command.
  QString CommandHint(TbsStdCommand command) const;
  // The caption buttons shown now, left to right as the frame places them.
  std::vector<TbsStdCommand> ShownCommands() const;
  QTimer* HintTimer() const { return FHintTimer; }

  // The menu while it is open (null otherwise).
  TbsSkinPopupMenu* OpenSystemMenu() const { return FSysMenu; }

protected:
  // Hands each event of the window to its handler below.
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Event handlers; true when the event is used up.
  bool KeyPressed(const QKeyEvent& event);
  void Shown();
  void Resized();
  bool MousePressed(const QMouseEvent& event);
  bool MouseMoved(const QMouseEvent& event);
  bool MouseReleased(const QMouseEvent& event);
  // The skin notices: drop the objects (1225), rebuild (1226), pass both on
  // to the window's skin clients, raise the events.
  void SkinNotice(const TMessageEvent& notice);

  void ApplyMargins();
  // Rebuilds objects, least size, geometry and region from the skin.
  void Rebuild();
  void Relayout();
  void UpdateRegion();
  // A hidden window gets its resize events only when shown: queries made
  // before that lay the frame out for the current size first.
  void EnsureLayout() const;
  void Paint();
  void PaintPlain(QPainter& p);

  // The object under the mouse (SkinFormObjects.cpp).
  int ObjectAt(const QPoint& windowPoint) const;  // -1: none
  void SetHot(int object, TbsStdCommand plain);
  void HideObjectHint();
  // Drops the objects and all that points at them.
  void DropObjects();
  // Moves every morphing object a step towards its look (active while the
  // mouse is over it); stops the timer when all have arrived.
  void MorphStep();
  // Plays each animation towards the look its object should have now: a
  // caption's while its window is active, a button's while it is hot.
  void PlayAnimations();
  void TrackMouse();
  void ShowObjectHintNow();
  void AlphaStep();

  // Sizing and dragging by hand (SkinFormSizing.cpp), where the window
  // system cannot do it: true when the press starts one.
  bool StartSizing(const QPoint& windowPoint, const QPoint& globalPos);
  void StartDragging(const QPoint& globalPos);
  // Follows the mouse while sizing or dragging; false when neither runs.
  bool FollowSizingOrDragging(const QPoint& globalPos);
  // Ends sizing or dragging; false when neither ran.
  bool EndSizingOrDragging();
  void ShowSizingCursor(const QPoint& windowPoint);
  void SizeBy(const QPoint& globalPos);

  // Opens the system menu below the caption's left end (Alt+Space).
  void ShowSystemMenuFromKeyboard();
  // The usual word for a caption button's command.
  QString DefaultCommandHint(TbsStdCommand command) const;

  TForm* FForm;
  QPointer<TbsSkinData> FSkinData;
  TbsBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize | biRollUp;
  bool FHideCaptionButtons = false;
  TbsStdCommand FHotButton = TbsStdCommand::cmDefault;
  TbsStdCommand FPressedButton = TbsStdCommand::cmDefault;
  std::vector<TbsFrameObject> FObjects;
  std::vector<std::unique_ptr<TbsFrameAnimation>> FAnimations;  // one per object, null without frames
  int FHotObject = -1;
  int FPressedObject = -1;
  QRegion FRegion;
  QSize FLayoutSize;
  QTimer* FMorphTimer;
  QTimer* FTrackTimer;  // watches for the mouse leaving the hot object
  QTimer* FHintTimer;   // the pause before an object's hint shows
  QTimer* FAlphaTimer;  // raises the opacity after the window is shown
  int FAlpha = 255;
  bool FSizeable = false;
  Qt::Edges FSizingEdges;   // being sized by hand (the window system could not)
  QRect FSizingStart;       // the window's geometry when sizing began
  QPoint FSizingPress;      // the mouse's screen position then
  bool FRolledUp = false;
  int FRestoreHeight = 0;
  QPointer<TbsSkinPopupMenu> FSysMenu;
  bool FDragging = false;
  QPoint FDragOffset;
};

// What a frame shows besides its skin, as the windows set it up.
struct TbsFrameShows {
  bool Icon = false;         // the window's icon as the system-menu button
  bool ObjectHints = false;  // the skin objects' hints over the caption buttons
};

// The frame as the windows set it up: skin data (also for its menus),
// border icons, icon and object hints; no default hints, no default system
// menu.
TbsSkinForm* CreateSkinFrame(TForm* form, TbsSkinData* data, TbsBorderIcons icons, TbsFrameShows shows);
