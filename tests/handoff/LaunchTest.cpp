// The launch button: what it starts, and the two failure messages.
#include "tests/handoff/HandoffFixture.h"

#include "platform/Exceptions.h"

#include "tests/common/FileHandler.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {

QString NotFound() {
  return QStringLiteral("Файл acad.exe не найден.") + CR() + QStringLiteral("Пропишите путь к нему") + CR() +
         QStringLiteral("кликнув кнопку с папкой.");
}

TEST_F(HandoffTest, NoSettingsFileMeansNotFound) {
  PressLaunchButton();
  EXPECT_EQ(Notices->Texts(), QStringList{NotFound()});
  EXPECT_EQ(DrawingProgramPath, QStringLiteral("Нет текста."));
  EXPECT_TRUE(Started.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(Program + QStringLiteral("PatchMoment"))) << "reading creates nothing";
}

TEST_F(HandoffTest, MissingFolderOrRelativePathIsNotStarted) {
  const QString folder = Program + QStringLiteral("cad");
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString cases[] = {
      Program + QStringLiteral("moved/acad"),  // moved or deleted
      folder,                                  // a folder, not a file
      QStringLiteral("acad"),                  // relative: whatever the current folder holds
  };
  MakeFile(QStringLiteral("acad"), "#!/bin/sh\n", true);
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(Program));
  for (const QString& path : cases) {
    PutSettings("[Patch]\nPatch1=" + path.toUtf8() + "\n");
    PressLaunchButton();
    EXPECT_EQ(DrawingProgramPath, path);
  }
  // The default text, with a file of that name in the current folder.
  MakeFile(QStringLiteral("Нет текста."), "#!/bin/sh\n", true);
  PutSettings("[Patch]\n");
  PressLaunchButton();
  QDir::setCurrent(previous);
  EXPECT_EQ(Notices->Texts(), QStringList(4, NotFound()));
  EXPECT_TRUE(Started.isEmpty());
}

TEST_F(HandoffTest, StoredPathOfTheWindowsVersionIsRead) {
  // Windows-1251 bytes and CR LF, as the Windows version left them; this
  // path leads nowhere here, so the user is asked to choose again.
  PutSettings("[Patch]\r\nPatch1=C:\\\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\\acad.exe\r\n");
  PressLaunchButton();
  EXPECT_EQ(DrawingProgramPath, QStringLiteral("C:\\Программы\\acad.exe"));
  EXPECT_EQ(Notices->Texts(), QStringList{NotFound()});

  const QString acad = MakeFile(QStringLiteral("Программы/acad"), "#!/bin/sh\n", true);
  PutSettings("[Patch]\r\nPatch1=" + acad.toUtf8() + "\r\n");
  PressLaunchButton();
  EXPECT_EQ(Started, QStringList{acad});
}

TEST_F(HandoffTest, ErrorWhileStartingQuotesThePath) {
  const QString acad = MakeFile(QStringLiteral("cad/acad"), "#!/bin/sh\n", true);
  PutSettings("[Patch]\nPatch1=" + acad.toUtf8() + "\n");
  platform::SetShellRecorder([](const QString&, platform::TShellRoute) {
    throw EOSError(QStringLiteral("refused"));
  });
  PressLaunchButton();
  const QString expected = QStringLiteral("Не корректен путь: ") + acad + CR() +
                           QStringLiteral(". Возможно изменилось расположение файла автокада.") +
                           QStringLiteral("Пропишите путь к нему снова") + CR() +
                           QStringLiteral("кликнув кнопку с папкой.");
  EXPECT_EQ(Notices->Texts(), QStringList{expected});
  EXPECT_TRUE(Errors.isEmpty()) << "the launch handles its own errors";
}

TEST_F(HandoffTest, AFileThatDoesNotStartIsNamedWithTheReason) {
  platform::SetShellRecorder({});  // really started, or really refused
  const QString garbage = MakeFile(QStringLiteral("cad/acad"), "not a program\n", true);
  const QString document = MakeFile(QStringLiteral("cad/acad.exe"), "MZ", false);
  FileHandler desktop;
  PutSettings("[Patch]\nPatch1=" + garbage.toUtf8() + "\n");
  PressLaunchButton();
  EXPECT_EQ(Notices->Texts(), QStringList{QStringLiteral("Не удалось запустить файл ") + garbage + CR() +
                                          QStringLiteral("Этот файл не является программой.")});
  EXPECT_TRUE(desktop.Opened.isEmpty()) << "a program that did not start is not handed to the desktop";

  // A file that is no program goes to the desktop, which may have nothing
  // to open it with (the offscreen tests' has not).
  PutSettings("[Patch]\nPatch1=" + document.toUtf8() + "\n");
  PressLaunchButton();
  EXPECT_EQ(desktop.Opened, QStringList{document});
  EXPECT_EQ(Notices->Texts().size(), 1);
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  PressLaunchButton();
  ASSERT_EQ(Notices->Texts().size(), 2);
  EXPECT_EQ(Notices->Texts()[1], QStringLiteral("Не удалось запустить файл ") + document + CR() +
                                     QStringLiteral("Файл не помечен как программа,") + CR() +
                                     QStringLiteral("и открыть его нечем."));
  EXPECT_TRUE(Errors.isEmpty());
}

}  // namespace

