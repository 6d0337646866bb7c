#include "skin/SkinIni.h"

#include "platform/Exceptions.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace {
// Upper half of Windows-1251 (0x80..0xBF); 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<char16_t, 64> kCp1251Upper = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

[[noreturn]] void InvalidInteger(const QString& piece) {
  throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(piece));
}

// Rectangle and point pieces: only the digits count, so "-5" reads as 5 and
// " 12 " as 12. A piece without any digit is not a number.
int DigitsOf(QStringView piece) {
  qint64 value = 0;
  bool any = false;
  for (QChar c : piece) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) continue;
    any = true;
    value = value * 10 + (c.unicode() - '0');
    if (value > std::numeric_limits<int>::max()) InvalidInteger(piece.toString());
  }
  if (!any) InvalidInteger(piece.toString());
  return static_cast<int>(value);
}

// A value of exactly `count` comma-separated pieces.
template <std::size_t N>
std::array<int, N> Pieces(const QString& value) {
  std::array<int, N> out{};
  std::size_t n = 0;
  for (QStringView piece : QStringView(value).split(QLatin1Char(','))) {
    if (n == N) throw EConvertError(QStringLiteral("'%1' has too many parts").arg(value));
    out[n++] = std::min(DigitsOf(piece), skinvalue::kMaxCoordinate);
  }
  if (n != N) InvalidInteger(value);
  return out;
}
}  // namespace

QString DecodeCp1251(QByteArrayView bytes) {
  QString text;
  text.resize(bytes.size());
  QChar* out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) out[i] = QChar(b);
    else if (b >= 0xC0) out[i] = QChar(char16_t(0x0410 + (b - 0xC0)));
    else out[i] = QChar(kCp1251Upper[b - 0x80]);
  }
  return text;
}

QByteArray EncodeCp1251(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x80) {
      bytes.append(static_cast<char>(u));
    } else if (u >= 0x0410 && u <= 0x044F) {
      bytes.append(static_cast<char>(0xC0 + (u - 0x0410)));
    } else {
      char out = '?';
      for (std::size_t i = 0; i < kCp1251Upper.size(); ++i)
        if (kCp1251Upper[i] == u && u != 0xFFFD) out = static_cast<char>(0x80 + i);
      bytes.append(out);
    }
  }
  return bytes;
}

QStringList SplitTextLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
    lines.append(text.mid(start, i - start));
    if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
    start = i + 1;
  }
  if (start < n) lines.append(text.mid(start));
  return lines;
}

namespace skinvalue {
int ToInteger(const QString& value, int fallback) {
  const QString v = value.trimmed();
  bool ok = false;
  if (v.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) || v.startsWith(QLatin1Char('$'))) {
    // Hexadecimal fills all 32 bits: 0xFF000000 is a system colour.
    const qsizetype skip = v.startsWith(QLatin1Char('$')) ? 1 : 2;
    const QStringView digits = QStringView(v).mid(skip);
    if (digits.isEmpty() || digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
      return fallback;
    const qulonglong u = digits.toULongLong(&ok, 16);
    if (!ok || u > 0xFFFFFFFFull) return fallback;
    return static_cast<int>(static_cast<quint32>(u));
  }
  const int i = v.toInt(&ok, 10);
  return ok ? i : fallback;
}

bool ToBoolean(const QString& value) { return value == QLatin1String("1"); }

TRect ToRect(const QString& value) {
  const auto p = Pieces<4>(value);
  return TRect{p[0], p[1], p[2], p[3]};
}

QPoint ToPoint(const QString& value) {
  const auto p = Pieces<2>(value);
  return QPoint(p[0], p[1]);
}

TFontStyles ToFontStyle(const QString& value) {
  TFontStyles s = 0;
  if (value.contains(QLatin1String("fsbold"))) s |= fsBold;
  if (value.contains(QLatin1String("fsitalic"))) s |= fsItalic;
  if (value.contains(QLatin1String("fsunderline"))) s |= fsUnderline;
  if (value.contains(QLatin1String("fsstrikeout"))) s |= fsStrikeOut;
  return s;
}
}  // namespace skinvalue

namespace {
// Blanks and control characters at both ends go, as a line is read.
QStringView TrimLine(QStringView line) {
  qsizetype b = 0, e = line.size();
  while (b < e && line[b].unicode() <= ' ') ++b;
  while (e > b && line[e - 1].unicode() <= ' ') --e;
  return line.sliced(b, e - b);
}
QByteArrayView TrimLine(QByteArrayView line) {
  qsizetype b = 0, e = line.size();
  while (b < e && uchar(line[b]) <= ' ') ++b;
  while (e > b && uchar(line[e - 1]) <= ' ') --e;
  return line.sliced(b, e - b);
}
bool IsAscii(QByteArrayView bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}
// Keys are stored lower case; ASCII ones (all of a skin's) without a detour.
QByteArray LowerKey(QByteArrayView key) {
  if (!IsAscii(key)) return DecodeCp1251(key).toLower().toUtf8();
  QByteArray out(key.data(), key.size());
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return out;
}
}  // namespace

