#pragma once
// The pieces our skins' pictures are made of, each drawn into a rectangle of
// a picture in the colours of a theme: sunken fields, small arrow buttons,
// push buttons, check and radio marks, caption buttons, scroll bars and
// their thumbs, and the face of popup and hint windows.
#include "tools/SkinArt.h"
#include "tools/skinmaker/SkinTheme.h"
#include "skin/SkinIni.h"  // TRect

#include <QImage>

// A sunken field: outline (the accent when active), inner shadow, the field
// colour inside.
void DrawField(QImage& img, const TRect& r, const TTheme& t, bool active);
// A drop-down or spin button face with its arrow; state 0 normal, 1 active,
// 2 pressed.
void DrawSmallButton(QImage& img, const TRect& r, const TTheme& t, int state, art::TArrow arrow);
// A push button face; state 0 normal, 1 active, 2 down, 3 disabled.
void DrawPushButton(QImage& img, const TRect& r, const TTheme& t, int state);
// A check box or radio mark; `col` as in TSheet::Mark.
void DrawMark(QImage& img, const TRect& r, const TTheme& t, bool radio, int col);
// A caption button with its glyph; state 0 normal, 1 active, 2 pressed.
void DrawCaptionButton(QImage& img, const QRect& q, const TTheme& t, art::TGlyph glyph, int state);
// A frame of the technical caption button's glow: `level` 0 is its normal
// look; towards 1 the plate brightens, a halo rises inside its outline and
// the glyph takes its hot colour, a little beyond the plain active look.
void DrawCaptionGlow(QImage& img, const QRect& q, const TTheme& t, art::TGlyph glyph, double level);
// A popup or hint window background: a framed face that composes at any size.
QImage DrawWindowPiece(QSize size, const TTheme& t, bool hint);
// A scroll bar's track with its two arrow buttons at the ends.
void DrawScrollBar(QImage& img, const TRect& r, const TTheme& t, bool vertical);
// A scroll bar thumb: a small button face with a grip of three lines across
// its length; state 0 normal, 1 active, 2 pressed.
void DrawThumb(QImage& img, const TRect& r, const TTheme& t, int state, bool vertical);
