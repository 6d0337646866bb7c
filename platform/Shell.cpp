#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <cerrno>

namespace platform {

namespace {
TShellRecorder gRecorder;

// QProcess gives a failed start only as text, "execv: " and the system's
// message for the error number; the number is found again by its message.
TShellResult StartFailure(const QString& text) {
  const struct {
    int Error;
    TShellFailure Failure;
  } known[] = {{EACCES, TShellFailure::NoPermission},
               {EPERM, TShellFailure::NoPermission},
               {ENOEXEC, TShellFailure::NotAProgram}};
  for (const auto& k : known)
    if (text.endsWith(qt_error_string(k.Error))) return {k.Failure, text};
  return {TShellFailure::Other, text};
}
}  // namespace

TShellRoute ShellRouteFor(const QString& path) {
  const QFileInfo info(path);
  return info.isFile() && info.isExecutable() ? TShellRoute::Program : TShellRoute::DefaultHandler;
}

TShellResult ShellOpen(const QString& path) {
  if (path.isEmpty()) return {TShellFailure::Other, {}};
  // An absolute path never starts with a dash, and QProcess does not search
  // PATH for a program named with a separator.
  const QString absolute = QFileInfo(path).absoluteFilePath();
  const TShellRoute route = ShellRouteFor(absolute);
  if (gRecorder) {
    gRecorder(absolute, route);
    return {};
  }
  if (route == TShellRoute::Program) {
    QProcess process;
    process.setProgram(absolute);
    process.setArguments({});
    if (process.startDetached()) return {};
    return StartFailure(process.errorString());
  }
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(absolute))) return {};
  return {TShellFailure::NoHandler, {}};
}

void SetShellRecorder(TShellRecorder recorder) { gRecorder = std::move(recorder); }

}  // namespace platform
