// Profile strings: reading what others wrote, writing one key and keeping the
// rest of the file, and refusing writes that cannot succeed without harm to
// the file there.
#include "platform/Exceptions.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
  QTemporaryDir Dir;
  QString File = Dir.filePath(QStringLiteral("settings.ini"));

  void Put(const QByteArray& bytes) {
    QFile f(File);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray Bytes() const {
    QFile f(File);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QString Get(const QString& section = QStringLiteral("Patch"),
              const QString& key = QStringLiteral("Patch1")) const {
    return platform::GetProfileString(File, section, key, QStringLiteral("Нет текста."));
  }
  void Set(const QString& value, const QString& section = QStringLiteral("Patch"),
           const QString& key = QStringLiteral("Patch1")) {
    platform::WriteProfileString(File, section, key, value);
  }
};

TEST_F(ProfileTest, MissingOrUnfitFilesGiveTheDefault) {
  EXPECT_EQ(Get(), QStringLiteral("Нет текста.")) << "no file";
  Put("");
  EXPECT_EQ(Get(), QStringLiteral("Нет текста.")) << "empty file";
  Put("Patch1=/usr/bin/a\n");
  EXPECT_EQ(Get(), QStringLiteral("Нет текста.")) << "key outside any section";
  Put("[Other]\nPatch1=/usr/bin/a\n[Patch]\nPatch2=/usr/bin/b\n");
  EXPECT_EQ(Get(), QStringLiteral("Нет текста.")) << "key only in another section";
  Put("[Patch\nPatch1\n;Patch1=/x\n\xFF\xFE\x00\x01garbage");
  EXPECT_EQ(Get(), QStringLiteral("Нет текста.")) << "broken lines";
  // A folder where the file should be.
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("folder.ini")));
  EXPECT_EQ(platform::GetProfileString(Dir.filePath(QStringLiteral("folder.ini")), QStringLiteral("Patch"),
                                       QStringLiteral("Patch1"), QStringLiteral("d")),
            QStringLiteral("d"));
}

TEST_F(ProfileTest, ReadsFilesOfEitherLineEndAndEncoding) {
  Put("[Patch]\r\nPatch1=C:\\Program Files\\AutoCAD\\acad.exe\r\n");
  EXPECT_EQ(Get(), QStringLiteral("C:\\Program Files\\AutoCAD\\acad.exe"));

  // Written by the Windows version: Windows-1251 bytes for "Программы".
  Put("[Patch]\r\nPatch1=D:\\\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\\acad.exe\r\n");
  EXPECT_EQ(Get(), QStringLiteral("D:\\Программы\\acad.exe"));

  // UTF-8 with a byte order mark, names in another case, blanks around.
  Put("\xEF\xBB\xBF  [ patch ]  \n  PATCH1 =  /opt/Чертёж/bin  \n");
  EXPECT_EQ(Get(), QStringLiteral("/opt/Чертёж/bin"));

  // A file mixing both: each line is read on its own.
  Put("[Other]\nName=\xC0\xE1\xE2\n[Patch]\nPatch1=/home/пользователь/acad\n");
  EXPECT_EQ(Get(QStringLiteral("Other"), QStringLiteral("Name")), QStringLiteral("Абв"));
  EXPECT_EQ(Get(), QStringLiteral("/home/пользователь/acad"));
}

TEST_F(ProfileTest, Windows1251UpperHalf) {
  EXPECT_EQ(platform::DecodeWindows1251("\xA8\xB8\xB9\xC0\xDF\xE0\xFF\x88 A"),
            QString::fromUtf8("Ёё№АЯая€ A"));
}

TEST_F(ProfileTest, AwkwardPathsReadBackUnchanged) {
  const QStringList values = {
      QStringLiteral("/opt/Auto CAD/acad"),
      QStringLiteral("/opt/\"quoted\"/acad"),
      QStringLiteral("\"/opt/whole in quotes\""),
      QStringLiteral("'/opt/single'"),
      QStringLiteral("/opt/a;b;c/acad"),
      QStringLiteral(";starts with a semicolon"),
      QStringLiteral("#starts with a hash"),
      QStringLiteral("[looks like a section]"),
      QStringLiteral("/opt/$HOME/$(rm -rf x)/`id`"),
      QStringLiteral("/home/Иван/Чертежи/acad"),
      QStringLiteral("-leading-dash"),
      QStringLiteral("/opt/a=b/acad"),
      QStringLiteral("  blanks around  "),
      QStringLiteral("\ttab"),
      QStringLiteral("\""),
      QStringLiteral(""),
  };
  for (const QString& v : values) {
    Set(v);
    EXPECT_EQ(Get(), v) << v.toStdString();
  }
  // Only one entry, however often it was written.
  EXPECT_EQ(Bytes().count("Patch1="), 1);
}

TEST_F(ProfileTest, FirstWriteCreatesTheUsualLayout) {
  Set(QStringLiteral("/usr/bin/чертёж"));
  EXPECT_EQ(Bytes(), QByteArray("[Patch]\nPatch1=") + QStringLiteral("/usr/bin/чертёж").toUtf8() + "\n");
}

