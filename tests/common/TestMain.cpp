// Test programs run on the offscreen platform with the Russian separators.
#include "platform/Forms.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  TApplication app(argc, argv);
  platform::SetLocaleSeparators(QChar(','), QChar(0x00A0));
  return RUN_ALL_TESTS();
}
