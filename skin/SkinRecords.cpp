// Key tables of the skin records: one table per record class, in reading
// order. A class reads its base's table first (LoadFromIni calls the base),
// then its own; the counts are checked here so that a row lost in editing
// shows at compile time.
#include "skin/SkinRecords.h"

#include <functional>

namespace {
constexpr auto kMorph = TbsMorphKind::mkDefault;
constexpr auto kCmDefault = TbsStdCommand::cmDefault;
constexpr auto kCenter = TAlignment::taCenter;

template <class C, std::size_t N>
void Load(const TbsIniTable& ini, const QString& section, const TKeyRow<C> (&rows)[N], C& target) {
  ReadKeys<C>(ini, section, std::span<const TKeyRow<C>>(rows, N), target);
}
}  // namespace

// --- Objects --------------------------------------------------------------

namespace {
using O = TbsDataSkinObject;
constexpr TKeyRow<O> kObjectKeys[] = {
    {"hint", &O::Hint, nullptr},           {"activepictureindex", &O::ActivePictureIndex, -1},
    {"skinrectinapicture", &O::SkinRectInAPicture}, {"skinrect", &O::SkinRect},
    {"activeskinrect", &O::ActiveSkinRect}, {"inactiveskinrect", &O::InActiveSkinRect},
    {"morphing", &O::Morphing},            {"morphkind", &O::MorphKind, kMorph},
};
static_assert(std::size(kObjectKeys) == 8);

using UO = TbsDataUserObject;
constexpr TKeyRow<UO> kUserObjectKeys[] = {{"skinrect", &UO::SkinRect}};
static_assert(std::size(kUserObjectKeys) == 1);

using B = TbsDataSkinButton;
constexpr TKeyRow<B> kButtonKeys[] = {{"downrect", &B::DownRect}, {"disableskinrsect", &B::DisableSkinRect}};
static_assert(std::size(kButtonKeys) == 2);

using SB = TbsDataSkinStdButton;
constexpr TKeyRow<SB> kStdButtonKeys[] = {
    {"command", &SB::Command, kCmDefault},  {"restorerect", &SB::RestoreRect},
    {"restoreactiverect", &SB::RestoreActiveRect}, {"restoredownrect", &SB::RestoreDownRect},
    {"restoreinactiverect", &SB::RestoreInActiveRect},
};
static_assert(std::size(kStdButtonKeys) == 5);

using CA = TbsDataSkinCaption;
constexpr TKeyRow<CA> kCaptionKeys[] = {
    {"textrect", &CA::TextRect},
    {"fontname", &CA::FontName, "Arial"},
    {"fontheight", &CA::FontHeight, 14},
    {"fontstyle", &CA::FontStyle},
    {"fontcolor", &CA::FontColor},
    {"activefontcolor", &CA::ActiveFontColor},
    {"alignment", &CA::Alignment, kCenter},
    {"light", &CA::Light},
    {"lightcolor", &CA::LightColor},
    {"activelightcolor", &CA::ActiveLightColor},
    {"shadow", &CA::Shadow},
    {"shadowcolor", &CA::ShadowColor},
    {"activeshadowcolor", &CA::ActiveShadowColor},
    {"framerect", &CA::FrameRect},
    {"activeframerect", &CA::ActiveFrameRect},
    {"frametextrect", &CA::FrameTextRect},
    {"frameleftoffset", &CA::FrameLeftOffset},
    {"framerightoffset", &CA::FrameRightOffset},
    {"stretcheffect", &CA::StretchEffect},
    {"animateskinrect", &CA::AnimateSkinRect},
    {"framecount", &CA::FrameCount, 0},
    {"animateinterval", &CA::AnimateInterval, 25},
    {"inactiveanimation", &CA::InActiveAnimation},
    {"fullframe", &CA::FullFrame},
};
static_assert(std::size(kCaptionKeys) == 24);

using MI = TbsDataSkinMenuItem;
constexpr TKeyRow<MI> kMenuItemKeys[] = {
    {"itemleftoffset", &MI::ItemLeftOffset},
    {"itemrightoffset", &MI::ItemRightOffset},
    {"dividerrect", &MI::DividerRect},
    {"dividerleftoffset", &MI::DividerLeftOffset},
    {"dividerrightoffset", &MI::DividerRightOffset},
    {"textrect", &MI::TextRect},
    {"imagerect", &MI::ImageRect},
    {"fontname", &MI::FontName, "Arial"},
    {"fontheight", &MI::FontHeight, 14},
    {"fontstyle", &MI::FontStyle},
    {"fontcolor", &MI::FontColor},
    {"activefontcolor", &MI::ActiveFontColor},
    {"unenabledfontcolor", &MI::UnEnabledFontColor},
    {"stretcheffect", &MI::StretchEffect},
    {"inactivestretcheffect", &MI::InActiveStretchEffect},
    {"dividerstretcheffect", &MI::DividerStretchEffect},
    {"animateskinrect", &MI::AnimateSkinRect},
    {"framecount", &MI::FrameCount},
    {"animateinterval", &MI::AnimateInterval, 25},
    {"inactiveanimation", &MI::InActiveAnimation},
    {"useimagecolor", &MI::UseImageColor},
    {"imagecolor", &MI::ImageColor},
    {"activeimagecolor", &MI::ActiveImageColor},
};
static_assert(std::size(kMenuItemKeys) == 23);

using MB = TbsDataSkinMainMenuBarItem;
constexpr TKeyRow<MB> kMainMenuBarItemKeys[] = {
    {"itemleftoffset", &MB::ItemLeftOffset},
    {"itemrightoffset", &MB::ItemRightOffset},
    {"downrect", &MB::DownRect},
    {"textrect", &MB::TextRect},
    {"fontname", &MB::FontName, "Arial"},
    {"fontheight", &MB::FontHeight, 14},
    {"fontstyle", &MB::FontStyle},
    {"fontcolor", &MB::FontColor},
    {"activefontcolor", &MB::ActiveFontColor},
    {"downfontcolor", &MB::DownFontColor},
    {"unenabledfontColor", &MB::UnEnabledFontColor},
    {"stretcheffect", &MB::StretchEffect},
    {"animateskinrect", &MB::AnimateSkinRect},
    {"framecount", &MB::FrameCount},
    {"animateinterval", &MB::AnimateInterval, 25},
    {"inactiveanimation", &MB::InActiveAnimation},
};
static_assert(std::size(kMainMenuBarItemKeys) == 16);

using AN = TbsDataSkinAnimate;
constexpr TKeyRow<AN> kAnimateKeys[] = {
    {"countframes", &AN::CountFrames, 1},
    {"cycle", &AN::Cycle},
    {"buttonstyle", &AN::ButtonStyle},
    {"timerinterval", &AN::TimerInterval, 50},
    {"command", &AN::Command, kCmDefault},
    {"downskinrect", &AN::DownSkinRect},
    {"restorerect", &AN::RestoreRect},
    {"restoreactiverect", &AN::RestoreActiveRect},
    {"restoredownrect", &AN::RestoreDownRect},
    {"restoreinactiverect", &AN::RestoreInActiveRect},
};
static_assert(std::size(kAnimateKeys) == 10);
}  // namespace

