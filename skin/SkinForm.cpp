#include "skin/SkinForm.h"

#include "platform/Exceptions.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "skin/SkinControl.h"
#include "skin/SkinData.h"
#include "skin/SkinEdit.h"
#include "skin/SkinFramePaint.h"
#include "skin/SkinHint.h"
#include "skin/SkinMenu.h"
#include "skin/SkinStdLabel.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

TbsSkinForm::TbsSkinForm(QObject* owner) : QObject(owner), FForm(qobject_cast<TForm*>(owner)) {
  if (!FForm) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
  FForm->installEventFilter(this);
  FForm->setMouseTracking(true);
  FMorphTimer = new QTimer(this);
  FMorphTimer->setInterval(25);
  connect(FMorphTimer, &QTimer::timeout, this, &TbsSkinForm::MorphStep);
  // The mouse may pass from an object straight into a control of the client
  // area, which gives the window no leave event.
  FTrackTimer = new QTimer(this);
  FTrackTimer->setInterval(50);
  connect(FTrackTimer, &QTimer::timeout, this, [this] {
    const QPoint p = FForm->mapFromGlobal(QCursor::pos());
    TbsFrameButton b = TbsFrameButton::None;
    int index = -1;
    if (FForm->rect().contains(p)) {
      HitTest(p, &b);
      if (Skinned()) FrameHitTest(p, Geometry(), FObjects, &index);
    }
    if (index != FHotObject || b != FHotButton) SetHot(index, b);
  });
  FHintTimer = new QTimer(this);
  FHintTimer->setSingleShot(true);
  FHintTimer->setInterval(500);
  connect(FHintTimer, &QTimer::timeout, this, [this] {
    const QString text = ObjectHint(FHotObject);
    if (!text.isEmpty() && FPressedObject < 0) ShowSkinHint(FForm, QCursor::pos(), text);
  });
  FAlphaTimer = new QTimer(this);
  connect(FAlphaTimer, &QTimer::timeout, this, &TbsSkinForm::AlphaStep);
  Rebuild();
}

TbsSkinForm::~TbsSkinForm() {
  if (FForm) FForm->removeEventFilter(this);
}

void TbsSkinForm::SetSkinData(TbsSkinData* data) {
  FSkinData = data;
  Rebuild();
}

bool TbsSkinForm::Skinned() const {
  return FSkinData && !FSkinData->Empty() && !FSkinData->Picture().isNull();
}

void TbsSkinForm::SetBorderIcons(TbsBorderIcons icons) {
  FBorderIcons = icons;
  Relayout();
  FForm->update();
}

void TbsSkinForm::SetHideCaptionButtons(bool value) {
  FHideCaptionButtons = value;
  Relayout();
  FForm->update();
}

TbsPlainFrameLayout TbsSkinForm::Layout() const {
  return PlainFrameLayout(FForm->size(), FBorderIcons, FHideCaptionButtons);
}

TbsFrameGeometry TbsSkinForm::Geometry() const {
  if (!Skinned()) return {};
  return FrameGeometryFor(FSkinData->FormInfo, FSkinData->Picture().size(), FForm->size());
}

void TbsSkinForm::ApplyMargins() {
  FForm->SetNonClientMargins(Skinned() ? SkinNonClientMargins(FSkinData->FormInfo, FSkinData->Picture().size())
                                       : Layout().NonClient);
  FForm->setMinimumSize(LeastSize());
  if (MaxWidth > 0 || MaxHeight > 0)
    FForm->setMaximumSize(MaxWidth > 0 ? MaxWidth : QWIDGETSIZE_MAX, MaxHeight > 0 ? MaxHeight : QWIDGETSIZE_MAX);
}

void TbsSkinForm::Rebuild() {
  FMorphTimer->stop();
  FTrackTimer->stop();
  FHotObject = FPressedObject = -1;
  FHotButton = FPressedButton = TbsFrameButton::None;
  HideObjectHint();
  FObjects.clear();
  if (Skinned()) FObjects = CreateFrameObjects(*FSkinData);
  ApplyMargins();
  const QSize least = LeastSize();
  if (FForm->width() < least.width() || FForm->height() < least.height())
    FForm->resize(std::max(FForm->width(), least.width()), std::max(FForm->height(), least.height()));
  Relayout();
  UpdateRegion();
  FForm->update();
  FireEvent(OnChangeSkinData, this);
}

