#pragma once
// The program's eight windows for a test: created in SetUp as at start-up,
// destroyed in TearDown.
#include "tests/common/Compositor.h"

#include <gtest/gtest.h>

class ProgramWindowsTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  // Skips the splash's three seconds: runs its timer handler now, so that the
  // main window is shown and the splash is gone.
  static void FinishSplash();
};
