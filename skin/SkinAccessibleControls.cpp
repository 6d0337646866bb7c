// The accessible interfaces of the push button, the radio group's item
// buttons, the group boxes, the static and framed labels, the plain picture
// and label, and the frames around the numeric field's and the memo's
// editors.
#include "platform/StdCtrls.h"
#include "skin/SkinAccessibleParts.h"
#include "skin/SkinButton.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinLabel.h"
#include "skin/SkinStaticText.h"

#include <QAccessibleWidget>

namespace {

// The description of a control: its hint, unless that only repeats the name.
QString HintBeside(const QWidget* w, const QString& name) {
  const QString hint = w->accessibleDescription().isEmpty() ? w->toolTip() : w->accessibleDescription();
  return hint.trimmed() == name ? QString() : hint.trimmed();
}

// --- Push button --------------------------------------------------------------

// Named by its caption (without the accelerator mark and the blanks that make
// room for the picture), or by its hint when it shows a picture only;
// described by its hint. Pressed while down; the default button of a dialog
// says so.
class TAccessibleButton : public QAccessibleWidget {
public:
  explicit TAccessibleButton(TbsSkinButton* b) : QAccessibleWidget(b, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name: return Name();
      case QAccessible::Description: return HintBeside(Button(), Name());
      case QAccessible::Accelerator: {
        const QChar c = AcceleratorOf(Button()->Caption());
        return c.isNull() ? QString() : QStringLiteral("Alt+") + c.toUpper();
      }
      default: return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = Button()->Down();
    s.defaultButton = Button()->Default;
    return s;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (Button()->isEnabled()) names << pressAction();
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    QPointer<TbsSkinButton> b = Button();
    RunSoon(b, [b] {
      if (b && b->isEnabled()) b->Click();
    });
  }

  QStringList keyBindingsForAction(const QString& action) const override {
    const QString key = text(QAccessible::Accelerator);
    if (action == pressAction() && !key.isEmpty()) return {key};
    return QAccessibleWidget::keyBindingsForAction(action);
  }

private:
  TbsSkinButton* Button() const { return static_cast<TbsSkinButton*>(widget()); }
  QString Name() const {
    if (!Button()->accessibleName().isEmpty()) return Button()->accessibleName();
    const QString caption = ReadableCaption(Button()->Caption());
    return caption.isEmpty() ? Button()->toolTip().trimmed() : caption;
  }
};

// --- Radio group item ------------------------------------------------------------

class TAccessibleGroupButton : public QAccessibleWidget {
public:
  explicit TAccessibleGroupButton(TbsGroupButton* b) : QAccessibleWidget(b, QAccessible::RadioButton) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return ReadableCaption(Item()->Caption());
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = Item()->Checked();
    return s;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (Item()->isEnabled()) names << pressAction();
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    QPointer<TbsGroupButton> b = Item();
    RunSoon(b, [b] {
      if (b && b->isEnabled()) b->SetChecked(true);
    });
  }

private:
  TbsGroupButton* Item() const { return static_cast<TbsGroupButton*>(widget()); }
};

// --- Group box ----------------------------------------------------------------------

class TAccessibleGroupBox : public QAccessibleWidget {
public:
  explicit TAccessibleGroupBox(TbsSkinGroupBox* box) : QAccessibleWidget(box, QAccessible::Grouping) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return ReadableCaption(static_cast<TbsSkinGroupBox*>(widget())->Caption());
    return QAccessibleWidget::text(t);
  }
};

// --- Labels -------------------------------------------------------------------------

// A text shown for reading: its name is the text (each line with its blanks
// collapsed), and the text itself is readable character by character.
class TAccessibleText : public QAccessibleWidget, public TReadOnlyText {
public:
  explicit TAccessibleText(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      QStringList lines = Content().split(QLatin1Char('\n'));
      for (QString& line : lines) line = line.simplified();
      return lines.join(QLatin1Char('\n')).trimmed();
    }
    return QAccessibleWidget::text(t);
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QRect ContentRect() const override { return ScreenRect(widget(), widget()->rect()); }
};

