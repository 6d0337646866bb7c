#include "tests/handoff/HandoffFixture.h"

#include "platform/Forms.h"
#include "platform/Platform.h"
#include "tests/common/FileDialogAnswer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void HandoffTest::SetUp() {
  ASSERT_TRUE(Folder.isValid());
  Program = Folder.path() + QLatin1Char('/');
  platform::SetProgramFolder(Folder.path());
  ResetHandoff();
  platform::SetShellRecorder([this](const QString& path, platform::TShellRoute) { Started << path; });
  Application->OnException = [this](const QString& text) { Errors << text; };
  Message = std::make_unique<TbsSkinMessage>(nullptr);
  Notices = std::make_unique<NoticeRecorder>();
}

void HandoffTest::TearDown() {
  Notices.reset();
  Message.reset();
  Application->OnException = {};
  platform::SetShellRecorder({});
  platform::SetProgramFolder(QString());
  ResetHandoff();
}

void HandoffTest::PressPathButton(TOpenDialog* dialog, const QString& file) {
  FileDialogAnswer answer(file);
  InvokeHandler([&] { ChooseDrawingProgramPath(nullptr, dialog, Message.get()); });
  EXPECT_TRUE(answer.Answered()) << "the dialog was not shown";
}

void HandoffTest::PressLaunchButton() {
  InvokeHandler([&] { LaunchDrawingProgram(nullptr, Message.get()); });
}

QString HandoffTest::MakeFile(const QString& relative, const QByteArray& content, bool executable) {
  const QString path = Program + relative;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  f.write(content);
  f.close();
  QFileDevice::Permissions p = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
  if (executable) p |= QFileDevice::ExeOwner | QFileDevice::ExeUser;
  f.setPermissions(p);
  return path;
}

QString HandoffTest::SettingsFile() const { return Program + QStringLiteral("PatchMoment/PatchMoment.ini"); }

QByteArray HandoffTest::SettingsBytes() const {
  QFile f(SettingsFile());
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void HandoffTest::PutSettings(const QByteArray& bytes) {
  QDir().mkpath(Program + QStringLiteral("PatchMoment"));
  QFile f(SettingsFile());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

std::unique_ptr<TOpenDialog> HandoffTest::WindowDialog() {
  auto dialog = std::make_unique<TOpenDialog>(nullptr);
  dialog->Filter = QStringLiteral("Файлы exe|*.exe");
  dialog->InitialDir = QStringLiteral("C:\\");
  return dialog;
}
