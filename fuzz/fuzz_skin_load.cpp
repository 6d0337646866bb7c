// libFuzzer target over the whole load of a stored skin (inflating, the
// container's pictures, the description, every record) and, offscreen, the
// window frame and every control record drawn with what was loaded.
#include "fuzz/SkinInput.h"
#include "platform/Forms.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  new TApplication(*argc, *argv);  // lives as long as the fuzzer
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!RunSkinInput(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)))) __builtin_trap();
  return 0;
}
