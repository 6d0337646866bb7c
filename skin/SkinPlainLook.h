#pragma once
// Pieces of the plain look, drawn where no skin record gives a control its
// look: bevelled faces and edges in the system colours.
#include <QRect>
#include <QSize>

class QPainter;

enum class TbsBevelStyle { bvFrame, bvRaised, bvLowered, bvNone };

// A one-pixel edge around `r` whose upper-left and lower-right colours
// follow the style (frame: shadow all round; raised: highlight, shadow;
// lowered: shadow, highlight; none: no edge). The lower-right colour takes
// the two corners where the colours meet.
void DrawBevelEdge(QPainter& p, const QRect& r, TbsBevelStyle style);
// The plain face of a framed control: `r` filled with the button face and
// closed by the style's edge.
void DrawPlainBevel(QPainter& p, const QRect& r, TbsBevelStyle style);

// The border of a text field, two pixels sunken: shadow and dark shadow
// above and left, highlight and light below and right.
void DrawSunkenBorder(QPainter& p, QSize size);
