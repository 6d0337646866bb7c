#pragma once
// The pictures of a skin: the main picture (frame) and its mask, and every
// active picture by its role.
#include "tools/skinmaker/SkinLayout.h"

#include <QImage>

// The frame: caption band and borders around the client area.
QImage DrawMain(const TSkin& s);
// The window's shape over the main picture: black keeps the window, white
// cuts it away (two colours, indexed).
QImage DrawMainMask(const TSkin& s);
// Draws every active picture of the skin into its Image.
void DrawPictures(TSkin& s);
// The control sheet (SheetDrawing.cpp).
QImage DrawSheet(const TSkin& s);
