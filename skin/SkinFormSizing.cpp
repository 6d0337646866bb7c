// Sizing, dragging and rolling up a framed window. The window system does
// the sizing and moving when it can; where it cannot, the frame follows the
// mouse itself.
#include "skin/SkinForm.h"

#include "platform/Platform.h"

#include <QWindow>

void TbsSkinForm::SetSizeable(bool value) {
  FSizeable = value;
  // The client area keeps the ordinary arrow whatever the frame shows.
  if (value) FForm->Client()->setCursor(Qt::ArrowCursor);
  FForm->unsetCursor();
}

TbsFrameEdge TbsSkinForm::SizingZone(const QPoint& p) const {
  if (!FSizeable || FRolledUp || FForm->isMaximized()) return TbsFrameEdge::None;
  EnsureLayout();
  const QSize w = FForm->size();
  if (Skinned()) {
    const TbsFrameGeometry g = Geometry();
    return FrameSizingZone(p, w, g.ClientRect, g.HitTestPoints, FSkinData->FormInfo.BorderWidth);
  }
  // Unskinned: 3-pixel borders with corners 16 pixels long.
  constexpr int kCorner = 16;
  const QMargins m = Layout().NonClient;
  const TRect client{m.left(), m.top(), w.width() - m.right(), w.height() - m.bottom()};
  const TbsCornerPoints corners{QPoint(kCorner, kCorner), QPoint(w.width() - kCorner, kCorner),
                                QPoint(kCorner, w.height() - kCorner),
                                QPoint(w.width() - kCorner, w.height() - kCorner)};
  return FrameSizingZone(p, w, client, corners, 3);
}

void TbsSkinForm::ShowSizingCursor(const QPoint& p) {
  switch (SizingZone(p)) {
    case TbsFrameEdge::Left:
    case TbsFrameEdge::Right: FForm->setCursor(Qt::SizeHorCursor); break;
    case TbsFrameEdge::Top:
    case TbsFrameEdge::Bottom: FForm->setCursor(Qt::SizeVerCursor); break;
    case TbsFrameEdge::TopLeft:
    case TbsFrameEdge::BottomRight: FForm->setCursor(Qt::SizeFDiagCursor); break;
    case TbsFrameEdge::TopRight:
    case TbsFrameEdge::BottomLeft: FForm->setCursor(Qt::SizeBDiagCursor); break;
    case TbsFrameEdge::None: FForm->unsetCursor(); break;
  }
}

bool TbsSkinForm::StartSizing(const QPoint& p, const QPoint& globalPos) {
  const TbsFrameEdge edge = SizingZone(p);
  if (edge == TbsFrameEdge::None) return false;
  QWindow* handle = FForm->windowHandle();
  if (handle && handle->startSystemResize(FrameEdges(edge))) return true;
  FSizingEdges = FrameEdges(edge);
  FSizingStart = FForm->geometry();
  FSizingPress = globalPos;
  return true;
}

void TbsSkinForm::StartDragging(const QPoint& globalPos) {
  QWindow* handle = FForm->windowHandle();
  if (handle && handle->startSystemMove()) return;
  FDragging = true;
  FDragOffset = globalPos - FForm->frameGeometry().topLeft();
}

bool TbsSkinForm::FollowSizingOrDragging(const QPoint& globalPos) {
  if (FDragging) {
    FForm->move(globalPos - FDragOffset);
    return true;
  }
  if (FSizingEdges) {
    SizeBy(globalPos);
    return true;
  }
  return false;
}

bool TbsSkinForm::EndSizingOrDragging() {
  if (FDragging) {
    FDragging = false;
    return true;
  }
  if (FSizingEdges) {
    FSizingEdges = {};
    return true;
  }
  return false;
}

void TbsSkinForm::SizeBy(const QPoint& globalPos) {
  const QPoint d = globalPos - FSizingPress;
  QRect r = FSizingStart;
  const QSize least = FForm->minimumSize();
  // Never beyond the work area, never below the least size.
  QSize most = FForm->maximumSize();
  if (const QRect area = platform::WorkArea(FForm); !area.isEmpty()) most = most.boundedTo(area.size());
  most = most.expandedTo(least);
  if (FSizingEdges & Qt::LeftEdge)
    r.setLeft(std::clamp(r.left() + d.x(), r.right() + 1 - most.width(), r.right() + 1 - least.width()));
  if (FSizingEdges & Qt::RightEdge)
    r.setRight(std::clamp(r.right() + d.x(), r.left() - 1 + least.width(), r.left() - 1 + most.width()));
  if (FSizingEdges & Qt::TopEdge)
    r.setTop(std::clamp(r.top() + d.y(), r.bottom() + 1 - most.height(), r.bottom() + 1 - least.height()));
  if (FSizingEdges & Qt::BottomEdge)
    r.setBottom(std::clamp(r.bottom() + d.y(), r.top() - 1 + least.height(), r.top() - 1 + most.height()));
  FForm->setGeometry(r);
}

void TbsSkinForm::SetRolledUp(bool value) {
  if (value == FRolledUp) return;
  if (value) {
    FRestoreHeight = FForm->height();
    FRolledUp = true;
    // Only the frame stays: caption band and borders.
    FForm->resize(FForm->width(), LeastSize().height());
  } else {
    FRolledUp = false;
    FForm->resize(FForm->width(), std::max(FRestoreHeight, LeastSize().height()));
  }
  FForm->update();
}
