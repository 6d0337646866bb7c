// The accessible interfaces of the drop-down list, its popup list and the
// popup list's items.
#include "skin/SkinAccessibleParts.h"
#include "skin/SkinComboBox.h"

#include <QAccessibleWidget>

namespace {

// --- The drop-down list --------------------------------------------------------------

// Named by its label (else its hint), described by its hint; its value and
// text are the chosen item's text. It expands and collapses, and holds the
// popup list as its one child.
class TAccessibleComboBox : public QAccessibleWidget, public TReadOnlyText {
public:
  explicit TAccessibleComboBox(TbsSkinComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name: {
        if (!Box()->accessibleName().isEmpty()) return Box()->accessibleName();
        const QString label = LabelledName(Box());
        return label.isEmpty() ? Box()->toolTip() : label;
      }
      case QAccessible::Description: return Box()->toolTip() == text(QAccessible::Name) ? QString() : Box()->toolTip();
      case QAccessible::Value: return Box()->Text();
      default: return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.hasPopup = true;
    s.expandable = true;
    s.expanded = Box()->DroppedDown();
    s.collapsed = !s.expanded;
    return s;
  }

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(Box()->ListBox()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == Box()->ListBox() ? 0 : -1;
  }
  QAccessibleInterface* focusChild() const override {
    if (!Box()->DroppedDown()) return nullptr;
    QAccessibleInterface* list = child(0);
    return list ? list->focusChild() : nullptr;
  }

  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
    return QAccessibleWidget::relations(match) + LabelRelations(Box(), match);
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  // Opening and closing the list: the expand / collapse action.
  QStringList actionNames() const override {
    QStringList names;
    if (Box()->isEnabled() && !Box()->Items().isEmpty()) names << showMenuAction() << pressAction();
    return names + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return QAccessibleWidget::doAction(action);
    QPointer<TbsSkinComboBox> box = Box();
    RunSoon(box, [box] {
      if (!box || !box->isEnabled()) return;
      if (box->DroppedDown())
        box->CloseUp(false);
      else
        box->DropDown();
    });
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == showMenuAction() || action == pressAction()) return {QStringLiteral("Alt+Down"), QStringLiteral("F4")};
    return QAccessibleWidget::keyBindingsForAction(action);
  }

  QString Content() const override { return Box()->Text(); }
  QRect ContentRect() const override { return ScreenRect(Box(), Box()->TextRect()); }

private:
  TbsSkinComboBox* Box() const { return static_cast<TbsSkinComboBox*>(widget()); }
};

// --- The popup list ---------------------------------------------------------------------

class TAccessibleListItem;

// A list of the drop-down list's items, the child of the drop-down list
// (its own window has no parent widget). Its items are parts without
// widgets.
class TAccessiblePopupList : public QAccessibleWidget {
public:
  explicit TAccessiblePopupList(TbsPopupListBox* list) : QAccessibleWidget(list, QAccessible::List) {}

  TbsPopupListBox* List() const { return static_cast<TbsPopupListBox*>(widget()); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && List()->Owner())
      if (QAccessibleInterface* box = QAccessible::queryAccessibleInterface(List()->Owner()))
        return box->text(QAccessible::Name);
    return QAccessibleWidget::text(t);
  }

  QAccessibleInterface* parent() const override {
    if (List()->Owner()) return QAccessible::queryAccessibleInterface(List()->Owner());
    return QAccessibleWidget::parent();
  }

  int childCount() const override { return List()->Count(); }
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override {
    const int key = FItems.KeyOf(child);
    return key < childCount() ? key : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    return child(List()->ItemAt(List()->mapFromGlobal(QPoint(x, y))));
  }
  QAccessibleInterface* focusChild() const override {
    return List()->isVisible() ? child(List()->ItemIndex()) : nullptr;
  }

private:
  TAccessibleParts FItems;
};

// One item: named by its text; selected while it is the chosen (or, open,
// the current) item, focused while the open list's current item. Pressing it
// chooses it.
class TAccessibleListItem : public TAccessibleLeaf, public QAccessibleActionInterface {
public:
  TAccessibleListItem(TbsPopupListBox* list, int index) : FList(list), FIndex(index) {}

  bool isValid() const override { return FList && FIndex < FList->Count(); }
  QWidget* Owner() const override { return FList; }

  QString text(QAccessible::Text t) const override {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value)) return {};
    return FList->Owner() ? FList->Owner()->Items().value(FIndex) : QString();
  }
  QRect rect() const override {
    if (!isValid() || !FList->isVisible()) return {};
    return ScreenRect(FList, FList->ItemRect(FIndex));
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    const bool shown = FList->isVisible();
    const bool inView = FIndex >= FList->TopIndex() && FIndex < FList->TopIndex() + FList->Rows();
    s.invisible = !shown;
    s.offscreen = !shown || !inView;
    s.selectable = s.focusable = true;
    s.selected = FIndex == FList->ItemIndex();
    s.focused = shown && s.selected;
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action != pressAction() || !isValid()) return;
    QPointer<TbsPopupListBox> list = FList;
    const int index = FIndex;
    RunSoon(list, [list, index] {
      TbsSkinComboBox* box = list ? list->Owner() : nullptr;
      if (!box || !box->isEnabled() || index >= box->Items().size()) return;
      if (box->DroppedDown()) {
        list->SetItemIndex(index);
        box->CloseUp(true);
      } else {
        box->SetItemIndex(index);
      }
    });
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
  QPointer<TbsPopupListBox> FList;
  int FIndex;
};

QAccessibleInterface* TAccessiblePopupList::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  return FItems.Get(index, [this, index] { return new TAccessibleListItem(List(), index); });
}

}  // namespace

QAccessibleInterface* MakeAccessibleComboBox(QObject* o) {
  return new TAccessibleComboBox(static_cast<TbsSkinComboBox*>(o));
}
QAccessibleInterface* MakeAccessiblePopupList(QObject* o) {
  return new TAccessiblePopupList(static_cast<TbsPopupListBox*>(o));
}