void TbsDataSkinObject::LoadFromIni(const TbsIniTable& ini) { Load(ini, IDName, kObjectKeys, *this); }
void TbsDataUserObject::LoadFromIni(const TbsIniTable& ini) {
  TbsDataSkinObject::LoadFromIni(ini);
  Load(ini, IDName, kUserObjectKeys, *this);
}
void TbsDataSkinButton::LoadFromIni(const TbsIniTable& ini) {
  TbsDataSkinObject::LoadFromIni(ini);
  Load(ini, IDName, kButtonKeys, *this);
}
void TbsDataSkinStdButton::LoadFromIni(const TbsIniTable& ini) {
  TbsDataSkinButton::LoadFromIni(ini);
  Load(ini, IDName, kStdButtonKeys, *this);
}
void TbsDataSkinCaption::LoadFromIni(const TbsIniTable& ini) {
  TbsDataSkinObject::LoadFromIni(ini);
  Load(ini, IDName, kCaptionKeys, *this);
}
void TbsDataSkinMenuItem::LoadFromIni(const TbsIniTable& ini) {
  TbsDataSkinObject::LoadFromIni(ini);
  Load(ini, IDName, kMenuItemKeys, *this);
}
void TbsDataSkinMainMenuBarItem::LoadFromIni(const TbsIniTable& ini) {
  TbsDataSkinMainMenuItem::LoadFromIni(ini);
  Load(ini, IDName, kMainMenuBarItemKeys, *this);
}
void TbsDataSkinAnimate::LoadFromIni(const TbsIniTable& ini) {
  TbsDataSkinObject::LoadFromIni(ini);
  Load(ini, IDName, kAnimateKeys, *this);
  Morphing = false;
}

// --- Controls -------------------------------------------------------------

