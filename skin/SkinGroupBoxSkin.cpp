// The skinned looks of the group box ("groupbox", a panel record) and of the
// radio group's item buttons ("radiobox", a check/radio record). Behaviour,
// arrangement and the plain looks live in SkinGroupBox.cpp.
#include "skin/SkinGroupBox.h"
#include "skin/SkinFrameGeometry.h"  // PlaceObjectRect

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Along one axis of a three-piece skin: an area beyond the far end's start
// moves with the far end, one that reaches into it from before grows.
void PlaceAlong(int& first, int& last, int farStart, int delta) {
  if (first >= farStart) {
    first += delta;
    last += delta;
  } else if (last > farStart) {
    last += delta;
  }
}

// Draws `image` with its top-left corner at `at` over what lies there.
void DrawOver(QPainter& p, QPoint at, const QImage& image) {
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.drawImage(at, image);
}

}  // namespace

TRect PlaceSkinArea(const TRect& area, TbsResizeMode mode, const TbsCornerPoints& points, QSize skin, QSize size) {
  const int dw = size.width() - skin.width();
  const int dh = size.height() - skin.height();
  TRect out = area;
  switch (mode) {
    case TbsResizeMode::rmFree: return PlaceObjectRect(area, points, skin, size);
    case TbsResizeMode::rmAcross: PlaceAlong(out.Left, out.Right, points.RightTop.x(), dw); break;
    case TbsResizeMode::rmDown: PlaceAlong(out.Top, out.Bottom, points.LeftBottom.y(), dh); break;
    case TbsResizeMode::rmFixed:
    case TbsResizeMode::rmNone: break;
  }
  return out;
}

TbsCaptionLayout LayoutCaption(const QRect& band, TAlignment alignment, QSize text, QSize check, int frameWidth,
                               int frameHeight, int frameTextLeft) {
  const bool hasCheck = check.width() > 0 && check.height() > 0;
  const int checkPart = hasCheck ? check.width() + 2 : 0;
  const int block = checkPart + (frameWidth > 0 ? frameWidth : text.width());
  int left = band.left();
  if (alignment == TAlignment::taRightJustify)
    left = band.left() + band.width() - block;
  else if (alignment == TAlignment::taCenter)
    left = band.left() + (band.width() - block) / 2;
  const auto centred = [&band](int x, QSize s) {
    return QRect(x, band.top() + (band.height() - s.height()) / 2, s.width(), s.height());
  };
  TbsCaptionLayout out;
  if (hasCheck) out.Check = centred(left, check);
  const int after = left + checkPart;
  if (frameWidth > 0) {
    out.Frame = centred(after, QSize(frameWidth, frameHeight));
    out.Text = centred(after + frameTextLeft, text);
  } else {
    out.Text = centred(after, text);
  }
  return out;
}

// --- Group box ---------------------------------------------------------------

const TbsDataSkinPanelControl* TbsSkinGroupBox::PanelRecord() const {
  return RecordAs<TbsDataSkinPanelControl>();
}

bool TbsSkinGroupBox::SkinnedLook() const {
  return PanelRecord() && !FPicture.isNull() && FResizeMode != TbsResizeMode::rmNone;
}

void TbsSkinGroupBox::LookUpRecord() {
  FBGPicture = TbsSkinPicture();  // no background picture unless this record has one
  TbsSkinCustomControl::LookUpRecord();
  if (const TbsDataSkinPanelControl* record = PanelRecord())
    FBGPicture = FSkinData->ActivePicture(record->BGPictureIndex);
}

void TbsSkinGroupBox::SkinWillChange() {
  TbsSkinCustomControl::SkinWillChange();
  FBGPicture = TbsSkinPicture();
  ClientAreaChanged();
}

void TbsSkinGroupBox::SkinChanged() {
  TbsSkinCustomControl::SkinChanged();
  ClientAreaChanged();
}

