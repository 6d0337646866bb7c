// The open-file dialog as the bolt and nut windows use it: the filter read
// as Linux needs it, "C:\" as the root, and Qt's own texts in Russian.
#include "platform/Dialogs.h"
#include "platform/Translations.h"
#include "tests/common/FileDialogAnswer.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void Make(const QString& path, bool executable) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("x");
  f.close();
  QFileDevice::Permissions p = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
  if (executable) p |= QFileDevice::ExeOwner | QFileDevice::ExeUser;
  f.setPermissions(p);
}

TEST(OpenDialogSettings, FilterEntries) {
  const QList<TFileFilter> one = ParseFileFilter(QStringLiteral("Файлы exe|*.exe"));
  ASSERT_EQ(one.size(), 1);
  EXPECT_EQ(one[0].Description, QStringLiteral("Файлы exe"));
  EXPECT_EQ(one[0].Patterns, QStringList{QStringLiteral("*.exe")});

  const QList<TFileFilter> two = ParseFileFilter(QStringLiteral("Программы|*.exe;*.com|Все файлы|*.*"));
  ASSERT_EQ(two.size(), 2);
  EXPECT_EQ(two[0].Patterns, (QStringList{QStringLiteral("*.exe"), QStringLiteral("*.com")}));
  EXPECT_EQ(two[1].Description, QStringLiteral("Все файлы"));
  EXPECT_EQ(two[1].Patterns, QStringList{QStringLiteral("*.*")});

  const QList<TFileFilter> bare = ParseFileFilter(QStringLiteral("Всё"));
  ASSERT_EQ(bare.size(), 1);
  EXPECT_EQ(bare[0].Patterns, QStringList{QStringLiteral("*")});
  EXPECT_TRUE(ParseFileFilter(QString()).isEmpty());
}

TEST(OpenDialogSettings, ProgramsFilterListsExecutables) {
  QTemporaryDir dir;
  const QStringList exe{QStringLiteral("*.exe")};
  Make(dir.filePath(QStringLiteral("acad")), true);
  Make(dir.filePath(QStringLiteral("setup.exe")), false);
  Make(dir.filePath(QStringLiteral("OLD.EXE")), false);
  Make(dir.filePath(QStringLiteral("notes.txt")), false);
  Make(dir.filePath(QStringLiteral("exe")), false);
  EXPECT_TRUE(FileFilterAccepts(QFileInfo(dir.filePath(QStringLiteral("acad"))), exe));
  EXPECT_TRUE(FileFilterAccepts(QFileInfo(dir.filePath(QStringLiteral("setup.exe"))), exe));
  EXPECT_TRUE(FileFilterAccepts(QFileInfo(dir.filePath(QStringLiteral("OLD.EXE"))), exe));
  EXPECT_FALSE(FileFilterAccepts(QFileInfo(dir.filePath(QStringLiteral("notes.txt"))), exe));
  EXPECT_FALSE(FileFilterAccepts(QFileInfo(dir.filePath(QStringLiteral("exe"))), exe));
  EXPECT_TRUE(FileFilterAccepts(QFileInfo(dir.path()), exe)) << "folders are always listed";
  // A filter for other files does not let programs through.
  EXPECT_FALSE(FileFilterAccepts(QFileInfo(dir.filePath(QStringLiteral("acad"))), {QStringLiteral("*.txt")}));
  EXPECT_TRUE(FileFilterAccepts(QFileInfo(dir.filePath(QStringLiteral("notes.txt"))), {QStringLiteral("*.txt")}));
}

TEST(OpenDialogSettings, DriveLettersMeanTheRoot) {
  EXPECT_EQ(DialogStartFolder(QStringLiteral("C:\\")), QStringLiteral("/"));
  EXPECT_EQ(DialogStartFolder(QStringLiteral("c:")), QStringLiteral("/"));
  EXPECT_EQ(DialogStartFolder(QStringLiteral("D:\\Program Files\\Autodesk")), QStringLiteral("/Program Files/Autodesk"));
  EXPECT_EQ(DialogStartFolder(QStringLiteral("/opt/cad")), QStringLiteral("/opt/cad"));
  EXPECT_EQ(DialogStartFolder(QString()), QString());
}

// The real dialog, looked at while it is open.
TEST(OpenDialogShown, RussianAtTheRootListingPrograms) {
  ASSERT_TRUE(platform::LoadTranslations());
  QTemporaryDir dir;
  Make(dir.filePath(QStringLiteral("acad")), true);
  Make(dir.filePath(QStringLiteral("setup.exe")), false);
  Make(dir.filePath(QStringLiteral("notes.txt")), false);
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Папка")));

  QString title, startFolder, openText, cancelText;
  QStringList listed;
  FileDialogAnswer answer(QString(), [&](QFileDialog* dialog) {
    title = dialog->windowTitle();
    startFolder = dialog->directory().absolutePath();
    auto* box = dialog->findChild<QDialogButtonBox*>();
    if (box && box->button(QDialogButtonBox::Open)) openText = box->button(QDialogButtonBox::Open)->text();
    if (box && box->button(QDialogButtonBox::Cancel)) cancelText = box->button(QDialogButtonBox::Cancel)->text();
    dialog->setDirectory(dir.path());
    auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(list, nullptr);
    auto rows = [&] { return list->model()->rowCount(list->rootIndex()); };
    // The folder is read in the background and sorted afterwards by a
    // zero-time timer: wait for the model to say the folder is loaded, then
    // let the due sort run, however long the reading took.
    auto* files = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(files, nullptr);
    bool loaded = false;
    QObject::connect(files, &QFileSystemModel::directoryLoaded, dialog,
                     [&](const QString& path) { loaded = loaded || QDir(path) == QDir(dir.path()); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return loaded && rows() >= 3; }, 120000));
    QCoreApplication::processEvents();
    for (int r = 0; r < rows(); ++r) listed << list->model()->index(r, 0, list->rootIndex()).data().toString();
  });
  TOpenDialog dialog(nullptr);
  dialog.Filter = QStringLiteral("Файлы exe|*.exe");
  dialog.InitialDir = QStringLiteral("C:\\");
  EXPECT_FALSE(dialog.Execute());
  EXPECT_TRUE(answer.Answered());
  EXPECT_EQ(title, QStringLiteral("Открыть"));
  EXPECT_EQ(startFolder, QStringLiteral("/"));
  EXPECT_EQ(openText, QStringLiteral("&Открыть"));
  EXPECT_EQ(cancelText, QStringLiteral("Отмена"));
  EXPECT_EQ(listed, (QStringList{QStringLiteral("Папка"), QStringLiteral("acad"), QStringLiteral("setup.exe")}));
  EXPECT_TRUE(dialog.FileName.isEmpty()) << "a cancel leaves the name alone";
}

TEST(OpenDialogShown, ConfirmedFileComesBackWithItsFullName) {
  QTemporaryDir dir;
  const QString program = dir.filePath(QStringLiteral("Auto CAD; $x"));
  Make(program, true);
  FileDialogAnswer answer(program);
  TOpenDialog dialog(nullptr);
  dialog.Filter = QStringLiteral("Файлы exe|*.exe");
  dialog.InitialDir = QStringLiteral("C:\\");
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, program);
}

}  // namespace