void TbsSkinForm::EnsureLayout() const {
  if (FLayoutSize == FForm->size()) return;
  auto* self = const_cast<TbsSkinForm*>(this);
  self->Relayout();
  self->UpdateRegion();
}

void TbsSkinForm::Relayout() {
  FLayoutSize = FForm->size();
  if (!Skinned()) return;
  const QSize icon = ShowIcon ? QSize(16, 16) : QSize();
  LayoutFrameObjects(FObjects, FSkinData->FormInfo, FSkinData->Picture().size(), FForm->size(), FBorderIcons,
                     FHideCaptionButtons, icon);
}

void TbsSkinForm::UpdateRegion() {
  const QSize least = LeastSize();
  if (FForm->width() < least.width() || FForm->height() < least.height()) return;
  FRegion = Skinned() ? FrameRegion(FSkinData->Mask(), FSkinData->FormInfo, FSkinData->Picture().size(),
                                    FForm->size())
                      : QRegion();
  if (FRegion.isEmpty())
    FForm->clearMask();
  else
    FForm->setMask(FRegion);
}

QSize TbsSkinForm::LeastSize() const {
  if (Skinned()) return SkinLeastSize(FSkinData->FormInfo, FSkinData->Picture().size(), MinWidth, MinHeight);
  return PlainLeastSize(MinWidth, MinHeight, kDefaultCaptionHeight);
}

namespace {
TbsStdCommand CommandOf(TbsFrameButton button) {
  switch (button) {
    case TbsFrameButton::Close: return TbsStdCommand::cmClose;
    case TbsFrameButton::Maximize: return TbsStdCommand::cmMaximize;
    case TbsFrameButton::Minimize: return TbsStdCommand::cmMinimize;
    case TbsFrameButton::RollUp: return TbsStdCommand::cmRollUp;
    case TbsFrameButton::SysMenu: return TbsStdCommand::cmSysMenu;
    case TbsFrameButton::MinimizeToTray: return TbsStdCommand::cmMinimizeToTray;
    case TbsFrameButton::None: break;
  }
  return TbsStdCommand::cmDefault;
}
TbsFrameButton ButtonOf(TbsStdCommand command) {
  switch (command) {
    case TbsStdCommand::cmClose: return TbsFrameButton::Close;
    case TbsStdCommand::cmMaximize: return TbsFrameButton::Maximize;
    case TbsStdCommand::cmMinimize: return TbsFrameButton::Minimize;
    case TbsStdCommand::cmRollUp: return TbsFrameButton::RollUp;
    case TbsStdCommand::cmSysMenu: return TbsFrameButton::SysMenu;
    case TbsStdCommand::cmMinimizeToTray: return TbsFrameButton::MinimizeToTray;
    case TbsStdCommand::cmDefault: break;
  }
  return TbsFrameButton::None;
}
}  // namespace

QRect TbsSkinForm::ButtonRect(TbsFrameButton button) const {
  EnsureLayout();
  if (!Skinned()) {
    const TbsPlainFrameLayout l = Layout();
    switch (button) {
      case TbsFrameButton::Close: return l.Close;
      case TbsFrameButton::Maximize: return l.Maximize;
      case TbsFrameButton::Minimize: return l.Minimize;
      case TbsFrameButton::RollUp: return l.RollUp;
      case TbsFrameButton::SysMenu: return l.SysMenu;
      default: return {};
    }
  }
  if (button == TbsFrameButton::None) return {};
  const TbsStdCommand command = CommandOf(button);
  for (const TbsFrameObject& o : FObjects)
    if (o.Kind == TbsFrameObjectKind::CaptionButton && o.Command == command && o.Visible) return o.Rect.ToQRect();
  return {};
}

