// The drop-down list's popup window.
#include "skin/SkinComboBox.h"

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

int TbsPopupListBox::RowHeight() const { return QFontMetrics(ItemFont).height() + 2; }

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
  FItemIndex = index;
  if (index >= 0) {
    if (index < FTopIndex)
      ScrollTo(index);
    else if (index >= FTopIndex + FRows)
      ScrollTo(index - FRows + 1);
  }
  update();
}

QRect TbsPopupListBox::ScrollBarRect() const {
  if (!HasScrollBar()) return {};
  return QRect(width() - 1 - kScrollBarWidth, 1, kScrollBarWidth, height() - 2);
}

QRect TbsPopupListBox::ItemRect(int index) const {
  const int row = index - FTopIndex;
  const int right = HasScrollBar() ? ScrollBarRect().left() : width() - 1;
  return QRect(1, 1 + row * RowHeight(), right - 1, RowHeight());
}

int TbsPopupListBox::ItemAt(const QPoint& point) const {
  if (!rect().contains(point) || ScrollBarRect().contains(point)) return -1;
  const int row = (point.y() - 1) / RowHeight();
  if (point.y() < 1 || row >= FRows) return -1;
  const int index = FTopIndex + row;
  return index < FItems.size() ? index : -1;
}

void TbsPopupListBox::paintEvent(QPaintEvent*) {
  // A one-pixel frame around white rows; the current row in the highlight
  // colours; a plain scroll bar at the right when not all rows fit.
  QPainter p(this);
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
  if (HasScrollBar()) {
    const QRect bar = ScrollBarRect();
    p.fillRect(bar, ToQColor(cl3DLight));
    const QRect up(bar.left(), bar.top(), bar.width(), kScrollBarWidth);
    const QRect down(bar.left(), bar.bottom() - kScrollBarWidth + 1, bar.width(), kScrollBarWidth);
    for (const QRect& b : {up, down}) {
      p.fillRect(b, ToQColor(clBtnFace));
      p.setPen(ToQColor(clBtnShadow));
      p.setBrush(Qt::NoBrush);
      p.drawRect(b.adjusted(0, 0, -1, -1));
    }
    DrawComboArrow(p, up, ToQColor(clBtnText), true);
    DrawComboArrow(p, down, ToQColor(clBtnText));
    // Thumb: its share of the track as the visible rows of all rows.
    const int track = bar.height() - 2 * kScrollBarWidth;
    const int count = static_cast<int>(FItems.size());
    const int thumb = std::max(8, track * FRows / count);
    const int span = std::max(1, count - FRows);
    const int top = up.bottom() + 1 + (track - thumb) * FTopIndex / span;
    const QRect t(bar.left() + 1, top, bar.width() - 2, thumb);
    p.fillRect(t, ToQColor(clBtnFace));
    p.setPen(ToQColor(clBtnShadow));
    p.drawRect(t.adjusted(0, 0, -1, -1));
  }
}

void TbsPopupListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = event->position().toPoint();
  if (ScrollBarRect().contains(pos)) {
    // Arrows step one row, the track above or below the thumb one page.
    const QRect bar = ScrollBarRect();
    if (pos.y() < bar.top() + kScrollBarWidth)
      ScrollTo(FTopIndex - 1);
    else if (pos.y() > bar.bottom() - kScrollBarWidth)
      ScrollTo(FTopIndex + 1);
    else if (pos.y() < bar.top() + bar.height() / 2)
      ScrollTo(FTopIndex - FRows);
    else
      ScrollTo(FTopIndex + FRows);
    return;
  }
  // The list keeps the mouse while the button is held.
  FCaptured = true;
  const int i = ItemAt(pos);
  if (i >= 0) SetItemIndex(i);
}

void TbsPopupListBox::mouseMoveEvent(QMouseEvent* event) {
  const int i = ItemAt(event->position().toPoint());
  if (i >= 0 && i != FItemIndex) SetItemIndex(i);
}

void TbsPopupListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !FCaptured) return;
  FCaptured = false;
  const bool over = rect().contains(event->position().toPoint());
  FOwner->CloseUp(over);
}

void TbsPopupListBox::wheelEvent(QWheelEvent* event) {
  const int dy = event->angleDelta().y();
  if (dy != 0) ScrollTo(FTopIndex + (dy < 0 ? 1 : -1));
  event->accept();
}

