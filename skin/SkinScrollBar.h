#pragma once
// The skinned scroll bar: a pure drawing of a bar (vertical or horizontal)
// from a scroll-bar record of the skin, its plain look, and a QScrollBar that
// paints itself with them, so that any scroll area (the memo's text view, the
// drop-down list) can wear the skin's bars.
#include "skin/SkinCompose.h"
#include "skin/SkinData.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QScrollBar>

class QPainter;
class TbsDataSkinScrollBarControl;

// The parts of a bar, for the state of the mouse.
enum class TbsScrollPart { None, UpButton, DownButton, Thumb, TrackBefore, TrackAfter };

// What a bar shows: its range, the visible page and the position (all in
// the same units), and which part is under the mouse or pressed.
struct TbsScrollState {
  int Min = 0, Max = 0;  // positions run from Min to Max
  int Page = 1;          // how much of the content is visible
  int Position = 0;
  TbsScrollPart Hot = TbsScrollPart::None;
  TbsScrollPart Pressed = TbsScrollPart::None;
};

// Where the parts of a bar lie inside its rectangle. The up (left) button is
// at the start, the down (right) button at the end, the track between them;
// the thumb lies in the track (empty when there is nothing to scroll).
struct TbsScrollGeometry {
  QRect UpButton, DownButton, Track, Thumb;
};

// The smallest length a thumb is given along the bar.
constexpr int kMinThumbLength = 8;

// A skin's scroll-bar record together with the picture it cuts from.
struct TbsScrollSkin {
  const TbsDataSkinScrollBarControl* Record = nullptr;
  TbsSkinPicture Picture;  // the record's active picture
  // The record and picture named `name` in `data`, or an empty skin.
  static TbsScrollSkin Find(const TbsSkinData* data, const QString& name);
  bool IsEmpty() const;
  // The bar's thickness across in the skin (its width when vertical).
  int Thickness(bool vertical) const;
};

// Thumb length and start along a track of `trackLength` pixels: the thumb's
// share of the track is Page / (Max - Min + Page), at least `minThumb` (and
// at most the track); its start runs from 0 to trackLength - thumb length as
// Position runs from Min to Max. Nothing to scroll (Max <= Min) gives length 0.
struct TbsThumbSpan {
  int Start = 0, Length = 0;
};
TbsThumbSpan ThumbSpan(const TbsScrollState& state, int trackLength, int minThumb = kMinThumbLength);
// The position for a thumb whose start lies `thumbStart` pixels into the
// track: the reverse of ThumbSpan, rounded and kept within Min .. Max.
int PositionForThumb(const TbsScrollState& state, int trackLength, int thumbLength, int thumbStart);

// The parts of the plain bar: square buttons of the bar's thickness at the
// ends (each at most half the length), the track between.
TbsScrollGeometry PlainScrollGeometry(const QRect& rect, bool vertical, const TbsScrollState& state);
// The parts of a skinned bar: the record's up and down button rectangles and
// track area (relative to its skin rectangle), the down button and the end of
// the track moved by the difference between the bar's length and the skin's,
// scaled across when the bar's thickness differs from the skin's.
TbsScrollGeometry SkinScrollGeometry(const TbsScrollSkin& skin, const QRect& rect, bool vertical,
                                     const TbsScrollState& state);
TbsScrollGeometry ScrollGeometry(const TbsScrollSkin& skin, const QRect& rect, bool vertical,
                                 const TbsScrollState& state);
// The part under a point of the bar.
TbsScrollPart ScrollPartAt(const TbsScrollGeometry& geometry, const QPoint& point, bool vertical);

// The plain bar: a light track, two framed button-face buttons with arrows,
// a framed button-face thumb; the pressed part darker, the hot one framed navy.
void DrawPlainScrollBar(QPainter& p, const QRect& rect, bool vertical, const TbsScrollState& state);
// The skinned bar. Returns false (drawing nothing) when the skin cannot give
// it; the caller then draws the plain bar.
bool DrawSkinScrollBar(QPainter& p, const TbsScrollSkin& skin, const QRect& rect, bool vertical,
                       const TbsScrollState& state);
// Either of the two.
void DrawScrollBar(QPainter& p, const TbsScrollSkin& skin, const QRect& rect, bool vertical,
                   const TbsScrollState& state);

// An arrow centred in `r`: direction 0 up, 1 down, 2 left, 3 right.
void DrawScrollArrow(QPainter& p, const QRect& r, const QColor& color, int direction);

// A scroll bar of a scroll area that wears the skin's bar named by
// SkinDataName ("vscrollbar", "hscrollbar" or "bothhscrollbar"), or the
// plain bar without one. It handles the mouse by the drawn parts: the buttons
// step (repeating while held), the track pages, the thumb drags.
class TbsSkinScrollBar : public QScrollBar {
  Q_OBJECT
public:
  explicit TbsSkinScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

  TbsSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TbsSkinData* data);
  QString SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const QString& name);
  void SkinWillChange();  // plain until SkinChanged
  void SkinChanged();

  // The skin in use (empty for the plain look).
  TbsScrollSkin Skin() const;
  TbsScrollState State() const;
  TbsScrollGeometry Geometry() const;
  // The bar's image at its current size, as painted.
  QImage Render() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  bool Vertical() const { return orientation() == Qt::Vertical; }
  QPointer<TbsSkinData> FSkinData;
  QString FSkinDataName;
  bool FSuspended = false;  // between the two skin notices
  TbsScrollPart FHot = TbsScrollPart::None;
  TbsScrollPart FPressed = TbsScrollPart::None;
  int FGrabOffset = 0;  // mouse to thumb start while dragging
};
