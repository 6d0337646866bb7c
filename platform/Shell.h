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

// Opens the file at `path` (made absolute against the current folder): a
// program is started directly, detached, with no arguments and no shell in
// between, so that nothing in the path is interpreted; any other file goes to
// the desktop's default handler. A program that the system refuses to start
// (an executable-looking file on a foreign file system, say) goes to the
// default handler too. Returns whether the request was handed over; the
// caller does not wait for the started program.
bool ShellOpen(const QString& path);

// Tests install a recorder: ShellOpen then starts nothing and reports the
// absolute path and the route instead. An empty function restores launching.
using TShellRecorder = std::function<void(const QString& path, TShellRoute route)>;
void SetShellRecorder(TShellRecorder recorder);

}  // namespace platform
