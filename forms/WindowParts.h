#pragma once
// Building blocks the windows' layout tables use.
#include "platform/Graphics.h"
#include "skin/SkinButton.h"

#include <QImage>
#include <QString>

// A picture built into the program (resources/art), or a null image.
QImage ArtImage(const QString& name);

// One push button of a layout table.
struct TButtonDef {
  const char* Name;
  int Left, Top, Width, Height;
  const char* Caption;
  const char* Hint;
  const char* Glyph;  // resource name, or nullptr
};

// Creates a push button as all the windows' buttons are stored: the skin's
// size, font and colour switched off, Arial bold 16 px black, hand cursor.
TbsSkinButton* MakeButton(QWidget* parent, const TButtonDef& row,
                          const TFont& font = TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlack));

class TForm;
class TbsSkinData;
class TbsCompressedStoredSkin;
// Gives a window its own copy of a stored skin built into the program
// ("iMetal.skn", "iMetal2.skn", "CyberObject.skn") and loads it into the
// window's skin data. A skin that fails to load leaves the window plain; the
// error goes to the general error display.
TbsCompressedStoredSkin* AttachStoredSkin(TForm* form, TbsSkinData* data, const QString& name);
