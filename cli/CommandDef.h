#pragma once
// What each command takes, held as data: its help text, its parser and the
// manual page are all made from it.
#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

namespace cli {

struct TOptionDef {
  QStringList Names;  // without dashes; one letter makes "-x", longer "--name"
  QString ValueName;  // empty for a switch
  QString Description;
};

struct TArgumentDef {
  QString Name;
  QString Description;
  QString Syntax;  // how the usage line writes it; the name when empty
};

struct TCommandDef {
  QString Path;         // "bolt", "calc torque"; empty for the program itself
  QString Summary;      // one line for the list of commands
  QString Description;  // paragraphs of its own help, lines joined by "\n"
  QList<TArgumentDef> Arguments;
  QList<TOptionDef> Options;  // besides -h, --help
  bool TakesCommand = false;   // what follows the first argument belongs to a further command
};

const TCommandDef& ProgramDef();
const TCommandDef& BoltDef();
const TCommandDef& NutDef();
const TCommandDef& TableDef();
const TCommandDef& CalcDef();
const TCommandDef& CalcTorqueDef();
const TCommandDef& CalcPreloadDef();
// Every command, the program first, in the order the manual page shows them.
QList<const TCommandDef*> AllDefs();

// "momenty" followed by the command's path.
QString CommandName(const TCommandDef& def);
// The help in the parser's layout, with "momenty <path>" on the usage line.
QString HelpText(const TCommandDef& def);
QString VersionText();

// Parses the arguments that follow the command's path. Answers --help itself
// and returns false then; a wrongly put option ends in a failure.
bool ParseCommand(QCommandLineParser& parser, const TCommandDef& def, const QStringList& args, TOutcome& out);

// A question that gets no answer: the status and the line for standard error.
struct TFailure {
  int Status;
  QString Line;
};
[[noreturn]] void Fail(int status, const TCommandDef& def, const QString& what);

// "a, b, c"; each item quoted in «» when `quoted`.
QString Joined(const QStringList& items, bool quoted = false, const QString& separator = QStringLiteral(", "));

}  // namespace cli
