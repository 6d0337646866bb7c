#include "skin/SkinForm.h"

#include "platform/Exceptions.h"
#include "platform/Messages.h"
#include "skin/SkinClient.h"
#include "skin/SkinData.h"
#include "skin/SkinFramePaint.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <algorithm>

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
  connect(FTrackTimer, &QTimer::timeout, this, &TbsSkinForm::TrackMouse);
  FHintTimer = new QTimer(this);
  FHintTimer->setSingleShot(true);
  FHintTimer->setInterval(500);
  connect(FHintTimer, &QTimer::timeout, this, &TbsSkinForm::ShowObjectHintNow);
  FAlphaTimer = new QTimer(this);
  connect(FAlphaTimer, &QTimer::timeout, this, &TbsSkinForm::AlphaStep);
  // The window's keys, whichever of its controls has the focus: Alt+Space
  // opens the system menu, Alt+F4 closes the window as the close button does.
  auto* menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), FForm);
  connect(menuKey, &QShortcut::activated, this, &TbsSkinForm::ShowSystemMenuFromKeyboard);
  auto* closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), FForm);
  connect(closeKey, &QShortcut::activated, this, [this] { InvokeHandler([this] { ButtonCommand(TbsStdCommand::cmClose); }); });
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
  DropObjects();
  FHotButton = FPressedButton = TbsStdCommand::cmDefault;
  if (Skinned()) FObjects = CreateFrameObjects(*FSkinData);
  for (const TbsFrameObject& o : FObjects)
    FAnimations.push_back(o.FrameCount > 0 ? std::make_unique<TbsFrameAnimation>(this, o.FrameCount, o.FrameInterval)
                                           : nullptr);
  PlayAnimations();
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

QRect TbsSkinForm::ButtonRect(TbsStdCommand button) const {
  EnsureLayout();
  if (!Skinned()) {
    for (const auto& [command, r] : Layout().Buttons())
      if (command == button) return r;
    return {};
  }
  if (button == TbsStdCommand::cmDefault) return {};
  for (const TbsFrameObject& o : FObjects)
    if (o.Kind == TbsFrameObjectKind::CaptionButton && o.Command == button && o.Visible) return o.Rect.ToQRect();
  return {};
}

std::vector<TbsStdCommand> TbsSkinForm::ShownCommands() const {
  std::vector<std::pair<int, TbsStdCommand>> shown;
  for (TbsStdCommand c : {TbsStdCommand::cmSysMenu, TbsStdCommand::cmMinimizeToTray, TbsStdCommand::cmRollUp,
                          TbsStdCommand::cmMinimize, TbsStdCommand::cmMaximize, TbsStdCommand::cmClose}) {
    const QRect r = ButtonRect(c);
    if (!r.isNull()) shown.emplace_back(r.left(), c);
  }
  std::stable_sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<TbsStdCommand> commands;
  for (const auto& [left, c] : shown) commands.push_back(c);
  return commands;
}

bool TbsSkinForm::IsButtonVisible(TbsStdCommand button) const {
  if (Skinned()) return !ButtonRect(button).isNull();
  // The plain frame has no minimise-to-tray button.
  return button != TbsStdCommand::cmMinimizeToTray && CaptionButtonShows(button, FBorderIcons, FHideCaptionButtons);
}

