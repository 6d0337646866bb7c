#pragma once
// Program start: the application object's title and the eight windows,
// created once in a fixed order.
#include <QImage>
#include <QString>

extern const QString kApplicationTitle;

// Begins, on a thread of its own, the work of the first window that needs no
// application object: reading the font configuration and decoding the splash
// picture and the program's icon; and, once told that the application object
// exists, filling Qt's list of the system's fonts. Called before the
// application object is made, so that the two go on side by side; without it
// each is done where it is needed.
void BeginStartWork();
// Tells the start work that the application object exists (and lives until
// EndStartWork).
void ApplicationMade();
// Waits for the start work to end: before the application object goes.
void EndStartWork();
// The splash picture: the one decoded by the start work the first time it is
// asked for, a freshly decoded one after that (or without the start work).
QImage TakeSplashPicture();

// Tells the desktop who the program is, before any window exists: the name
// that becomes its windows' class (WM_CLASS, which the desktop entry's
// StartupWMClass names), its desktop entry, and the icon every window carries
// for the window manager, the task bar and Alt+Tab (the skinned frames go on
// drawing their own). The icon is handed over by the event loop, once the
// first window has first been painted.
void SetProgramIdentity();

// Creates the windows in order: splash, main, About, bolt, nut, note,
// calculation, pneumatic fittings, and wires the way back from the working
// windows to the main window. The splash plays its fade-in (and shows itself)
// before the next window is created.
void CreateForms();
// Destroys whatever windows are left, in reverse order.
void DestroyForms();
