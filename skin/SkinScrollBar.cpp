#include "skin/SkinScrollBar.h"

#include "platform/Graphics.h"
#include "skin/SkinRecords.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cstdint>

namespace {

constexpr TColor kPressedFace = 11899781;  // a darker face for a held part

// A rectangle of the picture, or the fall-back when the skin leaves it empty.
const TRect& Or(const TRect& rect, const TRect& fallback) { return rect.IsEmpty() ? fallback : rect; }

int Along(const QPoint& p, bool vertical) { return vertical ? p.y() : p.x(); }
int Length(const QRect& r, bool vertical) { return vertical ? r.height() : r.width(); }
int Start(const QRect& r, bool vertical) { return vertical ? r.top() : r.left(); }

// The span [start, start + length) along the bar inside `r` across.
QRect SpanIn(const QRect& r, bool vertical, int start, int length) {
  return vertical ? QRect(r.left(), start, r.width(), length) : QRect(start, r.top(), length, r.height());
}

// Pixels of `color` made transparent (a thumb that lets the track show).
QImage WithTransparentColor(QImage image, TColor color) {
  const QRgb key = ToQColor(color).rgb() & 0xFFFFFFu;
  image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] & 0xFFFFFFu) == key) line[x] = 0;
  }
  return image;
}

// A thumb piece grown to `length` along the bar (`end1` and `end2` split its
// length into start end, middle and far end):
//   start end   0 .. end1, unscaled, at the start;
//   far end     end2 .. piece length, unscaled, at the end;
//   between     the middle's first line stretched over all that lies
//               between the ends, then the middle itself (the grip) unscaled
//               in the centre.
// A thumb no longer than the piece is the piece squeezed by three pieces.
QImage ComposeThumb(const QImage& piece, int end1, int end2, bool vertical, int length) {
  const int pl = vertical ? piece.height() : piece.width();
  const int thick = vertical ? piece.width() : piece.height();
  const QSize size = vertical ? QSize(thick, length) : QSize(length, thick);
  if (length <= pl || end2 <= end1)
    return vertical ? ComposeDown(piece, end1, end2, true, size) : ComposeAcross(piece, end1, end2, true, size);
  auto span = [&](int start, int len) {
    return vertical ? QRect(0, start, thick, len) : QRect(start, 0, len, thick);
  };
  QImage out(size, QImage::Format_ARGB32_Premultiplied);
  out.fill(0);
  const int tail = pl - end2;
  DrawPiece(out, span(end1, length - tail - end1), piece, span(end1, 1), true);
  DrawPiece(out, span(0, end1), piece, span(0, end1), true);
  DrawPiece(out, span(length - tail, tail), piece, span(end2, tail), true);
  const int middle = end2 - end1;
  DrawPiece(out, span((length - middle) / 2, middle), piece, span(end1, middle), true);
  return out;
}

}  // namespace

// --- Skin -----------------------------------------------------------------------

TbsScrollSkin TbsScrollSkin::Find(const TbsSkinData* data, const QString& name) {
  TbsScrollSkin skin;
  if (!data || data->Empty()) return skin;
  skin.Record = data->ControlRecord<TbsDataSkinScrollBarControl>(name);
  if (skin.Record) skin.Picture = data->ActivePicture(skin.Record->PictureIndex);
  return skin;
}

bool TbsScrollSkin::IsEmpty() const {
  return !Record || Picture.isNull() || Record->SkinRect.IsEmpty() ||
         ResizeModeOf(Record->SkinRect, {Record->LeftTopPoint, Record->RightTopPoint, Record->LeftBottomPoint,
                                         Record->RightBottomPoint}) == TbsResizeMode::rmNone;
}

int TbsScrollSkin::Thickness(bool vertical) const {
  if (IsEmpty()) return 0;
  return vertical ? Record->SkinRect.Width() : Record->SkinRect.Height();
}

// --- Thumb arithmetic -------------------------------------------------------------

