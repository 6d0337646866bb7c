#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

QString ClipboardText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? clipboard->text() : QString();
}

void SetClipboardText(const QString& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return;
  if (text.isEmpty())
    clipboard->clear();
  else
    clipboard->setText(text);
}

bool HasSelectionText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard && clipboard->supportsSelection();
}

QString SelectionText() {
  return HasSelectionText() ? QGuiApplication::clipboard()->text(QClipboard::Selection) : QString();
}

}  // namespace platform
