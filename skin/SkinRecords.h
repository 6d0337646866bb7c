#pragma once
// The records of a loaded skin: one object record per "SKINOBJECTS" entry
// (frame buttons, caption, menu items) and one control record per
// "SKINCONTROLS" entry (the looks of the skinned controls), plus the frame,
// popup window, hint window and colour records.
//
// Every record loads the same way: from the section named by its IDName
// (the fixed section for the frame, popup, hint and colour records) it reads
// its base's keys, then its own, in the order of its key table
// (SkinRecords.cpp). A key the section lacks leaves its field at the value
// the class below gives it: that is the one place each default stands.
// Records are loaded once, when they are made. Consumers find a record by
// name in the skin data and test its class with dynamic_cast before they use
// it.
#include "skin/SkinRecordTypes.h"

#include <memory>

// An object or control record: its name, and its keys read from the
// section of that name.
class TbsDataSkinRecord {
public:
  explicit TbsDataSkinRecord(QString idName) : IDName(std::move(idName)) {}
  virtual ~TbsDataSkinRecord() = default;
  virtual void LoadFromIni(const TbsIniTable& ini) = 0;

  QString IDName;
};

// --- Object records -------------------------------------------------------

class TbsDataSkinObject : public TbsDataSkinRecord {
public:
  using TbsDataSkinRecord::TbsDataSkinRecord;
  void LoadFromIni(const TbsIniTable& ini) override;

  QString Hint;
  int ActivePictureIndex = -1;
  bool SkinRectInAPicture = false;  // true: SkinRect lies in the active picture
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
  bool Morphing = false;
  TbsMorphKind MorphKind = TbsMorphKind::mkDefault;
};

class TbsDataUserObject : public TbsDataSkinObject {
public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void LoadFromIni(const TbsIniTable& ini) override;
};

class TbsDataSkinButton : public TbsDataSkinObject {
public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect DownRect, DisableSkinRect;
};

class TbsDataSkinStdButton : public TbsDataSkinButton {
public:
  using TbsDataSkinButton::TbsDataSkinButton;
  void LoadFromIni(const TbsIniTable& ini) override;
  TbsStdCommand Command = TbsStdCommand::cmDefault;
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinButton {
public:
  using TbsDataSkinButton::TbsDataSkinButton;
};

class TbsDataSkinCaption : public TbsDataSkinObject {
public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect TextRect;
  TbsDataSkinFont Font;
  TColor ActiveFontColor = 0;
  TAlignment Alignment = TAlignment::taCenter;
  bool Light = false;
  TColor LightColor = 0, ActiveLightColor = 0;
  bool Shadow = false;
  TColor ShadowColor = 0, ActiveShadowColor = 0;
  TRect FrameRect, ActiveFrameRect, FrameTextRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0, AnimateInterval = 25;
  bool InActiveAnimation = false, FullFrame = false;
};

class TbsDataSkinMenuItem : public TbsDataSkinObject {
public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void LoadFromIni(const TbsIniTable& ini) override;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect DividerRect;
  int DividerLeftOffset = 0, DividerRightOffset = 0;
  TRect TextRect, ImageRect;
  TbsDataSkinFont Font;
  TColor ActiveFontColor = 0, UnEnabledFontColor = 0;
  bool StretchEffect = false, InActiveStretchEffect = false, DividerStretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0, AnimateInterval = 25;
  bool InActiveAnimation = false, UseImageColor = false;
  TColor ImageColor = 0, ActiveImageColor = 0;
};

class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
public:
  using TbsDataSkinObject::TbsDataSkinObject;
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
public:
  using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
  void LoadFromIni(const TbsIniTable& ini) override;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect DownRect, TextRect;
  TbsDataSkinFont Font;
  TColor ActiveFontColor = 0, DownFontColor = 0, UnEnabledFontColor = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0, AnimateInterval = 25;
  bool InActiveAnimation = false;
};

class TbsDataSkinAnimate : public TbsDataSkinObject {
public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void LoadFromIni(const TbsIniTable& ini) override;  // Morphing is always off afterwards
  int CountFrames = 1;
  bool Cycle = false, ButtonStyle = false;
  int TimerInterval = 50;
  TbsStdCommand Command = TbsStdCommand::cmDefault;
  TRect DownSkinRect, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
};

// --- Control records ------------------------------------------------------

class TbsDataSkinControl : public TbsDataSkinRecord {
public:
  using TbsDataSkinRecord::TbsDataSkinRecord;
  void LoadFromIni(const TbsIniTable& ini) override;

