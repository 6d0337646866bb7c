#include "app/Startup.h"
#include "platform/Forms.h"

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  app.SetTitle(kApplicationTitle);
  CreateForms();
  app.Run();
  DestroyForms();
  return 0;
}