namespace {
using CT = TbsDataSkinControl;
constexpr TKeyRow<CT> kControlKeys[] = {
    {"pictureindex", &CT::PictureIndex, -1}, {"maskpictureindex", &CT::MaskPictureIndex, -1},
    {"skinrect", &CT::SkinRect}};
static_assert(std::size(kControlKeys) == 3);

using CC = TbsDataSkinCustomControl;
constexpr TKeyRow<CC> kCustomControlKeys[] = {
    {"lefttoppoint", &CC::LeftTopPoint},       {"righttoppoint", &CC::RightTopPoint},
    {"leftbottompoint", &CC::LeftBottomPoint}, {"rightbottompoint", &CC::RightBottomPoint},
    {"clientrect", &CC::ClientRect},           {"leftstretch", &CC::LeftStretch},
    {"topstretch", &CC::TopStretch},           {"rightstretch", &CC::RightStretch},
    {"bottomstretch", &CC::BottomStretch},     {"stretcheffect", &CC::StretchEffect},
};
static_assert(std::size(kCustomControlKeys) == 10);

using BC = TbsDataSkinButtonControl;
constexpr TKeyRow<BC> kButtonControlKeys[] = {
    {"fontname", &BC::FontName, "Arial"},
    {"fontheight", &BC::FontHeight, 14},
    {"fontstyle", &BC::FontStyle},
    {"fontcolor", &BC::FontColor},
    {"activefontcolor", &BC::ActiveFontColor},
    {"downfontcolor", &BC::DownFontColor},
    {"disabledfontcolor", &BC::DisabledFontColor},
    {"activeskinrect", &BC::ActiveSkinRect},
    {"downskinrect", &BC::DownSkinRect},
    {"disabledskinrect", &BC::DisabledSkinRect},
    {"morphing", &BC::Morphing},
    {"morphkind", &BC::MorphKind, kMorph},
    {"animateskinrect", &BC::AnimateSkinRect},
    {"framecount", &BC::FrameCount},
    {"animateinterval", &BC::AnimateInterval, 25},
    {"showfocus", &BC::ShowFocus},
    {"menumarkerflatrect", &BC::MenuMarkerFlatRect},
    {"menumarkerrect", &BC::MenuMarkerRect},
    {"menumarkeractiverect", &BC::MenuMarkerActiveRect},
    {"menumarkerdownrect", &BC::MenuMarkerDownRect},
    {"menumarkertransparentcolor", &BC::MenuMarkerTransparentColor},
};
static_assert(std::size(kButtonControlKeys) == 21);

using MBC = TbsDataSkinMenuButtonControl;
constexpr TKeyRow<MBC> kMenuButtonKeys[] = {{"trackbuttonrect", &MBC::TrackButtonRect}};
static_assert(std::size(kMenuButtonKeys) == 1);

using ED = TbsDataSkinEditControl;
constexpr TKeyRow<ED> kEditKeys[] = {
    {"activeskinrect", &ED::ActiveSkinRect},
    {"fontname", &ED::FontName, "Arial"},
    {"fontheight", &ED::FontHeight, 14},
    {"fontstyle", &ED::FontStyle},
    {"fontcolor", &ED::FontColor},
    {"disabledfontcolor", &ED::DisabledFontColor},
    {"activefontcolor", &ED::ActiveFontColor},
    {"buttonrect", &ED::ButtonRect},
    {"activebuttonrect", &ED::ActiveButtonRect},
    {"downbuttonrect", &ED::DownButtonRect},
    {"unenabledbuttonrect", &ED::UnEnabledButtonRect},
};
static_assert(std::size(kEditKeys) == 11);

using ME = TbsDataSkinMemoControl;
constexpr TKeyRow<ME> kMemoKeys[] = {{"bgcolor", &ME::BGColor}, {"activebgcolor", &ME::ActiveBGColor}};
static_assert(std::size(kMemoKeys) == 2);

using CB = TbsDataSkinComboBox;
constexpr TKeyRow<CB> kComboBoxKeys[] = {
    {"activeskinrect", &CB::ActiveSkinRect},
    {"itemrect", &CB::ItemRect},
    {"activeitemrect", &CB::ActiveItemRect},
    {"focusitemrect", &CB::FocusItemRect},
    {"itemleftoffset", &CB::ItemLeftOffset},
    {"itemrightoffset", &CB::ItemRightOffset},
    {"itemtextrect", &CB::ItemTextRect},
    {"fontname", &CB::FontName, "Arial"},
    {"fontheight", &CB::FontHeight, 14},
    {"fontstyle", &CB::FontStyle},
    {"fontcolor", &CB::FontColor},
    {"focusfontcolor", &CB::FocusFontColor},
    {"activefontcolor", &CB::ActiveFontColor},
    {"listboxname", &CB::ListBoxName, nullptr},
    {"buttonrect", &CB::ButtonRect},
    {"activebuttonrect", &CB::ActiveButtonRect},
    {"downbuttonrect", &CB::DownButtonRect},
    {"unenabledbuttonrect", &CB::UnEnabledButtonRect},
    {"itemstretcheffect", &CB::ItemStretchEffect},
    {"focusitemstretcheffect", &CB::FocusItemStretchEffect},
    {"showfocus", &CB::ShowFocus},
};
static_assert(std::size(kComboBoxKeys) == 21);

using LB = TbsDataSkinListBox;
constexpr TKeyRow<LB> kListBoxKeys[] = {
    {"itemrect", &LB::ItemRect},
    {"activeitemrect", &LB::ActiveItemRect},
    {"focusitemrect", &LB::FocusItemRect},
    {"itemleftoffset", &LB::ItemLeftOffset},
    {"itemrightoffset", &LB::ItemRightOffset},
    {"itemtextrect", &LB::ItemTextRect},
    {"fontname", &LB::FontName, "Arial"},
    {"fontheight", &LB::FontHeight, 14},
    {"fontstyle", &LB::FontStyle},
    {"fontcolor", &LB::FontColor},
    {"activefontcolor", &LB::ActiveFontColor},
    {"focusfontcolor", &LB::FocusFontColor},
    {"captionrect", &LB::CaptionRect},
    {"captionfontname", &LB::CaptionFontName, "Arial"},
    {"captionfontheight", &LB::CaptionFontHeight, 14},
    {"captionfontstyle", &LB::CaptionFontStyle},
    {"captionfontcolor", &LB::CaptionFontColor},
    {"upbuttonrect", &LB::UpButtonRect},
    {"activeupbuttonrect", &LB::ActiveUpButtonRect},
    {"downupbuttonrect", &LB::DownUpButtonRect},
    {"downbuttonrect", &LB::DownButtonRect},
    {"activedownbuttonrect", &LB::ActiveDownButtonRect},
    {"downdownbuttonrect", &LB::DownDownButtonRect},
    {"checkbuttonrect", &LB::CheckButtonRect},
    {"activecheckbuttonrect", &LB::ActiveCheckButtonRect},
    {"downcheckbuttonrect", &LB::DownCheckButtonRect},
    {"vscrollbarname", &LB::VScrollBarName, "vscrollbar"},
    {"hscrollbarname", &LB::HScrollBarName, "hscrollbar"},
    {"bothhscrollbarname", &LB::BothScrollBarName, "bothhscrollbar"},
    {"showfocus", &LB::ShowFocus},
};
static_assert(std::size(kListBoxKeys) == 30);

using CL = TbsDataSkinCheckListBox;
constexpr TKeyRow<CL> kCheckListBoxKeys[] = {
    {"itemcheckrect", &CL::ItemCheckRect}, {"checkimagerect", &CL::CheckImageRect},
    {"uncheckimagerect", &CL::UnCheckImageRect}};
static_assert(std::size(kCheckListBoxKeys) == 3);

using SL = TbsDataSkinStdLabelControl;
constexpr TKeyRow<SL> kStdLabelKeys[] = {
    {"fontname", &SL::FontName, "Arial"}, {"fontheight", &SL::FontHeight, 14}, {"fontstyle", &SL::FontStyle},
    {"fontcolor", &SL::FontColor},        {"activefontcolor", &SL::ActiveFontColor, 16711680}};
static_assert(std::size(kStdLabelKeys) == 5);

using LA = TbsDataSkinLabelControl;
constexpr TKeyRow<LA> kLabelKeys[] = {
    {"fontname", &LA::FontName, "Arial"}, {"fontheight", &LA::FontHeight, 14}, {"fontstyle", &LA::FontStyle},
    {"fontcolor", &LA::FontColor}};
static_assert(std::size(kLabelKeys) == 4);

using PA = TbsDataSkinPanelControl;
constexpr TKeyRow<PA> kPanelKeys[] = {
    {"bgpictureindex", &PA::BGPictureIndex, -1},
    {"captionrect", &PA::CaptionRect},
    {"alignment", &PA::Alignment, kCenter},
    {"fontname", &PA::FontName, "Arial"},
    {"fontheight", &PA::FontHeight, 14},
    {"fontstyle", &PA::FontStyle},
    {"fontcolor", &PA::FontColor},
    {"checkimagerect", &PA::CheckImageRect},
    {"uncheckimagerect", &PA::UnCheckImageRect},
    {"markframerect", &PA::MarkFrameRect},
    {"framerect", &PA::FrameRect},
    {"frametextrect", &PA::FrameTextRect},
    {"frameleftoffset", &PA::FrameLeftOffset},
    {"framerightoffset", &PA::FrameRightOffset},
    {"gripperrect", &PA::GripperRect},
    {"grippertransparent", &PA::GripperTransparent},
    {"grippertransparentcolor", &PA::GripperTransparentColor},
};
static_assert(std::size(kPanelKeys) == 17);

using CR = TbsDataSkinCheckRadioControl;
constexpr TKeyRow<CR> kCheckRadioKeys[] = {
    {"fontname", &CR::FontName, "Arial"},
    {"fontheight", &CR::FontHeight, 14},
    {"fontstyle", &CR::FontStyle},
    {"fontcolor", &CR::FontColor},
    {"activefontcolor", &CR::ActiveFontColor},
    {"unenabledfontcolor", &CR::UnEnabledFontColor},
    {"framefontcolor", &CR::FrameFontColor},
    {"activeskinrect", &CR::ActiveSkinRect},
    {"checkimagearea", &CR::CheckImageArea},
    {"textarea", &CR::TextArea},
    {"checkimagerect", &CR::CheckImageRect},
    {"uncheckimagerect", &CR::UnCheckImageRect},
    {"activecheckimagerect", &CR::ActiveCheckImageRect},
    {"activeuncheckimagerect", &CR::ActiveUnCheckImageRect},
    {"unenabledcheckimagerect", &CR::UnEnabledCheckImageRect},
    {"unenableduncheckimagerect", &CR::UnEnabledUnCheckImageRect},
    {"morphing", &CR::Morphing},
    {"morphkind", &CR::MorphKind, kMorph},
};
static_assert(std::size(kCheckRadioKeys) == 18);

using SE = TbsDataSkinSpinEditControl;
constexpr TKeyRow<SE> kSpinEditKeys[] = {
    {"activeskinrect", &SE::ActiveSkinRect},
    {"fontname", &SE::FontName, "Arial"},
    {"fontheight", &SE::FontHeight, 14},
    {"fontstyle", &SE::FontStyle},
    {"fontcolor", &SE::FontColor},
    {"activefontcolor", &SE::ActiveFontColor},
    {"disabledfontcolor", &SE::DisabledFontColor},
    {"upbuttonrect", &SE::UpButtonRect},
    {"activeupbuttonrect", &SE::ActiveUpButtonRect},
    {"downupbuttonrect", &SE::DownUpButtonRect},
    {"downbuttonrect", &SE::DownButtonRect},
    {"activedownbuttonrect", &SE::ActiveDownButtonRect},
    {"downdownbuttonrect", &SE::DownDownButtonRect},
};
static_assert(std::size(kSpinEditKeys) == 13);

using UD = TbsDataSkinUpDownControl;
constexpr TKeyRow<UD> kUpDownKeys[] = {
    {"upbuttonrect", &UD::UpButtonRect},         {"activeupbuttonrect", &UD::ActiveUpButtonRect},
    {"downupbuttonrect", &UD::DownUpButtonRect}, {"downbuttonrect", &UD::DownButtonRect},
    {"activedownbuttonrect", &UD::ActiveDownButtonRect}, {"downdownbuttonrect", &UD::DownDownButtonRect},
};
static_assert(std::size(kUpDownKeys) == 6);

using SC = TbsDataSkinScrollBarControl;
constexpr TKeyRow<SC> kScrollBarKeys[] = {
    {"trackarea", &SC::TrackArea},
    {"upbuttonrect", &SC::UpButtonRect},
    {"activeupbuttonrect", &SC::ActiveUpButtonRect},
    {"downupbuttonrect", &SC::DownUpButtonRect},
    {"downbuttonrect", &SC::DownButtonRect},
    {"activedownbuttonrect", &SC::ActiveDownButtonRect},
    {"downdownbuttonrect", &SC::DownDownButtonRect},
    {"thumbrect", &SC::ThumbRect},
    {"activethumbrect", &SC::ActiveThumbRect},
    {"downthumbrect", &SC::DownThumbRect},
    {"thumboffset1", &SC::ThumbOffset1},
    {"thumboffset2", &SC::ThumbOffset2},
    {"thumbtransparent", &SC::ThumbTransparent},
    {"thumbtransparentcolor", &SC::ThumbTransparentColor},
    {"glyphrect", &SC::GlyphRect},
    {"activeglyphrect", &SC::ActiveGlyphRect},
    {"downglyphrect", &SC::DownGlyphRect},
};
static_assert(std::size(kScrollBarKeys) == 17);

using TB = TbsDataSkinTrackBarControl;
constexpr TKeyRow<TB> kTrackBarKeys[] = {
    {"trackarea", &TB::TrackArea}, {"buttonrect", &TB::ButtonRect},
    {"activebuttonrect", &TB::ActiveButtonRect}, {"vertical", &TB::Vertical},
    {"buttontransparent", &TB::ButtonTransparent}, {"buttontransparentcolor", &TB::ButtonTransparentColor},
};
static_assert(std::size(kTrackBarKeys) == 6);

using SP = TbsDataSkinSplitterControl;
constexpr TKeyRow<SP> kSplitterKeys[] = {
    {"gripperrect", &SP::GripperRect}, {"grippertransparent", &SP::GripperTransparent},
    {"grippertransparentcolor", &SP::GripperTransparentColor}};
static_assert(std::size(kSplitterKeys) == 3);

using GA = TbsDataSkinGaugeControl;
constexpr TKeyRow<GA> kGaugeKeys[] = {
    {"progressarea", &GA::ProgressArea},
    {"progressrect", &GA::ProgressRect},
    {"beginoffset", &GA::BeginOffset},
    {"endoffset", &GA::EndOffset},
    {"vertical", &GA::Vertical},
    {"fontname", &GA::FontName, "Arial"},
    {"fontheight", &GA::FontHeight, 14},
    {"fontstyle", &GA::FontStyle},
    {"fontcolor", &GA::FontColor},
    {"progresstransparent", &GA::ProgressTransparent},
    {"progresstransparentcolor", &GA::ProgressTransparentColor},
    {"progressstretch", &GA::ProgressStretch},
};
static_assert(std::size(kGaugeKeys) == 12);

using SX = TbsDataSkinScrollBoxControl;
constexpr TKeyRow<SX> kScrollBoxKeys[] = {{"bgpictureindex", &SX::BGPictureIndex, -1}};
static_assert(std::size(kScrollBoxKeys) == 1);

using XP = TbsDataSkinExPanelControl;
constexpr TKeyRow<XP> kExPanelKeys[] = {
    {"rollhskinrect", &XP::RollHSkinRect},
    {"rollvskinrect", &XP::RollVSkinRect},
    {"rollleftoffset", &XP::RollLeftOffset},
    {"rollrightoffset", &XP::RollRightOffset},
    {"rolltopoffset", &XP::RollTopOffset},
    {"rollbottomoffset", &XP::RollBottomOffset},
    {"rollvcaptionrect", &XP::RollVCaptionRect},
    {"rollhcaptionrect", &XP::RollHCaptionRect},
    {"closebuttonrect", &XP::CloseButtonRect},
    {"closebuttonactiverect", &XP::CloseButtonActiveRect},
    {"closebuttondownrect", &XP::CloseButtonDownRect},
    {"hrollbuttonrect", &XP::HRollButtonRect},
    {"hrollbuttonactiverect", &XP::HRollButtonActiveRect},
    {"hrollbuttondownrect", &XP::HRollButtonDownRect},
    {"hrestorebuttonrect", &XP::HRestoreButtonRect},
    {"hrestorebuttonactiverect", &XP::HRestoreButtonActiveRect},
    {"hrestorebuttondownrect", &XP::HRestoreButtonDownRect},
    {"vrollbuttonrect", &XP::VRollButtonRect},
    {"vrollbuttonactiverect", &XP::VRollButtonActiveRect},
    {"vrollbuttondownrect", &XP::VRollButtonDownRect},
    {"vrestorebuttonrect", &XP::VRestoreButtonRect},
    {"vrestorebuttonactiverect", &XP::VRestoreButtonActiveRect},
    {"vrestorebuttondownrect", &XP::VRestoreButtonDownRect},
    {"captionrect", &XP::CaptionRect},
    {"fontname", &XP::FontName, "Arial"},
    {"fontheight", &XP::FontHeight, 14},
    {"fontstyle", &XP::FontStyle},
    {"fontcolor", &XP::FontColor},
};
static_assert(std::size(kExPanelKeys) == 28);

using CBR = TbsDataSkinControlBar;
constexpr TKeyRow<CBR> kControlBarKeys[] = {
    {"itemrect", &CBR::ItemRect},   {"bgpictureindex", &CBR::BGPictureIndex, -1},
    {"hgriprect", &CBR::HGripRect}, {"vgriprect", &CBR::VGripRect},
    {"gripoffset1", &CBR::GripOffset1}, {"gripoffset2", &CBR::GripOffset2},
};
static_assert(std::size(kControlBarKeys) == 6);

using MM = TbsDataSkinMainMenuBar;
constexpr TKeyRow<MM> kMainMenuBarKeys[] = {
    {"itemsrect", &MM::ItemsRect},
    {"menubaritem", &MM::MenuBarItem, nullptr},
    {"closebutton", &MM::CloseButton, nullptr},
    {"minbutton", &MM::MinButton, nullptr},
    {"maxbutton", &MM::MaxButton, nullptr},
    {"sysmenubutton", &MM::SysMenuButton, nullptr},
    {"trackmarkcolor", &MM::TrackMarkColor},
    {"trackmarkactivecolor", &MM::TrackMarkActiveColor},
};
static_assert(std::size(kMainMenuBarKeys) == 8);

using SD = TbsDataSkinSlider;
constexpr TKeyRow<SD> kSliderKeys[] = {
    {"bgcolor", &SD::BGColor},       {"hrulerrect", &SD::HRulerRect}, {"hthumbrect", &SD::HThumbRect},
    {"vrulerrect", &SD::VRulerRect}, {"vthumbrect", &SD::VThumbRect}, {"edgesize", &SD::EdgeSize},
    {"pointscolor", &SD::PointsColor},
};
static_assert(std::size(kSliderKeys) == 7);

using BV = TbsDataSkinBevel;
constexpr TKeyRow<BV> kBevelKeys[] = {{"lightcolor", &BV::LightColor}, {"darkcolor", &BV::DarkColor}};
static_assert(std::size(kBevelKeys) == 2);

template <class C>
constexpr TKeyRow<C> kTextViewKeys[] = {
    {"fontname", &C::FontName, "Arial"}, {"fontheight", &C::FontHeight, 14}, {"fontstyle", &C::FontStyle},
    {"fontcolor", &C::FontColor},        {"bgcolor", &C::BGColor}};
static_assert(std::size(kTextViewKeys<TbsDataSkinTreeView>) == 5);

using TC = TbsDataSkinTabControl;
constexpr TKeyRow<TC> kTabKeys[] = {
    {"tabrect", &TC::TabRect},
    {"activetabrect", &TC::ActiveTabRect},
    {"focustabrect", &TC::FocusTabRect},
    {"mouseintabrect", &TC::MouseInTabRect},
    {"clientrect", &TC::ClientRect},
    {"bgpictureindex", &TC::BGPictureIndex, -1},
    {"lefttoppoint", &TC::LeftTopPoint},
    {"righttoppoint", &TC::RightTopPoint},
    {"leftbottompoint", &TC::LeftBottomPoint},
    {"rightbottompoint", &TC::RightBottomPoint},
    {"tableftoffset", &TC::TabLeftOffset},
    {"tabrightoffset", &TC::TabRightOffset},
    {"tabsbgrect", &TC::TabsBGRect},
    {"tabstretcheffect", &TC::TabStretchEffect},
    {"leftstretch", &TC::LeftStretch},
    {"topstretch", &TC::TopStretch},
    {"rightstretch", &TC::RightStretch},
    {"bottomstretch", &TC::BottomStretch},
    {"fontname", &TC::FontName, "Arial"},
    {"fontheight", &TC::FontHeight, 14},
    {"fontstyle", &TC::FontStyle},
    {"fontcolor", &TC::FontColor},
    {"activefontcolor", &TC::ActiveFontColor},
    {"focusfontcolor", &TC::FocusFontColor},
    {"mouseinfontcolor", &TC::MouseInFontColor},
    {"updown", &TC::UpDown, nullptr},
    {"showfocus", &TC::ShowFocus},
    {"focusoffsetx", &TC::FocusOffsetX},
    {"focusoffsety", &TC::FocusOffsetY},
};
static_assert(std::size(kTabKeys) == 29);

using GR = TbsDataSkinGridControl;
constexpr TKeyRow<GR> kGridKeys[] = {
    {"fixedcellrect", &GR::FixedCellRect},
    {"selectcellrect", &GR::SelectCellRect},
    {"focuscellrect", &GR::FocusCellRect},
    {"fixedcellleftoffset", &GR::FixedCellLeftOffset},
    {"fixedcellrightoffset", &GR::FixedCellRightOffset},
    {"fixedcelltextrect", &GR::FixedCellTextRect},
    {"cellleftoffset", &GR::CellLeftOffset},
    {"cellrightoffset", &GR::CellRightOffset},
    {"celltextrect", &GR::CellTextRect},
    {"linescolor", &GR::LinesColor},
    {"bgcolor", &GR::BGColor},
    {"fontname", &GR::FontName, "Arial"},
    {"fontheight", &GR::FontHeight, 14},
    {"fontstyle", &GR::FontStyle},
    {"fontcolor", &GR::FontColor},
    {"selectfontcolor", &GR::SelectFontColor},
    {"focusfontcolor", &GR::FocusFontColor},
    {"fixedfontname", &GR::FixedFontName, "Arial"},
    {"fixedfontheight", &GR::FixedFontHeight, 14},
    {"fixedfontstyle", &GR::FixedFontStyle},
    {"fixedfontcolor", &GR::FixedFontColor},
    {"cellstretcheffect", &GR::CellStretchEffect},
    {"fixedcellstretcheffect", &GR::FixedCellStretchEffect},
    {"showfocus", &GR::ShowFocus},
};
static_assert(std::size(kGridKeys) == 24);
}  // namespace

