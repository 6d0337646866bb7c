#include "skin/SkinFrameGeometry.h"

#include "skin/SkinAnimation.h"
#include "skin/SkinData.h"

#include <algorithm>

namespace {
bool Contains(const TRect& r, const QPoint& p) {
  return p.x() >= r.Left && p.x() < r.Right && p.y() >= r.Top && p.y() < r.Bottom;
}
TRect Moved(TRect r, int dx, int dy) {
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
  return r;
}
TbsCornerPoints MovedPoints(const TbsCornerPoints& p, int dw, int dh) {
  return {p.LeftTop, p.RightTop + QPoint(dw, 0), p.LeftBottom + QPoint(0, dh), p.RightBottom + QPoint(dw, dh)};
}
TbsCornerPoints PointsOf(const TbsDataSkinFormInfo& info) {
  return {info.LeftTopPoint, info.RightTopPoint, info.LeftBottomPoint, info.RightBottomPoint};
}
}  // namespace

TbsFrameGeometry FrameGeometryFor(const TbsDataSkinFormInfo& info, QSize picture, QSize window) {
  const int dw = window.width() - picture.width();
  const int dh = window.height() - picture.height();
  TbsFrameGeometry g;
  g.Points = MovedPoints(PointsOf(info), dw, dh);
  g.ClientRect = info.ClientRect;
  g.ClientRect.Right += dw;
  g.ClientRect.Bottom += dh;
  g.CaptionRect = info.CaptionRect;
  if (!g.CaptionRect.IsEmpty()) g.CaptionRect.Right += dw;
  g.ButtonsRect = info.ButtonsRect;
  if (g.ButtonsRect.Left > picture.width() / 2) g.ButtonsRect = Moved(g.ButtonsRect, dw, 0);
  // A skin without a mask has no mask area; an empty one stays empty.
  g.MaskRect = info.MaskRectArea;
  if (!g.MaskRect.IsEmpty()) {
    g.MaskRect.Right += dw;
    g.MaskRect.Bottom += dh;
  }
  g.HitTestPoints = MovedPoints({info.HitTestLeftTopPoint, info.HitTestRightTopPoint, info.HitTestLeftBottomPoint,
                                 info.HitTestRightBottomPoint},
                                dw, dh);
  return g;
}

QMargins SkinNonClientMargins(const TbsDataSkinFormInfo& info, QSize picture) {
  const TRect& c = info.ClientRect;
  return QMargins(c.Left, c.Top, picture.width() - c.Right, picture.height() - c.Bottom);
}

QSize SkinLeastSize(const TbsDataSkinFormInfo& info, QSize picture, int minWidth, int minHeight) {
  int w = info.FormMinWidth > 0 ? info.FormMinWidth : picture.width();
  if (minWidth > picture.width()) w = minWidth;
  const int h = std::max(minHeight, picture.height() - info.ClientRect.Height());
  return {w, h};
}

QSize PlainLeastSize(int minWidth, int minHeight, int captionHeight) {
  return {minWidth > 0 ? minWidth : 120, std::max(minHeight, captionHeight + 6)};
}

