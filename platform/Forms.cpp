#include "platform/Forms.h"

#include "platform/Exceptions.h"
#include "platform/Graphics.h"
#include "platform/Layered.h"
#include "platform/Platform.h"
#include "platform/WindowSystem.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFont>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

TApplication* Application = nullptr;

// --- TForm ---------------------------------------------------------------------

TForm::TForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), FClient(new QWidget(this)) {
  FClient->setObjectName(QStringLiteral("ClientArea"));
  FClient->setAutoFillBackground(true);
  QPalette pal = FClient->palette();
  pal.setColor(QPalette::Window, ToQColor(clBtnFace));
  FClient->setPalette(pal);
  setAttribute(Qt::WA_DeleteOnClose, false);
  if (Application) Application->RegisterForm(this);
}

TForm::~TForm() {
  if (Application) Application->UnregisterForm(this);
  if (FModalLoop) FModalLoop->quit();
}

void TForm::SetCaption(const QString& caption) {
  setWindowTitle(caption);
  update();
}

void TForm::SetClientSize(int width, int height) {
  resize(width + FMargins.left() + FMargins.right(), height + FMargins.top() + FMargins.bottom());
  PlaceClient();
}

void TForm::SetNonClientMargins(const QMargins& margins) {
  if (margins == FMargins) return;
  const int cw = ClientWidth();
  const int ch = ClientHeight();
  FMargins = margins;
  SetClientSize(cw, ch);
}

void TForm::PlaceClient() {
  FClient->setGeometry(rect().marginsRemoved(FMargins));
}

void TForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceClient();
}

void TForm::CentreOnDesktop() {
  const QRect area = platform::WorkArea(nullptr);
  move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void TForm::Show() {
  if (!isVisible()) {
    platform::MakeNormalBeforeShowing(this);
    CentreOnDesktop();
    if (platform::IsLayered(this)) ShowBeforeChildren();
    else show();
  } else if (isMinimized()) {
    showNormal();
  }
  raise();
  activateWindow();
}

// A layered window shows its picture, not its controls: they come on screen
// just after the window. Qt shows a window's children before it maps the
// window, and showing the program's first widget starts Qt's accessibility
// bridge, which connects to the session bus (and, with none, first tries to
// start one); the window would wait for that before it appears.
void TForm::ShowBeforeChildren() {
  QList<QPointer<QWidget>> children;
  for (QObject* o : this->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->isWindow() || w->isHidden()) continue;
    w->setVisible(false);
    children.append(w);
  }
  show();
  for (const QPointer<QWidget>& w : children)
    if (w) w->setVisible(true);
  FocusFirstControl();
}

void TForm::Hide() { hide(); }

void TForm::Close() { close(); }

void TForm::closeEvent(QCloseEvent* event) {
  // The window decides what closing means; Qt itself never destroys it.
  event->ignore();
  if (FClosing) return;
  FClosing = true;
  TCloseAction action = TCloseAction::caHide;
  if (FModalLoop && FModalResult == mrNone) FModalResult = mrCancel;
  bool handled = true;
  if (OnClose) {
    handled = false;
    InvokeHandler([&] {
      OnClose(this, action);
      handled = true;
    });
  }
  FClosing = false;
  if (!handled) return;
  switch (action) {
    case TCloseAction::caNone:
      if (FModalLoop) FModalResult = mrNone;
      return;
    case TCloseAction::caHide:
      hide();
      break;
    case TCloseAction::caMinimize:
      showMinimized();
      break;
    case TCloseAction::caFree:
      hide();
      deleteLater();
      break;
  }
  if (FModalLoop) FModalLoop->quit();
}

bool TForm::Tabbable(const QWidget* w) {
  return w && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible();
}

void TForm::SetTabOrder(const QList<QWidget*>& order) {
  FTabOrder.clear();
  for (QWidget* w : order) FTabOrder.append(w);
}

QList<QWidget*> TForm::TabOrder() const {
  QList<QWidget*> out;
  for (const auto& w : FTabOrder)
    if (w) out.append(w);
  return out;
}

bool TForm::focusNextPrevChild(bool next) {
  const QList<QWidget*> order = TabOrder();
  if (order.isEmpty()) return QWidget::focusNextPrevChild(next);
  // Where the focus is now: the listed control that holds it or contains it.
  int current = -1;
  QWidget* focus = focusWidget();
  for (int i = 0; i < order.size() && focus; ++i)
    if (order[i] == focus || order[i]->isAncestorOf(focus)) current = i;
  const int n = order.size();
  for (int step = 1; step <= n; ++step) {
    const int i = current < 0 ? (next ? step - 1 : n - step)
                              : ((current + (next ? step : -step)) % n + n) % n;
    if (Tabbable(order[i])) {
      order[i]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return true;
}

QWidget* TForm::FirstInTabOrder() const {
  for (QWidget* w : TabOrder())
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) return w;
  for (QWidget* w = FClient->nextInFocusChain(); w && w != FClient; w = w->nextInFocusChain()) {
    if (!FClient->isAncestorOf(w)) continue;
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) return w;
  }
  return nullptr;
}

