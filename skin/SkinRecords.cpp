// Key tables of the skin records: one table per record class, in reading
// order, and the one way every record loads from them. The number of keys
// of each table is checked here, so that a row lost in editing shows at
// compile time.
#include "skin/SkinRecords.h"

#include <type_traits>

void skinrecords_detail::ReadFont(const TbsIniTable::TSection* section, const char* prefix, TbsDataSkinFont& out) {
  const auto key = [prefix](const char* what) { return QByteArray(prefix) + what; };
  ReadKey(section, key("fontname").constData(), out.Name);
  ReadKey(section, key("fontheight").constData(), out.Height);
  ReadKey(section, key("fontstyle").constData(), out.Style);
  ReadKey(section, key("fontcolor").constData(), out.Color);
}

namespace {
// The keys a table reads: a font row stands for four.
template <class C, std::size_t N>
constexpr int KeyCount(const TKeyRow<C> (&rows)[N]) {
  int count = 0;
  for (const TKeyRow<C>& row : rows) count += std::holds_alternative<TbsDataSkinFont C::*>(row.Field) ? 4 : 1;
  return count;
}

template <class C, std::size_t N>
void Load(const TbsIniTable& ini, const QString& section, const TKeyRow<C> (&rows)[N], C& target) {
  ReadKeys<C>(ini, section, std::span<const TKeyRow<C>>(rows, N), target);
}
}  // namespace

// --- Objects --------------------------------------------------------------

namespace {
using O = TbsDataSkinObject;
constexpr TKeyRow<O> kObjectKeys[] = {
    {"hint", &O::Hint},
    {"activepictureindex", &O::ActivePictureIndex},
    {"skinrectinapicture", &O::SkinRectInAPicture},
    {"skinrect", &O::SkinRect},
    {"activeskinrect", &O::ActiveSkinRect},
    {"inactiveskinrect", &O::InActiveSkinRect},
    {"morphing", &O::Morphing},
    {"morphkind", &O::MorphKind},
};
static_assert(KeyCount(kObjectKeys) == 8);

using UO = TbsDataUserObject;
constexpr TKeyRow<UO> kUserObjectKeys[] = {{"skinrect", &UO::SkinRect}};
static_assert(KeyCount(kUserObjectKeys) == 1);

using B = TbsDataSkinButton;
constexpr TKeyRow<B> kButtonKeys[] = {{"downrect", &B::DownRect}, {"disableskinrsect", &B::DisableSkinRect}};
static_assert(KeyCount(kButtonKeys) == 2);

using SB = TbsDataSkinStdButton;
constexpr TKeyRow<SB> kStdButtonKeys[] = {
    {"command", &SB::Command},
    {"restorerect", &SB::RestoreRect},
    {"restoreactiverect", &SB::RestoreActiveRect},
    {"restoredownrect", &SB::RestoreDownRect},
    {"restoreinactiverect", &SB::RestoreInActiveRect},
};
static_assert(KeyCount(kStdButtonKeys) == 5);

using CA = TbsDataSkinCaption;
constexpr TKeyRow<CA> kCaptionKeys[] = {
    {"textrect", &CA::TextRect},
    FontKeys(&CA::Font),
    {"activefontcolor", &CA::ActiveFontColor},
    {"alignment", &CA::Alignment},
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
    {"framecount", &CA::FrameCount},
    {"animateinterval", &CA::AnimateInterval},
    {"inactiveanimation", &CA::InActiveAnimation},
    {"fullframe", &CA::FullFrame},
};
static_assert(KeyCount(kCaptionKeys) == 24);

using MI = TbsDataSkinMenuItem;
constexpr TKeyRow<MI> kMenuItemKeys[] = {
    {"itemleftoffset", &MI::ItemLeftOffset},
    {"itemrightoffset", &MI::ItemRightOffset},
    {"dividerrect", &MI::DividerRect},
    {"dividerleftoffset", &MI::DividerLeftOffset},
    {"dividerrightoffset", &MI::DividerRightOffset},
    {"textrect", &MI::TextRect},
    {"imagerect", &MI::ImageRect},
    FontKeys(&MI::Font),
    {"activefontcolor", &MI::ActiveFontColor},
    {"unenabledfontcolor", &MI::UnEnabledFontColor},
    {"stretcheffect", &MI::StretchEffect},
    {"inactivestretcheffect", &MI::InActiveStretchEffect},
    {"dividerstretcheffect", &MI::DividerStretchEffect},
    {"animateskinrect", &MI::AnimateSkinRect},
    {"framecount", &MI::FrameCount},
    {"animateinterval", &MI::AnimateInterval},
    {"inactiveanimation", &MI::InActiveAnimation},
    {"useimagecolor", &MI::UseImageColor},
    {"imagecolor", &MI::ImageColor},
    {"activeimagecolor", &MI::ActiveImageColor},
};
static_assert(KeyCount(kMenuItemKeys) == 23);

using MB = TbsDataSkinMainMenuBarItem;
constexpr TKeyRow<MB> kMainMenuBarItemKeys[] = {
    {"itemleftoffset", &MB::ItemLeftOffset},
    {"itemrightoffset", &MB::ItemRightOffset},
    {"downrect", &MB::DownRect},
    {"textrect", &MB::TextRect},
    FontKeys(&MB::Font),
    {"activefontcolor", &MB::ActiveFontColor},
    {"downfontcolor", &MB::DownFontColor},
    {"unenabledfontColor", &MB::UnEnabledFontColor},
    {"stretcheffect", &MB::StretchEffect},
    {"animateskinrect", &MB::AnimateSkinRect},
    {"framecount", &MB::FrameCount},
    {"animateinterval", &MB::AnimateInterval},
    {"inactiveanimation", &MB::InActiveAnimation},
};
static_assert(KeyCount(kMainMenuBarItemKeys) == 16);

using AN = TbsDataSkinAnimate;
constexpr TKeyRow<AN> kAnimateKeys[] = {
    {"countframes", &AN::CountFrames},
    {"cycle", &AN::Cycle},
    {"buttonstyle", &AN::ButtonStyle},
    {"timerinterval", &AN::TimerInterval},
    {"command", &AN::Command},
    {"downskinrect", &AN::DownSkinRect},
    {"restorerect", &AN::RestoreRect},
    {"restoreactiverect", &AN::RestoreActiveRect},
    {"restoredownrect", &AN::RestoreDownRect},
    {"restoreinactiverect", &AN::RestoreInActiveRect},
};
static_assert(KeyCount(kAnimateKeys) == 10);
}  // namespace

