#pragma once
// Program start: the application object's title and the eight windows,
// created once in a fixed order.
#include <QString>

extern const QString kApplicationTitle;

// Creates the windows in order: splash, main, About, bolt, nut, note,
// calculation, pneumatic fittings, and wires the way back from the working
// windows to the main window. The splash plays its fade-in (and shows itself)
// before the next window is created.
void CreateForms();
// Destroys whatever windows are left, in reverse order.
void DestroyForms();
