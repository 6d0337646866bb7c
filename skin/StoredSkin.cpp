#include "skin/StoredSkin.h"

#include "platform/Exceptions.h"
#include "skin/SkinBmp.h"
#include "skin/SkinIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <zlib.h>

namespace {
constexpr qsizetype kFirstPull = 64 * 1024;
constexpr char kPropertyName[] = "CompressedData";
constexpr char kValueBinary = 10;

[[noreturn]] void CompressionError() { throw EDecompressionError(QStringLiteral("compression error")); }

void AppendInt32(QByteArray& out, qint32 v) {
  char b[4];
  qToLittleEndian<qint32>(v, b);
  out.append(b, 4);
}

QByteArray ReadExactly(QIODevice& in, qint64 n) {
  QByteArray bytes = in.read(n);
  if (bytes.size() != n) throw EReadError(QStringLiteral("Stream read error"));
  return bytes;
}

qint32 ReadInt32(QIODevice& in) { return qFromLittleEndian<qint32>(ReadExactly(in, 4).constData()); }

// A bitmap file of the skin folder, as its bytes: it must be a sound BMP
// whose header size lies within the file.
QByteArray LoadBitmapFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) throw EStreamError(QStringLiteral("Cannot open file \"%1\"").arg(path));
  const QByteArray bytes = f.readAll();
  qsizetype pos = 0;
  ReadBmp(bytes, pos);
  return bytes.left(pos);
}
}  // namespace

namespace skinstream {
QByteArray Deflate(QByteArrayView data, int level) {
  uLongf size = compressBound(uLong(data.size()));
  QByteArray out(qsizetype(size), Qt::Uninitialized);
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                uLong(data.size()), level) != Z_OK)
    throw EInvalidOperation(QStringLiteral("compression error"));
  out.truncate(qsizetype(size));
  return out;
}

QByteArray Inflate(QByteArrayView compressed) {
  TInflatingReader in(compressed.toByteArray());
  // Room from a guess at the output's size; it doubles whenever it is full.
  in.Expect(std::clamp<qsizetype>(compressed.size() * 8, kFirstPull, kMaxInflatedSize));
  return in.Rest();
}

struct TInflatingReader::TState {
  z_stream Z{};
};

TInflatingReader::TInflatingReader(const QByteArray& compressed) : FState(new TState), FCompressed(compressed) {
  if (inflateInit(&FState->Z) != Z_OK) {
    delete FState;
    CompressionError();
  }
  FState->Z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(FCompressed.constData()));
  FState->Z.avail_in = uInt(FCompressed.size());
}

TInflatingReader::~TInflatingReader() {
  inflateEnd(&FState->Z);
  delete FState;
}

bool TInflatingReader::Fill(qsizetype need) {
  if (FEnd - FStart >= need) return true;
  if (FEnded) return false;
  // The bytes not passed yet go to the front; the room grows as bytes come,
  // never ahead of them, and each pull fills all the room there is.
  if (FStart > 0) {
    std::memmove(FBuffer.data(), FBuffer.constData() + FStart, std::size_t(FEnd - FStart));
    FEnd -= FStart;
    FStart = 0;
  }
  z_stream& z = FState->Z;
  while (FEnd < need && !FEnded) {
    if (FEnd == FBuffer.size())
      FBuffer.resize(FBuffer.isEmpty() ? kFirstPull : std::min(FBuffer.size() * 2, kMaxInflatedSize + 1));
    z.next_out = reinterpret_cast<Bytef*>(FBuffer.data() + FEnd);
    z.avail_out = uInt(FBuffer.size() - FEnd);
    const int rc = inflate(&z, Z_NO_FLUSH);
    const qsizetype made = FBuffer.size() - FEnd - qsizetype(z.avail_out);
    FEnd += made;
    FProduced += made;
    if (FProduced > kMaxInflatedSize) CompressionError();
    if (rc == Z_STREAM_END) FEnded = true;
    // Room left over with no input left: the stream stops before its end.
    else if (rc != Z_OK || (z.avail_out > 0 && z.avail_in == 0)) CompressionError();
  }
  return FEnd - FStart >= need;
}

void TInflatingReader::Expect(qsizetype n) {
  const qsizetype room = std::min(n + kFirstPull, kMaxInflatedSize + 1);
  if (FBuffer.size() < room) FBuffer.resize(room);
}

QByteArrayView TInflatingReader::Peek(qsizetype n) {
  Fill(n);
  return QByteArrayView(FBuffer.constData() + FStart, std::min(n, FEnd - FStart));
}

QByteArrayView TInflatingReader::Take(qsizetype n) {
  const QByteArrayView bytes = Peek(n);
  FStart += bytes.size();
  FPassed += bytes.size();
  return bytes;
}

qsizetype TInflatingReader::Skip(qsizetype n) {
  qsizetype passed = 0;
  while (passed < n && (FEnd > FStart || Fill(1))) {
    const qsizetype step = std::min(n - passed, FEnd - FStart);
    FStart += step;
    passed += step;
  }
  FPassed += passed;
  return passed;
}

