#include "skin/SkinForm.h"

#include "platform/Exceptions.h"
#include "platform/Messages.h"
#include "skin/SkinControl.h"
#include "skin/SkinData.h"
#include "skin/SkinStdLabel.h"

#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {
constexpr int kBorder = 3;
constexpr int kButtonW = 20;
constexpr int kButtonH = 18;
constexpr int kButtonGap = 2;
constexpr int kSysMenuSize = 16;
}  // namespace

TbsPlainFrameLayout PlainFrameLayout(QSize window, TbsBorderIcons icons, bool hideButtons) {
  // An unskinned frame: three-pixel borders on every side, a caption band of
  // the default caption height under the top border. Caption buttons sit at
  // the band's right end, right to left (close, maximise, minimise, roll-up),
  // the system-menu button at its left end.
  TbsPlainFrameLayout l;
  l.NonClient = QMargins(kBorder, kDefaultCaptionHeight + kBorder, kBorder, kBorder);
  l.Caption = QRect(kBorder, kBorder, window.width() - 2 * kBorder, kDefaultCaptionHeight);
  const int top = l.Caption.top() + (kDefaultCaptionHeight - kButtonH) / 2;
  int right = l.Caption.right() - kButtonGap;
  auto place = [&](QRect& r, bool shown) {
    if (!shown || hideButtons) return;
    r = QRect(right - kButtonW + 1, top, kButtonW, kButtonH);
    right -= kButtonW + kButtonGap;
  };
  place(l.Close, true);
  place(l.Maximize, icons & biMaximize);
  place(l.Minimize, icons & biMinimize);
  place(l.RollUp, icons & biRollUp);
  int textLeft = l.Caption.left() + 6;
  if ((icons & biSystemMenu) && !hideButtons) {
    l.SysMenu = QRect(l.Caption.left() + 3, l.Caption.top() + (kDefaultCaptionHeight - kSysMenuSize) / 2,
                      kSysMenuSize, kSysMenuSize);
    textLeft = l.SysMenu.right() + 5;
  }
  l.Text = QRect(QPoint(textLeft, l.Caption.top()), QPoint(right - 2, l.Caption.bottom()));
  return l;
}

TbsSkinForm::TbsSkinForm(QObject* owner) : QObject(owner), FForm(qobject_cast<TForm*>(owner)) {
  if (!FForm) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
  FForm->installEventFilter(this);
  FForm->setMouseTracking(true);
  ApplyMargins();
}

TbsSkinForm::~TbsSkinForm() {
  if (FForm) FForm->removeEventFilter(this);
}

void TbsSkinForm::SetSkinData(TbsSkinData* data) {
  FSkinData = data;
  ApplyMargins();
  FForm->update();
}

bool TbsSkinForm::Skinned() const { return FSkinData && !FSkinData->Empty(); }

void TbsSkinForm::SetBorderIcons(TbsBorderIcons icons) {
  FBorderIcons = icons;
  FForm->update();
}

void TbsSkinForm::SetHideCaptionButtons(bool value) {
  FHideCaptionButtons = value;
  FForm->update();
}

TbsPlainFrameLayout TbsSkinForm::Layout() const {
  return PlainFrameLayout(FForm->size(), FBorderIcons, FHideCaptionButtons);
}

void TbsSkinForm::ApplyMargins() {
  FForm->SetNonClientMargins(Layout().NonClient);
  const QSize least = LeastSize();
  FForm->setMinimumSize(least);
}

QSize TbsSkinForm::LeastSize() const {
  const int w = MinWidth > 0 ? MinWidth : 120;
  const int h = std::max(MinHeight, kDefaultCaptionHeight + 6);
  return {w, h};
}

bool TbsSkinForm::IsButtonVisible(TbsFrameButton button) const {
  if (FHideCaptionButtons) return false;
  switch (button) {
    case TbsFrameButton::Close: return true;
    case TbsFrameButton::Maximize: return FBorderIcons & biMaximize;
    case TbsFrameButton::Minimize: return FBorderIcons & biMinimize;
    case TbsFrameButton::RollUp: return FBorderIcons & biRollUp;
    case TbsFrameButton::SysMenu: return FBorderIcons & biSystemMenu;
    case TbsFrameButton::None: return false;
  }
  return false;
}

