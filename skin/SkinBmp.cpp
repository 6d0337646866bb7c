#include "skin/SkinBmp.h"

#include "platform/Exceptions.h"
#include "platform/Platform.h"

#include <QtEndian>
#include <cstring>

namespace {
constexpr quint32 kFileHeader = 14;
constexpr quint32 BI_RGB = 0;

[[noreturn]] void Invalid() { throw EReadError(QStringLiteral("Bitmap image is not valid")); }

quint32 U32(const uchar* p) { return qFromLittleEndian<quint32>(p); }
quint16 U16(const uchar* p) { return qFromLittleEndian<quint16>(p); }
qint32 I32(const uchar* p) { return qFromLittleEndian<qint32>(p); }

qint64 RowBytes(int width, int bits) { return ((qint64(width) * bits + 31) / 32) * 4; }
}  // namespace

TBmpInfo ReadBmpInfo(QByteArrayView data, qsizetype pos) {
  if (pos < 0 || pos > data.size()) throw EReadError(QStringLiteral("Stream read error"));
  return ReadBmpHeaders(data.sliced(pos), data.size() - pos);
}

TBmpInfo ReadBmpHeaders(QByteArrayView head, qsizetype available) {
  if (available < qsizetype(kFileHeader) + 4 || head.size() < qsizetype(kFileHeader) + 4)
    throw EReadError(QStringLiteral("Stream read error"));
  const auto* p = reinterpret_cast<const uchar*>(head.data());
  if (p[0] != 'B' || p[1] != 'M') Invalid();
  TBmpInfo info;
  info.FileSize = U32(p + 2);
  info.PixelOffset = U32(p + 10);
  const quint32 headerSize = U32(p + 14);
  // The file must hold its headers and must lie inside the data.
  if (info.FileSize > quint64(available)) throw EReadError(QStringLiteral("Stream read error"));
  if (headerSize != 12 && (headerSize < 40 || headerSize > 124)) Invalid();
  if (info.FileSize < kFileHeader + headerSize) Invalid();
  if (head.size() < qsizetype(kFileHeader + headerSize)) throw EReadError(QStringLiteral("Stream read error"));
  const uchar* h = p + kFileHeader;
  int planes;
  if (headerSize == 12) {
    info.Width = U16(h + 4);
    info.Height = U16(h + 6);
    planes = U16(h + 8);
    info.BitCount = U16(h + 10);
  } else {
    info.Width = I32(h + 4);
    info.Height = I32(h + 8);
    planes = U16(h + 12);
    info.BitCount = U16(h + 14);
    info.Compression = U32(h + 16);
  }
  if (planes != 1 || info.Width <= 0 || info.Width > kMaxPictureSide || info.Height == 0 ||
      info.Height < -kMaxPictureSide || info.Height > kMaxPictureSide)
    Invalid();
  switch (info.BitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: Invalid();
  }
  if (info.BitCount <= 8) {
    const quint32 used = headerSize == 12 ? 0 : U32(h + 32);
    const quint32 full = 1u << info.BitCount;
    info.ColorCount = int(used == 0 || used > full ? full : used);
    const quint32 entry = headerSize == 12 ? 3 : 4;
    if (kFileHeader + headerSize + quint64(info.ColorCount) * entry > info.FileSize) Invalid();
  }
  return info;
}

