#pragma once
// Profile (INI) strings: one key read or written per call, the file opened
// afresh every time.
//
// Layout understood: "[Section]" lines, "Key=Value" lines, comment lines
// starting with ';' or '#'. Section and key names compare without regard to
// case and surrounding blanks. Lines may end in LF or CR LF. Each line is read
// as UTF-8 when it is valid UTF-8 and as Windows-1251 otherwise (files written
// by the Windows version of the program).
#include <QString>

namespace platform {

// The value of `key` in `section` of `file`, or `defaultValue` when the file,
// the section or the key is missing. Never fails.
QString GetProfileString(const QString& file, const QString& section, const QString& key,
                         const QString& defaultValue);

// Sets `key` in `section` of `file` to `value`, creating the file (not its
// folder) on first write. Every other line keeps its bytes. The new content
// is written to a new file in the same folder and renamed over the old one,
// so a failed write (read-only folder, full disk) leaves the old file byte
// for byte; a file marked read-only is not replaced.
// Throws EIniFileException("Unable to write to " + file) when the file cannot
// be written, or when the value holds a line break (it could not be read back).
void WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value);

// Windows-1251 bytes to text (the code page of the Windows version's files).
QString DecodeWindows1251(const QByteArray& bytes);

}  // namespace platform
