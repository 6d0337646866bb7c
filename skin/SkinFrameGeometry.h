#pragma once
// Where the parts of a skinned window frame lie for a window size: corner
// points, client, caption, buttons and mask rectangles, the frame's active
// objects (caption buttons, caption, user objects) and what lies under a
// point. Plain functions of the skin's "FORMINFO" record, its main picture's
// size and the window's size; the frame component only calls them.
#include "skin/SkinCompose.h"
#include "skin/SkinRecords.h"

#include <QMargins>
#include <QSize>
#include <optional>
#include <vector>

class TbsSkinData;

enum TbsBorderIcon : unsigned {
  biSystemMenu = 1u << 0,
  biMinimize = 1u << 1,
  biMaximize = 1u << 2,
  biRollUp = 1u << 3,
  biMinimizeToTray = 1u << 4,
};
using TbsBorderIcons = unsigned;

// The frame geometry of a window of W x H over a main picture P, with
// dw = W - P width and dh = H - P height:
//   left-top point      as it is;
//   right-top point     + (dw, 0);
//   left-bottom point   + (0, dh);
//   right-bottom point  + (dw, dh);
//   client rectangle    right + dw, bottom + dh;
//   caption rectangle   right + dw (when it has an area);
//   buttons rectangle   moved right by dw when its left is beyond half of P;
//   mask rectangle      right + dw, bottom + dh;
//   hit-test points     moved like the corner points.
struct TbsFrameGeometry {
  TbsCornerPoints Points;
  TRect ClientRect, CaptionRect, ButtonsRect, MaskRect;
  TbsCornerPoints HitTestPoints;
  bool operator==(const TbsFrameGeometry&) const = default;
};
TbsFrameGeometry FrameGeometryFor(const TbsDataSkinFormInfo& info, QSize picture, QSize window);

// The non-client band of a skinned window: the client rectangle's distance
// from each edge of the main picture.
QMargins SkinNonClientMargins(const TbsDataSkinFormInfo& info, QSize picture);

// Least window size. Skinned: width "formminwidth" when positive, else the
// picture's width, but `minWidth` when that exceeds the picture's width;
// height the frame's own height (picture height - client height) unless
// `minHeight` is larger. Unskinned: `minWidth`, or 120 when not positive;
// height the default caption height + 6 unless `minHeight` is larger.
QSize SkinLeastSize(const TbsDataSkinFormInfo& info, QSize picture, int minWidth, int minHeight);
QSize PlainLeastSize(int minWidth, int minHeight, int captionHeight);

// An object rectangle (in P's coordinates) placed on the window: wholly in a
// corner area it moves with that corner, spanning two corner areas it
// stretches between them; anywhere else it stays.
TRect PlaceObjectRect(const TRect& skinRect, const TbsCornerPoints& points, QSize picture, QSize window);

// One active object of the frame: a copy of what it needs from its record,
// so that it never points into skin data that may be reloaded.
enum class TbsFrameObjectKind { CaptionButton, Button, Caption, Animation, User };
struct TbsFrameObject {
  TbsFrameObjectKind Kind = TbsFrameObjectKind::User;
  QString IDName, Hint;
  int ActivePictureIndex = -1;  // -1: no active picture
  bool SkinRectInAPicture = false;
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect, DownRect;
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
  bool Morphing = false;
  TbsMorphKind MorphKind = TbsMorphKind::mkDefault;
  TbsStdCommand Command = TbsStdCommand::cmDefault;
  std::optional<TbsDataSkinCaption> Caption;  // caption objects
  bool Visible = true;
  bool Active = false;  // the mouse is over it
  bool Down = false;    // pressed with the mouse over it
  double MorphK = 0;    // morphing objects: 0 normal look .. 1 active look
  // Frame animations: frames 1 .. FrameCount are the equal pieces of
  // FramesRect, side by side (in the picture "skinrectinapicture" names);
  // frame 0 is the object's own look. A caption shows its frames under its
  // text while its window is active; a caption button, or a button, while
  // the mouse is over it. FrameCount 0: no animation.
  TRect FramesRect;
  int FrameCount = 0;
  int FrameInterval = 25;          // ms per frame
  bool InActiveAnimation = false;  // the caption's frames play back when its window goes inactive
  int Frame = 0;                   // the frame shown now
  TRect Rect;                      // on the window
};

// The frame's objects, one per record of the skin's object list except menu
// items, main-menu-bar items and main-menu-bar buttons, in list order. An
// object whose active picture index is -1 or beyond the skin's active
// pictures has no active look and does not morph. A caption with
// "framecount" frames in its "animateskinrect" animates. An animation record
// holds its "countframes" frames side by side in its "skinrect", the first
// one its own look, and plays one per "timerinterval" ms; of button style
// and with a caption-button command it is that caption button.
std::vector<TbsFrameObject> CreateFrameObjects(const TbsSkinData& data);

// Whether a caption button of `command` shows: none with `hide`; close
// always; the others with their border icon; custom ones never (no handler
// asks for them).
bool CaptionButtonShows(TbsStdCommand command, TbsBorderIcons icons, bool hide);

// Places every object for the window size: caption buttons right to left in
// the buttons area (close, maximise, minimise, roll-up, minimise-to-tray,
// custom), "buttonsoffset" apart, the system-menu button at the caption's
// left end (the size of `iconSize` when it is valid); the caption object
// then spans what the buttons leave; other objects by PlaceObjectRect.
// Sets each caption button's Visible flag first.
void LayoutFrameObjects(std::vector<TbsFrameObject>& objects, const TbsDataSkinFormInfo& info,
                        QSize picture, QSize window, TbsBorderIcons icons, bool hideButtons,
                        QSize iconSize = {});

// The edge or corner a sizeable window is sized by, from a window point.
enum class TbsFrameEdge { None, Left, Top, Right, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };
// Only within `borderWidth` pixels of the window's edge (W x H): the corner
// zones first (top-left where x <= the left-top hit-test point's x and
// y <= its y, and so on for the other three), then the bands above and
// below the client area and beside it. Anywhere else: None.
TbsFrameEdge FrameSizingZone(const QPoint& p, QSize window, const TRect& client, const TbsCornerPoints& hitTest,
                             int borderWidth);
// The same edges as the window system names them (none: no edges).
Qt::Edges FrameEdges(TbsFrameEdge edge);

// What lies under a window point of a skinned frame.
enum class TbsFrameHit { Client, Caption, Object, Border };
// `object` receives the index of the object hit (caption buttons, buttons
// and user objects; -1 otherwise). Without a caption object the caption
// rectangle drags the window.
TbsFrameHit FrameHitTest(const QPoint& p, const TbsFrameGeometry& g, const std::vector<TbsFrameObject>& objects,
                         int* object = nullptr);