// A static label; the label of the control it names.
class TAccessibleStaticText : public TAccessibleText {
public:
  explicit TAccessibleStaticText(TbsSkinStaticText* label) : TAccessibleText(label) {}

  QString Content() const override { return Label()->ShownText(); }

  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
    auto relations = QAccessibleWidget::relations(match);
    QWidget* target = Label()->FocusControl();
    while (target && target->focusProxy()) target = target->focusProxy();
    if (target && (match & QAccessible::Labelled))
      if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(target))
        relations.append({iface, QAccessible::Labelled});
    return relations;
  }

private:
  TbsSkinStaticText* Label() const { return static_cast<TbsSkinStaticText*>(widget()); }
};

// The framed label shows a value the program found; the reader cannot
// change it.
class TAccessibleFramedLabel : public TAccessibleText {
public:
  explicit TAccessibleFramedLabel(TbsSkinLabel* label) : TAccessibleText(label) {}

  QString Content() const override { return static_cast<TbsSkinLabel*>(widget())->Caption(); }

  QAccessible::State state() const override {
    QAccessible::State s = TAccessibleText::state();
    s.readOnly = true;
    return s;
  }

  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
    return QAccessibleWidget::relations(match) + LabelRelations(widget(), match);
  }
};

class TAccessiblePlainLabel : public TAccessibleText {
public:
  explicit TAccessiblePlainLabel(TLabel* label) : TAccessibleText(label) {}
  QString Content() const override { return StripAccelerator(static_cast<TLabel*>(widget())->Caption()); }
};

// --- Picture ------------------------------------------------------------------------

// Named by its hint (the flag beside the About button).
class TAccessibleImage : public QAccessibleWidget, public QAccessibleImageInterface {
public:
  explicit TAccessibleImage(TImage* image) : QAccessibleWidget(image, QAccessible::Graphic) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return widget()->toolTip();
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()) return {};
    return QAccessibleWidget::text(t);
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ImageInterface) return static_cast<QAccessibleImageInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QString imageDescription() const override { return text(QAccessible::Name); }
  QSize imageSize() const override { return widget()->size(); }
  QPoint imagePosition() const override { return widget()->mapToGlobal(QPoint(0, 0)); }
};

// --- Frames around editors ---------------------------------------------------------

// The numeric field and the memo draw a frame around an editor that takes
// the focus and the keys for them; the editor is what the reader works
// with, the frame only holds it.
class TAccessibleFieldFrame : public QAccessibleWidget {
public:
  explicit TAccessibleFieldFrame(QWidget* w) : QAccessibleWidget(w, QAccessible::Client) {}

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = s.focused = false;
    return s;
  }
};

}  // namespace

QAccessibleInterface* MakeAccessibleButton(QObject* o) { return new TAccessibleButton(static_cast<TbsSkinButton*>(o)); }
QAccessibleInterface* MakeAccessibleGroupButton(QObject* o) {
  return new TAccessibleGroupButton(static_cast<TbsGroupButton*>(o));
}
QAccessibleInterface* MakeAccessibleGroupBox(QObject* o) {
  return new TAccessibleGroupBox(static_cast<TbsSkinGroupBox*>(o));
}
QAccessibleInterface* MakeAccessibleStaticText(QObject* o) {
  return new TAccessibleStaticText(static_cast<TbsSkinStaticText*>(o));
}
QAccessibleInterface* MakeAccessibleFramedLabel(QObject* o) {
  return new TAccessibleFramedLabel(static_cast<TbsSkinLabel*>(o));
}
QAccessibleInterface* MakeAccessibleImage(QObject* o) { return new TAccessibleImage(static_cast<TImage*>(o)); }
QAccessibleInterface* MakeAccessiblePlainLabel(QObject* o) {
  return new TAccessiblePlainLabel(static_cast<TLabel*>(o));
}
QAccessibleInterface* MakeAccessibleFieldFrame(QObject* o) {
  return new TAccessibleFieldFrame(static_cast<QWidget*>(o));
}
