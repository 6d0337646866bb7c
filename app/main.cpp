#include "app/Startup.h"
#include "cli/CommandLine.h"
#include "platform/Forms.h"
#include "platform/Translations.h"
#include "skin/SkinHint.h"

int main(int argc, char** argv) {
  // With arguments the command line answers; no window, no display.
  if (argc > 1) return cli::Main(argc, argv);
  TApplication app(argc, argv);
  platform::LoadTranslations();
  app.SetTitle(kApplicationTitle);
  InstallSkinHints();
  CreateForms();
  app.Run();
  DestroyForms();
  return 0;
}
