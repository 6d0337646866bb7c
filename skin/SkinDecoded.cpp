#include "skin/SkinDecoded.h"

#include "platform/Exceptions.h"
#include "skin/SkinBmp.h"
#include "skin/StoredSkin.h"

#include <QtEndian>
#include <algorithm>
#include <vector>

namespace {
[[noreturn]] void ReadError() { throw EReadError(QStringLiteral("Stream read error")); }

qint32 ReadInt32(skinstream::TInflatingReader& in) {
  const QByteArrayView bytes = in.Take(4);
  if (bytes.size() < 4) ReadError();
  return qFromLittleEndian<qint32>(bytes.data());
}

char ReadByte(skinstream::TInflatingReader& in) {
  const QByteArrayView bytes = in.Take(1);
  if (bytes.isEmpty()) ReadError();
  return bytes[0];
}

// A skin picture, decoded straight into the format every composition works
// in; `pos` moves past its file.
QImage ReadPicture(QByteArrayView data, qsizetype& pos, qint64* budget) {
  return ReadBmp(data, pos, budget, TBmpTarget::Premultiplied);
}
}  // namespace

// The pixels of one container's pictures. Those decoded with the container
// are here from the start; the others wait, and are decoded all together
// (inflating the stream again) the first time any of them is asked for.
class TbsSkinPixels {
public:
  explicit TbsSkinPixels(QByteArray compressed) : FCompressed(std::move(compressed)) {}

  // The picture whose file of `size` bytes starts at `pos` of the inflated
  // container.
  int Add(qint64 pos, qint64 size, QImage image, bool waiting) {
    FSlots.push_back({pos, size, std::move(image), waiting});
    return int(FSlots.size()) - 1;
  }
  bool Waiting(int slot) const { return FSlots[std::size_t(slot)].Waiting; }

  const QImage& Pixels(int slot) {
    if (FSlots[std::size_t(slot)].Waiting) Decode(nullptr);
    return FSlots[std::size_t(slot)].Image;
  }

  // Decodes the waiting pictures among `picked` (all waiting ones when null),
  // in one pass over the stream: the slots lie in the order of their files.
  void Decode(const QList<int>* picked) {
    const auto wanted = [&](int i) { return FSlots[std::size_t(i)].Waiting && (!picked || picked->contains(i)); };
    qint64 largest = 0;
    for (int i = 0; i < int(FSlots.size()); ++i)
      if (wanted(i)) largest = std::max(largest, FSlots[std::size_t(i)].Size);
    if (largest == 0) return;
    // Every picture was checked in full when the container was read, and the
    // stream inflates to the same bytes each time: only a lack of memory can
    // fail here, and the picture then stays empty (its window draws plain).
    try {
      skinstream::TInflatingReader in(FCompressed);
      in.Expect(largest);
      for (int i = 0; i < int(FSlots.size()); ++i) {
        if (!wanted(i)) continue;
        TSlot& slot = FSlots[std::size_t(i)];
        slot.Waiting = false;
        in.Skip(slot.Pos - in.Position());
        qsizetype at = 0;
        slot.Image = ReadPicture(in.Take(slot.Size), at, nullptr);
      }
    } catch (const std::exception&) {
      if (!picked)
        for (TSlot& slot : FSlots) slot.Waiting = false;
    }
  }

private:
  struct TSlot {
    qint64 Pos = 0, Size = 0;
    QImage Image;
    bool Waiting = false;
  };
  QByteArray FCompressed;
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
}

