#pragma once
// A stored skin's container, inflated and decoded: its pictures and its
// description text. Windows that carry the same stored skin (the same
// compressed bytes) get the same decoded container, so each distinct skin is
// inflated and decoded once while any window holds it; the pictures reach the
// windows through QImage's implicit sharing. The pictures are opaque
// Format_ARGB32_Premultiplied, so composing them never converts them again.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <memory>

struct TbsDecodedSkin {
  bool TooNew = false;  // a container version above 3: nothing else is read
  QImage Picture, InActivePicture, Mask;
  QList<QImage> ActivePictures;
  QByteArray Description;  // the description text after the pictures
};

// The decoded container of a compressed stream. A damaged stream throws
// (EDecompressionError, EReadError) each time it is asked for; nothing of it
// is kept. The decoded container lives as long as someone holds it.
std::shared_ptr<const TbsDecodedSkin> DecodeStoredSkin(const QByteArray& compressed);

// Containers decoded and still held by someone (for tests and benchmarks).
int DecodedSkinCount();
