#pragma once
// Tests that take the window system's answer about a compositing manager
// into their own hands.
#include "platform/WindowSystem.h"

// While it lives, the program sees no compositing manager on screen.
struct WithoutCompositor {
  WithoutCompositor() { platform::SetCompositorQuery([] { return false; }); }
  ~WithoutCompositor() { platform::SetCompositorQuery(nullptr); }
};
