#pragma once
// The stored skin of a window: one zlib-compressed skin container held in
// memory, written to and read from the window definition as the raw-data
// property "CompressedData". The design-time imports (a skin folder, a
// compressed skin file) are used by our packer tool at build time.
#include <QByteArray>
#include <QIODevice>
#include <QObject>
#include <QString>

// zlib (RFC 1950) streams. Deflate writes at `level` (9: header 78 DA).
// Inflate runs until the stream ends, into one buffer that doubles whenever
// it is full; any inflater error, a stream that stops before its end (a
// truncated stream) or more than kMaxInflatedSize bytes of output throws
// EDecompressionError "compression error". Bytes after the end of the stream are ignored.
namespace skinstream {
constexpr qsizetype kMaxInflatedSize = 64 * 1024 * 1024;
QByteArray Deflate(QByteArrayView data, int level = 9);
QByteArray Inflate(QByteArrayView compressed);

// Reads a stream from front to back as it inflates, keeping only what is
// asked for: the bytes of a Peek or Take come contiguous, skipped ones pass
// through a small window. The stream's errors are Inflate's, thrown when the
// reading reaches them; reaching the end is not an error (fewer bytes come).
class TInflatingReader {
public:
  // The reader keeps its own reference to the compressed bytes.
  explicit TInflatingReader(const QByteArray& compressed);
  ~TInflatingReader();
  TInflatingReader(const TInflatingReader&) = delete;
  TInflatingReader& operator=(const TInflatingReader&) = delete;

  // Up to `n` next bytes without passing them; valid until the next call.
  QByteArrayView Peek(qsizetype n);
  // Up to `n` next bytes, passed; valid until the next call.
  QByteArrayView Take(qsizetype n);
  // Passes up to `n` bytes; how many there were.
  qsizetype Skip(qsizetype n);
  // Makes room now for reads of up to `n` bytes at once (the room otherwise
  // grows as the bytes come, copying what it holds each time).
  void Expect(qsizetype n);
  // Everything from here to the end of the stream.
  QByteArray Rest();
  // Reads on to the end of the stream: its errors, if any, are thrown.
  void SkipToEnd();
  // How many bytes have been passed so far.
  qint64 Position() const { return FPassed; }

private:
  bool Fill(qsizetype need);  // false when the stream ends first

  struct TState;
  TState* FState;
  QByteArray FCompressed;
  QByteArray FBuffer;
  qsizetype FStart = 0, FEnd = 0;  // the inflated bytes not passed yet
  qint64 FPassed = 0, FProduced = 0;
  bool FEnded = false;
};
}  // namespace skinstream

class TbsCompressedStoredSkin : public QObject {
  Q_OBJECT
public:
  explicit TbsCompressedStoredSkin(QObject* owner = nullptr);
  ~TbsCompressedStoredSkin() override;

  // Published properties. At run time the setters only store the text.
  QString Description;
  QString FileName() const { return FFileName; }
  void SetFileName(const QString& name) { FFileName = name; }
  QString CompressedFileName() const { return FCompressedFileName; }
  void SetCompressedFileName(const QString& name) { FCompressedFileName = name; }

  // True when the compressed buffer holds no bytes.
  bool IsStoredEmpty() const { return FCompressed.isEmpty(); }
  const QByteArray& CompressedData() const { return FCompressed; }
  // Fills the buffer with a compressed stream as it is (the bytes embedded in
  // the program); nothing is checked here.
  void LoadCompressedData(const QByteArray& stream) { FCompressed = stream; }

  // Writes the inflated container to the caller's device (from the start of
  // the buffer); throws EDecompressionError.
  void InflateTo(QIODevice& target) const;
  QByteArray Inflate() const { return skinstream::Inflate(FCompressed); }

  // Window-definition encoding of the buffer: the property name
  // "CompressedData" (a length byte and the name), the value-type byte 10, a
  // signed 32-bit little-endian byte count and the bytes. Always written,
  // also when the buffer is empty. Reading copies the bytes unchanged; a
  // different name or value type, a negative count or a block that runs past
  // the end throws EReadError and leaves the buffer as it was.
  void WriteCompressedData(QIODevice& out) const;
  void ReadCompressedData(QIODevice& in);

  // Design-time import of a skin kept as a description file with its bitmap
  // files beside it: builds the version 3 container and compresses it at the
  // highest level into the buffer; only the file part of the path stays in
  // FileName. A description without one of the sections "VERSION",
  // "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS" is not imported
  // (returns false, buffer unchanged). A bitmap file that is missing or not a
  // sound BMP throws (EStreamError / EReadError) with the buffer unchanged.
  bool ImportSkinFolder(const QString& descriptionPath);

  // Design-time import of a compressed skin file: int32 version, and for
  // versions up to 3 an int32 length and that many bytes of zlib stream.
  // A later version leaves the buffer empty.
  void ImportCompressedSkinFile(const QString& path);

private:
  QString FFileName;
  QString FCompressedFileName;
  QByteArray FCompressed;
};

// A window's stored skin as the windows set it up: owned by `owner`, named
// bsCompressedStoredSkin1, holding `stream` under `compressedFileName`.
TbsCompressedStoredSkin* CreateStoredSkin(QObject* owner, const QByteArray& stream,
                                          const QString& compressedFileName);
