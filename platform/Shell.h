#pragma once
// The shell's "open" on a file path.
#include <QString>
#include <functional>

namespace platform {

// How a path is opened: a program is started itself, anything else is handed
// to the desktop's default handler for its type.
enum class TShellRoute { Program, DefaultHandler };

// The route ShellOpen takes for an existing file: Program for a regular file
// the user may execute, DefaultHandler otherwise.
TShellRoute ShellRouteFor(const QString& path);

// Why a file was not opened.
enum class TShellFailure {
  None,
  NoPermission,  // the system refused to start the program
  NotAProgram,   // marked executable, but in no form the system runs
  NoHandler,     // not a program, and the desktop has nothing to open it with
  Other,         // anything else; the system's words say what
};

struct TShellResult {
  TShellFailure Failure = TShellFailure::None;
  QString SystemText;  // the system's own words, when it gave any
  bool Ok() const { return Failure == TShellFailure::None; }
};

// Opens the file at `path` (made absolute against the current folder): a
// program is started directly, detached, with no arguments and no shell in
// between, so that nothing in the path is interpreted; any other file goes to
// the desktop's default handler. A program the system refuses to start is
// not handed on: it fails with the system's reason. The caller does not wait
// for the started program.
TShellResult ShellOpen(const QString& path);

// Tests install a recorder: ShellOpen then starts nothing and reports the
// absolute path and the route instead. An empty function restores launching.
using TShellRecorder = std::function<void(const QString& path, TShellRoute route)>;
void SetShellRecorder(TShellRecorder recorder);

}  // namespace platform
