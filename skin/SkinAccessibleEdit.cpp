// The accessible interface of the edit fields: the skinned edit field and
// the editor inside the numeric field. Their text is read and edited through
// Qt's text and editable-text interfaces; an edit asked for by assistive
// technology goes through the field's own keys, so that the numeric field's
// rules hold for it as for typing.
#include "skin/SkinAccessibleParts.h"
#include "skin/SkinEdit.h"
#include "skin/SkinNumericEdit.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

// Sends a key to the editor as if typed.
void Type(QLineEdit* edit, int key, const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(edit, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(edit, &release);
}

class TAccessibleLineEdit : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
  // `field` is the control the labels and the hint belong to: the edit
  // itself, or the numeric field around its editor.
  TAccessibleLineEdit(QLineEdit* edit, QWidget* field)
      : QAccessibleWidget(edit, QAccessible::EditableText), FField(field) {}

  QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name: {
        for (const QWidget* w : {static_cast<const QWidget*>(Edit()), static_cast<const QWidget*>(FField.data())})
          if (w && !w->accessibleName().isEmpty()) return w->accessibleName();
        const QString label = LabelledName(FField ? FField.data() : Edit());
        return label.isEmpty() && FField ? FField->toolTip() : label;
      }
      case QAccessible::Description:
        return FField && FField->toolTip() != text(QAccessible::Name) ? FField->toolTip() : QString();
      case QAccessible::Value: return Edit()->text();
      default: return QAccessibleWidget::text(t);
    }
  }

  void setText(QAccessible::Text t, const QString& text) override {
    if (t != QAccessible::Value) return QAccessibleWidget::setText(t, text);
    replaceText(0, characterCount(), text);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = Edit()->isReadOnly();
    s.editable = !s.readOnly;
    s.selectableText = true;
    return s;
  }

  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
    return QAccessibleWidget::relations(match) + LabelRelations(FField ? FField.data() : Edit(), match);
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  // --- Text ---
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Edit()->hasSelectedText()) return;
    *startOffset = Edit()->selectionStart();
    *endOffset = Edit()->selectionEnd();
  }
  int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
  void removeSelection(int selectionIndex) override {
    if (selectionIndex == 0) Edit()->deselect();
  }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override {
    if (selectionIndex != 0) return;
    const int a = Clamp(startOffset), b = Clamp(endOffset);
    Edit()->setSelection(a, b - a);
  }
  int cursorPosition() const override { return Edit()->cursorPosition(); }
  void setCursorPosition(int position) override { Edit()->setCursorPosition(Clamp(position)); }
  QString text(int startOffset, int endOffset) const override {
    const int a = Clamp(startOffset), b = endOffset < 0 ? characterCount() : Clamp(endOffset);
    return Edit()->text().mid(a, std::max(0, b - a));
  }
  int characterCount() const override { return static_cast<int>(Edit()->text().size()); }
  QRect characterRect(int offset) const override {
    if (offset < 0 || offset >= characterCount()) return {};
    return ScreenRect(Edit(), Edit()->rect());
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint local = Edit()->mapFromGlobal(point);
    return Edit()->rect().contains(local) ? Edit()->cursorPositionAt(local) : -1;
  }
  void scrollToSubstring(int, int endIndex) override { setCursorPosition(endIndex); }
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = Clamp(offset);
    return {};
  }

  // --- Editable text: as typed over a selection ---
  void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, QString()); }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  void replaceText(int startOffset, int endOffset, const QString& text) override {
    if (Edit()->isReadOnly() || !Edit()->isEnabled()) return;
    setSelection(0, startOffset, endOffset);
    if (!Edit()->hasSelectedText()) Edit()->setCursorPosition(Clamp(startOffset));
    if (Edit()->hasSelectedText()) Type(Edit(), Qt::Key_Delete);
    for (const QChar c : text) Type(Edit(), Qt::Key_unknown, QString(c));
  }

private:
  int Clamp(int offset) const { return std::clamp(offset, 0, characterCount()); }

  QPointer<QWidget> FField;
};

}  // namespace

QAccessibleInterface* MakeAccessibleEdit(QObject* o) {
  auto* edit = static_cast<TbsSkinEdit*>(o);
  return new TAccessibleLineEdit(edit, edit);
}

QAccessibleInterface* MakeAccessibleNumericEditor(QObject* o) {
  // Only the numeric field's own editor; any other line edit keeps Qt's
  // interface.
  auto* field = qobject_cast<TbsSkinNumericEdit*>(o->parent());
  if (!field || field->Editor() != o) return nullptr;
  return new TAccessibleLineEdit(field->Editor(), field);
}