void TbsDataSkinControl::LoadFromIni(const TbsIniTable& ini) { Load(ini, IDName, kControlKeys, *this); }

// Classes that read their base's keys and then one table of their own.
#define BS_LOAD(Class, Base, Table)                        \
  void Class::LoadFromIni(const TbsIniTable& ini) {        \
    Base::LoadFromIni(ini);                                \
    Load(ini, IDName, Table, *this);                       \
  }
BS_LOAD(TbsDataSkinCustomControl, TbsDataSkinControl, kCustomControlKeys)
BS_LOAD(TbsDataSkinButtonControl, TbsDataSkinCustomControl, kButtonControlKeys)
BS_LOAD(TbsDataSkinMenuButtonControl, TbsDataSkinButtonControl, kMenuButtonKeys)
BS_LOAD(TbsDataSkinEditControl, TbsDataSkinCustomControl, kEditKeys)
BS_LOAD(TbsDataSkinMemoControl, TbsDataSkinEditControl, kMemoKeys)
BS_LOAD(TbsDataSkinComboBox, TbsDataSkinCustomControl, kComboBoxKeys)
BS_LOAD(TbsDataSkinListBox, TbsDataSkinCustomControl, kListBoxKeys)
BS_LOAD(TbsDataSkinCheckListBox, TbsDataSkinListBox, kCheckListBoxKeys)
BS_LOAD(TbsDataSkinStdLabelControl, TbsDataSkinControl, kStdLabelKeys)
BS_LOAD(TbsDataSkinLabelControl, TbsDataSkinCustomControl, kLabelKeys)
BS_LOAD(TbsDataSkinPanelControl, TbsDataSkinCustomControl, kPanelKeys)
BS_LOAD(TbsDataSkinCheckRadioControl, TbsDataSkinCustomControl, kCheckRadioKeys)
BS_LOAD(TbsDataSkinSpinEditControl, TbsDataSkinCustomControl, kSpinEditKeys)
BS_LOAD(TbsDataSkinScrollBarControl, TbsDataSkinCustomControl, kScrollBarKeys)
BS_LOAD(TbsDataSkinTrackBarControl, TbsDataSkinCustomControl, kTrackBarKeys)
BS_LOAD(TbsDataSkinSplitterControl, TbsDataSkinCustomControl, kSplitterKeys)
BS_LOAD(TbsDataSkinGaugeControl, TbsDataSkinCustomControl, kGaugeKeys)
BS_LOAD(TbsDataSkinScrollBoxControl, TbsDataSkinCustomControl, kScrollBoxKeys)
BS_LOAD(TbsDataSkinExPanelControl, TbsDataSkinCustomControl, kExPanelKeys)
BS_LOAD(TbsDataSkinControlBar, TbsDataSkinCustomControl, kControlBarKeys)
BS_LOAD(TbsDataSkinMainMenuBar, TbsDataSkinControl, kMainMenuBarKeys)
BS_LOAD(TbsDataSkinSlider, TbsDataSkinControl, kSliderKeys)
BS_LOAD(TbsDataSkinBevel, TbsDataSkinControl, kBevelKeys)
BS_LOAD(TbsDataSkinTreeView, TbsDataSkinControl, kTextViewKeys<TbsDataSkinTreeView>)
BS_LOAD(TbsDataSkinListView, TbsDataSkinControl, kTextViewKeys<TbsDataSkinListView>)
BS_LOAD(TbsDataSkinRichEdit, TbsDataSkinControl, kTextViewKeys<TbsDataSkinRichEdit>)
BS_LOAD(TbsDataSkinTabControl, TbsDataSkinControl, kTabKeys)
BS_LOAD(TbsDataSkinGridControl, TbsDataSkinControl, kGridKeys)
#undef BS_LOAD