// --- Controls -------------------------------------------------------------

namespace {
using CT = TbsDataSkinControl;
constexpr TKeyRow<CT> kControlKeys[] = {
    {"pictureindex", &CT::PictureIndex}, {"maskpictureindex", &CT::MaskPictureIndex},
    {"skinrect", &CT::SkinRect}};
static_assert(KeyCount(kControlKeys) == 3);

using CC = TbsDataSkinCustomControl;
constexpr TKeyRow<CC> kCustomControlKeys[] = {
    {"lefttoppoint", &CC::LeftTopPoint},       {"righttoppoint", &CC::RightTopPoint},
    {"leftbottompoint", &CC::LeftBottomPoint}, {"rightbottompoint", &CC::RightBottomPoint},
    {"clientrect", &CC::ClientRect},           {"leftstretch", &CC::LeftStretch},
    {"topstretch", &CC::TopStretch},           {"rightstretch", &CC::RightStretch},
    {"bottomstretch", &CC::BottomStretch},     {"stretcheffect", &CC::StretchEffect},
};
static_assert(KeyCount(kCustomControlKeys) == 10);

using BC = TbsDataSkinButtonControl;
constexpr TKeyRow<BC> kButtonControlKeys[] = {
    FontKeys(&BC::Font),
    {"activefontcolor", &BC::ActiveFontColor},
    {"downfontcolor", &BC::DownFontColor},
    {"disabledfontcolor", &BC::DisabledFontColor},
    {"activeskinrect", &BC::ActiveSkinRect},
    {"downskinrect", &BC::DownSkinRect},
    {"disabledskinrect", &BC::DisabledSkinRect},
    {"morphing", &BC::Morphing},
    {"morphkind", &BC::MorphKind},
    {"animateskinrect", &BC::AnimateSkinRect},
    {"framecount", &BC::FrameCount},
    {"animateinterval", &BC::AnimateInterval},
    {"showfocus", &BC::ShowFocus},
    {"menumarkerflatrect", &BC::MenuMarkerFlatRect},
    {"menumarkerrect", &BC::MenuMarkerRect},
    {"menumarkeractiverect", &BC::MenuMarkerActiveRect},
    {"menumarkerdownrect", &BC::MenuMarkerDownRect},
    {"menumarkertransparentcolor", &BC::MenuMarkerTransparentColor},
};
static_assert(KeyCount(kButtonControlKeys) == 21);

using MBC = TbsDataSkinMenuButtonControl;
constexpr TKeyRow<MBC> kMenuButtonKeys[] = {{"trackbuttonrect", &MBC::TrackButtonRect}};
static_assert(KeyCount(kMenuButtonKeys) == 1);

using ED = TbsDataSkinEditControl;
constexpr TKeyRow<ED> kEditKeys[] = {
    {"activeskinrect", &ED::ActiveSkinRect},
    FontKeys(&ED::Font),
    {"disabledfontcolor", &ED::DisabledFontColor},
    {"activefontcolor", &ED::ActiveFontColor},
    {"buttonrect", &ED::ButtonRect},
    {"activebuttonrect", &ED::ActiveButtonRect},
    {"downbuttonrect", &ED::DownButtonRect},
    {"unenabledbuttonrect", &ED::UnEnabledButtonRect},
};
static_assert(KeyCount(kEditKeys) == 11);

using ME = TbsDataSkinMemoControl;
constexpr TKeyRow<ME> kMemoKeys[] = {{"bgcolor", &ME::BGColor}, {"activebgcolor", &ME::ActiveBGColor}};
static_assert(KeyCount(kMemoKeys) == 2);

using CB = TbsDataSkinComboBox;
constexpr TKeyRow<CB> kComboBoxKeys[] = {
    {"activeskinrect", &CB::ActiveSkinRect},
    {"itemrect", &CB::ItemRect},
    {"activeitemrect", &CB::ActiveItemRect},
    {"focusitemrect", &CB::FocusItemRect},
    {"itemleftoffset", &CB::ItemLeftOffset},
    {"itemrightoffset", &CB::ItemRightOffset},
    {"itemtextrect", &CB::ItemTextRect},
    FontKeys(&CB::Font),
    {"focusfontcolor", &CB::FocusFontColor},
    {"activefontcolor", &CB::ActiveFontColor},
    {"listboxname", &CB::ListBoxName},
    {"buttonrect", &CB::ButtonRect},
    {"activebuttonrect", &CB::ActiveButtonRect},
    {"downbuttonrect", &CB::DownButtonRect},
    {"unenabledbuttonrect", &CB::UnEnabledButtonRect},
    {"itemstretcheffect", &CB::ItemStretchEffect},
    {"focusitemstretcheffect", &CB::FocusItemStretchEffect},
    {"showfocus", &CB::ShowFocus},
};
static_assert(KeyCount(kComboBoxKeys) == 21);

using LB = TbsDataSkinListBox;
constexpr TKeyRow<LB> kListBoxKeys[] = {
    {"itemrect", &LB::ItemRect},
    {"activeitemrect", &LB::ActiveItemRect},
    {"focusitemrect", &LB::FocusItemRect},
    {"itemleftoffset", &LB::ItemLeftOffset},
    {"itemrightoffset", &LB::ItemRightOffset},
    {"itemtextrect", &LB::ItemTextRect},
    FontKeys(&LB::Font),
    {"activefontcolor", &LB::ActiveFontColor},
    {"focusfontcolor", &LB::FocusFontColor},
    {"captionrect", &LB::CaptionRect},
    FontKeys(&LB::CaptionFont, "caption"),
    {"upbuttonrect", &LB::UpButtonRect},
    {"activeupbuttonrect", &LB::ActiveUpButtonRect},
    {"downupbuttonrect", &LB::DownUpButtonRect},
    {"downbuttonrect", &LB::DownButtonRect},
    {"activedownbuttonrect", &LB::ActiveDownButtonRect},
    {"downdownbuttonrect", &LB::DownDownButtonRect},
    {"checkbuttonrect", &LB::CheckButtonRect},
    {"activecheckbuttonrect", &LB::ActiveCheckButtonRect},
    {"downcheckbuttonrect", &LB::DownCheckButtonRect},
    {"vscrollbarname", &LB::VScrollBarName},
    {"hscrollbarname", &LB::HScrollBarName},
    {"bothhscrollbarname", &LB::BothScrollBarName},
    {"showfocus", &LB::ShowFocus},
};
static_assert(KeyCount(kListBoxKeys) == 30);

using CL = TbsDataSkinCheckListBox;
constexpr TKeyRow<CL> kCheckListBoxKeys[] = {
    {"itemcheckrect", &CL::ItemCheckRect}, {"checkimagerect", &CL::CheckImageRect},
    {"uncheckimagerect", &CL::UnCheckImageRect}};
static_assert(KeyCount(kCheckListBoxKeys) == 3);

using SL = TbsDataSkinStdLabelControl;
constexpr TKeyRow<SL> kStdLabelKeys[] = {FontKeys(&SL::Font), {"activefontcolor", &SL::ActiveFontColor}};
static_assert(KeyCount(kStdLabelKeys) == 5);

using LA = TbsDataSkinLabelControl;
constexpr TKeyRow<LA> kLabelKeys[] = {FontKeys(&LA::Font)};
static_assert(KeyCount(kLabelKeys) == 4);

using PA = TbsDataSkinPanelControl;
constexpr TKeyRow<PA> kPanelKeys[] = {
    {"bgpictureindex", &PA::BGPictureIndex},
    {"captionrect", &PA::CaptionRect},
    {"alignment", &PA::Alignment},
    FontKeys(&PA::Font),
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
static_assert(KeyCount(kPanelKeys) == 17);

using CR = TbsDataSkinCheckRadioControl;
constexpr TKeyRow<CR> kCheckRadioKeys[] = {
    FontKeys(&CR::Font),
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
    {"morphkind", &CR::MorphKind},
};
static_assert(KeyCount(kCheckRadioKeys) == 18);

using SE = TbsDataSkinSpinEditControl;
constexpr TKeyRow<SE> kSpinEditKeys[] = {
    {"activeskinrect", &SE::ActiveSkinRect},
    FontKeys(&SE::Font),
    {"activefontcolor", &SE::ActiveFontColor},
    {"disabledfontcolor", &SE::DisabledFontColor},
    {"upbuttonrect", &SE::UpButtonRect},
    {"activeupbuttonrect", &SE::ActiveUpButtonRect},
    {"downupbuttonrect", &SE::DownUpButtonRect},
    {"downbuttonrect", &SE::DownButtonRect},
    {"activedownbuttonrect", &SE::ActiveDownButtonRect},
    {"downdownbuttonrect", &SE::DownDownButtonRect},
};
static_assert(KeyCount(kSpinEditKeys) == 13);

using UD = TbsDataSkinUpDownControl;
constexpr TKeyRow<UD> kUpDownKeys[] = {
    {"upbuttonrect", &UD::UpButtonRect},         {"activeupbuttonrect", &UD::ActiveUpButtonRect},
    {"downupbuttonrect", &UD::DownUpButtonRect}, {"downbuttonrect", &UD::DownButtonRect},
    {"activedownbuttonrect", &UD::ActiveDownButtonRect}, {"downdownbuttonrect", &UD::DownDownButtonRect},
};
static_assert(KeyCount(kUpDownKeys) == 6);

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
static_assert(KeyCount(kScrollBarKeys) == 17);

using TB = TbsDataSkinTrackBarControl;
constexpr TKeyRow<TB> kTrackBarKeys[] = {
    {"trackarea", &TB::TrackArea}, {"buttonrect", &TB::ButtonRect},
    {"activebuttonrect", &TB::ActiveButtonRect}, {"vertical", &TB::Vertical},
    {"buttontransparent", &TB::ButtonTransparent}, {"buttontransparentcolor", &TB::ButtonTransparentColor},
};
static_assert(KeyCount(kTrackBarKeys) == 6);

using SP = TbsDataSkinSplitterControl;
constexpr TKeyRow<SP> kSplitterKeys[] = {
    {"gripperrect", &SP::GripperRect}, {"grippertransparent", &SP::GripperTransparent},
    {"grippertransparentcolor", &SP::GripperTransparentColor}};
static_assert(KeyCount(kSplitterKeys) == 3);

using GA = TbsDataSkinGaugeControl;
constexpr TKeyRow<GA> kGaugeKeys[] = {
    {"progressarea", &GA::ProgressArea},
    {"progressrect", &GA::ProgressRect},
    {"beginoffset", &GA::BeginOffset},
    {"endoffset", &GA::EndOffset},
    {"vertical", &GA::Vertical},
    FontKeys(&GA::Font),
    {"progresstransparent", &GA::ProgressTransparent},
    {"progresstransparentcolor", &GA::ProgressTransparentColor},
    {"progressstretch", &GA::ProgressStretch},
};
static_assert(KeyCount(kGaugeKeys) == 12);

using SX = TbsDataSkinScrollBoxControl;
constexpr TKeyRow<SX> kScrollBoxKeys[] = {{"bgpictureindex", &SX::BGPictureIndex}};
static_assert(KeyCount(kScrollBoxKeys) == 1);

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
    FontKeys(&XP::Font),
};
static_assert(KeyCount(kExPanelKeys) == 28);

using CBR = TbsDataSkinControlBar;
constexpr TKeyRow<CBR> kControlBarKeys[] = {
    {"itemrect", &CBR::ItemRect},   {"bgpictureindex", &CBR::BGPictureIndex},
    {"hgriprect", &CBR::HGripRect}, {"vgriprect", &CBR::VGripRect},
    {"gripoffset1", &CBR::GripOffset1}, {"gripoffset2", &CBR::GripOffset2},
};
static_assert(KeyCount(kControlBarKeys) == 6);

using MM = TbsDataSkinMainMenuBar;
constexpr TKeyRow<MM> kMainMenuBarKeys[] = {
    {"itemsrect", &MM::ItemsRect},
    {"menubaritem", &MM::MenuBarItem},
    {"closebutton", &MM::CloseButton},
    {"minbutton", &MM::MinButton},
    {"maxbutton", &MM::MaxButton},
    {"sysmenubutton", &MM::SysMenuButton},
    {"trackmarkcolor", &MM::TrackMarkColor},
    {"trackmarkactivecolor", &MM::TrackMarkActiveColor},
};
static_assert(KeyCount(kMainMenuBarKeys) == 8);

using SD = TbsDataSkinSlider;
constexpr TKeyRow<SD> kSliderKeys[] = {
    {"bgcolor", &SD::BGColor},       {"hrulerrect", &SD::HRulerRect}, {"hthumbrect", &SD::HThumbRect},
    {"vrulerrect", &SD::VRulerRect}, {"vthumbrect", &SD::VThumbRect}, {"edgesize", &SD::EdgeSize},
    {"pointscolor", &SD::PointsColor},
};
static_assert(KeyCount(kSliderKeys) == 7);

using BV = TbsDataSkinBevel;
constexpr TKeyRow<BV> kBevelKeys[] = {{"lightcolor", &BV::LightColor}, {"darkcolor", &BV::DarkColor}};
static_assert(KeyCount(kBevelKeys) == 2);

using TV = TbsDataSkinTextView;
constexpr TKeyRow<TV> kTextViewKeys[] = {FontKeys(&TV::Font), {"bgcolor", &TV::BGColor}};
static_assert(KeyCount(kTextViewKeys) == 5);

using TC = TbsDataSkinTabControl;
constexpr TKeyRow<TC> kTabKeys[] = {
    {"tabrect", &TC::TabRect},
    {"activetabrect", &TC::ActiveTabRect},
    {"focustabrect", &TC::FocusTabRect},
    {"mouseintabrect", &TC::MouseInTabRect},
    {"clientrect", &TC::ClientRect},
    {"bgpictureindex", &TC::BGPictureIndex},
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
    FontKeys(&TC::Font),
    {"activefontcolor", &TC::ActiveFontColor},
    {"focusfontcolor", &TC::FocusFontColor},
    {"mouseinfontcolor", &TC::MouseInFontColor},
    {"updown", &TC::UpDown},
    {"showfocus", &TC::ShowFocus},
    {"focusoffsetx", &TC::FocusOffsetX},
    {"focusoffsety", &TC::FocusOffsetY},
};
static_assert(KeyCount(kTabKeys) == 29);

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
    FontKeys(&GR::Font),
    {"selectfontcolor", &GR::SelectFontColor},
    {"focusfontcolor", &GR::FocusFontColor},
    FontKeys(&GR::FixedFont, "fixed"),
    {"cellstretcheffect", &GR::CellStretchEffect},
    {"fixedcellstretcheffect", &GR::FixedCellStretchEffect},
    {"showfocus", &GR::ShowFocus},
};
static_assert(KeyCount(kGridKeys) == 24);
}  // namespace