bool TbsSkinGroupBox::DrawSkin(QImage& image) {
  // The body: the record's skin rectangle composed at the box's size by its
  // resize mode (nine pieces for our skins: the caption band along the top
  // edge, the frame's sides and bottom, the face stretched inside). Then the
  // background picture, tiled from the client area's top-left corner over
  // that area, and the caption in its band.
  const TbsDataSkinPanelControl* record = PanelRecord();
  if (!record || !SkinnedLook()) return false;
  const QImage body = ComposeSkinRect(FSkinRect, size());
  if (body.isNull()) return false;
  QPainter p(&image);
  PutImage(p, body);
  if (!FBGPicture.isNull()) {
    const QRect client = SkinClientRect().ToQRect();
    p.setBrushOrigin(client.topLeft());
    p.fillRect(client, QBrush(FBGPicture));
    p.setBrushOrigin(0, 0);
  }
  DrawSkinCaption(p, *record);
  return true;
}

void TbsSkinGroupBox::DrawSkinCaption(QPainter& p, const TbsDataSkinPanelControl& record) {
  // The caption over the band: an empty caption leaves the skin's own band.
  // Font from the record with UseSkinFont, else DefaultFont; the colour is
  // always the record's. Parts, left to right, placed by LayoutCaption:
  //   check image  "checkimagerect" / "uncheckimagerect" (CheckedMode only);
  //   frame image  "framerect" built across: the ends "frameleftoffset" and
  //                "framerightoffset" wide unscaled, the middle tiled, as
  //                wide as the text plus the frame's own margin ("framerect"
  //                width - "frametextrect" width); "frametextrect" lies
  //                within the frame image, so its left is the text's inset;
  //   text         centred vertically, not cut at the band's edges.
  const QRect band = CaptionRect();
  if (FCaption.isEmpty() || band.isEmpty()) return;
  const QFont qfont = ToQFont(record.Font.AppliedTo(DefaultFont, UseSkinFont));
  const QFontMetrics metrics(qfont);
  const QSize text(metrics.horizontalAdvance(FCaption), metrics.height());

  QImage check;
  if (CheckedMode) {
    const TRect& mark = Checked ? record.CheckImageRect : record.UnCheckImageRect;
    if (!mark.IsEmpty()) check = CutPiece(FPicture, mark);
  }
  QImage frame;
  int frameTextLeft = 0;
  if (!record.FrameRect.IsEmpty()) {
    const QImage piece = CutPiece(FPicture, record.FrameRect);
    const int width = text.width() + record.FrameRect.Width() - record.FrameTextRect.Width();
    frame = ComposeAcross(piece, record.FrameLeftOffset, piece.width() - record.FrameRightOffset, false,
                          QSize(std::max(1, width), piece.height()));
    frameTextLeft = record.FrameTextRect.Left;
  }
  const TbsCaptionLayout layout = LayoutCaption(band, record.Alignment, text, check.size(), frame.width(),
                                                frame.height(), frameTextLeft);
  if (!check.isNull()) DrawOver(p, layout.Check.topLeft(), check);
  if (!frame.isNull()) DrawOver(p, layout.Frame.topLeft(), frame);
  p.setFont(qfont);
  p.setPen(ToQColor(record.Font.Color));
  p.drawText(layout.Text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, FCaption);
}

// --- Item button --------------------------------------------------------------

const TbsDataSkinCheckRadioControl* TbsGroupButton::RadioRecord() const {
  return RecordAs<TbsDataSkinCheckRadioControl>();
}

QSize TbsGroupButton::SkinImageSize() const {
  return SkinSizeFor(FResizeMode, QSize(FSkinRect.Width(), FSkinRect.Height()), size());
}

QPoint TbsGroupButton::ImageOffset() const {
  const QSize image = SkinImageSize();
  return QPoint((width() - image.width()) / 2, (height() - image.height()) / 2);
}

QRect TbsGroupButton::ToButton(const TRect& area) const {
  // Placed across (or down) by the resize mode at the image's size, then
  // moved with the image, which sits centred in the button; an area that
  // reaches an edge of the image reaches that edge of the button.
  const QSize image = SkinImageSize();
  if (area.IsEmpty() || image.isEmpty()) return {};
  TRect r = PlaceSkinArea(area, FResizeMode, FLayout.Points, QSize(FSkinRect.Width(), FSkinRect.Height()), image);
  const QPoint offset = ImageOffset();
  const auto along = [](int& first, int& last, int shift, int imageLength, int length) {
    first = first <= 0 ? 0 : first + shift;
    last = last >= imageLength ? length : last + shift;
  };
  along(r.Left, r.Right, offset.x(), image.width(), width());
  along(r.Top, r.Bottom, offset.y(), image.height(), height());
  return r.ToQRect();
}

