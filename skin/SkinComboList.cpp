// The drop-down list's popup window.
#include "skin/SkinAccessible.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinRecords.h"
#include "skin/SkinScrollBar.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace {
constexpr int kScrollBarWidth = 16;
}  // namespace

// --- TbsPopupListBox ------------------------------------------------------------

TbsPopupListBox::TbsPopupListBox(TbsSkinComboBox* owner)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      FOwner(owner) {
  setObjectName(QStringLiteral("bsPopupListBox"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
}

void TbsPopupListBox::SetItems(const QStringList& items) {
  FItems = items;
  FItemIndex = -1;
  FTopIndex = 0;
  update();
}

// --- Skin --------------------------------------------------------------------------

void TbsPopupListBox::SetSkinData(TbsSkinData* data) {
  FSkinData = data;
  update();
}

void TbsPopupListBox::SetListBoxName(const QString& name) {
  FListBoxName = name;
  update();
}

void TbsPopupListBox::SkinWillChange() {
  FSuspended = true;
  update();
}

void TbsPopupListBox::SkinChanged() {
  FSuspended = false;
  update();
}

const TbsDataSkinListBox* TbsPopupListBox::ListRecord() const {
  if (FSuspended || !FSkinData || FSkinData->Empty() || FListBoxName.isEmpty()) return nullptr;
  const auto* r = FSkinData->ControlRecord<TbsDataSkinListBox>(FListBoxName);
  if (!r || r->SkinRect.IsEmpty() || FSkinData->ActivePicture(r->PictureIndex).isNull()) return nullptr;
  return r;
}

QFont TbsPopupListBox::DrawFont() const {
  const TbsDataSkinListBox* r = ListRecord();
  if (!r) return ItemFont;
  return ToQFont(r->Font.AppliedTo(DefaultFont, UseSkinFont));
}

QMargins TbsPopupListBox::Borders() const {
  const TbsDataSkinListBox* r = ListRecord();
  if (!r || r->ClientRect.IsEmpty()) return {1, 1, 1, 1};
  const TRect& c = r->ClientRect;
  return {std::max(0, c.Left), std::max(0, c.Top), std::max(0, r->SkinRect.Width() - c.Right),
          std::max(0, r->SkinRect.Height() - c.Bottom)};
}

// --- Geometry -----------------------------------------------------------------------

int TbsPopupListBox::RowHeight() const {
  // The skin's item picture sets the row height; without one the font does.
  const TbsDataSkinListBox* r = ListRecord();
  if (r && !r->ItemRect.IsEmpty()) return r->ItemRect.Height();
  return QFontMetrics(DrawFont()).height() + 2;
}

void TbsPopupListBox::SetRows(int rows) {
  FRows = std::max(1, rows);
  ScrollTo(FTopIndex);
}

void TbsPopupListBox::ScrollTo(int top) {
  FTopIndex = std::clamp(top, 0, std::max(0, static_cast<int>(FItems.size()) - FRows));
  update();
}

void TbsPopupListBox::SetItemIndex(int index) {
  if (index < -1 || index >= FItems.size()) index = -1;
  const bool changed = index != FItemIndex;
  FItemIndex = index;
  if (index >= 0) {
    if (index < FTopIndex)
      ScrollTo(index);
    else if (index >= FTopIndex + FRows)
      ScrollTo(index - FRows + 1);
  }
  update();
  if (changed && index >= 0 && isVisible()) AccessibleNotify(this, QAccessible::Focus, index);
}

QRect TbsPopupListBox::ScrollBarRect() const {
  if (!HasScrollBar()) return {};
  const QRect inner = rect().marginsRemoved(Borders());
  int w = kScrollBarWidth;
  if (const TbsDataSkinListBox* r = ListRecord()) {
    const int skinned = TbsScrollSkin::Find(FSkinData, r->VScrollBarName).Thickness(true);
    if (skinned > 0) w = skinned;
  }
  w = std::min(w, inner.width() / 2);
  return QRect(inner.right() + 1 - w, inner.top(), w, inner.height());
}

TbsScrollState TbsPopupListBox::ScrollState() const {
  TbsScrollState s;
  s.Min = 0;
  s.Max = std::max(0, static_cast<int>(FItems.size()) - FRows);
  s.Page = FRows;
  s.Position = FTopIndex;
  s.Pressed = FScrollPressed ? TbsScrollPart::Thumb : TbsScrollPart::None;
  return s;
}

QRect TbsPopupListBox::ItemRect(int index) const {
  const int row = index - FTopIndex;
  const QRect inner = rect().marginsRemoved(Borders());
  const int right = HasScrollBar() ? ScrollBarRect().left() : inner.right() + 1;
  return QRect(inner.left(), inner.top() + row * RowHeight(), right - inner.left(), RowHeight());
}

int TbsPopupListBox::TextShortfall() const {
  // A row's text area grows with the list's width one for one, so the list
  // grows by what the widest item lacks in the narrowest of the row looks.
  if (FItems.isEmpty()) return 0;
  const QFontMetrics fm(DrawFont());
  int widest = 0;
  for (const QString& item : FItems) widest = std::max(widest, fm.horizontalAdvance(item));
  const QRect item = ItemRect(FTopIndex);
  int room = item.adjusted(3, 0, -2, 0).width();
  if (const TbsDataSkinListBox* r = ListRecord()) {
    room = ItemTextArea(r->ItemTextRect, r->ItemRect, item).width();
    for (const TRect* piece : {&r->FocusItemRect, &r->ActiveItemRect})
      if (!piece->IsEmpty()) room = std::min(room, ItemTextArea(r->ItemTextRect, *piece, item).width());
  }
  return std::max(0, widest - room);
}

int TbsPopupListBox::ItemAt(const QPoint& point) const {
  const QRect inner = rect().marginsRemoved(Borders());
  if (!inner.contains(point) || ScrollBarRect().contains(point)) return -1;
  const int row = (point.y() - inner.top()) / RowHeight();
  if (row >= FRows) return -1;
  const int index = FTopIndex + row;
  return index < FItems.size() ? index : -1;
}

// --- Painting -----------------------------------------------------------------------

QImage TbsPopupListBox::Render() const {
  QImage image(size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(ToQColor(clWindow));
  QPainter p(&image);
  if (const TbsDataSkinListBox* r = ListRecord())
    PaintSkin(p, *r);
  else
    PaintPlain(p);
  return image;
}

void TbsPopupListBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, Render());
}

void TbsPopupListBox::PaintPlain(QPainter& p) const {
  // A one-pixel frame around white rows; the current row in the highlight
  // colours; a plain scroll bar at the right when not all rows fit.
  p.fillRect(rect(), ToQColor(clWindow));
  p.setPen(ToQColor(clWindowFrame));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setFont(ItemFont);
  for (int i = FTopIndex; i < FItems.size() && i < FTopIndex + FRows; ++i) {
    const QRect r = ItemRect(i);
    const bool current = i == FItemIndex;
    if (current) p.fillRect(r, ToQColor(clHighlight));
    p.setPen(ToQColor(current ? clHighlightText : clWindowText));
    p.drawText(r.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FItems[i]);
  }
  if (HasScrollBar()) DrawPlainScrollBar(p, ScrollBarRect(), true, ScrollState());
}

void TbsPopupListBox::PaintSkin(QPainter& p, const TbsDataSkinListBox& r) const {
  // Body: the record's piece grown by its resize mode to the list's size.
  // Rows lie in its client rectangle: the current item on the "focusitemrect"
  // picture with "focusfontcolor", the item under the mouse on
  // "activeitemrect" with "activefontcolor", the others on "itemrect" with
  // "fontcolor" (each picture falling back to "itemrect", and an empty one
  // leaving the body to show). The skin's vertical bar at the right of the
  // client rectangle when not all items fit.
  const QImage picture = FSkinData->ActivePicture(r.PictureIndex);
  const TbsPieceLayout layout = PieceLayoutOf(r);
  const TbsResizeMode mode = ResizeModeOf(r.SkinRect, layout.Points);
  const QImage piece = CutPiece(picture, r.SkinRect, ToQColor(clWindow).rgba());
  const QImage body = ComposeFreely(piece, mode, layout, size(), ToQColor(clWindow).rgba());
  PutImage(p, body);

  p.setFont(DrawFont());
  for (int i = FTopIndex; i < FItems.size() && i < FTopIndex + FRows; ++i) {
    const QRect item = ItemRect(i);
    TRect from = r.ItemRect;
    TColor color = r.Font.Color;
    if (i == FItemIndex) {
      from = r.FocusItemRect.IsEmpty() ? r.ItemRect : r.FocusItemRect;
      color = r.FocusFontColor;
    } else if (i == FHotIndex) {
      from = r.ActiveItemRect.IsEmpty() ? r.ItemRect : r.ActiveItemRect;
      color = r.ActiveFontColor;
    }
    const QImage image = ComposeItemImage(picture, from, r.ItemLeftOffset, r.ItemRightOffset, true, item.size());
    if (!image.isNull()) p.drawImage(item.topLeft(), image);
    const QRect text = ItemTextArea(r.ItemTextRect, from, item);
    p.save();
    p.setClipRect(text);
    p.setPen(ToQColor(color));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FItems[i]);
    p.restore();
  }
  if (HasScrollBar())
    DrawScrollBar(p, TbsScrollSkin::Find(FSkinData, r.VScrollBarName), ScrollBarRect(), true, ScrollState());
}