TbsSkinForm::THit TbsSkinForm::HitTest(const QPoint& p, TbsStdCommand* button) const {
  EnsureLayout();
  if (button) *button = TbsStdCommand::cmDefault;
  if (Skinned()) {
    int index = -1;
    switch (FrameHitTest(p, Geometry(), FObjects, &index)) {
      case TbsFrameHit::Client: return THit::Client;
      case TbsFrameHit::Caption: return THit::Caption;
      case TbsFrameHit::Border: return THit::Border;
      case TbsFrameHit::Object:
        if (button && FObjects[index].Kind == TbsFrameObjectKind::CaptionButton) *button = FObjects[index].Command;
        return THit::Button;
    }
    return THit::Border;
  }
  const TbsPlainFrameLayout l = Layout();
  for (const auto& [command, r] : l.Buttons()) {
    if (r.isValid() && r.contains(p)) {
      if (button) *button = command;
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
  const bool effects = EffectsOn();
  for (size_t i = 0; i < objects.size(); ++i) {
    TbsFrameObject& o = objects[i];
    const bool hot = int(i) == FHotObject;
    o.Morphing = o.Morphing && effects;
    o.Frame = effects && FAnimations[i] ? FAnimations[i]->Frame() : 0;
    // With the effects on, the frames of an animated button are its way
    // to its hot look and its hot look itself.
    const bool hotByFrames = effects && o.FrameCount > 0 && o.Kind != TbsFrameObjectKind::Caption;
    o.Active = o.Morphing ? o.MorphK >= 1 : hot && !hotByFrames;
    o.Down = int(i) == FPressedObject && FPressedObject == FHotObject;
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

void TbsSkinForm::ButtonCommand(TbsStdCommand button) {
  switch (button) {
    case TbsStdCommand::cmClose:
      FForm->Close();
      break;
    case TbsStdCommand::cmMinimize:
    case TbsStdCommand::cmMinimizeToTray:  // no notification area to hide into
      FForm->showMinimized();
      break;
    case TbsStdCommand::cmMaximize:
      if (FForm->isMaximized())
        FForm->showNormal();
      else
        FForm->showMaximized();
      break;
    case TbsStdCommand::cmRollUp:
      SetRolledUp(!FRolledUp);
      break;
    case TbsStdCommand::cmSysMenu: {
      const QRect r = ButtonRect(TbsStdCommand::cmSysMenu);
      ShowSystemMenu(FForm->mapToGlobal((r.isNull() ? QRect(0, 0, 1, 1) : r).bottomLeft() + QPoint(0, 1)));
      break;
    }
    case TbsStdCommand::cmRestore:
    case TbsStdCommand::cmDefault:
      break;
  }
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

// --- Events --------------------------------------------------------------------

bool TbsSkinForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FForm) return false;
  switch (event->type()) {
    case QEvent::Paint:
      Paint();
      return true;
    case QEvent::KeyPress:
      return KeyPressed(static_cast<const QKeyEvent&>(*event));
    case QEvent::Show:
      Shown();
      return false;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
      PlayAnimations();
      FForm->update();
      return false;
    case QEvent::WindowTitleChange:
      FForm->update();
      return false;
    case QEvent::Resize:
      Resized();
      return false;
    case QEvent::MouseButtonPress:
      return MousePressed(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseMove:
      return MouseMoved(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease:
      return MouseReleased(static_cast<const QMouseEvent&>(*event));
    case QEvent::Leave:
      SetHot(-1, TbsStdCommand::cmDefault);
      return false;
    default:
      if (event->type() != TMessageEvent::EventType()) return false;
      SkinNotice(static_cast<const TMessageEvent&>(*event));
      return true;
  }
}

bool TbsSkinForm::KeyPressed(const QKeyEvent& event) {
  // The window's keys when they come as key presses (the shortcuts above
  // take them first when they pass through the shortcut map).
  if (event.modifiers() != Qt::AltModifier) return false;
  if (event.key() == Qt::Key_Space) {
    ShowSystemMenuFromKeyboard();
    return true;
  }
  if (event.key() == Qt::Key_F4) {
    InvokeHandler([this] { ButtonCommand(TbsStdCommand::cmClose); });
    return true;
  }
  return false;
}

void TbsSkinForm::Shown() {
  if (!AlphaBlend && !AlphaBlendAnimation) return;
  FAlpha = 0;
  FForm->setWindowOpacity(0.0);
  FAlphaTimer->start(1);
}

void TbsSkinForm::Resized() {
  Relayout();
  UpdateRegion();
  FForm->update();
}

bool TbsSkinForm::MousePressed(const QMouseEvent& event) {
  HideObjectHint();
  if (event.button() != Qt::LeftButton) return false;
  const QPoint pos = event.position().toPoint();
  if (StartSizing(pos, event.globalPosition().toPoint())) return true;
  TbsStdCommand button;
  switch (HitTest(pos, &button)) {
    case THit::Button:
      if (button == TbsStdCommand::cmSysMenu) {
        ButtonCommand(button);
        return true;
      }
      // The command runs on release over the same button.
      FPressedButton = FHotButton = button;
      FPressedObject = FHotObject = ObjectAt(pos);
      FForm->update();
      return true;
    case THit::Caption:
      StartDragging(event.globalPosition().toPoint());
      return true;
    case THit::Border:
      return true;  // neither moves nor sizes the window
    case THit::Client:
      break;
  }
  return false;
}

bool TbsSkinForm::MouseMoved(const QMouseEvent& event) {
  if (FollowSizingOrDragging(event.globalPosition().toPoint())) return true;
  const QPoint pos = event.position().toPoint();
  if (FSizeable) ShowSizingCursor(pos);
  TbsStdCommand button;
  HitTest(pos, &button);
  SetHot(ObjectAt(pos), button);
  return false;
}

bool TbsSkinForm::MouseReleased(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return false;
  if (EndSizingOrDragging()) return true;
  if (FPressedButton == TbsStdCommand::cmDefault && FPressedObject < 0) return false;
  TbsStdCommand under;
  HitTest(event.position().toPoint(), &under);
  const TbsStdCommand pressed = FPressedButton;
  FPressedButton = TbsStdCommand::cmDefault;
  FPressedObject = -1;
  FForm->update();
  if (pressed != TbsStdCommand::cmDefault && under == pressed) InvokeHandler([&] { ButtonCommand(pressed); });
  return true;
}

void TbsSkinForm::SkinNotice(const TMessageEvent& notice) {
  const bool ours = notice.WParam == FSkinData;
  const bool changing = notice.Msg == WM_SKINCHANGING;
  if (notice.Msg == WM_SKINCHANGEDONE && ours) FireEvent(OnAfterChangeSkinData, this);
  if (!changing && notice.Msg != WM_SKINCHANGED) return;
  // The records are about to go: drop everything made from them. Once they
  // are back, build it anew.
  if (ours && changing) DropObjects();
  if (ours && !changing) Rebuild();
  for (TbsSkinClient* client : SkinClientsBelow(FForm)) {
    if (client->SkinData() != notice.WParam) continue;
    changing ? client->SkinWillChange() : client->SkinChanged();
  }
  if (ours && changing) FireEvent(OnBeforeChangeSkinData, this);
  FForm->update();
}

TbsSkinForm* CreateSkinFrame(TForm* form, TbsSkinData* data, TbsBorderIcons icons, TbsFrameShows shows) {
  auto* frame = new TbsSkinForm(form);
  frame->setObjectName(QStringLiteral("bsSkinForm1"));
  frame->SetBorderIcons(icons);
  frame->ShowIcon = shows.Icon;
  frame->ShowObjectHint = shows.ObjectHints;
  frame->UseDefaultObjectHint = false;
  frame->UseDefaultSysMenu = false;
  frame->MenusSkinData = data;
  frame->SetSkinData(data);
  return frame;
}
