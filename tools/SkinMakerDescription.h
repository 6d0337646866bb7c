#pragma once
// Part of skinmaker: the description text of a skin, written from the same
// layout the pictures were drawn with.
namespace {

class TDescription {
public:
  void Section(const char* name) {
    if (!FLines.isEmpty()) FLines << QString();
    FLines << QStringLiteral("[%1]").arg(QLatin1String(name));
  }
  void Key(const char* key, const QString& value) { FLines << QLatin1String(key) + QLatin1Char('=') + value; }
  void Int(const char* key, int v) { Key(key, QString::number(v)); }
  void Rect(const char* key, const TRect& r) { Key(key, R(r)); }
  void Point(const char* key, int x, int y) { Key(key, P(x, y)); }
  void Color(const char* key, const QColor& c) { Key(key, QString::number(C(c))); }
  // Corner points and client rectangle of a piece that composes at any size
  // with `border` pixels kept at each edge.
  void Corners(const TRect& r, int border, int client = -1) {
    const int w = r.Width(), h = r.Height(), c = client < 0 ? border : client;
    Point("lefttoppoint", border, border);
    Point("righttoppoint", w - border, border);
    Point("leftbottompoint", border, h - border);
    Point("rightbottompoint", w - border, h - border);
    Rect("clientrect", {c, c, w - c, h - c});
    for (const char* k : {"leftstretch", "topstretch", "rightstretch", "bottomstretch", "stretcheffect"}) Int(k, 1);
  }
  void Font(const TTheme& t, bool bold = false) {
    Key("fontname", QStringLiteral("Arial"));
    Int("fontheight", 14);
    Key("fontstyle", bold ? QStringLiteral("[fsbold]") : QString());
    Color("fontcolor", t.Text);
  }
  const QStringList& Lines() const { return FLines; }

private:
  QStringList FLines;
};

QStringList Describe(const TSkin& s) {
  const TTheme& t = s.T;
  const TSheet& l = s.Sheet;
  TDescription d;
  const int w = s.Main.width(), h = s.Main.height();

  d.Section("VERSION");
  d.Key("ver", QStringLiteral("3"));
  d.Key("skinname", s.SkinName);
  d.Key("skinauthor", QStringLiteral("Momenty project"));
  d.Key("authoremail", QString());
  d.Key("authorurl", QString());
  d.Key("skincomments", s.Comments);

  d.Section("PICTURES");
  d.Key("picture", QStringLiteral("main.bmp"));
  d.Key("inactivepicture", QString());
  d.Key("mask", QStringLiteral("mask.bmp"));
  d.Int("activepicturescount", int(s.Active.size()));
  for (std::size_t i = 0; i < s.Active.size(); ++i) d.Key(QByteArray::number(qulonglong(i)).constData(), s.Active[i].File);

  // Frame: the corner areas keep the caption's ends and the border corners;
  // the edges between them stretch.
  // (The technical skin's grid has a 6-pixel pitch: its top and bottom
  // edges, 72 pixels long, are tiled; everything else stretches.)
  const int cx = t.Cyber ? 39 : 60, cy = 40;
  d.Section("FORMINFO");
  d.Point("lefttoppoint", cx, cy);
  d.Point("righttoppoint", w - cx, cy);
  d.Point("leftbottompoint", cx, h - (t.Cyber ? 40 : 25));
  d.Point("rightbottompoint", w - cx, h - (t.Cyber ? 40 : 25));
  d.Rect("clientrect", s.Client);
  d.Int("bgpictureindex", -1);
  d.Int("mdibgpictureindex", -1);
  d.Int("leftstretch", 1);
  d.Int("rightstretch", 1);
  d.Int("topstretch", t.Cyber ? 0 : 1);
  d.Int("bottomstretch", t.Cyber ? 0 : 1);
  d.Rect("maskrectarea", {0, 0, 0, 0});
  d.Rect("buttonsrect", {0, 0, 0, 0});
  const int capTop = t.Cyber ? 4 : 4, capBottom = capTop + s.CapButton.height();
  d.Rect("captionrect", {t.Cyber ? 8 : 6, capTop, w - (t.Cyber ? 8 : 5), capBottom});
  d.Int("buttonsoffset", 2);
  d.Int("buttonsinleft", 0);
  d.Int("mainmenupopupup", 0);
  d.Int("borderwidth", t.Cyber ? 5 : 3);
  d.Int("formminwidth", s.MinWidth);
  d.Int("autorenderinginactiveimage", 1);
  d.Key("inactiveeffect", t.Cyber ? QStringLiteral("iedarkness") : QStringLiteral("iebrightness"));

  const TPicture& popup = s.Active[std::size_t(s.PopupIdx)];
  d.Section("POPUPWINDOW");
  d.Int("windowpictureindex", s.PopupIdx);
  d.Int("maskpictureindex", -1);
  d.Point("lefttoppoint", 4, 4);
  d.Point("righttoppoint", popup.Image.width() - 4, 4);
  d.Point("leftbottompoint", 4, popup.Image.height() - 4);
  d.Point("rightbottompoint", popup.Image.width() - 4, popup.Image.height() - 4);
  d.Rect("itemsrect", {3, 3, popup.Image.width() - 3, popup.Image.height() - 3});
  d.Color("scrollmarkercolor", t.Glyph);
  d.Color("scrollmarkeractivecolor", t.GlyphHot);
  for (const char* k : {"leftstretch", "rightstretch", "topstretch", "bottomstretch"}) d.Int(k, 1);

  const TPicture& hint = s.Active[std::size_t(s.HintIdx)];
  d.Section("HINTWINDOW");
  d.Int("windowpictureindex", s.HintIdx);
  d.Int("maskpictureindex", -1);
  d.Point("lefttoppoint", 5, 5);
  d.Point("righttoppoint", hint.Image.width() - 5, 5);
  d.Point("leftbottompoint", 5, hint.Image.height() - 5);
  d.Point("rightbottompoint", hint.Image.width() - 5, hint.Image.height() - 5);
  d.Rect("clientrect", {5, 4, hint.Image.width() - 5, hint.Image.height() - 4});
  d.Font(t);
  for (const char* k : {"leftstretch", "rightstretch", "topstretch", "bottomstretch"}) d.Int(k, 1);

  d.Section("SKINCOLORS");
  d.Color("cbtnface", t.Face);
  d.Color("cbtntext", t.Text);
  d.Color("cwindow", t.Field);
  d.Color("cwindowtext", t.Text);
  d.Color("chighlight", t.Accent);
  d.Color("chighlighttext", t.Cyber ? QColor(0, 0, 0) : QColor(255, 255, 255));
  d.Color("cbtnhighlight", t.FaceLight);
  d.Color("cbtnshadow", t.FaceDark);

  // --- Frame objects: caption buttons, caption ---
  struct TObj { const char* Name; const char* Command; int Kind; int Restore; const char* Hint; };
  const TObj buttons[] = {{"closebutton", "cmclose", 0, -1, "Закрыть"},
                          {"maxbutton", "cmmaximize", 1, 3, "Развернуть"},
                          {"minbutton", "cmminimize", 2, -1, "Свернуть"},
                          {"rollupbutton", "cmrollup", 4, 5, "Свернуть в заголовок"},
                          {"sysmenubutton", "cmsysmenu", 6, -1, "Системное меню"},
                          {"traybutton", "cmminimizetotray", 7, -1, "Свернуть в область уведомлений"}};
  d.Section("SKINOBJECTS");
  d.Int("count", 7);
  for (int i = 0; i < 5; ++i) d.Key(QByteArray::number(i).constData(), QLatin1String(buttons[i].Name) + QStringLiteral(":stdbutton"));
  d.Key("5", QStringLiteral("caption:caption"));
  d.Key("6", QStringLiteral("traybutton:stdbutton"));

  for (const TObj& b : buttons) {
    d.Section(b.Name);
    d.Key("hint", QString::fromUtf8(b.Hint));
    d.Int("activepictureindex", s.CapIdx);
    d.Int("skinrectinapicture", 1);
    const int kind = b.Kind;
    d.Rect("skinrect", CapRect(s, kind, 0));
    d.Rect("activeskinrect", CapRect(s, kind, 1));
    d.Rect("inactiveskinrect", CapRect(s, kind, 0));
    d.Int("morphing", t.Cyber ? 0 : 1);
    d.Key("morphkind", QStringLiteral("mkdefault"));
    d.Rect("downrect", CapRect(s, kind, 2));
    d.Rect("disableskinrsect", {0, 0, 0, 0});
    d.Key("command", QLatin1String(b.Command));
    if (b.Restore >= 0) {
      d.Rect("restorerect", CapRect(s, b.Restore, 0));
      d.Rect("restoreactiverect", CapRect(s, b.Restore, 1));
      d.Rect("restoredownrect", CapRect(s, b.Restore, 2));
      d.Rect("restoreinactiverect", CapRect(s, b.Restore, 0));
    }
  }
  d.Section("caption");
  d.Int("activepictureindex", -1);
  d.Int("skinrectinapicture", 0);
  const TRect caption{t.Cyber ? 8 : 6, capTop, w - (t.Cyber ? 8 : 5), capBottom};
  d.Rect("skinrect", caption);
  d.Rect("textrect", {0, 0, caption.Width(), caption.Height()});
  d.Key("fontname", QStringLiteral("Arial"));
  d.Int("fontheight", 14);
  d.Key("fontstyle", QStringLiteral("[fsbold]"));
  d.Color("fontcolor", t.DimText);
  d.Color("activefontcolor", t.Cyber ? t.AccentLight : QColor(16, 20, 26));
  d.Key("alignment", QStringLiteral("taleftjustify"));
  d.Int("light", t.Cyber ? 0 : 1);
  d.Color("lightcolor", QColor(240, 242, 244));
  d.Color("activelightcolor", QColor(255, 255, 255));
  d.Int("shadow", t.Cyber ? 1 : 0);
  d.Color("shadowcolor", QColor(0, 0, 0));
  d.Color("activeshadowcolor", QColor(0, 0, 0));
  d.Int("stretcheffect", 0);
  d.Int("framecount", 0);
  d.Int("animateinterval", 25);

  // --- Controls ---
  const int sheet = s.SheetIdx;
  QStringList controls = {"button:button",       "combobutton:button", "stdlabel:stdlabel",  "label:label",
                          "edit:edit",           "memo:memo",          "combobox:combobox",  "combolistbox:listbox",
                          "listbox:listbox",     "groupbox:panel",     "panel:panel",        "checkbox:checkradio",
                          "radiobox:checkradio", "spinedit:spinedit",  "hscrollbar:scrollbar", "vscrollbar:scrollbar",
                          "bothhscrollbar:scrollbar", "updown:updown", "bevel:bevel"};
  d.Section("SKINCONTROLS");
  d.Int("count", int(controls.size()));
  for (int i = 0; i < controls.size(); ++i) d.Key(QByteArray::number(i).constData(), controls[i]);

  // Push button: three pieces across (ends 16 pixels), masked on the metal skins.
  const TRect button = l.Button(0);
  d.Section("button");
  d.Int("pictureindex", sheet);
  d.Int("maskpictureindex", s.ButtonMaskIdx);
  d.Rect("skinrect", button);
  d.Point("lefttoppoint", 16, 12);
  d.Point("righttoppoint", 53, 12);
  d.Point("leftbottompoint", 0, 0);
  d.Point("rightbottompoint", 0, 0);
  d.Rect("clientrect", {10, 2, 60, button.Height() - 2});
  d.Int("leftstretch", 0);
  d.Int("topstretch", 0);
  d.Int("rightstretch", 0);
  d.Int("bottomstretch", 0);
  d.Int("stretcheffect", 1);
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

  const bool smallPic = s.SmallIdx >= 0;
  d.Section("combobutton");
  d.Int("pictureindex", smallPic ? s.SmallIdx : sheet);
  d.Int("maskpictureindex", -1);
  const TRect cb0 = smallPic ? TRect{2, 2, 19, 19} : l.ComboButton(0);
  d.Rect("skinrect", cb0);
  d.Corners(cb0, 3);
  d.Rect("activeskinrect", smallPic ? TRect{22, 2, 39, 19} : l.ComboButton(1));
  d.Rect("downskinrect", smallPic ? TRect{42, 2, 59, 19} : l.ComboButton(2));

  d.Section("stdlabel");
  d.Int("pictureindex", -1);
  d.Int("maskpictureindex", -1);
  d.Font(t);
  d.Color("activefontcolor", t.Cyber ? t.AccentLight : QColor(0, 0, 255));

  d.Section("label");
  d.Int("pictureindex", sheet);
  d.Rect("skinrect", l.Label);
  d.Corners(l.Label, 3, 2);
  d.Font(t, true);

  for (const auto& [name, normal, active] : {std::tuple{"edit", l.Edit, l.EditA}, std::tuple{"memo", l.Memo, l.MemoA}}) {
    d.Section(name);
    d.Int("pictureindex", sheet);
    d.Rect("skinrect", normal);
    d.Corners(normal, 3);
    d.Rect("activeskinrect", active);
    d.Font(t);
    d.Color("disabledfontcolor", t.DimText);
    d.Color("activefontcolor", t.Text);
    if (QLatin1String(name) == QLatin1String("memo")) {
      d.Color("bgcolor", t.Field);
      d.Color("activebgcolor", t.Field);
    }
  }

  d.Section("combobox");
  d.Int("pictureindex", sheet);
  d.Rect("skinrect", l.Combo);
  d.Point("lefttoppoint", 4, 10);
  d.Point("righttoppoint", l.Combo.Width() - 22, 10);
  d.Point("leftbottompoint", 0, 0);
  d.Point("rightbottompoint", 0, 0);
  d.Rect("clientrect", {3, 3, l.Combo.Width() - 22, l.Combo.Height() - 3});
  d.Int("stretcheffect", 1);
  d.Rect("activeskinrect", l.ComboA);
  d.Rect("itemrect", l.Item);
  d.Rect("activeitemrect", l.ItemA);
  d.Rect("focusitemrect", l.ItemF);
  d.Int("itemleftoffset", 3);
  d.Int("itemrightoffset", 3);
  d.Rect("itemtextrect", {4, 1, l.Item.Width() - 4, l.Item.Height() - 1});
  d.Font(t, true);
  d.Color("focusfontcolor", t.Cyber ? QColor(0, 0, 0) : QColor(255, 255, 255));
  d.Color("activefontcolor", t.Text);
  d.Key("listboxname", QStringLiteral("combolistbox"));
  d.Rect("buttonrect", {l.Combo.Width() - 19, 2, l.Combo.Width() - 2, l.Combo.Height() - 2});
  d.Rect("activebuttonrect", l.ComboButton(1));
  d.Rect("downbuttonrect", l.ComboButton(2));
  d.Int("itemstretcheffect", 1);
  d.Int("focusitemstretcheffect", 1);
  d.Int("showfocus", 0);

  for (const char* name : {"combolistbox", "listbox"}) {
    d.Section(name);
    d.Int("pictureindex", sheet);
    d.Rect("skinrect", l.List);
    d.Corners(l.List, 3, 2);
    d.Rect("itemrect", l.Item);
    d.Rect("activeitemrect", l.ItemA);
    d.Rect("focusitemrect", l.ItemF);
    d.Int("itemleftoffset", 3);
    d.Int("itemrightoffset", 3);
    d.Rect("itemtextrect", {4, 1, l.Item.Width() - 4, l.Item.Height() - 1});
    d.Font(t, true);
    d.Color("activefontcolor", t.Text);
    d.Color("focusfontcolor", t.Cyber ? QColor(0, 0, 0) : QColor(255, 255, 255));
    d.Key("vscrollbarname", QStringLiteral("vscrollbar"));
    d.Key("hscrollbarname", QStringLiteral("hscrollbar"));
    d.Key("bothhscrollbarname", QStringLiteral("bothhscrollbar"));
  }

  // Group box: nine pieces around a caption band tall enough for the
  // windows' 16-pixel bold captions (rows 0..19), corner points below it.
  d.Section("groupbox");
  d.Int("pictureindex", sheet);
  d.Rect("skinrect", l.GroupBox);
  d.Point("lefttoppoint", 6, 23);
  d.Point("righttoppoint", 286, 22);
  d.Point("leftbottompoint", 2, 49);
  d.Point("rightbottompoint", 286, 44);
  d.Rect("clientrect", {1, kGroupBand, 289, 52});
  d.Int("leftstretch", 0);
  d.Int("topstretch", 1);
  d.Int("rightstretch", 0);
  d.Int("bottomstretch", 0);
  d.Int("stretcheffect", 1);
  d.Int("bgpictureindex", -1);
  d.Rect("captionrect", {5, 1, 289, kGroupBand});  // the text 4 pixels in from the frame
  d.Key("alignment", QStringLiteral("taleftjustify"));
  d.Font(t, true);

  d.Section("panel");
  d.Int("pictureindex", sheet);
  d.Rect("skinrect", l.Panel);
  d.Corners(l.Panel, 3, 2);
  d.Int("bgpictureindex", -1);
  d.Rect("captionrect", {0, 0, 0, 0});
  d.Font(t);

  for (int radio = 0; radio < 2; ++radio) {
    d.Section(radio ? "radiobox" : "checkbox");
    const TRect body = radio ? l.Radio : l.Check;
    d.Int("pictureindex", sheet);
    d.Rect("skinrect", body);
    d.Point("lefttoppoint", 20, 10);
    d.Point("righttoppoint", body.Width() - 4, 10);
    d.Point("leftbottompoint", 0, 0);
    d.Point("rightbottompoint", 0, 0);
    d.Rect("clientrect", {20, 0, body.Width() - 2, body.Height()});
    d.Int("stretcheffect", 1);
    d.Font(t, true);
    d.Color("activefontcolor", t.Cyber ? t.AccentLight : QColor(0, 0, 128));
    d.Color("unenabledfontcolor", t.DimText);
    d.Color("framefontcolor", t.Text);
    d.Rect("activeskinrect", radio ? l.RadioA : l.CheckA);
    d.Rect("checkimagearea", {3, 4, 16, 17});
    d.Rect("textarea", {20, 0, body.Width() - 2, body.Height()});
    d.Rect("uncheckimagerect", l.Mark(radio, 0));
    d.Rect("checkimagerect", l.Mark(radio, 1));
    d.Rect("activeuncheckimagerect", l.Mark(radio, 2));
    d.Rect("activecheckimagerect", l.Mark(radio, 3));
    d.Rect("unenableduncheckimagerect", l.Mark(radio, 4));
    d.Rect("unenabledcheckimagerect", l.Mark(radio, 5));
    d.Int("morphing", 0);
  }

  d.Section("spinedit");
  d.Int("pictureindex", sheet);
  d.Rect("skinrect", l.Spin);
  d.Point("lefttoppoint", 4, 10);
  d.Point("righttoppoint", l.Spin.Width() - 20, 10);
  d.Point("leftbottompoint", 0, 0);
  d.Point("rightbottompoint", 0, 0);
  d.Rect("clientrect", {3, 3, l.Spin.Width() - 20, l.Spin.Height() - 3});
  d.Int("stretcheffect", 1);
  d.Rect("activeskinrect", l.SpinA);
  d.Font(t);
  d.Color("activefontcolor", t.Text);
  d.Color("disabledfontcolor", t.DimText);
  d.Rect("upbuttonrect", {l.Spin.Width() - 17, 2, l.Spin.Width() - 2, 10});
  d.Rect("activeupbuttonrect", l.SpinImage(0));
  d.Rect("downupbuttonrect", l.SpinImage(1));
  d.Rect("downbuttonrect", {l.Spin.Width() - 17, 11, l.Spin.Width() - 2, 19});
  d.Rect("activedownbuttonrect", l.SpinImage(2));
  d.Rect("downdownbuttonrect", l.SpinImage(3));

  for (const auto& [name, bar] : {std::pair{"hscrollbar", l.HScroll}, std::pair{"bothhscrollbar", l.BothH}}) {
    d.Section(name);
    d.Int("pictureindex", sheet);
    d.Rect("skinrect", bar);
    d.Point("lefttoppoint", 17, 8);
    d.Point("righttoppoint", bar.Width() - 17, 8);
    d.Point("leftbottompoint", 0, 0);
    d.Point("rightbottompoint", 0, 0);
    d.Rect("clientrect", {17, 0, bar.Width() - 17, bar.Height()});
    d.Int("stretcheffect", 1);
    d.Rect("trackarea", {17, 0, bar.Width() - 17, bar.Height()});
    d.Rect("upbuttonrect", {0, 0, 17, 17});
    d.Rect("activeupbuttonrect", l.HPart(0));
    d.Rect("downupbuttonrect", l.HPart(1));
    d.Rect("downbuttonrect", {bar.Width() - 17, 0, bar.Width(), 17});
    d.Rect("activedownbuttonrect", l.HPart(2));
    d.Rect("downdownbuttonrect", l.HPart(3));
    d.Rect("thumbrect", l.HThumb(0));
    d.Rect("activethumbrect", l.HThumb(1));
    d.Rect("downthumbrect", l.HThumb(2));
    d.Int("thumboffset1", 4);
    d.Int("thumboffset2", 4);
    d.Int("thumbtransparent", 0);
  }

  d.Section("vscrollbar");
  const bool ownV = s.VScrollIdx >= 0;
  const int vh = ownV ? s.Active[std::size_t(s.VScrollIdx)].Image.height() : l.VScroll.Height();
  d.Int("pictureindex", ownV ? s.VScrollIdx : sheet);
  d.Rect("skinrect", ownV ? TRect{0, 0, 17, vh} : l.VScroll);
  d.Point("lefttoppoint", 8, 17);
  d.Point("righttoppoint", 0, 0);
  d.Point("leftbottompoint", 8, vh - 17);
  d.Point("rightbottompoint", 0, 0);
  d.Rect("clientrect", {0, 17, 17, vh - 17});
  d.Int("stretcheffect", 1);
  d.Rect("trackarea", {0, 17, 17, vh - 17});
  d.Rect("upbuttonrect", {0, 0, 17, 17});
  d.Rect("activeupbuttonrect", ownV ? TRect{19, 0, 36, 17} : l.VPart(0));
  d.Rect("downupbuttonrect", ownV ? TRect{19, 0, 36, 17} : l.VPart(1));
  d.Rect("downbuttonrect", {0, vh - 17, 17, vh});
  d.Rect("activedownbuttonrect", ownV ? TRect{19, vh - 17, 36, vh} : l.VPart(2));
  d.Rect("downdownbuttonrect", ownV ? TRect{19, vh - 17, 36, vh} : l.VPart(3));
  d.Rect("thumbrect", ownV ? TRect{19, 19, 36, 43} : l.VThumb(0));
  d.Rect("activethumbrect", ownV ? TRect{19, 45, 36, 69} : l.VThumb(1));
  d.Rect("downthumbrect", ownV ? TRect{19, 71, 36, 95} : l.VThumb(2));
  d.Int("thumboffset1", 4);
  d.Int("thumboffset2", 4);

  d.Section("updown");
  if (s.UpDownIdx >= 0) {
    d.Int("pictureindex", s.UpDownIdx);
    d.Rect("skinrect", {0, 0, 13, 17});
    d.Rect("upbuttonrect", {0, 0, 13, 8});
    d.Rect("activeupbuttonrect", {14, 0, 27, 8});
    d.Rect("downupbuttonrect", {14, 0, 27, 8});
    d.Rect("downbuttonrect", {0, 9, 13, 17});
    d.Rect("activedownbuttonrect", {14, 9, 27, 17});
    d.Rect("downdownbuttonrect", {14, 9, 27, 17});
  } else if (s.SmallIdx >= 0) {
    d.Int("pictureindex", s.SmallIdx);
    d.Rect("skinrect", {2, 24, 15, 42});
    d.Rect("upbuttonrect", {0, 0, 13, 8});
    d.Rect("activeupbuttonrect", {17, 24, 30, 32});
    d.Rect("downupbuttonrect", {17, 24, 30, 32});
    d.Rect("downbuttonrect", {0, 10, 13, 18});
    d.Rect("activedownbuttonrect", {17, 34, 30, 42});
    d.Rect("downdownbuttonrect", {17, 34, 30, 42});
  } else {
    d.Int("pictureindex", sheet);
    d.Rect("skinrect", {l.Spin.Right - 17, l.Spin.Top + 2, l.Spin.Right - 2, l.Spin.Top + 19});
    d.Rect("upbuttonrect", {0, 0, 15, 8});
    d.Rect("activeupbuttonrect", l.SpinImage(0));
    d.Rect("downupbuttonrect", l.SpinImage(1));
    d.Rect("downbuttonrect", {0, 9, 15, 17});
    d.Rect("activedownbuttonrect", l.SpinImage(2));
    d.Rect("downdownbuttonrect", l.SpinImage(3));
  }

  d.Section("bevel");
  d.Color("lightcolor", t.FaceLight);
  d.Color("darkcolor", t.FaceDark);
  return d.Lines();
}
}  // namespace
