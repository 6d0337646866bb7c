// The accessibility factory, the change announcements and the shared pieces
// of the interfaces.
#include "skin/SkinAccessible.h"

#include "skin/SkinAccessibleParts.h"
#include "skin/SkinButton.h"  // StripAccelerator
#include "skin/SkinStaticText.h"

#include <QAccessibleEvent>
#include <QHash>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <utility>

// --- The factory ---------------------------------------------------------------

namespace {

QHash<QString, TAccessibleMaker>& Makers() {
  // The skinned classes by the names their meta-objects give. Qt asks the
  // factory for an object's class first, then for each base class in turn,
  // so a window of any kind is a TForm here and the radio group, unless
  // named, a group box.
  static QHash<QString, TAccessibleMaker> makers{
      {QStringLiteral("TbsSkinButton"), MakeAccessibleButton},
      {QStringLiteral("TbsGroupButton"), MakeAccessibleGroupButton},
      {QStringLiteral("TbsSkinGroupBox"), MakeAccessibleGroupBox},
      {QStringLiteral("TbsSkinStdLabel"), MakeAccessibleStaticText},
      {QStringLiteral("TbsSkinTextLabel"), MakeAccessibleStaticText},
      {QStringLiteral("TbsSkinLabel"), MakeAccessibleFramedLabel},
      {QStringLiteral("TbsSkinComboBox"), MakeAccessibleComboBox},
      {QStringLiteral("TbsPopupListBox"), MakeAccessiblePopupList},
      {QStringLiteral("TbsSkinEdit"), MakeAccessibleEdit},
      {QStringLiteral("TbsSkinNumericEdit"), MakeAccessibleFieldFrame},
      {QStringLiteral("TbsSkinMemo"), MakeAccessibleFieldFrame},
      {QStringLiteral("QLineEdit"), MakeAccessibleNumericEditor},  // only the numeric field's editor
      {QStringLiteral("TbsMessageForm"), MakeAccessibleMessageForm},
      {QStringLiteral("TForm"), MakeAccessibleWindow},
      {QStringLiteral("TbsSkinHintWindow"), MakeAccessibleHint},
      {QStringLiteral("TbsSkinPopupMenu"), MakeAccessiblePopupMenu},
      {QStringLiteral("TImage"), MakeAccessibleImage},
      {QStringLiteral("TLabel"), MakeAccessiblePlainLabel},
  };
  return makers;
}

QAccessibleInterface* SkinAccessibleFactory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  const TAccessibleMaker maker = Makers().value(className);
  return maker ? maker(object) : nullptr;
}

}  // namespace

void InstallSkinAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(SkinAccessibleFactory);
}

void RegisterAccessibleClass(const char* className, TAccessibleMaker maker) {
  Makers().insert(QString::fromLatin1(className), maker);
}

// --- Announcements ---------------------------------------------------------------

namespace {

TAccessibleListener Listener = nullptr;

// Whether anyone hears an announcement: without, none is made.
bool Heard() { return Listener || QAccessible::isActive(); }

void Announce(QAccessibleEvent& e) {
  if (Listener) Listener(&e);
  QAccessible::updateAccessibility(&e);
}

}  // namespace

TAccessibleListener SetAccessibleListener(TAccessibleListener listener) {
  return std::exchange(Listener, listener);
}

void AccessibleNotify(QObject* object, QAccessible::Event event, int child) {
  if (!object || !Heard()) return;
  QAccessibleEvent e(object, event);
  e.setChild(child);
  Announce(e);
}

void AccessibleTextChanged(QObject* object, const QString& before, const QString& after) {
  if (!object || before == after || !Heard()) return;
  // A label is named by what it shows; a list keeps the name its label gives.
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  if (iface && iface->role() == QAccessible::StaticText) {
    QAccessibleEvent name(object, QAccessible::NameChanged);
    Announce(name);
  }
  QAccessibleTextUpdateEvent text(object, 0, before, after);
  Announce(text);
}

void AccessibleValueChanged(QObject* object, const QString& value) {
  if (!object || !Heard()) return;
  QAccessibleValueChangeEvent e(object, value);
  Announce(e);
}

void AccessibleStateChanged(QObject* object, QAccessible::State changed) {
  if (!object || !Heard()) return;
  QAccessibleStateChangeEvent e(object, changed);
  Announce(e);
}

// --- Parts without widgets ---------------------------------------------------------

TAccessibleParts::~TAccessibleParts() {
  for (QAccessible::Id id : std::as_const(FIds)) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* TAccessibleParts::Get(int key, const std::function<QAccessibleInterface*()>& make) const {
  if (const auto it = FIds.constFind(key); it != FIds.constEnd()) return QAccessible::accessibleInterface(*it);
  QAccessibleInterface* part = make();
  if (part) FIds.insert(key, QAccessible::registerAccessibleInterface(part));
  return part;
}

int TAccessibleParts::KeyOf(const QAccessibleInterface* part) const {
  for (auto it = FIds.constBegin(); it != FIds.constEnd(); ++it)
    if (QAccessible::accessibleInterface(it.value()) == part) return it.key();
  return -1;
}

QWindow* TAccessibleLeaf::window() const {
  const QWidget* owner = Owner();
  return owner ? owner->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TAccessibleLeaf::parent() const {
  QWidget* owner = Owner();
  return owner ? QAccessible::queryAccessibleInterface(owner) : nullptr;
}

// --- Read-only text ------------------------------------------------------------------

void TReadOnlyText::selection(int, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
}

QString TReadOnlyText::text(int startOffset, int endOffset) const {
  const QString all = Content();
  if (endOffset < 0 || endOffset > all.size()) endOffset = static_cast<int>(all.size());
  startOffset = std::clamp(startOffset, 0, endOffset);
  return all.mid(startOffset, endOffset - startOffset);
}

QRect TReadOnlyText::characterRect(int offset) const {
  return offset >= 0 && offset < characterCount() ? ContentRect() : QRect();
}

QString TReadOnlyText::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = std::clamp(offset, 0, characterCount());
  return {};
}

// --- Helpers ---------------------------------------------------------------------------

QString LabelledName(const QWidget* control) {
  QStringList texts;
  for (const TbsSkinStaticText* label : LabelsOf(control)) texts << label->ShownText().simplified();
  texts.removeAll(QString());
  return texts.join(QLatin1Char(' '));
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> LabelRelations(const QWidget* control,
                                                                           QAccessible::Relation match) {
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations;
  if (!(match & QAccessible::Label)) return relations;
  for (TbsSkinStaticText* label : LabelsOf(control))
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label))
      relations.append({iface, QAccessible::Label});
  return relations;
}

QString ReadableCaption(const QString& caption) { return StripAccelerator(caption).trimmed(); }

QRect ScreenRect(const QWidget* widget, const QRect& local) {
  if (!widget || local.isNull()) return {};
  return QRect(widget->mapToGlobal(local.topLeft()), local.size());
}

void RunSoon(QObject* context, const std::function<void()>& action) {
  QTimer::singleShot(0, context, action);
}