QRect TbsGroupButton::CheckImageArea() const {
  const TbsDataSkinCheckRadioControl* record = RadioRecord();
  return record ? ToButton(record->CheckImageArea) : QRect();
}

QRect TbsGroupButton::TextArea() const {
  const TbsDataSkinCheckRadioControl* record = RadioRecord();
  return record ? ToButton(record->TextArea) : QRect();
}

bool TbsGroupButton::DrawSkin(QImage& image) {
  // The record's pieces:
  //   body        "skinrect" ("activeskinrect" under the mouse) composed at
  //               the image size by the resize mode (across for our skins:
  //               the mark's end, the face tiled or stretched, the right
  //               end), centred in the button, its first and last rows
  //               drawn out to the button's top and bottom;
  //   mark        "checkimagerect" / "uncheckimagerect" of the picture, the
  //               "active..." ones under the mouse or while pressed and the
  //               "unenabled..." ones when disabled (each falling back to
  //               the plain pair when the skin leaves it empty), unscaled,
  //               centred in "checkimagearea";
  //   text        in "textarea", at its left and centred vertically, in the
  //               record's font with UseSkinFont (else DefaultFont) and its
  //               "fontcolor" / "activefontcolor" / "unenabledfontcolor";
  //               framed by a dotted line while the button has the focus.
  const TbsDataSkinCheckRadioControl* record = RadioRecord();
  if (!record || FPicture.isNull() || FResizeMode == TbsResizeMode::rmNone) return false;
  const bool enabled = isEnabled();
  const bool hot = enabled && (FMouseIn || FPressed);

  const TRect& bodyRect = hot && !record->ActiveSkinRect.IsEmpty() ? record->ActiveSkinRect : FSkinRect;
  const QSize imageSize = SkinImageSize();
  const QImage strip = ComposeSkinRect(bodyRect, imageSize);
  if (strip.isNull()) return false;
  QImage body = strip;
  if (imageSize != size()) {
    // The image centred; its outer rows (columns) drawn out to the edges.
    body = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    body.fill(0);
    const QPoint at = ImageOffset();
    const int w = strip.width(), h = strip.height();
    const int below = height() - at.y() - h, right = width() - at.x() - w;
    DrawPiece(body, QRect(at.x(), 0, w, at.y()), strip, QRect(0, 0, w, 1), true);
    DrawPiece(body, QRect(at.x(), at.y() + h, w, below), strip, QRect(0, h - 1, w, 1), true);
    DrawPiece(body, QRect(at.x(), at.y(), w, h), strip, strip.rect(), false);
    const QImage middle = body.copy(QRect(at.x(), 0, w, height()));
    DrawPiece(body, QRect(0, 0, at.x(), height()), middle, QRect(0, 0, 1, height()), true);
    DrawPiece(body, QRect(at.x() + w, 0, right, height()), middle, QRect(w - 1, 0, 1, height()), true);
  }
  QPainter p(&image);
  PutImage(p, body);

  TRect mark;
  if (!enabled)
    mark = FChecked ? record->UnEnabledCheckImageRect : record->UnEnabledUnCheckImageRect;
  else if (hot)
    mark = FChecked ? record->ActiveCheckImageRect : record->ActiveUnCheckImageRect;
  if (mark.IsEmpty()) mark = FChecked ? record->CheckImageRect : record->UnCheckImageRect;
  const QRect area = CheckImageArea();
  if (!mark.IsEmpty() && !area.isEmpty()) {
    const QImage piece = CutPiece(FPicture, mark);
    DrawOver(p, area.center() - QPoint((piece.width() - 1) / 2, (piece.height() - 1) / 2), piece);
  }
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);

  const QRect textArea = TextArea();
  if (FCaption.isEmpty() || textArea.isEmpty()) return true;
  const TColor color = !enabled ? record->UnEnabledFontColor : hot ? record->ActiveFontColor : record->Font.Color;
  p.setFont(ToQFont(record->Font.AppliedTo(DefaultFont, UseSkinFont)));
  p.setPen(ToQColor(color));
  QRect drawn;
  p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FCaption, &drawn);
  if (hasFocus()) {
    QPen pen(ToQColor(color));
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(drawn.adjusted(-2, 0, 1, -1).intersected(image.rect().adjusted(0, 0, -1, -1)));
  }
  return true;
}
