// libFuzzer target over the whole load of a stored skin: inflating, the
// container's pictures, the description and every record.
//
// The first byte chooses the form of the rest: even — a container, which is
// compressed here so that the search reaches the parser; odd — the
// compressed stream itself, as a window would carry it.
#include "platform/Exceptions.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  TbsCompressedStoredSkin stored;
  stored.LoadCompressedData((data[0] & 1) ? rest : skinstream::Deflate(rest, 1));
  TbsSkinData skin;
  try {
    skin.ReadStoredSkin(&stored);
  } catch (const Exception&) {
    // A damaged skin must end in one of our errors with nothing kept.
    if (!skin.Empty() || skin.ObjectCount() || skin.ControlCount() || skin.ActivePictureCount()) __builtin_trap();
    return 0;
  }
  // A loaded skin answers look-ups as the windows ask them.
  skin.FindControlIndex(QStringLiteral("button"));
  skin.ControlRecord<TbsDataSkinButtonControl>(QStringLiteral("button"));
  skin.FindObjectIndex(QStringLiteral("caption"));
  return 0;
}
