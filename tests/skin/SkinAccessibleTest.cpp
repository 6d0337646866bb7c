// What a screen reader learns of the skinned controls and windows through
// their accessible interfaces, and the changes they announce (heard here
// directly: offscreen, no assistive technology listens).
#include "platform/Forms.h"
#include "skin/SkinAccessible.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinForm.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinHint.h"
#include "skin/SkinLabel.h"
#include "skin/SkinMessage.h"
#include "skin/SkinMessageForm.h"
#include "skin/SkinNumericEdit.h"
#include "skin/SkinStdLabel.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The events announced while a test runs.
struct THeard {
  QAccessible::Event Type;
  QObject* Object;
  int Child;
  QString Value;
};
std::vector<THeard> Heard;

void Record(QAccessibleEvent* e) {
  QString value;
  if (e->type() == QAccessible::ValueChanged) value = static_cast<QAccessibleValueChangeEvent*>(e)->value().toString();
  if (e->type() == QAccessible::TextUpdated) value = static_cast<QAccessibleTextUpdateEvent*>(e)->textInserted();
  Heard.push_back({e->type(), e->object(), e->child(), value});
}

bool WasHeard(QAccessible::Event type, QObject* object, const QString& value = QString(), int child = -1) {
  return std::any_of(Heard.begin(), Heard.end(), [&](const THeard& h) {
    return h.Type == type && h.Object == object && (value.isNull() || h.Value == value) && (child < 0 || h.Child == child);
  });
}

QAccessibleInterface* Iface(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

class SkinAccessible : public ::testing::Test {
protected:
  void SetUp() override {
    InstallSkinAccessibility();
    SetAccessibleListener(Record);
    Heard.clear();
    form = std::make_unique<TForm>();
    form->SetCaption(QStringLiteral("Окно"));
    form->SetClientSize(400, 300);
  }
  void TearDown() override {
    form.reset();
    SetAccessibleListener(nullptr);
    Heard.clear();
  }
  void Show() {
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  std::unique_ptr<TForm> form;
};

TEST_F(SkinAccessible, ButtonsAreNamedByCaptionOrHintAndPressedByTheirAction) {
  auto* show = new TbsSkinButton(form->Client());
  show->SetCaption(QStringLiteral("  &Показать"));
  show->SetHint(QStringLiteral("Показать момент затяжки"));
  show->Default = true;
  auto* picture = new TbsSkinButton(form->Client());
  picture->SetHint(QStringLiteral("О программе"));
  int clicks = 0;
  show->OnClick = [&](TObject*) { ++clicks; };
  Show();

  QAccessibleInterface* a = Iface(show);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::Button);
  EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Показать"));
  EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("Показать момент затяжки"));
  EXPECT_TRUE(a->state().defaultButton);
  EXPECT_TRUE(a->state().focusable);
  EXPECT_EQ(Iface(picture)->text(QAccessible::Name), QStringLiteral("О программе"));
  EXPECT_TRUE(Iface(picture)->text(QAccessible::Description).isEmpty()) << "the hint is not read twice";

  // The press comes back through the event loop, as a reader's request does.
  a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicks, 0);
  QTRY_COMPARE(clicks, 1);
  show->setEnabled(false);
  EXPECT_FALSE(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  EXPECT_TRUE(a->state().disabled);
}

