#pragma once
// Painting of a skinned window frame and the window's shape, as plain
// functions of the skin's pictures, its "FORMINFO" record and the window's
// size and state.
#include "skin/SkinFrameGeometry.h"

#include <QIcon>
#include <QImage>
#include <QRegion>
#include <QString>

class TbsSkinData;

// The frame of a W x H window from the main picture P, composed by the nine-
// piece rules around the client rectangle (which is left transparent):
//
//   +------+----------------------------+------+
//   | TL   | top edge (caption band)    |   TR |  rows 0 .. client top
//   +---+--+----------------------------+--+---+
//   | L |                                  | R |  left / right edges
//   |   |        client (not drawn)        |   |  between the corner points
//   +---+--+----------------------------+--+---+
//   | BL   | bottom edge                |   BR |  rows client bottom .. H
//   +------+----------------------------+------+
//
// Corners are copied unscaled; each edge between its two corner points is
// stretched when its "...stretch" flag is 1, else tiled.
QImage ComposeFrameImage(const QImage& picture, const TbsDataSkinFormInfo& info, QSize window);

// The inactive look made from the active one: brightness raised by 0.5,
// darkness by 0.3, grey scale, noise of 50, a split blur of 1 pixel, or
// inversion. Alpha is kept.
void ApplyInactiveEffect(QImage& image, TbsInactiveEffect effect);

// The whole frame image of a skinned window in its current state: the main
// picture (the inactive picture when the window is inactive and the skin has
// one), altered by the inactive effect when the window is inactive and the
// skin asks for it, with every visible object drawn on it.
struct TbsFrameState {
  QSize Window;
  bool Active = true;
  QString Caption;
  QIcon Icon;             // drawn as the system-menu button with ShowIcon
  bool ShowIcon = false;
  bool Maximized = false;  // the maximise button shows its restore look
};
QImage PaintSkinFrame(const TbsSkinData& data, const std::vector<TbsFrameObject>& objects,
                      const TbsFrameState& state);

// Draws one object onto the frame image. A caption button, button or user
// object copies its picture piece: "downrect" while pressed, "activeskinrect"
// while the mouse is over it, "inactiveskinrect" while the window is
// inactive, else "skinrect" (an empty choice falls back to "skinrect"),
// stretched to its rectangle when the sizes differ; the maximise button of a
// maximised window takes the matching "restore..." rectangles. A morphing
// object between its looks (MorphK between 0 and 1) shows its normal look
// turned towards the active one by the record's "morphkind". An object
// whose animation stands at a frame above 0 shows that frame instead (unless
// it is pressed). A caption object draws its animation's frame, if any,
// stretched to its rectangle, and the caption text over it.
void DrawFrameObject(QImage& frame, const TbsSkinData& data, const TbsFrameObject& object,
                     const TbsFrameState& state);

// The caption text inside a caption object's rectangle: the record's font,
// "activefontcolor" while active else "fontcolor", aligned by "alignment",
// a light edge ("light") and a shadow ("shadow") one pixel right and down.
void DrawCaptionText(QImage& frame, const TbsFrameObject& caption, const QString& text, bool active);

// The window's shape: the mask rectangle plus, in each of the four mask
// pieces composed at the window size like the frame, every pixel whose red,
// green and blue are all 0. A null mask gives an empty region (no shape).
QRegion FrameRegion(const QImage& mask, const TbsDataSkinFormInfo& info, QSize picture, QSize window);