bool TbsSkinForm::IsButtonVisible(TbsFrameButton button) const {
  if (Skinned()) return !ButtonRect(button).isNull();
  if (FHideCaptionButtons) return false;
  switch (button) {
    case TbsFrameButton::Close: return true;
    case TbsFrameButton::Maximize: return FBorderIcons & biMaximize;
    case TbsFrameButton::Minimize: return FBorderIcons & biMinimize;
    case TbsFrameButton::RollUp: return FBorderIcons & biRollUp;
    case TbsFrameButton::SysMenu: return FBorderIcons & biSystemMenu;
    case TbsFrameButton::MinimizeToTray:
    case TbsFrameButton::None: return false;
  }
  return false;
}

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

TbsSkinForm::THit TbsSkinForm::HitTest(const QPoint& p, TbsFrameButton* button) const {
  EnsureLayout();
  if (button) *button = TbsFrameButton::None;
  if (Skinned()) {
    int index = -1;
    switch (FrameHitTest(p, Geometry(), FObjects, &index)) {
      case TbsFrameHit::Client: return THit::Client;
      case TbsFrameHit::Caption: return THit::Caption;
      case TbsFrameHit::Border: return THit::Border;
      case TbsFrameHit::Object:
        if (button && FObjects[index].Kind == TbsFrameObjectKind::CaptionButton)
          *button = ButtonOf(FObjects[index].Command);
        return THit::Button;
    }
    return THit::Border;
  }
  const TbsPlainFrameLayout l = Layout();
  const std::pair<TbsFrameButton, QRect> buttons[] = {
      {TbsFrameButton::Close, l.Close},       {TbsFrameButton::Maximize, l.Maximize},
      {TbsFrameButton::Minimize, l.Minimize}, {TbsFrameButton::RollUp, l.RollUp},
      {TbsFrameButton::SysMenu, l.SysMenu}};
  for (const auto& [kind, r] : buttons) {
    if (r.isValid() && r.contains(p)) {
      if (button) *button = kind;
      return THit::Button;
    }
  }
  if (FForm->rect().marginsRemoved(l.NonClient).contains(p)) return THit::Client;
  if (l.Caption.contains(p)) return THit::Caption;
  return THit::Border;
}

QImage TbsSkinForm::FrameImage() const {
  if (!Skinned()) return {};
  EnsureLayout();
  std::vector<TbsFrameObject> objects = FObjects;
  for (size_t i = 0; i < objects.size(); ++i) {
    objects[i].Active = objects[i].Morphing ? objects[i].MorphK >= 1 : int(i) == FHotObject;
    objects[i].Down = int(i) == FPressedObject && FPressedObject == FHotObject;
  }
  TbsFrameState state;
  state.Window = FForm->size();
  state.Active = FForm->isActiveWindow();
  state.Caption = FForm->windowTitle();
  state.Icon = FForm->windowIcon();
  state.ShowIcon = ShowIcon;
  state.Maximized = FForm->isMaximized();
  return PaintSkinFrame(*FSkinData, objects, state);
}

void TbsSkinForm::ButtonCommand(TbsFrameButton button) {
  switch (button) {
    case TbsFrameButton::Close:
      FForm->Close();
      break;
    case TbsFrameButton::Minimize:
      FForm->showMinimized();
      break;
    case TbsFrameButton::Maximize:
      if (FForm->isMaximized())
        FForm->showNormal();
      else
        FForm->showMaximized();
      break;
    case TbsFrameButton::RollUp:
      SetRolledUp(!FRolledUp);
      break;
    case TbsFrameButton::MinimizeToTray:
      // There is no notification area to hide into: the window minimises.
      FForm->showMinimized();
      break;
    case TbsFrameButton::SysMenu: {
      const QRect r = ButtonRect(TbsFrameButton::SysMenu);
      ShowSystemMenu(FForm->mapToGlobal((r.isNull() ? QRect(0, 0, 1, 1) : r).bottomLeft() + QPoint(0, 1)));
      break;
    }
    case TbsFrameButton::None:
      break;
  }
}

