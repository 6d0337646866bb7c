// The drop-down list's skinned look: the body from the "combobox" record by
// state, the drop-down button from the skin's button record, the chosen
// item's text with the record's colours and, while focused, the focus item
// image behind it. Behaviour and the plain look live in SkinComboBox.cpp.
#include "skin/SkinComboBox.h"
#include "skin/SkinFitText.h"
#include "skin/SkinRecords.h"

#include <QPainter>
#include <algorithm>

namespace {
// The button records the drop-down button may wear, in order of preference.
const char* const kButtonRecords[] = {"combobutton", "editbutton", "resizebutton"};

const TRect& OrRect(const TRect& rect, const TRect& fallback) { return rect.IsEmpty() ? fallback : rect; }

int Brightness(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c); }
}  // namespace

// --- Helpers shared with the popup list ---------------------------------------------

QImage ComposeItemImage(const QImage& picture, const TRect& piece, int leftOffset, int rightOffset, bool stretch,
                        QSize size) {
  // An item piece: left end (leftOffset columns) and right end (rightOffset
  // columns) as they are, the middle grown across; the whole then scaled to
  // the item's height.
  if (picture.isNull() || piece.IsEmpty() || size.isEmpty()) return {};
  const QImage cut = CutPiece(picture, piece);
  const int left = std::clamp(leftOffset, 0, cut.width());
  const int right = std::clamp(cut.width() - rightOffset, left, cut.width());
  const QImage across = ComposeAcross(cut, left, right, stretch, QSize(size.width(), cut.height()));
  if (across.height() == size.height()) return across;
  QImage out(size, QImage::Format_ARGB32_Premultiplied);
  out.fill(0);
  DrawPiece(out, out.rect(), across, across.rect(), true);
  return out;
}

QRect ItemTextArea(const TRect& itemTextRect, const TRect& piece, const QRect& item) {
  if (itemTextRect.IsEmpty() || piece.IsEmpty()) return item.adjusted(3, 0, -2, 0);
  const int dw = item.width() - piece.Width(), dh = item.height() - piece.Height();
  TRect t = itemTextRect;
  t.Right += dw;
  t.Bottom += dh;
  return t.ToQRect().translated(item.topLeft()).intersected(item);
}

bool HasGlyph(const QImage& image) {
  // The middle: a fifth (at least two pixels) off every side, away from
  // the frame.
  const int mx = std::max(2, image.width() / 5), my = std::max(2, image.height() / 5);
  for (int y = my; y < image.height() - my; ++y) {
    int lo = 3 * 255, hi = 0;
    for (int x = mx; x < image.width() - mx; ++x) {
      const int b = Brightness(image.pixel(x, y));
      lo = std::min(lo, b);
      hi = std::max(hi, b);
    }
    if (hi - lo > 90) return true;
  }
  return false;
}

// --- Record and areas ----------------------------------------------------------------

const TbsDataSkinComboBox* TbsSkinComboBox::ComboRecord() const {
  if (!FSkinData || FSkinData->Empty() || FPicture.isNull() || FResizeMode == TbsResizeMode::rmNone) return nullptr;
  return RecordAs<TbsDataSkinComboBox>();
}

const TbsDataSkinCustomControl* TbsSkinComboBox::DropButtonRecord() const {
  if (!ComboRecord()) return nullptr;
  for (const char* name : kButtonRecords) {
    const auto* r = FSkinData->ControlRecord<TbsDataSkinCustomControl>(QString::fromLatin1(name));
    if (r && !r->SkinRect.IsEmpty() && !FSkinData->ActivePicture(r->PictureIndex).isNull()) return r;
  }
  return nullptr;
}

QRect TbsSkinComboBox::ButtonRect() const {
  const TbsDataSkinComboBox* r = ComboRecord();
  if (!r || r->ButtonRect.IsEmpty()) return PlainButtonRect();
  const int dw = width() - FSkinRect.Width(), dh = height() - FSkinRect.Height();
  TRect b = r->ButtonRect;
  // A button at the right end keeps its distance from the right edge.
  if (b.Left >= FSkinRect.Width() - r->RightTopPoint.x()) {
    b.Left += dw;
    b.Right += dw;
  }
  if (!UseSkinSize) b.Bottom += dh;
  return b.ToQRect();
}

QRect TbsSkinComboBox::TextRect() const {
  const TbsDataSkinComboBox* r = ComboRecord();
  if (!r || r->ClientRect.IsEmpty()) return PlainTextRect();
  TRect t = r->ClientRect;
  t.Right += width() - FSkinRect.Width();
  if (!UseSkinSize) t.Bottom += height() - FSkinRect.Height();
  return t.ToQRect();
}

// --- Skin notices ----------------------------------------------------------------------

void TbsSkinComboBox::SetSkinData(TbsSkinData* data) {
  TbsSkinCustomControl::SetSkinData(data);
  FListBox->SetSkinData(data);
}