TbsThumbSpan ThumbSpan(const TbsScrollState& state, int trackLength, int minThumb) {
  if (state.Max <= state.Min || trackLength <= 0) return {};
  const std::int64_t range = std::int64_t(state.Max) - state.Min;
  const std::int64_t page = std::max(1, state.Page);
  int length = int(trackLength * page / (range + page));
  length = std::clamp(length, std::min(minThumb, trackLength), trackLength);
  const std::int64_t free = trackLength - length;
  const std::int64_t at = std::clamp(state.Position, state.Min, state.Max) - std::int64_t(state.Min);
  return {int((free * at * 2 + range) / (range * 2)), length};
}

int PositionForThumb(const TbsScrollState& state, int trackLength, int thumbLength, int thumbStart) {
  const std::int64_t free = trackLength - thumbLength;
  if (state.Max <= state.Min || free <= 0) return state.Min;
  const std::int64_t range = std::int64_t(state.Max) - state.Min;
  const std::int64_t start = std::clamp<std::int64_t>(thumbStart, 0, free);
  return int(state.Min + (start * range * 2 + free) / (free * 2));
}

// --- Geometry -----------------------------------------------------------------------

namespace {
// The thumb inside the track for the state.
QRect ThumbIn(const QRect& track, bool vertical, const TbsScrollState& state, int minThumb) {
  const TbsThumbSpan span = ThumbSpan(state, Length(track, vertical), minThumb);
  if (span.Length <= 0) return {};
  return SpanIn(track, vertical, Start(track, vertical) + span.Start, span.Length);
}

int SkinMinThumb(const TbsDataSkinScrollBarControl& r) {
  return std::max(kMinThumbLength, r.ThumbOffset1 + r.ThumbOffset2 + 2);
}
}  // namespace

TbsScrollGeometry PlainScrollGeometry(const QRect& rect, bool vertical, const TbsScrollState& state) {
  TbsScrollGeometry g;
  const int length = Length(rect, vertical);
  const int button = std::min(vertical ? rect.width() : rect.height(), length / 2);
  const int start = Start(rect, vertical);
  g.UpButton = SpanIn(rect, vertical, start, button);
  g.DownButton = SpanIn(rect, vertical, start + length - button, button);
  g.Track = SpanIn(rect, vertical, start + button, length - 2 * button);
  g.Thumb = ThumbIn(g.Track, vertical, state, kMinThumbLength);
  return g;
}

TbsScrollGeometry SkinScrollGeometry(const TbsScrollSkin& skin, const QRect& rect, bool vertical,
                                     const TbsScrollState& state) {
  if (skin.IsEmpty()) return PlainScrollGeometry(rect, vertical, state);
  const TbsDataSkinScrollBarControl& r = *skin.Record;
  const int skinLength = vertical ? r.SkinRect.Height() : r.SkinRect.Width();
  const int skinThick = skin.Thickness(vertical);
  const int grow = Length(rect, vertical) - skinLength;
  const int thick = vertical ? rect.width() : rect.height();
  // A rectangle of the skin bar (relative to its skin rectangle) at the bar:
  // along the bar as it lies (its end moved by `endGrow`), across scaled.
  auto place = [&](const TRect& t, int startGrow, int endGrow) {
    const int a0 = (vertical ? t.Top : t.Left) + startGrow, a1 = (vertical ? t.Bottom : t.Right) + endGrow;
    const int c0 = (vertical ? t.Left : t.Top) * thick / skinThick;
    const int c1 = (vertical ? t.Right : t.Bottom) * thick / skinThick;
    const QRect local = vertical ? QRect(c0, a0, c1 - c0, a1 - a0) : QRect(a0, c0, a1 - a0, c1 - c0);
    return local.translated(rect.topLeft());
  };
  TbsScrollGeometry g;
  g.UpButton = place(r.UpButtonRect, 0, 0);
  g.DownButton = place(r.DownButtonRect, grow, grow);
  if (!r.TrackArea.IsEmpty()) {
    g.Track = place(r.TrackArea, 0, grow);
  } else {
    // No track in the skin: what lies between the buttons.
    const int a0 = Start(g.UpButton, vertical) + Length(g.UpButton, vertical);
    g.Track = SpanIn(rect, vertical, a0, Start(g.DownButton, vertical) - a0);
  }
  if (Length(g.Track, vertical) < 0) g.Track = SpanIn(g.Track, vertical, Start(g.Track, vertical), 0);
  g.Thumb = ThumbIn(g.Track, vertical, state, SkinMinThumb(r));
  return g;
}

