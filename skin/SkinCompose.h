#pragma once
// Composition of skin images: a piece of a skin picture copied, stretched or
// tiled to the size of a control or window, the window region read from a
// mask picture, and the blends that morph one state image into another.
// Everything here is a plain function of pictures, rectangles and sizes; the
// controls and the frame only choose the pieces and draw the result.
//
// Coordinates: a piece's corner points and client rectangle are relative to
// the piece's top-left corner (the skin rectangle's left, top). Rectangles
// are TRect: left, top, right, bottom with the right and bottom edges
// excluded. Scaling is nearest-pixel, never smoothed.
#include "skin/SkinIni.h"          // TRect
#include "skin/SkinRecordTypes.h"  // TbsMorphKind

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <vector>

class QPainter;

// How a skinned control may be sized, decided from its record.
enum class TbsResizeMode {
  rmNone = -1,   // the skin rectangle has no area: there is no skin image
  rmFixed = 0,   // fixed to the skin rectangle's size; the piece as it lies
  rmFree = 1,    // any width and height: nine pieces
  rmAcross = 2,  // any width, height fixed: left end, middle, right end
  rmDown = 3,    // any height, width fixed: top end, middle, bottom end
};

struct TbsCornerPoints {
  QPoint LeftTop, RightTop, LeftBottom, RightBottom;
  bool operator==(const TbsCornerPoints&) const = default;
};

// Which pieces grow by stretching; the others grow by tiling.
struct TbsStretchFlags {
  bool Left = false, Top = false, Right = false, Bottom = false;
  bool Client = false;  // the client area ("stretcheffect")
};

// Where the pieces of a skin image lie and how each one grows.
struct TbsPieceLayout {
  TbsCornerPoints Points;
  TRect ClientRect;
  TbsStretchFlags Stretch;
};

// The layout a skin record describes: its four corner points, the given
// inner rectangle and its four edge stretch flags; `stretchClient` says how
// the inner rectangle grows. Control, frame, popup and hint records all
// name these fields alike.
template <class Record>
TbsPieceLayout PieceLayoutOf(const Record& r, const TRect& inner, bool stretchClient) {
  return {{r.LeftTopPoint, r.RightTopPoint, r.LeftBottomPoint, r.RightBottomPoint},
          inner,
          {r.LeftStretch, r.TopStretch, r.RightStretch, r.BottomStretch, stretchClient}};
}
// A control record's own layout: its client rectangle and "stretcheffect".
template <class Record>
TbsPieceLayout PieceLayoutOf(const Record& r) {
  return PieceLayoutOf(r, r.ClientRect, r.StretchEffect);
}

// The corner points and client rectangle moved for one target size.
struct TbsPieceGeometry {
  TbsCornerPoints Points;
  TRect ClientRect;
  bool operator==(const TbsPieceGeometry&) const = default;
};

// The resize mode of a record; the first rule that holds wins:
//   rmNone    the skin rectangle has no area;
//   rmFree    the right-bottom point has x != 0 and y != 0;
//   rmAcross  the right-top point is not 0,0;
//   rmDown    the left-bottom point is not 0,0;
//   rmFixed   otherwise.
TbsResizeMode ResizeModeOf(const TRect& skinRect, const TbsCornerPoints& points);

// The size the skin allows for a requested size: rmFree any size, rmAcross
// the skin's height, rmDown the skin's width, rmFixed the skin's size; with
// rmNone the request stands.
QSize SkinSizeFor(TbsResizeMode mode, QSize skin, QSize requested);

// The corner points and client rectangle at `size`, with dw, dh the
// differences from the skin size:
//   rmFree:   right-top x + dw, left-bottom y + dh, right-bottom + (dw, dh),
//             client right + dw, client bottom + dh;
//   rmAcross: right-top x + dw, client right + dw;
//   rmDown:   left-bottom y + dh, client bottom + dh;
//   rmFixed and rmNone: as they are.
TbsPieceGeometry GeometryForSize(TbsResizeMode mode, QSize skin, const TbsPieceLayout& layout, QSize size);

// The layout of a button whose size the skin does not dictate: the client
// rectangle's corners serve as corner points, and every piece stretches.
TbsPieceLayout ClientCornerLayout(const TRect& clientRect);

// The pixels of `rect` in `picture` as premultiplied ARGB; whatever of the
// rectangle lies outside the picture takes the colour `outside`. An empty
// rectangle gives a null image.
QImage CutPiece(const QImage& picture, const TRect& rect, QRgb outside = 0);

// Copies the `from` part of `source` into the `to` part of `target`
// (premultiplied ARGB): stretched to fit with nearest pixels, or tiled from
// `to`'s top-left corner with the last copies cut at the right and bottom.
// A part of zero or negative width or height draws nothing; `from` is cut to
// the source and nothing is written outside the target.
void DrawPiece(QImage& target, const QRect& to, const QImage& source, const QRect& from, bool stretch);

// Replaces the painter's pixels from the top-left corner with `image`,
// alpha included (a body image is the whole look, not drawn over anything).
// The painter draws over again afterwards.
void PutImage(QPainter& p, const QImage& image);