// --- Loading ----------------------------------------------------------------

namespace {
// A record's own rule after its keys: an animation never morphs; an up-down
// control keeps no corner points or client rectangle.
template <class R>
void Settle(R&) {}
void Settle(TbsDataSkinAnimate& r) { r.Morphing = false; }
void Settle(TbsDataSkinUpDownControl& r) {
  r.LeftTopPoint = r.RightTopPoint = r.LeftBottomPoint = r.RightBottomPoint = QPoint();
  r.ClientRect = TRect();
}

// How every object and control record loads: its base's keys (the base
// loads the same way, down to TbsDataSkinObject or TbsDataSkinControl), then
// its own table, then its own rule.
template <class R, class Base, std::size_t N>
void LoadRecord(R& record, const TbsIniTable& ini, const TKeyRow<R> (&rows)[N]) {
  if constexpr (!std::is_same_v<Base, TbsDataSkinRecord>) record.Base::LoadFromIni(ini);
  Load(ini, record.IDName, rows, record);
  Settle(record);
}
}  // namespace

#define BS_RECORD(Class, Base, Table) \
  void Class::LoadFromIni(const TbsIniTable& ini) { LoadRecord<Class, Base>(*this, ini, Table); }
BS_RECORD(TbsDataSkinObject, TbsDataSkinRecord, kObjectKeys)
BS_RECORD(TbsDataUserObject, TbsDataSkinObject, kUserObjectKeys)
BS_RECORD(TbsDataSkinButton, TbsDataSkinObject, kButtonKeys)
BS_RECORD(TbsDataSkinStdButton, TbsDataSkinButton, kStdButtonKeys)
BS_RECORD(TbsDataSkinCaption, TbsDataSkinObject, kCaptionKeys)
BS_RECORD(TbsDataSkinMenuItem, TbsDataSkinObject, kMenuItemKeys)
BS_RECORD(TbsDataSkinMainMenuBarItem, TbsDataSkinMainMenuItem, kMainMenuBarItemKeys)
BS_RECORD(TbsDataSkinAnimate, TbsDataSkinObject, kAnimateKeys)

