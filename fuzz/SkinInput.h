#pragma once
// One input of the skin fuzzer, shared by the fuzz target and the test that
// replays its corpus: the bytes loaded as a stored skin and, when that
// succeeds, drawn with on windows and controls offscreen.
#include <QByteArrayView>

// The first byte chooses the form of the rest: even — a container, which is
// compressed here so that the search reaches the parser; odd — the
// compressed stream itself, as a window would carry it. Returns false when a
// load that failed left anything of the skin behind; anything worse shows
// as a crash or a sanitizer report. Needs a running application.
bool RunSkinInput(QByteArrayView input);
