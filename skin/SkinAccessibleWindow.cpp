// The accessible interfaces of the windows and what belongs to them: the
// window with its frame's caption buttons, the notice, the hint window and
// the system menu with its items.
#include "skin/SkinAccessibleParts.h"
#include "skin/SkinButton.h"  // AcceleratorOf
#include "skin/SkinForm.h"
#include "skin/SkinHint.h"
#include "skin/SkinMenu.h"
#include "skin/SkinMessageForm.h"

#include <QAccessibleWidget>
#include <QGuiApplication>

namespace {

TbsSkinForm* FrameOf(const TForm* form) {
  return form ? form->findChild<TbsSkinForm*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// --- A caption button of the frame --------------------------------------------------

// Painted by the frame, without a widget of its own: named by its hint
// ("Закрыть"), pressed by its command. The keyboard reaches the same
// commands through Alt+F4 and the system menu (Alt+Space), not by focus.
class TAccessibleCaptionButton : public TAccessibleLeaf, public QAccessibleActionInterface {
public:
  TAccessibleCaptionButton(TForm* form, TbsStdCommand command) : FForm(form), FCommand(command) {}

  bool isValid() const override { return Frame() && !Frame()->ButtonRect(FCommand).isNull(); }
  QWidget* Owner() const override { return FForm; }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !Frame()) return {};
    return Frame()->CommandHint(FCommand);
  }
  QRect rect() const override { return Frame() ? ScreenRect(FForm, Frame()->ButtonRect(FCommand)) : QRect(); }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.invisible = !FForm->isVisible();
    s.hasPopup = FCommand == TbsStdCommand::cmSysMenu;
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action != pressAction() || !isValid()) return;
    QPointer<TForm> form = FForm;
    const TbsStdCommand command = FCommand;
    RunSoon(form, [form, command] {
      if (TbsSkinForm* frame = FrameOf(form)) InvokeHandler([&] { frame->ButtonCommand(command); });
    });
  }
  QStringList keyBindingsForAction(const QString&) const override {
    if (FCommand == TbsStdCommand::cmClose) return {QStringLiteral("Alt+F4")};
    if (FCommand == TbsStdCommand::cmSysMenu) return {QStringLiteral("Alt+Space")};
    return {};
  }

private:
  TbsSkinForm* Frame() const { return FrameOf(FForm); }

  QPointer<TForm> FForm;
  TbsStdCommand FCommand;
};

// --- A window ---------------------------------------------------------------------------

// A frame named by its caption; a window that cannot be minimised (the About
// and the pneumatic fittings windows) is a dialog. After its client area come
// the caption buttons of its frame, then the system menu while it is open.
class TAccessibleWindow : public QAccessibleWidget {
public:
  explicit TAccessibleWindow(TForm* form, QAccessible::Role role = QAccessible::Window)
      : QAccessibleWidget(form, role) {}

  TForm* Form() const { return static_cast<TForm*>(widget()); }

  // Asked each time: the interface may be made while the window is built,
  // before its frame is.
  QAccessible::Role role() const override {
    const QAccessible::Role own = QAccessibleWidget::role();
    if (own != QAccessible::Window) return own;
    const TbsSkinForm* frame = FrameOf(Form());
    return frame && !(frame->BorderIcons() & biMinimize) ? QAccessible::Dialog : QAccessible::Window;
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && Form()->windowTitle().isEmpty() && Form()->accessibleName().isEmpty())
      return QGuiApplication::applicationDisplayName();
    return QAccessibleWidget::text(t);
  }

  int childCount() const override {
    return QAccessibleWidget::childCount() + static_cast<int>(Commands().size()) + (Menu() ? 1 : 0);
  }
  QAccessibleInterface* child(int index) const override {
    const int own = QAccessibleWidget::childCount();
    if (index < own) return QAccessibleWidget::child(index);
    const std::vector<TbsStdCommand> commands = Commands();
    const int buttons = static_cast<int>(commands.size());
    if (index - own == buttons && Menu()) return QAccessible::queryAccessibleInterface(Menu());
    if (index - own >= buttons) return nullptr;
    const TbsStdCommand command = commands[static_cast<size_t>(index - own)];
    return FButtons.Get(static_cast<int>(command),
                        [this, command] { return new TAccessibleCaptionButton(Form(), command); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const int own = QAccessibleWidget::childCount();
    const std::vector<TbsStdCommand> commands = Commands();
    if (child && child->object() && child->object() == Menu()) return own + static_cast<int>(commands.size());
    const int key = FButtons.KeyOf(child);
    if (key < 0) return QAccessibleWidget::indexOfChild(child);
    for (size_t i = 0; i < commands.size(); ++i)
      if (static_cast<int>(commands[i]) == key) return own + static_cast<int>(i);
    return -1;
  }

private:
  // The system menu while it is open: a window of its own, reached through
  // the window it belongs to.
  TbsSkinPopupMenu* Menu() const {
    const TbsSkinForm* frame = FrameOf(Form());
    return frame ? frame->OpenSystemMenu() : nullptr;
  }
  std::vector<TbsStdCommand> Commands() const {
    const TbsSkinForm* frame = FrameOf(Form());
    return frame ? frame->ShownCommands() : std::vector<TbsStdCommand>();
  }

  TAccessibleParts FButtons;
};

// A notice: an alert named by its caption ("Information"); its message is
// its description as well as the text of its label.
class TAccessibleMessageForm : public TAccessibleWindow {
public:
  explicit TAccessibleMessageForm(TbsMessageForm* form) : TAccessibleWindow(form, QAccessible::AlertMessage) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) {
      QString message = static_cast<TbsMessageForm*>(Form())->Text();
      message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
      message.replace(QLatin1Char('\r'), QLatin1Char('\n'));
      return message;
    }
    return TAccessibleWindow::text(t);
  }
};