namespace {
// Run-length and bit-field pictures: the platform's decoder, confined to
// this file's bytes.
QImage DecodeCompressed(QByteArrayView data, qsizetype pos, const TBmpInfo& info, TBmpTarget target) {
  const QByteArray slice = QByteArray::fromRawData(data.data() + pos, info.FileSize);
  QImage image = QImage::fromData(slice, "BMP");
  if (image.isNull()) Invalid();
  if (target == TBmpTarget::Premultiplied) {
    // Compressed files may carry alpha; what the skin shows is opaque.
    image = image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  } else if (image.depth() > 8 && image.format() != QImage::Format_RGB32) {
    image = image.convertToFormat(QImage::Format_RGB32);
  }
  return image;
}

// The pixel rows of an uncompressed picture, top row first whichever way the
// file stores them.
struct TBmpRows {
  const uchar* Pixels;
  qint64 RowBytes;
  int Width, Height;
  bool TopDown;
  const uchar* operator()(int y) const { return Pixels + RowBytes * (TopDown ? y : Height - 1 - y); }
};

// 1, 4 and 8 bits: indices into the file's colour table (3-byte entries
// after the old 12-byte header, 4-byte ones otherwise; indices past its end
// are black). Kept as indices, or looked up into opaque colours.
QImage DecodeIndexed(const uchar* colorTable, int entryBytes, const TBmpInfo& info, const TBmpRows& rows,
                     TBmpTarget target) {
  const bool indexed = target == TBmpTarget::FileDepth;
  QImage image = platform::NewPicture(rows.Width, rows.Height,
                                      indexed ? QImage::Format_Indexed8 : QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) Invalid();
  QList<QRgb> table(1 << info.BitCount, qRgb(0, 0, 0));
  const uchar* c = colorTable;
  for (int i = 0; i < info.ColorCount; ++i, c += entryBytes) table[i] = qRgb(c[2], c[1], c[0]);
  if (indexed) image.setColorTable(table);
  const int bits = info.BitCount;
  const int mask = (1 << bits) - 1;
  auto index = [&](const uchar* s, int x) {
    if (bits == 8) return int(s[x]);
    const int bit = x * bits;
    return (s[bit >> 3] >> (8 - bits - (bit & 7))) & mask;
  };
  for (int y = 0; y < rows.Height; ++y) {
    const uchar* s = rows(y);
    if (!indexed) {
      auto* d = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < rows.Width; ++x) d[x] = table[index(s, x)];
      continue;
    }
    uchar* d = image.scanLine(y);
    if (bits == 8) {
      std::memcpy(d, s, size_t(rows.Width));
      continue;
    }
    for (int x = 0; x < rows.Width; ++x) d[x] = uchar(index(s, x));
  }
  return image;
}

void DecodeRow24(const uchar* s, QRgb* d, int width) {
  // Four pixels from three little-endian words: B G R B | G R B G | R B G R.
  int x = 0;
  for (; x + 4 <= width; x += 4, s += 12) {
    quint32 a, b, c;
    std::memcpy(&a, s, 4);
    std::memcpy(&b, s + 4, 4);
    std::memcpy(&c, s + 8, 4);
    d[x] = 0xFF000000u | (a & 0xFFFFFFu);
    d[x + 1] = 0xFF000000u | (a >> 24) | ((b & 0xFFFFu) << 8);
    d[x + 2] = 0xFF000000u | (b >> 16) | ((c & 0xFFu) << 16);
    d[x + 3] = 0xFF000000u | (c >> 8);
  }
  for (; x < width; ++x, s += 3) d[x] = qRgb(s[2], s[1], s[0]);
}

// 16 (five bits per channel), 24 and 32 bits: colours as they are, opaque
// (the same pixels in either target format).
QImage DecodeDirect(int bitCount, const TBmpRows& rows, TBmpTarget target) {
  QImage image = platform::NewPicture(
      rows.Width, rows.Height, target == TBmpTarget::FileDepth ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) Invalid();
  for (int y = 0; y < rows.Height; ++y) {
    const uchar* s = rows(y);
    auto* d = reinterpret_cast<QRgb*>(image.scanLine(y));
    switch (bitCount) {
      case 24:
        DecodeRow24(s, d, rows.Width);
        break;
      case 32:
        for (int x = 0; x < rows.Width; ++x, s += 4) d[x] = qRgb(s[2], s[1], s[0]);
        break;
      default:
        for (int x = 0; x < rows.Width; ++x, s += 2) {
          const int v = s[0] | (s[1] << 8);
          const int r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
          d[x] = qRgb(r << 3 | r >> 2, g << 3 | g >> 2, b << 3 | b >> 2);
        }
    }
  }
  return image;
}
}  // namespace

namespace {
// Everything ReadBmp checks before decoding; the file's headers.
TBmpInfo CheckedInfo(QByteArrayView head, qsizetype available, qint64* budget) {
  const TBmpInfo info = ReadBmpHeaders(head, available);
  const qint64 pixels = qint64(info.Width) * (info.Height < 0 ? -qint64(info.Height) : info.Height);
  if (budget) {
    if (pixels > *budget) Invalid();
    *budget -= pixels;
  }
  if (info.Compression != BI_RGB) return info;
  const quint32 headerSize = U32(reinterpret_cast<const uchar*>(head.data()) + 14);
  const qint64 row = RowBytes(info.Width, info.BitCount);
  const int height = info.Height < 0 ? -info.Height : info.Height;
  if (info.PixelOffset < kFileHeader + headerSize || info.PixelOffset > info.FileSize ||
      row * height > qint64(info.FileSize - info.PixelOffset))
    Invalid();
  return info;
}
}  // namespace