// Nine pieces. With the piece's size SW x SH, its corner points lt, rt, lb,
// rb and its client rectangle c (the target's: size W x H, points nlt, nrt,
// nlb, nrb, client nc):
//
//   +--------+---------------------+---------+
//   | TL     | top edge            |      TR |   rows 0 .. c.top
//   |   +----+---------------------+----+    |
//   |   |    |                     |    |    |   the corner areas are
//   +---+  left                   right +----+   L-shaped: TL is 0..lt.x
//   |   |  edge      client       edge  |    |   above the client top plus
//   |   |                               |    |   0..c.left above lt.y
//   +---+                               +----+
//   |   |    |                     |    |    |
//   |   +----+---------------------+----+    |
//   | BL     | bottom edge         |      BR |   rows c.bottom .. SH
//   +--------+---------------------+---------+
//
//   corners       copied unscaled: TL = (0,0)-(lt.x,c.top) and
//                 (0,0)-(c.left,lt.y); TR = (rt.x,0)-(SW,c.top) and
//                 (c.right,0)-(SW,rt.y); BL = (0,c.bottom)-(lb.x,SH) and
//                 (0,lb.y)-(c.left,SH); BR = (rb.x,c.bottom)-(SW,SH) and
//                 (c.right,rb.y)-(SW,SH); each to the same place of the
//                 target's geometry;
//   top edge      (lt.x,0)-(rt.x,c.top)        -> (nlt.x,0)-(nrt.x,nc.top)
//   bottom edge   (lb.x,c.bottom)-(rb.x,SH)    -> (nlb.x,nc.bottom)-(nrb.x,H)
//   left edge     (0,lt.y)-(c.left,lb.y)       -> (0,nlt.y)-(nc.left,nlb.y)
//   right edge    (c.right,rt.y)-(SW,rb.y)     -> (nc.right,nrt.y)-(W,nrb.y)
//                 each stretched when its flag is set, else tiled;
//   client        c -> nc, stretched with Stretch.Client, else tiled from
//                 its top-left corner (left out when `drawClient` is false).
// Pieces of zero or negative length are skipped; the corners are drawn last.
QImage ComposeNinePiece(const QImage& piece, const TbsPieceLayout& layout, QSize size,
                        const TbsPieceGeometry& target, bool drawClient = true, QRgb background = 0);

// The rectangle `part` of that composition alone, with the same pixels as
// the whole image's copy of it (0 where the part lies beyond the image),
// without composing the rest.
QImage ComposeNinePiecePart(const QImage& piece, const TbsPieceLayout& layout, QSize size,
                            const TbsPieceGeometry& target, const QRect& part, bool drawClient = true,
                            QRgb background = 0);

// Three pieces across, in an image of `size` (rows below the piece's height
// keep `background`):
//   left end   columns 0 .. leftEnd, unscaled, at the left;
//   right end  the last SW - rightStart columns, unscaled, at the right;
//   middle     columns leftEnd .. rightStart, stretched or tiled over what
//              lies between the two ends.
QImage ComposeAcross(const QImage& piece, int leftEnd, int rightStart, bool stretch, QSize size,
                     QRgb background = 0);
// The same down the height: top end rows 0 .. topEnd, bottom end the last
// SH - bottomStart rows, middle rows topEnd .. bottomStart.
QImage ComposeDown(const QImage& piece, int topEnd, int bottomStart, bool stretch, QSize size,
                   QRgb background = 0);

// A piece composed at `size` by a resize mode: rmFree nine pieces with the
// geometry for the size; rmAcross three pieces across between the left-top
// and right-top points' x; rmDown three pieces down between the left-top and
// left-bottom points' y; rmFixed the piece as it lies. What the pieces do not
// cover keeps `background`; with rmNone the image is all `background`.
QImage ComposeByMode(const QImage& piece, TbsResizeMode mode, const TbsPieceLayout& layout, QSize size,
                     QRgb background = 0);

// A button image at a size the skin does not dictate: nine pieces with the
// client rectangle's corners as corner points, everything stretched. A
// 69 x 23 piece with client 10,2,60,21 at 276 x 35 keeps borders of 10 left,
// 9 right, 2 top and 2 bottom around a 257 x 31 middle.
QImage ComposeClientCorners(const QImage& piece, const TRect& clientRect, QSize size, QRgb background = 0);

// A piece at a size its skin does not dictate: a record of rmFree composes by
// its own nine pieces, one of rmNone gives all `background`, any other
// keeps its borders around its client rectangle (ComposeClientCorners).
QImage ComposeFreely(const QImage& piece, TbsResizeMode mode, const TbsPieceLayout& layout, QSize size,
                     QRgb background = 0);

// --- Mask pictures and regions -------------------------------------------

// The most runs that one composed mask piece may give.
constexpr int kMaxMaskRuns = 10000;

struct TbsMaskRuns {
  std::vector<TRect> Runs;  // one pixel high each, row by row, left to right
  bool Truncated = false;   // more runs were there than the limit allows
};

// The runs of pixels whose red, green and blue are all 0 (alpha does not
// count): a run from x 3 to 65 in row 0 is the rectangle (3,0)-(66,1). At
// most `maxRuns` runs are kept; the pixels of any further run are left out.
TbsMaskRuns MaskRuns(const QImage& mask, int maxRuns = kMaxMaskRuns);

// The runs as one region, moved by `offset`.
QRegion RegionFromRuns(const std::vector<TRect>& runs, QPoint offset = {});

// MaskRuns and RegionFromRuns together.
QRegion MaskToRegion(const QImage& mask, QPoint offset = {}, int maxRuns = kMaxMaskRuns);

// --- Morphing ----------------------------------------------------------------

// `normal` turned towards `active` by k (0: normal, 1: active); images of
// different sizes give `active`. mkDefault blends every channel as
// (1 - k) * normal + k * active, rounded and clamped to 0..255; the other
// kinds are wipes and slides:
//   mkGradient       a soft wipe from top to bottom;
//   mkLeftGradient   a soft wipe from the left edge;
//   mkRightGradient  a soft wipe from the right edge;
//   mkLeftSlide      the active image slides in from the left over the normal;
//   mkRightSlide     the same from the right;
//   mkPush           the active image pushes the normal one out to the right.
QImage MorphBlend(const QImage& normal, const QImage& active, double k, TbsMorphKind kind);