  int PictureIndex = -1, MaskPictureIndex = -1;
  TRect SkinRect;
};

class TbsDataSkinCustomControl : public TbsDataSkinControl {
public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  QPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  TRect ClientRect;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  bool StretchEffect = false;
};

class TbsDataSkinButtonControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TbsDataSkinFont Font;
  TColor ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
  TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect;
  bool Morphing = false;
  TbsMorphKind MorphKind = TbsMorphKind::mkDefault;
  TRect AnimateSkinRect;
  int FrameCount = 0, AnimateInterval = 25;
  bool ShowFocus = false;
  TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
  TColor MenuMarkerTransparentColor = 0;
};

class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
public:
  using TbsDataSkinButtonControl::TbsDataSkinButtonControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect TrackButtonRect;
};

class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect ActiveSkinRect;
  TbsDataSkinFont Font;
  TColor DisabledFontColor = 0, ActiveFontColor = 0;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
};

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
public:
  using TbsDataSkinEditControl::TbsDataSkinEditControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TColor BGColor = 0, ActiveBGColor = 0;
};

class TbsDataSkinComboBox : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect ActiveSkinRect, ItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;
  TbsDataSkinFont Font;
  TColor FocusFontColor = 0, ActiveFontColor = 0;
  QString ListBoxName;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
  bool ItemStretchEffect = false, FocusItemStretchEffect = false, ShowFocus = false;
};

class TbsDataSkinListBox : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect ItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;
  TbsDataSkinFont Font;
  TColor ActiveFontColor = 0, FocusFontColor = 0;
  TRect CaptionRect;
  TbsDataSkinFont CaptionFont;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
  QString VScrollBarName = QStringLiteral("vscrollbar");
  QString HScrollBarName = QStringLiteral("hscrollbar");
  QString BothScrollBarName = QStringLiteral("bothhscrollbar");
  bool ShowFocus = false;
};

class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
public:
  using TbsDataSkinListBox::TbsDataSkinListBox;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect ItemCheckRect, CheckImageRect, UnCheckImageRect;
};

class TbsDataSkinStdLabelControl : public TbsDataSkinControl {
public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TbsDataSkinFont Font;
  TColor ActiveFontColor = 16711680;  // pure blue
};

class TbsDataSkinLabelControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TbsDataSkinFont Font;
};

class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  int BGPictureIndex = -1;
  TRect CaptionRect;
  TAlignment Alignment = TAlignment::taCenter;
  TbsDataSkinFont Font;
  TRect CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect, FrameTextRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = 0;
};

class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect RollHSkinRect, RollVSkinRect;
  int RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
  TRect RollVCaptionRect, RollHCaptionRect;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
  TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
  TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
  TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
  TRect CaptionRect;
  TbsDataSkinFont Font;
};

class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TbsDataSkinFont Font;
  TColor ActiveFontColor = 0, UnEnabledFontColor = 0, FrameFontColor = 0;
  TRect ActiveSkinRect, CheckImageArea, TextArea;
  TRect CheckImageRect, UnCheckImageRect, ActiveCheckImageRect, ActiveUnCheckImageRect;
  TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect;
  bool Morphing = false;
  TbsMorphKind MorphKind = TbsMorphKind::mkDefault;
};

class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect ActiveSkinRect;
  TbsDataSkinFont Font;
  TColor ActiveFontColor = 0, DisabledFontColor = 0;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};

class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;  // corner points and client rect end up zero
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};

class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect TrackArea;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect ThumbRect, ActiveThumbRect, DownThumbRect;
  int ThumbOffset1 = 0, ThumbOffset2 = 0;
  bool ThumbTransparent = false;
  TColor ThumbTransparentColor = 0;
  TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
};

class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect TrackArea, ButtonRect, ActiveButtonRect;
  bool Vertical = false, ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;
};

class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = 0;
};

class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect ProgressArea, ProgressRect;
  int BeginOffset = 0, EndOffset = 0;
  bool Vertical = false;
  TbsDataSkinFont Font;
  bool ProgressTransparent = false;
  TColor ProgressTransparentColor = 0;
  bool ProgressStretch = false;
};

class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  int BGPictureIndex = -1;
};

class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect ItemRect;
  int BGPictureIndex = -1;
  TRect HGripRect, VGripRect;
  int GripOffset1 = 0, GripOffset2 = 0;
};

class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect ItemsRect;
  QString MenuBarItem, CloseButton, MinButton, MaxButton, SysMenuButton;
  TColor TrackMarkColor = 0, TrackMarkActiveColor = 0;
};