QByteArray TInflatingReader::Rest() {
  // The room may reach one byte past the limit: a stream that fills that
  // byte is too long, one that ends before it is not.
  Fill(kMaxInflatedSize + 1);
  QByteArray rest = std::exchange(FBuffer, QByteArray());
  rest.truncate(FEnd);
  rest.remove(0, FStart);
  FPassed += rest.size();
  FStart = FEnd = 0;
  return rest;
}

void TInflatingReader::SkipToEnd() {
  while (Skip(kFirstPull) > 0) {
  }
}
}  // namespace skinstream

TbsCompressedStoredSkin::TbsCompressedStoredSkin(QObject* owner) : QObject(owner) {}
TbsCompressedStoredSkin::~TbsCompressedStoredSkin() = default;

void TbsCompressedStoredSkin::InflateTo(QIODevice& target) const {
  const QByteArray data = Inflate();
  if (target.write(data) != data.size()) throw EStreamError(QStringLiteral("Stream write error"));
}

void TbsCompressedStoredSkin::WriteCompressedData(QIODevice& out) const {
  QByteArray block;
  block.append(char(sizeof(kPropertyName) - 1));
  block.append(kPropertyName, sizeof(kPropertyName) - 1);
  block.append(kValueBinary);
  AppendInt32(block, qint32(FCompressed.size()));
  block.append(FCompressed);
  if (out.write(block) != block.size()) throw EStreamError(QStringLiteral("Stream write error"));
}

void TbsCompressedStoredSkin::ReadCompressedData(QIODevice& in) {
  const QByteArray lengthByte = ReadExactly(in, 1);
  const QByteArray name = ReadExactly(in, static_cast<unsigned char>(lengthByte[0]));
  if (name != kPropertyName) throw EReadError(QStringLiteral("Error reading CompressedData: invalid property"));
  if (ReadExactly(in, 1)[0] != kValueBinary) throw EReadError(QStringLiteral("Invalid property value"));
  const qint32 count = ReadInt32(in);
  if (count < 0) throw EReadError(QStringLiteral("Invalid property value"));
  // The block must be there in full before a byte of it is kept.
  if (!in.isSequential() && in.bytesAvailable() < count) throw EReadError(QStringLiteral("Stream read error"));
  FCompressed = ReadExactly(in, count);
}

bool TbsCompressedStoredSkin::ImportSkinFolder(const QString& descriptionPath) {
  QFile f(descriptionPath);
  if (!f.open(QIODevice::ReadOnly))
    throw EStreamError(QStringLiteral("Cannot open file \"%1\"").arg(descriptionPath));
  const QStringList lines = SplitTextLines(DecodeCp1251(f.readAll()));
  const TbsIniTable ini(lines);
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
    if (!ini.SectionExists(QLatin1String(section))) return false;

  // The container: version, three flagged pictures, the active pictures,
  // then the description text.
  const QDir folder = QFileInfo(descriptionPath).dir();
  QByteArray container;
  AppendInt32(container, 3);
  for (const char* key : {"picture", "inactivepicture", "mask"}) {
    const QString name = ini.ReadString(QStringLiteral("PICTURES"), QLatin1String(key));
    if (name.isEmpty()) {
      container.append(char(1));
    } else {
      container.append(char(0));
      container.append(LoadBitmapFile(folder.filePath(name)));
    }
  }
  const QStringList active = ini.ReadList(QStringLiteral("PICTURES"), QStringLiteral("activepictures"));
  AppendInt32(container, qint32(active.size()));
  for (const QString& name : active) container.append(LoadBitmapFile(folder.filePath(name)));
  for (const QString& line : lines) {
    container.append(EncodeCp1251(line));
    container.append("\r\n", 2);
  }
  FCompressed = skinstream::Deflate(container, Z_BEST_COMPRESSION);
  FFileName = QFileInfo(descriptionPath).fileName();
  return true;
}

void TbsCompressedStoredSkin::ImportCompressedSkinFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) throw EStreamError(QStringLiteral("Cannot open file \"%1\"").arg(path));
  FCompressed.clear();
  const qint32 version = ReadInt32(f);
  if (version <= 3) {
    const qint32 count = ReadInt32(f);
    if (count < 0 || f.bytesAvailable() < count) throw EReadError(QStringLiteral("Stream read error"));
    FCompressed = ReadExactly(f, count);
  }
  FCompressedFileName = QFileInfo(path).fileName();
}

TbsCompressedStoredSkin* CreateStoredSkin(QObject* owner, const QByteArray& stream,
                                          const QString& compressedFileName) {
  auto* skin = new TbsCompressedStoredSkin(owner);
  skin->setObjectName(QStringLiteral("bsCompressedStoredSkin1"));
  skin->SetCompressedFileName(compressedFileName);
  skin->LoadCompressedData(stream);
  return skin;
}