namespace {
// Whether a picture's pixels are decoded as the container is read, from its
// headers (as many of its first bytes as there are): when `now` asks for it,
// when only decoding can check the file (a compressed one, or headers that
// do not read plainly), and for pictures of 8 bits or fewer a pixel, which
// are small and are what masks are made of: the windows' and controls'
// shapes are cut from them as soon as a window takes the skin. Deeper
// pictures wait until they are drawn.
bool DecodeAtOnce(QByteArrayView head, bool now) {
  if (now || head.size() < 14 + 16) return true;
  const auto* h = reinterpret_cast<const uchar*>(head.data()) + 14;
  const quint32 headerSize = qFromLittleEndian<quint32>(h);
  if (headerSize < 40 || head.size() < qsizetype(14 + 20)) return true;
  const int bits = qFromLittleEndian<quint16>(h + 14);
  const quint32 compression = qFromLittleEndian<quint32>(h + 16);
  return compression != 0 || bits <= 8;
}

// Reads the picture file next in the stream and passes it. Every picture is
// checked in full now, with the errors of reading it whole and in their
// order; its pixels are decoded now or wait (see DecodeAtOnce).
TbsSkinPicture ReadSkinPicture(const std::shared_ptr<TbsSkinPixels>& store, skinstream::TInflatingReader& in,
                               qint64& budget, bool now) {
  const qint64 pos = in.Position();
  const QByteArrayView head = in.Peek(kMaxBmpHeaders);
  const qsizetype fileSize = head.size() >= 6 ? qsizetype(qFromLittleEndian<quint32>(head.data() + 2)) : 0;
  if (DecodeAtOnce(head, now)) {
    // The whole file at hand (and what follows it, up to its headers' room),
    // read as it always was.
    qsizetype at = 0;
    QImage image = ReadPicture(in.Peek(std::max(fileSize, kMaxBmpHeaders)), at, &budget);
    in.Skip(at);
    const QSize size = image.size();
    const int slot = store->Add(pos, at, std::move(image), false);
    return TbsSkinPicture(store, slot, size);
  }
  // The headers alone; the pixels pass by. How much of the file the stream
  // holds is known once it has passed.
  const QByteArray headers = head.toByteArray();
  const qsizetype available = std::max(in.Skip(fileSize), headers.size());
  const TBmpInfo info = CheckBmpHeaders(headers, available, &budget);
  const int slot = store->Add(pos, info.FileSize, QImage(), true);
  return TbsSkinPicture(store, slot, QSize(info.Width, info.Height < 0 ? -info.Height : info.Height));
}

// A flag byte, and the picture that follows it when the flag is 0.
TbsSkinPicture ReadFlaggedPicture(const std::shared_ptr<TbsSkinPixels>& store, skinstream::TInflatingReader& in,
                                  qint64& budget, bool now) {
  if (ReadByte(in) != 0) return {};
  return ReadSkinPicture(store, in, budget, now);
}

std::shared_ptr<const TbsDecodedSkin> ReadContainer(skinstream::TInflatingReader& in, const QByteArray& compressed) {
  auto skin = std::make_shared<TbsDecodedSkin>();
  const qint32 version = ReadInt32(in);
  if (version > 3) {
    skin->TooNew = true;
    in.SkipToEnd();
    return skin;
  }
  auto store = std::make_shared<TbsSkinPixels>(compressed);
  // All pictures of the skin share one pixel budget. The window's mask is
  // read for its shape as soon as a window takes the skin.
  qint64 budget = kMaxSkinPixels;
  skin->Picture = ReadFlaggedPicture(store, in, budget, false);
  skin->InActivePicture = ReadFlaggedPicture(store, in, budget, false);
  skin->Mask = ReadFlaggedPicture(store, in, budget, true);
  if (version == 2) {
    // Two more pictures of the older container, checked and dropped.
    ReadFlaggedPicture(store, in, budget, false);
    ReadFlaggedPicture(store, in, budget, false);
  }
  const qint32 count = ReadInt32(in);
  for (qint32 i = 0; i < count; ++i) skin->ActivePictures.append(ReadSkinPicture(store, in, budget, false));
  skin->Description = in.Rest();
  skin->Store = store;
  return skin;
}

// The container is read as the stream inflates, never whole in memory. A
// damaged stream is refused as such whatever its container holds, as when
// the stream was inflated first: a container found wrong is read on to the
// stream's end before it is refused.
std::shared_ptr<const TbsDecodedSkin> DecodeContainer(const QByteArray& compressed) {
  skinstream::TInflatingReader in(compressed);
  try {
    return ReadContainer(in, compressed);
  } catch (const EReadError&) {
    in.SkipToEnd();
    throw;
  }
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
