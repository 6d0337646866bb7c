#include "tests/app/ProgramWindows.h"

#include "app/Startup.h"
#include "app/UnitDBtqrZastavka.h"
#include "platform/Forms.h"

#include <QCoreApplication>

void ProgramWindowsTest::SetUp() {
  Application->ResetTermination();
  Application->SetTitle(kApplicationTitle);
  SetProgramIdentity();
  CreateForms();
}

void ProgramWindowsTest::TearDown() {
  DestroyForms();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Application->ResetTermination();
}

void ProgramWindowsTest::FinishSplash() {
  if (!FormDBtqrZastavka) return;
  FormDBtqrZastavka->Timer1->stop();
  FormDBtqrZastavka->Timer1Timer(FormDBtqrZastavka->Timer1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
