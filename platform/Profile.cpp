#include "platform/Profile.h"

#include "platform/Exceptions.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>
#include <optional>
#include <vector>

namespace platform {

namespace {

// Upper half of Windows-1251; 0xC0..0xFF are А..я in order and need no table.
constexpr std::array<char16_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// One line of the file: its bytes without the line end, and the line end
// itself ("\n", "\r\n" or nothing for a last line without one).
struct TLine {
  QByteArray Bytes;
  QByteArray End;
};

std::vector<TLine> SplitLines(const QByteArray& data) {
  std::vector<TLine> lines;
  qsizetype start = 0;
  while (start < data.size()) {
    const qsizetype nl = data.indexOf('\n', start);
    if (nl < 0) {
      lines.push_back({data.mid(start), {}});
      break;
    }
    qsizetype end = nl;
    if (end > start && data.at(end - 1) == '\r') --end;
    lines.push_back({data.mid(start, end - start), data.mid(end, nl + 1 - end)});
    start = nl + 1;
  }
  return lines;
}

QString DecodeLine(QByteArray bytes, bool first) {
  if (first && bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = DecodeWindows1251(bytes);
  return text;
}

bool IsComment(const QString& trimmed) {
  return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// The section name of a "[Name]" line.
std::optional<QString> SectionOf(const QString& line) {
  const QString t = line.trimmed();
  if (t.size() < 2 || !t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']')))
    return std::nullopt;
  return t.mid(1, t.size() - 2).trimmed();
}

// The key of a "Key=Value" line.
std::optional<QString> KeyOf(const QString& line) {
  const QString t = line.trimmed();
  if (t.isEmpty() || IsComment(t) || t.startsWith(QLatin1Char('['))) return std::nullopt;
  const qsizetype eq = t.indexOf(QLatin1Char('='));
  if (eq < 0) return std::nullopt;
  return t.left(eq).trimmed();
}

bool SameName(const QString& a, const QString& b) {
  return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

bool IsQuotePair(const QString& v) {
  return v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
         v.back() == v.front();
}

QString ValueOf(const QString& line) {
  const qsizetype eq = line.indexOf(QLatin1Char('='));
  QString v = line.mid(eq + 1).trimmed();
  if (IsQuotePair(v)) v = v.mid(1, v.size() - 2);
  return v;
}

// A value that reading would change (surrounding blanks, a surrounding quote
// pair) is written inside double quotes, so that it reads back unchanged.
QString StoredValue(const QString& value) {
  if (value != value.trimmed() || IsQuotePair(value))
    return QLatin1Char('"') + value + QLatin1Char('"');
  return value;
}

[[noreturn]] void WriteFailed(const QString& file) {
  throw EIniFileException(QStringLiteral("Unable to write to ") + file);
}

}  // namespace

QString DecodeWindows1251(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
      text += QChar(b);
    else if (b < 0xC0)
      text += QChar(kCp1251High[b - 0x80]);
    else
      text += QChar(static_cast<char16_t>(0x0410 + (b - 0xC0)));
  }
  return text;
}

QString GetProfileString(const QString& file, const QString& section, const QString& key,
                         const QString& defaultValue) {
  if (!QFileInfo(file).isFile()) return defaultValue;
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return defaultValue;
  const std::vector<TLine> lines = SplitLines(f.readAll());
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const QString line = DecodeLine(lines[i].Bytes, i == 0);
    if (const auto name = SectionOf(line)) {
      inSection = SameName(*name, section);
      continue;
    }
    if (!inSection) continue;
    if (const auto k = KeyOf(line); k && SameName(*k, key)) return ValueOf(line);
  }
  return defaultValue;
}

void WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value) {
  // A line break would split the entry, and a name with one could not be
  // found again: refuse rather than write something that reads back wrong.
  for (const QString* s : {&section, &key, &value})
    if (s->contains(QLatin1Char('\n')) || s->contains(QLatin1Char('\r'))) WriteFailed(file);

  const QFileInfo info(file);
  QByteArray old;
  if (info.exists()) {
    // A read-only file stays as it is, although replacing it would work;
    // marked so (no write permission for anyone), it binds the superuser too.
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!info.isFile() || !info.isWritable() || !(info.permissions() & writeBits)) WriteFailed(file);
    QFile f(file);
    // What cannot be read could not be kept: do not write over it.
    if (!f.open(QIODevice::ReadOnly)) WriteFailed(file);
    old = f.readAll();
    if (f.error() != QFileDevice::NoError) WriteFailed(file);
  }

  std::vector<TLine> lines = SplitLines(old);
  const QByteArray newline = (!lines.empty() && lines.front().End == "\r\n") ? "\r\n" : "\n";
  const QByteArray entry = (key.trimmed() + QLatin1Char('=') + StoredValue(value)).toUtf8();

  // Where the section starts, where its key is, and its last non-blank line.
  std::optional<std::size_t> keyLine, lastLine;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size() && !keyLine; ++i) {
    const QString line = DecodeLine(lines[i].Bytes, i == 0);
    if (const auto name = SectionOf(line)) {
      inSection = SameName(*name, section);
      if (inSection && !lastLine) lastLine = i;
      continue;
    }
    if (!inSection) continue;
    if (!line.trimmed().isEmpty()) lastLine = i;
    if (const auto k = KeyOf(line); k && SameName(*k, key)) keyLine = i;
  }

  if (keyLine) {
    lines[*keyLine].Bytes = entry;
  } else if (lastLine) {
    TLine& after = lines[*lastLine];
    if (after.End.isEmpty()) after.End = newline;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastLine) + 1, TLine{entry, newline});
  } else {
    if (!lines.empty() && lines.back().End.isEmpty()) lines.back().End = newline;
    lines.push_back({(QLatin1Char('[') + section.trimmed() + QLatin1Char(']')).toUtf8(), newline});
    lines.push_back({entry, newline});
  }

  QByteArray data;
  for (const TLine& l : lines) data += l.Bytes + l.End;

  // The new content goes to a new file beside the old one, which is renamed
  // over it only when every byte is written: a full disk or a folder where
  // no file can be made leaves the old file as it was, never half written.
  QSaveFile out(file);
  out.setDirectWriteFallback(false);
  // Unbuffered: a short write shows here. Buffered, it would only show when
  // commit() flushes, and commit() renames the short file over the old one
  // all the same.
  if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) WriteFailed(file);
  if (out.write(data) != data.size() || out.error() != QFileDevice::NoError) {
    out.cancelWriting();
    WriteFailed(file);
  }
  if (!out.commit()) WriteFailed(file);
}

}  // namespace platform
