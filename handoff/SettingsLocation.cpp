#include "handoff/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kSettingsFolder = QStringLiteral("PatchMoment");
const QString kSettingsFile = QStringLiteral("PatchMoment/PatchMoment.ini");

std::function<bool(const QString&)> gWriteQuery;

bool MayWrite(const QString& folder) {
  if (gWriteQuery) return gWriteQuery(folder);
  return QFileInfo(folder).isWritable();  // as the running user may (access(2))
}

// A copy installed under /usr never writes beside itself, not even for the
// super-user: that tree belongs to the package manager, and what the program
// left there would outlive the package.
bool InstalledUnderUsr(const QString& programFolder) {
  return programFolder.startsWith(QStringLiteral("/usr/"));
}

}  // namespace

QString SettingsFileFor(const QString& programFolder) {
  const QString beside = programFolder + kSettingsFile;
  if (QFileInfo::exists(beside)) return beside;
  // The settings folder when it is there; else the program folder, where it
  // would be made. Something else standing in its place is left to the write,
  // which reports it as before.
  const QFileInfo folder(programFolder + kSettingsFolder);
  const QString target = folder.isDir() ? folder.filePath() : programFolder;
  if (!InstalledUnderUsr(programFolder) && MayWrite(target)) return beside;
  return UserConfigFolder() + QLatin1Char('/') + kSettingsFile;
}

QString UserConfigFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  // The base-directory rules ignore a relative $XDG_CONFIG_HOME: the file
  // would move with the current folder.
  if (!QDir::isAbsolutePath(folder)) folder = QDir::homePath() + QStringLiteral("/.config");
  return folder;
}

void SetFolderWriteQuery(std::function<bool(const QString& folder)> query) { gWriteQuery = std::move(query); }
