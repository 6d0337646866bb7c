#pragma once
// Windows bitmap files inside the skin container: reading one from a byte
// buffer (its length is the total size in its file header), and writing
// pictures as BMP files of a chosen depth for the skin tools.
#include "skin/SkinIni.h"

#include <QByteArray>
#include <QImage>

// No side of a skin picture may exceed this, and the pictures of one skin
// together may hold no more than kMaxSkinPixels: a container that asks for
// more is refused before anything is allocated for it.
constexpr int kMaxPictureSide = skinvalue::kMaxCoordinate;
constexpr qint64 kMaxSkinPixels = qint64(16) * 1024 * 1024;

struct TBmpInfo {
  quint32 FileSize = 0;  // total size from the file header
  quint32 PixelOffset = 0;
  int Width = 0;
  int Height = 0;        // negative for a top-down picture
  int BitCount = 0;
  quint32 Compression = 0;
  int ColorCount = 0;    // entries of the colour table
};

// Reads the headers of the BMP file starting at `pos`; throws EReadError when
// they are not there or not sound, or when a side exceeds kMaxPictureSide.
TBmpInfo ReadBmpInfo(QByteArrayView data, qsizetype pos);
// The same from the file's first bytes alone: `head` begins at the file and
// holds at least its headers (all of it when the file is shorter), and
// `available` is how many bytes the data holds from the file's start.
TBmpInfo ReadBmpHeaders(QByteArrayView head, qsizetype available);
// The most bytes the headers of a file can take.
constexpr qsizetype kMaxBmpHeaders = 14 + 124;

// What ReadBmp gives: the file's own kind of picture (1, 4 and 8 bpp as
// Format_Indexed8 with their colour table, deeper ones as Format_RGB32), or
// every depth as the opaque Format_ARGB32_Premultiplied that composition
// works in, decoded straight into it.
enum class TBmpTarget { FileDepth, Premultiplied };

// Checks a BMP file as ReadBmp does before it decodes a pixel, from its first
// bytes as ReadBmpHeaders takes them, with the same errors and the same
// `budget` taken: its headers, its size and, for an uncompressed file, that
// its pixel rows lie inside it (after which only a lack of memory can stop
// its decoding; a compressed file is only known sound once decoded).
// Returns the headers.
TBmpInfo CheckBmpHeaders(QByteArrayView head, qsizetype available, qint64* budget = nullptr);

// Reads the BMP file starting at `pos` and moves `pos` past it, as `target`
// says. A file that runs past the end of the data, or that cannot be
// decoded, throws EReadError and leaves `pos` where it was. With a `budget`,
// a picture of more pixels than it holds throws EReadError too, and the
// picture's pixels are taken off it.
QImage ReadBmp(QByteArrayView data, qsizetype& pos, qint64* budget = nullptr,
               TBmpTarget target = TBmpTarget::FileDepth);

// A complete BMP file of the picture at 1, 4, 8 or 24 bits per pixel. For
// 1, 4 and 8 the picture must be Format_Indexed8 with a colour table of at
// most 2^bits entries (indices beyond it are invalid).
QByteArray WriteBmp(const QImage& image, int bitsPerPixel);
