#include "handoff/Handoff.h"

#include "handoff/SettingsLocation.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "platform/Shell.h"
#include "skin/SkinMessage.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

QString ProgramFolder;
QString DrawingProgramPath;

namespace {

const QString kSection = QStringLiteral("Patch");
const QString kKey = QStringLiteral("Patch1");
const QString kNoPath = QStringLiteral("Нет текста.");

// Shared by the bolt and the nut window.
QString gChosenPath;

// The file was found but would not start: its name and the reason.
QString LaunchFailedText(const QString& path, const platform::TShellResult& result) {
  QString reason;
  switch (result.Failure) {
    case platform::TShellFailure::NoPermission:
      reason = QStringLiteral("Нет прав на запуск этого файла.");
      break;
    case platform::TShellFailure::NotAProgram:
      reason = QStringLiteral("Этот файл не является программой.");
      break;
    case platform::TShellFailure::NoHandler:
      reason = QStringLiteral("Файл не помечен как программа,") + QChar(13) +
               QStringLiteral("и открыть его нечем.");
      break;
    case platform::TShellFailure::None:
    case platform::TShellFailure::Other:
      reason = QStringLiteral("Система ответила: ") + result.SystemText;
      break;
  }
  return QStringLiteral("Не удалось запустить файл ") + path + QChar(13) + reason;
}

const QString& KnownProgramFolder() {
  if (ProgramFolder.isEmpty()) TakeProgramFolder();
  return ProgramFolder;
}

}  // namespace

void TakeProgramFolder() { ProgramFolder = platform::ProgramFolder(); }

QString SettingsFileName() { return SettingsFileFor(KnownProgramFolder()); }

QString ReadDrawingProgramPath() {
  DrawingProgramPath = platform::GetProfileString(SettingsFileName(), kSection, kKey, kNoPath);
  return DrawingProgramPath;
}

QString ChosenDrawingProgramPath() { return gChosenPath; }

void ResetHandoff() {
  ProgramFolder.clear();
  DrawingProgramPath.clear();
  gChosenPath.clear();
}

void ChooseDrawingProgramPath(TForm* owner, TOpenDialog* dialog, TbsSkinMessage* message) {
  // The file's folder is made when missing: beside the program that is one
  // level (the program folder itself exists), in the user's configuration
  // folder whatever is missing. A folder that cannot be made shows up as the
  // write error below.
  const QString file = SettingsFileName();
  const QString folder = QFileInfo(file).path();
  if (!QDir(folder + QLatin1Char('/')).exists()) QDir().mkpath(folder);

  if (dialog && dialog->Execute()) gChosenPath = dialog->FileName;

  // Cancelled before anything was chosen in this run: an empty path would
  // wipe out the stored one, so the file stays as it is and nothing is said.
  if (gChosenPath.isEmpty()) return;

  // A write error goes on to the general error display; the chosen path stays.
  platform::WriteProfileString(file, kSection, kKey, gChosenPath);
  ShowNotice(message, QStringLiteral("Путь: ") + gChosenPath + QStringLiteral("- ПРОПИСАН."));
}

void CopySentenceToClipboard(QLineEdit* edit, TbsSkinMessage* message) {
  if (edit) {
    edit->selectAll();
    // The field's own copy, which needs a selection; an empty field empties
    // the clipboard, so that an earlier sentence is not pasted in its place.
    if (edit->hasSelectedText())
      edit->copy();
    else
      platform::SetClipboardText(QString());
  }
  ShowNotice(message, QStringLiteral("Строка занесена в буфер обмена."));
}

void LaunchDrawingProgram(TForm* owner, TbsSkinMessage* message) {
  const QChar cr(13);
  try {
    const QString path = ReadDrawingProgramPath();
    // Only a full path is started: a relative one (the default text among
    // them) would depend on whatever the current folder happens to be.
    const QFileInfo file(path);
    if (file.isAbsolute() && file.isFile()) {
      const platform::TShellResult result = platform::ShellOpen(path);
      if (!result.Ok()) ShowNotice(message, LaunchFailedText(path, result));
    } else {
      ShowNotice(message, QStringLiteral("Файл acad.exe не найден.") + cr +
                              QStringLiteral("Пропишите путь к нему") + cr +
                              QStringLiteral("кликнув кнопку с папкой."));
    }
  } catch (const std::exception&) {
    ShowNotice(message, QStringLiteral("Не корректен путь: ") + DrawingProgramPath + cr +
                            QStringLiteral(". Возможно изменилось расположение файла автокада.") +
                            QStringLiteral("Пропишите путь к нему снова") + cr +
                            QStringLiteral("кликнув кнопку с папкой."));
  }
}
