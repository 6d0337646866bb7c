// The shell's "open": which route a file takes, and that a program is started
// by its path alone, with nothing in the path read by a shell.
#include "platform/Shell.h"

#include "tests/common/FileHandler.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Launch {
  QString Path;
  platform::TShellRoute Route;
};

class ShellTest : public ::testing::Test {
protected:
  QTemporaryDir Dir;
  QList<Launch> Launches;

  void SetUp() override {
    platform::SetShellRecorder([this](const QString& path, platform::TShellRoute route) {
      Launches.append({path, route});
    });
  }
  void TearDown() override { platform::SetShellRecorder({}); }

  QString Make(const QString& name, const QByteArray& content, bool executable) {
    const QString path = Dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(content);
    f.close();
    QFileDevice::Permissions p = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable) p |= QFileDevice::ExeOwner | QFileDevice::ExeUser;
    f.setPermissions(p);
    return path;
  }
};

TEST_F(ShellTest, ProgramsAreStartedOtherFilesHandedOn) {
  const QString program = Make(QStringLiteral("acad"), "#!/bin/sh\n", true);
  const QString windowsProgram = Make(QStringLiteral("acad.exe"), "MZ", false);
  const QString text = Make(QStringLiteral("notes.txt"), "text", false);
  EXPECT_EQ(platform::ShellRouteFor(program), platform::TShellRoute::Program);
  EXPECT_EQ(platform::ShellRouteFor(windowsProgram), platform::TShellRoute::DefaultHandler);
  EXPECT_EQ(platform::ShellRouteFor(text), platform::TShellRoute::DefaultHandler);
  // A folder is executable in the file system's sense, but not a program.
  EXPECT_EQ(platform::ShellRouteFor(Dir.path()), platform::TShellRoute::DefaultHandler);

  EXPECT_TRUE(platform::ShellOpen(program).Ok());
  EXPECT_TRUE(platform::ShellOpen(text).Ok());
  ASSERT_EQ(Launches.size(), 2);
  EXPECT_EQ(Launches[0].Path, program);
  EXPECT_EQ(Launches[0].Route, platform::TShellRoute::Program);
  EXPECT_EQ(Launches[1].Path, text);
  EXPECT_EQ(Launches[1].Route, platform::TShellRoute::DefaultHandler);

  EXPECT_FALSE(platform::ShellOpen(QString()).Ok());
  EXPECT_EQ(Launches.size(), 2);
}

TEST_F(ShellTest, RelativePathsAreMadeAbsolute) {
  const QString program = Make(QStringLiteral("-dash"), "#!/bin/sh\n", true);
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(Dir.path()));
  platform::ShellOpen(QStringLiteral("-dash"));
  QDir::setCurrent(previous);
  ASSERT_EQ(Launches.size(), 1);
  EXPECT_EQ(Launches[0].Path, QFileInfo(program).absoluteFilePath());
  EXPECT_EQ(Launches[0].Route, platform::TShellRoute::Program);
}

// Starts a script of our own whose name is full of what a shell would
// expand; the script writes its name and arguments beside itself.
TEST_F(ShellTest, StartsAProgramByItsPathAlone) {
  platform::SetShellRecorder({});
  const QString marker = Dir.filePath(QStringLiteral("marker"));
  const QByteArray script = "#!/bin/sh\nprintf '%s|%s' \"$0\" \"$#\" > '" + marker.toUtf8() + "'\n";
  const QString name = QStringLiteral("-a b;c $HOME `id` $(echo x) \"q\" 'r' Чертёж");
  const QString program = Make(name, script, true);
  ASSERT_TRUE(platform::ShellOpen(program).Ok());
  // The script writes its line at once; wait for it however long it takes.
  QFile out(marker);
  ASSERT_TRUE(QTest::qWaitFor([&] { return out.exists() && out.size() > 0; }, 120000));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(out.readAll()), program + QStringLiteral("|0"));
}

TEST_F(ShellTest, FailuresSayWhyAndAProgramIsNeverHandedOn) {
  platform::SetShellRecorder({});
  // Marked executable, but neither a binary nor a script: nothing starts.
  const QString garbage = Make(QStringLiteral("acad"), "not a program\n", true);
  const QString text = Make(QStringLiteral("notes.txt"), "text", false);
  {
    FileHandler desktop;
    const platform::TShellResult failed = platform::ShellOpen(garbage);
    EXPECT_EQ(failed.Failure, platform::TShellFailure::NotAProgram) << failed.SystemText.toStdString();
    EXPECT_TRUE(desktop.Opened.isEmpty()) << "a program that did not start went to the desktop";
    EXPECT_TRUE(platform::ShellOpen(text).Ok());
    EXPECT_EQ(desktop.Opened, QStringList{text});
  }
  // No desktop to hand a file to (the offscreen tests have none).
  EXPECT_EQ(platform::ShellOpen(text).Failure, platform::TShellFailure::NoHandler);
}

}  // namespace