std::vector<TbsSkinForm::TSysMenuItem> TbsSkinForm::SystemMenuItems() const {
  const bool restorable = FForm->isMinimized() || FForm->isMaximized() || FRolledUp;
  std::vector<TSysMenuItem> items{{TSysMenuCommand::Restore, QStringLiteral("&Восстановить"), restorable},
                                  {TSysMenuCommand::Minimize, QStringLiteral("&Свернуть"), !FForm->isMinimized()}};
  if (FBorderIcons & biRollUp)
    items.push_back({TSysMenuCommand::RollUp, QStringLiteral("Свернуть в &заголовок"), !FRolledUp});
  items.push_back({TSysMenuCommand::None, QString(), false});  // divider
  items.push_back({TSysMenuCommand::Close, QStringLiteral("&Закрыть"), true});
  return items;
}

void TbsSkinForm::SystemMenuCommand(TSysMenuCommand command) {
  switch (command) {
    case TSysMenuCommand::Restore:
      if (FRolledUp)
        SetRolledUp(false);
      else
        FForm->showNormal();
      break;
    case TSysMenuCommand::Minimize:
      FForm->showMinimized();
      break;
    case TSysMenuCommand::RollUp:
      SetRolledUp(true);
      break;
    case TSysMenuCommand::Close:
      FForm->Close();
      break;
    case TSysMenuCommand::None:
      break;
  }
}