void TbsDataSkinUpDownControl::LoadFromIni(const TbsIniTable& ini) {
  TbsDataSkinCustomControl::LoadFromIni(ini);
  Load(ini, IDName, kUpDownKeys, *this);
  LeftTopPoint = RightTopPoint = LeftBottomPoint = RightBottomPoint = QPoint();
  ClientRect = TRect();
}

// --- Frame, popup window, hint window, colours -----------------------------

namespace {
using FI = TbsDataSkinFormInfo;
constexpr TKeyRow<FI> kFormInfoKeys[] = {
    {"lefttoppoint", &FI::LeftTopPoint},
    {"righttoppoint", &FI::RightTopPoint},
    {"leftbottompoint", &FI::LeftBottomPoint},
    {"rightbottompoint", &FI::RightBottomPoint},
    {"clientrect", &FI::ClientRect},
    {"bgpictureindex", &FI::BGPictureIndex, -1},
    {"mdibgpictureindex", &FI::MDIBGPictureIndex, -1},
    {"leftstretch", &FI::LeftStretch},
    {"rightstretch", &FI::RightStretch},
    {"topstretch", &FI::TopStretch},
    {"bottomstretch", &FI::BottomStretch},
    {"maskrectarea", &FI::MaskRectArea},
    {"hittestlefttoppoint", &FI::HitTestLeftTopPoint},
    {"hittestrighttoppoint", &FI::HitTestRightTopPoint},
    {"hittestleftbottompoint", &FI::HitTestLeftBottomPoint},
    {"hittestrightbottompoint", &FI::HitTestRightBottomPoint},
    {"buttonsrect", &FI::ButtonsRect},
    {"captionrect", &FI::CaptionRect},
    {"buttonsoffset", &FI::ButtonsOffset},
    {"buttonsinleft", &FI::ButtonsInLeft},
    {"mainmenupopupup", &FI::MainMenuPopupUp},
    {"borderwidth", &FI::BorderWidth},
    {"formminwidth", &FI::FormMinWidth},
    {"autorenderinginactiveimage", &FI::AutoRenderingInActiveImage},
    {"inactiveeffect", &FI::InActiveEffect, TbsInactiveEffect::ieBrightness},
};
static_assert(std::size(kFormInfoKeys) == 25);

using PW = TbsDataSkinPopupWindow;
constexpr TKeyRow<PW> kPopupKeys[] = {
    {"windowpictureindex", &PW::WindowPictureIndex, -1},
    {"maskpictureindex", &PW::MaskPictureIndex, -1},
    {"lefttoppoint", &PW::LeftTopPoint},
    {"righttoppoint", &PW::RightTopPoint},
    {"leftbottompoint", &PW::LeftBottomPoint},
    {"rightbottompoint", &PW::RightBottomPoint},
    {"itemsrect", &PW::ItemsRect},
    {"scrollmarkercolor", &PW::ScrollMarkerColor},
    {"scrollmarkeractivecolor", &PW::ScrollMarkerActiveColor},
    {"leftstretch", &PW::LeftStretch},
    {"rightstretch", &PW::RightStretch},
    {"topstretch", &PW::TopStretch},
    {"bottomstretch", &PW::BottomStretch},
};
static_assert(std::size(kPopupKeys) == 13);

using HW = TbsDataSkinHintWindow;
constexpr TKeyRow<HW> kHintKeys[] = {
    {"windowpictureindex", &HW::WindowPictureIndex, -1},
    {"maskpictureindex", &HW::MaskPictureIndex, -1},
    {"lefttoppoint", &HW::LeftTopPoint},
    {"righttoppoint", &HW::RightTopPoint},
    {"leftbottompoint", &HW::LeftBottomPoint},
    {"rightbottompoint", &HW::RightBottomPoint},
    {"clientrect", &HW::ClientRect},
    {"fontname", &HW::FontName, "Arial"},
    {"fontheight", &HW::FontHeight, 14},
    {"fontstyle", &HW::FontStyle},
    {"fontcolor", &HW::FontColor},
    {"leftstretch", &HW::LeftStretch},
    {"rightstretch", &HW::RightStretch},
    {"topstretch", &HW::TopStretch},
    {"bottomstretch", &HW::BottomStretch},
};
static_assert(std::size(kHintKeys) == 15);

using SKC = TbsDataSkinColors;
constexpr TKeyRow<SKC> kColorKeys[] = {
    {"cbtnface", &SKC::cBtnFace, clBtnFace},
    {"cbtntext", &SKC::cBtnText, clBtnText},
    {"cwindow", &SKC::cWindow, clWindow},
    {"cwindowtext", &SKC::cWindowText, clWindowText},
    {"chighlight", &SKC::cHighLight, clHighlight},
    {"chighlighttext", &SKC::cHighLightText, clHighlightText},
    {"cbtnhighlight", &SKC::cBtnHighLight, clBtnHighlight},
    {"cbtnshadow", &SKC::cBtnShadow, clBtnShadow},
};
static_assert(std::size(kColorKeys) == 8);
}  // namespace

