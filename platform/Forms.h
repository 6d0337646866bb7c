#pragma once
// The window base class and the application object.
#include <QApplication>
#include <QList>
#include <QMargins>
#include <QPointer>
#include <QWidget>
#include <exception>
#include <functional>

class QEventLoop;

using TObject = QObject;
using TNotifyEvent = std::function<void(TObject* Sender)>;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// Modal results.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrAbort = 3;
constexpr int mrRetry = 4;
constexpr int mrIgnore = 5;
constexpr int mrYes = 6;
constexpr int mrNo = 7;
constexpr int mrAll = 8;
constexpr int mrNoToAll = 9;
constexpr int mrYesToAll = 10;

// Controls that answer keys on behalf of the whole window: Enter for the
// default button, Escape for the cancel button, accelerator letters.
class TDialogKeyTarget {
public:
  virtual ~TDialogKeyTarget() = default;
  virtual bool IsDefaultTarget() const { return false; }
  virtual bool IsCancelTarget() const { return false; }
  // The accelerator letter (lower case), or a null QChar.
  virtual QChar Accelerator() const { return {}; }
  virtual void DialogClick() = 0;
};

// A top-level window. Its controls live on Client(), placed in client
// coordinates; the frame component of a skinned window reserves the
// non-client band around it and paints it.
class TForm : public QWidget {
  Q_OBJECT
public:
  explicit TForm(QWidget* parent = nullptr);
  ~TForm() override;

  QWidget* Client() const { return FClient; }

  void SetCaption(const QString& caption);
  QString Caption() const { return windowTitle(); }

  void SetClientSize(int width, int height);
  int ClientWidth() const { return FClient->width(); }
  int ClientHeight() const { return FClient->height(); }
  // Non-client band: left, top (caption included), right, bottom.
  void SetNonClientMargins(const QMargins& margins);
  QMargins NonClientMargins() const { return FMargins; }

  // Shows the window centred on the desktop (when it was hidden), brings it to
  // the front and activates it.
  void Show();
  void Hide();
  void CentreOnDesktop();
  bool Visible() const { return isVisible(); }
  // Asks the window to close: OnClose decides the action (hide by default).
  void Close();
  // A disabled window takes no input; its controls keep their looks (unlike
  // QWidget::setEnabled, which would grey them all out).
  void SetEnabled(bool enabled) { FInputEnabled = enabled; }
  bool Enabled() const { return FInputEnabled && isEnabled(); }

  // Modal use: shows the window application-modal and runs a nested loop
  // until ModalResult becomes non-zero or the window is closed (mrCancel).
  int ShowModal();
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int result);
  bool InModalLoop() const { return FModalLoop != nullptr; }

  // The control that gets the focus when the window is shown and none of its
  // controls has it; by default the first one in tab order.
  QWidget* ActiveControl = nullptr;
  QWidget* FirstInTabOrder() const;
  // The order in which Tab walks the window's controls (nested ones included,
  // flattened); controls not listed are not reached by Tab.
  void SetTabOrder(const QList<QWidget*>& order);
  QList<QWidget*> TabOrder() const;

  TCloseEvent OnClose;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

private:
  static bool Tabbable(const QWidget* w);
  void FocusFirstControl();
  void ShowBeforeChildren();
  QList<QPointer<QWidget>> FTabOrder;
  void PlaceClient();
  TDialogKeyTarget* FindTarget(const std::function<bool(TDialogKeyTarget*)>& pred) const;

  QWidget* FClient;
  QMargins FMargins;
  int FModalResult = mrNone;
  QEventLoop* FModalLoop = nullptr;
  bool FClosing = false;
  bool FInputEnabled = true;
};

class TApplication : public QApplication {
  Q_OBJECT
public:
  TApplication(int& argc, char** argv);
  ~TApplication() override;

  QString Title() const { return FTitle; }
  void SetTitle(const QString& title);

  // Windows in the order they were created.
  const QList<TForm*>& Forms() const { return FForms; }
  void RegisterForm(TForm* form);
  void UnregisterForm(TForm* form);

  // Runs the event loop until Terminate().
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Clears a termination request (a test that ends the program may be
  // followed by another in the same process).
  void ResetTermination() { FTerminated = false; }

  // The general error display: a message box with the application title and
  // the error's text. Tests replace the box through OnException.
  void HandleException(const std::exception& error);
  void ShowException(const QString& message);
  std::function<void(const QString&)> OnException;

  bool notify(QObject* receiver, QEvent* event) override;

private:
  QString FTitle;
  QList<TForm*> FForms;
  bool FTerminated = false;
};

extern TApplication* Application;

// Runs an event handler; an error it throws goes to the general error display
// instead of crossing the event loop.
void InvokeHandler(const std::function<void()>& handler);

// Fires a notify event when it is assigned.
inline void FireEvent(const TNotifyEvent& event, TObject* sender) {
  if (event) InvokeHandler([&] { event(sender); });
}