class TbsDataSkinSlider : public TbsDataSkinControl {
public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TColor BGColor = 0;
  TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
  int EdgeSize = 0;
  TColor PointsColor = 0;
};

class TbsDataSkinBevel : public TbsDataSkinControl {
public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TColor LightColor = 0, DarkColor = 0;
};

// Tree view, list view and rich edit read the same keys.
class TbsDataSkinTextView : public TbsDataSkinControl {
public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TbsDataSkinFont Font;
  TColor BGColor = 0;
};
class TbsDataSkinTreeView : public TbsDataSkinTextView {
public:
  using TbsDataSkinTextView::TbsDataSkinTextView;
};
class TbsDataSkinListView : public TbsDataSkinTextView {
public:
  using TbsDataSkinTextView::TbsDataSkinTextView;
};
class TbsDataSkinRichEdit : public TbsDataSkinTextView {
public:
  using TbsDataSkinTextView::TbsDataSkinTextView;
};

class TbsDataSkinTabControl : public TbsDataSkinControl {
public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, ClientRect;
  int BGPictureIndex = -1;
  QPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  int TabLeftOffset = 0, TabRightOffset = 0;
  TRect TabsBGRect;
  bool TabStretchEffect = false;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  TbsDataSkinFont Font;
  TColor ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
  QString UpDown;
  bool ShowFocus = false;
  int FocusOffsetX = 0, FocusOffsetY = 0;
};

class TbsDataSkinGridControl : public TbsDataSkinControl {
public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void LoadFromIni(const TbsIniTable& ini) override;
  TRect FixedCellRect, SelectCellRect, FocusCellRect;
  int FixedCellLeftOffset = 0, FixedCellRightOffset = 0;
  TRect FixedCellTextRect;
  int CellLeftOffset = 0, CellRightOffset = 0;
  TRect CellTextRect;
  TColor LinesColor = 0, BGColor = 0;
  TbsDataSkinFont Font;
  TColor SelectFontColor = 0, FocusFontColor = 0;
  TbsDataSkinFont FixedFont;
  bool CellStretchEffect = false, FixedCellStretchEffect = false, ShowFocus = false;
};

// --- Frame, popup window, hint window and colours -------------------------

struct TbsDataSkinFormInfo {
  QPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  TRect ClientRect;
  int BGPictureIndex = -1, MDIBGPictureIndex = -1;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  TRect MaskRectArea;
  QPoint HitTestLeftTopPoint, HitTestRightTopPoint, HitTestLeftBottomPoint, HitTestRightBottomPoint;
  TRect ButtonsRect, CaptionRect;
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false, MainMenuPopupUp = false;
  int BorderWidth = 0, FormMinWidth = 0;
  bool AutoRenderingInActiveImage = false;
  TbsInactiveEffect InActiveEffect = TbsInactiveEffect::ieBrightness;

  // Reads "FORMINFO"; `hasMask` (a mask picture is named) enables the mask
  // area and hit-test adjustments, then the corner points are clamped into
  // the client rectangle.
  void LoadFromIni(const TbsIniTable& ini, bool hasMask);
};

struct TbsDataSkinPopupWindow {
  int WindowPictureIndex = -1, MaskPictureIndex = -1;
  QPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  TRect ItemsRect;
  TColor ScrollMarkerColor = 0, ScrollMarkerActiveColor = 0;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  void LoadFromIni(const TbsIniTable& ini);
};

struct TbsDataSkinHintWindow {
  int WindowPictureIndex = -1, MaskPictureIndex = -1;
  QPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  TRect ClientRect;
  TbsDataSkinFont Font;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  void LoadFromIni(const TbsIniTable& ini);
};

// Eight colours that stand in for system colours.
struct TbsDataSkinColors {
  TColor cBtnFace = clBtnFace, cBtnText = clBtnText, cWindow = clWindow, cWindowText = clWindowText;
  TColor cHighLight = clHighlight, cHighLightText = clHighlightText;
  TColor cBtnHighLight = clBtnHighlight, cBtnShadow = clBtnShadow;
  void LoadFromIni(const TbsIniTable& ini);
  void SetDefaults() { *this = TbsDataSkinColors(); }
};

// A new record for a type word of "SKINOBJECTS" / "SKINCONTROLS", or null
// for a word that names no record class (exact comparison).
std::unique_ptr<TbsDataSkinObject> CreateObjectRecord(const QString& type, const QString& name);
std::unique_ptr<TbsDataSkinControl> CreateControlRecord(const QString& type, const QString& name);
