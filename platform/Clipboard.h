#pragma once
// The clipboard, as plain text.
#include <QString>

namespace platform {

QString ClipboardText();
// Puts `text` on the clipboard; an empty text leaves the clipboard empty.
void SetClipboardText(const QString& text);

}  // namespace platform