void TbsSkinComboBox::SkinWillChange() {
  TbsSkinCustomControl::SkinWillChange();
  FListBox->SkinWillChange();
  update();
}

void TbsSkinComboBox::SkinChanged() {
  TbsSkinCustomControl::SkinChanged();
  const TbsDataSkinComboBox* record = ComboRecord();
  FListBox->SetListBoxName(record ? record->ListBoxName : QString());
  FListBox->SkinChanged();
}

// --- Drawing -----------------------------------------------------------------------------

QImage TbsSkinComboBox::DropButtonImage(QSize size) const {
  // The button record's piece by state (normal "skinrect", "activeskinrect"
  // under the mouse, "downskinrect" pressed under the mouse; an empty one
  // falls back to the previous), grown to the button area: nine pieces when
  // the record allows any size, else around its client rectangle, else the
  // whole piece stretched.
  const TbsDataSkinCustomControl* r = DropButtonRecord();
  if (!r || size.isEmpty()) return {};
  TRect from = r->SkinRect;
  if (const auto* b = dynamic_cast<const TbsDataSkinButtonControl*>(r)) {
    const TRect& active = OrRect(b->ActiveSkinRect, r->SkinRect);
    if (FButtonPressed && FMouseInButton)
      from = OrRect(b->DownSkinRect, active);
    else if (FMouseInButton)
      from = active;
  }
  const QImage picture = FSkinData->ActivePicture(r->PictureIndex);
  const QImage piece = CutPiece(picture, from);
  const TbsPieceLayout layout = PieceLayoutOf(*r);
  const TbsResizeMode mode = ResizeModeOf(r->SkinRect, layout.Points);
  if (mode == TbsResizeMode::rmFree) return ComposeByMode(piece, mode, layout, size);
  if (!r->ClientRect.IsEmpty()) return ComposeClientCorners(piece, r->ClientRect, size);
  QImage out(size, QImage::Format_ARGB32_Premultiplied);
  out.fill(0);
  DrawPiece(out, out.rect(), piece, piece.rect(), true);
  return out;
}

bool TbsSkinComboBox::DrawSkin(QImage& image) {
  // Body: "activeskinrect" under the mouse or focused (when it has an area),
  // else "skinrect", at the control's size. Text area: while focused the
  // "focusitemrect" image ("itemrect" when that is empty) first, then the
  // chosen item's text. Button area: the button record's image, with an
  // arrow of our own when its picture has none.
  const TbsDataSkinComboBox* record = ComboRecord();
  if (!record) return false;
  const bool focused = hasFocus();
  const bool active = focused || FMouseIn;
  const TRect& bodyRect = active ? OrRect(record->ActiveSkinRect, FSkinRect) : FSkinRect;
  const QImage body = ComposeSkinRect(bodyRect, size(), ToQColor(DefaultColor).rgba());
  if (body.isNull()) return false;

  QPainter p(&image);
  PutImage(p, body);

  const QRect text = TextRect();
  QRect textArea = text.adjusted(2, 0, -1, 0);
  if (focused && !text.isEmpty()) {
    const TRect& piece = OrRect(record->FocusItemRect, record->ItemRect);
    const bool stretch = record->FocusItemRect.IsEmpty() ? record->ItemStretchEffect
                                                         : record->FocusItemStretchEffect;
    const QImage focus =
        ComposeItemImage(FPicture, piece, record->ItemLeftOffset, record->ItemRightOffset, stretch, text.size());
    if (!focus.isNull()) {
      p.drawImage(text.topLeft(), focus);
      textArea = ItemTextArea(record->ItemTextRect, piece, text);
    }
  }
  if (!FText.isEmpty() && !textArea.isEmpty()) {
    // Name, height and style from the skin; the character set stays ours.
    const TFont font = record->Font.AppliedTo(DefaultFont, UseSkinFont);
    const TColor color = !isEnabled() ? clGrayText
                         : focused    ? record->FocusFontColor
                         : FMouseIn   ? record->ActiveFontColor
                                      : record->Font.Color;
    p.save();
    p.setClipRect(textArea);
    p.setFont(ToQFont(font));
    p.setPen(ToQColor(color));
    DrawFittedText(p, textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FText);
    p.restore();
  }

  const QRect b = ButtonRect();
  const QImage button = DropButtonImage(b.size());
  if (button.isNull()) {
    DrawPlainButton(p, b);
  } else {
    p.drawImage(b.topLeft(), button);
    if (!HasGlyph(button)) {
      const bool pressed = FButtonPressed && FMouseInButton;
      DrawComboArrow(p, b.translated(pressed ? 1 : 0, pressed ? 1 : 0),
                     ToQColor(isEnabled() ? record->Font.Color : clGrayText));
    }
  }
  return true;
}
