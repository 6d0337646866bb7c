// What the command line says about itself (help, version) and how it answers
// a wrongly put question: one Russian line naming the fault and what is
// allowed, nothing on standard output, status 2.
#include "cli/CommandLine.h"
#include "cli/CommandDef.h"
#include "cli/ManPage.h"
#include "core/CalcData.h"
#include "core/TorqueTables.h"

#include <gtest/gtest.h>

namespace {

using cli::Execute;

QStringList Args(const char* line) { return QString::fromUtf8(line).split(' ', Qt::SkipEmptyParts); }

const char* const kCommandPaths[] = {"", "bolt", "nut", "table", "calc", "calc torque", "calc preload"};

TEST(CommandLineHelp, EveryCommandHasItsOwnHelpInTheParsersLayout) {
  for (const char* path : kCommandPaths) {
    for (const char* flag : {"--help", "-h"}) {
      const auto r = Execute(Args(path) << QString::fromLatin1(flag));
      SCOPED_TRACE(std::string(path) + ' ' + flag);
      EXPECT_EQ(r.Status, cli::kAnswered);
      EXPECT_TRUE(r.Err.isEmpty());
      const QString name = QStringLiteral("momenty") + (*path ? QStringLiteral(" ") + QString::fromLatin1(path) : QString());
      EXPECT_TRUE(r.Out.startsWith(QStringLiteral("Использование: ") + name + QStringLiteral(" [параметры]")))
          << r.Out.left(80).toStdString();
      EXPECT_TRUE(r.Out.contains(QStringLiteral("\nПараметры:\n  -h, --help")));
      EXPECT_FALSE(r.Out.contains(QLatin1String("Usage")));
    }
  }
  // Help wins over whatever else is wrong on the line.
  EXPECT_EQ(Execute(Args("bolt M99 --help 7")).Status, cli::kAnswered);
  // The lists in the help are the tables' own.
  const QString bolt = Execute(Args("bolt --help")).Out;
  for (const QString& c : torque::BoltClasses()) EXPECT_TRUE(bolt.contains(c));
  const QString calc = Execute(Args("calc torque --help")).Out.simplified();  // lines wrapped
  for (const QString& m : MaterialItems()) EXPECT_TRUE(calc.contains(m)) << m.toStdString();
}

TEST(CommandLineHelp, VersionNamesTheProgramItsVersionAndStandards) {
  for (const char* flag : {"--version", "-v"}) {
    const auto r = Execute({QString::fromLatin1(flag)});
    EXPECT_EQ(r.Status, cli::kAnswered);
    EXPECT_TRUE(r.Out.startsWith(QStringLiteral("momenty 4.2\n")));
    EXPECT_TRUE(r.Out.contains(QStringLiteral("СТБ 1879-2008")));
    EXPECT_TRUE(r.Out.contains(QStringLiteral("ГОСТ 1759.4")));
  }
}

TEST(CommandLineHelp, ManualPageCarriesEveryCommandAndOptionInPlainMacros) {
  const QString page = cli::ManPage();
  const QStringList macros{".TH", ".SH", ".SS", ".PP", ".TP", ".br", ".nf", ".fi"};
  for (const QString& line : page.split('\n')) {
    // A text line opening with a dot or a quote would be taken for a request.
    if (line.startsWith('.')) {
      EXPECT_TRUE(macros.contains(line.section(' ', 0, 0))) << line.toStdString();
    }
    if (line.startsWith('\'')) {
      EXPECT_TRUE(line.startsWith(QStringLiteral("'\\\" -*-"))) << line.toStdString();
    }
  }
  for (const cli::TCommandDef* s : cli::AllDefs()) {
    if (!s->Path.isEmpty()) {
      EXPECT_TRUE(page.contains(".SS \"" + cli::CommandName(*s) + '"')) << s->Path.toStdString();
    }
    for (const cli::TOptionDef& o : s->Options) {
      const QString name = o.Names.constLast();
      EXPECT_TRUE(page.contains((name.size() == 1 ? "\\fB\\-" : "\\fB\\-\\-") + name + "\\fR"))
          << name.toStdString();
    }
  }
}

struct TBadInput {
  const char* Line;
  const char* Names;    // what the error line must quote or name
  const char* Allowed;  // one of the allowed items it must list
};
const TBadInput kBadInputs[] = {
    {"", "не указана команда", "bolt"},
    {"bolts M12 8.8 2", "«bolts»", "table"},
    {"--json", "«--json»", "--version"},
    {"bolt M12 8.8 2 --tork", "«--tork»", "--torque"},
    {"table bolt --joint", "«--joint»", "4"},
    {"table bolt --format", "«--format»", "markdown"},
    {"bolt --json=yes M12 8.8 2", "«--json»", ""},
    {"bolt M13 8.8 2", "«M13»", "M24"},
    {"bolt M12 8.9 2", "«8.9»", "12.9"},
    {"nut M12 8.8 2", "«8.8»", "10;12"},
    {"bolt M12 8.8 5", "«5»", "4"},
    {"bolt M12 8.8", "класс соединения", "1, 2, 3, 4"},
    {"bolt", "номинальный диаметр", "M6"},
    {"bolt M12 8.8 2 2", "«2»", ""},
    {"bolt M12 8.8 2 --torque --json", "--torque", "--json"},
    {"table", "таблица", "pneumatic"},
    {"table bolts", "«bolts»", "pneumatic"},
    {"table bolt nut", "«nut»", ""},
    {"table bolt --joint 0", "«0»", "4"},
    {"table bolt --format xlsx", "«xlsx»", "csv"},
    {"table pneumatic --joint 2", "--joint", "bolt"},
    {"calc", "расчёта", "preload"},
    {"calc moment", "«moment»", "torque"},
    {"calc torque --pitch 1,5 -d 10 --d2 9 --dn 16 --dv 10 --mu 0,14", "материал", "Д16"},
    {"calc torque --material Д16 --strength 40 --pitch 1,5 -d 10 --d2 9 --dn 16 --dv 10 --mu 0,14", "--strength", "--material"},
    {"calc torque --material Д17 --pitch 1,5 -d 10 --d2 9 --dn 16 --dv 10 --mu 0,14", "«Д17»", "Фторопласт4"},
    {"calc torque --strength abc --pitch 1,5 -d 10 --d2 9 --dn 16 --dv 10 --mu 0,14", "«abc»", ""},
    {"calc torque --strength 45 --pitch 1,5 -d 10 --d2 9 --dn 16 --dv 10 --mu 0,004", "--mu", ""},
    {"calc torque --strength 45 --pitch 1,5 -d 10 --d2 9 --dn 0 --dv 10 --mu 0,14", "--dn", ""},
    {"calc torque --strength 45 --pitch 1,4 -d 10 --d2 9 --dn 16 --dv 10 --mu 0,14", "«1,4»", "2,5"},
    {"calc torque --strength 45 --pitch 1,5 -d 11 --d2 9 --dn 16 --dv 10 --mu 0,14", "«11»", "52"},
    {"calc torque --strength 45 --pitch 1,5 -d 10 --dn 16 --dv 10 --mu 0,14", "--d2", ""},
    {"calc torque --strength 45 --pitch 1,5 -d 10 --d2 1e3 --dn 16 --dv 10 --mu 0,14", "«1e3»", ""},
    {"calc preload --torque 50 --pitch 0,0015 --d2 0,009026 --dn 0,016 --dv 0,0105", "--mu", ""},
    {"calc preload --torque 50 --pitch 0,0015 --d2 0,009 --dn 0,016 --dv 0,0105 --mu 0,14", "«0,009»", "0,048752"},
    {"calc preload --torque 50 --pitch 0,0015 --d2 0,009026 --dn 0,016 --dv 0,0105 --mu 0,14 5", "«5»", ""},
};

TEST(CommandLineErrors, EachKindOfBadInputGetsOneLineNamingItAndWhatIsAllowed) {
  for (const TBadInput& b : kBadInputs) {
    SCOPED_TRACE(b.Line);
    const auto r = Execute(Args(b.Line));
    EXPECT_EQ(r.Status, cli::kUsage);
    EXPECT_TRUE(r.Out.isEmpty()) << r.Out.toStdString();
    EXPECT_TRUE(r.Err.startsWith(QLatin1String("momenty"))) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.endsWith('\n'));
    EXPECT_EQ(r.Err.count('\n'), 1) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.contains(QString::fromUtf8(b.Names))) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.contains(QString::fromUtf8(b.Allowed))) << r.Err.toStdString();
    // Russian, never the parser's English.
    EXPECT_FALSE(r.Err.contains(QLatin1String("Unknown"))) << r.Err.toStdString();
    EXPECT_FALSE(r.Err.contains(QLatin1String("Missing"))) << r.Err.toStdString();
    EXPECT_FALSE(r.Err.contains(QLatin1String("Unexpected"))) << r.Err.toStdString();
  }
}

}  // namespace
