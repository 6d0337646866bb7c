#pragma once
// A table as plain text, CSV or Markdown.
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace cli {

struct TTextTable {
  QString Title;  // shown above the table in the text form only
  QStringList Header;
  QList<QStringList> Rows;  // as many cells as the header
};

enum class TTableFormat { Text, Csv, Markdown };

// The format a name stands for ("text", "csv", "markdown"), loosely written.
std::optional<TTableFormat> FindTableFormat(const QString& name);
QStringList TableFormatNames();

// Text: the title, an empty line, then columns padded with blanks to the
// widest cell and two blanks apart.
// CSV (RFC 4180): a header row, fields separated by ",", rows ended by CR LF;
// a field holding ",", ";", a quote or a line break is quoted and its quotes
// doubled, so a decimal comma always stands inside quotes.
// Markdown: a pipe table with the header row.
QString Written(const TTextTable& table, TTableFormat format);

}  // namespace cli
