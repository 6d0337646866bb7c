// The description's sections of the frame and its objects.
#include "tools/skinmaker/DescriptionWriter.h"

#include <optional>

using art::TGlyph;

namespace {
void DescribeVersion(TDescription& d, const TSkin& s) {
  d.Section("VERSION");
  d.Key("ver", QStringLiteral("3"));
  d.Key("skinname", s.Name);
  d.Key("skinauthor", QStringLiteral("Momenty project"));
  d.Key("authoremail", QString());
  d.Key("authorurl", QString());
  d.Key("skincomments", s.Comments);
}

void DescribePictures(TDescription& d, const TSkin& s) {
  d.Section("PICTURES");
  d.Key("picture", QStringLiteral("main.bmp"));
  d.Key("inactivepicture", QString());
  d.Key("mask", QStringLiteral("mask.bmp"));
  d.Int("activepicturescount", int(s.Active.size()));
  for (std::size_t i = 0; i < s.Active.size(); ++i) d.Key(QByteArray::number(qulonglong(i)).constData(), s.Active[i].File);
}

void DescribeFormInfo(TDescription& d, const TSkin& s) {
  const TbsPieceLayout frame = FrameLayout(s);
  const bool cyber = s.T.Cyber;
  d.Section("FORMINFO");
  d.Points(frame.Points);
  d.Rect("clientrect", frame.ClientRect);
  d.Int("bgpictureindex", -1);
  d.Int("mdibgpictureindex", -1);
  d.Int("leftstretch", frame.Stretch.Left);
  d.Int("rightstretch", frame.Stretch.Right);
  d.Int("topstretch", frame.Stretch.Top);
  d.Int("bottomstretch", frame.Stretch.Bottom);
  d.Rect("maskrectarea", {0, 0, 0, 0});
  d.Rect("buttonsrect", {0, 0, 0, 0});
  d.Rect("captionrect", CaptionRect(s));
  d.Int("buttonsoffset", 2);
  d.Int("buttonsinleft", 0);
  d.Int("mainmenupopupup", 0);
  d.Int("borderwidth", cyber ? 5 : 3);
  d.Int("formminwidth", s.MinWidth);
  d.Int("autorenderinginactiveimage", 1);
  d.Key("inactiveeffect", cyber ? QStringLiteral("iedarkness") : QStringLiteral("iebrightness"));
}

// The popup and hint windows: a framed face that composes at any size,
// with `border` pixels kept at each edge.
void DescribeWindowPiece(TDescription& d, const TSkin& s, const char* section, TRole role, int border) {
  d.Section(section);
  d.Int("windowpictureindex", s.Index(role));
  d.Int("maskpictureindex", -1);
  d.Points(InsetPoints(s.Picture(role).Size, border));
}

void StretchEveryEdge(TDescription& d) {
  for (const char* k : {"leftstretch", "rightstretch", "topstretch", "bottomstretch"}) d.Int(k, 1);
}

void DescribePopupWindow(TDescription& d, const TSkin& s) {
  const QSize size = s.Picture(TRole::Popup).Size;
  DescribeWindowPiece(d, s, "POPUPWINDOW", TRole::Popup, 4);
  d.Rect("itemsrect", {3, 3, size.width() - 3, size.height() - 3});
  d.Color("scrollmarkercolor", s.T.Glyph);
  d.Color("scrollmarkeractivecolor", s.T.GlyphHot);
  StretchEveryEdge(d);
}

void DescribeHintWindow(TDescription& d, const TSkin& s) {
  const QSize size = s.Picture(TRole::Hint).Size;
  DescribeWindowPiece(d, s, "HINTWINDOW", TRole::Hint, 5);
  d.Rect("clientrect", {5, 4, size.width() - 5, size.height() - 4});
  d.Font(s.T);
  StretchEveryEdge(d);
}

void DescribeColors(TDescription& d, const TTheme& t) {
  d.Section("SKINCOLORS");
  d.Color("cbtnface", t.Face);
  d.Color("cbtntext", t.Text);
  d.Color("cwindow", t.Field);
  d.Color("cwindowtext", t.Text);
  d.Color("chighlight", t.Accent);
  d.Color("chighlighttext", t.Cyber ? QColor(0, 0, 0) : QColor(255, 255, 255));
  d.Color("cbtnhighlight", t.FaceLight);
  d.Color("cbtnshadow", t.FaceDark);
}

// The caption buttons: the glyph each shows and, for the buttons with a
// second look (maximise, roll up), the glyph of that look.
struct TCaptionButton {
  const char* Name;
  const char* Command;
  TGlyph Glyph;
  std::optional<TGlyph> Restore;
  const char* Hint;
};
const TCaptionButton kCaptionButtons[] = {
    {"closebutton", "cmclose", TGlyph::Close, {}, "Закрыть"},
    {"maxbutton", "cmmaximize", TGlyph::Maximize, TGlyph::Restore, "Развернуть"},
    {"minbutton", "cmminimize", TGlyph::Minimize, {}, "Свернуть"},
    {"rollupbutton", "cmrollup", TGlyph::RollUp, TGlyph::RollDown, "Свернуть в заголовок"},
    {"sysmenubutton", "cmsysmenu", TGlyph::SysMenu, {}, "Системное меню"},
    {"traybutton", "cmminimizetotray", TGlyph::Tray, {}, "Свернуть в область уведомлений"}};

// A caption button that glows is an animation of button style; the others
// are plain caption buttons.
QString ObjectType(const TSkin& s, const TCaptionButton& b) {
  return GlowStrip(s, b.Glyph).IsEmpty() ? QStringLiteral("stdbutton") : QStringLiteral("animate");
}

// The object list: five caption buttons, the caption, the tray button.
void DescribeObjectList(TDescription& d, const TSkin& s) {
  d.Section("SKINOBJECTS");
  d.Int("count", 7);
  for (int i = 0; i < 5; ++i)
    d.Key(QByteArray::number(i).constData(),
          QLatin1String(kCaptionButtons[i].Name) + QLatin1Char(':') + ObjectType(s, kCaptionButtons[i]));
  d.Key("5", QStringLiteral("caption:caption"));
  d.Key("6", QLatin1String("traybutton:") + ObjectType(s, kCaptionButtons[5]));
}

// A glowing caption button: its frames in "skinrect", its own look first,
// played forward while the mouse is over it and back when it leaves; the
// active look stands for the glow when the skin's effects are off.
void DescribeGlowingButton(TDescription& d, const TSkin& s, const TCaptionButton& b) {
  const TRect strip = GlowStrip(s, b.Glyph);
  d.Rect("skinrect", strip);
  d.Rect("activeskinrect", CapRect(s, b.Glyph, 1));
  d.Rect("inactiveskinrect", {strip.Left, strip.Top, strip.Left + s.CapButton.width(), strip.Bottom});
  d.Int("morphing", 0);
  d.Int("countframes", s.GlowFrames);
  d.Int("cycle", 0);
  d.Int("buttonstyle", 1);
  d.Int("timerinterval", s.GlowInterval);
  d.Key("command", QLatin1String(b.Command));
  d.Rect("downskinrect", CapRect(s, b.Glyph, 2));
}

void DescribeCaptionButton(TDescription& d, const TSkin& s, const TCaptionButton& b) {
  d.Section(b.Name);
  d.Key("hint", QString::fromUtf8(b.Hint));
  d.Int("activepictureindex", s.Index(TRole::CaptionButtons));
  d.Int("skinrectinapicture", 1);
  if (!GlowStrip(s, b.Glyph).IsEmpty()) {
    DescribeGlowingButton(d, s, b);
    return;
  }
  d.Rect("skinrect", CapRect(s, b.Glyph, 0));
  d.Rect("activeskinrect", CapRect(s, b.Glyph, 1));
  d.Rect("inactiveskinrect", CapRect(s, b.Glyph, 0));
  d.Int("morphing", s.T.Cyber ? 0 : 1);
  d.Key("morphkind", QStringLiteral("mkdefault"));
  d.Rect("downrect", CapRect(s, b.Glyph, 2));
  d.Rect("disableskinrsect", {0, 0, 0, 0});
  d.Key("command", QLatin1String(b.Command));
  if (b.Restore) {
    d.Rect("restorerect", CapRect(s, *b.Restore, 0));
    d.Rect("restoreactiverect", CapRect(s, *b.Restore, 1));
    d.Rect("restoredownrect", CapRect(s, *b.Restore, 2));
    d.Rect("restoreinactiverect", CapRect(s, *b.Restore, 0));
  }
}

void DescribeCaption(TDescription& d, const TSkin& s) {
  const TTheme& t = s.T;
  const TRect caption = CaptionRect(s);
  d.Section("caption");
  d.Int("activepictureindex", -1);
  d.Int("skinrectinapicture", 0);
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
}
}  // namespace

void DescribeFrame(TDescription& d, const TSkin& s) {
  DescribeVersion(d, s);
  DescribePictures(d, s);
  DescribeFormInfo(d, s);
  DescribePopupWindow(d, s);
  DescribeHintWindow(d, s);
  DescribeColors(d, s.T);
  DescribeObjectList(d, s);
  for (const TCaptionButton& b : kCaptionButtons) DescribeCaptionButton(d, s, b);
  DescribeCaption(d, s);
}
