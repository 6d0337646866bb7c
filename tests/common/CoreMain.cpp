// The core tests run without a display and without a window: Qt Core only,
// with the Russian separators.
#include "core/Separators.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication app(argc, argv);
  core::SetLocaleSeparators(QChar(','), QChar(0x00A0));
  return RUN_ALL_TESTS();
}
