#include "tools/skinmaker/SkinLayout.h"

#include <algorithm>

TRect TSheet::Button(int state) const {
  const int top = ButtonTop + state * (ButtonH + 1);
  return {399, top, 468, top + ButtonH};
}

namespace {
// The i-th of a row of equal state images in the sheet's right part, `step`
// pixels apart from column 376 on, `top` their first row.
TRect InRow(int i, int step, int top, QSize size) {
  const int x = 376 + i * step;
  return {x, top, x + size.width(), top + size.height()};
}
}  // namespace

TRect TSheet::Mark(int row, int col) const { return InRow(col, 17, 30 + row * 17, {13, 13}); }
TRect TSheet::SpinImage(int i) const { return InRow(i % 2, 17, 64 + (i / 2) * 11, {15, 9}); }
TRect TSheet::HPart(int i) const { return InRow(i, 19, 90, {17, 17}); }
TRect TSheet::HThumb(int i) const { return InRow(i, 32, 110, {30, 17}); }
TRect TSheet::VPart(int i) const { return InRow(i, 19, 130, {17, 17}); }
TRect TSheet::VThumb(int i) const { return InRow(i, 19, 150, {17, 30}); }
TRect TSheet::ComboButton(int i) const { return InRow(i, 20, 4, {17, 17}); }

TRect ComboButtonArea(const TRect& combo) { return {combo.Width() - 19, 2, combo.Width() - 2, combo.Height() - 2}; }

TRect SpinButtonArea(const TRect& spin, bool down) {
  const int top = down ? 11 : 2;
  return {spin.Width() - 17, top, spin.Width() - 2, top + 8};
}