BS_RECORD(TbsDataSkinControl, TbsDataSkinRecord, kControlKeys)
BS_RECORD(TbsDataSkinCustomControl, TbsDataSkinControl, kCustomControlKeys)
BS_RECORD(TbsDataSkinButtonControl, TbsDataSkinCustomControl, kButtonControlKeys)
BS_RECORD(TbsDataSkinMenuButtonControl, TbsDataSkinButtonControl, kMenuButtonKeys)
BS_RECORD(TbsDataSkinEditControl, TbsDataSkinCustomControl, kEditKeys)
BS_RECORD(TbsDataSkinMemoControl, TbsDataSkinEditControl, kMemoKeys)
BS_RECORD(TbsDataSkinComboBox, TbsDataSkinCustomControl, kComboBoxKeys)
BS_RECORD(TbsDataSkinListBox, TbsDataSkinCustomControl, kListBoxKeys)
BS_RECORD(TbsDataSkinCheckListBox, TbsDataSkinListBox, kCheckListBoxKeys)
BS_RECORD(TbsDataSkinStdLabelControl, TbsDataSkinControl, kStdLabelKeys)
BS_RECORD(TbsDataSkinLabelControl, TbsDataSkinCustomControl, kLabelKeys)
BS_RECORD(TbsDataSkinPanelControl, TbsDataSkinCustomControl, kPanelKeys)
BS_RECORD(TbsDataSkinCheckRadioControl, TbsDataSkinCustomControl, kCheckRadioKeys)
BS_RECORD(TbsDataSkinSpinEditControl, TbsDataSkinCustomControl, kSpinEditKeys)
BS_RECORD(TbsDataSkinUpDownControl, TbsDataSkinCustomControl, kUpDownKeys)
BS_RECORD(TbsDataSkinScrollBarControl, TbsDataSkinCustomControl, kScrollBarKeys)
BS_RECORD(TbsDataSkinTrackBarControl, TbsDataSkinCustomControl, kTrackBarKeys)
BS_RECORD(TbsDataSkinSplitterControl, TbsDataSkinCustomControl, kSplitterKeys)
BS_RECORD(TbsDataSkinGaugeControl, TbsDataSkinCustomControl, kGaugeKeys)
BS_RECORD(TbsDataSkinScrollBoxControl, TbsDataSkinCustomControl, kScrollBoxKeys)
BS_RECORD(TbsDataSkinExPanelControl, TbsDataSkinCustomControl, kExPanelKeys)
BS_RECORD(TbsDataSkinControlBar, TbsDataSkinCustomControl, kControlBarKeys)
BS_RECORD(TbsDataSkinMainMenuBar, TbsDataSkinControl, kMainMenuBarKeys)
BS_RECORD(TbsDataSkinSlider, TbsDataSkinControl, kSliderKeys)
BS_RECORD(TbsDataSkinBevel, TbsDataSkinControl, kBevelKeys)
BS_RECORD(TbsDataSkinTextView, TbsDataSkinControl, kTextViewKeys)
BS_RECORD(TbsDataSkinTabControl, TbsDataSkinControl, kTabKeys)
BS_RECORD(TbsDataSkinGridControl, TbsDataSkinControl, kGridKeys)
#undef BS_RECORD

