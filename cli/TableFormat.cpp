#include "cli/TableFormat.h"

#include "cli/Input.h"

#include <algorithm>

namespace cli {

namespace {

struct TFormatName {
  const char* Name;
  TTableFormat Format;
};
constexpr TFormatName kFormats[] = {
    {"text", TTableFormat::Text}, {"csv", TTableFormat::Csv}, {"markdown", TTableFormat::Markdown}};

QString Padded(const QStringList& cells, const QList<qsizetype>& widths) {
  QString line;
  for (qsizetype i = 0; i < cells.size(); ++i) {
    if (i > 0) line += QLatin1String("  ");
    line += i + 1 < cells.size() ? cells.at(i).leftJustified(widths.at(i)) : cells.at(i);
  }
  while (line.endsWith(QLatin1Char(' '))) line.chop(1);
  return line + QLatin1Char('\n');
}

QString AsText(const TTextTable& t) {
  QList<qsizetype> widths(t.Header.size(), 0);
  const auto widen = [&](const QStringList& row) {
    for (qsizetype i = 0; i < row.size() && i < widths.size(); ++i) widths[i] = std::max(widths[i], row.at(i).size());
  };
  widen(t.Header);
  for (const QStringList& r : t.Rows) widen(r);
  QString out;
  if (!t.Title.isEmpty()) out += t.Title + QLatin1String("\n\n");
  out += Padded(t.Header, widths);
  for (const QStringList& r : t.Rows) out += Padded(r, widths);
  return out;
}

QString CsvField(const QString& cell) {
  static const QString kSpecial = QStringLiteral(",;\"\r\n");
  if (std::none_of(cell.begin(), cell.end(), [](QChar c) { return kSpecial.contains(c); })) return cell;
  QString quoted = cell;
  quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CsvRow(const QStringList& cells) {
  QStringList fields;
  for (const QString& c : cells) fields << CsvField(c);
  return fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

QString AsCsv(const TTextTable& t) {
  QString out = CsvRow(t.Header);
  for (const QStringList& r : t.Rows) out += CsvRow(r);
  return out;
}

QString MarkdownRow(const QStringList& cells) {
  QStringList escaped;
  for (const QString& c : cells) {
    QString e;
    for (QChar ch : c) {
      if (QStringLiteral("\\|*_`").contains(ch)) e += QLatin1Char('\\');
      e += ch;
    }
    escaped << e;
  }
  return QLatin1String("| ") + escaped.join(QLatin1String(" | ")) + QLatin1String(" |\n");
}

QString AsMarkdown(const TTextTable& t) {
  QString out = MarkdownRow(t.Header);
  out += QLatin1Char('|') + QStringList(t.Header.size(), QStringLiteral("---")).join(QLatin1Char('|')) +
         QLatin1String("|\n");
  for (const QStringList& r : t.Rows) out += MarkdownRow(r);
  return out;
}

}  // namespace

std::optional<TTableFormat> FindTableFormat(const QString& name) {
  const QString key = Folded(name);
  for (const TFormatName& f : kFormats)
    if (key == QLatin1String(f.Name)) return f.Format;
  return std::nullopt;
}

QStringList TableFormatNames() {
  QStringList out;
  for (const TFormatName& f : kFormats) out << QString::fromLatin1(f.Name);
  return out;
}

QString Written(const TTextTable& table, TTableFormat format) {
  switch (format) {
    case TTableFormat::Csv: return AsCsv(table);
    case TTableFormat::Markdown: return AsMarkdown(table);
    case TTableFormat::Text: break;
  }
  return AsText(table);
}

}  // namespace cli
