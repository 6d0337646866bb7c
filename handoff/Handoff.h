#pragma once
// Hand-off of the result sentence: the drawing program's path in the settings
// file beside the program, the clipboard copy and the launch.
#include <QString>

class QLineEdit;
class TForm;
class TOpenDialog;
class TbsSkinMessage;

// The folder of the running program with a trailing separator, and the
// drawing program's path as last read: one value each for the whole run.
extern QString ProgramFolder;
extern QString DrawingProgramPath;

// The path button: asks for the program in the dialog, stores it, confirms.
void ChooseDrawingProgramPath(TForm* owner, TOpenDialog* dialog, TbsSkinMessage* message);
// The copy button: selects the whole field and copies it, then confirms.
void CopySentenceToClipboard(QLineEdit* edit, TbsSkinMessage* message);
// The launch button: reads the path and starts the program found there; a
// file that is there but does not start is named in a notice with the reason.
void LaunchDrawingProgram(TForm* owner, TbsSkinMessage* message);
// Refreshes ProgramFolder from the program's own file name.
void TakeProgramFolder();

// The settings file: ProgramFolder + "PatchMoment/PatchMoment.ini", or the
// same in the user's configuration folder when the program's folder neither
// holds it nor may be written (see SettingsLocation.h). The program folder is
// taken first when it is not known yet.
QString SettingsFileName();
// Reads section Patch, key Patch1 (default "Нет текста.") into
// DrawingProgramPath and returns it; never fails.
QString ReadDrawingProgramPath();
// The path last confirmed in either window's dialog during this run (empty
// until then): what the path button writes.
QString ChosenDrawingProgramPath();
// Back to the state at start: nothing chosen, nothing read, program folder
// not taken. For tests, which start a new "run" for each case.
void ResetHandoff();