TRect PlaceObjectRect(const TRect& r, const TbsCornerPoints& pt, QSize picture, QSize window) {
  // The corner areas of P: top-left is left of and above the left-top
  // point, top-right right of and above the right-top point, and so on.
  const int dw = window.width() - picture.width();
  const int dh = window.height() - picture.height();
  const bool inTopLeft = r.Right <= pt.LeftTop.x() && r.Bottom <= pt.LeftTop.y();
  const bool inTopRight = r.Left >= pt.RightTop.x() && r.Bottom <= pt.RightTop.y();
  const bool inBottomLeft = r.Right <= pt.LeftBottom.x() && r.Top >= pt.LeftBottom.y();
  const bool inBottomRight = r.Left >= pt.RightBottom.x() && r.Top >= pt.RightBottom.y();
  if (inTopLeft) return r;
  if (inTopRight) return Moved(r, dw, 0);
  if (inBottomLeft) return Moved(r, 0, dh);
  if (inBottomRight) return Moved(r, dw, dh);
  // Spanning corner areas: where its top-left and bottom-right corners lie.
  const bool startsTopLeft = r.Left < pt.LeftTop.x() && r.Top < pt.LeftTop.y();
  const bool startsTopRight = r.Left >= pt.RightTop.x() && r.Top < pt.RightTop.y();
  const bool startsBottomLeft = r.Left < pt.LeftBottom.x() && r.Top >= pt.LeftBottom.y();
  const bool endsTopRight = r.Right > pt.RightTop.x() && r.Bottom <= pt.RightTop.y();
  const bool endsBottomLeft = r.Right <= pt.LeftBottom.x() && r.Bottom > pt.LeftBottom.y();
  const bool endsBottomRight = r.Right > pt.RightBottom.x() && r.Bottom > pt.RightBottom.y();
  TRect out = r;
  if (startsTopLeft && endsTopRight) {
    out.Right += dw;
  } else if (startsTopLeft && endsBottomLeft) {
    out.Bottom += dh;
  } else if (startsTopLeft && endsBottomRight) {
    out.Right += dw;
    out.Bottom += dh;
  } else if (startsBottomLeft && endsBottomRight) {
    out = Moved(out, 0, dh);
    out.Right += dw;
  } else if (startsTopRight && endsBottomRight) {
    out = Moved(out, dw, 0);
    out.Bottom += dh;
  }
  return out;
}

std::vector<TbsFrameObject> CreateFrameObjects(const TbsSkinData& data) {
  std::vector<TbsFrameObject> out;
  for (int i = 0; i < data.ObjectCount(); ++i) {
    const TbsDataSkinObject* rec = data.Object(i);
    if (!rec || dynamic_cast<const TbsDataSkinMenuItem*>(rec) || dynamic_cast<const TbsDataSkinMainMenuItem*>(rec) ||
        dynamic_cast<const TbsDataSkinMainMenuBarButton*>(rec))
      continue;
    TbsFrameObject o;
    o.IDName = rec->IDName;
    o.Hint = rec->Hint;
    o.ActivePictureIndex = rec->ActivePictureIndex;
    o.SkinRectInAPicture = rec->SkinRectInAPicture;
    o.SkinRect = rec->SkinRect;
    o.ActiveSkinRect = rec->ActiveSkinRect;
    o.InActiveSkinRect = rec->InActiveSkinRect;
    o.Morphing = rec->Morphing;
    o.MorphKind = rec->MorphKind;
    if (auto* std = dynamic_cast<const TbsDataSkinStdButton*>(rec)) {
      o.Kind = TbsFrameObjectKind::CaptionButton;
      o.Command = std->Command;
      o.RestoreRect = std->RestoreRect;
      o.RestoreActiveRect = std->RestoreActiveRect;
      o.RestoreDownRect = std->RestoreDownRect;
      o.RestoreInActiveRect = std->RestoreInActiveRect;
    } else if (dynamic_cast<const TbsDataSkinButton*>(rec)) {
      o.Kind = TbsFrameObjectKind::Button;
    } else if (auto* cap = dynamic_cast<const TbsDataSkinCaption*>(rec)) {
      o.Kind = TbsFrameObjectKind::Caption;
      o.Caption = *cap;
      if (cap->FrameCount > 0 && !StripFrame(cap->AnimateSkinRect, cap->FrameCount, 1).IsEmpty()) {
        o.FramesRect = cap->AnimateSkinRect;
        o.FrameCount = cap->FrameCount;
        o.FrameInterval = cap->AnimateInterval;
        o.InActiveAnimation = cap->InActiveAnimation;
      }
    } else if (auto* anim = dynamic_cast<const TbsDataSkinAnimate*>(rec)) {
      const bool button = anim->ButtonStyle && anim->Command != TbsStdCommand::cmDefault;
      o.Kind = button ? TbsFrameObjectKind::CaptionButton : TbsFrameObjectKind::Animation;
      o.Command = anim->Command;
      o.DownRect = anim->DownSkinRect;
      o.RestoreRect = anim->RestoreRect;
      o.RestoreActiveRect = anim->RestoreActiveRect;
      o.RestoreDownRect = anim->RestoreDownRect;
      o.RestoreInActiveRect = anim->RestoreInActiveRect;
      // The first frame is its own look; the others follow it.
      const TRect first = StripFrame(anim->SkinRect, anim->CountFrames, 1);
      if (anim->CountFrames > 1 && !first.IsEmpty()) {
        o.SkinRect = first;
        o.FramesRect = {first.Right, first.Top, first.Left + anim->CountFrames * first.Width(), first.Bottom};
        o.FrameCount = anim->CountFrames - 1;
        o.FrameInterval = anim->TimerInterval;
      }
    } else {
      o.Kind = TbsFrameObjectKind::User;
    }
    if (auto* button = dynamic_cast<const TbsDataSkinButton*>(rec)) o.DownRect = button->DownRect;
    // Without an active picture there is no active look.
    if (o.ActivePictureIndex < 0 || o.ActivePictureIndex >= data.ActivePictureCount()) {
      o.ActivePictureIndex = -1;
      o.ActiveSkinRect = TRect();
    }
    if (o.ActiveSkinRect.IsEmpty()) o.Morphing = false;
    out.push_back(std::move(o));
  }
  return out;
}