void TbsIniTable::SetLines(const QStringList& lines) {
  QByteArray text;
  for (const QString& line : lines) {
    text += EncodeCp1251(line);
    text += '\n';
  }
  SetText(text);
}

void TbsIniTable::SetText(QByteArrayView text) {
  FSections.clear();
  FIndex.clear();
  TSection* current = nullptr;
  qsizetype start = 0;
  const qsizetype n = text.size();
  while (start < n) {
    qsizetype end = start;
    while (end < n && text[end] != '\r' && text[end] != '\n') ++end;
    const QByteArrayView line = TrimLine(text.sliced(start, end - start));
    start = end + 1;
    if (line.isEmpty() || line[0] == ';') continue;
    if (line[0] == '[' && line.back() == ']') {
      const QString name = TrimLine(QStringView(DecodeCp1251(line.sliced(1, line.size() - 2)))).toString().toLower();
      FSections.emplace_back();
      // A repeated section is kept but never found: the first one wins.
      if (!FIndex.contains(name)) FIndex.insert(name, int(FSections.size()) - 1);
      current = &FSections.back();
      continue;
    }
    if (!current) continue;
    const qsizetype eq = line.indexOf('=');
    if (eq < 0) continue;
    QByteArray key = LowerKey(TrimLine(line.first(eq)));
    if (!current->Values.contains(key)) current->Values.insert(std::move(key), DecodeCp1251(TrimLine(line.sliced(eq + 1))));
  }
}

const TbsIniTable::TSection* TbsIniTable::Find(const QString& section) const {
  const auto it = FIndex.constFind(section.toLower());
  return it == FIndex.cend() ? nullptr : &FSections[std::size_t(*it)];
}

const QString* TbsIniTable::Value(const TSection* section, const char* key) {
  if (!section) return nullptr;
  // Table keys are lower case already; lower the odd one without allocating
  // for the others.
  const QByteArray raw = QByteArray::fromRawData(key, qsizetype(std::strlen(key)));
  const bool lower = std::none_of(raw.begin(), raw.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
  const auto it = section->Values.constFind(lower ? raw : raw.toLower());
  return it == section->Values.cend() ? nullptr : &*it;
}

namespace {
QByteArray KeyOf(const QString& key) { return key.toLower().toUtf8(); }
}  // namespace

bool TbsIniTable::SectionExists(const QString& section) const { return Find(section) != nullptr; }

bool TbsIniTable::ValueExists(const QString& section, const QString& key) const {
  const TSection* s = Find(section);
  return s && s->Values.contains(KeyOf(key));
}

QString TbsIniTable::ReadString(const QString& section, const QString& key, const QString& fallback) const {
  const TSection* s = Find(section);
  if (!s) return fallback;
  const auto it = s->Values.constFind(KeyOf(key));
  return it == s->Values.cend() ? fallback : *it;
}

int TbsIniTable::ReadInteger(const QString& section, const QString& key, int fallback) const {
  const TSection* s = Find(section);
  if (!s) return fallback;
  const auto it = s->Values.constFind(KeyOf(key));
  return it == s->Values.cend() ? fallback : skinvalue::ToInteger(*it, fallback);
}

bool TbsIniTable::ReadBool(const QString& section, const QString& key, bool fallback) const {
  const TSection* s = Find(section);
  if (!s) return fallback;
  const auto it = s->Values.constFind(KeyOf(key));
  return it == s->Values.cend() ? fallback : skinvalue::ToBoolean(*it);
}

TRect TbsIniTable::ReadRect(const QString& section, const QString& key) const {
  return skinvalue::ToRect(ReadString(section, key, QStringLiteral("0,0,0,0")));
}

QPoint TbsIniTable::ReadPoint(const QString& section, const QString& key) const {
  return skinvalue::ToPoint(ReadString(section, key, QStringLiteral("0,0")));
}

TFontStyles TbsIniTable::ReadFontStyle(const QString& section, const QString& key) const {
  return skinvalue::ToFontStyle(ReadString(section, key));
}

QStringList TbsIniTable::ReadList(const QString& section, const QString& prefix) const {
  QStringList list;
  const int count = ReadInteger(section, prefix + QStringLiteral("count"), 0);
  const TSection* s = Find(section);
  if (!s) return list;
  for (int i = 0; i < count; ++i) {
    const QString key = QString::number(i);
    // A wild count makes no more than the section could hold.
    if (i >= s->Values.size() && !s->Values.contains(KeyOf(key))) break;
    list.append(ReadString(section, key));
  }
  return list;
}
