#include "tools/skinmaker/SkinTheme.h"

#include <iterator>

namespace {
// Every colour of the three themes, side by side: light metal, dark
// titanium, technical.
struct TColorRow {
  QColor TTheme::*Field;
  QColor Of[3];
};
const TColorRow kColors[] = {
    {&TTheme::CapTop, {{234, 237, 241}, {218, 223, 230}, {16, 40, 62}}},
    {&TTheme::CapBottom, {{166, 174, 184}, {118, 128, 142}, {8, 22, 36}}},
    {&TTheme::Face, {{212, 215, 219}, {200, 205, 211}, {12, 26, 38}}},
    {&TTheme::FaceLight, {{244, 246, 248}, {236, 239, 243}, {36, 90, 110}}},
    {&TTheme::FaceDark, {{140, 146, 154}, {118, 126, 136}, {4, 10, 16}}},
    {&TTheme::Outline, {{86, 92, 100}, {64, 72, 84}, {30, 120, 130}}},
    {&TTheme::Light, {{250, 251, 252}, {250, 251, 252}, {60, 160, 170}}},
    {&TTheme::Dark, {{96, 102, 110}, {78, 86, 98}, {4, 10, 16}}},
    {&TTheme::Field, {{255, 255, 255}, {250, 251, 252}, {6, 16, 24}}},
    {&TTheme::Accent, {{58, 110, 165}, {36, 92, 160}, {40, 200, 180}}},
    {&TTheme::AccentLight, {{120, 170, 220}, {120, 170, 220}, {130, 255, 220}}},
    {&TTheme::Text, {{0, 0, 0}, {0, 0, 0}, {190, 244, 255}}},
    {&TTheme::DimText, {{120, 124, 130}, {120, 124, 130}, {70, 110, 125}}},
    {&TTheme::SheetBack, {{200, 203, 207}, {190, 195, 201}, {6, 14, 22}}},
    {&TTheme::Glyph, {{40, 44, 50}, {40, 44, 50}, {90, 220, 200}}},
    {&TTheme::GlyphHot, {{30, 80, 150}, {30, 80, 150}, {170, 255, 235}}},
};
static_assert(std::size(kColors) == 16, "one row for every colour of TTheme");

TTheme Theme(int column, bool cyber, std::uint32_t seed) {
  TTheme t;
  t.Cyber = cyber;
  for (const TColorRow& row : kColors) t.*row.Field = row.Of[column];
  t.Seed = seed;
  return t;
}
}  // namespace

TTheme MetalTheme() { return Theme(0, false, 11); }
TTheme Metal2Theme() { return Theme(1, false, 23); }
TTheme CyberTheme() { return Theme(2, true, 37); }