bool CaptionButtonShows(TbsStdCommand command, TbsBorderIcons icons, bool hide) {
  if (hide) return false;
  switch (command) {
    case TbsStdCommand::cmClose: return true;
    case TbsStdCommand::cmMaximize: return icons & biMaximize;
    case TbsStdCommand::cmMinimize: return icons & biMinimize;
    case TbsStdCommand::cmSysMenu: return icons & biSystemMenu;
    case TbsStdCommand::cmRollUp: return icons & biRollUp;
    case TbsStdCommand::cmMinimizeToTray: return icons & biMinimizeToTray;
    case TbsStdCommand::cmDefault:
    case TbsStdCommand::cmRestore: return false;
  }
  return false;
}

void LayoutFrameObjects(std::vector<TbsFrameObject>& objects, const TbsDataSkinFormInfo& info, QSize picture,
                        QSize window, TbsBorderIcons icons, bool hideButtons, QSize iconSize) {
  const TbsFrameGeometry g = FrameGeometryFor(info, picture, window);
  for (TbsFrameObject& o : objects) {
    if (o.Kind == TbsFrameObjectKind::CaptionButton) o.Visible = CaptionButtonShows(o.Command, icons, hideButtons);
    o.Rect = PlaceObjectRect(o.SkinRect, PointsOf(info), picture, window);
  }
  const bool inCaption = g.ButtonsRect.IsEmpty();
  const TRect area = inCaption ? g.CaptionRect : g.ButtonsRect;
  // Right-hand buttons, right to left.
  static constexpr TbsStdCommand kOrder[] = {TbsStdCommand::cmClose, TbsStdCommand::cmMaximize,
                                             TbsStdCommand::cmMinimize, TbsStdCommand::cmRollUp,
                                             TbsStdCommand::cmMinimizeToTray, TbsStdCommand::cmDefault};
  int right = area.Right;
  for (TbsStdCommand command : kOrder) {
    for (TbsFrameObject& o : objects) {
      if (o.Kind != TbsFrameObjectKind::CaptionButton || o.Command != command || !o.Visible) continue;
      o.Rect = TRect{right - o.SkinRect.Width(), area.Top, right, area.Top + o.SkinRect.Height()};
      right = o.Rect.Left - info.ButtonsOffset;
    }
  }
  // The system-menu button at the caption's left end, centred down it.
  int captionLeft = -1;
  for (TbsFrameObject& o : objects) {
    if (o.Kind != TbsFrameObjectKind::CaptionButton || o.Command != TbsStdCommand::cmSysMenu || !o.Visible)
      continue;
    const QSize size = iconSize.isValid() ? iconSize : QSize(o.SkinRect.Width(), o.SkinRect.Height());
    const int top = g.CaptionRect.Top + (g.CaptionRect.Height() - size.height()) / 2;
    o.Rect = TRect{g.CaptionRect.Left, top, g.CaptionRect.Left + size.width(), top + size.height()};
    captionLeft = o.Rect.Right;
  }
  if (!inCaption) return;
  for (TbsFrameObject& o : objects) {
    if (o.Kind != TbsFrameObjectKind::Caption) continue;
    o.Rect.Right = right + info.ButtonsOffset;
    if (captionLeft >= 0) o.Rect.Left = captionLeft;
  }
}

