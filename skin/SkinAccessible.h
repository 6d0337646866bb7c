#pragma once
// What assistive technology (a screen reader over AT-SPI) learns of the
// skinned interface. Every self-drawn class of this library has its own
// QAccessibleInterface, made by one factory that the program installs once at
// start-up; the controls tell it of their changes through the calls below.
// None of it changes how anything looks.
#include <QAccessible>
#include <QString>

class QAccessibleInterface;
class QObject;

// Makes the accessible interface of an object (nullptr: the class's own).
using TAccessibleMaker = QAccessibleInterface* (*)(QObject* object);

// Installs the factory; later calls do nothing.
void InstallSkinAccessibility();
// Lets the factory make the interfaces of another class, named as its
// QMetaObject names it: the program's own self-drawn widgets outside this
// library register theirs next to the installation.
void RegisterAccessibleClass(const char* className, TAccessibleMaker maker);

// Hears every announcement below as it is made, whether or not an assistive
// technology listens (null: nobody); returns the previous listener.
using TAccessibleListener = void (*)(QAccessibleEvent* event);
TAccessibleListener SetAccessibleListener(TAccessibleListener listener);

// The changes the controls announce; none is made while nobody listens.
// `child` is the index of a part without a widget of its
// own (an item of a list or a menu), -1 for the object itself.
void AccessibleNotify(QObject* object, QAccessible::Event event, int child = -1);
// A text the object shows (or its value) changed from `before` to `after`:
// its text is announced as changed, and the name of a label (named by its
// text) too.
void AccessibleTextChanged(QObject* object, const QString& before, const QString& after);
// The value of a list or field changed.
void AccessibleValueChanged(QObject* object, const QString& value);
// States of the object changed (those set in `changed`).
void AccessibleStateChanged(QObject* object, QAccessible::State changed);
