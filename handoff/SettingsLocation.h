#pragma once
// Where the settings file lies.
//
// Beside the program, as "PatchMoment/PatchMoment.ini" in its folder, when
// that folder already holds the file or may be written there (portable use).
// Otherwise in the user's configuration folder, $XDG_CONFIG_HOME (~/.config
// by default) + "/PatchMoment/PatchMoment.ini": the Linux counterpart of the
// per-user store that a protected program folder is redirected to on the
// system the program comes from. Reading asks in the same order as writing.
#include <QString>
#include <functional>

// The settings file of a program in `programFolder` (with its trailing "/").
QString SettingsFileFor(const QString& programFolder);

// The user's configuration folder, without a trailing separator.
QString UserConfigFolder();

// Whether the program may write in a folder. Tests answer for the file
// system (to the super-user every folder is writable); an empty function asks
// the file system again.
void SetFolderWriteQuery(std::function<bool(const QString& folder)> query);
