#include "cli/ManPage.h"

#include "cli/CommandDef.h"

namespace cli {

namespace {

// Text safe for troff: backslashes and dashes escaped, a line never opening
// with a control character.
QString Escaped(const QString& text) {
  QString out;
  for (QChar c : text) {
    if (c == QLatin1Char('\\')) out += QLatin1String("\\e");
    else if (c == QLatin1Char('-')) out += QLatin1String("\\-");
    else out += c;
  }
  if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\''))) out.prepend(QLatin1String("\\&"));
  return out;
}

// Help paragraphs as running text; lines that open with a blank (command
// lists, continued examples) stay as they are written.
QString Paragraphs(const QString& description) {
  QString out;
  bool kept = false;   // inside a block of lines kept as written
  bool inText = false; // a paragraph of running text has begun
  for (const QString& line : description.split(QLatin1Char('\n'))) {
    if (line.trimmed().isEmpty()) {
      if (kept) out += QLatin1String(".fi\n");
      kept = inText = false;
      out += QLatin1String(".PP\n");
      continue;
    }
    const bool asWritten = line.startsWith(QLatin1Char(' '));
    if (asWritten && !kept) out += QLatin1String(".nf\n");
    if (!asWritten && kept) out += QLatin1String(".fi\n");
    if (!asWritten && inText && line.endsWith(QLatin1Char(':'))) out += QLatin1String(".br\n");
    kept = asWritten;
    inText = !asWritten;
    out += Escaped(line) + QLatin1Char('\n');
  }
  if (kept) out += QLatin1String(".fi\n");
  return out;
}

QString OptionTag(const TOptionDef& o) {
  QStringList names;
  for (const QString& n : o.Names)
    names << QLatin1String("\\fB") + Escaped((n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n) +
                 QLatin1String("\\fR");
  QString tag = names.join(QLatin1String(", "));
  if (!o.ValueName.isEmpty()) tag += QLatin1String(" \\fI") + Escaped(o.ValueName) + QLatin1String("\\fR");
  return tag;
}

QString Synopsis(const TCommandDef& s) {
  QString out = QLatin1String("\\fB") + Escaped(CommandName(s)) + QStringLiteral("\\fR [\\fIпараметры\\fR]");
  for (const TArgumentDef& a : s.Arguments)
    out += QLatin1String(" \\fI") + Escaped(a.Syntax.isEmpty() ? a.Name : a.Syntax) + QLatin1String("\\fR");
  return out;
}

QString Entries(const TCommandDef& s) {
  QString out;
  for (const TArgumentDef& a : s.Arguments)
    out += QLatin1String(".TP\n\\fI") + Escaped(a.Name) + QLatin1String("\\fR\n") + Escaped(a.Description) + QLatin1Char('\n');
  for (const TOptionDef& o : s.Options)
    out += QLatin1String(".TP\n") + OptionTag(o) + QLatin1Char('\n') + Escaped(o.Description) + QLatin1Char('\n');
  out += QStringLiteral(".TP\n\\fB\\-h\\fR, \\fB\\-\\-help\\fR\nПоказать справку этой команды.\n");
  return out;
}

}  // namespace

QString ManPage() {
  const TCommandDef& program = ProgramDef();
  QString out = QLatin1String("'\\\" -*- coding: UTF-8 -*-\n.TH MOMENTY 1 \"\" \"") + Escaped(VersionText().section(QLatin1Char('\n'), 0, 0)) +
                QStringLiteral("\" \"Команды пользователя\"\n");
  out += QStringLiteral(".SH ИМЯ\nmomenty \\- моменты затяжки резьбовых соединений по СТБ 1879\\-2008\n");
  out += QStringLiteral(".SH ОБЗОР\n\\fBmomenty\\fR\n.br\n\\fBmomenty\\fR [\\fB\\-h\\fR] [\\fB\\-v\\fR]\n");
  for (const TCommandDef* s : AllDefs())
    if (s != &program) out += QLatin1String(".br\n") + Synopsis(*s) + QLatin1Char('\n');
  out += QStringLiteral(".SH ОПИСАНИЕ\n") + Paragraphs(program.Description);
  out += QStringLiteral(".SH ПАРАМЕТРЫ\n") + Entries(program);
  out += QStringLiteral(".SH КОМАНДЫ\n");
  for (const TCommandDef* s : AllDefs()) {
    if (s == &program) continue;
    out += QLatin1String(".SS \"") + Escaped(CommandName(*s)) + QLatin1String("\"\n") + Synopsis(*s) +
           QLatin1String("\n.PP\n") + Paragraphs(s->Description) + Entries(*s);
  }
  // The version text keeps its lines: name and number, title, standards.
  out += QStringLiteral(".SH ВЕРСИЯ\n");
  for (const QString& line : VersionText().trimmed().split(QLatin1Char('\n')))
    out += Escaped(line) + QLatin1String("\n.br\n");
  return out;
}

}  // namespace cli
