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
QImage ReadPicture(QByteArrayView data, qsizetype& pos) { return ReadBmp(data, pos, nullptr, TBmpTarget::Premultiplied); }

}  // namespace

// The pixels of one container's pictures. Those decoded with the container
// are here from the start; the others wait, and are decoded all together
// (inflating the stream again) the first time any of them is asked for.
class TbsSkinPixels {
public:
  explicit TbsSkinPixels(QByteArray compressed) : FCompressed(std::move(compressed)) {}

  // The picture whose file starts at `pos` of the inflated container.
  int Add(qsizetype pos, QImage image, bool waiting) {
    FSlots.push_back({pos, std::move(image), waiting});
    return int(FSlots.size()) - 1;
  }
  bool Waiting(int slot) const { return FSlots[std::size_t(slot)].Waiting; }

  const QImage& Pixels(int slot) {
    if (FSlots[std::size_t(slot)].Waiting) Decode(nullptr);
    return FSlots[std::size_t(slot)].Image;
  }

  // Decodes the waiting pictures among `picked` (all waiting ones when null).
  void Decode(const QList<int>* picked) {
    const auto wanted = [&](int i) { return FSlots[std::size_t(i)].Waiting && (!picked || picked->contains(i)); };
    bool any = false;
    for (int i = 0; i < int(FSlots.size()); ++i) any = any || wanted(i);
    if (!any) return;
    // Every picture was checked in full when the container was read, and the
    // stream inflates to the same bytes each time: only a lack of memory can
    // fail here, and the picture then stays empty (its window draws plain).
    QByteArray data;
    try {
      data = FInflated.isNull() ? skinstream::Inflate(FCompressed) : FInflated;
    } catch (const std::exception&) {
    }
    for (int i = 0; i < int(FSlots.size()); ++i) {
      if (!wanted(i)) continue;
      TSlot& slot = FSlots[std::size_t(i)];
      slot.Waiting = false;
      if (data.isNull()) continue;
      qsizetype pos = slot.Pos;
      try {
        slot.Image = ReadPicture(data, pos);
      } catch (const std::exception&) {
      }
    }
  }

  // The inflated container, kept while the first window decodes what it
  // needs at once.
  void KeepInflated(const QByteArray& data) { FInflated = data; }
  void DropInflated() { FInflated = QByteArray(); }

private:
  struct TSlot {
    qsizetype Pos = 0;
    QImage Image;
    bool Waiting = false;
  };
  QByteArray FCompressed;
  QByteArray FInflated;
  std::vector<TSlot> FSlots;
};

TbsSkinPicture::TbsSkinPicture(std::shared_ptr<TbsSkinPixels> store, int slot, QSize size)
    : FStore(std::move(store)), FSlot(slot), FSize(size) {}

bool TbsSkinPicture::Decoded() const { return !FStore || !FStore->Waiting(FSlot); }

const QImage& TbsSkinPicture::Image() const { return FStore ? FStore->Pixels(FSlot) : FOwn; }

void TbsDecodedSkin::DecodeNow(const QList<int>& activeIndexes) const {
  if (!Store) return;
  QList<int> picked;
  for (int i : activeIndexes)
    if (i >= 0 && i < ActivePictures.size() && ActivePictures[i].FStore) picked.append(ActivePictures[i].FSlot);
  Store->Decode(&picked);
  Store->DropInflated();
}

namespace {
// Reads the picture file at `pos` and moves past it. Every picture is checked
// in full now; its pixels are decoded now when `now` says so or when only
// decoding can check them (a compressed file), else they wait.
TbsSkinPicture ReadSkinPicture(const std::shared_ptr<TbsSkinPixels>& store, QByteArrayView data, qsizetype& pos,
                               qint64& budget, bool now) {
  const bool checked = CheckBmp(data, pos, &budget);
  const TBmpInfo info = ReadBmpInfo(data, pos);
  const QSize size(info.Width, info.Height < 0 ? -info.Height : info.Height);
  QImage image;
  if (now || !checked) {
    qsizetype at = pos;
    image = ReadPicture(data, at);
  }
  const int slot = store->Add(pos, std::move(image), !(now || !checked));
  pos += info.FileSize;
  return TbsSkinPicture(store, slot, size);
}

// A flag byte, and the picture that follows it when the flag is 0.
TbsSkinPicture ReadFlaggedPicture(const std::shared_ptr<TbsSkinPixels>& store, QByteArrayView data, qsizetype& pos,
                                  qint64& budget, bool now) {
  if (ReadByte(data, pos) != 0) return {};
  return ReadSkinPicture(store, data, pos, budget, now);
}

std::shared_ptr<const TbsDecodedSkin> DecodeContainer(const QByteArray& compressed) {
  auto skin = std::make_shared<TbsDecodedSkin>();
  const QByteArray data = skinstream::Inflate(compressed);
  qsizetype pos = 0;
  const qint32 version = ReadInt32(data, pos);
  if (version > 3) {
    skin->TooNew = true;
    return skin;
  }
  auto store = std::make_shared<TbsSkinPixels>(compressed);
  // All pictures of the skin share one pixel budget. The window's mask is
  // read for its shape as soon as a window takes the skin.
  qint64 budget = kMaxSkinPixels;
  skin->Picture = ReadFlaggedPicture(store, data, pos, budget, false);
  skin->InActivePicture = ReadFlaggedPicture(store, data, pos, budget, false);
  skin->Mask = ReadFlaggedPicture(store, data, pos, budget, true);
  if (version == 2) {
    // Two more pictures of the older container, checked and dropped.
    ReadFlaggedPicture(store, data, pos, budget, false);
    ReadFlaggedPicture(store, data, pos, budget, false);
  }
  const qint32 count = ReadInt32(data, pos);
  for (qint32 i = 0; i < count; ++i) skin->ActivePictures.append(ReadSkinPicture(store, data, pos, budget, false));
  skin->Description = data.sliced(pos);
  store->KeepInflated(data);
  skin->Store = store;
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
  std::shared_ptr<const TbsDecodedSkin> decoded = DecodeContainer(compressed);
  Entries().push_back({compressed, decoded});
  return decoded;
}

int DecodedSkinCount() {
  DropExpired();
  return int(Entries().size());
}
