#pragma once
// Installs what a screen reader learns of the program's windows: the skinned
// controls' interfaces and the pneumatic fittings picture read as a table.
// Called once at start-up, before the first window is made.
void InstallAccessibility();
