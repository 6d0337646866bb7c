#pragma once
// Previews of a skin for the eye: a window drawn from the skin's pictures
// the way the program composes them (skin/SkinCompose.h), with the pieces
// laid out as the skin's description says.
#include "tools/skinmaker/SkinLayout.h"

#include <QImage>

// A window with a client area of `client`: the frame cut to the window's
// shape, its caption with the close and minimise buttons, two push buttons
// and a group box holding a drop-down list. What lies outside the shape is
// transparent. `main` and `mask` are the skin's main picture and mask.
QImage PreviewWindow(const TSkin& s, const QImage& main, const QImage& mask, QSize client);
