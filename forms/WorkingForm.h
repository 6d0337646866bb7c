#pragma once
// A working window: one the user opens from another window and leaves by
// closing it. It knows the window that opened it only as a window, given by
// the code that wires the windows together, never by that window's unit.
#include "platform/Forms.h"

#include <QPointer>

class TWorkingForm : public TForm {
  Q_OBJECT
public:
  using TForm::TForm;

  // The window to go back to; none (nullptr) leaves the way back empty, as
  // for a working window tried on its own.
  void SetOpener(TForm* opener) { FOpener = opener; }
  TForm* Opener() const { return FOpener; }

protected:
  // Shows the opener again: what a working window's FormClose does.
  void ShowOpener();
  // Hides the opener: a working window that hands the user on to another.
  void HideOpener();

private:
  QPointer<TForm> FOpener;
};
