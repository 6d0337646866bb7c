#pragma once
// Where everything lies in our skins: the three skins with their pictures,
// the control sheet (the largest picture, holding every control's looks),
// the caption buttons' picture, and the piece layouts that both the
// description and the previews use, so that a preview composes each piece
// exactly as the description tells the program to.
//
// Conventions of our descriptions: a control's "skinrect" is its normal
// image; button-like areas inside a control ("buttonrect", "upbuttonrect",
// "trackarea", "checkimagearea", "textarea", "clientrect") are given
// relative to the skin rectangle; the other states' images ("active...",
// "down...", thumbs, marks, item images) are rectangles of the picture.
#include "skin/SkinCompose.h"
#include "tools/SkinArt.h"
#include "tools/skinmaker/SkinTheme.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

// Rows of the group box's caption band: room for a 16-pixel bold caption.
constexpr int kGroupBand = 20;

// The layout of the control sheet.
struct TSheet {
  TRect Edit{4, 4, 124, 25}, EditA{128, 4, 248, 25};
  TRect Memo{4, 29, 124, 109}, MemoA{128, 29, 248, 109};
  TRect Combo{4, 113, 124, 134}, ComboA{128, 113, 248, 134};
  TRect Label{4, 138, 124, 159};
  TRect Spin{4, 163, 124, 184}, SpinA{128, 163, 248, 184};
  TRect Check{4, 188, 124, 209}, CheckA{128, 188, 248, 209};
  TRect Radio{4, 213, 124, 234}, RadioA{128, 213, 248, 234};
  TRect Panel{4, 238, 124, 298};
  TRect List{252, 4, 372, 110};
  TRect Item{252, 114, 372, 132}, ItemA{252, 134, 372, 152}, ItemF{252, 154, 372, 172};
  TRect HScroll{128, 240, 328, 257}, BothH{128, 261, 308, 278};
  TRect VScroll{300, 298, 317, 378};
  TRect GroupBox;                 // differs from skin to skin
  int ButtonTop = 0, ButtonH = 0;  // the push button's four looks, one under another

  TRect Button(int state) const;  // 0 normal, 1 active, 2 down, 3 disabled
  // 13 x 13 marks: row 0 check box, row 1 radio; columns: unchecked,
  // checked, active unchecked, active checked, disabled unchecked, disabled checked.
  TRect Mark(int row, int col) const;
  TRect SpinImage(int i) const;    // active up, pressed up, active down, pressed down
  TRect HPart(int i) const;        // active left, pressed left, active right, pressed right
  TRect HThumb(int i) const;       // normal, active, pressed
  TRect VPart(int i) const;        // active up, pressed up, active down, pressed down
  TRect VThumb(int i) const;       // normal, active, pressed
  TRect ComboButton(int i) const;  // normal, active, pressed
};

// Areas inside a control's skin rectangle, relative to it.
TRect ComboButtonArea(const TRect& combo);           // the drop-down button
TRect SpinButtonArea(const TRect& spin, bool down);  // the up or the down button
constexpr TRect kCheckImageArea{3, 4, 16, 17};       // a check box's or radio's mark
// The rectangle moved by dx, dy.
TRect Shift(const TRect& r, int dx, int dy);

// What an active picture holds.
enum class TRole { CaptionButtons, Sheet, ButtonMask, Hint, Popup, UpDown, VScroll, Small };

struct TPicture {
  QString File;
  QSize Size;
  int Bits;  // of the BMP file
  TRole Role;
  QImage Image = {};  // drawn by DrawPictures
};

struct TSkin {
  QString Name;  // the skin's name and its folder's
  QString Comments;
  TTheme T;
  QSize Main;       // the main picture
  int Caption = 25;  // rows of the caption band
  TRect Client;
  int MinWidth = 0;
  int MaskBits = 4;
  QSize CapButton{19, 17};
  // Frames of the caption buttons' glow on hover, their own look first; 0
  // leaves the caption buttons still.
  int GlowFrames = 0;
  int GlowInterval = 40;  // ms per frame
  TSheet Sheet;
  std::vector<TPicture> Active;  // in the order of the description's list

  // Index of the picture of the role in the active list, -1 when none has it.
  int Index(TRole role) const;
  // The picture of the role; the skin must have one.
  const TPicture& Picture(TRole role) const;
};

// iMetal2, iMetal and CyberObject, pictures not yet drawn.
std::vector<TSkin> OurSkins();

// --- The small pictures ------------------------------------------------------

// CyberObject's small picture: the drop-down button (state 0 normal, 1
// active, 2 pressed) in the first row, the spin arrows (state 0 normal, 1
// active) below it.
TRect SmallComboButton(int state);
TRect SmallSpinArrow(bool down, int state);
// iMetal's up-down picture: normal arrows on the left, active on the right.
TRect UpDownArrow(bool down, int state);
// iMetal2's vertical scroll bar picture of `height` rows: the bar in the
// left column, the active arrows and the thumbs (state 0 normal, 1 active, 2
// pressed) in the right one.
TRect VScrollArrow(bool down, int height);
TRect VScrollThumb(int state);

// --- Caption buttons -----------------------------------------------------------

// One row of the caption buttons' picture for each glyph, in the order of
// art::TGlyph: close, maximise, minimise, restore, roll up, roll down,
// system menu, minimise to tray, help.
constexpr int kCaptionButtonKinds = int(art::TGlyph::Help) + 1;
// Columns normal, active, pressed (state 0..2); a second block of columns
// when the picture is not tall enough for every row.
TRect CapRect(const TSkin& s, art::TGlyph kind, int state);
// Whether all three looks of the kind fit into the picture.
bool CapFits(const TSkin& s, art::TGlyph kind);
// The caption buttons that glow on hover (where the skin has the glow), in
// the order of their strips.
constexpr art::TGlyph kGlowingButtons[] = {art::TGlyph::Close, art::TGlyph::Minimize};
// The glow's strip of the kind: its frames side by side right of the
// buttons' blocks, the first one the button's own look; an empty rectangle
// for a kind that does not glow or a skin without the glow.
TRect GlowStrip(const TSkin& s, art::TGlyph kind);
// The caption band's text and button area on the main picture.
TRect CaptionRect(const TSkin& s);

// --- Piece layouts ---------------------------------------------------------------

// The frame: the corner areas keep the caption's ends and the border corners;
// the edges between them stretch, except the technical skin's top and bottom
// edges, whose 6-pixel grid is tiled.
TbsPieceLayout FrameLayout(const TSkin& s);
// The push button: three pieces across (ends 16 pixels); at sizes the skin
// does not dictate it keeps its borders around its client rectangle.
TbsPieceLayout ButtonLayout(const TSkin& s);
// The group box: nine pieces around a caption band tall enough for the
// windows' 16-pixel bold captions (rows 0..19), corner points below it.
TbsPieceLayout GroupBoxLayout();
// The drop-down list's field: ends kept left of 4 and right of the button.
TbsPieceLayout ComboLayout(const TSheet& l);
// A piece that grows across only, between the columns `left` and `right`
// (points at row `y`), its client stretched.
TbsPieceLayout AcrossLayout(int left, int right, int y, const TRect& client);
// A piece that grows down only, between the rows `top` and `bottom` (points
// at column `x`), its client stretched.
TbsPieceLayout DownLayout(int top, int bottom, int x, const TRect& client);
