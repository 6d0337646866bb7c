// Every skinned window wears its own loaded skin, and every skinned control in
// it draws from that skin's record whenever the skin has one of its name; a
// skin loaded again turns the controls plain and then skinned again.
#include "calc/Unit_DrugieRezby.h"
#include "platform/Forms.h"
#include "platform/Messages.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinControl.h"
#include "skin/SkinData.h"
#include "skin/SkinEdit.h"
#include "skin/SkinMemo.h"
#include "skin/SkinScrollBar.h"
#include "skin/SkinStdLabel.h"
#include "skin/SkinTextLabel.h"
#include "tables/Unit_Bolty.h"
#include "tests/app/ProgramWindows.h"

#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using WindowSkins = ProgramWindowsTest;

// Saves a picture for a person to look at when MOMENTY_SHOTS names a folder.
void Keep(TForm* form) {
  const QString dir = qEnvironmentVariable("MOMENTY_SHOTS");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  form->grab().save(QDir(dir).filePath(form->objectName() + QStringLiteral(".png")));
}

}  // namespace

TEST_F(WindowSkins, EveryControlDrawsFromItsWindowsSkin) {
  FinishSplash();
  int skinned = 0;
  for (TForm* form : Application->Forms()) {
    SCOPED_TRACE(form->objectName().toStdString());
    auto* data = form->findChild<TbsSkinData*>(QString(), Qt::FindDirectChildrenOnly);
    if (!data) continue;  // the splash window has no skin
    ++skinned;
    ASSERT_FALSE(data->Empty());
    int parts = 0;
    for (TbsSkinControl* c : form->findChildren<TbsSkinControl*>()) {
      SCOPED_TRACE(c->objectName().toStdString());
      EXPECT_EQ(c->SkinData(), data);
      c->Render();
      if (data->FindControlIndex(c->SkinDataName()) >= 0) {
        EXPECT_GE(c->RecordIndex(), 0);
      }
      ++parts;
    }
    for (TbsSkinStdLabel* l : form->findChildren<TbsSkinStdLabel*>()) {
      SCOPED_TRACE(l->objectName().toStdString());
      EXPECT_EQ(l->SkinData(), data);
      ++parts;
    }
    for (TbsSkinTextLabel* l : form->findChildren<TbsSkinTextLabel*>()) {
      EXPECT_EQ(l->SkinData(), data);
      ++parts;
    }
    for (TbsSkinEdit* e : form->findChildren<TbsSkinEdit*>()) {
      SCOPED_TRACE(e->objectName().toStdString());
      EXPECT_EQ(e->SkinData(), data);
      ++parts;
    }
    // The pneumatic window holds only its picture.
    if (form->objectName() != QStringLiteral("Form_Pnevmo")) {
      EXPECT_GT(parts, 0);
    }
    Keep(form);
  }
  EXPECT_EQ(skinned, 7);  // all but the splash
}

namespace {

// --- The skin notices in the program's windows --------------------------------------

// Looks at the bolt window's first list and the note window's memo when each
// notice arrives, before the window's frame has passed it on.
class TNoticeWatcher : public QObject {
public:
  std::vector<std::pair<int, bool>> Seen;  // notice, list / memo skinned then
protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == TMessageEvent::EventType()) {
      const int msg = static_cast<TMessageEvent*>(event)->Msg;
      if (msg == WM_SKINCHANGING || msg == WM_SKINCHANGED) {
        const bool skinned = Form_Bolty->bsSkinComboBox1->ComboRecord() &&
                             Form_Bolty->bsSkinComboBox1->ListBox()->ListRecord() &&
                             Form_DrugieRezby->bsSkinMemo1->MemoRecord() &&
                             !Form_DrugieRezby->bsSkinMemo1->VerticalBar()->Skin().IsEmpty();
        Seen.emplace_back(msg, skinned);
      }
    }
    return false;
  }
};

class SkinComboBoxWindows : public ProgramWindowsTest {};

TEST_F(SkinComboBoxWindows, ReloadingTheSkinGoesPlainThenSkinnedAgain) {
  TbsSkinComboBox* box = Form_Bolty->bsSkinComboBox1;
  TbsSkinMemo* memo = Form_DrugieRezby->bsSkinMemo1;
  box->DropDown();  // gives the list the skin data
  box->CloseUp(false);
  ASSERT_NE(box->ComboRecord(), nullptr);
  ASSERT_NE(box->ListBox()->ListRecord(), nullptr);
  ASSERT_NE(memo->MemoRecord(), nullptr);
  const QImage before = box->Render();

  TNoticeWatcher watcher;
  Form_Bolty->installEventFilter(&watcher);
  Form_DrugieRezby->installEventFilter(&watcher);
  Form_Bolty->bsSkinData1->ReadStoredSkin(Form_Bolty->bsCompressedStoredSkin1);
  Form_DrugieRezby->bsSkinData1->ReadStoredSkin(Form_DrugieRezby->bsCompressedStoredSkin1);
  Form_Bolty->removeEventFilter(&watcher);
  Form_DrugieRezby->removeEventFilter(&watcher);

  // Each window hears both notices of both loads; from the first 1225 of a
  // load to its 1226 the controls of the reloading window are plain, and
  // since both windows reload, at least one 1226 finds the controls plain.
  ASSERT_GE(watcher.Seen.size(), 4u);
  bool plainSeen = false;
  for (const auto& [msg, skinned] : watcher.Seen)
    if (msg == WM_SKINCHANGED && !skinned) plainSeen = true;
  EXPECT_TRUE(plainSeen);
  // Afterwards all skinned again, with the same look.
  EXPECT_NE(box->ComboRecord(), nullptr);
  EXPECT_NE(box->ListBox()->ListRecord(), nullptr);
  EXPECT_NE(memo->MemoRecord(), nullptr);
  EXPECT_FALSE(memo->VerticalBar()->Skin().IsEmpty());
  EXPECT_EQ(box->Render(), before);
}

}  // namespace

// --- Focus marks ----------------------------------------------------------------------

// Every control that Tab reaches looks different while it has the focus, in
// each window's own skin, so that a keyboard user sees where the keys go.
TEST_F(WindowSkins, EveryControlTabReachesShowsWhenItHasTheFocus) {
  FinishSplash();
  int checked = 0;
  for (TForm* form : Application->Forms()) {
    if (!form->findChild<TbsSkinData*>(QString(), Qt::FindDirectChildrenOnly)) continue;
    SCOPED_TRACE(form->objectName().toStdString());
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    for (QWidget* w : form->Client()->findChildren<QWidget*>()) {
      if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || !w->isEnabled()) continue;
      // A field's frame shows the mark of the editor inside it.
      QWidget* shown = w;
      while (shown->parentWidget() && shown->parentWidget()->focusProxy() == shown) shown = shown->parentWidget();
      SCOPED_TRACE((shown->objectName() + QStringLiteral(" ") + shown->metaObject()->className()).toStdString());
      form->Client()->setFocus();
      QCoreApplication::processEvents();
      const QImage away = shown->grab().toImage();
      w->setFocus(Qt::TabFocusReason);
      QCoreApplication::processEvents();
      ASSERT_TRUE(w->hasFocus());
      // A button turns to its active face gradually.
      EXPECT_TRUE(QTest::qWaitFor([&] { return shown->grab().toImage() != away; }, 2000));
      ++checked;
    }
    form->Hide();
  }
  EXPECT_GT(checked, 20);
}