TbsFrameHit FrameHitTest(const QPoint& p, const TbsFrameGeometry& g, const std::vector<TbsFrameObject>& objects,
                         int* object) {
  if (object) *object = -1;
  const TbsFrameObject* caption = nullptr;
  for (const TbsFrameObject& o : objects)
    if (o.Kind == TbsFrameObjectKind::Caption && o.Visible) caption = &o;
  const TRect captionRect = caption ? caption->Rect : g.CaptionRect;
  const bool inClient = Contains(g.ClientRect, p);
  const bool inCaption = Contains(captionRect, p);
  if (!inClient && !(caption && inCaption)) {
    for (size_t i = 0; i < objects.size(); ++i) {
      const TbsFrameObject& o = objects[i];
      if (o.Kind == TbsFrameObjectKind::Caption || !o.Visible || !Contains(o.Rect, p)) continue;
      if (object) *object = int(i);
      return TbsFrameHit::Object;
    }
  }
  if (inClient) return TbsFrameHit::Client;
  if (inCaption) return TbsFrameHit::Caption;
  return TbsFrameHit::Border;
}

TbsFrameEdge FrameSizingZone(const QPoint& p, QSize window, const TRect& client, const TbsCornerPoints& hitTest,
                             int borderWidth) {
  if (borderWidth <= 0 || p.x() < 0 || p.y() < 0 || p.x() >= window.width() || p.y() >= window.height())
    return TbsFrameEdge::None;
  const bool nearEdge = p.x() < borderWidth || p.y() < borderWidth || p.x() >= window.width() - borderWidth ||
                        p.y() >= window.height() - borderWidth;
  if (!nearEdge) return TbsFrameEdge::None;
  const int x = p.x(), y = p.y();
  if (x <= hitTest.LeftTop.x() && y <= hitTest.LeftTop.y()) return TbsFrameEdge::TopLeft;
  if (x >= hitTest.RightTop.x() && y <= hitTest.RightTop.y()) return TbsFrameEdge::TopRight;
  if (x <= hitTest.LeftBottom.x() && y >= hitTest.LeftBottom.y()) return TbsFrameEdge::BottomLeft;
  if (x >= hitTest.RightBottom.x() && y >= hitTest.RightBottom.y()) return TbsFrameEdge::BottomRight;
  if (y < client.Top) return TbsFrameEdge::Top;
  if (y >= client.Bottom) return TbsFrameEdge::Bottom;
  if (x < client.Left) return TbsFrameEdge::Left;
  if (x >= client.Right) return TbsFrameEdge::Right;
  return TbsFrameEdge::None;
}

Qt::Edges FrameEdges(TbsFrameEdge edge) {
  switch (edge) {
    case TbsFrameEdge::Left: return Qt::LeftEdge;
    case TbsFrameEdge::Top: return Qt::TopEdge;
    case TbsFrameEdge::Right: return Qt::RightEdge;
    case TbsFrameEdge::Bottom: return Qt::BottomEdge;
    case TbsFrameEdge::TopLeft: return Qt::TopEdge | Qt::LeftEdge;
    case TbsFrameEdge::TopRight: return Qt::TopEdge | Qt::RightEdge;
    case TbsFrameEdge::BottomLeft: return Qt::BottomEdge | Qt::LeftEdge;
    case TbsFrameEdge::BottomRight: return Qt::BottomEdge | Qt::RightEdge;
    case TbsFrameEdge::None: break;
  }
  return {};
}
