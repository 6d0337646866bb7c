#pragma once
// Qt's own texts (the file dialog's title, labels and buttons) in Russian.

namespace platform {

// Installs Qt's Russian translation (qtbase_ru) from Qt's translations folder
// into the running application. Returns false, changing nothing, when it is
// not installed.
bool LoadTranslations();

}  // namespace platform
