// The stored skin: inflating, the "CompressedData" property, the imports.
#include "platform/Exceptions.h"
#include "skin/SkinBmp.h"
#include "skin/StoredSkin.h"
#include "SkinDataTestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace skintest;

namespace {
QByteArray Pattern(int n) {
  QByteArray b(n, '\0');
  quint32 x = 12345;
  for (int i = 0; i < n; ++i) b[i] = char((x = x * 1103515245u + 12345u) >> 24);
  return b;
}
void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}
}  // namespace

TEST(StoredSkin, InflatesWhatWasDeflated) {
  for (int n : {0, 1, 4095, 4096, 4097, 100000}) {
    const QByteArray data = Pattern(n);
    const QByteArray z = skinstream::Deflate(data, 9);
    ASSERT_GE(z.size(), 2);
    EXPECT_EQ(uchar(z[0]), 0x78);
    EXPECT_EQ(uchar(z[1]), 0xDA);
    EXPECT_EQ(skinstream::Inflate(z), data) << n;
  }
  // Streams that shrink far (the output buffer grows many times over the
  // first guess), ending at, just before and just after power-of-two sizes.
  for (int n : {65535, 65536, 65537, 131072, 131073, 262143, 262144, 1048576, 1048577}) {
    QByteArray data(n, 'a');
    data[n / 3] = 'b';
    data[n - 1] = 'c';
    EXPECT_EQ(skinstream::Inflate(skinstream::Deflate(data)), data) << n;
  }
}

TEST(StoredSkin, InflateToWritesTheContainerIntoTheCallersDevice) {
  TbsCompressedStoredSkin skin;
  EXPECT_TRUE(skin.IsStoredEmpty());
  const QByteArray data = Pattern(9000);
  skin.LoadCompressedData(skinstream::Deflate(data));
  EXPECT_FALSE(skin.IsStoredEmpty());
  QBuffer target;
  target.open(QIODevice::WriteOnly);
  target.write("xy");
  skin.InflateTo(target);
  EXPECT_EQ(target.data(), QByteArray("xy") + data);
  // Rewound each time: a second call gives the same bytes.
  EXPECT_EQ(skin.Inflate(), data);
}

TEST(StoredSkin, DamagedStreamsAreCompressionErrors) {
  const QByteArray z = skinstream::Deflate(Pattern(20000));
  QByteArray badSum = z;
  badSum[badSum.size() - 1] = char(badSum[badSum.size() - 1] ^ 0x55);
  QByteArray badHeader = z;
  badHeader[0] = 0x12;
  for (const QByteArray& bad : {z.left(z.size() - 1), z.left(z.size() / 2), z.left(2), badSum, badHeader,
                                QByteArray("garbage!")}) {
    try {
      skinstream::Inflate(bad);
      ADD_FAILURE() << "no error for " << bad.size() << " bytes";
    } catch (const EDecompressionError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("compression error"));
    }
  }
  // Bytes after the end of the stream are not part of it.
  EXPECT_EQ(skinstream::Inflate(z + QByteArray("tail")), Pattern(20000));
}

TEST(StoredSkin, OutputIsBoundedAgainstInflationBombs) {
  const QByteArray huge(skinstream::kMaxInflatedSize + 1, '\0');
  const QByteArray z = skinstream::Deflate(huge);
  EXPECT_LT(z.size(), 200000);
  EXPECT_THROW(skinstream::Inflate(z), EDecompressionError);
  // Exactly at the limit is still allowed.
  const QByteArray most(skinstream::kMaxInflatedSize, '\0');
  EXPECT_EQ(skinstream::Inflate(skinstream::Deflate(most)).size(), skinstream::kMaxInflatedSize);
}