TbsScrollGeometry ScrollGeometry(const TbsScrollSkin& skin, const QRect& rect, bool vertical,
                                 const TbsScrollState& state) {
  return skin.IsEmpty() ? PlainScrollGeometry(rect, vertical, state)
                        : SkinScrollGeometry(skin, rect, vertical, state);
}

TbsScrollPart ScrollPartAt(const TbsScrollGeometry& g, const QPoint& point, bool vertical) {
  if (g.UpButton.contains(point)) return TbsScrollPart::UpButton;
  if (g.DownButton.contains(point)) return TbsScrollPart::DownButton;
  if (g.Thumb.contains(point)) return TbsScrollPart::Thumb;
  if (!g.Track.contains(point)) return TbsScrollPart::None;
  const int split = g.Thumb.isEmpty() ? Start(g.Track, vertical) + Length(g.Track, vertical) / 2
                                      : Start(g.Thumb, vertical);
  return Along(point, vertical) < split ? TbsScrollPart::TrackBefore : TbsScrollPart::TrackAfter;
}

// --- Drawing ----------------------------------------------------------------------

void DrawScrollArrow(QPainter& p, const QRect& r, const QColor& color, int direction) {
  const int cx = r.left() + r.width() / 2;
  const int cy = r.top() + r.height() / 2;
  QPolygon tri;
  switch (direction) {
    case 0: tri << QPoint(cx - 4, cy + 2) << QPoint(cx + 4, cy + 2) << QPoint(cx, cy - 2); break;
    case 1: tri << QPoint(cx - 4, cy - 2) << QPoint(cx + 4, cy - 2) << QPoint(cx, cy + 2); break;
    case 2: tri << QPoint(cx + 2, cy - 4) << QPoint(cx + 2, cy + 4) << QPoint(cx - 2, cy); break;
    default: tri << QPoint(cx - 2, cy - 4) << QPoint(cx - 2, cy + 4) << QPoint(cx + 2, cy); break;
  }
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(tri);
  p.restore();
}

void DrawPlainScrollBar(QPainter& p, const QRect& rect, bool vertical, const TbsScrollState& state) {
  // Light track; framed button-face buttons with arrows at both ends and a
  // framed button-face thumb. A held part is darker, a hot one framed navy.
  const TbsScrollGeometry g = PlainScrollGeometry(rect, vertical, state);
  p.fillRect(rect, ToQColor(cl3DLight));
  auto part = [&](const QRect& r, TbsScrollPart which) {
    if (r.isEmpty()) return;
    p.fillRect(r, ToQColor(state.Pressed == which ? kPressedFace : clBtnFace));
    p.setPen(ToQColor(state.Hot == which || state.Pressed == which ? clNavy : clBtnShadow));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
  };
  part(g.UpButton, TbsScrollPart::UpButton);
  part(g.DownButton, TbsScrollPart::DownButton);
  part(g.Thumb, TbsScrollPart::Thumb);
  const QColor arrow = ToQColor(clBtnText);
  DrawScrollArrow(p, g.UpButton, arrow, vertical ? 0 : 2);
  DrawScrollArrow(p, g.DownButton, arrow, vertical ? 1 : 3);
}