TBmpInfo CheckBmpHeaders(QByteArrayView head, qsizetype available, qint64* budget) {
  return CheckedInfo(head, available, budget);
}

QImage ReadBmp(QByteArrayView data, qsizetype& pos, qint64* budget, TBmpTarget target) {
  if (pos < 0 || pos > data.size()) throw EReadError(QStringLiteral("Stream read error"));
  const TBmpInfo info = CheckedInfo(data.sliced(pos), data.size() - pos, budget);
  if (info.Compression != BI_RGB) {
    QImage image = DecodeCompressed(data, pos, info, target);
    pos += info.FileSize;
    return image;
  }
  const auto* file = reinterpret_cast<const uchar*>(data.data()) + pos;
  const quint32 headerSize = U32(file + 14);
  const qint64 row = RowBytes(info.Width, info.BitCount);
  const int height = info.Height < 0 ? -info.Height : info.Height;
  const TBmpRows rows{file + info.PixelOffset, row, info.Width, height, info.Height < 0};
  QImage image = info.BitCount <= 8
                     ? DecodeIndexed(file + kFileHeader + headerSize, headerSize == 12 ? 3 : 4, info, rows, target)
                     : DecodeDirect(info.BitCount, rows, target);
  pos += info.FileSize;
  return image;
}

QByteArray WriteBmp(const QImage& image, int bits) {
  if (image.isNull() || (bits != 1 && bits != 4 && bits != 8 && bits != 24))
    throw EInvalidOperation(QStringLiteral("Cannot write a bitmap of this depth"));
  QImage src = image;
  if (bits == 24) {
    src = image.convertToFormat(QImage::Format_RGB32);
  } else if (image.format() != QImage::Format_Indexed8 || image.colorCount() > (1 << bits)) {
    throw EInvalidOperation(QStringLiteral("A palette picture needs an indexed image"));
  }
  const int width = src.width(), height = src.height();
  const int colors = bits == 24 ? 0 : (1 << bits);
  const qint64 row = RowBytes(width, bits);
  const quint32 offset = kFileHeader + 40 + quint32(colors) * 4;
  const quint32 size = offset + quint32(row * height);

  QByteArray out(qsizetype(size), '\0');
  auto* p = reinterpret_cast<uchar*>(out.data());
  p[0] = 'B';
  p[1] = 'M';
  qToLittleEndian<quint32>(size, p + 2);
  qToLittleEndian<quint32>(offset, p + 10);
  uchar* h = p + kFileHeader;
  qToLittleEndian<quint32>(40, h);
  qToLittleEndian<qint32>(width, h + 4);
  qToLittleEndian<qint32>(height, h + 8);
  qToLittleEndian<quint16>(1, h + 12);
  qToLittleEndian<quint16>(quint16(bits), h + 14);
  qToLittleEndian<quint32>(BI_RGB, h + 16);
  qToLittleEndian<quint32>(quint32(row * height), h + 20);
  qToLittleEndian<qint32>(2835, h + 24);  // 72 dpi
  qToLittleEndian<qint32>(2835, h + 28);
  qToLittleEndian<quint32>(quint32(colors), h + 32);
  uchar* c = h + 40;
  for (int i = 0; i < colors; ++i, c += 4) {
    const QRgb rgb = i < src.colorCount() ? src.color(i) : qRgb(0, 0, 0);
    c[0] = uchar(qBlue(rgb));
    c[1] = uchar(qGreen(rgb));
    c[2] = uchar(qRed(rgb));
  }
  for (int y = 0; y < height; ++y) {
    uchar* d = p + offset + row * (height - 1 - y);  // bottom-up
    const uchar* s = src.constScanLine(y);
    if (bits == 24) {
      const auto* px = reinterpret_cast<const QRgb*>(s);
      for (int x = 0; x < width; ++x, d += 3) {
        d[0] = uchar(qBlue(px[x]));
        d[1] = uchar(qGreen(px[x]));
        d[2] = uchar(qRed(px[x]));
      }
      continue;
    }
    for (int x = 0; x < width; ++x) {
      const int bit = x * bits;
      d[bit >> 3] |= uchar((s[x] & ((1 << bits) - 1)) << (8 - bits - (bit & 7)));
    }
  }
  return out;
}