// --- The hint window ------------------------------------------------------------------

class TAccessibleHint : public QAccessibleWidget {
public:
  explicit TAccessibleHint(TbsSkinHintWindow* hint) : QAccessibleWidget(hint, QAccessible::ToolTip) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<TbsSkinHintWindow*>(widget())->Text();
    return QAccessibleWidget::text(t);
  }
};

// --- The popup menu ---------------------------------------------------------------------

class TAccessibleMenuItem : public TAccessibleLeaf, public QAccessibleActionInterface {
public:
  TAccessibleMenuItem(TbsSkinPopupMenu* menu, int index) : FMenu(menu), FIndex(index) {}

  bool isValid() const override { return FMenu && FIndex < FMenu->Count(); }
  QWidget* Owner() const override { return FMenu; }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return ReadableCaption(Entry().Caption);
    if (t == QAccessible::Accelerator) {
      const QChar c = AcceleratorOf(Entry().Caption);
      return c.isNull() ? QString() : QString(c.toUpper());
    }
    return {};
  }
  QRect rect() const override { return isValid() ? ScreenRect(FMenu, FMenu->ItemRect(FIndex)) : QRect(); }
  QAccessible::Role role() const override {
    return isValid() && Entry().Divider ? QAccessible::Separator : QAccessible::MenuItem;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.invisible = !FMenu->isVisible();
    s.disabled = !Entry().Enabled || Entry().Divider;
    s.focusable = s.selectable = !s.disabled;
    s.focused = s.selected = FMenu->isVisible() && FIndex == FMenu->Current();
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override {
    return isValid() && Entry().Enabled && !Entry().Divider ? QStringList{pressAction()} : QStringList();
  }
  void doAction(const QString& action) override {
    if (action == pressAction() && !actionNames().isEmpty() && FMenu->isVisible()) FMenu->Finish(FIndex);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
  const TbsMenuEntry& Entry() const { return FMenu->Entry(FIndex); }

  QPointer<TbsSkinPopupMenu> FMenu;
  int FIndex;
};

class TAccessiblePopupMenu : public QAccessibleWidget {
public:
  explicit TAccessiblePopupMenu(TbsSkinPopupMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

  TbsSkinPopupMenu* Menu() const { return static_cast<TbsSkinPopupMenu*>(widget()); }

  int childCount() const override { return Menu()->Count(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    return FItems.Get(index, [this, index] { return new TAccessibleMenuItem(Menu(), index); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const int key = FItems.KeyOf(child);
    return key < childCount() ? key : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = Menu()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i)
      if (Menu()->ItemRect(i).contains(local)) return child(i);
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override { return child(Menu()->Current()); }

private:
  TAccessibleParts FItems;
};

}  // namespace

QAccessibleInterface* MakeAccessibleWindow(QObject* o) { return new TAccessibleWindow(static_cast<TForm*>(o)); }
QAccessibleInterface* MakeAccessibleMessageForm(QObject* o) {
  return new TAccessibleMessageForm(static_cast<TbsMessageForm*>(o));
}
QAccessibleInterface* MakeAccessibleHint(QObject* o) { return new TAccessibleHint(static_cast<TbsSkinHintWindow*>(o)); }
QAccessibleInterface* MakeAccessiblePopupMenu(QObject* o) {
  return new TAccessiblePopupMenu(static_cast<TbsSkinPopupMenu*>(o));
}
