// The path button: the settings folder and file beside the program, the path
// shared by both windows, the cancelled dialog and the write error.
#include "tests/handoff/HandoffFixture.h"

#include "platform/Profile.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Confirmation(const QString& path) {
  return QStringLiteral("Путь: ") + path + QStringLiteral("- ПРОПИСАН.");
}

TEST_F(HandoffTest, FirstUseCreatesFolderAndFile) {
  const QString acad = MakeFile(QStringLiteral("cad/acad"), "#!/bin/sh\n", true);
  ASSERT_FALSE(QFileInfo::exists(Program + QStringLiteral("PatchMoment")));
  auto dialog = WindowDialog();
  PressPathButton(dialog.get(), acad);

  EXPECT_TRUE(QFileInfo(Program + QStringLiteral("PatchMoment")).isDir());
  EXPECT_EQ(SettingsBytes(), QByteArray("[Patch]\nPatch1=") + acad.toUtf8() + "\n");
  EXPECT_EQ(Notices->Texts(), QStringList{Confirmation(acad)});
  EXPECT_EQ(ChosenDrawingProgramPath(), acad);
  EXPECT_EQ(ReadDrawingProgramPath(), acad);
  EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(HandoffTest, SettingsStayBesideTheProgramWhateverTheCurrentFolder) {
  QTemporaryDir elsewhere;
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
  const QString acad = MakeFile(QStringLiteral("acad.exe"), "MZ", false);
  auto dialog = WindowDialog();
  PressPathButton(dialog.get(), acad);
  QDir::setCurrent(previous);
  EXPECT_EQ(platform::GetProfileString(SettingsFile(), QStringLiteral("Patch"), QStringLiteral("Patch1"), {}), acad);
  EXPECT_FALSE(QFileInfo::exists(elsewhere.path() + QStringLiteral("/PatchMoment")));
}

TEST_F(HandoffTest, CancelBeforeAnyChoiceLeavesTheStoredPath) {
  const QByteArray stored = "; mine\r\n[Patch]\r\nPatch1=/opt/cad/acad\r\n";
  PutSettings(stored);
  auto dialog = WindowDialog();
  PressPathButton(dialog.get(), QString());
  EXPECT_EQ(SettingsBytes(), stored);
  EXPECT_EQ(Notices->Count(), 0);
  EXPECT_TRUE(Errors.isEmpty());

  // Without a file nothing is created either, and nothing is said.
  QFile::remove(SettingsFile());
  PressPathButton(dialog.get(), QString());
  EXPECT_FALSE(QFileInfo::exists(SettingsFile()));
  EXPECT_EQ(Notices->Count(), 0);
}

TEST_F(HandoffTest, WriteErrorReachesTheGeneralDisplay) {
  const QString acad = MakeFile(QStringLiteral("acad"), "#!/bin/sh\n", true);
  // A folder stands where the settings file should be.
  ASSERT_TRUE(QDir().mkpath(SettingsFile()));
  auto dialog = WindowDialog();
  PressPathButton(dialog.get(), acad);
  EXPECT_EQ(Errors, QStringList{QStringLiteral("Unable to write to ") + SettingsFile()});
  EXPECT_EQ(Notices->Count(), 0);
  EXPECT_EQ(ChosenDrawingProgramPath(), acad);

  // Mended, the next press writes the path kept in memory, dialog cancelled.
  ASSERT_TRUE(QDir().rmdir(SettingsFile()));
  PressPathButton(dialog.get(), QString());
  EXPECT_EQ(ReadDrawingProgramPath(), acad);
  EXPECT_EQ(Notices->Texts(), QStringList{Confirmation(acad)});
}

TEST_F(HandoffTest, UncreatableFolderShowsAsTheWriteError) {
  const QString acad = MakeFile(QStringLiteral("acad"), "#!/bin/sh\n", true);
  // A file named like the settings folder: the folder cannot be made.
  MakeFile(QStringLiteral("PatchMoment"), "not a folder", false);
  auto dialog = WindowDialog();
  PressPathButton(dialog.get(), acad);
  EXPECT_EQ(Errors, QStringList{QStringLiteral("Unable to write to ") + SettingsFile()});
  EXPECT_EQ(Notices->Count(), 0);
  EXPECT_TRUE(QFileInfo(Program + QStringLiteral("PatchMoment")).isFile());
}

// Awkward names go through dialog, file, read-back and launch unchanged.
TEST_F(HandoffTest, AwkwardPathsAreStoredAndStartedUnchanged) {
  const QStringList names = {
      QStringLiteral("Program Files/Auto CAD 2024/acad"),
      QStringLiteral("semi;colon/a;b"),
      QStringLiteral("dollar/$HOME$(id)`id`"),
      QStringLiteral("Программы/Автокад/чертёж"),
      QStringLiteral("-dash/-acad"),
      QStringLiteral("single'quote/it's"),
      QStringLiteral("double\"quote/say \"hi\""),
  };
  auto dialog = WindowDialog();
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const QString acad = MakeFile(name, "#!/bin/sh\n", true);
    Notices->Clear();
    Started.clear();
    PressPathButton(dialog.get(), acad);
    EXPECT_EQ(Notices->Texts(), QStringList{Confirmation(acad)});
    PressLaunchButton();
    EXPECT_EQ(DrawingProgramPath, acad);
    EXPECT_EQ(Started, QStringList{acad});
  }
  EXPECT_TRUE(Errors.isEmpty());
}

}  // namespace