TbsSkinForm::THit TbsSkinForm::HitTest(const QPoint& p, TbsFrameButton* button) const {
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
  if (button) *button = TbsFrameButton::None;
  if (FForm->rect().marginsRemoved(l.NonClient).contains(p)) return THit::Client;
  if (l.Caption.contains(p)) return THit::Caption;
  return THit::Border;
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
      break;
    case TbsFrameButton::SysMenu:
      ShowSystemMenu(FForm->mapToGlobal(Layout().SysMenu.bottomLeft() + QPoint(0, 1)));
      break;
    case TbsFrameButton::None:
      break;
  }
}

void TbsSkinForm::ShowSystemMenu(const QPoint& globalPos) {
  QMenu menu(FForm);
  QAction* restore = menu.addAction(QStringLiteral("Восстановить"));
  restore->setEnabled(FForm->isMinimized() || FForm->isMaximized());
  QAction* minimize = menu.addAction(QStringLiteral("Свернуть"));
  menu.addSeparator();
  QAction* close = menu.addAction(QStringLiteral("Закрыть"));
  QPointer<TForm> form(FForm);
  QAction* chosen = menu.exec(globalPos);
  if (!form) return;
  if (chosen == restore) FForm->showNormal();
  if (chosen == minimize) FForm->showMinimized();
  if (chosen == close) FForm->Close();
}

namespace {
void DrawCaptionGlyph(QPainter& p, const QRect& r, TbsFrameButton kind, const QColor& c) {
  p.setPen(QPen(c, 2));
  const QRect g = r.adjusted(6, 5, -6, -5);
  switch (kind) {
    case TbsFrameButton::Close:
      p.drawLine(g.topLeft(), g.bottomRight());
      p.drawLine(g.topRight(), g.bottomLeft());
      break;
    case TbsFrameButton::Minimize:
      p.drawLine(g.left(), g.bottom(), g.right(), g.bottom());
      break;
    case TbsFrameButton::Maximize:
      p.drawRect(g);
      break;
    case TbsFrameButton::RollUp:
      p.drawLine(g.left(), g.top() + 2, g.right(), g.top() + 2);
      break;
    default:
      break;
  }
}
}  // namespace

void TbsSkinForm::Paint() {
  const TbsPlainFrameLayout l = Layout();
  QPainter p(FForm);
  const QRect r = FForm->rect();
  const bool active = FForm->isActiveWindow();
  // Border band: button face with a raised edge.
  p.fillRect(r, ToQColor(clBtnFace));
  p.setPen(ToQColor(cl3DDkShadow));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.setPen(ToQColor(clBtnHighlight));
  p.drawLine(1, 1, r.width() - 3, 1);
  p.drawLine(1, 1, 1, r.height() - 3);
  p.setPen(ToQColor(clBtnShadow));
  p.drawLine(r.width() - 2, 1, r.width() - 2, r.height() - 2);
  p.drawLine(1, r.height() - 2, r.width() - 2, r.height() - 2);
  // Caption band.
  QLinearGradient grad(l.Caption.topLeft(), l.Caption.bottomLeft());
  grad.setColorAt(0, active ? QColor(0xfb, 0xfb, 0xfd) : QColor(0xf4, 0xf4, 0xf4));
  grad.setColorAt(1, active ? QColor(0xc9, 0xd3, 0xe2) : QColor(0xdc, 0xdc, 0xdc));
  p.fillRect(l.Caption, grad);
  const TFont& font = active ? DefCaptionFont : DefInActiveCaptionFont;
  p.setFont(ToQFont(font));
  p.setPen(ToQColor(font.Color));
  const QString text = p.fontMetrics().elidedText(FForm->windowTitle(), Qt::ElideRight, l.Text.width());
  p.drawText(l.Text, Qt::AlignVCenter | Qt::AlignLeft, text);
  // Caption buttons.
  const std::pair<TbsFrameButton, QRect> buttons[] = {
      {TbsFrameButton::Close, l.Close}, {TbsFrameButton::Maximize, l.Maximize},
      {TbsFrameButton::Minimize, l.Minimize}, {TbsFrameButton::RollUp, l.RollUp}};
  for (const auto& [kind, br] : buttons) {
    if (!br.isValid()) continue;
    const bool pressed = FPressedButton == kind && FHotButton == kind;
    const bool hot = FHotButton == kind;
    QColor face = ToQColor(clBtnFace);
    if (pressed)
      face = ToQColor(11899781);
    else if (hot)
      face = kind == TbsFrameButton::Close ? QColor(0xe8, 0x11, 0x23) : ToQColor(13811126);
    p.fillRect(br, face);
    p.setPen(hot || pressed ? ToQColor(8388608) : ToQColor(clBtnShadow));
    p.drawRect(br.adjusted(0, 0, -1, -1));
    const QColor glyph = (hot && kind == TbsFrameButton::Close && !pressed) ? Qt::white
                         : active ? ToQColor(clBtnText) : ToQColor(clBtnShadow);
    DrawCaptionGlyph(p, br.translated(pressed ? 1 : 0, pressed ? 1 : 0), kind, glyph);
  }
  if (l.SysMenu.isValid()) {
    const QIcon icon = FForm->windowIcon();
    if (!icon.isNull() && ShowIcon) {
      icon.paint(&p, l.SysMenu);
    } else {
      // A small window symbol.
      p.setPen(ToQColor(clBtnText));
      p.fillRect(l.SysMenu.adjusted(1, 2, -1, -2), ToQColor(clWindow));
      p.drawRect(l.SysMenu.adjusted(1, 2, -2, -3));
      p.fillRect(QRect(l.SysMenu.left() + 1, l.SysMenu.top() + 2, l.SysMenu.width() - 2, 3),
                 ToQColor(clNavy));
    }
  }
}