TEST_F(ProfileTest, WritingOneKeyKeepsEveryOtherByte) {
  const QByteArray head = "; settings\r\n[First]\r\nName=\xC0\xE1\xE2\r\n\r\n[Patch]\r\nOther=1\r\n";
  const QByteArray tail = "Last=2\r\n\r\n[Third]\r\nX=y";
  Put(head + "Patch1=/old\r\n" + tail);
  Set(QStringLiteral("/new path"));
  EXPECT_EQ(Bytes(), head + "Patch1=/new path\r\n" + tail);

  // A key not there yet goes at the end of its section, in the file's line ends.
  Set(QStringLiteral("v"), QStringLiteral("First"), QStringLiteral("Added"));
  EXPECT_EQ(Bytes(), QByteArray("; settings\r\n[First]\r\nName=\xC0\xE1\xE2\r\nAdded=v\r\n\r\n[Patch]\r\nOther=1\r\n"
                                "Patch1=/new path\r\n") + tail);

  // A new section is appended, after finishing a last line without its end.
  Set(QStringLiteral("z"), QStringLiteral("Fourth"), QStringLiteral("K"));
  EXPECT_TRUE(Bytes().endsWith("[Third]\r\nX=y\r\n[Fourth]\r\nK=z\r\n"));
  EXPECT_EQ(Get(QStringLiteral("Third"), QStringLiteral("X")), QStringLiteral("y"));
  EXPECT_EQ(Get(QStringLiteral("First"), QStringLiteral("Name")), QStringLiteral("Абв"));
}

TEST_F(ProfileTest, SectionWithoutKeysGetsTheKey) {
  Put("[Patch]\n[Next]\nA=1\n");
  Set(QStringLiteral("/p"));
  EXPECT_EQ(Bytes(), QByteArray("[Patch]\nPatch1=/p\n[Next]\nA=1\n"));
}

TEST_F(ProfileTest, FailedWritesThrowAndKeepTheFile) {
  const QString expected = QStringLiteral("Unable to write to ") + File;
  Put("[Patch]\nPatch1=/kept\n");

  // A line break could not be read back as written.
  try {
    Set(QStringLiteral("/a\nPatch1=/b"));
    FAIL() << "no error";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), expected);
  }
  EXPECT_EQ(Bytes(), QByteArray("[Patch]\nPatch1=/kept\n"));

  // A folder in the file's place.
  const QString folder = Dir.filePath(QStringLiteral("dir.ini"));
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("dir.ini")));
  try {
    platform::WriteProfileString(folder, QStringLiteral("Patch"), QStringLiteral("Patch1"), QStringLiteral("/x"));
    FAIL() << "no error";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Unable to write to ") + folder);
  }
  EXPECT_TRUE(QFileInfo(folder).isDir());

  // No folder for the file.
  const QString orphan = Dir.filePath(QStringLiteral("missing/settings.ini"));
  EXPECT_THROW(platform::WriteProfileString(orphan, QStringLiteral("Patch"), QStringLiteral("Patch1"),
                                            QStringLiteral("/x")),
               EIniFileException);
  EXPECT_FALSE(QFileInfo::exists(orphan));
}

// Places no one may write to, the superuser included.
TEST_F(ProfileTest, ReadOnlyPlacesGiveTheWriteErrorAndKeepTheFile) {
  const QByteArray kept = "[Patch]\nPatch1=/kept\n";
  Put(kept);
  auto expectWriteError = [](const QString& file) {
    try {
      platform::WriteProfileString(file, QStringLiteral("Patch"), QStringLiteral("Patch1"), QStringLiteral("/x"));
      ADD_FAILURE() << "no error for " << file.toStdString();
    } catch (const EIniFileException& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Unable to write to ") + file);
    }
  };

  // A folder that is a regular file: nothing can be made below it.
  expectWriteError(File + QStringLiteral("/settings.ini"));
  EXPECT_EQ(Bytes(), kept);

  // A file that exists in a folder where no new file can be made (the
  // process's own name under /proc) is not written in place either.
  const QString own = QStringLiteral("/proc/self/comm");
  QFile name(own);
  ASSERT_TRUE(name.open(QIODevice::ReadOnly));
  const QByteArray before = name.readAll();
  name.close();
  expectWriteError(own);
  ASSERT_TRUE(name.open(QIODevice::ReadOnly));
  EXPECT_EQ(name.readAll(), before);

  // A file marked read-only in a writable folder is not replaced.
  QFile::setPermissions(File, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
  expectWriteError(File);
  EXPECT_EQ(Bytes(), kept);
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("settings.ini")});
}

// The disk fills up part way through the new file: a child process whose
// files may not grow past 16 bytes writes a longer path.
TEST_F(ProfileTest, AFullDiskLeavesTheOldFileByteForByte) {
  const QByteArray kept = "; kept\n[Patch]\nPatch1=/old/path/to/the/drawing/program\n";
  Put(kept);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
    const rlimit limit{16, 16};
    setrlimit(RLIMIT_FSIZE, &limit);
    int code = 1;  // no error
    try {
      Set(QStringLiteral("/new/path/to/the/drawing/program"));
    } catch (const EIniFileException& e) {
      code = e.Message() == QStringLiteral("Unable to write to ") + File ? 0 : 2;
    } catch (...) {
      code = 3;
    }
    _exit(code);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: no error, 2: another message, 3: another error";
  EXPECT_EQ(Bytes(), kept);
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("settings.ini")})
      << "the new file is not left behind";
}

}  // namespace
