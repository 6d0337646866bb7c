#pragma once
// The description text of a skin ("skin.ini"), written from the same layout
// its pictures were drawn with.
#include "tools/skinmaker/SkinLayout.h"

#include <QByteArray>
#include <QStringList>

// The lines of the description, section by section.
QStringList Describe(const TSkin& s);
// The file: the lines in the Windows-1251 code page, each ended by CR LF.
QByteArray DescriptionFile(const TSkin& s);
