// The description's sections of the skinned controls. Most controls take
// their looks from the control sheet; the drop-down button, the up-down
// arrows and iMetal2's vertical scroll bar from small pictures of their own
// where the skin has them.
#include "tools/skinmaker/DescriptionWriter.h"

namespace {
// The two arrow buttons of a spin edit, up-down or scroll bar: where each
// lies in the control, and the pictures of its active and pressed looks.
struct TArrowButtons {
  TRect Up, ActiveUp, PressedUp, Down, ActiveDown, PressedDown;
};

void DescribeArrows(TDescription& d, const TArrowButtons& b) {
  d.Rect("upbuttonrect", b.Up);
  d.Rect("activeupbuttonrect", b.ActiveUp);
  d.Rect("downupbuttonrect", b.PressedUp);
  d.Rect("downbuttonrect", b.Down);
  d.Rect("activedownbuttonrect", b.ActiveDown);
  d.Rect("downdownbuttonrect", b.PressedDown);
}

// A scroll bar's track, arrows and thumb looks.
struct TScrollLooks {
  TRect Track;
  TArrowButtons Arrows;
  TRect Thumb, ActiveThumb, PressedThumb;
};

void DescribeScrollLooks(TDescription& d, const TScrollLooks& l) {
  d.Rect("trackarea", l.Track);
  DescribeArrows(d, l.Arrows);
  d.Rect("thumbrect", l.Thumb);
  d.Rect("activethumbrect", l.ActiveThumb);
  d.Rect("downthumbrect", l.PressedThumb);
  d.Int("thumboffset1", 4);
  d.Int("thumboffset2", 4);
}

// The item looks of a list (plain, under the mouse, focused) and where
// their text goes.
void DescribeItems(TDescription& d, const TSheet& l) {
  d.Rect("itemrect", l.Item);
  d.Rect("activeitemrect", l.ItemA);
  d.Rect("focusitemrect", l.ItemF);
  d.Int("itemleftoffset", 3);
  d.Int("itemrightoffset", 3);
  d.Rect("itemtextrect", {4, 1, l.Item.Width() - 4, l.Item.Height() - 1});
}

QColor FocusTextColor(const TTheme& t) { return t.Cyber ? QColor(0, 0, 0) : QColor(255, 255, 255); }

void DescribeControlList(TDescription& d) {
  const QStringList controls = {
      "button:button",         "combobutton:button",   "stdlabel:stdlabel",        "label:label",
      "edit:edit",             "memo:memo",            "combobox:combobox",        "combolistbox:listbox",
      "listbox:listbox",       "groupbox:panel",       "panel:panel",              "checkbox:checkradio",
      "radiobox:checkradio",   "spinedit:spinedit",    "hscrollbar:scrollbar",     "vscrollbar:scrollbar",
      "bothhscrollbar:scrollbar", "updown:updown",     "bevel:bevel"};
  d.Section("SKINCONTROLS");
  d.Int("count", int(controls.size()));
  for (int i = 0; i < controls.size(); ++i) d.Key(QByteArray::number(i).constData(), controls[i]);
}

// Masked on the metal skins.
void DescribeButton(TDescription& d, const TSkin& s) {
  const TTheme& t = s.T;
  const TSheet& l = s.Sheet;
  d.Section("button");
  d.Int("pictureindex", s.Index(TRole::Sheet));
  d.Int("maskpictureindex", s.Index(TRole::ButtonMask));
  d.Rect("skinrect", l.Button(0));
  d.Layout(ButtonLayout(s));
  d.Font(t, true);
  d.Color("activefontcolor", t.Cyber ? t.AccentLight : QColor(0, 0, 0));
  d.Color("downfontcolor", t.Cyber ? t.AccentLight : QColor(0, 0, 0));
  d.Color("disabledfontcolor", t.DimText);
  d.Rect("activeskinrect", l.Button(1));
  d.Rect("downskinrect", l.Button(2));
  d.Rect("disabledskinrect", l.Button(3));
  d.Int("morphing", 1);
  d.Key("morphkind", QStringLiteral("mkdefault"));
  d.Int("animateinterval", 25);
  d.Int("showfocus", 0);
}

void DescribeComboButton(TDescription& d, const TSkin& s) {
  const bool small = s.Index(TRole::Small) >= 0;
  const TSheet& l = s.Sheet;
  d.Section("combobutton");
  d.Int("pictureindex", small ? s.Index(TRole::Small) : s.Index(TRole::Sheet));
  d.Int("maskpictureindex", -1);
  const TRect normal = small ? SmallComboButton(0) : l.ComboButton(0);
  d.Rect("skinrect", normal);
  d.Corners(normal, 3);
  d.Rect("activeskinrect", small ? SmallComboButton(1) : l.ComboButton(1));
  d.Rect("downskinrect", small ? SmallComboButton(2) : l.ComboButton(2));
}

void DescribeLabels(TDescription& d, const TSkin& s) {
  const TTheme& t = s.T;
  d.Section("stdlabel");
  d.Int("pictureindex", -1);
  d.Int("maskpictureindex", -1);
  d.Font(t);
  d.Color("activefontcolor", t.Cyber ? t.AccentLight : QColor(0, 0, 255));

  d.Section("label");
  d.Int("pictureindex", s.Index(TRole::Sheet));
  d.Rect("skinrect", s.Sheet.Label);
  d.Corners(s.Sheet.Label, 3, 2);
  d.Font(t, true);
}

void DescribeField(TDescription& d, const TSkin& s, const char* name, const TRect& normal, const TRect& active) {
  const TTheme& t = s.T;
  d.Section(name);
  d.Int("pictureindex", s.Index(TRole::Sheet));
  d.Rect("skinrect", normal);
  d.Corners(normal, 3);
  d.Rect("activeskinrect", active);
  d.Font(t);
  d.Color("disabledfontcolor", t.DimText);
  d.Color("activefontcolor", t.Text);
}

void DescribeEdits(TDescription& d, const TSkin& s) {
  DescribeField(d, s, "edit", s.Sheet.Edit, s.Sheet.EditA);
  DescribeField(d, s, "memo", s.Sheet.Memo, s.Sheet.MemoA);
  d.Color("bgcolor", s.T.Field);
  d.Color("activebgcolor", s.T.Field);
}

void DescribeComboBox(TDescription& d, const TSkin& s) {
  const TSheet& l = s.Sheet;
  d.Section("combobox");
  d.Piece(s.Index(TRole::Sheet), l.Combo, ComboLayout(l));
  d.Rect("activeskinrect", l.ComboA);
  DescribeItems(d, l);
  d.Font(s.T, true);
  d.Color("focusfontcolor", FocusTextColor(s.T));
  d.Color("activefontcolor", s.T.Text);
  d.Key("listboxname", QStringLiteral("combolistbox"));
  d.Rect("buttonrect", ComboButtonArea(l.Combo));
  d.Rect("activebuttonrect", l.ComboButton(1));
  d.Rect("downbuttonrect", l.ComboButton(2));
  d.Int("itemstretcheffect", 1);
  d.Int("focusitemstretcheffect", 1);
  d.Int("showfocus", 0);
}

void DescribeListBoxes(TDescription& d, const TSkin& s) {
  for (const char* name : {"combolistbox", "listbox"}) {
    d.Section(name);
    d.Int("pictureindex", s.Index(TRole::Sheet));
    d.Rect("skinrect", s.Sheet.List);
    d.Corners(s.Sheet.List, 3, 2);
    DescribeItems(d, s.Sheet);
    d.Font(s.T, true);
    d.Color("activefontcolor", s.T.Text);
    d.Color("focusfontcolor", FocusTextColor(s.T));
    d.Key("vscrollbarname", QStringLiteral("vscrollbar"));
    d.Key("hscrollbarname", QStringLiteral("hscrollbar"));
    d.Key("bothhscrollbarname", QStringLiteral("bothhscrollbar"));
  }
}

void DescribePanels(TDescription& d, const TSkin& s) {
  d.Section("groupbox");
  d.Int("pictureindex", s.Index(TRole::Sheet));
  d.Rect("skinrect", s.Sheet.GroupBox);
  d.Layout(GroupBoxLayout());
  d.Int("bgpictureindex", -1);
  d.Rect("captionrect", {5, 1, 289, kGroupBand});  // the text 4 pixels in from the frame
  d.Key("alignment", QStringLiteral("taleftjustify"));
  d.Font(s.T, true);

  d.Section("panel");
  d.Int("pictureindex", s.Index(TRole::Sheet));
  d.Rect("skinrect", s.Sheet.Panel);
  d.Corners(s.Sheet.Panel, 3, 2);
  d.Int("bgpictureindex", -1);
  d.Rect("captionrect", {0, 0, 0, 0});
  d.Font(s.T);
}

void DescribeCheckRadio(TDescription& d, const TSkin& s, bool radio) {
  const TTheme& t = s.T;
  const TSheet& l = s.Sheet;
  const TRect body = radio ? l.Radio : l.Check;
  const TRect text{20, 0, body.Width() - 2, body.Height()};
  d.Section(radio ? "radiobox" : "checkbox");
  d.Piece(s.Index(TRole::Sheet), body, AcrossLayout(20, body.Width() - 4, 10, text));
  d.Font(t, true);
  d.Color("activefontcolor", t.Cyber ? t.AccentLight : QColor(0, 0, 128));
  d.Color("unenabledfontcolor", t.DimText);
  d.Color("framefontcolor", t.Text);
  d.Rect("activeskinrect", radio ? l.RadioA : l.CheckA);
  d.Rect("checkimagearea", kCheckImageArea);
  d.Rect("textarea", text);
  d.Rect("uncheckimagerect", l.Mark(radio, 0));
  d.Rect("checkimagerect", l.Mark(radio, 1));
  d.Rect("activeuncheckimagerect", l.Mark(radio, 2));
  d.Rect("activecheckimagerect", l.Mark(radio, 3));
  d.Rect("unenableduncheckimagerect", l.Mark(radio, 4));
  d.Rect("unenabledcheckimagerect", l.Mark(radio, 5));
  d.Int("morphing", 0);
}

void DescribeSpinEdit(TDescription& d, const TSkin& s) {
  const TSheet& l = s.Sheet;
  const int w = l.Spin.Width(), h = l.Spin.Height();
  d.Section("spinedit");
  d.Piece(s.Index(TRole::Sheet), l.Spin, AcrossLayout(4, w - 20, 10, {3, 3, w - 20, h - 3}));
  d.Rect("activeskinrect", l.SpinA);
  d.Font(s.T);
  d.Color("activefontcolor", s.T.Text);
  d.Color("disabledfontcolor", s.T.DimText);
  DescribeArrows(d, {SpinButtonArea(l.Spin, false), l.SpinImage(0), l.SpinImage(1), SpinButtonArea(l.Spin, true),
                     l.SpinImage(2), l.SpinImage(3)});
}

void DescribeHScrollBars(TDescription& d, const TSkin& s) {
  const TSheet& l = s.Sheet;
  for (const auto& [name, bar] : {std::pair{"hscrollbar", l.HScroll}, std::pair{"bothhscrollbar", l.BothH}}) {
    const int w = bar.Width(), h = bar.Height();
    d.Section(name);
    d.Piece(s.Index(TRole::Sheet), bar, AcrossLayout(17, w - 17, 8, {17, 0, w - 17, h}));
    DescribeScrollLooks(d, {{17, 0, w - 17, h},
                            {{0, 0, 17, 17}, l.HPart(0), l.HPart(1), {w - 17, 0, w, 17}, l.HPart(2), l.HPart(3)},
                            l.HThumb(0), l.HThumb(1), l.HThumb(2)});
    d.Int("thumbtransparent", 0);
  }
}

// From iMetal2's own picture where it has one, else from the sheet.
void DescribeVScrollBar(TDescription& d, const TSkin& s) {
  const TSheet& l = s.Sheet;
  const bool own = s.Index(TRole::VScroll) >= 0;
  const int h = own ? s.Picture(TRole::VScroll).Size.height() : l.VScroll.Height();
  const TRect up = own ? VScrollArrow(false, h) : l.VPart(0), pressedUp = own ? up : l.VPart(1);
  const TRect down = own ? VScrollArrow(true, h) : l.VPart(2), pressedDown = own ? down : l.VPart(3);
  d.Section("vscrollbar");
  d.Piece(own ? s.Index(TRole::VScroll) : s.Index(TRole::Sheet), own ? TRect{0, 0, 17, h} : l.VScroll,
          DownLayout(17, h - 17, 8, {0, 17, 17, h - 17}));
  DescribeScrollLooks(d, {{0, 17, 17, h - 17},
                          {{0, 0, 17, 17}, up, pressedUp, {0, h - 17, 17, h}, down, pressedDown},
                          own ? VScrollThumb(0) : l.VThumb(0),
                          own ? VScrollThumb(1) : l.VThumb(1),
                          own ? VScrollThumb(2) : l.VThumb(2)});
}

// From iMetal's up-down picture, CyberObject's small picture, or else the
// spin edit's arrows on the sheet.
void DescribeUpDown(TDescription& d, const TSkin& s) {
  const TSheet& l = s.Sheet;
  d.Section("updown");
  if (s.Index(TRole::UpDown) >= 0) {
    d.Int("pictureindex", s.Index(TRole::UpDown));
    d.Rect("skinrect", {0, 0, 13, 17});
    DescribeArrows(d, {UpDownArrow(false, 0), UpDownArrow(false, 1), UpDownArrow(false, 1), UpDownArrow(true, 0),
                       UpDownArrow(true, 1), UpDownArrow(true, 1)});
  } else if (s.Index(TRole::Small) >= 0) {
    const TRect up = SmallSpinArrow(false, 0), down = SmallSpinArrow(true, 0);
    d.Int("pictureindex", s.Index(TRole::Small));
    d.Rect("skinrect", {up.Left, up.Top, down.Right, down.Bottom});
    DescribeArrows(d, {Shift(up, -up.Left, -up.Top), SmallSpinArrow(false, 1), SmallSpinArrow(false, 1),
                       Shift(down, -up.Left, -up.Top), SmallSpinArrow(true, 1), SmallSpinArrow(true, 1)});
  } else {
    const TRect up = SpinButtonArea(l.Spin, false), down = SpinButtonArea(l.Spin, true);
    d.Int("pictureindex", s.Index(TRole::Sheet));
    d.Rect("skinrect", Shift({up.Left, up.Top, down.Right, down.Bottom}, l.Spin.Left, l.Spin.Top));
    DescribeArrows(d, {Shift(up, -up.Left, -up.Top), l.SpinImage(0), l.SpinImage(1), Shift(down, -up.Left, -up.Top),
                       l.SpinImage(2), l.SpinImage(3)});
  }
}
}  // namespace

void DescribeControls(TDescription& d, const TSkin& s) {
  DescribeControlList(d);
  DescribeButton(d, s);
  DescribeComboButton(d, s);
  DescribeLabels(d, s);
  DescribeEdits(d, s);
  DescribeComboBox(d, s);
  DescribeListBoxes(d, s);
  DescribePanels(d, s);
  DescribeCheckRadio(d, s, false);
  DescribeCheckRadio(d, s, true);
  DescribeSpinEdit(d, s);
  DescribeHScrollBars(d, s);
  DescribeVScrollBar(d, s);
  DescribeUpDown(d, s);
  d.Section("bevel");
  d.Color("lightcolor", s.T.FaceLight);
  d.Color("darkcolor", s.T.FaceDark);
}
