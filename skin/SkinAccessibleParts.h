#pragma once
// Shared pieces of the accessible interfaces (SkinAccessible*.cpp): the
// interfaces of parts without a widget of their own, a read-only text over a
// string, labels and deferred actions. Also for the program's own interfaces
// outside this library.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

// Interfaces of the parts of an object that are no widgets (the items of a
// list or a menu, the caption buttons of a frame, the cells of a table): made
// on first use under a key, registered with Qt's accessibility cache so that
// they keep one identity, and dropped with the object's own interface. Such
// an interface answers object() with nullptr, so that the cache never takes
// it for the interface of a widget.
class TAccessibleParts {
public:
  TAccessibleParts() = default;
  TAccessibleParts(const TAccessibleParts&) = delete;
  TAccessibleParts& operator=(const TAccessibleParts&) = delete;
  ~TAccessibleParts();

  // The part under `key`, made by `make` the first time.
  QAccessibleInterface* Get(int key, const std::function<QAccessibleInterface*()>& make) const;
  // The key of a part made here, or -1.
  int KeyOf(const QAccessibleInterface* part) const;

private:
  mutable QHash<int, QAccessible::Id> FIds;
};

// A part without children of its own, shown by a widget (its parent's
// object): an item, a caption button, a cell.
class TAccessibleLeaf : public QAccessibleInterface {
public:
  // The widget that shows the part; null once it has gone.
  virtual QWidget* Owner() const = 0;

  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
};

// A text that can be read but not edited, for what shows a string: labels,
// the chosen item of a list. Offsets count characters of Content().
class TReadOnlyText : public QAccessibleTextInterface {
public:
  virtual QString Content() const = 0;
  // Where the text lies on the screen (every character answers with it).
  virtual QRect ContentRect() const = 0;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override { return static_cast<int>(Content().size()); }
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override;
};

// The name the labels of `control` give it (their texts in order, blanks
// collapsed), or an empty string.
QString LabelledName(const QWidget* control);
// The label relations of `control` (each label Labels it) for relations().
QList<QPair<QAccessibleInterface*, QAccessible::Relation>> LabelRelations(const QWidget* control,
                                                                           QAccessible::Relation match);
// A caption as it is read: accelerator marks and surrounding blanks gone.
QString ReadableCaption(const QString& caption);
// `local` (in `widget`'s coordinates) on the screen.
QRect ScreenRect(const QWidget* widget, const QRect& local);
// Runs `action` once control is back in the event loop, unless `context` has
// gone by then: an assistive technology's request returns at once even when
// the action opens a modal notice or a menu.
void RunSoon(QObject* context, const std::function<void()>& action);

// The interfaces this library makes, by class (SkinAccessible*.cpp).
QAccessibleInterface* MakeAccessibleButton(QObject* object);
QAccessibleInterface* MakeAccessibleGroupButton(QObject* object);
QAccessibleInterface* MakeAccessibleGroupBox(QObject* object);
QAccessibleInterface* MakeAccessibleStaticText(QObject* object);
QAccessibleInterface* MakeAccessibleFramedLabel(QObject* object);
QAccessibleInterface* MakeAccessibleImage(QObject* object);
QAccessibleInterface* MakeAccessiblePlainLabel(QObject* object);
QAccessibleInterface* MakeAccessibleFieldFrame(QObject* object);
QAccessibleInterface* MakeAccessibleComboBox(QObject* object);
QAccessibleInterface* MakeAccessiblePopupList(QObject* object);
QAccessibleInterface* MakeAccessibleEdit(QObject* object);
QAccessibleInterface* MakeAccessibleNumericEditor(QObject* object);
QAccessibleInterface* MakeAccessibleWindow(QObject* object);
QAccessibleInterface* MakeAccessibleMessageForm(QObject* object);
QAccessibleInterface* MakeAccessibleHint(QObject* object);
QAccessibleInterface* MakeAccessiblePopupMenu(QObject* object);