void TbsSkinForm::ShowSystemMenu(const QPoint& globalPos) {
  if (FSysMenu) return;  // already open
  const std::vector<TSysMenuItem> items = SystemMenuItems();
  auto* menu = new TbsSkinPopupMenu(FForm);
  menu->setObjectName(QStringLiteral("bsSkinSysMenu"));
  menu->SetSkinData(MenusSkinData ? MenusSkinData : FSkinData.data());
  for (const TSysMenuItem& item : items) {
    if (item.Command == TSysMenuCommand::None)
      menu->AddDivider();
    else
      menu->AddItem(item.Caption, item.Enabled);
  }
  FSysMenu = menu;
  QPointer<TForm> form(FForm);
  QPointer<TbsSkinForm> self(this);
  const int chosen = menu->Exec(globalPos);
  delete menu;
  if (!form || !self) return;
  if (chosen >= 0 && chosen < int(items.size())) SystemMenuCommand(items[size_t(chosen)].Command);
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

void TbsSkinForm::Paint() {
  if (Skinned()) {
    // Nothing is painted below the least size (the client covers the rest).
    const QSize least = LeastSize();
    if (FForm->width() < least.width() || FForm->height() < least.height()) return;
    QPainter p(FForm);
    p.drawImage(0, 0, FrameImage());
    return;
  }
  QPainter p(FForm);
  PaintPlain(p);
}

QString TbsSkinForm::ObjectHint(int object) const {
  if (!ShowObjectHint || object < 0 || object >= int(FObjects.size())) return {};
  const TbsFrameObject& o = FObjects[size_t(object)];
  if (!o.Hint.isEmpty() || !UseDefaultObjectHint) return o.Hint;
  switch (o.Command) {
    case TbsStdCommand::cmClose: return QStringLiteral("Закрыть");
    case TbsStdCommand::cmMaximize:
      return FForm->isMaximized() ? QStringLiteral("Восстановить") : QStringLiteral("Развернуть");
    case TbsStdCommand::cmMinimize: return QStringLiteral("Свернуть");
    case TbsStdCommand::cmRollUp: return QStringLiteral("Свернуть в заголовок");
    case TbsStdCommand::cmSysMenu: return QStringLiteral("Системное меню");
    case TbsStdCommand::cmMinimizeToTray: return QStringLiteral("Свернуть в область уведомлений");
    default: return {};
  }
}

void TbsSkinForm::AlphaStep() {
  const int target = AlphaBlend ? std::clamp(AlphaBlendValue, 0, 255) : 255;
  // The first tick comes 1 ms after showing; without the animation it is the last.
  FAlpha = AlphaBlendAnimation ? std::min(target, FAlpha + 10) : target;
  FForm->setWindowOpacity(FAlpha / 255.0);
  if (FAlpha >= target) {
    FAlphaTimer->stop();
  } else {
    FAlphaTimer->start(5);
  }
}

void TbsSkinForm::HideObjectHint() {
  FHintTimer->stop();
  if (TbsSkinHintWindow* hint = VisibleSkinHint(); hint && hint->Owner() == FForm) HideSkinHint();
}

void TbsSkinForm::SetHot(int object, TbsFrameButton plain) {
  if (object == FHotObject && plain == FHotButton) return;
  if (object != FHotObject) {
    HideObjectHint();
    if (!ObjectHint(object).isEmpty()) FHintTimer->start();
  }
  FHotObject = object;
  FHotButton = plain;
  if (object >= 0 || plain != TbsFrameButton::None)
    FTrackTimer->start();
  else
    FTrackTimer->stop();
  for (const TbsFrameObject& o : FObjects)
    if (o.Morphing) FMorphTimer->start();
  FForm->update();
}

void TbsSkinForm::MorphStep() {
  constexpr double kStep = 0.25;  // four steps of 25 ms from one look to the other
  bool moving = false;
  for (size_t i = 0; i < FObjects.size(); ++i) {
    TbsFrameObject& o = FObjects[i];
    if (!o.Morphing) continue;
    const double target = int(i) == FHotObject ? 1.0 : 0.0;
    o.MorphK = target > o.MorphK ? std::min(target, o.MorphK + kStep) : std::max(target, o.MorphK - kStep);
    moving = moving || o.MorphK != target;
  }
  if (!moving) FMorphTimer->stop();
  FForm->update();
}

bool TbsSkinForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FForm) return false;
  // The object under a point of a skinned frame (-1: none).
  auto objectAt = [this](const QPoint& p) {
    int index = -1;
    if (Skinned()) FrameHitTest(p, Geometry(), FObjects, &index);
    return index;
  };
  switch (event->type()) {
    case QEvent::Paint:
      Paint();
      return true;
    case QEvent::KeyPress: {
      // Alt+Space opens the system menu below the caption's left end, as the
      // system's own windows do.
      auto* ke = static_cast<QKeyEvent*>(event);
      if (ke->key() == Qt::Key_Space && ke->modifiers() == Qt::AltModifier) {
        QRect r = ButtonRect(TbsFrameButton::SysMenu);
        if (r.isNull()) r = QRect(FForm->NonClientMargins().left(), 0, 1, FForm->NonClientMargins().top());
        InvokeHandler([&] { ShowSystemMenu(FForm->mapToGlobal(r.bottomLeft() + QPoint(0, 1))); });
        return true;
      }
      break;
    }
    case QEvent::Show:
      if (AlphaBlend || AlphaBlendAnimation) {
        FAlpha = 0;
        FForm->setWindowOpacity(0.0);
        FAlphaTimer->start(1);
      }
      break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::WindowTitleChange:
      FForm->update();
      break;
    case QEvent::Resize:
      Relayout();
      UpdateRegion();
      FForm->update();
      break;
    case QEvent::MouseButtonPress: {
      auto* me = static_cast<QMouseEvent*>(event);
      HideObjectHint();
      if (me->button() != Qt::LeftButton) break;
      TbsFrameButton b;
      const QPoint pos = me->position().toPoint();
      if (const TbsFrameEdge edge = SizingZone(pos); edge != TbsFrameEdge::None) {
        QWindow* handle = FForm->windowHandle();
        if (handle && handle->startSystemResize(FrameEdges(edge))) return true;
        FSizingEdges = FrameEdges(edge);
        FSizingStart = FForm->geometry();
        FSizingPress = me->globalPosition().toPoint();
        return true;
      }
      const THit hit = HitTest(pos, &b);
      if (hit == THit::Button) {
        if (b == TbsFrameButton::SysMenu) {
          ButtonCommand(b);
          return true;
        }
        FPressedButton = FHotButton = b;
        FPressedObject = FHotObject = objectAt(pos);
        FForm->update();
        return true;
      }
      if (hit == THit::Caption) {
        QWindow* handle = FForm->windowHandle();
        if (handle && handle->startSystemMove()) return true;
        FDragging = true;
        FDragOffset = me->globalPosition().toPoint() - FForm->frameGeometry().topLeft();
        return true;
      }
      if (hit == THit::Border) return true;  // neither moves nor sizes the window
      break;
    }
    case QEvent::MouseMove: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (FDragging) {
        FForm->move(me->globalPosition().toPoint() - FDragOffset);
        return true;
      }
      if (FSizingEdges) {
        SizeBy(me->globalPosition().toPoint());
        return true;
      }
      TbsFrameButton b;
      const QPoint pos = me->position().toPoint();
      if (FSizeable) {
        switch (SizingZone(pos)) {
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
      HitTest(pos, &b);
      SetHot(objectAt(pos), b);
      break;
    }
    case QEvent::MouseButtonRelease: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() != Qt::LeftButton) break;
      if (FDragging) {
        FDragging = false;
        return true;
      }
      if (FSizingEdges) {
        FSizingEdges = {};
        return true;
      }
      if (FPressedButton != TbsFrameButton::None || FPressedObject >= 0) {
        TbsFrameButton b;
        HitTest(me->position().toPoint(), &b);
        const TbsFrameButton pressed = FPressedButton;
        FPressedButton = TbsFrameButton::None;
        FPressedObject = -1;
        FForm->update();
        if (pressed != TbsFrameButton::None && b == pressed) InvokeHandler([&] { ButtonCommand(pressed); });
        return true;
      }
      break;
    }
    case QEvent::Leave:
      SetHot(-1, TbsFrameButton::None);
      break;
    default:
      if (event->type() == TMessageEvent::EventType()) {
        auto* msg = static_cast<TMessageEvent*>(event);
        const bool ours = msg->WParam == FSkinData;
        if (ours && msg->Msg == WM_SKINCHANGING) {
          // The records are about to go: drop everything made from them.
          FMorphTimer->stop();
          FTrackTimer->stop();
          HideObjectHint();
          FObjects.clear();
          FHotObject = FPressedObject = -1;
        }
        if (msg->Msg == WM_SKINCHANGING || msg->Msg == WM_SKINCHANGED) {
          const bool changing = msg->Msg == WM_SKINCHANGING;
          if (ours && !changing) Rebuild();
          // Depth first through the window's controls.
          const auto widgets = FForm->findChildren<QWidget*>();
          for (QWidget* w : widgets) {
            if (auto* c = qobject_cast<TbsSkinControl*>(w); c && c->SkinData() == msg->WParam) {
              changing ? c->SkinWillChange() : c->SkinChanged();
            } else if (auto* l = qobject_cast<TbsSkinStdLabel*>(w); l && l->SkinData() == msg->WParam) {
              changing ? l->SkinWillChange() : l->SkinChanged();
            } else if (auto* e = qobject_cast<TbsSkinEdit*>(w); e && e->SkinData() == msg->WParam) {
              changing ? e->SkinWillChange() : e->SkinChanged();
            }
          }
          if (ours && changing) FireEvent(OnBeforeChangeSkinData, this);
          FForm->update();
        }
        if (ours && msg->Msg == WM_SKINCHANGEDONE) FireEvent(OnAfterChangeSkinData, this);
        return true;
      }
      break;
  }
  return false;
}

TbsSkinForm* CreateSkinFrame(TForm* form, TbsSkinData* data, TbsBorderIcons icons, bool showIcon) {
  auto* frame = new TbsSkinForm(form);
  frame->setObjectName(QStringLiteral("bsSkinForm1"));
  frame->SetBorderIcons(icons);
  frame->ShowIcon = showIcon;
  frame->ShowObjectHint = showIcon;
  frame->UseDefaultObjectHint = false;
  frame->UseDefaultSysMenu = false;
  frame->MenusSkinData = data;
  frame->SetSkinData(data);
  return frame;
}
