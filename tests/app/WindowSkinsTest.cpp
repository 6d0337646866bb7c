// Every skinned window wears its own loaded skin, and every skinned control in
// it draws from that skin's record whenever the skin has one of its name.
#include "platform/Forms.h"
#include "skin/SkinControl.h"
#include "skin/SkinData.h"
#include "skin/SkinEdit.h"
#include "skin/SkinStdLabel.h"
#include "skin/SkinTextLabel.h"
#include "tests/common/Windows.h"

#include <QDir>
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
