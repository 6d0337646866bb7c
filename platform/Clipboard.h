#pragma once
// The clipboard, as plain text.
#include <QString>

namespace platform {

QString ClipboardText();
// Puts `text` on the clipboard; an empty text leaves the clipboard empty.
void SetClipboardText(const QString& text);

// The selection that the middle button pastes (X11's primary selection).
// HasSelectionText is false where the system keeps none.
bool HasSelectionText();
QString SelectionText();

}  // namespace platform