TEST(StoredSkin, ReaderGivesTheStreamInPiecesWithInflatesErrors) {
  // Pieces of every kind and length, small and past the reader's window.
  for (int n : {0, 1, 70000, 300000}) {
    const QByteArray data = Pattern(n);
    skinstream::TInflatingReader in(skinstream::Deflate(data));
    QByteArray seen;
    quint32 x = 7;
    for (int round = 0; seen.size() < n; ++round) {
      const qsizetype want = (x = x * 1103515245u + 12345u) >> 15;  // up to 128K
      const qsizetype at = seen.size();
      const QByteArrayView peeked = in.Peek(want);
      ASSERT_EQ(peeked, QByteArrayView(data).sliced(at, std::min<qsizetype>(want, n - at))) << n << " " << round;
      if (round % 3 == 2) {
        EXPECT_EQ(in.Skip(want), std::min<qsizetype>(want, n - at));
        seen.append(data.mid(at, want));
      } else {
        seen.append(in.Take(want).toByteArray());
      }
      ASSERT_EQ(in.Position(), seen.size()) << n;
    }
    EXPECT_EQ(seen, data);
    EXPECT_TRUE(in.Take(10).isEmpty());
    EXPECT_EQ(in.Skip(10), 0);
  }
  // The errors come as reading reaches them; bytes after the end are not
  // part of the stream.
  const QByteArray z = skinstream::Deflate(Pattern(20000));
  QByteArray badSum = z;
  badSum[badSum.size() - 1] = char(badSum[badSum.size() - 1] ^ 0x55);
  for (const QByteArray& bad : {z.left(z.size() - 1), z.left(z.size() / 2), badSum, QByteArray("garbage!")}) {
    skinstream::TInflatingReader in(bad);
    EXPECT_THROW(in.SkipToEnd(), EDecompressionError) << bad.size();
  }
  skinstream::TInflatingReader tail(z + QByteArray("tail"));
  EXPECT_EQ(tail.Take(30000).toByteArray(), Pattern(20000));
  skinstream::TInflatingReader bomb(skinstream::Deflate(QByteArray(skinstream::kMaxInflatedSize + 1, '\0')));
  EXPECT_THROW(bomb.SkipToEnd(), EDecompressionError);
  skinstream::TInflatingReader most(skinstream::Deflate(QByteArray(skinstream::kMaxInflatedSize, '\0')));
  EXPECT_NO_THROW(most.SkipToEnd());
  EXPECT_EQ(most.Position(), skinstream::kMaxInflatedSize);
}

TEST(StoredSkin, CompressedDataPropertyRoundTrip) {
  TbsCompressedStoredSkin a;
  a.LoadCompressedData(QByteArray("\x78\xDA\x01\x02", 4));
  QBuffer buf;
  buf.open(QIODevice::ReadWrite);
  a.WriteCompressedData(buf);
  const QByteArray bytes = buf.data();
  // Name, value type 10, signed 32-bit little-endian count, bytes.
  EXPECT_EQ(bytes, QByteArray("\x0E" "CompressedData" "\x0A" "\x04\x00\x00\x00" "\x78\xDA\x01\x02", 1 + 14 + 1 + 4 + 4));
  TbsCompressedStoredSkin b;
  buf.seek(0);
  b.ReadCompressedData(buf);
  EXPECT_EQ(b.CompressedData(), a.CompressedData());

  // Written also when empty; read back as empty.
  TbsCompressedStoredSkin empty;
  QBuffer e;
  e.open(QIODevice::ReadWrite);
  empty.WriteCompressedData(e);
  EXPECT_EQ(e.data().size(), 1 + 14 + 1 + 4);
  e.seek(0);
  b.ReadCompressedData(e);
  EXPECT_TRUE(b.IsStoredEmpty());
}

TEST(StoredSkin, BrokenPropertyBlocksAreReadErrorsAndKeepTheBuffer) {
  const QByteArray head("\x0E" "CompressedData", 15);
  const QByteArray cases[] = {
      head + QByteArray("\x0B\x01\x00\x00\x00" "x", 6),              // not a raw data block
      head + QByteArray("\x0A\xFF\xFF\xFF\xFF", 5),                  // negative count
      head + QByteArray("\x0A\x10\x00\x00\x00" "short", 10),         // runs past the end
      head + QByteArray("\x0A\x00\x00\x00\x7F", 5),                  // huge count
      QByteArray("\x0E" "CompressedDatX" "\x0A\x00\x00\x00\x00", 20),  // another property
      QByteArray("\x0E" "Compr", 6),
  };
  for (const QByteArray& bytes : cases) {
    TbsCompressedStoredSkin skin;
    skin.LoadCompressedData("keep");
    QBuffer buf;
    buf.setData(bytes);
    buf.open(QIODevice::ReadOnly);
    EXPECT_THROW(skin.ReadCompressedData(buf), EReadError);
    EXPECT_EQ(skin.CompressedData(), QByteArray("keep"));
  }
}

