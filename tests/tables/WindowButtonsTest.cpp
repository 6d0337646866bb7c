// The hand-off through the real bolt and nut windows: their buttons share one
// chosen path and one settings file beside the program.
#include "handoff/Handoff.h"
#include "platform/Clipboard.h"
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "platform/Shell.h"
#include "skin/SkinButton.h"
#include "skin/SkinEdit.h"
#include "tables/Unit_Bolty.h"
#include "tables/Unit_Gayki.h"
#include "tests/common/FileDialogAnswer.h"
#include "tests/common/Notices.h"
#include "tests/tables/TableWindowsFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class WindowButtons : public TableWindowsFixture {
protected:
  void SetUp() override {
    ASSERT_TRUE(Folder.isValid());
    platform::SetProgramFolder(Folder.path());
    ResetHandoff();
    platform::SetShellRecorder([this](const QString& path, platform::TShellRoute) { Started << path; });
    Application->OnException = [this](const QString& text) { Errors << text; };
    TableWindowsFixture::SetUp();
  }
  void TearDown() override {
    TableWindowsFixture::TearDown();
    Application->OnException = {};
    platform::SetShellRecorder({});
    platform::SetProgramFolder(QString());
    ResetHandoff();
  }

  // Presses a window's button, answering its file dialog when it has one.
  void Press(TbsSkinButton* button, const QString* file = nullptr) {
    std::unique_ptr<FileDialogAnswer> answer;
    if (file) answer = std::make_unique<FileDialogAnswer>(*file);
    button->Click();
    if (answer) {
      EXPECT_TRUE(answer->Answered());
    }
  }

  QString MakeProgram(const QString& name) {
    const QString path = Folder.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
  }
  QString Stored() const {
    return platform::GetProfileString(Folder.filePath(QStringLiteral("PatchMoment/PatchMoment.ini")),
                                      QStringLiteral("Patch"), QStringLiteral("Patch1"), QStringLiteral("—"));
  }

  QTemporaryDir Folder;
  NoticeRecorder Notices;
  QStringList Started;
  QStringList Errors;
};

TEST_F(WindowButtons, NutWindowChoosesBoltWindowWritesAgainAndStarts) {
  const QString acad = MakeProgram(QStringLiteral("Autodesk/AutoCAD 2024/acad"));
  const QString none;
  Form_Gayki->Show();
  Press(Form_Gayki->bsSkinButton4, &acad);
  EXPECT_EQ(Stored(), acad);
  Form_Gayki->Close();

  // Changed behind the program's back; the bolt window's cancelled dialog
  // writes the path chosen in the nut window again.
  platform::WriteProfileString(Folder.filePath(QStringLiteral("PatchMoment/PatchMoment.ini")),
                               QStringLiteral("Patch"), QStringLiteral("Patch1"), QStringLiteral("/elsewhere"));
  Form_Bolty->Show();
  Press(Form_Bolty->bsSkinButton4, &none);
  EXPECT_EQ(Stored(), acad);
  Press(Form_Bolty->bsSkinButton3);

  const QString confirmed = QStringLiteral("Путь: ") + acad + QStringLiteral("- ПРОПИСАН.");
  EXPECT_EQ(Notices.Texts(), (QStringList{confirmed, confirmed}));
  EXPECT_EQ(Started, QStringList{acad});
  EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(WindowButtons, CopyButtonsTakeTheFieldAsItStands) {
  Form_Bolty->Show();
  Form_Bolty->bsSkinEdit1->setText(QStringLiteral("Момент затяжки болта поз. 3 — правка"));
  Press(Form_Bolty->bsSkinButton1);
  EXPECT_EQ(platform::ClipboardText(), QStringLiteral("Момент затяжки болта поз. 3 — правка"));
  EXPECT_EQ(Form_Bolty->bsSkinEdit1->selectedText(), Form_Bolty->bsSkinEdit1->text()) << "left selected";
  Form_Bolty->Close();

  Form_Gayki->Show();
  platform::SetClipboardText(QStringLiteral("an earlier sentence"));
  Form_Gayki->bsSkinEdit1->clear();
  Press(Form_Gayki->bsSkinButton1);
  EXPECT_EQ(platform::ClipboardText(), QString());
  EXPECT_EQ(Notices.Texts(), QStringList(2, QStringLiteral("Строка занесена в буфер обмена.")));
}

TEST_F(WindowButtons, WriteErrorGoesToTheGeneralDisplay) {
  const QString acad = MakeProgram(QStringLiteral("acad"));
  const QString settings = Folder.filePath(QStringLiteral("PatchMoment/PatchMoment.ini"));
  ASSERT_TRUE(QDir().mkpath(settings));
  Form_Bolty->Show();
  Press(Form_Bolty->bsSkinButton4, &acad);
  EXPECT_EQ(Errors, QStringList{QStringLiteral("Unable to write to ") + settings});
  EXPECT_TRUE(Notices.Texts().isEmpty());
  EXPECT_TRUE(Form_Bolty->Visible()) << "the window stays usable";
}

}  // namespace