TRect Shift(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

TRect SmallComboButton(int state) { return {2 + state * 20, 2, 19 + state * 20, 19}; }

TRect SmallSpinArrow(bool down, int state) {
  const int top = down ? 34 : 24;
  return {2 + state * 15, top, 15 + state * 15, top + 8};
}

TRect UpDownArrow(bool down, int state) {
  const int top = down ? 9 : 0;
  return {state * 14, top, 13 + state * 14, top + 8};
}

TRect VScrollArrow(bool down, int height) { return {19, down ? height - 17 : 0, 36, down ? height : 17}; }

TRect VScrollThumb(int state) { return {19, 19 + state * 26, 36, 43 + state * 26}; }

int TSkin::Index(TRole role) const {
  const auto it = std::find_if(Active.begin(), Active.end(), [role](const TPicture& p) { return p.Role == role; });
  return it == Active.end() ? -1 : int(it - Active.begin());
}

const TPicture& TSkin::Picture(TRole role) const { return Active.at(std::size_t(Index(role))); }

namespace {
// The two metal skins share their frame: 292 x 165 with a 25-row caption
// band and narrow borders, and the group box at the same place of the sheet.
TSkin MetalSkin(const char* name, const char* comments, const TTheme& theme) {
  TSkin s;
  s.Name = QLatin1String(name);
  s.Comments = QString::fromUtf8(comments);
  s.T = theme;
  s.Main = {292, 165};
  s.Client = {2, 25, 290, 162};
  s.MinWidth = 170;
  s.Sheet.GroupBox = {4, 499, 294, 552};
  return s;
}

TSkin IMetal() {
  TSkin s = MetalSkin("iMetal", "Светлый шлифованный металл", MetalTheme());
  s.Sheet.ButtonTop = 293, s.Sheet.ButtonH = 23;
  s.Active = {{"buttons.bmp", {77, 172}, 24, TRole::CaptionButtons}, {"updown.bmp", {27, 17}, 24, TRole::UpDown},
              {"hint.bmp", {46, 42}, 8, TRole::Hint}, {"popup.bmp", {38, 118}, 24, TRole::Popup},
              {"controls.bmp", {535, 583}, 24, TRole::Sheet}, {"buttonmask.bmp", {69, 23}, 8, TRole::ButtonMask}};
  return s;
}

TSkin IMetal2() {
  TSkin s = MetalSkin("iMetal2", "Тёмный титан", Metal2Theme());
  s.Sheet.ButtonTop = 266, s.Sheet.ButtonH = 25;
  s.Active = {{"buttons.bmp", {77, 172}, 24, TRole::CaptionButtons}, {"hint.bmp", {120, 33}, 24, TRole::Hint},
              {"popup.bmp", {120, 100}, 24, TRole::Popup}, {"vscroll.bmp", {38, 118}, 24, TRole::VScroll},
              {"controls.bmp", {538, 580}, 24, TRole::Sheet}, {"buttonmask.bmp", {69, 25}, 4, TRole::ButtonMask}};
  return s;
}

// Larger caption buttons and a wider border; no button mask.
TSkin Cyber() {
  TSkin s;
  s.Name = QStringLiteral("CyberObject");
  s.Comments = QStringLiteral("Тёмная техническая тема");
  s.T = CyberTheme();
  s.Main = {150, 150};
  s.Caption = 27;
  s.Client = {5, 27, 145, 142};
  s.MinWidth = 160;
  s.MaskBits = 1;
  s.CapButton = {21, 19};
  s.GlowFrames = 5;
  s.Sheet.ButtonTop = 266, s.Sheet.ButtonH = 25;
  s.Sheet.GroupBox = {4, 302, 294, 355};
  s.Active = {{"buttons.bmp", {293, 114}, 24, TRole::CaptionButtons}, {"popup.bmp", {146, 257}, 24, TRole::Popup},
              {"hint.bmp", {65, 115}, 24, TRole::Hint}, {"small.bmp", {117, 100}, 24, TRole::Small},
              {"controls.bmp", {537, 382}, 24, TRole::Sheet}};
  return s;
}
}  // namespace

std::vector<TSkin> OurSkins() { return {IMetal(), IMetal2(), Cyber()}; }

namespace {
int ButtonsPerBlock(const TSkin& s) { return (s.Picture(TRole::CaptionButtons).Size.height() - 2) / (s.CapButton.height() + 2); }
int BlockWidth(const TSkin& s) { return 3 * (s.CapButton.width() + 7) + 8; }
}  // namespace

TRect CapRect(const TSkin& s, art::TGlyph glyph, int state) {
  const int kind = int(glyph);
  const int w = s.CapButton.width(), h = s.CapButton.height();
  const int perBlock = ButtonsPerBlock(s);
  const int x = 2 + (kind / perBlock) * BlockWidth(s) + state * (w + 7);
  const int y = 2 + (kind % perBlock) * (h + 2);
  return {x, y, x + w, y + h};
}

TRect GlowStrip(const TSkin& s, art::TGlyph kind) {
  const auto* it = std::find(std::begin(kGlowingButtons), std::end(kGlowingButtons), kind);
  if (s.GlowFrames < 2 || it == std::end(kGlowingButtons)) return {};
  const int blocks = (kCaptionButtonKinds + ButtonsPerBlock(s) - 1) / ButtonsPerBlock(s);
  const int x = 2 + blocks * BlockWidth(s);
  const int y = 2 + int(it - std::begin(kGlowingButtons)) * (s.CapButton.height() + 2);
  return {x, y, x + s.GlowFrames * s.CapButton.width(), y + s.CapButton.height()};
}

bool CapFits(const TSkin& s, art::TGlyph kind) {
  return CapRect(s, kind, 2).Right <= s.Picture(TRole::CaptionButtons).Size.width();
}

TRect CaptionRect(const TSkin& s) {
  const int top = 4;
  return {s.T.Cyber ? 8 : 6, top, s.Main.width() - (s.T.Cyber ? 8 : 5), top + s.CapButton.height()};
}

TbsPieceLayout FrameLayout(const TSkin& s) {
  const int w = s.Main.width(), h = s.Main.height();
  const int cx = s.T.Cyber ? 39 : 60, cy = 40, bottom = h - (s.T.Cyber ? 40 : 25);
  const bool stretchTopBottom = !s.T.Cyber;
  return {{{cx, cy}, {w - cx, cy}, {cx, bottom}, {w - cx, bottom}},
          s.Client,
          {true, stretchTopBottom, true, stretchTopBottom, false}};
}

TbsPieceLayout ButtonLayout(const TSkin& s) {
  return {{{16, 12}, {53, 12}, {0, 0}, {0, 0}}, {10, 2, 60, s.Sheet.ButtonH - 2}, {false, false, false, false, true}};
}

TbsPieceLayout GroupBoxLayout() {
  return {{{6, 23}, {286, 22}, {2, 49}, {286, 44}}, {1, kGroupBand, 289, 52}, {false, true, false, false, true}};
}

TbsPieceLayout ComboLayout(const TSheet& l) {
  const int w = l.Combo.Width(), h = l.Combo.Height();
  return AcrossLayout(4, w - 22, 10, {3, 3, w - 22, h - 3});
}

TbsPieceLayout AcrossLayout(int left, int right, int y, const TRect& client) {
  return {{{left, y}, {right, y}, {0, 0}, {0, 0}}, client, {false, false, false, false, true}};
}

TbsPieceLayout DownLayout(int top, int bottom, int x, const TRect& client) {
  return {{{x, top}, {0, 0}, {x, bottom}, {0, 0}}, client, {false, false, false, false, true}};
}