// --- Mouse ----------------------------------------------------------------------------

void TbsPopupListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = event->position().toPoint();
  if (ScrollBarRect().contains(pos)) {
    // Arrows step one row, the track before or after the thumb one page,
    // the thumb drags.
    const TbsScrollState state = ScrollState();
    const TbsScrollSkin skin =
        ListRecord() ? TbsScrollSkin::Find(FSkinData, ListRecord()->VScrollBarName) : TbsScrollSkin();
    const TbsScrollGeometry g = ScrollGeometry(skin, ScrollBarRect(), true, state);
    switch (ScrollPartAt(g, pos, true)) {
      case TbsScrollPart::UpButton: ScrollTo(FTopIndex - 1); break;
      case TbsScrollPart::DownButton: ScrollTo(FTopIndex + 1); break;
      case TbsScrollPart::TrackBefore: ScrollTo(FTopIndex - FRows); break;
      case TbsScrollPart::TrackAfter: ScrollTo(FTopIndex + FRows); break;
      case TbsScrollPart::Thumb:
        FScrollPressed = 1;
        FGrabOffset = pos.y() - g.Thumb.top();
        update();
        break;
      case TbsScrollPart::None: break;
    }
    return;
  }
  // The list keeps the mouse while the button is held.
  FCaptured = true;
  const int i = ItemAt(pos);
  if (i >= 0) SetItemIndex(i);
}

void TbsPopupListBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (FScrollPressed) {
    const TbsScrollSkin skin =
        ListRecord() ? TbsScrollSkin::Find(FSkinData, ListRecord()->VScrollBarName) : TbsScrollSkin();
    const TbsScrollGeometry g = ScrollGeometry(skin, ScrollBarRect(), true, ScrollState());
    ScrollTo(PositionForThumb(ScrollState(), g.Track.height(), g.Thumb.height(), pos.y() - FGrabOffset - g.Track.top()));
    return;
  }
  const int i = ItemAt(pos);
  if (i != FHotIndex) {
    FHotIndex = i;
    update();
  }
  if (i >= 0 && i != FItemIndex) SetItemIndex(i);
}

void TbsPopupListBox::leaveEvent(QEvent* event) {
  FHotIndex = -1;
  update();
  QWidget::leaveEvent(event);
}

void TbsPopupListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (FScrollPressed) {
    FScrollPressed = 0;
    update();
    return;
  }
  if (!FCaptured) return;
  FCaptured = false;
  const bool over = rect().contains(event->position().toPoint());
  FOwner->CloseUp(over);
}

void TbsPopupListBox::wheelEvent(QWheelEvent* event) {
  const int dy = event->angleDelta().y();
  if (dy != 0) ScrollTo(FTopIndex + (dy < 0 ? 1 : -1));
  event->accept();
}

