#pragma once
// The manual page momenty(1), made from the commands' own help texts.
#include <QString>

namespace cli {

// The page in the man macros of troff, UTF-8 text.
QString ManPage();

}  // namespace cli