bool TbsSkinForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FForm) return false;
  switch (event->type()) {
    case QEvent::Paint:
      Paint();
      return true;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::WindowTitleChange:
      FForm->update();
      break;
    case QEvent::Resize:
      FForm->update();
      break;
    case QEvent::MouseButtonPress: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() != Qt::LeftButton) break;
      TbsFrameButton b;
      const THit hit = HitTest(me->position().toPoint(), &b);
      if (hit == THit::Button) {
        if (b == TbsFrameButton::SysMenu) {
          ButtonCommand(b);
          return true;
        }
        FPressedButton = FHotButton = b;
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
      break;
    }
    case QEvent::MouseMove: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (FDragging) {
        FForm->move(me->globalPosition().toPoint() - FDragOffset);
        return true;
      }
      TbsFrameButton b;
      HitTest(me->position().toPoint(), &b);
      if (b != FHotButton) {
        FHotButton = b;
        FForm->update();
      }
      break;
    }
    case QEvent::MouseButtonRelease: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() != Qt::LeftButton) break;
      if (FDragging) {
        FDragging = false;
        return true;
      }
      if (FPressedButton != TbsFrameButton::None) {
        TbsFrameButton b;
        HitTest(me->position().toPoint(), &b);
        const TbsFrameButton pressed = FPressedButton;
        FPressedButton = TbsFrameButton::None;
        FForm->update();
        if (b == pressed) InvokeHandler([&] { ButtonCommand(pressed); });
        return true;
      }
      break;
    }
    case QEvent::Leave:
      if (FHotButton != TbsFrameButton::None) {
        FHotButton = TbsFrameButton::None;
        FForm->update();
      }
      break;
    default:
      if (event->type() == TMessageEvent::EventType()) {
        auto* msg = static_cast<TMessageEvent*>(event);
        if (msg->Msg == WM_SKINCHANGING || msg->Msg == WM_SKINCHANGED) {
          const bool changing = msg->Msg == WM_SKINCHANGING;
          // Depth first through the window's controls.
          const auto widgets = FForm->findChildren<QWidget*>();
          for (QWidget* w : widgets) {
            if (auto* c = qobject_cast<TbsSkinControl*>(w); c && c->SkinData() == msg->WParam) {
              changing ? c->SkinWillChange() : c->SkinChanged();
            } else if (auto* l = qobject_cast<TbsSkinStdLabel*>(w); l && l->SkinData() == msg->WParam) {
              changing ? l->SkinWillChange() : l->SkinChanged();
            }
          }
          if (!changing && msg->WParam == FSkinData) ApplyMargins();
          FForm->update();
        }
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
