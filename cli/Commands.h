#pragma once
// The commands; each answers the arguments that follow its path into `out`
// or ends in a failure (CommandDef.h).
#include "cli/CommandLine.h"

namespace cli {

void RunBolt(const QStringList& args, TOutcome& out);
void RunNut(const QStringList& args, TOutcome& out);
void RunTable(const QStringList& args, TOutcome& out);
void RunCalcTorque(const QStringList& args, TOutcome& out);
void RunCalcPreload(const QStringList& args, TOutcome& out);

}  // namespace cli
