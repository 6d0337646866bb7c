#pragma once
// The colours of our three skins: two brushed metals and a dark technical
// look. Every picture and every colour key of a skin's description is drawn
// or written from its theme.
#include <QColor>
#include <cstdint>

struct TTheme {
  bool Cyber = false;  // the technical look (chamfered, dark) instead of metal
  QColor CapTop, CapBottom, Face, FaceLight, FaceDark, Outline, Light, Dark;
  QColor Field, Accent, AccentLight, Text, DimText, SheetBack, Glyph, GlyphHot;
  std::uint32_t Seed = 1;  // of the brushed-metal noise
};

TTheme MetalTheme();   // light brushed metal ("iMetal")
TTheme Metal2Theme();  // a darker titanium with cooler highlights ("iMetal2")
TTheme CyberTheme();   // dark panels, bright cyan lines ("CyberObject")
