#pragma once
// The skin description as an in-memory INI table, and the value rules of the
// description: hexadecimal "0x" integers, "1" as the only true Boolean,
// rectangles and points that count only digits, font styles by substring.
// Section and key names are matched without regard to letter case; the first
// section and the first key of a name win.
#include "platform/Graphics.h"

#include <QByteArray>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

// The description is single-byte text in the Windows-1251 code page.
QString DecodeCp1251(QByteArrayView bytes);
QByteArray EncodeCp1251(const QString& text);  // characters outside the page become '?'

// A rectangle as the skin states it: left, top, right, bottom, the right and
// bottom edges excluded (so a 69 x 23 piece at 399,293 is 399,293,468,316).
struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  // No area: width or height not positive.
  bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
  QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
  bool operator==(const TRect&) const = default;
  // Every edge moved into 0..width, 0..height: nothing of the rectangle lies
  // outside a picture of that size.
  TRect ClippedTo(int width, int height) const {
    const auto in = [](int v, int hi) { return v < 0 ? 0 : v > hi ? hi : v; };
    return TRect{in(Left, width), in(Top, height), in(Right, width), in(Bottom, height)};
  }
};

// Splits text into lines at CR LF, CR or LF (as a string list takes text).
QStringList SplitTextLines(const QString& text);

// Value rules, usable on their own.
namespace skinvalue {
// Whole value as an integer ("0x"/"0X" hexadecimal, 32 bits); `fallback`
// when it is not a valid integer.
int ToInteger(const QString& value, int fallback);
// True only for exactly "1".
bool ToBoolean(const QString& value);
// Pieces split at commas, only the digits of each piece counting. A piece
// without any digit, or a wrong number of pieces, throws EConvertError. A
// piece above kMaxCoordinate reads as kMaxCoordinate: no picture is larger,
// and sums of coordinates stay far from the integer range.
constexpr int kMaxCoordinate = 4096;
TRect ToRect(const QString& value);
QPoint ToPoint(const QString& value);
TFontStyles ToFontStyle(const QString& value);
}  // namespace skinvalue

class TbsIniTable {
public:
  TbsIniTable() = default;
  explicit TbsIniTable(const QStringList& lines) { SetLines(lines); }
  // Lines are trimmed of blanks and control characters; empty lines and lines
  // starting with ';' are skipped; "[name]" starts a section; "key=value"
  // lines before the first section are ignored.
  void SetLines(const QStringList& lines);
  // The same from Windows-1251 text with CR LF, CR or LF line ends (the
  // description at the end of a skin container), without a copy per line.
  void SetText(QByteArrayView cp1251);

  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& key) const;
  // The value as written, or `fallback` when the section or key is missing.
  QString ReadString(const QString& section, const QString& key, const QString& fallback = {}) const;
  int ReadInteger(const QString& section, const QString& key, int fallback) const;
  bool ReadBool(const QString& section, const QString& key, bool fallback = false) const;
  TRect ReadRect(const QString& section, const QString& key) const;    // default 0,0,0,0
  QPoint ReadPoint(const QString& section, const QString& key) const;  // default 0,0
  TFontStyles ReadFontStyle(const QString& section, const QString& key) const;
  // Key prefix + "count", then keys "0" ... count - 1 (without the prefix).
  QStringList ReadList(const QString& section, const QString& prefix) const;

  // One section, found once, for reading many keys (the record tables).
  struct TSection {
    QHash<QByteArray, QString> Values;  // lower-case key -> value
  };
  const TSection* Find(const QString& section) const;
  // The value of an ASCII key in a section (null section: none), or null.
  static const QString* Value(const TSection* section, const char* key);

private:
  std::vector<TSection> FSections;
  QHash<QString, int> FIndex;  // lower-case section name -> position
};