TEST_F(SkinAccessible, PromptNamesItsListWhichReadsItsChoiceAndOpensAsAList) {
  auto* prompt = new TbsSkinStdLabel(form->Client());
  prompt->SetCaption(QStringLiteral("Выберите номинальный диаметр резьбы:"));
  auto* box = new TbsSkinComboBox(form->Client());
  box->SetBounds(20, 40, 81, 22);
  box->SetItems({QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14")});
  prompt->SetFocusControl(box);
  Show();
  box->setFocus();

  QAccessibleInterface* list = Iface(box);
  EXPECT_EQ(list->role(), QAccessible::ComboBox);
  EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Выберите номинальный диаметр резьбы:"));
  const auto labels = list->relations(QAccessible::Label);
  ASSERT_EQ(labels.size(), 1);
  EXPECT_EQ(labels[0].first->object(), prompt);
  const auto labelled = Iface(prompt)->relations(QAccessible::Labelled);
  ASSERT_EQ(labelled.size(), 1);
  EXPECT_EQ(labelled[0].first->object(), box);
  EXPECT_EQ(Iface(prompt)->role(), QAccessible::StaticText);

  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_EQ(list->text(QAccessible::Value), QStringLiteral("10"));
  EXPECT_TRUE(WasHeard(QAccessible::ValueChanged, box, QStringLiteral("10")));

  // F4 opens; the popup is the list's child with the items, the current one
  // selected and announced as it moves.
  QTest::keyClick(box, Qt::Key_F4);
  ASSERT_TRUE(box->DroppedDown());
  EXPECT_TRUE(list->state().expanded);
  ASSERT_EQ(list->childCount(), 1);
  QAccessibleInterface* popup = list->child(0);
  EXPECT_EQ(popup->role(), QAccessible::List);
  EXPECT_EQ(popup->parent()->object(), box);
  ASSERT_EQ(popup->childCount(), 3);
  EXPECT_EQ(popup->child(1)->text(QAccessible::Name), QStringLiteral("12"));
  EXPECT_EQ(popup->indexOfChild(popup->child(2)), 2);
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_TRUE(popup->child(1)->state().selected);
  EXPECT_FALSE(popup->child(0)->state().selected);
  EXPECT_EQ(list->focusChild(), popup->child(1));
  EXPECT_TRUE(WasHeard(QAccessible::Focus, box->ListBox(), QString(), 1));
  // Escape closes without choosing; F4 with Alt belongs to the window.
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(list->text(QAccessible::Value), QStringLiteral("10"));
  QKeyEvent altF4(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
  QCoreApplication::sendEvent(box, &altF4);
  EXPECT_FALSE(altF4.isAccepted());
  EXPECT_FALSE(box->DroppedDown());

  // An item pressed by the reader is chosen.
  popup->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QTRY_COMPARE(box->Text(), QStringLiteral("14"));
}

TEST_F(SkinAccessible, NumericFieldsEditorIsEditableTextThatKeepsTheFieldsRules) {
  auto* prompt = new TbsSkinStdLabel(form->Client());
  prompt->SetCaption(QStringLiteral("Диаметр наружный, мм:"));
  auto* field = new TbsSkinNumericEdit(form->Client());
  field->SetBounds(10, 30, 103, 23);
  field->SetDecimal(2);
  prompt->SetFocusControl(field);
  auto* plain = new QLineEdit(form->Client());
  Show();

  QAccessibleInterface* frame = Iface(field);
  EXPECT_FALSE(frame->state().focusable) << "the editor inside takes the focus";
  QAccessibleInterface* editor = Iface(field->Editor());
  EXPECT_EQ(editor->role(), QAccessible::EditableText);
  EXPECT_EQ(editor->text(QAccessible::Name), QStringLiteral("Диаметр наружный, мм:"));
  EXPECT_TRUE(editor->state().editable);
  QAccessibleEditableTextInterface* edit = editor->editableTextInterface();
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(editor->textInterface(), nullptr);
  edit->replaceText(0, editor->textInterface()->characterCount(), QStringLiteral("2x5"));
  EXPECT_EQ(editor->textInterface()->text(0, -1), QStringLiteral("25")) << "the letter is refused as typed";
  EXPECT_EQ(editor->text(QAccessible::Value), QStringLiteral("25"));
  // Any other line edit keeps Qt's own interface.
  EXPECT_EQ(Iface(plain)->relations(QAccessible::Label).size(), 0);
  EXPECT_NE(dynamic_cast<QAccessibleEditableTextInterface*>(Iface(plain)), edit);
}

TEST_F(SkinAccessible, GroupsRadioButtonsAndFramedLabelsSayWhatTheyHold) {
  auto* group = new TbsSkinRadioGroup(form->Client());
  group->SetBounds(0, 0, 250, 120);
  group->SetCaption(QStringLiteral("&Выберите материал:"));
  group->SetItems({QStringLiteral("Сталь 20"), QStringLiteral("Сталь 35")});
  auto* value = new TbsSkinLabel(form->Client());
  value->SetBounds(260, 0, 80, 22);
  Show();

  EXPECT_EQ(Iface(group)->role(), QAccessible::Grouping);
  EXPECT_EQ(Iface(group)->text(QAccessible::Name), QStringLiteral("Выберите материал:"));
  QAccessibleInterface* second = Iface(group->Button(1));
  EXPECT_EQ(second->role(), QAccessible::RadioButton);
  EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("Сталь 35"));
  EXPECT_FALSE(second->state().checked);
  second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QTRY_COMPARE(group->ItemIndex(), 1);
  EXPECT_TRUE(second->state().checked);
  EXPECT_TRUE(WasHeard(QAccessible::StateChanged, group->Button(1)));

  value->SetCaption(QStringLiteral("100"));
  QAccessibleInterface* shown = Iface(value);
  EXPECT_TRUE(shown->state().readOnly);
  EXPECT_EQ(shown->text(QAccessible::Name), QStringLiteral("100"));
  EXPECT_EQ(shown->textInterface()->text(0, -1), QStringLiteral("100"));
  EXPECT_TRUE(WasHeard(QAccessible::TextUpdated, value, QStringLiteral("100")));
}

TEST_F(SkinAccessible, WindowsAreNamedFramesWhoseCaptionButtonsAndAltF4Close) {
  auto* data = new TbsSkinData(form.get());
  TbsSkinForm* frame = CreateSkinFrame(form.get(), data, biMinimize, {.Icon = true, .ObjectHints = true});
  auto* button = new TbsSkinButton(form->Client());
  Show();

  QAccessibleInterface* window = Iface(form.get());
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Окно"));
  QStringList names;
  QAccessibleInterface* close = nullptr;
  for (int i = 0; i < window->childCount(); ++i) {
    QAccessibleInterface* c = window->child(i);
    EXPECT_EQ(window->indexOfChild(c), i);
    if (c->object() || c->role() != QAccessible::Button) continue;
    names << c->text(QAccessible::Name);
    if (c->text(QAccessible::Name) == QStringLiteral("Закрыть")) close = c;
  }
  EXPECT_TRUE(names.contains(QStringLiteral("Свернуть"))) << names.join(u',').toStdString();
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->rect(), QRect(form->mapToGlobal(frame->ButtonRect(TbsStdCommand::cmClose).topLeft()),
                                 frame->ButtonRect(TbsStdCommand::cmClose).size()));

  // Alt+F4 closes as the close button does, whichever control has the focus.
  button->setFocus();
  QTest::keyClick(button, Qt::Key_F4, Qt::AltModifier);
  EXPECT_FALSE(form->isVisible());
  Show();
  close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QTRY_VERIFY(!form->isVisible());

  // Without a minimise button the window is a dialog.
  frame->SetBorderIcons(biSystemMenu);
  EXPECT_EQ(window->role(), QAccessible::Dialog);
}

TEST_F(SkinAccessible, HintWindowIsATooltipReadingItsText) {
  Show();
  ShowSkinHint(form.get(), form->mapToGlobal(QPoint(10, 10)), QStringLiteral("Закрыть"));
  TbsSkinHintWindow* hint = VisibleSkinHint();
  ASSERT_NE(hint, nullptr);
  QAccessibleInterface* tip = Iface(hint);
  EXPECT_EQ(tip->role(), QAccessible::ToolTip);
  EXPECT_EQ(tip->text(QAccessible::Name), QStringLiteral("Закрыть"));
  // Shown again elsewhere with another text, it is renamed aloud.
  ShowSkinHint(form.get(), form->mapToGlobal(QPoint(40, 10)), QStringLiteral("Свернуть"));
  EXPECT_EQ(tip->text(QAccessible::Name), QStringLiteral("Свернуть"));
  EXPECT_TRUE(WasHeard(QAccessible::NameChanged, hint));
  HideSkinHint();
}

TEST_F(SkinAccessible, NoticeIsAnAlertReadAsItShows) {
  TbsSkinMessage message(form.get());
  Show();
  QString role, described, buttonName;
  bool alerted = false;
  const auto previous = TbsMessageForm::SetShowHook([&](TbsMessageForm* f) {
    QAccessibleInterface* notice = Iface(f);
    role = notice->role() == QAccessible::AlertMessage ? QStringLiteral("alert") : QString();
    described = notice->text(QAccessible::Description);
    buttonName = Iface(f->Buttons.first())->text(QAccessible::Name);
    alerted = WasHeard(QAccessible::Alert, f);
    f->Buttons.first()->Click();
  });
  ShowNotice(&message, QStringLiteral("Строка занесена\rв буфер обмена."));
  TbsMessageForm::SetShowHook(previous);
  EXPECT_EQ(role, QStringLiteral("alert"));
  EXPECT_EQ(described, QStringLiteral("Строка занесена\nв буфер обмена."));
  EXPECT_FALSE(buttonName.isEmpty());
  EXPECT_TRUE(alerted);
}

}  // namespace
