#pragma once
// Program start: the application object's title and the eight windows,
// created once in a fixed order.
#include <QString>

extern const QString kApplicationTitle;

// Tells the desktop who the program is, before any window exists: the name
// that becomes its windows' class (WM_CLASS, which the desktop entry's
// StartupWMClass names), its desktop entry, and the icon every window carries
// for the window manager, the task bar and Alt+Tab (the skinned frames go on
// drawing their own).
void SetProgramIdentity();

// Creates the windows in order: splash, main, About, bolt, nut, note,
// calculation, pneumatic fittings, and wires the way back from the working
// windows to the main window. The splash plays its fade-in (and shows itself)
// before the next window is created.
void CreateForms();
// Destroys whatever windows are left, in reverse order.
void DestroyForms();