void TbsDataSkinFormInfo::LoadFromIni(const TbsIniTable& ini, bool hasMask) {
  Load(ini, QStringLiteral("FORMINFO"), kFormInfoKeys, *this);
  if (hasMask) {
    // The mask area holds at least the client area.
    if (MaskRectArea.IsEmpty()) {
      MaskRectArea = ClientRect;
    } else {
      MaskRectArea = TRect{std::min(MaskRectArea.Left, ClientRect.Left), std::min(MaskRectArea.Top, ClientRect.Top),
                           std::max(MaskRectArea.Right, ClientRect.Right),
                           std::max(MaskRectArea.Bottom, ClientRect.Bottom)};
    }
    // A hit-test point with a zero coordinate takes its corner point.
    auto fill = [](QPoint& hit, const QPoint& corner) {
      if (hit.x() == 0 || hit.y() == 0) hit = corner;
    };
    fill(HitTestLeftTopPoint, LeftTopPoint);
    fill(HitTestRightTopPoint, RightTopPoint);
    fill(HitTestLeftBottomPoint, LeftBottomPoint);
    fill(HitTestRightBottomPoint, RightBottomPoint);
  }
  // Corner points that span an area are kept inside the client rectangle.
  if (RightBottomPoint.x() != LeftTopPoint.x() && RightBottomPoint.y() != LeftTopPoint.y()) {
    const TRect& c = ClientRect;
    LeftTopPoint = QPoint(std::max(LeftTopPoint.x(), c.Left), std::max(LeftTopPoint.y(), c.Top));
    RightTopPoint = QPoint(std::min(RightTopPoint.x(), c.Right), std::max(RightTopPoint.y(), c.Top));
    LeftBottomPoint = QPoint(std::max(LeftBottomPoint.x(), c.Left), std::min(LeftBottomPoint.y(), c.Bottom));
    RightBottomPoint = QPoint(std::min(RightBottomPoint.x(), c.Right), std::min(RightBottomPoint.y(), c.Bottom));
  }
}

