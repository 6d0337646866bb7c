#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

namespace {
TShellRecorder gRecorder;
}

TShellRoute ShellRouteFor(const QString& path) {
  const QFileInfo info(path);
  return info.isFile() && info.isExecutable() ? TShellRoute::Program : TShellRoute::DefaultHandler;
}

bool ShellOpen(const QString& path) {
  if (path.isEmpty()) return false;
  // An absolute path never starts with a dash, and QProcess does not search
  // PATH for a program named with a separator.
  const QString absolute = QFileInfo(path).absoluteFilePath();
  const TShellRoute route = ShellRouteFor(absolute);
  if (gRecorder) {
    gRecorder(absolute, route);
    return true;
  }
  if (route == TShellRoute::Program) {
    QProcess process;
    process.setProgram(absolute);
    process.setArguments({});
    if (process.startDetached()) return true;
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}

void SetShellRecorder(TShellRecorder recorder) { gRecorder = std::move(recorder); }

}  // namespace platform
