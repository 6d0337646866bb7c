#include "cli/CommandDef.h"

#include <QCommandLineOption>

namespace cli {

namespace {

const QString kProgram = QStringLiteral("momenty");

QCommandLineOption HelpOption() {
  return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Показать эту справку."));
}

void SetUp(QCommandLineParser& parser, const TCommandDef& def) {
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
  if (def.TakesCommand)
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  parser.setApplicationDescription(def.Description);
  parser.addOption(HelpOption());
  for (const TOptionDef& o : def.Options) parser.addOption(QCommandLineOption(o.Names, o.Description, o.ValueName));
  for (const TArgumentDef& a : def.Arguments)
    parser.addPositionalArgument(a.Name, a.Description, a.Syntax.isEmpty() ? a.Name : a.Syntax);
}

QString Dashed(const QString& name) { return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name; }

// Every name the command takes, dashed, for an error line.
QString AllowedOptions(const TCommandDef& def) {
  QStringList names;
  for (const TOptionDef& o : def.Options) names << Dashed(o.Names.constLast());
  names << QStringLiteral("--help");
  return Joined(names);
}

}  // namespace

QString CommandName(const TCommandDef& def) {
  return def.Path.isEmpty() ? kProgram : kProgram + QLatin1Char(' ') + def.Path;
}

QString HelpText(const TCommandDef& def) {
  QCommandLineParser parser;
  SetUp(parser, def);
  QString text = parser.helpText();
  // The parser names the executable as it was started; the usage line names
  // the program and the command instead. What follows the name begins with
  // the options placeholder, which every command has (--help).
  const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
  const qsizetype colon = text.indexOf(QLatin1String(": "));
  const qsizetype rest = text.indexOf(QLatin1String(" ["), colon);
  if (colon >= 0 && rest > colon && rest < lineEnd) text.replace(colon + 2, rest - colon - 2, CommandName(def));
  return text;
}

bool ParseCommand(QCommandLineParser& parser, const TCommandDef& def, const QStringList& args, TOutcome& out) {
  SetUp(parser, def);
  if (!parser.parse(QStringList{CommandName(def)} + args)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
      Fail(kUsage, def,
           QStringLiteral("неизвестный параметр «%1»; допустимы: %2.").arg(Dashed(unknown.constFirst()),
                                                                          AllowedOptions(def)));
    // A missing or unexpected value: the parser names the option as it was written.
    QString what = parser.errorText();
    for (const TOptionDef& o : def.Options)
      for (const QString& n : o.Names)
        if (what.contains(QStringLiteral("«") + Dashed(n) + QStringLiteral("»"))) {
          what.chop(what.endsWith(QLatin1Char('.')) ? 1 : 0);
          Fail(kUsage, def, what + QStringLiteral(" — ") + o.Description.at(0).toLower() + o.Description.mid(1));
        }
    Fail(kUsage, def, what);
  }
  if (parser.isSet(QStringLiteral("help"))) {
    out.Out = HelpText(def);
    return false;
  }
  return true;
}

void Fail(int status, const TCommandDef& def, const QString& what) {
  QString line = CommandName(def) + QLatin1String(": ") + what;
  line.replace(QLatin1Char('\n'), QLatin1Char(' '));
  throw TFailure{status, line};
}

QString Joined(const QStringList& items, bool quoted, const QString& separator) {
  if (!quoted) return items.join(separator);
  QStringList q;
  for (const QString& i : items) q << QStringLiteral("«") + i + QStringLiteral("»");
  return q.join(separator);
}

QList<const TCommandDef*> AllDefs() {
  return {&ProgramDef(), &BoltDef(), &NutDef(), &TableDef(), &CalcDef(), &CalcTorqueDef(), &CalcPreloadDef()};
}

}  // namespace cli