void TbsDataSkinPopupWindow::LoadFromIni(const TbsIniTable& ini) {
  Load(ini, QStringLiteral("POPUPWINDOW"), kPopupKeys, *this);
}
void TbsDataSkinHintWindow::LoadFromIni(const TbsIniTable& ini) {
  Load(ini, QStringLiteral("HINTWINDOW"), kHintKeys, *this);
}
void TbsDataSkinColors::LoadFromIni(const TbsIniTable& ini) {
  Load(ini, QStringLiteral("SKINCOLORS"), kColorKeys, *this);
}

// --- Type words -----------------------------------------------------------

namespace {
template <class Base>
struct TTypeWord {
  const char* Word;
  std::unique_ptr<Base> (*Make)(const QString& name);
};
template <class Base, class R>
std::unique_ptr<Base> Make(const QString& name) {
  return std::make_unique<R>(name);
}

const TTypeWord<TbsDataSkinObject> kObjectTypes[] = {
    {"menuitem", Make<TbsDataSkinObject, TbsDataSkinMenuItem>},
    {"mainmenubaritem", Make<TbsDataSkinObject, TbsDataSkinMainMenuBarItem>},
    {"stdbutton", Make<TbsDataSkinObject, TbsDataSkinStdButton>},
    {"mainmenubarbutton", Make<TbsDataSkinObject, TbsDataSkinMainMenuBarButton>},
    {"button", Make<TbsDataSkinObject, TbsDataSkinButton>},
    {"caption", Make<TbsDataSkinObject, TbsDataSkinCaption>},
    {"animate", Make<TbsDataSkinObject, TbsDataSkinAnimate>},
    {"userobject", Make<TbsDataSkinObject, TbsDataUserObject>},
};
static_assert(std::size(kObjectTypes) == 8);

using TC2 = TbsDataSkinControl;
const TTypeWord<TC2> kControlTypes[] = {
    {"panel", Make<TC2, TbsDataSkinPanelControl>},
    {"expanel", Make<TC2, TbsDataSkinExPanelControl>},
    {"menubutton", Make<TC2, TbsDataSkinMenuButtonControl>},
    {"button", Make<TC2, TbsDataSkinButtonControl>},
    {"checkradio", Make<TC2, TbsDataSkinCheckRadioControl>},
    {"gauge", Make<TC2, TbsDataSkinGaugeControl>},
    {"splitter", Make<TC2, TbsDataSkinSplitterControl>},
    {"trackbar", Make<TC2, TbsDataSkinTrackBarControl>},
    {"label", Make<TC2, TbsDataSkinLabelControl>},
    {"stdlabel", Make<TC2, TbsDataSkinStdLabelControl>},
    {"updown", Make<TC2, TbsDataSkinUpDownControl>},
    {"grid", Make<TC2, TbsDataSkinGridControl>},
    {"tab", Make<TC2, TbsDataSkinTabControl>},
    {"mainmenubar", Make<TC2, TbsDataSkinMainMenuBar>},
    {"controlbar", Make<TC2, TbsDataSkinControlBar>},
    {"memo", Make<TC2, TbsDataSkinMemoControl>},
    {"edit", Make<TC2, TbsDataSkinEditControl>},
    {"checklistbox", Make<TC2, TbsDataSkinCheckListBox>},
    {"listbox", Make<TC2, TbsDataSkinListBox>},
    {"combobox", Make<TC2, TbsDataSkinComboBox>},
    {"scrollbar", Make<TC2, TbsDataSkinScrollBarControl>},
    {"spinedit", Make<TC2, TbsDataSkinSpinEditControl>},
    {"scrollbox", Make<TC2, TbsDataSkinScrollBoxControl>},
    {"treeview", Make<TC2, TbsDataSkinTreeView>},
    {"bevel", Make<TC2, TbsDataSkinBevel>},
    {"slider", Make<TC2, TbsDataSkinSlider>},
    {"listview", Make<TC2, TbsDataSkinListView>},
    {"richedit", Make<TC2, TbsDataSkinRichEdit>},
};
static_assert(std::size(kControlTypes) == 28);

template <class Base, std::size_t N>
std::unique_ptr<Base> Create(const TTypeWord<Base> (&types)[N], const QString& type, const QString& name) {
  for (const auto& t : types)
    if (type == QLatin1String(t.Word)) return t.Make(name);
  return nullptr;
}
}  // namespace

std::unique_ptr<TbsDataSkinObject> CreateObjectRecord(const QString& type, const QString& name) {
  return Create(kObjectTypes, type, name);
}
std::unique_ptr<TbsDataSkinControl> CreateControlRecord(const QString& type, const QString& name) {
  return Create(kControlTypes, type, name);
}
