#include "app/Accessibility.h"
#include "app/Startup.h"
#include "platform/Forms.h"
#include "platform/Translations.h"
#include "skin/SkinHint.h"

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  platform::LoadTranslations();
  app.SetTitle(kApplicationTitle);
  SetProgramIdentity();
  InstallSkinHints();
  InstallAccessibility();
  CreateForms();
  app.Run();
  DestroyForms();
  return 0;
}
