#include "forms/WorkingForm.h"

void TWorkingForm::ShowOpener() {
  if (FOpener) FOpener->Show();
}

void TWorkingForm::HideOpener() {
  if (FOpener) FOpener->Hide();
}