bool DrawSkinScrollBar(QPainter& p, const TbsScrollSkin& skin, const QRect& rect, bool vertical,
                       const TbsScrollState& state) {
  // The record's skin rectangle is the whole bar: the up (left) button at its
  // start, the track, the down (right) button at its end. The bar grows along
  // by the record's resize mode (normally three pieces: the two button ends
  // unscaled, the track between stretched) and is scaled across to the bar's
  // thickness. The hot and pressed buttons are the record's active and down
  // button pictures laid over the body. The thumb is cut from the picture by
  // state and grows along with its two ends (ThumbOffset1 and ThumbOffset2
  // pixels) unscaled and its grip kept unscaled in its centre.
  if (skin.IsEmpty() || rect.isEmpty()) return false;
  const TbsDataSkinScrollBarControl& r = *skin.Record;
  const TbsPieceLayout layout = PieceLayoutOf(r);
  const TbsResizeMode mode = ResizeModeOf(r.SkinRect, layout.Points);
  const QImage piece = CutPiece(skin.Picture, r.SkinRect);
  const int length = Length(rect, vertical);
  const QSize composed = vertical ? QSize(r.SkinRect.Width(), length) : QSize(length, r.SkinRect.Height());
  QImage body;
  if (mode == TbsResizeMode::rmFixed) {
    body = QImage(composed, QImage::Format_ARGB32_Premultiplied);
    body.fill(0);
    DrawPiece(body, body.rect(), piece, piece.rect(), true);
  } else {
    body = ComposeByMode(piece, mode, layout, composed);
  }
  p.drawImage(rect, body);

  const TbsScrollGeometry g = SkinScrollGeometry(skin, rect, vertical, state);
  auto button = [&](const QRect& at, TbsScrollPart which, const TRect& active, const TRect& down) {
    TRect from;
    if (state.Pressed == which)
      from = Or(down, active);
    else if (state.Hot == which)
      from = active;
    if (from.IsEmpty() || at.isEmpty()) return;
    p.drawImage(at, CutPiece(skin.Picture, from));
  };
  button(g.UpButton, TbsScrollPart::UpButton, r.ActiveUpButtonRect, r.DownUpButtonRect);
  button(g.DownButton, TbsScrollPart::DownButton, r.ActiveDownButtonRect, r.DownDownButtonRect);

  if (!g.Thumb.isEmpty()) {
    TRect from = r.ThumbRect;
    if (state.Pressed == TbsScrollPart::Thumb)
      from = Or(r.DownThumbRect, Or(r.ActiveThumbRect, r.ThumbRect));
    else if (state.Hot == TbsScrollPart::Thumb)
      from = Or(r.ActiveThumbRect, r.ThumbRect);
    if (from.IsEmpty()) {
      p.fillRect(g.Thumb, ToQColor(clBtnFace));
      p.setPen(ToQColor(clBtnShadow));
      p.setBrush(Qt::NoBrush);
      p.drawRect(g.Thumb.adjusted(0, 0, -1, -1));
    } else {
      const QImage thumbPiece = CutPiece(skin.Picture, from);
      const int along = Length(g.Thumb, vertical);
      const int pieceLength = vertical ? thumbPiece.height() : thumbPiece.width();
      const int end1 = std::clamp(r.ThumbOffset1, 0, pieceLength);
      const int end2 = std::clamp(pieceLength - r.ThumbOffset2, end1, pieceLength);
      QImage thumb = ComposeThumb(thumbPiece, end1, end2, vertical, along);
      if (r.ThumbTransparent) thumb = WithTransparentColor(thumb, r.ThumbTransparentColor);
      p.drawImage(g.Thumb, thumb);
    }
  }
  return true;
}

void DrawScrollBar(QPainter& p, const TbsScrollSkin& skin, const QRect& rect, bool vertical,
                   const TbsScrollState& state) {
  if (!DrawSkinScrollBar(p, skin, rect, vertical, state)) DrawPlainScrollBar(p, rect, vertical, state);
}

// --- TbsSkinScrollBar -----------------------------------------------------------------

TbsSkinScrollBar::TbsSkinScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent),
      FSkinDataName(orientation == Qt::Vertical ? QStringLiteral("vscrollbar") : QStringLiteral("hscrollbar")) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TbsSkinScrollBar::SetSkinData(TbsSkinData* data) {
  FSkinData = data;
  SkinChanged();
}

