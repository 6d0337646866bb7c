#pragma once
// A stored skin's container, inflated and decoded: its pictures and its
// description text. Windows that carry the same stored skin (the same
// compressed bytes) get the same decoded container, so each distinct skin is
// inflated and decoded once while any window holds it; the pictures reach the
// windows through QImage's implicit sharing. The pictures are opaque
// Format_ARGB32_Premultiplied, so composing them never converts them again.
//
// Reading a container checks every picture in full, so a damaged skin is
// refused when it is loaded, but it decodes only what a window needs as soon
// as it takes the skin: the pictures read for the windows' and controls'
// shapes (the masks) and those only decoding can check. The others are
// decoded together the first time any of them is drawn, so the skin of a
// window that is never shown costs little more than its compressed bytes.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <memory>
#include <utility>

class TbsSkinPixels;

// One picture of a decoded container. Its size is known at once; its pixels
// are decoded on the first call of Image() (or of the conversion to QImage)
// if they were not yet. A copy keeps the pixels alive, like a QImage copy.
class TbsSkinPicture {
public:
  TbsSkinPicture() = default;
  TbsSkinPicture(std::shared_ptr<TbsSkinPixels> store, int slot, QSize size);
  // A picture given whole, with its pixels.
  TbsSkinPicture(QImage image) : FOwn(std::move(image)), FSize(FOwn.size()) {}

  bool isNull() const { return FSize.isEmpty(); }
  QSize size() const { return FSize; }
  int width() const { return FSize.width(); }
  int height() const { return FSize.height(); }
  QRect rect() const { return QRect(QPoint(0, 0), FSize); }
  bool Decoded() const;  // the pixels are there (a null picture has none to wait for)

  // The pixels; a null image for a null picture.
  const QImage& Image() const;
  operator const QImage&() const { return Image(); }
  QRgb pixel(int x, int y) const { return Image().pixel(x, y); }
  const uchar* constBits() const { return Image().constBits(); }
  QImage::Format format() const { return Image().format(); }

  friend bool operator==(const TbsSkinPicture& a, const QImage& b) { return a.Image() == b; }
  friend bool operator==(const QImage& a, const TbsSkinPicture& b) { return a == b.Image(); }

private:
  friend struct TbsDecodedSkin;
  std::shared_ptr<TbsSkinPixels> FStore;
  int FSlot = -1;
  QImage FOwn;  // a picture given whole
  QSize FSize;
};

struct TbsDecodedSkin {
  bool TooNew = false;  // a container version above 3: nothing else is read
  TbsSkinPicture Picture, InActivePicture, Mask;
  QList<TbsSkinPicture> ActivePictures;
  QByteArray Description;  // the description text after the pictures

  // Decodes now the active pictures of these indexes that still wait
  // (others are ignored): those a window reads as soon as it takes the skin.
  // Only a picture still waiting costs a pass over the stream.
  void DecodeNow(const QList<int>& activeIndexes) const;

  std::shared_ptr<TbsSkinPixels> Store;  // the pictures' pixels
};

// The decoded container of a compressed stream. A damaged stream throws
// (EDecompressionError, EReadError) each time it is asked for; nothing of it
// is kept. The decoded container lives as long as someone holds it.
std::shared_ptr<const TbsDecodedSkin> DecodeStoredSkin(const QByteArray& compressed);

// Containers decoded and still held by someone (for tests and benchmarks).
int DecodedSkinCount();
