// Where the settings file lies: beside the program when its folder holds the
// file or may be written there, else in the user's configuration folder;
// reading looks in the same order as writing.
#include "handoff/SettingsLocation.h"
#include "platform/Platform.h"
#include "tests/handoff/HandoffFixture.h"

#include <QDir>
#include <QFileInfo>

namespace {

class SettingsLocation : public HandoffTest {
protected:
  void SetUp() override {
    HandoffTest::SetUp();
    SavedHome = qgetenv("HOME");
    SavedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", Home.path().toUtf8());
    // Not made yet: the first write makes it.
    Config = Home.path() + QStringLiteral("/settings/of/user");
    qputenv("XDG_CONFIG_HOME", Config.toUtf8());
    // As the super-user every folder is writable: the test says which are not.
    SetFolderWriteQuery([this](const QString& folder) {
      return Writable.contains(folder) || !folder.startsWith(Program);
    });
  }
  void TearDown() override {
    SetFolderWriteQuery({});
    qputenv("HOME", SavedHome);
    if (SavedConfig.isNull())
      qunsetenv("XDG_CONFIG_HOME");
    else
      qputenv("XDG_CONFIG_HOME", SavedConfig);
    HandoffTest::TearDown();
  }

  QString UserFile() const { return Config + QStringLiteral("/PatchMoment/PatchMoment.ini"); }
  static void Put(const QString& file, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  static QByteArray Bytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir Home;
  QString Config;
  QStringList Writable;  // folders of the program that may be written
  QByteArray SavedHome, SavedConfig;
};

TEST_F(SettingsLocation, UnwritableProgramFolderKeepsThePathInTheUsersConfiguration) {
  const QString acad = MakeFile(QStringLiteral("cad/acad"), "#!/bin/sh\n", true);
  auto dialog = WindowDialog();
  PressPathButton(dialog.get(), acad);

  // Every missing folder up to the file is made; nothing beside the program.
  EXPECT_EQ(Bytes(UserFile()), QByteArray("[Patch]\nPatch1=") + acad.toUtf8() + "\n");
  EXPECT_FALSE(QFileInfo::exists(Program + QStringLiteral("PatchMoment")));
  EXPECT_EQ(Notices->Texts(), QStringList{QStringLiteral("Путь: ") + acad + QStringLiteral("- ПРОПИСАН.")});
  EXPECT_EQ(SettingsFileName(), UserFile());

  // A later run reads it back there and starts what it names.
  ResetHandoff();
  PressLaunchButton();
  EXPECT_EQ(DrawingProgramPath, acad);
  EXPECT_EQ(Started, QStringList{acad});

  // A write that fails there is reported with that file's name, as beside
  // the program.
  ASSERT_TRUE(QFile::remove(UserFile()));
  ASSERT_TRUE(QDir().mkpath(UserFile()));
  PressPathButton(dialog.get(), acad);
  EXPECT_EQ(Errors, QStringList{QStringLiteral("Unable to write to ") + UserFile()});
}

TEST_F(SettingsLocation, ReadingAndWritingLookBesideTheProgramFirst) {
  const QString beside = Program + QStringLiteral("PatchMoment/PatchMoment.ini");
  Put(UserFile(), "[Patch]\nPatch1=/opt/user/acad\n");

  // A file beside the program is used although its folder may not be
  // written (writing it then fails or not as the file allows).
  Put(beside, "[Patch]\nPatch1=/opt/beside/acad\n");
  EXPECT_EQ(ReadDrawingProgramPath(), QStringLiteral("/opt/beside/acad"));

  // Without it, the user's file.
  ASSERT_TRUE(QFile::remove(beside));
  EXPECT_EQ(ReadDrawingProgramPath(), QStringLiteral("/opt/user/acad"));

  // A settings folder beside the program that may be written takes the file,
  // even before it holds one.
  Writable = {Program + QStringLiteral("PatchMoment")};
  EXPECT_EQ(SettingsFileName(), beside);
  EXPECT_EQ(ReadDrawingProgramPath(), QStringLiteral("Нет текста."));

  // So does a writable program folder without one; the user's file is left alone.
  ASSERT_TRUE(QDir(Program).rmdir(QStringLiteral("PatchMoment")));
  Writable = {Program};
  const QString acad = MakeFile(QStringLiteral("acad"), "#!/bin/sh\n", true);
  auto dialog = WindowDialog();
  PressPathButton(dialog.get(), acad);
  EXPECT_EQ(ReadDrawingProgramPath(), acad);
  EXPECT_EQ(Bytes(UserFile()), QByteArray("[Patch]\nPatch1=/opt/user/acad\n"));
  EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(SettingsLocation, InstalledCopyUnderUsrNeverWritesBesideItself) {
  // Even when the folder may be written (by the super-user).
  SetFolderWriteQuery([](const QString&) { return true; });
  ResetHandoff();
  platform::SetProgramFolder(QStringLiteral("/usr/bin"));
  ASSERT_FALSE(QFileInfo::exists(QStringLiteral("/usr/bin/PatchMoment/PatchMoment.ini")));
  EXPECT_EQ(SettingsFileName(), UserFile());
}

TEST_F(SettingsLocation, UsersConfigurationFolderFollowsTheBaseDirectoryRules) {
  EXPECT_EQ(UserConfigFolder(), Config);
  // Unset or relative: ~/.config, whatever the current folder is.
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(UserConfigFolder(), Home.path() + QStringLiteral("/.config"));
  qputenv("XDG_CONFIG_HOME", "relative/config");
  EXPECT_EQ(UserConfigFolder(), Home.path() + QStringLiteral("/.config"));
  EXPECT_EQ(SettingsFileName(), Home.path() + QStringLiteral("/.config/PatchMoment/PatchMoment.ini"));
}

}  // namespace