TEST(StoredSkin, ImportSkinFolderBuildsTheContainer) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QByteArray main = Bmp(6, 5, 24), mask = Bmp(6, 5, 4), a0 = Bmp(3, 2, 8), a1 = Bmp(9, 1, 1);
  WriteFile(dir.filePath(QStringLiteral("m.bmp")), main);
  WriteFile(dir.filePath(QStringLiteral("k.bmp")), mask + QByteArray("trailing junk"));
  WriteFile(dir.filePath(QStringLiteral("a0.bmp")), a0);
  WriteFile(dir.filePath(QStringLiteral("a1.bmp")), a1);
  const QByteArray text =
      "[VERSION]\nskinname=\xCC\xE5\xF2\xE0\xEB\n[PICTURES]\npicture=m.bmp\ninactivepicture=\nmask=k.bmp\n"
      "activepicturescount=2\n0=a0.bmp\n1=a1.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]";
  WriteFile(dir.filePath(QStringLiteral("skin.ini")), text);

  TbsCompressedStoredSkin skin;
  ASSERT_TRUE(skin.ImportSkinFolder(dir.filePath(QStringLiteral("skin.ini"))));
  EXPECT_EQ(skin.FileName(), QStringLiteral("skin.ini"));
  EXPECT_EQ(uchar(skin.CompressedData()[1]), 0xDA);
  QByteArray lines = text;
  lines.replace("\n", "\r\n");
  const QByteArray expected = Int32(3) + '\0' + main + '\1' + '\0' + mask + Int32(2) + a0 + a1 + lines + "\r\n";
  EXPECT_EQ(skin.Inflate(), expected);
}

TEST(StoredSkin, ImportSkinFolderRefusesIncompleteFolders) {
  QTemporaryDir dir;
  TbsCompressedStoredSkin skin;
  skin.LoadCompressedData("old");
  const QString ini = dir.filePath(QStringLiteral("skin.ini"));
  // A required section missing: nothing imported.
  WriteFile(ini, "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n");
  EXPECT_FALSE(skin.ImportSkinFolder(ini));
  EXPECT_EQ(skin.CompressedData(), QByteArray("old"));
  // A bitmap that is missing, or whose size field runs past its file.
  WriteFile(ini, "[VERSION]\n[PICTURES]\npicture=none.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
  EXPECT_THROW(skin.ImportSkinFolder(ini), EStreamError);
  QByteArray shortBmp = Bmp(4, 4, 24);
  WriteFile(dir.filePath(QStringLiteral("short.bmp")), shortBmp.left(shortBmp.size() - 1));
  WriteFile(ini, "[VERSION]\n[PICTURES]\npicture=short.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
  EXPECT_THROW(skin.ImportSkinFolder(ini), EReadError);
  EXPECT_EQ(skin.CompressedData(), QByteArray("old"));
}

TEST(StoredSkin, ImportCompressedSkinFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("x.skn"));
  TbsCompressedStoredSkin skin;
  WriteFile(path, Int32(3) + Int32(5) + QByteArray("abcdefgh"));
  skin.ImportCompressedSkinFile(path);
  EXPECT_EQ(skin.CompressedData(), QByteArray("abcde"));
  EXPECT_EQ(skin.CompressedFileName(), QStringLiteral("x.skn"));
  WriteFile(path, Int32(4) + Int32(5) + QByteArray("abcdefgh"));
  skin.ImportCompressedSkinFile(path);
  EXPECT_TRUE(skin.IsStoredEmpty());
  for (const QByteArray& bad : {Int32(1) + Int32(50) + QByteArray("abc"), Int32(2) + Int32(-1), Int32(3)}) {
    WriteFile(path, bad);
    EXPECT_THROW(skin.ImportCompressedSkinFile(path), EReadError);
    EXPECT_TRUE(skin.IsStoredEmpty());
  }
}

TEST(StoredSkin, CreateStoredSkinAsTheWindowsDo) {
  QObject owner;
  TbsCompressedStoredSkin* s = CreateStoredSkin(&owner, QByteArray("zz"), QStringLiteral("iMetal.skn"));
  EXPECT_EQ(s->parent(), &owner);
  EXPECT_EQ(s->objectName(), QStringLiteral("bsCompressedStoredSkin1"));
  EXPECT_EQ(s->CompressedFileName(), QStringLiteral("iMetal.skn"));
  EXPECT_EQ(s->CompressedData(), QByteArray("zz"));
  EXPECT_TRUE(s->Description.isEmpty());
}