// --- Frame, popup window, hint window, colours -----------------------------

namespace {
using FI = TbsDataSkinFormInfo;
constexpr TKeyRow<FI> kFormInfoKeys[] = {
    {"lefttoppoint", &FI::LeftTopPoint},
    {"righttoppoint", &FI::RightTopPoint},
    {"leftbottompoint", &FI::LeftBottomPoint},
    {"rightbottompoint", &FI::RightBottomPoint},
    {"clientrect", &FI::ClientRect},
    {"bgpictureindex", &FI::BGPictureIndex},
    {"mdibgpictureindex", &FI::MDIBGPictureIndex},
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
    {"inactiveeffect", &FI::InActiveEffect},
};
static_assert(KeyCount(kFormInfoKeys) == 25);

using PW = TbsDataSkinPopupWindow;
constexpr TKeyRow<PW> kPopupKeys[] = {
    {"windowpictureindex", &PW::WindowPictureIndex},
    {"maskpictureindex", &PW::MaskPictureIndex},
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
static_assert(KeyCount(kPopupKeys) == 13);

using HW = TbsDataSkinHintWindow;
constexpr TKeyRow<HW> kHintKeys[] = {
    {"windowpictureindex", &HW::WindowPictureIndex},
    {"maskpictureindex", &HW::MaskPictureIndex},
    {"lefttoppoint", &HW::LeftTopPoint},
    {"righttoppoint", &HW::RightTopPoint},
    {"leftbottompoint", &HW::LeftBottomPoint},
    {"rightbottompoint", &HW::RightBottomPoint},
    {"clientrect", &HW::ClientRect},
    FontKeys(&HW::Font),
    {"leftstretch", &HW::LeftStretch},
    {"rightstretch", &HW::RightStretch},
    {"topstretch", &HW::TopStretch},
    {"bottomstretch", &HW::BottomStretch},
};
static_assert(KeyCount(kHintKeys) == 15);

using SKC = TbsDataSkinColors;
constexpr TKeyRow<SKC> kColorKeys[] = {
    {"cbtnface", &SKC::cBtnFace},
    {"cbtntext", &SKC::cBtnText},
    {"cwindow", &SKC::cWindow},
    {"cwindowtext", &SKC::cWindowText},
    {"chighlight", &SKC::cHighLight},
    {"chighlighttext", &SKC::cHighLightText},
    {"cbtnhighlight", &SKC::cBtnHighLight},
    {"cbtnshadow", &SKC::cBtnShadow},
};
static_assert(KeyCount(kColorKeys) == 8);
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