void TForm::FocusFirstControl() {
  if (focusWidget() && isAncestorOf(focusWidget())) return;
  QWidget* first = ActiveControl ? ActiveControl : FirstInTabOrder();
  if (first) first->setFocus(Qt::TabFocusReason);
}

void TForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FocusFirstControl();
  if (!event->spontaneous()) FireEvent(OnShow, this);
}

void TForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) {
    FireEvent(OnHide, this);
    if (FModalLoop) {
      if (FModalResult == mrNone) FModalResult = mrCancel;
      FModalLoop->quit();
    }
  }
}

int TForm::ShowModal() {
  if (FModalLoop) return FModalResult;
  FModalResult = mrNone;
  setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  FModalLoop = &loop;
  QPointer<TForm> self(this);
  Show();
  if (FModalResult == mrNone && isVisible()) loop.exec(QEventLoop::DialogExec);
  if (!self) return mrCancel;
  FModalLoop = nullptr;
  const int result = FModalResult;
  hide();
  setWindowModality(Qt::NonModal);
  return result;
}

void TForm::SetModalResult(int result) {
  FModalResult = result;
  if (result != mrNone && FModalLoop) FModalLoop->quit();
}

TDialogKeyTarget* TForm::FindTarget(const std::function<bool(TDialogKeyTarget*)>& pred) const {
  const auto widgets = FClient->findChildren<QWidget*>();
  for (QWidget* w : widgets) {
    auto* target = dynamic_cast<TDialogKeyTarget*>(w);
    if (target && w->isVisible() && w->isEnabled() && pred(target)) return target;
  }
  return nullptr;
}

void TForm::keyPressEvent(QKeyEvent* event) {
  TDialogKeyTarget* target = nullptr;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      target = FindTarget([](TDialogKeyTarget* t) { return t->IsDefaultTarget(); });
      break;
    case Qt::Key_Escape:
      target = FindTarget([](TDialogKeyTarget* t) { return t->IsCancelTarget(); });
      break;
    default: {
      const QString text = event->text();
      if (text.size() == 1 && text.at(0).isLetterOrNumber() &&
          !(event->modifiers() & Qt::ControlModifier)) {
        const QChar c = text.at(0).toLower();
        target = FindTarget([c](TDialogKeyTarget* t) { return t->Accelerator() == c; });
      }
      break;
    }
  }
  if (target) {
    event->accept();
    target->DialogClick();
    return;
  }
  QWidget::keyPressEvent(event);
}

// --- TApplication -----------------------------------------------------------------

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  Application = this;
  setQuitOnLastWindowClosed(false);
  // The layouts name Windows fonts (see FontFamilyFor); a font made from such
  // a name elsewhere comes out the same through Qt's substitutions.
  for (const QString& name : {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial")})
    QFont::insertSubstitution(name, FontFamilyFor(name));
  QFont base(FontFamilyFor(QStringLiteral("MS Sans Serif")));
  base.setPixelSize(11);
  setFont(base);
}

TApplication::~TApplication() {
  if (Application == this) Application = nullptr;
}

void TApplication::SetTitle(const QString& title) {
  FTitle = title;
  setApplicationDisplayName(title);
}

void TApplication::RegisterForm(TForm* form) {
  if (!FForms.contains(form)) FForms.append(form);
}

void TApplication::UnregisterForm(TForm* form) { FForms.removeAll(form); }

void TApplication::Run() {
  if (FTerminated) return;
  exec();
}

void TApplication::Terminate() {
  FTerminated = true;
  // Every running loop ends, nested ones included. Qt's quit() would first
  // ask each visible window to close and give up when one declines or stays
  // visible; our windows decide themselves what closing means (they hide, and
  // a working window brings the main one back), so the end of the program
  // must not hang on them.
  exit(0);
}

void TApplication::HandleException(const std::exception& error) {
  if (const auto* e = dynamic_cast<const Exception*>(&error))
    ShowException(e->Message());
  else
    ShowException(QString::fromLocal8Bit(error.what()));
}

void TApplication::ShowException(const QString& message) {
  if (OnException) {
    OnException(message);
    return;
  }
  QMessageBox box(QMessageBox::Critical, FTitle, message, QMessageBox::Ok);
  box.exec();
}

namespace {
bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}
}  // namespace

bool TApplication::notify(QObject* receiver, QEvent* event) {
  // Input for a disabled window is dropped before it reaches any control.
  if (receiver->isWidgetType() && IsUserInput(event->type())) {
    if (auto* form = qobject_cast<TForm*>(static_cast<QWidget*>(receiver)->window());
        form && !form->Enabled())
      return true;
  }
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    HandleException(e);
  } catch (...) {
    ShowException(QStringLiteral("Unknown error"));
  }
  return false;
}

void InvokeHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    if (Application)
      Application->HandleException(e);
    else
      throw;
  }
}
