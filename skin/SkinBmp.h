#pragma once
// Windows bitmap files inside the skin container: reading one from a byte
// buffer (its length is the total size in its file header), and writing
// pictures as BMP files of a chosen depth for the skin tools.
#include <QByteArray>
#include <QImage>

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
// they are not there or not sound.
TBmpInfo ReadBmpInfo(QByteArrayView data, qsizetype pos);

// Reads the BMP file starting at `pos` and moves `pos` past it. 1, 4 and 8 bpp
// pictures come back as Format_Indexed8 with their colour table, deeper ones
// as Format_RGB32. A file that runs past the end of the data, or that cannot
// be decoded, throws EReadError and leaves `pos` where it was.
QImage ReadBmp(QByteArrayView data, qsizetype& pos);

// A complete BMP file of the picture at 1, 4, 8 or 24 bits per pixel. For
// 1, 4 and 8 the picture must be Format_Indexed8 with a colour table of at
// most 2^bits entries (indices beyond it are invalid).
QByteArray WriteBmp(const QImage& image, int bitsPerPixel);
