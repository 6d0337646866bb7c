#include "skin/SkinDecoded.h"

#include "platform/Exceptions.h"
#include "skin/SkinBmp.h"
#include "skin/StoredSkin.h"

#include <QtEndian>
#include <algorithm>
#include <vector>

namespace {
[[noreturn]] void ReadError() { throw EReadError(QStringLiteral("Stream read error")); }

qint32 ReadInt32(QByteArrayView data, qsizetype& pos) {
  if (data.size() - pos < 4) ReadError();
  const qint32 v = qFromLittleEndian<qint32>(data.data() + pos);
  pos += 4;
  return v;
}

char ReadByte(QByteArrayView data, qsizetype& pos) {
  if (pos >= data.size()) ReadError();
  return data[pos++];
}

// A skin picture, decoded straight into the format every composition works in.
QImage ReadPicture(QByteArrayView data, qsizetype& pos, qint64& budget) {
  return ReadBmp(data, pos, &budget, TBmpTarget::Premultiplied);
}

// A flag byte, and the bitmap that follows it when the flag is 0.
QImage ReadFlaggedPicture(QByteArrayView data, qsizetype& pos, qint64& budget) {
  if (ReadByte(data, pos) != 0) return {};
  return ReadPicture(data, pos, budget);
}

TbsDecodedSkin DecodeContainer(const QByteArray& data) {
  TbsDecodedSkin skin;
  qsizetype pos = 0;
  const qint32 version = ReadInt32(data, pos);
  if (version > 3) {
    skin.TooNew = true;
    return skin;
  }
  // All pictures of the skin share one pixel budget.
  qint64 budget = kMaxSkinPixels;
  skin.Picture = ReadFlaggedPicture(data, pos, budget);
  skin.InActivePicture = ReadFlaggedPicture(data, pos, budget);
  skin.Mask = ReadFlaggedPicture(data, pos, budget);
  if (version == 2) {
    // Two more pictures of the older container, read and dropped.
    ReadFlaggedPicture(data, pos, budget);
    ReadFlaggedPicture(data, pos, budget);
  }
  const qint32 count = ReadInt32(data, pos);
  for (qint32 i = 0; i < count; ++i) skin.ActivePictures.append(ReadPicture(data, pos, budget));
  skin.Description = data.sliced(pos);
  return skin;
}

// The streams decoded so far, each with its container while someone holds it.
struct TEntry {
  QByteArray Compressed;
  std::weak_ptr<const TbsDecodedSkin> Decoded;
};
std::vector<TEntry>& Entries() {
  static std::vector<TEntry> entries;
  return entries;
}

void DropExpired() {
  auto& entries = Entries();
  entries.erase(std::remove_if(entries.begin(), entries.end(), [](const TEntry& e) { return e.Decoded.expired(); }),
                entries.end());
}
}  // namespace

std::shared_ptr<const TbsDecodedSkin> DecodeStoredSkin(const QByteArray& compressed) {
  DropExpired();
  for (const TEntry& e : Entries())
    if (e.Compressed == compressed)
      if (auto held = e.Decoded.lock()) return held;
  auto decoded = std::make_shared<const TbsDecodedSkin>(DecodeContainer(skinstream::Inflate(compressed)));
  Entries().push_back({compressed, decoded});
  return decoded;
}

int DecodedSkinCount() {
  DropExpired();
  return int(Entries().size());
}