void TbsSkinScrollBar::SetSkinDataName(const QString& name) {
  if (name == FSkinDataName) return;
  FSkinDataName = name;
  updateGeometry();
  update();
}

void TbsSkinScrollBar::SkinWillChange() {
  FSuspended = true;
  update();
}

void TbsSkinScrollBar::SkinChanged() {
  FSuspended = false;
  updateGeometry();
  update();
}

TbsScrollSkin TbsSkinScrollBar::Skin() const {
  if (FSuspended) return {};
  TbsScrollSkin skin = TbsScrollSkin::Find(FSkinData, FSkinDataName);
  return skin.IsEmpty() ? TbsScrollSkin() : skin;
}

TbsScrollState TbsSkinScrollBar::State() const {
  TbsScrollState s;
  s.Min = minimum();
  s.Max = maximum();
  s.Page = pageStep();
  s.Position = sliderPosition();
  s.Hot = FHot;
  s.Pressed = FPressed;
  return s;
}

TbsScrollGeometry TbsSkinScrollBar::Geometry() const {
  return ScrollGeometry(Skin(), rect(), Vertical(), State());
}

QImage TbsSkinScrollBar::Render() const {
  QImage image(size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(ToQColor(clBtnFace));
  QPainter p(&image);
  DrawScrollBar(p, Skin(), rect(), Vertical(), State());
  return image;
}

QSize TbsSkinScrollBar::sizeHint() const {
  QSize hint = QScrollBar::sizeHint();
  const int thick = Skin().Thickness(Vertical());
  if (thick > 0) {
    if (Vertical())
      hint.setWidth(thick);
    else
      hint.setHeight(thick);
  }
  return hint;
}

QSize TbsSkinScrollBar::minimumSizeHint() const {
  const QSize hint = sizeHint();
  const int thick = Vertical() ? hint.width() : hint.height();
  return Vertical() ? QSize(thick, 2 * thick) : QSize(2 * thick, thick);
}

void TbsSkinScrollBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, Render());
}

void TbsSkinScrollBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || maximum() <= minimum()) {
    event->ignore();
    return;
  }
  const QPoint pos = event->position().toPoint();
  const TbsScrollGeometry g = Geometry();
  FPressed = ScrollPartAt(g, pos, Vertical());
  switch (FPressed) {
    case TbsScrollPart::UpButton:
      triggerAction(SliderSingleStepSub);
      setRepeatAction(SliderSingleStepSub);
      break;
    case TbsScrollPart::DownButton:
      triggerAction(SliderSingleStepAdd);
      setRepeatAction(SliderSingleStepAdd);
      break;
    case TbsScrollPart::TrackBefore:
      triggerAction(SliderPageStepSub);
      break;
    case TbsScrollPart::TrackAfter:
      triggerAction(SliderPageStepAdd);
      break;
    case TbsScrollPart::Thumb:
      FGrabOffset = Along(pos, Vertical()) - Start(g.Thumb, Vertical());
      setSliderDown(true);
      break;
    case TbsScrollPart::None:
      break;
  }
  event->accept();
  update();
}

void TbsSkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const TbsScrollGeometry g = Geometry();
  if (FPressed == TbsScrollPart::Thumb) {
    const int start = Along(pos, Vertical()) - FGrabOffset - Start(g.Track, Vertical());
    setSliderPosition(PositionForThumb(State(), Length(g.Track, Vertical()), Length(g.Thumb, Vertical()), start));
    update();
    return;
  }
  const TbsScrollPart hot = ScrollPartAt(g, pos, Vertical());
  if (hot != FHot) {
    FHot = hot;
    update();
  }
}

void TbsSkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  setRepeatAction(SliderNoAction);
  if (FPressed == TbsScrollPart::Thumb) setSliderDown(false);
  FPressed = TbsScrollPart::None;
  update();
}

void TbsSkinScrollBar::leaveEvent(QEvent* event) {
  FHot = TbsScrollPart::None;
  update();
  QScrollBar::leaveEvent(event);
}
