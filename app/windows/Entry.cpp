// The windowed program: application object, translations, title, skin
// hints, accessibility, the eight windows and the event loop.
#include "app/windows/Entry.h"

#include "app/Accessibility.h"
#include "app/Startup.h"
#include "platform/Forms.h"
#include "platform/Translations.h"
#include "skin/SkinHint.h"

#include <string_view>
#include <type_traits>

extern "C" __attribute__((visibility("default"))) int momenty_windows_main(int argc, char** argv) {
  BeginStartWork();
  TApplication app(argc, argv);
  ApplicationMade();
  platform::LoadTranslations();
  app.SetTitle(kApplicationTitle);
  SetProgramIdentity();
  InstallSkinHints();
  InstallAccessibility();
  CreateForms();
  app.Run();
  EndStartWork();
  DestroyForms();
  return 0;
}

static_assert(std::is_same_v<decltype(momenty_windows_main), TWindowsEntry>);
static_assert(std::string_view(kWindowsEntryName) == "momenty_windows_main");
